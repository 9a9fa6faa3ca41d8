#include "ArtPlots.h"

#include <stdexcept>

namespace art {

// Builders live in ArtPlotHomes.cpp, ArtPlotTown.cpp and ArtPlotLand.cpp.
void BuildingPlot(Scene& s, int variant);
void House(Scene& s, int size, int variant);
void Block(Scene& s, int size, int variant);
void OldHouse(Scene& s, int variant);
void OldBlock(Scene& s, int variant);
void PostOffice(Scene& s, int variant);
void Market(Scene& s, int variant);
void Restaurant(Scene& s, int variant);
void Park(Scene& s, int variant);
void Playground(Scene& s, int variant);
void Square(Scene& s, int variant);
void Debris(Scene& s, int amount, int variant);
void Forest(Scene& s, int density, int variant);
void Station(Scene& s, int variant);
void Sawmill(Scene& s, int variant);
void Factory(Scene& s, int variant);
void Glade(Scene& s, int variant);
void Dump(Scene& s, int variant);
void Farm(Scene& s, int variant);

const std::vector<PlotKind>& PlotKinds() {
  static const std::vector<PlotKind> kinds = {
      {"Pane2BuildingPlot", 2, BuildingPlot},
      {"Pane4House1", 4, [](Scene& s, int v) { House(s, 1, v); }},
      {"Pane4House2", 4, [](Scene& s, int v) { House(s, 2, v); }},
      {"Pane4House3", 4, [](Scene& s, int v) { House(s, 3, v); }},
      {"Pane4Block1", 4, [](Scene& s, int v) { Block(s, 1, v); }},
      {"Pane4Block2", 4, [](Scene& s, int v) { Block(s, 2, v); }},
      {"Pane4Block3", 4, [](Scene& s, int v) { Block(s, 3, v); }},
      {"Pane2Post", 2, PostOffice},
      {"Pane2Market", 2, Market},
      {"Pane2Restaurant", 2, Restaurant},
      {"Pane2Park", 2, Park},
      {"Pane1Playground", 1, Playground},
      {"Pane1Square", 1, Square},
      {"Pane1Debris1", 1, [](Scene& s, int v) { Debris(s, 1, v); }},
      {"Pane1Debris2", 1, [](Scene& s, int v) { Debris(s, 2, v); }},
      {"Pane1Debris3", 1, [](Scene& s, int v) { Debris(s, 3, v); }},
      {"Pane2Forest1", 2, [](Scene& s, int v) { Forest(s, 1, v); }},
      {"Pane2Forest2", 2, [](Scene& s, int v) { Forest(s, 2, v); }},
      {"Pane2Forest3", 2, [](Scene& s, int v) { Forest(s, 3, v); }},
      {"Pane2Forest4", 2, [](Scene& s, int v) { Forest(s, 4, v); }},
      {"Pane1OldHouse1", 1, OldHouse},
      {"Pane1OldBlock1", 1, OldBlock},
      {"Pane1Station", 1, Station},
      {"Pane1Sawmill", 1, Sawmill},
      {"Pane2Factory", 2, Factory},
      {"Pane1Glade", 1, Glade},
      {"Pane1Dump", 1, Dump},
      {"Pane1Farm", 1, Farm},
  };
  return kinds;
}

void DrawPlot(cairo_t* cr, const PlotKind& kind, int variant, int turn, double cx, double cy,
              double zoom) {
  Iso iso(cx, cy, 126 * zoom, 63 * zoom, turn);
  Scene scene(iso);
  kind.build(scene, variant);
  scene.Render(cr);
}

void SavePlots(Output& out) {
  for (const PlotKind& kind : PlotKinds()) {
    std::vector<Surface> frames;
    for (int variant = 0; variant < kind.variants; ++variant)
      for (int turn = 0; turn < 4; ++turn)
        frames.push_back(Paint(kPlotWidth, kPlotHeight, [&](cairo_t* cr) {
          DrawPlot(cr, kind, variant, turn, kPlotWidth / 2.0, kPlotHeight / 2.0 + 13, 1.0);
        }));
    // Kinds of one size class share a segment table, so their frames must line up.
    const std::string table = kind.texture.substr(0, 5);
    out.SaveTexture(PackFrames(kind.texture, std::move(frames)), table);
  }
}

}  // namespace art
