// The town's services: post office, market, restaurant, park, playground and square.
#include <cmath>

#include "ArtPlots.h"

namespace art {

namespace {

using namespace palette;

Detail Tiles(Rgb roof, double spacing = 4.0) {
  return [roof, spacing](cairo_t* cr, const FaceInfo& f) { TileLines(cr, f, roof, spacing); };
}

// Windows along a wall, a door in the middle of the front, and an optional sign above it.
WallDetail ShopFront(Rgb frame, Rgb door, int frontSide, std::function<void(cairo_t*, const FaceInfo&)> sign,
                     double floorHeight, int floors = 1) {
  return [=](cairo_t* cr, const FaceInfo& f) {
    const int n = std::max(1, static_cast<int>(std::lround(f.width / 22)));
    for (int fl = 0; fl < floors; ++fl) {
      const double top = f.height - floorHeight * (fl + 1) + floorHeight * (fl == 0 ? 0.3 : 0.25);
      for (int i = 0; i < n; ++i) {
        const double cx = f.width * (i + 0.5) / n;
        if (f.side == frontSide && fl == 0 && i == n / 2) {
          Door(cr, cx - 4.5, f.height - 13, 9, 13, f.shade, door);
          continue;
        }
        if (fl == 0 && f.side == frontSide)
          Window(cr, cx - 5.5, top + 1, 11, floorHeight * 0.52, f.shade, frame);
        else
          Window(cr, cx - 3.5, top, 7, floorHeight * 0.45, f.shade, frame);
      }
    }
    if (f.side == frontSide && sign) sign(cr, f);
  };
}

void EnvelopeMark(cairo_t* cr, double x, double y, double w, double h, double shade) {
  SetColor(cr, Lit(Hex(0xffffff), shade));
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
  SetColor(cr, Lit(Hex(0x2f5f8f), shade));
  cairo_set_line_width(cr, 0.8);
  cairo_rectangle(cr, x, y, w, h);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + w / 2, y + h * 0.6);
  cairo_line_to(cr, x + w, y);
  cairo_stroke(cr);
}

void Parasol(Scene& s, double u, double v, Rgb a, Rgb b) {
  s.Add(BoxSolid({u - 0.02, v - 0.02, u + 0.02, v + 0.02, 0, 6}, Hex(0xf4f0e6), Hex(0xffffff)));
  Solid t;
  t.anchor = {u, v, 0.1};
  t.order = 10;
  t.custom = [=](cairo_t* cr, const Iso& iso) {
    double x, y;
    iso.Screen({u, v, 0}, x, y);
    const double z = iso.Zoom();
    SetColor(cr, Hex(0x6b5a4a));
    cairo_rectangle(cr, x - 0.6 * z, y - 20 * z, 1.2 * z, 20 * z);
    cairo_fill(cr);
    const double cy = y - 20 * z, r = 13 * z;
    for (int i = 0; i < 6; ++i) {
      const double a0 = M_PI + M_PI * i / 6, a1 = M_PI + M_PI * (i + 1) / 6;
      cairo_move_to(cr, x, cy - 5 * z);
      cairo_line_to(cr, x + std::cos(a0) * r, cy + 2 * z);
      cairo_line_to(cr, x + std::cos(a1) * r, cy + 2 * z);
      cairo_close_path(cr);
      SetColor(cr, i % 2 ? Lit(b, 0.85 + 0.03 * i) : Lit(a, 0.85 + 0.03 * i));
      cairo_fill(cr);
    }
    SetColor(cr, Darken(a, 0.5), 0.7);
    cairo_set_line_width(cr, 0.7 * z);
    cairo_move_to(cr, x - r, cy + 2 * z);
    cairo_line_to(cr, x, cy - 5 * z);
    cairo_line_to(cr, x + r, cy + 2 * z);
    cairo_close_path(cr);
    cairo_stroke(cr);
  };
  s.Add(std::move(t));
  s.BlobShadow(u, v, 0.09, 18);
}

void Crates(Scene& s, double u, double v, uint64_t seed) {
  static const Rgb fruit[] = {Hex(0xe94b3c), Hex(0xf5a623), Hex(0x8bc34a), Hex(0xffd54f), Hex(0xab47bc)};
  Rng rng(seed);
  for (int i = 0; i < 3; ++i) {
    const double cu = u + i * 0.055;
    const Rgb f = fruit[rng.Int(5)];
    s.Add(BoxSolid({cu - 0.022, v - 0.022, cu + 0.022, v + 0.022, 0, 5}, Wood, f,
                   nullptr, [f](cairo_t* cr, const FaceInfo& fi) {
                     for (int k = 0; k < 4; ++k) {
                       SetColor(cr, Lighten(Lit(f, fi.shade), 0.3));
                       Ellipse(cr, 1.5 + (k % 2) * 3.2, 1.5 + (k / 2) * 3.2, 0.9, 0.9);
                       cairo_fill(cr);
                     }
                   }));
  }
}

void Fountain(Scene& s, double u, double v, double radius, double height) {
  s.Add(Prism(u, v, radius, 0, 5, 16, Hex(0xd8d0c0), Water));
  s.Add(Prism(u, v, radius * 0.25, 5, 5 + height * 0.5, 10, Hex(0xe6dfd2), Hex(0xf2ece0)));
  s.Add(Prism(u, v, radius * 0.5, 5 + height * 0.5, 7 + height * 0.5, 12, Hex(0xe6dfd2), Water));
  Solid jet;
  jet.anchor = {u, v, 0};
  jet.order = 100;
  jet.custom = [=](cairo_t* cr, const Iso& iso) {
    double x, y;
    iso.Screen({u, v, 7 + height * 0.5}, x, y);
    const double z = iso.Zoom();
    SetColor(cr, Hex(0xe8f7ff), 0.85);
    cairo_set_line_width(cr, 1.2 * z);
    for (int side = -1; side <= 1; side += 2) {
      cairo_move_to(cr, x, y);
      cairo_curve_to(cr, x + side * 2 * z, y - height * 0.7 * z, x + side * 8 * z, y - height * 0.6 * z,
                     x + side * 10 * z, y + 4 * z);
      cairo_stroke(cr);
    }
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y - height * 0.75 * z);
    cairo_stroke(cr);
  };
  s.Add(std::move(jet));
}

}  // namespace

