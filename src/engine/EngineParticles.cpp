#include "engine/EngineParticles.h"

TParticles* Particles = nullptr;
