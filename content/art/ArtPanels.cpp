// Interface pieces: the black cover, dialog panels, the speech bubble, buttons, dots, the
// plot selector, the damage sign, the progress wipe, tutorial arrows and particle shapes.
#include <cmath>

#include "ArtContent.h"
#include "ArtDraw.h"
#include "ArtPictograms.h"

namespace art {

void DrawPanel(cairo_t* cr, double x, double y, double w, double h, double r) {
  auto outer = [&](cairo_t* c) { RoundedRect(c, x, y, w, h, r); };
  SoftShadow(cr, outer, 5, 7, 9, 0.5);
  outer(cr);
  SetColor(cr, ui::Rim);
  cairo_fill(cr);
  RoundedRect(cr, x + 2, y + 2, w - 4, h - 4, r - 2);
  FillVertical(cr, y, ui::FrameLight, y + h, ui::FrameDark);
  // A bright line along the frame's top and a thin dark groove inside it.
  RoundedRect(cr, x + 3.5, y + 3.5, w - 7, h - 7, r - 3);
  SetColor(cr, Hex(0xffe6b0), 0.55);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  const double b = 12;
  auto inner = [&](cairo_t* c) { RoundedRect(c, x + b, y + b, w - 2 * b, h - 2 * b, std::max(4.0, r - b)); };
  inner(cr);
  SetColor(cr, ui::Rim, 0.85);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  inner(cr);
  FillVertical(cr, y + b, ui::PanelTop, y + h - b, ui::PanelBottom);
  // Faint diagonal weave for texture.
  cairo_save(cr);
  inner(cr);
  cairo_clip(cr);
  cairo_set_line_width(cr, 1);
  SetColor(cr, Hex(0xffffff), 0.035);
  for (double d = -h; d < w; d += 7) {
    cairo_move_to(cr, x + d, y + h);
    cairo_line_to(cr, x + d + h, y);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  InnerShade(cr, inner, 12, 0.55, Hex(0x0a1c22));
  // Sheen near the top of the panel.
  cairo_save(cr);
  inner(cr);
  cairo_clip(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y + b, 0, y + b + std::min(90.0, h * 0.4));
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.1);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
}

namespace {

Sheet Dialog(const std::string& name, int w, int h) {
  return SinglePicture(name, Paint(w, h, [&](cairo_t* cr) { DrawPanel(cr, 3, 3, w - 12, h - 13, 26); }));
}

Sheet Talk() {
  return SinglePicture("Talk", Paint(620, 220, [](cairo_t* cr) {
    DrawPanel(cr, 3, 3, 608, 207, 30);
    // The advisor's portrait window on the left.
    auto well = [](cairo_t* c) { RoundedRect(c, 19, 19, 116, 156, 18); };
    SoftShadow(cr, well, 1, 2, 4, 0.6);
    well(cr);
    SetColor(cr, ui::Rim);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    FillVertical(cr, 19, Hex(0xbfe6f5), 175, Hex(0x8cc98a));
    well(cr);
    SetColor(cr, ui::FrameLight);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    cairo_save(cr);
    well(cr);
    cairo_clip(cr);
    SetColor(cr, Hex(0xffffff), 0.4);
    Ellipse(cr, 50, 60, 22, 9);
    Ellipse(cr, 105, 45, 16, 6);
    cairo_fill(cr);
    SetColor(cr, Hex(0x6fb45c));
    Ellipse(cr, 77, 182, 90, 32);
    cairo_fill(cr);
    cairo_restore(cr);
    InnerShade(cr, well, 6, 0.35);
  }));
}

}  // namespace

void ButtonBody(cairo_t* cr, double w, double h, Rgb c, bool enabled, bool round) {
  const double inset = 3;
  auto shape = [&](cairo_t* k) {
    if (round) Ellipse(k, w / 2 - 1, h / 2 - 1, (w - 2 * inset) / 2 - 1, (h - 2 * inset) / 2 - 1);
    else RoundedRect(k, inset, inset, w - 2 * inset - 2, h - 2 * inset - 2, (h - 2 * inset) * 0.42);
  };
  SoftShadow(cr, shape, 1.5, 2.5, 3, enabled ? 0.45 : 0.3);
  if (!enabled) c = Mix(Hex(0x8d9396), c, 0.15);
  shape(cr);
  SetColor(cr, Darken(c, 0.55));
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, 1.5, 1.5);
  cairo_scale(cr, (w - 3) / w, (h - 3) / h);
  shape(cr);
  FillVertical(cr, 0, Lighten(c, enabled ? 0.35 : 0.15), h, Darken(c, enabled ? 0.18 : 0.1));
  cairo_restore(cr);
  // Gloss on the upper half.
  cairo_save(cr);
  shape(cr);
  cairo_clip(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, inset, 0, h * 0.55);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, enabled ? 0.45 : 0.2);
  cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0.0);
  if (round) Ellipse(cr, w / 2, h * 0.3, w * 0.36, h * 0.24);
  else RoundedRect(cr, inset + h * 0.18, inset + 2, w - 2 * inset - h * 0.36 - 2, h * 0.42, h * 0.2);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_restore(cr);
  InnerShade(cr, shape, 4, enabled ? 0.25 : 0.15, Darken(c, 0.6));
}