void PostOffice(Scene& s, int variant) {
  const bool brick = variant == 0;
  PavedGround(s, 510 + variant, Hex(0xe0d5c0), 12.5);
  GroundPatch(s, 4, 4, 34, 40, Grass, 3, 0.2);
  const Rgb wall = brick ? Hex(0xd9825f) : Hex(0xf3e6c8);
  const Rgb roof = brick ? RoofSlate : RoofRed;
  Box body{0.2, 0.28, 0.74, 0.7, 0, 30};
  auto sign = [brick](cairo_t* cr, const FaceInfo& f) {
    Sign(cr, f.width / 2 - 17, 2.5, 34, 9, f.shade, brick ? Hex(0xffcc33) : Hex(0x3f7fbf), Hex(0x20344f), "");
    EnvelopeMark(cr, f.width / 2 - 5, 3.8, 10, 6.4, f.shade);
  };
  s.Add(BoxSolid(body, wall, wall, ShopFront(Hex(0xfaf5e8), Hex(0x2f5f8f), 3, sign, 30)));
  s.Add(GableRoof(body, true, 20, 0.03, roof, wall, Tiles(roof)));
  // Post box and flag.
  s.Add(BoxSolid({0.78, 0.78, 0.82, 0.82, 0, 9}, Hex(0xffc629), Hex(0xe8a91a)));
  s.Add(BoxSolid({0.13, 0.76, 0.145, 0.775, 0, 42}, Hex(0xe9e9e9), Hex(0xffffff)));
  Solid flag;
  flag.anchor = {0.137, 0.768, 0};
  flag.order = 50;
  flag.custom = [brick](cairo_t* cr, const Iso& iso) {
    double x, y;
    iso.Screen({0.137, 0.768, 41}, x, y);
    const double z = iso.Zoom();
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + 6 * z, y - 2 * z, x + 10 * z, y + 2 * z, x + 16 * z, y);
    cairo_line_to(cr, x + 16 * z, y + 8 * z);
    cairo_curve_to(cr, x + 10 * z, y + 10 * z, x + 6 * z, y + 6 * z, x, y + 8 * z);
    cairo_close_path(cr);
    SetColor(cr, brick ? Hex(0xffcc33) : Hex(0x3f7fbf));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0x30302a), 0.6);
    cairo_set_line_width(cr, 0.7 * z);
    cairo_stroke(cr);
  };
  s.Add(std::move(flag));
  if (brick) {
    Tree(s, 0.16, 0.2, 40, 14, Leaf, 512);
    Bush(s, 0.86, 0.3, 7, LeafDark, 513, true);
  } else {
    Car(s, 0.55, 0.86, true, Hex(0xf2c230));
    Tree(s, 0.84, 0.18, 40, 14, LeafLight, 514);
  }
}

