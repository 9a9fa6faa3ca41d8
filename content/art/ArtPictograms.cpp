#include "ArtPictograms.h"

#include <cmath>
#include <functional>

#include "ArtDraw.h"

namespace art {

namespace {

struct Ink {
  PictStyle style;
  Rgb operator()(Rgb c) const {
    if (style == PictStyle::Colour || style == PictStyle::Grey) return c;
    const double lum = 0.3 * c.r + 0.59 * c.g + 0.11 * c.b;
    if (lum < 0.22) return Hex(0x3b4250);
    return Mix(Hex(0xffffff), Lighten(c, 0.5), std::clamp(0.55 - lum * 0.5, 0.0, 0.3));
  }
};

// Fills the current path lit from the top left.
void Shaded(cairo_t* cr, const Ink& ink, Rgb c, bool preserve = false) {
  double x0, y0, x1, y1;
  cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
  const Rgb base = ink(c);
  const Rgb hi = Lighten(base, 0.3), lo = Darken(base, 0.15);
  cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 0.6, base.r, base.g, base.b);
  cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, p);
  preserve ? cairo_fill_preserve(cr) : cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Flat(cairo_t* cr, const Ink& ink, Rgb c, double alpha = 1) {
  SetColor(cr, ink(c), alpha);
  cairo_fill(cr);
}

void Line(cairo_t* cr, const Ink& ink, Rgb c, double width) {
  SetColor(cr, ink(c));
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void Circle(cairo_t* cr, double x, double y, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
}

const Rgb kGold = Hex(0xf7c531), kRed = Hex(0xe5493a), kGreen = Hex(0x47b04b), kBlue = Hex(0x3f8fd8);
const Rgb kCream = Hex(0xf7ead0), kBrown = Hex(0x9a6a40), kDark = Hex(0x2e2a33), kWhite = Hex(0xffffff);
const Rgb kSilver = Hex(0xcfd6de), kOrange = Hex(0xf59a2b), kLeaf = Hex(0x4fae4a), kGlass = Hex(0x8fd0f0);

// ---- Building blocks ----

void CoinAt(cairo_t* cr, const Ink& ink, double x, double y, double r) {
  Circle(cr, x, y, r);
  Shaded(cr, ink, kGold);
  Circle(cr, x, y, r * 0.72);
  SetColor(cr, ink(Darken(kGold, 0.2)));
  cairo_set_line_width(cr, r * 0.12);
  cairo_stroke(cr);
  Star(cr, x, y, r * 0.42, r * 0.18, 5);
  Flat(cr, ink, Lighten(kGold, 0.4));
}

void HouseShape(cairo_t* cr, const Ink& ink, double x, double y, double w, double h, Rgb wall,
                Rgb roof, bool chimney, int windows) {
  // x, y: top-left of the whole house (roof included); h: total height.
  const double roofH = h * 0.45, wallTop = y + roofH * 0.85;
  if (chimney) {
    cairo_rectangle(cr, x + w * 0.66, y + roofH * 0.1, w * 0.12, roofH * 0.6);
    Shaded(cr, ink, Hex(0xb5523a));
  }
  cairo_rectangle(cr, x + w * 0.1, wallTop, w * 0.8, y + h - wallTop);
  Shaded(cr, ink, wall);
  Polygon(cr, {{x, y + roofH}, {x + w / 2, y}, {x + w, y + roofH}});
  Shaded(cr, ink, roof);
  const double doorW = w * 0.16;
  cairo_rectangle(cr, x + w * 0.5 - doorW / 2, y + h - h * 0.3, doorW, h * 0.3);
  Flat(cr, ink, Hex(0x7a4a2a));
  for (int i = 0; i < windows; ++i) {
    const double wx = windows == 1 ? x + w * 0.22 : x + w * (i == 0 ? 0.18 : 0.64);
    cairo_rectangle(cr, wx, wallTop + (y + h - wallTop) * 0.18, w * 0.17, w * 0.15);
    Flat(cr, ink, kGlass);
  }
}

void BlockShape(cairo_t* cr, const Ink& ink, double x, double y, double w, double h, int floors, Rgb wall) {
  cairo_rectangle(cr, x, y, w, h);
  Shaded(cr, ink, wall);
  cairo_rectangle(cr, x - w * 0.05, y - 4, w * 1.1, 6);
  Flat(cr, ink, Darken(wall, 0.35));
  const double fh = (h - 4) / floors;
  for (int f = 0; f < floors; ++f)
    for (int i = 0; i < 3; ++i) {
      if (f == floors - 1 && i == 1) continue;
      cairo_rectangle(cr, x + w * (0.12 + i * 0.29), y + 5 + f * fh, w * 0.18, fh * 0.55);
      Flat(cr, ink, kGlass);
    }
  cairo_rectangle(cr, x + w * 0.4, y + h - fh * 0.75, w * 0.2, fh * 0.75);
  Flat(cr, ink, Hex(0x5a6a7a));
}

void HardHatShape(cairo_t* cr, const Ink& ink, double cx, double cy, double s) {
  cairo_move_to(cr, cx - 32 * s, cy + 6 * s);
  cairo_curve_to(cr, cx - 34 * s, cy - 40 * s, cx + 34 * s, cy - 40 * s, cx + 32 * s, cy + 6 * s);
  cairo_close_path(cr);
  Shaded(cr, ink, kGold);
  RoundedRect(cr, cx - 44 * s, cy + 2 * s, 88 * s, 12 * s, 6 * s);
  Shaded(cr, ink, Darken(kGold, 0.12));
  RoundedRect(cr, cx - 6 * s, cy - 31 * s, 12 * s, 34 * s, 5 * s);
  Flat(cr, ink, Lighten(kGold, 0.35));
}

void FaceShape(cairo_t* cr, const Ink& ink, double cx, double cy, double r, bool happy, Rgb skin) {
  Circle(cr, cx, cy, r);
  Shaded(cr, ink, skin);
  Circle(cr, cx - r * 0.35, cy - r * 0.2, r * 0.11);
  Circle(cr, cx + r * 0.35, cy - r * 0.2, r * 0.11);
  Flat(cr, ink, kDark);
  if (happy) cairo_arc(cr, cx, cy + r * 0.05, r * 0.5, 0.15 * M_PI, 0.85 * M_PI);
  else cairo_arc_negative(cr, cx, cy + r * 0.65, r * 0.42, -0.2 * M_PI, -0.8 * M_PI);
  Line(cr, ink, kDark, r * 0.12);
}

void TickShape(cairo_t* cr, double x, double y, double s) {
  cairo_move_to(cr, x - 18 * s, y + 1 * s);
  cairo_line_to(cr, x - 5 * s, y + 14 * s);
  cairo_line_to(cr, x + 20 * s, y - 14 * s);
}

void BadgeCircle(cairo_t* cr, const Ink& ink, Rgb c) {
  Circle(cr, 50, 50, 40);
  Shaded(cr, ink, c);
}

void StarShape(cairo_t* cr, const Ink& ink, double cx, double cy, double r, Rgb c = kGold) {
  Star(cr, cx, cy, r, r * 0.45, 5);
  Shaded(cr, ink, c);
}

void TreeShape(cairo_t* cr, const Ink& ink, double cx, double base, double s) {
  cairo_rectangle(cr, cx - 5 * s, base - 30 * s, 10 * s, 30 * s);
  Shaded(cr, ink, kBrown);
  Circle(cr, cx - 14 * s, base - 40 * s, 18 * s);
  Circle(cr, cx + 14 * s, base - 40 * s, 18 * s);
  Circle(cr, cx, base - 58 * s, 22 * s);
  Shaded(cr, ink, kLeaf);
}

void MedalShape(cairo_t* cr, const Ink& ink, Rgb metal) {
  Polygon(cr, {{30, 6}, {46, 6}, {58, 44}, {42, 44}});
  Flat(cr, ink, kBlue);
  Polygon(cr, {{70, 6}, {54, 6}, {42, 44}, {58, 44}});
  Flat(cr, ink, kRed);
  Circle(cr, 50, 64, 28);
  Shaded(cr, ink, metal);
  Star(cr, 50, 64, 15, 7, 5);
  Flat(cr, ink, Lighten(metal, 0.45));
}

void TrophyShape(cairo_t* cr, const Ink& ink, Rgb metal) {
  cairo_set_line_width(cr, 7);
  cairo_arc(cr, 24, 34, 13, 0.5 * M_PI, 1.5 * M_PI);
  cairo_arc(cr, 76, 34, 13, -0.5 * M_PI, 0.5 * M_PI);
  Line(cr, ink, Darken(metal, 0.1), 7);
  cairo_move_to(cr, 22, 14);
  cairo_line_to(cr, 78, 14);
  cairo_curve_to(cr, 78, 48, 66, 62, 50, 62);
  cairo_curve_to(cr, 34, 62, 22, 48, 22, 14);
  cairo_close_path(cr);
  Shaded(cr, ink, metal);
  cairo_rectangle(cr, 44, 60, 12, 16);
  Shaded(cr, ink, Darken(metal, 0.1));
  RoundedRect(cr, 30, 76, 40, 14, 3);
  Shaded(cr, ink, kBrown);
}

// ---- The pictures ----

void Draw(cairo_t* cr, Pict p, const Ink& ink) {
  switch (p) {
    case Pict::Coin:
      CoinAt(cr, ink, 50, 50, 40);
      break;
    case Pict::Coins:
      for (int i = 0; i < 3; ++i) {
        RoundedRect(cr, 18, 70 - i * 12, 64, 14, 7);
        Shaded(cr, ink, Darken(kGold, 0.05 * i));
      }
      CoinAt(cr, ink, 58, 34, 24);
      break;
    case Pict::Bricks: {
      const double rows[3][3] = {{10, 62, 2}, {24, 40, 2}, {38, 18, 1}};
      for (auto& r : rows)
        for (int i = 0; i < r[2]; ++i) {
          RoundedRect(cr, r[0] + i * 42, r[1], 38, 20, 3);
          Shaded(cr, ink, Hex(0xd0643f));
          cairo_rectangle(cr, r[0] + i * 42 + 4, r[1] + 4, 30, 4);
          Flat(cr, ink, Hex(0xe58a62));
        }
      break;
    }
    case Pict::HardHat:
      HardHatShape(cr, ink, 50, 64, 1.0);
      break;
    case Pict::Certificate:
      RoundedRect(cr, 16, 12, 62, 76, 6);
      Shaded(cr, ink, kCream);
      for (int i = 0; i < 4; ++i) {
        cairo_rectangle(cr, 26, 26 + i * 11, i == 3 ? 24 : 42, 4);
        Flat(cr, ink, Hex(0x9c8a70));
      }
      Circle(cr, 68, 72, 15);
      Shaded(cr, ink, kRed);
      Polygon(cr, {{60, 82}, {56, 98}, {64, 93}, {68, 99}, {72, 84}});
      Flat(cr, ink, Darken(kRed, 0.2));
      Star(cr, 68, 72, 8, 4, 5);
      Flat(cr, ink, Hex(0xffd0c0));
      break;
    case Pict::Check:
      BadgeCircle(cr, ink, kGreen);
      TickShape(cr, 50, 52, 1.2);
      Line(cr, ink, kWhite, 11);
      break;
    case Pict::Cross:
      BadgeCircle(cr, ink, kRed);
      cairo_move_to(cr, 34, 34);
      cairo_line_to(cr, 66, 66);
      cairo_move_to(cr, 66, 34);
      cairo_line_to(cr, 34, 66);
      Line(cr, ink, kWhite, 11);
      break;
    case Pict::Missing:
      BadgeCircle(cr, ink, kOrange);
      cairo_move_to(cr, 50, 28);
      cairo_line_to(cr, 50, 56);
      Line(cr, ink, kWhite, 11);
      Circle(cr, 50, 72, 6.5);
      Flat(cr, ink, kWhite);
      break;
    case Pict::Smile:
      FaceShape(cr, ink, 50, 50, 40, true, Hex(0xffd54a));
      break;
    case Pict::Frown:
      FaceShape(cr, ink, 50, 50, 40, false, Hex(0x9fb6d6));
      break;
    case Pict::House:
      HouseShape(cr, ink, 8, 10, 84, 80, kCream, kRed, true, 2);
      break;
    case Pict::Block:
      BlockShape(cr, ink, 22, 12, 56, 78, 4, Hex(0x8fb3d9));
      break;
    case Pict::Envelope:
      RoundedRect(cr, 10, 24, 80, 54, 5);
      Shaded(cr, ink, kWhite);
      cairo_move_to(cr, 12, 28);
      cairo_line_to(cr, 50, 56);
      cairo_line_to(cr, 88, 28);
      Line(cr, ink, Hex(0x6d8fb3), 5);
      Circle(cr, 74, 66, 9);
      Flat(cr, ink, kRed);
      break;
    case Pict::Basket:
      Circle(cr, 36, 40, 14);
      Shaded(cr, ink, kRed);
      Circle(cr, 60, 38, 14);
      Shaded(cr, ink, Hex(0x8cc63f));
      Circle(cr, 48, 30, 12);
      Shaded(cr, ink, kOrange);
      cairo_arc(cr, 50, 50, 30, M_PI, 2 * M_PI);
      Line(cr, ink, kBrown, 5);
      Polygon(cr, {{12, 48}, {88, 48}, {78, 88}, {22, 88}});
      Shaded(cr, ink, Hex(0xc98a4b));
      for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, 18 + i * 2, 60 + i * 10);
        cairo_line_to(cr, 82 - i * 2, 60 + i * 10);
      }
      Line(cr, ink, Hex(0x8a5a30), 3);
      break;
    case Pict::Cutlery:
      Circle(cr, 50, 56, 34);
      Shaded(cr, ink, kWhite);
      Circle(cr, 50, 56, 24);
      SetColor(cr, ink(Hex(0xd8dde2)));
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      for (int side = -1; side <= 1; side += 2) {
        RoundedRect(cr, 50 + side * 40 - 4, 14, 8, 76, 4);
        Shaded(cr, ink, kSilver);
      }
      cairo_rectangle(cr, 6, 14, 4, 20);
      cairo_rectangle(cr, 14, 14, 4, 20);
      Flat(cr, ink, kSilver);
      break;
    case Pict::Tree:
      TreeShape(cr, ink, 50, 94, 1.0);
      break;
    case Pict::Slide:
      cairo_move_to(cr, 22, 92);
      cairo_line_to(cr, 22, 22);
      cairo_move_to(cr, 40, 92);
      cairo_line_to(cr, 40, 22);
      for (int i = 0; i < 5; ++i) {
        cairo_move_to(cr, 22, 34 + i * 13);
        cairo_line_to(cr, 40, 34 + i * 13);
      }
      Line(cr, ink, kBlue, 5);
      cairo_move_to(cr, 36, 24);
      cairo_curve_to(cr, 62, 30, 60, 82, 92, 86);
      cairo_line_to(cr, 92, 96);
      cairo_curve_to(cr, 54, 92, 54, 40, 36, 36);
      cairo_close_path(cr);
      Shaded(cr, ink, Hex(0xffc933));
      break;
    case Pict::Fountain:
      cairo_move_to(cr, 50, 50);
      cairo_curve_to(cr, 46, 16, 24, 16, 18, 52);
      cairo_move_to(cr, 50, 50);
      cairo_curve_to(cr, 54, 16, 76, 16, 82, 52);
      cairo_move_to(cr, 50, 56);
      cairo_line_to(cr, 50, 12);
      Line(cr, ink, Hex(0x6cc6f0), 5);
      Polygon(cr, {{10, 62}, {90, 62}, {80, 84}, {20, 84}});
      Shaded(cr, ink, Hex(0xd9cdb5));
      cairo_rectangle(cr, 14, 58, 72, 7);
      Flat(cr, ink, Hex(0x6cc6f0));
      break;
    case Pict::People:
      for (int i = 0; i < 2; ++i) {
        const double cx = i ? 64 : 36, s = i ? 0.9 : 1.0;
        cairo_arc(cr, cx, 94, 26 * s, M_PI, 2 * M_PI);
        Shaded(cr, ink, i ? kGreen : kBlue);
        Circle(cr, cx, 44 - (i ? -4 : 0), 17 * s);
        Shaded(cr, ink, Hex(0xf2c49b));
      }
      break;
    case Pict::Clock:
      Circle(cr, 50, 50, 40);
      Shaded(cr, ink, kWhite);
      Circle(cr, 50, 50, 40);
      SetColor(cr, ink(kBlue));
      cairo_set_line_width(cr, 7);
      cairo_stroke(cr);
      cairo_move_to(cr, 50, 50);
      cairo_line_to(cr, 50, 24);
      cairo_move_to(cr, 50, 50);
      cairo_line_to(cr, 68, 58);
      Line(cr, ink, kDark, 6);
      break;
    case Pict::GoldMedal:
      MedalShape(cr, ink, kGold);
      break;
    case Pict::SilverMedal:
      MedalShape(cr, ink, kSilver);
      break;
    case Pict::Hourglass:
      RoundedRect(cr, 20, 8, 60, 10, 3);
      RoundedRect(cr, 20, 82, 60, 10, 3);
      Shaded(cr, ink, kBrown);
      Polygon(cr, {{27, 18}, {73, 18}, {54, 50}, {73, 82}, {27, 82}, {46, 50}});
      Shaded(cr, ink, Hex(0xd8f0fa));
      Polygon(cr, {{36, 30}, {64, 30}, {50, 48}});
      Polygon(cr, {{30, 80}, {70, 80}, {50, 62}});
      Flat(cr, ink, Hex(0xf2b84b));
      break;
    case Pict::Flag:
      cairo_rectangle(cr, 20, 8, 7, 86);
      Shaded(cr, ink, kBrown);
      cairo_move_to(cr, 27, 10);
      cairo_curve_to(cr, 48, 2, 62, 22, 88, 14);
      cairo_line_to(cr, 88, 52);
      cairo_curve_to(cr, 62, 60, 48, 40, 27, 48);
      cairo_close_path(cr);
      Shaded(cr, ink, kRed);
      break;
    case Pict::Trophy:
      TrophyShape(cr, ink, kGold);
      break;
    case Pict::Star:
      StarShape(cr, ink, 50, 52, 44);
      break;
    case Pict::MarkRight:
      Polygon(cr, {{28, 18}, {80, 50}, {28, 82}, {40, 50}});
      Shaded(cr, ink, kGold);
      break;
    case Pict::MarkLeft:
      Polygon(cr, {{72, 18}, {20, 50}, {72, 82}, {60, 50}});
      Shaded(cr, ink, kGold);
      break;
    case Pict::Ring:
      Circle(cr, 50, 50, 34);
      SetColor(cr, ink(kWhite), 0.95);
      cairo_set_line_width(cr, 9);
      cairo_stroke(cr);
      break;
    case Pict::RingCheck:
      BadgeCircle(cr, ink, kGreen);
      TickShape(cr, 50, 52, 1.2);
      Line(cr, ink, kWhite, 11);
      break;
    case Pict::WorkerPlus:
      cairo_arc(cr, 44, 98, 34, M_PI, 2 * M_PI);
      Shaded(cr, ink, kOrange);
      Circle(cr, 44, 52, 20);
      Shaded(cr, ink, Hex(0xf2c49b));
      HardHatShape(cr, ink, 44, 40, 0.72);
      Circle(cr, 78, 26, 17);
      Shaded(cr, ink, kGreen);
      cairo_move_to(cr, 78, 16);
      cairo_line_to(cr, 78, 36);
      cairo_move_to(cr, 68, 26);
      cairo_line_to(cr, 88, 26);
      Line(cr, ink, kWhite, 6);
      break;
    case Pict::Wrench:
      cairo_save(cr);
      cairo_translate(cr, 50, 50);
      cairo_rotate(cr, M_PI / 4);
      RoundedRect(cr, -8, -10, 16, 58, 6);
      Shaded(cr, ink, kSilver);
      Circle(cr, 0, -26, 20);
      Shaded(cr, ink, kSilver);
      cairo_rectangle(cr, -7, -50, 14, 24);
      SetColor(cr, {0, 0, 0}, 1);
      cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
      cairo_fill(cr);
      cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
      cairo_restore(cr);
      break;
    case Pict::WreckingBall:
      cairo_move_to(cr, 20, 4);
      cairo_line_to(cr, 50, 50);
      Line(cr, ink, Hex(0x6b6b73), 4);
      Circle(cr, 56, 62, 28);
      Shaded(cr, ink, Hex(0x55555f));
      Circle(cr, 46, 52, 8);
      Flat(cr, ink, Hex(0x9a9aa6), 0.8);
      break;
    case Pict::Shovel:
      cairo_save(cr);
      cairo_translate(cr, 50, 50);
      cairo_rotate(cr, -M_PI / 5);
      RoundedRect(cr, -5, -46, 10, 62, 4);
      Shaded(cr, ink, kBrown);
      RoundedRect(cr, -14, -50, 28, 10, 4);
      Shaded(cr, ink, Darken(kBrown, 0.2));
      cairo_move_to(cr, -18, 14);
      cairo_line_to(cr, 18, 14);
      cairo_line_to(cr, 16, 36);
      cairo_curve_to(cr, 12, 48, -12, 48, -16, 36);
      cairo_close_path(cr);
      Shaded(cr, ink, kSilver);
      cairo_restore(cr);
      break;
    case Pict::Cottage:
      HouseShape(cr, ink, 14, 26, 72, 64, kCream, kRed, false, 1);
      break;
    case Pict::HouseChimney:
      HouseShape(cr, ink, 8, 14, 84, 76, Hex(0xa9d0ea), Hex(0x4f77a8), true, 2);
      break;
    case Pict::Villa:
      cairo_rectangle(cr, 14, 34, 72, 56);
      Shaded(cr, ink, Hex(0xf7dc86));
      Polygon(cr, {{6, 38}, {30, 10}, {70, 10}, {94, 38}});
      Shaded(cr, ink, Hex(0xcf7444));
      for (int r = 0; r < 2; ++r)
        for (int i = 0; i < 3; ++i) {
          if (r == 1 && i == 1) continue;
          cairo_rectangle(cr, 22 + i * 22, 42 + r * 24, 12, 13);
          Flat(cr, ink, kGlass);
        }
      cairo_rectangle(cr, 44, 68, 12, 22);
      Flat(cr, ink, Hex(0x7a4a2a));
      break;
    case Pict::Block3:
      BlockShape(cr, ink, 16, 34, 68, 56, 3, Hex(0xf1d3b3));
      break;
    case Pict::Block4:
      BlockShape(cr, ink, 20, 20, 60, 70, 4, Hex(0xb9d3e8));
      break;
    case Pict::Block5:
      BlockShape(cr, ink, 24, 8, 52, 82, 5, Hex(0xcfe3c3));
      break;
    case Pict::Magnifier:
      cairo_move_to(cr, 62, 62);
      cairo_line_to(cr, 88, 88);
      Line(cr, ink, kBrown, 13);
      Circle(cr, 42, 42, 30);
      Shaded(cr, ink, kGlass);
      Circle(cr, 42, 42, 30);
      SetColor(cr, ink(kSilver));
      cairo_set_line_width(cr, 8);
      cairo_stroke(cr);
      cairo_arc(cr, 42, 42, 18, 1.1 * M_PI, 1.5 * M_PI);
      Line(cr, ink, kWhite, 5);
      break;
    case Pict::StarUp:
      StarShape(cr, ink, 42, 56, 36);
      Polygon(cr, {{78, 6}, {96, 30}, {84, 30}, {84, 52}, {72, 52}, {72, 30}, {60, 30}});
      Shaded(cr, ink, kGreen);
      break;
    case Pict::Flower:
      cairo_move_to(cr, 50, 54);
      cairo_curve_to(cr, 50, 70, 48, 82, 50, 96);
      Line(cr, ink, kLeaf, 6);
      Ellipse(cr, 36, 78, 12, 6);
      Shaded(cr, ink, kLeaf);
      for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        Circle(cr, 50 + std::cos(a) * 20, 38 + std::sin(a) * 20, 14);
        Shaded(cr, ink, Hex(0xff7a9a));
      }
      Circle(cr, 50, 38, 12);
      Shaded(cr, ink, kGold);
      break;
    case Pict::Shield:
      cairo_move_to(cr, 50, 6);
      cairo_curve_to(cr, 66, 14, 76, 14, 88, 14);
      cairo_curve_to(cr, 90, 56, 76, 82, 50, 96);
      cairo_curve_to(cr, 24, 82, 10, 56, 12, 14);
      cairo_curve_to(cr, 24, 14, 34, 14, 50, 6);
      cairo_close_path(cr);
      Shaded(cr, ink, kBlue);
      RoundedRect(cr, 34, 46, 32, 26, 4);
      Shaded(cr, ink, kGold);
      cairo_arc(cr, 50, 46, 10, M_PI, 2 * M_PI);
      Line(cr, ink, kGold, 6);
      break;
    case Pict::Antenna:
      Polygon(cr, {{50, 40}, {26, 94}, {36, 94}, {50, 60}, {64, 94}, {74, 94}});
      Shaded(cr, ink, kSilver);
      Circle(cr, 50, 36, 9);
      Shaded(cr, ink, kRed);
      for (int i = 1; i <= 2; ++i) {
        cairo_arc(cr, 50, 36, 14 + i * 12, -0.8 * M_PI, -0.2 * M_PI);
        Line(cr, ink, kBlue, 6);
      }
      break;
    case Pict::Extinguisher:
      RoundedRect(cr, 32, 30, 36, 64, 14);
      Shaded(cr, ink, kRed);
      cairo_rectangle(cr, 32, 52, 36, 12);
      Flat(cr, ink, kWhite);
      RoundedRect(cr, 42, 16, 16, 16, 3);
      Shaded(cr, ink, kDark);
      cairo_move_to(cr, 58, 20);
      cairo_curve_to(cr, 78, 14, 86, 24, 86, 40);
      Line(cr, ink, kDark, 6);
      break;
    case Pict::Bank:
      Polygon(cr, {{8, 36}, {50, 8}, {92, 36}});
      Shaded(cr, ink, kCream);
      for (int i = 0; i < 4; ++i) {
        cairo_rectangle(cr, 16 + i * 20, 40, 10, 40);
        Shaded(cr, ink, kCream);
      }
      cairo_rectangle(cr, 8, 80, 84, 12);
      Shaded(cr, ink, Darken(kCream, 0.1));
      CoinAt(cr, ink, 50, 26, 9);
      break;
    case Pict::Bread:
      cairo_move_to(cr, 10, 70);
      cairo_curve_to(cr, 6, 30, 94, 30, 90, 70);
      cairo_curve_to(cr, 90, 82, 10, 82, 10, 70);
      cairo_close_path(cr);
      Shaded(cr, ink, Hex(0xe0a052));
      for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, 28 + i * 18, 44);
        cairo_line_to(cr, 38 + i * 18, 58);
      }
      Line(cr, ink, Hex(0xf6d39a), 5);
      break;
    case Pict::Cup:
      for (int i = 0; i < 2; ++i) {
        cairo_move_to(cr, 36 + i * 16, 30);
        cairo_curve_to(cr, 30 + i * 16, 22, 42 + i * 16, 16, 36 + i * 16, 6);
      }
      Line(cr, ink, Hex(0xc9d3da), 4);
      cairo_arc(cr, 76, 56, 11, -0.5 * M_PI, 0.5 * M_PI);
      Line(cr, ink, kWhite, 6);
      cairo_move_to(cr, 16, 38);
      cairo_line_to(cr, 78, 38);
      cairo_curve_to(cr, 78, 70, 66, 84, 47, 84);
      cairo_curve_to(cr, 28, 84, 16, 70, 16, 38);
      cairo_close_path(cr);
      Shaded(cr, ink, kWhite);
      Ellipse(cr, 47, 40, 28, 5);
      Flat(cr, ink, Hex(0x7a4a2a));
      Ellipse(cr, 47, 88, 40, 6);
      Shaded(cr, ink, kWhite);
      break;
    case Pict::Palm:
      cairo_move_to(cr, 48, 96);
      cairo_curve_to(cr, 48, 70, 54, 50, 52, 36);
      Line(cr, ink, kBrown, 9);
      for (int i = 0; i < 5; ++i) {
        const double a = M_PI * (1.05 + i * 0.225);
        cairo_move_to(cr, 52, 34);
        cairo_curve_to(cr, 52 + std::cos(a) * 20, 34 + std::sin(a) * 26 - 6, 52 + std::cos(a) * 38,
                       34 + std::sin(a) * 24, 52 + std::cos(a) * 44, 44 + std::sin(a) * 14);
        Line(cr, ink, Hex(0x3f9a3f), 9);
      }
      Circle(cr, 46, 42, 5);
      Circle(cr, 56, 42, 5);
      Flat(cr, ink, Hex(0x7a4a2a));
      break;
    case Pict::Ball:
      Circle(cr, 50, 50, 40);
      Shaded(cr, ink, kWhite);
      Star(cr, 50, 50, 14, 12, 5);
      Flat(cr, ink, kDark);
      for (int i = 0; i < 5; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 5;
        cairo_move_to(cr, 50 + std::cos(a) * 14, 50 + std::sin(a) * 14);
        cairo_line_to(cr, 50 + std::cos(a) * 30, 50 + std::sin(a) * 30);
      }
      Line(cr, ink, kDark, 3);
      break;
    case Pict::FerrisWheel:
      Polygon(cr, {{50, 46}, {24, 94}, {32, 94}, {50, 58}, {68, 94}, {76, 94}});
      Shaded(cr, ink, kSilver);
      Circle(cr, 50, 44, 34);
      SetColor(cr, ink(kBlue));
      cairo_set_line_width(cr, 5);
      cairo_stroke(cr);
      for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        cairo_move_to(cr, 50, 44);
        cairo_line_to(cr, 50 + std::cos(a) * 34, 44 + std::sin(a) * 34);
      }
      Line(cr, ink, kBlue, 2.5);
      for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        Circle(cr, 50 + std::cos(a) * 34, 44 + std::sin(a) * 34, 6);
        Shaded(cr, ink, i % 2 ? kRed : kGold);
      }
      break;
    case Pict::Pause:
      RoundedRect(cr, 22, 16, 20, 68, 5);
      RoundedRect(cr, 58, 16, 20, 68, 5);
      Shaded(cr, ink, kWhite);
      break;
    case Pict::Play:
      Polygon(cr, {{26, 14}, {84, 50}, {26, 86}});
      Shaded(cr, ink, kWhite);
      break;
    case Pict::Restart:
      cairo_arc(cr, 50, 52, 30, -0.35 * M_PI, 1.25 * M_PI);
      Line(cr, ink, kWhite, 12);
      Polygon(cr, {{60, 4}, {86, 24}, {56, 38}});
      Shaded(cr, ink, kWhite);
      break;
    case Pict::Gear: {
      const int teeth = 8;
      for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = i * M_PI / teeth, r = i % 2 ? 32 : 42;
        const double a1 = (i + 1) * M_PI / teeth;
        if (i == 0) cairo_move_to(cr, 50 + std::cos(a0) * r, 50 + std::sin(a0) * r);
        cairo_arc(cr, 50, 50, r, a0, a1);
      }
      cairo_close_path(cr);
      Circle(cr, 50, 50, 13);
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
      Shaded(cr, ink, kSilver);
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
      break;
    }
    case Pict::Exit:
      RoundedRect(cr, 14, 8, 46, 84, 4);
      Shaded(cr, ink, Hex(0xb0794a));
      Circle(cr, 50, 52, 4);
      Flat(cr, ink, kGold);
      Polygon(cr, {{58, 40}, {76, 40}, {76, 26}, {98, 50}, {76, 74}, {76, 60}, {58, 60}});
      Shaded(cr, ink, kGreen);
      break;
    case Pict::Question:
      UseFont(cr, Font::SansBold, 92);
      TextPath(cr, "?", 50, 84, 0.5);
      Shaded(cr, ink, kWhite);
      break;
    case Pict::RentClock:
      for (int i = 0; i < 2; ++i) {
        RoundedRect(cr, 6, 74 - i * 12, 50, 14, 7);
        Shaded(cr, ink, kGold);
      }
      Circle(cr, 62, 42, 32);
      Shaded(cr, ink, kWhite);
      Circle(cr, 62, 42, 32);
      SetColor(cr, ink(kGreen));
      cairo_set_line_width(cr, 6);
      cairo_stroke(cr);
      cairo_move_to(cr, 62, 42);
      cairo_line_to(cr, 62, 22);
      cairo_move_to(cr, 62, 42);
      cairo_line_to(cr, 76, 48);
      Line(cr, ink, kDark, 5);
      break;
    case Pict::Stars1:
      StarShape(cr, ink, 50, 54, 40);
      break;
    case Pict::Stars2:
      StarShape(cr, ink, 30, 56, 28);
      StarShape(cr, ink, 70, 56, 28);
      break;
    case Pict::Stars3:
      StarShape(cr, ink, 22, 62, 22);
      StarShape(cr, ink, 78, 62, 22);
      StarShape(cr, ink, 50, 38, 26);
      break;
    case Pict::Inspected:
      RoundedRect(cr, 16, 14, 62, 78, 6);
      Shaded(cr, ink, kCream);
      RoundedRect(cr, 32, 8, 30, 14, 4);
      Shaded(cr, ink, kBrown);
      TickShape(cr, 48, 52, 1.2);
      Line(cr, ink, kGreen, 10);
      break;
    case Pict::Balloons:
      cairo_move_to(cr, 30, 58);
      cairo_curve_to(cr, 36, 74, 44, 80, 50, 96);
      cairo_move_to(cr, 70, 56);
      cairo_curve_to(cr, 62, 74, 56, 80, 50, 96);
      cairo_move_to(cr, 50, 46);
      cairo_line_to(cr, 50, 96);
      Line(cr, ink, Hex(0x8a8a8a), 2.5);
      Ellipse(cr, 30, 36, 18, 22);
      Shaded(cr, ink, kRed);
      Ellipse(cr, 70, 34, 18, 22);
      Shaded(cr, ink, kBlue);
      Ellipse(cr, 50, 26, 18, 22);
      Shaded(cr, ink, kGold);
      break;
    case Pict::Shears:
      for (int s = -1; s <= 1; s += 2) {
        cairo_save(cr);
        cairo_translate(cr, 50, 56);
        cairo_rotate(cr, s * 0.35);
        Polygon(cr, {{-5, 0}, {5, 0}, {2, -50}, {-2, -50}});
        Shaded(cr, ink, kSilver);
        RoundedRect(cr, -6, 0, 12, 38, 5);
        Shaded(cr, ink, s < 0 ? kRed : kGreen);
        cairo_restore(cr);
      }
      break;
    case Pict::Padlock:
      cairo_arc(cr, 50, 42, 20, M_PI, 2 * M_PI);
      cairo_line_to(cr, 70, 50);
      cairo_move_to(cr, 30, 50);
      cairo_line_to(cr, 30, 42);
      Line(cr, ink, kSilver, 10);
      RoundedRect(cr, 18, 46, 64, 46, 8);
      Shaded(cr, ink, kGold);
      Circle(cr, 50, 64, 7);
      cairo_rectangle(cr, 47, 64, 6, 14);
      Flat(cr, ink, Hex(0x6a4a1a));
      break;
    case Pict::Worker:
      cairo_arc(cr, 50, 102, 36, M_PI, 2 * M_PI);
      Shaded(cr, ink, kOrange);
      cairo_rectangle(cr, 40, 66, 20, 30);
      Flat(cr, ink, Hex(0xffe45c));
      Circle(cr, 50, 52, 21);
      Shaded(cr, ink, Hex(0xf2c49b));
      HardHatShape(cr, ink, 50, 40, 0.78);
      break;
    case Pict::Count:
      break;
  }
}

}  // namespace

