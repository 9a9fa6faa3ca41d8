// Plot pictures: one 252 x 152 frame per variant and orientation (frame = variant x 4 +
// orientation). The plot's ground diamond is 252 x 126, centred 13 pixels below the
// frame's centre; buildings stand on it and rise into the top of the frame.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ArtIso.h"
#include "ArtSheet.h"

namespace art {

constexpr int kPlotWidth = 252, kPlotHeight = 152;

// Builds the scene of one variant of a plot kind; the same call serves all four turns.
using PlotBuilder = std::function<void(Scene& scene, int variant)>;

struct PlotKind {
  std::string texture;  // e.g. "Pane4House1"
  int variants;
  PlotBuilder build;
};

const std::vector<PlotKind>& PlotKinds();
// One frame drawn at any scale: (cx, cy) is the diamond centre, zoom 1 is the game's size.
void DrawPlot(cairo_t* cr, const PlotKind& kind, int variant, int turn, double cx, double cy,
              double zoom);
void SavePlots(Output& out);

// ---- Shared plot pieces (ArtPlotParts.cpp) ----

namespace palette {
inline constexpr Rgb Grass = Hex(0x79bf4f), GrassDark = Hex(0x5a9e3a), GrassLight = Hex(0x9bd467);
inline constexpr Rgb Dirt = Hex(0xc29464), DirtDark = Hex(0x9a6f45), Paving = Hex(0xe3d6bd);
inline constexpr Rgb PavingDark = Hex(0xc4b393), Gravel = Hex(0xcdbfa6);
inline constexpr Rgb Glass = Hex(0x5f9cc4), GlassLight = Hex(0xc8ecfa), Frame = Hex(0xfbf6ea);
inline constexpr Rgb Cream = Hex(0xf4e4c1), Peach = Hex(0xf3c29b), Butter = Hex(0xf7dc86);
inline constexpr Rgb Sky = Hex(0xa9d0ea), Mint = Hex(0xb9e2c0), Rose = Hex(0xf2b5ab), Chalk = Hex(0xf3efe6);
inline constexpr Rgb Brick = Hex(0xc56a4b);
inline constexpr Rgb RoofRed = Hex(0xd2553a), RoofTerra = Hex(0xcf7444), RoofSlate = Hex(0x5f7fa8);
inline constexpr Rgb RoofGreen = Hex(0x4f8d5d), RoofBrown = Hex(0x8d5b3d), RoofPlum = Hex(0x85648f);
inline constexpr Rgb Wood = Hex(0xb9824f), WoodDark = Hex(0x7d5232), Leaf = Hex(0x4fa34a);
inline constexpr Rgb LeafDark = Hex(0x2f7a3a), LeafLight = Hex(0x8fcf5a), Trunk = Hex(0x7a5234);
inline constexpr Rgb Water = Hex(0x5fb6da), WaterDeep = Hex(0x3a86b8), Stone = Hex(0xa9a49a);
}  // namespace palette

// Grounds fill the whole diamond in percent coordinates and add texture from the seed.
void LawnGround(Scene& s, uint64_t seed, Rgb base = palette::Grass);
void DirtGround(Scene& s, uint64_t seed);
void PavedGround(Scene& s, uint64_t seed, Rgb tile = palette::Paving, double tileSize = 12.5);
void ForestGround(Scene& s, uint64_t seed);
// A rectangle of ground in percent coordinates with rounded corners.
void GroundPatch(Scene& s, double u0, double v0, double u1, double v1, Rgb colour,
                 double radius = 3, double edgeDarken = 0.18);
void GroundPath(Scene& s, std::vector<std::pair<double, double>> points, double width,
                Rgb colour);
void Flowerbed(Scene& s, double u0, double v0, double u1, double v1, uint64_t seed);

// Facade pieces drawn in wall coordinates (x along the wall, y down from its top).
void Window(cairo_t* cr, double x, double y, double w, double h, double shade,
            Rgb frame = palette::Frame, bool shutters = false, Rgb shutter = palette::RoofGreen);
void Door(cairo_t* cr, double x, double y, double w, double h, double shade, Rgb colour);
void Awning(cairo_t* cr, double x, double y, double w, double h, double shade, Rgb a, Rgb b);
void Sign(cairo_t* cr, double x, double y, double w, double h, double shade, Rgb board,
          Rgb ink, const std::string& glyph);
// Rows of windows on every floor of a wall; the door wall gets a door in the middle.
void FloorWindows(cairo_t* cr, const FaceInfo& f, int floors, double floorHeight, int perFloor,
                  double shade, Rgb frame, bool door, Rgb doorColour, bool balconies = false);

// Trees and small things (billboards with blob shadows).
void Tree(Scene& s, double u, double v, double height, double radius, Rgb leaf, uint64_t seed);
void Conifer(Scene& s, double u, double v, double height, double radius, Rgb leaf);
void Bush(Scene& s, double u, double v, double radius, Rgb leaf, uint64_t seed, bool flowers = false);
void Lamp(Scene& s, double u, double v, double height);
void Bench(Scene& s, double u, double v, bool alongU);
void FenceLine(Scene& s, double u0, double v0, double u1, double v1, double height, Rgb colour,
               int posts);
void Rock(Scene& s, double u, double v, double size, uint64_t seed, Rgb colour = palette::Stone);
void Car(Scene& s, double u, double v, bool alongU, Rgb body);

}  // namespace art