void Market(Scene& s, int variant) {
  PavedGround(s, 520 + variant, Hex(0xead9b8), 10);
  if (variant == 0) {
    // A market hall with striped awnings over its fronts.
    const Rgb wall = Hex(0xf4dfb0);
    Box hall{0.22, 0.22, 0.72, 0.64, 0, 26};
    auto front = [](cairo_t* cr, const FaceInfo& f) {
      const int n = std::max(2, static_cast<int>(f.width / 24));
      for (int i = 0; i < n; ++i) {
        const double x = f.width * (i + 0.15) / n, w = f.width * 0.7 / n;
        SetColor(cr, Lit(Hex(0x5d3a24), f.shade));
        cairo_rectangle(cr, x, f.height - 14, w, 14);
        cairo_fill(cr);
        SetColor(cr, Lit(Hex(0xffd27a), f.shade), 0.8);
        cairo_rectangle(cr, x + 1, f.height - 13, w - 2, 5);
        cairo_fill(cr);
        Awning(cr, x - 1.5, f.height - 19, w + 3, 5, f.shade, Hex(0xe84e3c), Hex(0xfdf4e3));
      }
    };
    s.Add(BoxSolid(hall, wall, wall, front));
    s.Add(GableRoof(hall, false, 16, 0.03, RoofTerra, wall, Tiles(RoofTerra)));
    Crates(s, 0.32, 0.76, 521);
    Crates(s, 0.78, 0.3, 522);
    Parasol(s, 0.84, 0.78, Hex(0x3aa0d8), Hex(0xffffff));
  } else {
    // Open stalls under canopies around a little tree.
    const Rgb tops[3][2] = {{Hex(0xe84e3c), Hex(0xfff3de)}, {Hex(0x2e9f5b), Hex(0xfff3de)}, {Hex(0x3a7fd0), Hex(0xfff3de)}};
    const double spots[3][2] = {{0.28, 0.3}, {0.68, 0.3}, {0.3, 0.7}};
    for (int i = 0; i < 3; ++i) {
      const double u = spots[i][0], v = spots[i][1];
      s.Add(BoxSolid({u - 0.1, v - 0.05, u + 0.1, v + 0.05, 0, 7}, Wood, Hex(0xf0c86a)));
      Box canopy{u - 0.12, v - 0.07, u + 0.12, v + 0.07, 16, 17};
      for (double cu : {u - 0.1, u + 0.1})
        s.Add(BoxSolid({cu - 0.008, v - 0.06, cu + 0.008, v - 0.045, 0, 16}, WoodDark, Wood));
      s.Add(GableRoof(canopy, true, 7, 0.01, tops[i][0], tops[i][1], [c = tops[i][1]](cairo_t* cr, const FaceInfo& f) {
        SetColor(cr, Lit(c, f.shade));
        for (double x = 0; x < f.width; x += 8) cairo_rectangle(cr, x, 0, 4, f.height);
        cairo_fill(cr);
      }));
      Crates(s, u - 0.05, v + 0.09, 530 + i);
    }
    Tree(s, 0.75, 0.72, 40, 14, Leaf, 533);
  }
}

