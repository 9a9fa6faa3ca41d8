// The advisors who talk to the player: head-and-shoulders portraits, 120 x 160 each.
// Frames 1..6 are the scenario advisors, 7 the tutorial guide, 0 a spare townsperson.
#include <cmath>

#include "ArtContent.h"
#include "ArtDraw.h"

namespace art {

namespace {

enum class Hair { Short, Bun, Curly, Bald, Ponytail, Long, Spiky };
enum class Hat { None, HardHat, Straw, Cap };
enum class Outfit { Cardigan, Vest, Blouse, Suit, Overalls, ShirtTie, Tee };

struct Portrait {
  uint32_t skin, hair, clothes, accent;
  Hair hairStyle;
  Hat hat;
  Outfit outfit;
  bool glasses, beard, moustache, freckles, earrings;
};

const Portrait kPeople[8] = {
    {0xf1c7a0, 0x6b4a2a, 0x3f6fb0, 0xf2c230, Hair::Short, Hat::Cap, Outfit::Tee, false, false, false, false, false},
    {0xf3cfb0, 0xd9d6d2, 0x8a5aa8, 0xf4e7c8, Hair::Bun, Hat::None, Outfit::Cardigan, true, false, false, false, true},
    {0xe8b48c, 0x7a4a22, 0xf08a2a, 0xf6e04a, Hair::Short, Hat::HardHat, Outfit::Vest, false, true, false, false, false},
    {0x8d5a3b, 0x1f1a1a, 0x2f9f9a, 0xf7f0e0, Hair::Curly, Hat::None, Outfit::Blouse, false, false, false, false, true},
    {0xf0c09a, 0x4a3a2e, 0x3a3f55, 0xd0423a, Hair::Bald, Hat::None, Outfit::Suit, false, false, true, false, false},
    {0xf6d2b8, 0xd0602a, 0x4f9a4a, 0xe8d9a0, Hair::Long, Hat::Straw, Outfit::Overalls, false, false, false, true, false},
    {0xb07850, 0x231c1a, 0x3f7fc8, 0xc0392b, Hair::Spiky, Hat::None, Outfit::ShirtTie, true, false, false, false, false},
    {0xf5d0b0, 0xf2c15a, 0xf5b82e, 0xffffff, Hair::Ponytail, Hat::None, Outfit::Tee, false, false, false, false, false},
};

const Rgb kInk = Hex(0x3a2418);

void Outline(cairo_t* cr, double width = 2.2) {
  SetColor(cr, kInk);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void Lit(cairo_t* cr, Rgb c, double x0, double y0, double x1, double y1) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  const Rgb hi = Lighten(c, 0.22), lo = Darken(c, 0.15);
  cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

void Body(cairo_t* cr, const Portrait& p) {
  const Rgb clothes = Hex(p.clothes), accent = Hex(p.accent), skin = Hex(p.skin);
  // Neck.
  cairo_rectangle(cr, 50, 96, 20, 26);
  Lit(cr, Darken(skin, 0.08), 50, 96, 70, 122);
  Outline(cr, 1.8);
  // Shoulders.
  cairo_move_to(cr, 6, 162);
  cairo_curve_to(cr, 8, 128, 30, 116, 60, 116);
  cairo_curve_to(cr, 90, 116, 112, 128, 114, 162);
  cairo_close_path(cr);
  Lit(cr, clothes, 10, 116, 110, 160);
  Outline(cr);
  switch (p.outfit) {
    case Outfit::Cardigan:
      Polygon(cr, {{46, 117}, {60, 140}, {74, 117}});
      Lit(cr, accent, 46, 117, 74, 140);
      Outline(cr, 1.6);
      for (int i = 0; i < 2; ++i) {
        Ellipse(cr, 60, 146 + i * 8, 2.2, 2.2);
        SetColor(cr, Hex(0xf2d36b));
        cairo_fill(cr);
      }
      break;
    case Outfit::Vest:
      for (double x : {36.0, 78.0}) {
        cairo_rectangle(cr, x, 118, 6, 44);
        SetColor(cr, accent);
        cairo_fill(cr);
      }
      Polygon(cr, {{50, 117}, {60, 128}, {70, 117}});
      SetColor(cr, Hex(0xe8e2d6));
      cairo_fill(cr);
      break;
    case Outfit::Blouse:
      cairo_move_to(cr, 44, 118);
      cairo_curve_to(cr, 50, 132, 70, 132, 76, 118);
      SetColor(cr, accent);
      cairo_set_line_width(cr, 5);
      cairo_stroke(cr);
      break;
    case Outfit::Suit:
      Polygon(cr, {{48, 117}, {60, 150}, {72, 117}});
      SetColor(cr, Hex(0xf7f4ee));
      cairo_fill(cr);
      Polygon(cr, {{52, 121}, {60, 126}, {68, 121}, {68, 131}, {60, 126}, {52, 131}});
      SetColor(cr, accent);
      cairo_fill(cr);
      for (int s = -1; s <= 1; s += 2) {
        Polygon(cr, {{60 + s * 12, 117}, {60 + s * 2, 152}, {60 + s * 20, 130}});
        Lit(cr, Darken(clothes, 0.15), 40, 117, 80, 152);
        Outline(cr, 1.4);
      }
      break;
    case Outfit::Overalls:
      cairo_rectangle(cr, 34, 136, 52, 30);
      Lit(cr, Hex(0x5a7fb8), 34, 136, 86, 166);
      Outline(cr, 1.6);
      for (double x : {38.0, 76.0}) {
        cairo_rectangle(cr, x, 118, 6, 20);
        SetColor(cr, Hex(0x5a7fb8));
        cairo_fill(cr);
      }
      break;
    case Outfit::ShirtTie:
      Polygon(cr, {{48, 117}, {60, 126}, {72, 117}});
      SetColor(cr, Hex(0xf7f4ee));
      cairo_fill(cr);
      Polygon(cr, {{57, 124}, {63, 124}, {65, 150}, {60, 156}, {55, 150}});
      Lit(cr, accent, 55, 124, 65, 156);
      Outline(cr, 1.2);
      break;
    case Outfit::Tee:
      cairo_move_to(cr, 46, 118);
      cairo_curve_to(cr, 52, 126, 68, 126, 74, 118);
      SetColor(cr, Darken(clothes, 0.25));
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      Star(cr, 60, 145, 8, 3.5, 5);
      SetColor(cr, accent, 0.9);
      cairo_fill(cr);
      break;
  }
}

void HairBack(cairo_t* cr, const Portrait& p) {
  const Rgb hair = Hex(p.hair);
  switch (p.hairStyle) {
    case Hair::Long:
      cairo_move_to(cr, 28, 60);
      cairo_curve_to(cr, 20, 96, 22, 118, 30, 124);
      cairo_line_to(cr, 90, 124);
      cairo_curve_to(cr, 98, 118, 100, 96, 92, 60);
      cairo_close_path(cr);
      Lit(cr, Darken(hair, 0.12), 20, 60, 100, 124);
      Outline(cr);
      break;
    case Hair::Ponytail:
      cairo_move_to(cr, 84, 50);
      cairo_curve_to(cr, 110, 52, 108, 90, 96, 104);
      cairo_curve_to(cr, 100, 84, 96, 66, 84, 62);
      cairo_close_path(cr);
      Lit(cr, hair, 84, 50, 110, 104);
      Outline(cr);
      break;
    case Hair::Bun:
      Ellipse(cr, 60, 24, 15, 12);
      Lit(cr, hair, 45, 12, 75, 36);
      Outline(cr);
      break;
    case Hair::Curly:
      for (int i = 0; i < 9; ++i) {
        const double a = M_PI * (0.85 + i * 0.165);
        Ellipse(cr, 60 + std::cos(a) * 34, 62 + std::sin(a) * 40, 12, 12);
      }
      Lit(cr, hair, 20, 20, 100, 90);
      Outline(cr);
      break;
    default:
      break;
  }
}

void Head(cairo_t* cr, const Portrait& p) {
  const Rgb skin = Hex(p.skin);
  // Ears.
  for (int s = -1; s <= 1; s += 2) {
    Ellipse(cr, 60 + s * 30, 70, 6, 9);
    Lit(cr, skin, 20, 60, 100, 80);
    Outline(cr, 1.8);
    if (p.earrings) {
      Ellipse(cr, 60 + s * 30, 82, 2.5, 2.5);
      SetColor(cr, Hex(0xf2c230));
      cairo_fill(cr);
    }
  }
  cairo_move_to(cr, 31, 60);
  cairo_curve_to(cr, 31, 30, 89, 30, 89, 60);
  cairo_curve_to(cr, 89, 88, 76, 104, 60, 104);
  cairo_curve_to(cr, 44, 104, 31, 88, 31, 60);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(50, 54, 4, 60, 66, 44);
  const Rgb hi = Lighten(skin, 0.18), lo = Darken(skin, 0.12);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  Outline(cr);
  // Cheeks.
  for (int s = -1; s <= 1; s += 2) {
    Ellipse(cr, 60 + s * 17, 82, 6, 4);
    SetColor(cr, Hex(0xf08a7a), 0.35);
    cairo_fill(cr);
  }
  if (p.freckles)
    for (int i = 0; i < 6; ++i) {
      Ellipse(cr, 60 + (i % 3 - 1) * 5 + (i < 3 ? -14 : 14), 78 + (i % 2) * 3, 0.9, 0.9);
      SetColor(cr, Hex(0xb5643a), 0.7);
      cairo_fill(cr);
    }
  // Eyes with a sparkle, brows, nose and smile.
  for (int s = -1; s <= 1; s += 2) {
    Ellipse(cr, 60 + s * 12, 68, 5.2, 6.2);
    SetColor(cr, Hex(0xffffff));
    cairo_fill_preserve(cr);
    Outline(cr, 1.2);
    Ellipse(cr, 60 + s * 12 + 0.8, 69, 3.2, 3.8);
    SetColor(cr, Hex(0x3a2a20));
    cairo_fill(cr);
    Ellipse(cr, 60 + s * 12 - 0.4, 67.2, 1.2, 1.2);
    SetColor(cr, Hex(0xffffff));
    cairo_fill(cr);
    cairo_move_to(cr, 60 + s * 6, 57);
    cairo_curve_to(cr, 60 + s * 10, 54, 60 + s * 15, 54, 60 + s * 19, 57);
    SetColor(cr, Darken(Hex(p.hair), p.hairStyle == Hair::Bald ? 0.3 : 0.2));
    cairo_set_line_width(cr, 2.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, 60, 72);
  cairo_curve_to(cr, 57, 80, 58, 82, 62, 82);
  SetColor(cr, Darken(skin, 0.35));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_move_to(cr, 49, 89);
  cairo_curve_to(cr, 54, 96, 66, 96, 71, 89);
  cairo_curve_to(cr, 66, 92, 54, 92, 49, 89);
  cairo_close_path(cr);
  SetColor(cr, Hex(0xa8423a));
  cairo_fill_preserve(cr);
  Outline(cr, 1.4);
}

void FacialHair(cairo_t* cr, const Portrait& p) {
  const Rgb hair = Hex(p.hair);
  if (p.beard) {
    cairo_move_to(cr, 33, 76);
    cairo_curve_to(cr, 36, 100, 48, 110, 60, 110);
    cairo_curve_to(cr, 72, 110, 84, 100, 87, 76);
    cairo_curve_to(cr, 80, 92, 72, 98, 60, 98);
    cairo_curve_to(cr, 48, 98, 40, 92, 33, 76);
    cairo_close_path(cr);
    Lit(cr, hair, 33, 76, 87, 110);
    Outline(cr, 1.6);
  }
  if (p.moustache || p.beard) {
    cairo_move_to(cr, 60, 84);
    cairo_curve_to(cr, 52, 80, 44, 84, 44, 89);
    cairo_curve_to(cr, 50, 87, 56, 88, 60, 86);
    cairo_curve_to(cr, 64, 88, 70, 87, 76, 89);
    cairo_curve_to(cr, 76, 84, 68, 80, 60, 84);
    cairo_close_path(cr);
    Lit(cr, Darken(hair, 0.1), 44, 80, 76, 90);
    Outline(cr, 1.4);
  }
}

void HairFront(cairo_t* cr, const Portrait& p) {
  const Rgb hair = Hex(p.hair);
  switch (p.hairStyle) {
    case Hair::Bald:
      for (int s = -1; s <= 1; s += 2) {
        cairo_move_to(cr, 60 + s * 31, 72);
        cairo_curve_to(cr, 60 + s * 32, 58, 60 + s * 30, 52, 60 + s * 24, 48);
        cairo_curve_to(cr, 60 + s * 28, 58, 60 + s * 27, 66, 60 + s * 29, 72);
        cairo_close_path(cr);
        Lit(cr, hair, 20, 48, 100, 72);
        Outline(cr, 1.6);
      }
      break;
    case Hair::Spiky:
      cairo_move_to(cr, 30, 58);
      for (int i = 0; i <= 8; ++i) {
        const double x = 30 + i * 7.5, tip = i % 2 ? 36 : 22;
        cairo_line_to(cr, x, i % 2 ? tip : tip - 2);
      }
      cairo_line_to(cr, 90, 58);
      cairo_curve_to(cr, 80, 46, 40, 46, 30, 58);
      cairo_close_path(cr);
      Lit(cr, hair, 30, 20, 90, 58);
      Outline(cr);
      break;
    case Hair::Curly:
      for (int i = 0; i < 5; ++i) Ellipse(cr, 38 + i * 11, 40 + (i % 2) * 3, 10, 9);
      Lit(cr, hair, 28, 30, 92, 50);
      Outline(cr, 1.8);
      break;
    default:
      cairo_move_to(cr, 29, 64);
      cairo_curve_to(cr, 24, 30, 96, 30, 91, 64);
      cairo_curve_to(cr, 84, 48, 70, 44, 58, 50);
      cairo_curve_to(cr, 48, 54, 38, 54, 29, 64);
      cairo_close_path(cr);
      Lit(cr, hair, 29, 30, 91, 64);
      Outline(cr);
      break;
  }
}

void Headwear(cairo_t* cr, const Portrait& p) {
  switch (p.hat) {
    case Hat::HardHat:
      cairo_move_to(cr, 30, 50);
      cairo_curve_to(cr, 28, 14, 92, 14, 90, 50);
      cairo_close_path(cr);
      Lit(cr, Hex(0xf7c531), 30, 14, 90, 50);
      Outline(cr);
      RoundedRect(cr, 22, 46, 76, 9, 4);
      Lit(cr, Hex(0xe8b020), 22, 46, 98, 55);
      Outline(cr);
      break;
    case Hat::Straw:
      Ellipse(cr, 60, 46, 46, 11);
      Lit(cr, Hex(0xf0d28a), 14, 36, 106, 56);
      Outline(cr);
      cairo_move_to(cr, 36, 46);
      cairo_curve_to(cr, 36, 16, 84, 16, 84, 46);
      cairo_close_path(cr);
      Lit(cr, Hex(0xf0d28a), 36, 16, 84, 46);
      Outline(cr);
      cairo_rectangle(cr, 37, 38, 46, 6);
      SetColor(cr, Hex(0xe0493a));
      cairo_fill(cr);
      break;
    case Hat::Cap:
      cairo_move_to(cr, 32, 50);
      cairo_curve_to(cr, 30, 20, 90, 20, 88, 50);
      cairo_close_path(cr);
      Lit(cr, Hex(p.clothes), 30, 20, 90, 50);
      Outline(cr);
      cairo_move_to(cr, 32, 48);
      cairo_curve_to(cr, 20, 50, 12, 54, 16, 58);
      cairo_curve_to(cr, 30, 56, 50, 52, 60, 50);
      cairo_close_path(cr);
      Lit(cr, Darken(Hex(p.clothes), 0.2), 12, 48, 60, 58);
      Outline(cr, 1.6);
      Ellipse(cr, 66, 36, 6, 5);
      SetColor(cr, Hex(p.accent));
      cairo_fill(cr);
      break;
    case Hat::None:
      break;
  }
}

void Glasses(cairo_t* cr) {
  for (int s = -1; s <= 1; s += 2) {
    RoundedRect(cr, 60 + s * 12 - 9, 61, 18, 14, 5);
    SetColor(cr, Hex(0xdff3ff), 0.25);
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0x2a2a34));
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, 57, 66);
  cairo_line_to(cr, 63, 66);
  cairo_stroke(cr);
}

Surface Face(const Portrait& p) {
  return Paint(120, 160, [&](cairo_t* cr) {
    SoftShadow(cr, [&](cairo_t* c) {
      Ellipse(c, 60, 68, 34, 40);
      cairo_move_to(c, 6, 162);
      cairo_curve_to(c, 8, 128, 30, 116, 60, 116);
      cairo_curve_to(c, 90, 116, 112, 128, 114, 162);
      cairo_close_path(c);
    }, 2, 3, 5, 0.35);
    HairBack(cr, p);
    Body(cr, p);
    Head(cr, p);
    FacialHair(cr, p);
    HairFront(cr, p);
    if (p.glasses) Glasses(cr);
    Headwear(cr, p);
  });
}

}  // namespace

void SaveFaces(Output& out) {
  std::vector<Surface> f;
  for (const Portrait& p : kPeople) f.push_back(Face(p));
  out.SaveTexture(PackFrames("Faces", std::move(f)));
}

}  // namespace art
