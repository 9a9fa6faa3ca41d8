// The review sheet: every texture with its segments outlined and numbered.
#pragma once

#include <string>

#include "ArtSheet.h"

namespace art {

void WriteGallery(const Output& out, const std::string& path);

}  // namespace art