void Restaurant(Scene& s, int variant) {
  LawnGround(s, 540 + variant, Hex(0x80c256));
  GroundPatch(s, 8, 60, 96, 96, Hex(0xd9b38c), 3, 0.25);
  const Rgb wall = variant == 0 ? Hex(0xf6efe2) : Hex(0xe9c39b);
  const Rgb roof = variant == 0 ? RoofGreen : RoofRed;
  Box body{0.2, 0.16, 0.7, 0.56, 0, 28};
  auto sign = [variant](cairo_t* cr, const FaceInfo& f) {
    Sign(cr, f.width / 2 - 16, 2, 32, 9, f.shade, variant == 0 ? Hex(0x2e7d4f) : Hex(0x8c2f2f), Hex(0xfff0c8), "");
    // Knife and fork.
    SetColor(cr, Lit(Hex(0xfff0c8), f.shade));
    cairo_set_line_width(cr, 1.1);
    cairo_move_to(cr, f.width / 2 - 3, 3.5);
    cairo_line_to(cr, f.width / 2 - 3, 9.5);
    cairo_move_to(cr, f.width / 2 + 3, 3.5);
    cairo_line_to(cr, f.width / 2 + 3, 9.5);
    cairo_stroke(cr);
  };
  s.Add(BoxSolid(body, wall, wall, [=](cairo_t* cr, const FaceInfo& f) {
    ShopFront(Hex(0xfaf5e8), Hex(0x7a3b2a), 3, sign, 28)(cr, f);
    if (f.side == 3 || f.side == 0) Awning(cr, 0, 11, f.width, 5, f.shade, variant == 0 ? Hex(0x2e9f5b) : Hex(0xd84a3a), Hex(0xfdf6e6));
  }));
  s.Add(HipRoof(body, 16, 0.03, roof, Tiles(roof)));
  s.Add(BoxSolid({0.58, 0.28, 0.62, 0.32, 28, 44}, Hex(0xb5a89a), Hex(0x6d6259)));
  const Rgb a = variant == 0 ? Hex(0xe84e3c) : Hex(0x2f8fd0);
  Parasol(s, 0.3, 0.8, a, Hex(0xffffff));
  Parasol(s, 0.62, 0.82, Hex(0xf5b82e), Hex(0xffffff));
  Bush(s, 0.88, 0.5, 7, LeafDark, 545, true);
  Tree(s, 0.86, 0.18, 38, 13, Leaf, 546);
}

void Park(Scene& s, int variant) {
  const uint64_t seed = 550 + variant;
  LawnGround(s, seed, Hex(0x6fbc4c));
  GroundPath(s, {{-1, 50}, {30, 48}, {50, 50}, {70, 52}, {101, 50}}, 8, Hex(0xe6d3a8));
  GroundPath(s, {{50, -1}, {50, 30}, {50, 50}, {52, 101}}, 8, Hex(0xe6d3a8));
  if (variant == 0) {
    Fountain(s, 0.5, 0.5, 0.12, 18);
    Tree(s, 0.2, 0.2, 44, 16, Leaf, seed + 1);
    Tree(s, 0.8, 0.8, 42, 15, LeafLight, seed + 2);
    Conifer(s, 0.8, 0.2, 40, 10, LeafDark);
    Flowerbed(s, 10, 62, 38, 90, seed + 3);
    Bench(s, 0.62, 0.36, true);
  } else {
    GroundPatch(s, 58, 8, 92, 40, Water, 12, 0.35);
    Tree(s, 0.2, 0.8, 44, 16, LeafLight, seed + 4);
    Tree(s, 0.25, 0.22, 40, 14, Leaf, seed + 5);
    Tree(s, 0.8, 0.78, 40, 15, Hex(0xd98c3a), seed + 6);
    Bush(s, 0.38, 0.64, 7, LeafDark, seed + 7, true);
    Bench(s, 0.38, 0.38, false);
    Lamp(s, 0.62, 0.62, 22);
  }
}

