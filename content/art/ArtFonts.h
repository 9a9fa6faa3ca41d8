// The two bitmap fonts: "DefaultFont" (Windows-1252 letters plus icon glyphs at codes 1..31)
// and "IconsFont" (the upgrade badges shown on plots at codes 16..29). Each has one segment
// per code; every glyph is as tall as a line (segment 0's height) and 4 pixels wider than
// its advance, the amount the text layout takes back after each glyph.
#pragma once

#include <string>

#include "ArtSheet.h"

namespace art {

constexpr int kLineHeight = 32;

void SaveFonts(Output& out);
// UTF-8 of a Windows-1252 code; empty for codes that have no character.
std::string Cp1252ToUtf8(int code);

}  // namespace art
