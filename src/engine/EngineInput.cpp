#include "engine/EngineInput.h"

TInput* Input = nullptr;
