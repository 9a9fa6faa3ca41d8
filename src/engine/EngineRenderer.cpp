#include "engine/EngineRenderer.h"

TRenderer* Renderer = nullptr;