namespace {

Surface Button(int w, int h, Rgb c, bool enabled, bool round = false) {
  return Paint(w, h, [&](cairo_t* cr) { ButtonBody(cr, w, h, c, enabled, round); });
}

Surface InputField(int w, int h) {
  return Paint(w, h, [&](cairo_t* cr) {
    auto shape = [&](cairo_t* k) { RoundedRect(k, 3, 3, w - 6, h - 7, (h - 8) * 0.42); };
    shape(cr);
    SetColor(cr, Hex(0xf7d9a0), 0.8);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    shape(cr);
    FillVertical(cr, 3, Hex(0x10262d), h, Hex(0x1f4650));
    InnerShade(cr, shape, 6, 0.8);
    shape(cr);
    SetColor(cr, ui::Rim);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  });
}

Sheet Buttons() {
  std::vector<Surface> f;
  f.push_back(InputField(300, 60));
  f.push_back(Button(300, 60, ui::Orange, true));
  f.push_back(Button(300, 60, ui::Green, false));
  f.push_back(Button(300, 60, ui::Green, true));
  f.push_back(Button(200, 60, ui::Orange, false));
  f.push_back(Button(200, 60, ui::Orange, true));
  f.push_back(Button(200, 40, ui::Teal, false));
  f.push_back(Button(200, 40, ui::Teal, true));
  f.push_back(Button(60, 60, ui::Orange, false, true));
  f.push_back(Button(60, 60, ui::Orange, true, true));
  f.push_back(Button(200, 60, ui::Green, false));
  f.push_back(Button(200, 60, ui::Green, true));
  return PackFrames("Buttons", std::move(f));
}

Sheet Dots() {
  std::vector<Surface> f;
  f.push_back(Paint(48, 48, [](cairo_t* cr) {
    auto well = [](cairo_t* c) { Ellipse(c, 24, 24, 13, 13); };
    well(cr);
    SetColor(cr, Hex(0xf7d9a0), 0.7);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    well(cr);
    SetColor(cr, Hex(0x0f242a));
    cairo_fill(cr);
    InnerShade(cr, well, 4, 0.9);
  }));
  f.push_back(Paint(48, 48, [](cairo_t* cr) {
    SoftShadow(cr, [](cairo_t* c) { Ellipse(c, 24, 24, 15, 15); }, 0, 0, 6, 0.9, Hex(0xffd84a));
    auto gem = [](cairo_t* c) { Ellipse(c, 24, 24, 13, 13); };
    gem(cr);
    SetColor(cr, Hex(0x7a4a10));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    gem(cr);
    FillRadial(cr, 20, 19, 16, Hex(0xfff6c0), Hex(0xf0a020));
    Ellipse(cr, 20, 18, 5, 3);
    SetColor(cr, Hex(0xffffff), 0.8);
    cairo_fill(cr);
  }));
  return PackFrames("Dot", std::move(f));
}

Sheet Selector() {
  return SinglePicture("Selector", Paint(252, 126, [](cairo_t* cr) {
    auto diamond = [](cairo_t* c) { Polygon(c, {{8, 63}, {126, 4}, {244, 63}, {126, 122}}); };
    SoftShadow(cr, [&](cairo_t* c) {
      diamond(c);
      cairo_set_line_width(c, 7);
      cairo_stroke(c);
    }, 0, 0, 5, 0.9, Hex(0xffe066));
    diamond(cr);
    SetColor(cr, Hex(0xfff2a8), 0.12);
    cairo_fill_preserve(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, Hex(0x7a4a10), 0.8);
    cairo_set_line_width(cr, 5.5);
    cairo_stroke_preserve(cr);
    SetColor(cr, Hex(0xffe36b));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Bright corner brackets.
    SetColor(cr, Hex(0xffffff));
    cairo_set_line_width(cr, 2);
    const double pts[4][2] = {{8, 63}, {126, 4}, {244, 63}, {126, 122}};
    for (int i = 0; i < 4; ++i) {
      const double* a = pts[i];
      const double* prev = pts[(i + 3) % 4];
      const double* next = pts[(i + 1) % 4];
      cairo_move_to(cr, a[0] + (prev[0] - a[0]) * 0.12, a[1] + (prev[1] - a[1]) * 0.12);
      cairo_line_to(cr, a[0], a[1]);
      cairo_line_to(cr, a[0] + (next[0] - a[0]) * 0.12, a[1] + (next[1] - a[1]) * 0.12);
      cairo_stroke(cr);
    }
  }));
}

Sheet Damage() {
  return SinglePicture("Damage", Paint(40, 40, [](cairo_t* cr) {
    auto tri = [](cairo_t* c) {
      cairo_move_to(c, 20, 3);
      cairo_line_to(c, 37, 34);
      cairo_line_to(c, 3, 34);
      cairo_close_path(c);
    };
    SoftShadow(cr, tri, 1, 2, 2, 0.6);
    tri(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, Hex(0x4a1208));
    cairo_set_line_width(cr, 4);
    cairo_stroke_preserve(cr);
    FillVertical(cr, 3, Hex(0xffb347), 34, Hex(0xe0401e));
    UseFont(cr, Font::SansBold, 22);
    TextPath(cr, "!", 20, 31, 0.5);
    SetColor(cr, Hex(0xffffff));
    cairo_fill(cr);
  }));
}

Sheet Progress() {
  std::vector<Surface> f;
  for (int k = 0; k < 64; ++k)
    f.push_back(Paint(60, 60, [k](cairo_t* cr) {
      const double fraction = 1.0 - k / 63.0;
      if (fraction <= 0) return;
      // Filled from twelve o'clock counter-clockwise; the game mirrors it into a clock sweep.
      cairo_move_to(cr, 30, 30);
      cairo_arc_negative(cr, 30, 30, 27, -M_PI / 2, -M_PI / 2 - fraction * 2 * M_PI);
      cairo_close_path(cr);
      if (fraction >= 1) {
        cairo_new_path(cr);
        Ellipse(cr, 30, 30, 27, 27);
      }
      SetColor(cr, Hex(0xffffff));
      cairo_fill(cr);
    }));
  return PackFrames("Progress", std::move(f));
}

Sheet Arrows() {
  std::vector<Surface> f;
  // Standing off the top-left, top-right, bottom-right, bottom-left; pointing at the target.
  const double angles[4] = {M_PI / 4, 3 * M_PI / 4, -3 * M_PI / 4, -M_PI / 4};
  for (double a : angles)
    f.push_back(Paint(64, 64, [a](cairo_t* cr) {
      auto arrow = [a](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, 32, 32);
        cairo_rotate(c, a);
        Polygon(c, {{-24, -7}, {4, -7}, {4, -17}, {26, 0}, {4, 17}, {4, 7}, {-24, 7}});
        cairo_restore(c);
      };
      SoftShadow(cr, arrow, 2, 3, 3, 0.5);
      arrow(cr);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      SetColor(cr, Hex(0x6a2a08));
      cairo_set_line_width(cr, 4);
      cairo_stroke_preserve(cr);
      FillVertical(cr, 8, Hex(0xffe45c), 56, Hex(0xf07818));
      cairo_save(cr);
      arrow(cr);
      cairo_clip(cr);
      SetColor(cr, Hex(0xffffff), 0.35);
      Ellipse(cr, 26, 22, 16, 6);
      cairo_fill(cr);
      cairo_restore(cr);
    }));
  return PackFrames("Arrows", std::move(f));
}

