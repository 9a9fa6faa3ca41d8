#include "engine/EngineGui.h"

TGui* Gui = nullptr;
