// Full-screen pictures (menu, panel and mission frame), the game logo, the splash title card
// and the language name picture.
#include <cmath>

#include "ArtContent.h"
#include "ArtDraw.h"
#include "ArtFonts.h"
#include "ArtPlots.h"

namespace art {

namespace {

const PlotKind& Kind(const std::string& name) {
  for (const PlotKind& k : PlotKinds())
    if (k.texture == name) return k;
  return PlotKinds().front();
}

void Cloud(cairo_t* cr, double x, double y, double s) {
  Surface puff = Paint(static_cast<int>(260 * s) + 40, static_cast<int>(110 * s) + 40, [s](cairo_t* c) {
    const double blobs[6][3] = {{70, 70, 34}, {115, 52, 44}, {165, 64, 36}, {200, 76, 26},
                                {40, 80, 22}, {130, 82, 30}};
    for (auto& b : blobs) Ellipse(c, 20 + b[0] * s, 20 + b[1] * s, b[2] * s, b[2] * s);
    FillVertical(c, 20, Hex(0xffffff), 20 + 100 * s, Hex(0xdbe9f3));
  });
  Blur(puff.get(), 1.5 * s + 0.5);
  cairo_set_source_surface(cr, puff.get(), x - 20, y - 20);
  cairo_paint_with_alpha(cr, 0.92);
}

void Hills(cairo_t* cr, int w, double base, double amp, double phase, double freq, Rgb top, Rgb bottom,
           double bottomY) {
  cairo_move_to(cr, 0, bottomY);
  for (int x = 0; x <= w; x += 8)
    cairo_line_to(cr, x, base - amp * (0.6 * std::sin(x * freq + phase) + 0.4 * std::sin(x * freq * 2.3 + phase * 1.7)));
  cairo_line_to(cr, w, bottomY);
  cairo_close_path(cr);
  FillVertical(cr, base - amp, top, bottomY, bottom);
}

void TownCluster(cairo_t* cr, double cx, double cy, double zoom, const std::vector<std::string>& kinds,
                 int seed) {
  // A 3 x 3 block of plots, listed by X then Y; drawn back to front.
  for (int x = 2; x >= 0; --x)
    for (int y = 0; y < 3; ++y) {
      const PlotKind& k = Kind(kinds[x * 3 + y]);
      const double px = cx + 126 * zoom * (x + y - 2), py = cy + 63 * zoom * (y - x);
      DrawPlot(cr, k, (x + y + seed) % k.variants, (x * 2 + y + seed) % 4, px, py, zoom);
    }
}

}  // namespace

void DrawLandscape(cairo_t* cr, int w, int h, bool town) {
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h * 0.62);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.42, 0.74, 0.93);
  cairo_pattern_add_color_stop_rgb(sky, 0.6, 0.72, 0.88, 0.96);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.99, 0.91, 0.76);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  // The sun sits top left, where all the light in the game comes from.
  cairo_pattern_t* sun = cairo_pattern_create_radial(w * 0.1, h * 0.1, 0, w * 0.1, h * 0.1, h * 0.55);
  cairo_pattern_add_color_stop_rgba(sun, 0, 1, 0.98, 0.85, 0.95);
  cairo_pattern_add_color_stop_rgba(sun, 0.12, 1, 0.94, 0.7, 0.55);
  cairo_pattern_add_color_stop_rgba(sun, 1, 1, 0.9, 0.7, 0);
  cairo_set_source(cr, sun);
  cairo_paint(cr);
  cairo_pattern_destroy(sun);
  Cloud(cr, w * 0.24, h * 0.12, 0.9);
  Cloud(cr, w * 0.72, h * 0.07, 1.1);
  Cloud(cr, w * 0.52, h * 0.3, 0.6);
  Cloud(cr, w * 0.9, h * 0.33, 0.55);
  Hills(cr, w, h * 0.56, h * 0.06, 0.5, 0.006, Hex(0xa7cdb8), Hex(0x9cc7a0), h);
  Hills(cr, w, h * 0.63, h * 0.05, 2.1, 0.009, Hex(0x8ccb6a), Hex(0x74b552), h);
  Hills(cr, w, h * 0.72, h * 0.04, 4.0, 0.007, Hex(0x7cc35a), Hex(0x5fa843), h);
  if (!town) return;
  const double z = h / 820.0;
  TownCluster(cr, w * 0.2, h * 0.8, 0.82 * z,
              {"Pane2Forest2", "Pane4House1", "Pane4House2", "Pane2Park", "Pane4House3", "Pane2Post",
               "Pane4House2", "Pane2Market", "Pane4House1"}, 1);
  TownCluster(cr, w * 0.8, h * 0.8, 0.82 * z,
              {"Pane4House3", "Pane4Block1", "Pane2Forest3", "Pane4House1", "Pane1Square", "Pane4Block2",
               "Pane2Restaurant", "Pane4House2", "Pane1Playground"}, 2);
}

