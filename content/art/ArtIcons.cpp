// Round action buttons and their icons, license icons, trophies and chapter pictures.
#include <cmath>

#include "ArtContent.h"
#include "ArtDraw.h"
#include "ArtPictograms.h"
#include "ArtPlots.h"

namespace art {

namespace {

Sheet ActionButtonColors() {
  const uint32_t colours[16] = {0x9a9a9a, 0xe86a8a, 0x9a6ad8, 0xe0493a, 0xf39a2e, 0xc0508a,
                                0x2fb0a8, 0x3f8fd8, 0xc98a3a, 0x5a78c8, 0x52b043, 0x9aa83a,
                                0x7cc83a, 0xe8c030, 0xf2c230, 0x5a5ad0};
  std::vector<Surface> f;
  for (uint32_t c : colours)
    f.push_back(Paint(60, 60, [c](cairo_t* cr) { ButtonBody(cr, 60, 60, Hex(c), true, true); }));
  return PackFrames("ActionButtonColors", std::move(f));
}

// Icon frame -> picture; frames without a picture stay empty.
Pict ActionPict(int frame, bool& present) {
  static const std::pair<int, Pict> table[] = {
      {1, Pict::WorkerPlus}, {3, Pict::Wrench}, {4, Pict::WreckingBall}, {5, Pict::Shovel},
      {6, Pict::Cottage}, {7, Pict::HouseChimney}, {8, Pict::Villa}, {9, Pict::Block3},
      {10, Pict::Block4}, {11, Pict::Block5}, {12, Pict::Envelope}, {13, Pict::Basket},
      {14, Pict::Cutlery}, {15, Pict::Tree}, {16, Pict::Slide}, {17, Pict::Fountain},
      {18, Pict::Magnifier}, {19, Pict::StarUp}, {20, Pict::Flower}, {21, Pict::Shield},
      {22, Pict::Antenna}, {23, Pict::Extinguisher}, {24, Pict::Bank}, {25, Pict::Bread},
      {26, Pict::Cup}, {27, Pict::Palm}, {28, Pict::Ball}, {29, Pict::FerrisWheel},
      {31, Pict::Pause}, {32, Pict::Play}, {33, Pict::Bricks}, {34, Pict::Worker},
      {35, Pict::Certificate}, {36, Pict::Restart}, {37, Pict::Gear}, {38, Pict::Exit},
      {39, Pict::Question}, {40, Pict::RentClock}};
  for (auto [f, p] : table)
    if (f == frame) return present = true, p;
  present = false;
  return Pict::Star;
}

Sheet ActionButtonIcons() {
  std::vector<Surface> f;
  for (int frame = 0; frame < 84; ++frame) {
    bool present;
    const Pict p = ActionPict(frame >= 42 ? frame - 42 : frame, present);
    f.push_back(present ? PictogramSurface(p, 40, frame >= 42 ? PictStyle::Grey : PictStyle::Colour)
                        : NewSurface(40, 40));
  }
  return PackFrames("ActionButtonIcons", std::move(f));
}

Surface LicenseBack(Rgb c, bool pattern) {
  return Paint(80, 80, [c, pattern](cairo_t* cr) {
    auto shape = [](cairo_t* k) { RoundedRect(k, 4, 4, 70, 70, 16); };
    SoftShadow(cr, shape, 2, 3, 3, 0.5);
    shape(cr);
    SetColor(cr, Darken(c, 0.55));
    cairo_fill(cr);
    RoundedRect(cr, 6, 6, 66, 66, 14);
    FillVertical(cr, 6, Lighten(c, 0.3), 72, Darken(c, 0.15));
    cairo_save(cr);
    RoundedRect(cr, 6, 6, 66, 66, 14);
    cairo_clip(cr);
    if (pattern) {  // blueprint grid
      SetColor(cr, Hex(0xffffff), 0.16);
      cairo_set_line_width(cr, 1);
      for (double x = 10; x < 72; x += 8) {
        cairo_move_to(cr, x, 6);
        cairo_line_to(cr, x, 72);
        cairo_move_to(cr, 6, x);
        cairo_line_to(cr, 72, x);
      }
      cairo_stroke(cr);
    } else {  // sunburst
      for (int i = 0; i < 16; i += 2) {
        cairo_move_to(cr, 39, 39);
        cairo_arc(cr, 39, 39, 60, i * M_PI / 8, (i + 1) * M_PI / 8);
        cairo_close_path(cr);
      }
      SetColor(cr, Hex(0xffffff), 0.12);
      cairo_fill(cr);
    }
    SetColor(cr, Hex(0xffffff), 0.3);
    Ellipse(cr, 39, 16, 26, 8);
    cairo_fill(cr);
    cairo_restore(cr);
    InnerShade(cr, [](cairo_t* k) { RoundedRect(k, 6, 6, 66, 66, 14); }, 4, 0.35, Darken(c, 0.6));
  });
}

Surface Mark(Pict p) {
  return Paint(60, 60, [p](cairo_t* cr) { DrawPictogram(cr, p, 14, 14, 32); });
}

Sheet LicenseIcons() {
  static const Pict pictures[18] = {
      Pict::Cottage, Pict::HouseChimney, Pict::Villa, Pict::Block3, Pict::Block4, Pict::Block5,
      Pict::Envelope, Pict::Basket, Pict::Cutlery, Pict::Tree, Pict::Slide, Pict::Fountain,
      Pict::Magnifier, Pict::Shears, Pict::Shield, Pict::Antenna, Pict::Extinguisher, Pict::Balloons};
  std::vector<Surface> f;
  f.push_back(LicenseBack(Hex(0x8f9396), false));
  f.push_back(LicenseBack(Hex(0x3f7cc4), true));
  f.push_back(LicenseBack(Hex(0xe8a93a), false));
  f.push_back(Mark(Pict::Check));
  f.push_back(Mark(Pict::Padlock));
  for (Pict p : pictures) f.push_back(PictogramSurface(p, 60));
  for (Pict p : pictures) f.push_back(PictogramSurface(p, 60, PictStyle::Grey));
  return PackFrames("LicenseIcons", std::move(f));
}

// ---- Trophies ----

struct TrophyDesign {
  int shape;  // 0 two-handled cup, 1 goblet, 2 star on a column, 3 globe on a column
  uint32_t metal;
  Pict emblem;
  uint32_t plinth;
};

// Indexed by trophy picture; each scenario awards one (its goal decides the emblem).
const TrophyDesign kTrophies[20] = {
    {0, 0xcd8a4a, Pict::House, 0x6b4a32},   {1, 0xd0d8e0, Pict::Block, 0x3a4a5a},
    {2, 0xf5c542, Pict::Smile, 0x6b4a32},   {3, 0x3a7ad0, Pict::Magnifier, 0x2e3440},
    {0, 0xf5c542, Pict::Stars3, 0x5a2a2a},  {1, 0xcd8a4a, Pict::Bricks, 0x6b4a32},
    {0, 0x3ab070, Pict::Block, 0x2e3440},   {3, 0xf5c542, Pict::Coin, 0x5a2a2a},
    {2, 0xd0d8e0, Pict::People, 0x3a4a5a},  {1, 0xd04a5a, Pict::Worker, 0x3a2a2a},
    {0, 0xa8e0f0, Pict::Magnifier, 0x3a4a5a}, {2, 0xf5c542, Pict::Coin, 0x6b4a32},
    {0, 0xd0d8e0, Pict::Smile, 0x3a4a5a},   {3, 0xcd8a4a, Pict::Coins, 0x6b4a32},
    {1, 0x3ab070, Pict::People, 0x2e3440},  {2, 0xd04a5a, Pict::Smile, 0x3a2a2a},
    {3, 0xa8e0f0, Pict::Block, 0x2e3440},   {1, 0xf5c542, Pict::House, 0x5a2a2a},
    {3, 0xd0d8e0, Pict::Smile, 0x3a4a5a},   {0, 0xf5c542, Pict::People, 0x2a2a3a},
};

void Metal(cairo_t* cr, Rgb m, double x0, double x1) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
  const Rgb hi = Lighten(m, 0.6), lo = Darken(m, 0.35);
  cairo_pattern_add_color_stop_rgb(p, 0, lo.r, lo.g, lo.b);
  cairo_pattern_add_color_stop_rgb(p, 0.25, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 0.55, m.r, m.g, m.b);
  cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Darken(m, 0.6));
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
}