Surface SoftDot(int size, double core) {
  return Paint(size, size, [size, core](cairo_t* cr) {
    cairo_pattern_t* p = cairo_pattern_create_radial(size / 2.0, size / 2.0, 0, size / 2.0, size / 2.0, size / 2.0);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 1);
    cairo_pattern_add_color_stop_rgba(p, core, 1, 1, 1, 0.8);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
  });
}

Sheet Particles() {
  std::vector<Surface> f;
  f.push_back(SoftDot(32, 0.3));
  f.push_back(Paint(24, 96, [](cairo_t* cr) {  // spark: head at the top, tail below
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 4, 0, 94);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 1);
    cairo_pattern_add_color_stop_rgba(p, 0.25, 1, 1, 1, 0.8);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_move_to(cr, 12, 2);
    cairo_curve_to(cr, 22, 8, 16, 40, 12, 94);
    cairo_curve_to(cr, 8, 40, 2, 8, 12, 2);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Hex(0xffffff));
    Ellipse(cr, 12, 9, 4.5, 6);
    cairo_fill(cr);
  }));
  f.push_back(SoftDot(64, 0.1));
  f.push_back(Paint(64, 64, [](cairo_t* cr) {  // ring
    SoftShadow(cr, [](cairo_t* c) {
      Ellipse(c, 32, 32, 25, 25);
      cairo_set_line_width(c, 5);
      cairo_stroke(c);
    }, 0, 0, 3, 0.8, Hex(0xffffff));
    Ellipse(cr, 32, 32, 25, 25);
    SetColor(cr, Hex(0xffffff));
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
  }));
  f.push_back(Paint(32, 32, [](cairo_t* cr) {  // twinkle
    Star(cr, 16, 16, 15, 3, 4);
    SetColor(cr, Hex(0xffffff));
    cairo_fill(cr);
  }));
  f.push_back(Paint(64, 64, [](cairo_t* cr) {  // dust puff
    Surface puff = Paint(64, 64, [](cairo_t* c) {
      const double blobs[5][3] = {{32, 36, 16}, {22, 30, 11}, {42, 28, 12}, {30, 22, 10}, {40, 40, 11}};
      for (auto& b : blobs) {
        Ellipse(c, b[0], b[1], b[2], b[2]);
        SetColor(c, Hex(0xffffff), 0.55);
        cairo_fill(c);
      }
    });
    Blur(puff.get(), 5);
    cairo_set_source_surface(cr, puff.get(), 0, 0);
    cairo_paint(cr);
  }));
  f.push_back(Paint(32, 32, [](cairo_t* cr) {  // confetti leaf
    Ellipse(cr, 16, 16, 12, 6);
    SetColor(cr, Hex(0xffffff));
    cairo_fill(cr);
  }));
  f.push_back(Paint(48, 48, [](cairo_t* cr) {  // star
    SoftShadow(cr, [](cairo_t* c) { Star(c, 24, 25, 20, 9, 5); }, 0, 0, 4, 0.8, Hex(0xffffff));
    Star(cr, 24, 25, 18, 8, 5);
    SetColor(cr, Hex(0xffffff));
    cairo_fill(cr);
  }));
  return PackFrames("Particles", std::move(f));
}

}  // namespace

void SavePanels(Output& out) {
  out.SaveTexture(SinglePicture("Blank", Paint(8, 8, [](cairo_t* cr) {
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
  })));
  out.SaveTexture(Dialog("Dialog66", 660, 300));
  out.SaveTexture(Dialog("Dialog68", 680, 620));
  out.SaveTexture(Dialog("Dialog100", 1000, 620));
  out.SaveTexture(Talk());
  out.SaveTexture(Buttons());
  out.SaveTexture(Dots());
  out.SaveTexture(Selector());
  out.SaveTexture(Damage());
  out.SaveTexture(Progress());
  out.SaveTexture(Arrows());
  out.SaveTexture(Particles());
}

}  // namespace art
