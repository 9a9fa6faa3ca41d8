// The file formats the game reads: DDS pictures (A8R8G8B8), ".tsg" segment tables,
// ".pth" paths, and PNG for the branding picture and the gallery sheet.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ArtCore.h"

namespace art {

struct Segment {
  int x = 0, y = 0, w = 0, h = 0;
};

struct PathPoint {
  float position = 0;
  int16_t x = 0, y = 0;
};

struct PathMark {
  int32_t first = 0, count = 0;
};

std::vector<uint8_t> EncodeDds(const Pixels& pixels);
std::string EncodeTsg(const std::vector<Segment>& segments);
std::vector<uint8_t> EncodePth(const std::vector<PathPoint>& points,
                               const std::vector<PathMark>& marks);

void MakeFolders(const std::string& folder);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
void WriteText(const std::string& path, const std::string& text);
void WritePng(const std::string& path, const Surface& surface);

}  // namespace art
