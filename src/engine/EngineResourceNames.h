// The pictures, fonts, particle paths and sound samples the game asks for by name, kept in
// one place so that the content check loads exactly what the game will. A screen that starts
// using a new name adds it here. Names that follow from the game's own tables (plot and map
// pictures, the sounds that end an action) are read from those tables by the check itself.
#pragma once

#include <string>
#include <vector>

struct TResourceNames {
  std::vector<std::string> Textures;
  std::vector<std::string> Fonts;
  std::vector<std::string> Paths;
  std::vector<std::string> Samples;
};

const TResourceNames& ResourceNames();

// Glyphs in a font: one segment per character code.
constexpr int FontSegmentCount = 256;