Surface DrawLogo(int width, int height) {
  return Paint(width, height, [&](cairo_t* cr) {
    const std::string title = "Plotstead";
    double size = height * 0.5;
    UseFont(cr, Font::SansBold, size);
    const double fit = (width - 40) / TextWidth(cr, title);
    if (fit < 1) size *= fit;
    UseFont(cr, Font::SansBold, size);
    const double total = TextWidth(cr, title);
    const double baseline = height * 0.78;
    // Letters on a gentle arch, each tilted along it.
    auto letters = [&](cairo_t* c) {
      UseFont(c, Font::SansBold, size);
      double x = (width - total) / 2;
      for (char ch : title) {
        const std::string s(1, ch);
        const double adv = TextWidth(c, s), mid = x + adv / 2;
        const double t = (mid - width / 2.0) / (total / 2);
        cairo_save(c);
        cairo_translate(c, mid, baseline + t * t * height * 0.08);
        cairo_rotate(c, t * 0.08);
        cairo_move_to(c, -adv / 2, 0);
        cairo_text_path(c, s.c_str());
        cairo_restore(c);
        x += adv;
      }
    };
    SoftShadow(cr, [&](cairo_t* c) {
      letters(c);
      cairo_set_line_width(c, size * 0.16);
      cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
      cairo_stroke_preserve(c);
    }, 4, 7, 7, 0.5);
    letters(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, size * 0.15);
    SetColor(cr, Hex(0x4a2410));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, size * 0.07);
    SetColor(cr, Hex(0xffffff));
    cairo_stroke_preserve(cr);
    FillVertical(cr, baseline - size * 0.75, Hex(0xfff07a), baseline + size * 0.1, Hex(0xf28a1c));
    // Shine across the upper half of the letters.
    cairo_save(cr);
    letters(cr);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 0, width, baseline - size * 0.38);
    SetColor(cr, Hex(0xffffff), 0.28);
    cairo_fill(cr);
    cairo_restore(cr);
    // The "o" wears a little roof, so the word reads as a home.
    UseFont(cr, Font::SansBold, size);
    const double ox = (width - total) / 2 + TextWidth(cr, "Pl") + TextWidth(cr, "o") / 2;
    const double t = (ox - width / 2.0) / (total / 2);
    const double oy = baseline + t * t * height * 0.08 - size * 0.7;
    const double rw = TextWidth(cr, "o") * 0.66, rh = size * 0.28;
    auto roof = [&](cairo_t* c) {
      cairo_move_to(c, ox - rw, oy + rh * 0.15);
      cairo_line_to(c, ox, oy - rh);
      cairo_line_to(c, ox + rw, oy + rh * 0.15);
      cairo_line_to(c, ox + rw * 0.82, oy + rh * 0.32);
      cairo_line_to(c, ox, oy - rh * 0.6);
      cairo_line_to(c, ox - rw * 0.82, oy + rh * 0.32);
      cairo_close_path(c);
    };
    cairo_rectangle(cr, ox + rw * 0.35, oy - rh * 0.95, rw * 0.22, rh * 0.7);
    SetColor(cr, Hex(0x4a2410));
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    FillVertical(cr, oy - rh, Hex(0xe07a5a), oy, Hex(0xb04a32));
    roof(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, Hex(0x4a2410));
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    FillVertical(cr, oy - rh, Hex(0xff7a5a), oy + rh * 0.3, Hex(0xc8402a));
    Star(cr, width * 0.86, height * 0.16, height * 0.07, height * 0.025, 4);
    SetColor(cr, Hex(0xffffff), 0.9);
    cairo_fill(cr);
    Star(cr, width * 0.12, height * 0.86, height * 0.05, height * 0.018, 4);
    cairo_fill(cr);
  });
}

