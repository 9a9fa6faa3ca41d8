// The groups of pictures the generator writes; each function saves its textures into Out.
#pragma once

#include "ArtCore.h"
#include "ArtSheet.h"

namespace art {

void SavePanels(Output& out);   // Blank, dialogs, speech bubble, buttons, markers, particles
void SaveIcons(Output& out);    // action buttons and icons, license icons, trophies, chapters
void SaveFaces(Output& out);    // the advisors
void SaveScreens(Output& out);  // menu, panel and mission backgrounds, logo, splash, language
void SaveMaps(Output& out);     // the map grounds
void SavePaths(Output& out);    // particle paths

// Shared by several groups.
void DrawPanel(cairo_t* cr, double x, double y, double w, double h, double radius);
// A glossy pill (or disc) button filling W x H with room for its shadow.
void ButtonBody(cairo_t* cr, double w, double h, Rgb colour, bool enabled, bool round);
void DrawLandscape(cairo_t* cr, int width, int height, bool town);
Surface DrawLogo(int width, int height);

namespace ui {
inline constexpr Rgb PanelTop = Hex(0x2f6e78), PanelBottom = Hex(0x1d4852);
inline constexpr Rgb FrameLight = Hex(0xf4c06a), FrameDark = Hex(0xb7762f), Rim = Hex(0x4a2c16);
inline constexpr Rgb Orange = Hex(0xf39a2e), Green = Hex(0x52b043), Teal = Hex(0x2f9bb0);
}  // namespace ui

}  // namespace art