void TrophyShape(cairo_t* cr, const TrophyDesign& d) {
  const Rgb metal = Hex(d.metal), plinth = Hex(d.plinth);
  // Plinth.
  RoundedRect(cr, 12, 100, 36, 15, 2);
  Metal(cr, plinth, 12, 48);
  RoundedRect(cr, 17, 93, 26, 8, 2);
  Metal(cr, plinth, 17, 43);
  double emblemY = 40;
  switch (d.shape) {
    case 0:  // cup with handles
      for (int s = -1; s <= 1; s += 2) {
        cairo_new_path(cr);
        cairo_arc(cr, 30 + s * 20, 42, 8, s < 0 ? 0.5 * M_PI : -0.5 * M_PI, s < 0 ? 1.5 * M_PI : 0.5 * M_PI);
        SetColor(cr, Darken(metal, 0.6));
        cairo_set_line_width(cr, 6);
        cairo_stroke_preserve(cr);
        SetColor(cr, Lighten(metal, 0.2));
        cairo_set_line_width(cr, 3.2);
        cairo_stroke(cr);
      }
      cairo_move_to(cr, 13, 26);
      cairo_line_to(cr, 47, 26);
      cairo_curve_to(cr, 47, 52, 40, 62, 30, 62);
      cairo_curve_to(cr, 20, 62, 13, 52, 13, 26);
      cairo_close_path(cr);
      Metal(cr, metal, 13, 47);
      cairo_rectangle(cr, 27, 61, 6, 22);
      Metal(cr, metal, 27, 33);
      Ellipse(cr, 30, 88, 12, 5);
      Metal(cr, metal, 18, 42);
      break;
    case 1:  // tall goblet
      cairo_move_to(cr, 16, 16);
      cairo_line_to(cr, 44, 16);
      cairo_curve_to(cr, 44, 48, 38, 60, 30, 62);
      cairo_curve_to(cr, 22, 60, 16, 48, 16, 16);
      cairo_close_path(cr);
      Metal(cr, metal, 16, 44);
      Ellipse(cr, 30, 16, 14, 3.5);
      Metal(cr, Darken(metal, 0.15), 16, 44);
      cairo_rectangle(cr, 28, 61, 4, 20);
      Metal(cr, metal, 28, 32);
      Ellipse(cr, 30, 72, 5, 3);
      Metal(cr, metal, 25, 35);
      Polygon(cr, {{20, 90}, {40, 90}, {34, 82}, {26, 82}});
      Metal(cr, metal, 20, 40);
      emblemY = 34;
      break;
    case 2:  // star on a column
      cairo_rectangle(cr, 24, 52, 12, 40);
      Metal(cr, Darken(metal, 0.1), 24, 36);
      Star(cr, 30, 32, 26, 12, 5);
      Metal(cr, metal, 4, 56);
      emblemY = 33;
      break;
    default:  // globe on a column
      cairo_rectangle(cr, 26, 58, 8, 34);
      Metal(cr, Darken(metal, 0.1), 26, 34);
      Polygon(cr, {{18, 64}, {42, 64}, {36, 58}, {24, 58}});
      Metal(cr, metal, 18, 42);
      Ellipse(cr, 30, 36, 22, 22);
      Metal(cr, metal, 8, 52);
      Ellipse(cr, 30, 36, 22, 8);
      SetColor(cr, Lighten(metal, 0.5), 0.5);
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
      emblemY = 36;
      break;
  }
  DrawPictogram(cr, d.emblem, 30 - 10, emblemY - 10, 20, PictStyle::Colour, 0.9);
  // A glint.
  SetColor(cr, Hex(0xffffff), 0.85);
  Star(cr, 20, 24, 5, 1.2, 4);
  cairo_fill(cr);
}