Surface PictogramSurface(Pict pict, int size, PictStyle style, double rim) {
  if (rim < 0) rim = std::max(1.0, size * 0.045);
  const double inset = rim + size * 0.04;
  const double scale = (size - 2 * inset - rim * 0.6) / 100.0;
  Surface art = Paint(size, size, [&](cairo_t* cr) {
    cairo_translate(cr, inset, inset);
    cairo_scale(cr, scale, scale);
    Draw(cr, pict, Ink{style});
  });
  // Rim: the picture's alpha spread in a circle, in a warm near-black.
  Surface out = NewSurface(size, size);
  Context cr = NewContext(out);
  Surface rimMask = NewSurface(size, size, CAIRO_FORMAT_A8);
  {
    Context mc = NewContext(rimMask);
    for (int i = 0; i < 16; ++i) {
      const double a = i * M_PI / 8;
      cairo_mask_surface(mc.get(), art.get(), rim * std::cos(a), rim * std::sin(a));
    }
    cairo_mask_surface(mc.get(), art.get(), 0, 0);
  }
  Surface shadow = CopySurface(rimMask);
  Blur(shadow.get(), rim * 1.2 + 0.5);
  cairo_set_source_rgba(cr.get(), 0, 0, 0, style == PictStyle::Light ? 0.35 : 0.3);
  cairo_mask_surface(cr.get(), shadow.get(), rim * 0.5, rim * 0.8);
  const Rgb rimColour = style == PictStyle::Light ? Hex(0x1d2430) : Hex(0x2b2026);
  SetColor(cr.get(), rimColour, style == PictStyle::Light ? 0.55 : 0.9);
  cairo_mask_surface(cr.get(), rimMask.get(), 0, 0);
  cairo_set_source_surface(cr.get(), art.get(), 0, 0);
  cairo_paint(cr.get());
  cairo_surface_flush(out.get());
  if (style == PictStyle::Grey) {
    Desaturate(out.get(), 0.92, 0.9);
    FadeAlpha(out.get(), 0.85);
  }
  return out;
}

void DrawPictogram(cairo_t* cr, Pict pict, double x, double y, double size, PictStyle style, double rim) {
  const int px = std::max(4, static_cast<int>(std::ceil(size)));
  Surface s = PictogramSurface(pict, px, style, rim);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, size / px, size / px);
  cairo_set_source_surface(cr, s.get(), 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
}

}  // namespace art
