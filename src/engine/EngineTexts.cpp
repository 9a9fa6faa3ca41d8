#include "engine/EngineTexts.h"

TTexts* Texts = nullptr;