namespace {

Sheet FormMenu() {
  return SinglePicture("FormMenu", Paint(1300, 820, [](cairo_t* cr) {
    DrawLandscape(cr, 1300, 820, true);
    // A soft darker bed behind the menu buttons keeps them apart from the town.
    cairo_pattern_t* p = cairo_pattern_create_radial(650, 660, 40, 650, 660, 260);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.1, 0.25, 0.2, 0.35);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.1, 0.25, 0.2, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
  }));
}

Sheet FormPanel() {
  Surface land = Paint(1300, 820, [](cairo_t* cr) { DrawLandscape(cr, 1300, 820, true); });
  Blur(land.get(), 14);
  return SinglePicture("FormPanel", Paint(1300, 820, [&](cairo_t* cr) {
    cairo_set_source_surface(cr, land.get(), 0, 0);
    cairo_paint(cr);
    cairo_rectangle(cr, 0, 0, 1300, 820);
    cairo_pattern_t* tint = cairo_pattern_create_linear(0, 0, 0, 820);
    cairo_pattern_add_color_stop_rgba(tint, 0, 0.1, 0.28, 0.33, 0.45);
    cairo_pattern_add_color_stop_rgba(tint, 1, 0.08, 0.2, 0.24, 0.62);
    cairo_set_source(cr, tint);
    cairo_fill(cr);
    cairo_pattern_destroy(tint);
    cairo_pattern_t* v = cairo_pattern_create_radial(650, 410, 300, 650, 410, 820);
    cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.45);
    cairo_set_source(cr, v);
    cairo_paint(cr);
    cairo_pattern_destroy(v);
  }));
}

