#include "platform/Platform.h"

TPlatform* Platform = nullptr;
