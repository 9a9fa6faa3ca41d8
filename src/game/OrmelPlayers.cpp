#include "game/OrmelPlayers.h"

TPlayers* Players = nullptr;