// The mission screen's frame, in picture pixels (layout + 10): bands at the top and bottom,
// the map area between them left clear.
void Plaque(cairo_t* cr, double x, double y, double w, double h) {
  auto shape = [&](cairo_t* c) { RoundedRect(c, x, y, w, h, h * 0.3); };
  shape(cr);
  SetColor(cr, Hex(0xffe2a0), 0.6);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  shape(cr);
  FillVertical(cr, y, Hex(0x163a43), y + h, Hex(0x24535d));
  InnerShade(cr, shape, 7, 0.75);
  shape(cr);
  SetColor(cr, ui::Rim);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void Socket(cairo_t* cr, double cx, double cy, double r, double alpha) {
  auto shape = [&](cairo_t* c) { Ellipse(c, cx, cy, r, r); };
  shape(cr);
  SetColor(cr, Hex(0xffe2a0), 0.55 * alpha);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  shape(cr);
  SetColor(cr, Hex(0x10262c), 0.85 * alpha);
  cairo_fill(cr);
  InnerShade(cr, shape, 5, 0.7 * alpha);
}

void Band(cairo_t* cr, double y0, double y1, bool top) {
  auto shape = [&](cairo_t* c) {
    if (top) {
      cairo_move_to(c, 0, 0);
      cairo_line_to(c, 1300, 0);
      cairo_line_to(c, 1300, y1 - 8);
      cairo_curve_to(c, 1300, y1, 1294, y1, 1286, y1);
      cairo_line_to(c, 14, y1);
      cairo_curve_to(c, 6, y1, 0, y1, 0, y1 - 8);
    } else {
      cairo_move_to(c, 0, 820);
      cairo_line_to(c, 1300, 820);
      cairo_line_to(c, 1300, y0 + 8);
      cairo_curve_to(c, 1300, y0, 1294, y0, 1286, y0);
      cairo_line_to(c, 14, y0);
      cairo_curve_to(c, 6, y0, 0, y0, 0, y0 + 8);
    }
    cairo_close_path(c);
  };
  SoftShadow(cr, shape, 0, top ? 6 : -6, 8, 0.55);
  shape(cr);
  SetColor(cr, ui::Rim);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, 0, top ? -3 : 3);
  shape(cr);
  FillVertical(cr, y0, ui::FrameLight, y1, ui::FrameDark);
  cairo_restore(cr);
  // Wood grain.
  cairo_save(cr);
  shape(cr);
  cairo_clip(cr);
  Rng rng(top ? 11 : 12);
  cairo_set_line_width(cr, 1.2);
  for (int i = 0; i < 26; ++i) {
    const double y = rng.Range(y0 + 4, y1 - 4);
    SetColor(cr, Hex(0x8a5220), 0.12);
    cairo_move_to(cr, 0, y);
    for (int x = 0; x <= 1300; x += 50) cairo_line_to(cr, x, y + std::sin(x * 0.01 + i) * 2.5);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

Sheet FormMission() {
  return SinglePicture("FormMission", Paint(1300, 820, [](cairo_t* cr) {
    // Shade the map's top corners, where the statistics and information texts sit.
    for (double cx : {0.0, 1300.0}) {
      cairo_pattern_t* p = cairo_pattern_create_radial(cx, 90, 20, cx, 90, 460);
      cairo_pattern_add_color_stop_rgba(p, 0, 0.05, 0.12, 0.14, 0.55);
      cairo_pattern_add_color_stop_rgba(p, 1, 0.05, 0.12, 0.14, 0);
      cairo_set_source(cr, p);
      cairo_rectangle(cr, 0, 90, 1300, 640);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
    }
    // Faint sockets under the action icons in the map area (icon centre = layout + 40).
    const double slots[19][2] = {{990, 615}, {850, 615}, {920, 580}, {990, 545}, {1060, 507},
                                 {1130, 475}, {1200, 440}, {1060, 576}, {1130, 545}, {1200, 510},
                                 {1060, 645}, {1130, 615}, {1200, 580}, {370, 615}, {20, 440},
                                 {300, 580}, {90, 475}, {230, 545}, {160, 510}};
    for (auto& s : slots) Socket(cr, s[0] + 40, s[1] + 40, 31, 0.45);
    Band(cr, 0, 90, true);
    Band(cr, 730, 820, false);
    Plaque(cr, 26, 10, 608, 72);    // time
    Plaque(cr, 646, 10, 628, 72);   // goals
    Plaque(cr, 96, 738, 318, 72);   // money
    Plaque(cr, 526, 738, 318, 72);  // material
    Plaque(cr, 956, 738, 318, 72);  // workers
    for (double x : {20.0, 450.0, 880.0}) Socket(cr, x + 40, 770, 33, 1.0);
  }));
}

Sheet GameLogo() { return SinglePicture("GameLogo", DrawLogo(600, 220)); }

}  // namespace

void SaveScreens(Output& out) {
  out.SaveTexture(FormMenu());
  out.SaveTexture(FormPanel());
  out.SaveTexture(FormMission());
  out.SaveTexture(GameLogo());
  // Title card shown at start-up.
  Surface splash = Paint(1280, 800, [](cairo_t* cr) {
    DrawLandscape(cr, 1280, 800, true);
    Surface logo = DrawLogo(900, 330);
    cairo_set_source_surface(cr, logo.get(), 190, 150);
    cairo_paint(cr);
    UseFont(cr, Font::SansBold, 34);
    Lettering(cr, "Build a happy little town", 640, 520, 0.5, Hex(0xffffff), Hex(0x3a2410), 3.0);
  });
  WritePng(out.Folder("Branding") + "Splash1.png", splash);
  out.AddToGallery(SinglePicture("Branding/Splash1", std::move(splash)));
  // The language's own name, shown where a language is chosen.
  Sheet name = SinglePicture("LanguageName", Paint(256, 64, [](cairo_t* cr) {
    UseFont(cr, Font::SansBold, 38);
    Lettering(cr, "English", 128, 45, 0.5, Hex(0xffffff), Hex(0x2a1a20), 2.5);
  }));
  out.SaveDds(out.Folder("Languages/English") + "LanguageName.dds", name);
}

}  // namespace art