Surface Trophy(const TrophyDesign& d, bool won) {
  Surface art = Paint(60, 120, [&](cairo_t* cr) { TrophyShape(cr, d); });
  if (won) {
    return Paint(60, 120, [&](cairo_t* cr) {
      SoftShadow(cr, [&](cairo_t* c) { cairo_mask_surface(c, art.get(), 0, 0); }, 0, 0, 5, 0.0);
      Surface glow = CopySurface(art);
      Blur(glow.get(), 4);
      cairo_set_source_rgba(cr, 1, 0.92, 0.6, 0.7);
      cairo_mask_surface(cr, glow.get(), 0, 0);
      cairo_set_source_surface(cr, art.get(), 0, 0);
      cairo_paint(cr);
    });
  }
  // An empty place: the silhouette, dark and translucent, with a faint rim.
  return Paint(60, 120, [&](cairo_t* cr) {
    Surface rim = NewSurface(60, 120, CAIRO_FORMAT_A8);
    {
      Context rc = NewContext(rim);
      for (int i = 0; i < 8; ++i)
        cairo_mask_surface(rc.get(), art.get(), 1.2 * std::cos(i * M_PI / 4), 1.2 * std::sin(i * M_PI / 4));
    }
    cairo_set_source_rgba(cr, 1, 0.95, 0.85, 0.35);
    cairo_mask_surface(cr, rim.get(), 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_rgba(cr, 0.08, 0.14, 0.18, 0.55);
    cairo_mask_surface(cr, art.get(), 0, 0);
  });
}

Sheet Trophies() {
  std::vector<Surface> f;
  for (const TrophyDesign& d : kTrophies) f.push_back(Trophy(d, false));
  for (const TrophyDesign& d : kTrophies) f.push_back(Trophy(d, true));
  return PackFrames("Trophies", std::move(f));
}

// ---- Chapters: a framed diorama of the town as it grows, above a shelf for trophies ----

const char* PlotName(int kind) {
  static const char* names[] = {"Pane2Forest2", "Pane4House1", "Pane4House2", "Pane4House3",
                                "Pane4Block1", "Pane4Block2", "Pane4Block3", "Pane2Park",
                                "Pane2Market", "Pane1Square", "Pane2Post", "Pane2Restaurant",
                                "Pane2BuildingPlot", "Pane1Playground", "Pane2Forest4"};
  return names[kind];
}

const PlotKind& KindNamed(const std::string& name) {
  for (const PlotKind& k : PlotKinds())
    if (k.texture == name) return k;
  return PlotKinds().front();
}

Surface Chapter(int chapter) {
  // 3 x 3 dioramas, listed by X then Y (indices into PlotName).
  static const int towns[6][9] = {
      {0, 1, 12, 14, 1, 12, 0, 12, 1},  {0, 1, 2, 1, 10, 2, 14, 2, 1},
      {2, 3, 8, 7, 2, 3, 0, 11, 2},     {4, 3, 7, 3, 4, 8, 2, 11, 3},
      {5, 4, 13, 4, 5, 3, 7, 10, 4},    {6, 5, 9, 5, 6, 11, 7, 5, 6}};
  static const uint32_t skies[6][2] = {{0x9fd8f5, 0xfdf0d0}, {0x8fcff2, 0xf8ecc8}, {0x7fc3ee, 0xfbe3b8},
                                       {0x89b9e8, 0xfbd6a8}, {0x8aa6dc, 0xf9c79a}, {0x7f8fd0, 0xf6b38a}};
  return Paint(400, 220, [&](cairo_t* cr) {
    auto card = [](cairo_t* c) { RoundedRect(c, 4, 4, 388, 208, 18); };
    SoftShadow(cr, card, 3, 5, 6, 0.5);
    card(cr);
    SetColor(cr, ui::Rim);
    cairo_fill(cr);
    RoundedRect(cr, 6, 6, 384, 204, 16);
    FillVertical(cr, 6, ui::FrameLight, 210, ui::FrameDark);
    auto inner = [](cairo_t* c) { RoundedRect(c, 14, 14, 368, 188, 10); };
    cairo_save(cr);
    inner(cr);
    cairo_clip(cr);
    cairo_paint(cr);
    FillVertical(cr, 14, Hex(skies[chapter][0]), 150, Hex(skies[chapter][1]));
    cairo_rectangle(cr, 0, 0, 400, 220);
    FillVertical(cr, 14, Hex(skies[chapter][0]), 150, Hex(skies[chapter][1]));
    SetColor(cr, Hex(0x8cc86a));
    Ellipse(cr, 90, 150, 170, 50);
    Ellipse(cr, 320, 150, 160, 44);
    cairo_fill(cr);
    const double zoom = 0.46, cx = 200, cy = 112;
    for (int x = 2; x >= 0; --x)
      for (int y = 0; y < 3; ++y) {
        const double px = cx + 63 * (x + y - 2) * 2 * zoom, py = cy + 31.5 * (y - x) * 2 * zoom;
        const PlotKind& kind = KindNamed(PlotName(towns[chapter][x * 3 + y]));
        DrawPlot(cr, kind, (x * 3 + y + chapter) % kind.variants, (x + y) % 2, px, py, zoom);
      }
    // The shelf the chapter's trophies stand on.
    cairo_rectangle(cr, 0, 172, 400, 48);
    FillVertical(cr, 172, Hex(0xb27a46), 220, Hex(0x7a4e2a));
    SetColor(cr, Hex(0xe2b27a));
    cairo_rectangle(cr, 0, 172, 400, 3);
    cairo_fill(cr);
    cairo_restore(cr);
    InnerShade(cr, inner, 8, 0.5);
    inner(cr);
    SetColor(cr, ui::Rim);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    // Chapter number in a badge.
    auto badge = [](cairo_t* c) { Ellipse(c, 36, 36, 19, 19); };
    SoftShadow(cr, badge, 1, 2, 3, 0.5);
    badge(cr);
    SetColor(cr, ui::Rim);
    cairo_fill(cr);
    Ellipse(cr, 36, 36, 16.5, 16.5);
    FillRadial(cr, 30, 30, 22, Hex(0xffe08a), Hex(0xe59a2a));
    UseFont(cr, Font::SerifBold, 24);
    Lettering(cr, std::to_string(chapter + 1), 36, 44.5, 0.5, Hex(0xffffff), Hex(0x6a3a12), 1.6, 0.3);
  });
}

Sheet Chapters() {
  std::vector<Surface> f;
  for (int i = 0; i < 6; ++i) f.push_back(Chapter(i));
  return PackFrames("Chapters", std::move(f));
}

}  // namespace

void SaveIcons(Output& out) {
  out.SaveTexture(ActionButtonColors());
  out.SaveTexture(ActionButtonIcons());
  out.SaveTexture(LicenseIcons());
  out.SaveTexture(Trophies());
  out.SaveTexture(Chapters());
}

}  // namespace art