void Playground(Scene& s, int variant) {
  LawnGround(s, 560 + variant, Hex(0x7cc353));
  GroundPatch(s, 10, 10, 48, 48, Hex(0xf1dc9f), 6, 0.2);  // sandpit
  GroundPatch(s, 56, 52, 92, 90, Hex(0xd97c5a), 3, 0.25);  // soft floor
  // Swings: a frame with two seats.
  const Rgb frame = Hex(0x3f7fbf);
  for (double u : {0.58, 0.9}) s.Add(BoxSolid({u - 0.012, 0.7, u + 0.012, 0.72, 0, 26}, frame, frame));
  s.Add(BoxSolid({0.58, 0.7, 0.9, 0.72, 26, 28.5}, frame, frame));
  for (double u : {0.68, 0.8}) {
    s.Add(BoxSolid({u - 0.002, 0.708, u + 0.002, 0.712, 8, 26}, Hex(0x555555), Hex(0x555555)));
    s.Add(BoxSolid({u - 0.025, 0.695, u + 0.025, 0.725, 7, 9}, Hex(0xe84e3c), Hex(0xf06a55)));
  }
  // Slide: a tower with a roof and a yellow chute.
  s.Add(BoxSolid({0.6, 0.16, 0.74, 0.3, 0, 20}, Hex(0xe8a94a), Hex(0xd08a2e)));
  s.Add(HipRoof({0.6, 0.16, 0.74, 0.3, 0, 20}, 10, 0.01, Hex(0xe84e3c)));
  Solid chute;
  chute.anchor = {0.67, 0.36, 0};
  chute.custom = [](cairo_t* cr, const Iso& iso) {
    double x0, y0, x1, y1, x2, y2, x3, y3;
    iso.Screen({0.64, 0.3, 18}, x0, y0);
    iso.Screen({0.7, 0.3, 18}, x1, y1);
    iso.Screen({0.7, 0.52, 1}, x2, y2);
    iso.Screen({0.64, 0.52, 1}, x3, y3);
    Polygon(cr, {{x0, y0}, {x1, y1}, {x2, y2}, {x3, y3}});
    SetColor(cr, Hex(0xffd23f));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0x9a7412));
    cairo_set_line_width(cr, 0.9 * iso.Zoom());
    cairo_stroke(cr);
  };
  s.Add(std::move(chute));
  // A seesaw in the sand.
  s.Add(BoxSolid({0.27, 0.28, 0.31, 0.32, 0, 5}, Hex(0x8a5a3a), Hex(0x8a5a3a)));
  s.Add(BoxSolid({0.16, 0.285, 0.42, 0.315, 5, 7}, Hex(0x2e9f5b), Hex(0x39b56b)));
  Tree(s, 0.16, 0.82, 42, 15, Leaf, 563);
  Bush(s, 0.88, 0.16, 7, LeafDark, 564, true);
}

void Square(Scene& s, int variant) {
  PavedGround(s, 570 + variant, Hex(0xe7d8bb), 8.33);
  s.Ground([](cairo_t* cr) {
    // A rosette of darker stones around the centre.
    cairo_set_line_width(cr, 2.2);
    SetColor(cr, Hex(0xc7a77c), 0.9);
    Ellipse(cr, 50, 50, 30, 30);
    cairo_stroke(cr);
    SetColor(cr, Hex(0xb9936a), 0.8);
    Ellipse(cr, 50, 50, 21, 21);
    cairo_stroke(cr);
  });
  // A statue on a plinth in the middle.
  s.Add(Prism(0.5, 0.5, 0.09, 0, 5, 8, Hex(0xcdbfa5), Hex(0xe3d7c0)));
  s.Add(BoxSolid({0.46, 0.46, 0.54, 0.54, 5, 18}, Hex(0xd8ccb4), Hex(0xe8dcc6)));
  Solid statue;
  statue.anchor = {0.5, 0.5, 0};
  statue.order = 50;
  statue.custom = [](cairo_t* cr, const Iso& iso) {
    double x, y;
    iso.Screen({0.5, 0.5, 18}, x, y);
    const double z = iso.Zoom();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, z, z);
    cairo_move_to(cr, -4, 0);
    cairo_curve_to(cr, -5, -8, -3, -14, -1, -16);
    cairo_line_to(cr, -6, -22);
    cairo_line_to(cr, -4, -24);
    cairo_line_to(cr, 1, -18);
    cairo_curve_to(cr, 3, -14, 5, -8, 4, 0);
    cairo_close_path(cr);
    Ellipse(cr, 0, -20, 3, 3);
    cairo_pattern_t* p = cairo_pattern_create_linear(-5, -24, 5, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.45, 0.75, 0.65);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.2, 0.45, 0.4);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    cairo_set_source_rgb(cr, 0.12, 0.28, 0.26);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
  };
  s.Add(std::move(statue));
  for (auto [u, v] : {std::pair{0.14, 0.14}, {0.86, 0.14}, {0.14, 0.86}, {0.86, 0.86}})
    Tree(s, u, v, 40, 13, Leaf, 571 + static_cast<int>(u * 10 + v));
  Lamp(s, 0.3, 0.72, 24);
  Lamp(s, 0.72, 0.3, 24);
  Bench(s, 0.5, 0.18, true);
  Bench(s, 0.5, 0.82, true);
}

}  // namespace art
