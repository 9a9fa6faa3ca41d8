// Open land, obstacles and industry: building plots, debris, forests, the station, the
// sawmill, the factory, the glade, the dump and the farm.
#include <cmath>

#include "ArtPlots.h"

namespace art {

namespace {

using namespace palette;

Detail Tiles(Rgb roof, double spacing = 4.0) {
  return [roof, spacing](cairo_t* cr, const FaceInfo& f) { TileLines(cr, f, roof, spacing); };
}

WallDetail PlainWindows(double floorHeight, int floors, Rgb frame, int doorSide = 3,
                        Rgb door = Hex(0x6b4a32)) {
  return [=](cairo_t* cr, const FaceInfo& f) {
    const int n = std::max(1, static_cast<int>(std::lround(f.width / 24)));
    for (int fl = 0; fl < floors; ++fl)
      for (int i = 0; i < n; ++i) {
        const double cx = f.width * (i + 0.5) / n;
        if (f.side == doorSide && fl == 0 && i == n / 2) {
          Door(cr, cx - 4, f.height - 12, 8, 12, f.shade, door);
          continue;
        }
        Window(cr, cx - 3.5, f.height - floorHeight * (fl + 1) + floorHeight * 0.25, 7,
               floorHeight * 0.45, f.shade, frame);
      }
  };
}

WallDetail Planks(Rgb wood) {
  return [wood](cairo_t* cr, const FaceInfo& f) {
    SetColor(cr, Darken(Lit(wood, f.shade), 0.3), 0.6);
    cairo_set_line_width(cr, 0.6);
    for (double x = 3; x < f.width; x += 4) {
      cairo_move_to(cr, x, 0);
      cairo_line_to(cr, x, f.height);
    }
    cairo_stroke(cr);
  };
}

// Pegs with a string marking out the plot, and a small sign.
void Stakes(Scene& s, double inset) {
  const double a = inset, b = 1 - inset;
  for (auto [u, v] : {std::pair{a, a}, {b, a}, {b, b}, {a, b}})
    s.Add(BoxSolid({u - 0.008, v - 0.008, u + 0.008, v + 0.008, 0, 8}, Hex(0xe9d3a3), Hex(0xe84e3c)));
  s.Ground([a, b](cairo_t* cr) {
    SetColor(cr, Hex(0xfaf2dc), 0.9);
    cairo_set_line_width(cr, 0.6);
    cairo_rectangle(cr, a * 100, a * 100, (b - a) * 100, (b - a) * 100);
    cairo_stroke(cr);
  });
}

void PileOf(Scene& s, double u, double v, double r, double h, Rgb colour, uint64_t seed, int chunks) {
  Rng rng(seed);
  s.Add(Cone(u, v, r, 0, h, 9, colour));
  s.Add(Cone(u + r * 0.45, v + r * 0.3, r * 0.6, 0, h * 0.7, 8, Lighten(colour, 0.08)));
  s.Add(Cone(u - r * 0.4, v + r * 0.4, r * 0.5, 0, h * 0.55, 7, Darken(colour, 0.06)));
  for (int i = 0; i < chunks; ++i) {
    const double a = rng.Range(0, 2 * M_PI), d = rng.Range(0.3, 1.1) * r;
    const double cu = u + std::cos(a) * d, cv = v + std::sin(a) * d, sz = rng.Range(0.015, 0.03);
    const Rgb c = Mix(colour, rng.Next() < 0.5 ? Hex(0x8f8a84) : Hex(0xb46a4c), rng.Range(0.3, 0.8));
    s.Add(BoxSolid({cu - sz, cv - sz * 0.7, cu + sz, cv + sz * 0.7, 0, rng.Range(2, 5)}, c, Lighten(c, 0.15)));
  }
}

void Beam(Scene& s, double u0, double v0, double u1, double v1, double z, Rgb c) {
  s.Add(BoxSolid({std::min(u0, u1), std::min(v0, v1), std::max(u0, u1), std::max(v0, v1), z, z + 2.5}, c,
                 Lighten(c, 0.15)));
}

void Smoke(Scene& s, double u, double v, double z) {
  Solid puff;
  puff.anchor = {u, v, 0};
  puff.order = 1000;
  puff.custom = [=](cairo_t* cr, const Iso& iso) {
    double x, y;
    iso.Screen({u, v, z}, x, y);
    const double k = iso.Zoom();
    for (int i = 0; i < 3; ++i) {
      const double r = (3 + i * 1.6) * k;
      FillRadial(cr, x + i * 4 * k, y - (4 + i * 6) * k, r, Hex(0xffffff), Hex(0xd8dde2));
      cairo_new_path(cr);
      SetColor(cr, Hex(0xe8ecef), 0.85 - i * 0.2);
      Ellipse(cr, x + i * 4 * k, y - (4 + i * 6) * k, r, r * 0.9);
      cairo_fill(cr);
    }
  };
  s.Add(std::move(puff));
}

}  // namespace

void BuildingPlot(Scene& s, int variant) {
  if (variant == 0) {
    DirtGround(s, 600);
    s.Ground([](cairo_t* cr) {
      // Tyre tracks across the earth.
      SetColor(cr, Hex(0x8f6640), 0.35);
      cairo_set_line_width(cr, 2.2);
      for (double off : {0.0, 7.0}) {
        cairo_move_to(cr, 12 + off, 100);
        cairo_curve_to(cr, 30 + off, 70, 40 + off, 50, 70 + off, 30);
      }
      cairo_stroke(cr);
    });
  } else {
    LawnGround(s, 601, Hex(0x8cc35a));
    GroundPatch(s, 18, 18, 82, 82, Hex(0xb99a6a), 6, 0.2);
  }
  Stakes(s, 0.14);
  // A little "for building" board.
  s.Add(BoxSolid({0.82, 0.6, 0.835, 0.615, 0, 16}, WoodDark, Wood));
  s.Add(BoxSolid({0.79, 0.59, 0.87, 0.6, 10, 22}, Hex(0xfdf6e3), Hex(0xfdf6e3), [](cairo_t* cr, const FaceInfo& f) {
    SetColor(cr, Lit(Hex(0x3f7fbf), f.shade));
    cairo_rectangle(cr, 1.5, 1.5, f.width - 3, 3);
    cairo_fill(cr);
    SetColor(cr, Lit(Hex(0x6b4a32), f.shade));
    for (int i = 0; i < 2; ++i) cairo_rectangle(cr, 2, 6.5 + i * 2.5, f.width - 4 - i * 3, 1);
    cairo_fill(cr);
  }));
  if (variant == 0) {
    Rock(s, 0.28, 0.3, 4, 602, Hex(0xa08c74));
  } else {
    Bush(s, 0.2, 0.78, 6, LeafDark, 603);
  }
}

void Debris(Scene& s, int amount, int variant) {
  const uint64_t seed = 620 + amount * 7 + variant;
  DirtGround(s, seed);
  s.Ground([seed](cairo_t* cr) {
    Rng rng(seed + 1);
    for (int i = 0; i < 40; ++i) {
      SetColor(cr, Mix(Hex(0x8f8a84), Hex(0xb46a4c), rng.Next()), 0.7);
      cairo_rectangle(cr, rng.Range(8, 90), rng.Range(8, 90), rng.Range(1.5, 3.5), rng.Range(1, 2.5));
      cairo_fill(cr);
    }
  });
  const Rgb rubble = Hex(0xa39a8e);
  if (amount == 1) {
    PileOf(s, 0.45, 0.5, 0.16, 12, rubble, seed + 2, 6);
    Beam(s, 0.58, 0.66, 0.78, 0.69, 0, Hex(0x9a7050));
    Bush(s, 0.2, 0.22, 5, Hex(0x7a9a45), seed + 3);
  } else if (amount == 2) {
    PileOf(s, 0.36, 0.4, 0.18, 16, rubble, seed + 2, 8);
    PileOf(s, 0.66, 0.64, 0.13, 11, Hex(0xb08670), seed + 4, 6);
    s.Add(BoxSolid({0.2, 0.72, 0.42, 0.76, 0, 14}, Hex(0xc9b59c), Hex(0xd8c6ad), [](cairo_t* cr, const FaceInfo& f) {
      Window(cr, f.width * 0.4, 3, 6, 6, f.shade, Hex(0xd0c7b8));
    }));
    Beam(s, 0.7, 0.2, 0.73, 0.45, 0, Hex(0x9a7050));
  } else {
    PileOf(s, 0.5, 0.48, 0.24, 22, rubble, seed + 2, 12);
    PileOf(s, 0.24, 0.74, 0.12, 10, Hex(0xb08670), seed + 4, 5);
    PileOf(s, 0.78, 0.26, 0.1, 9, rubble, seed + 5, 4);
    s.Add(BoxSolid({0.66, 0.7, 0.7, 0.9, 0, 24}, Hex(0xc4a98a), Hex(0xd6bd9e), [](cairo_t* cr, const FaceInfo& f) {
      Window(cr, f.width * 0.3, 4, 5, 7, f.shade, Hex(0xd0c7b8));
    }));
    Beam(s, 0.26, 0.2, 0.5, 0.23, 0, Hex(0x9a7050));
    Beam(s, 0.7, 0.55, 0.94, 0.58, 0, Hex(0x7e5a3e));
  }
}

void Forest(Scene& s, int density, int variant) {
  const uint64_t seed = 700 + density * 10 + variant;
  ForestGround(s, seed);
  Rng rng(seed);
  // Jittered grid; denser forests keep more of its points and add conifers.
  const int grid = 3 + density / 2;
  for (int i = 0; i < grid; ++i)
    for (int j = 0; j < grid; ++j) {
      if (rng.Next() > 0.4 + density * 0.15) continue;
      const double u = (i + 0.5 + rng.Jitter(0.6)) / grid, v = (j + 0.5 + rng.Jitter(0.6)) / grid;
      const double du = std::abs(u - 0.5), dv = std::abs(v - 0.5);
      // Tall trees near the back corners would leave the picture.
      const double room = 88 - 63 * (du + dv);
      const double h = std::min(rng.Range(38, 50), room - 2);
      if (u < 0.08 || v < 0.08 || u > 0.92 || v > 0.92 || h < 26) continue;
      if (rng.Next() < 0.2 + density * 0.12)
        Conifer(s, u, v, h, rng.Range(9, 11), Mix(LeafDark, Hex(0x2a6a45), rng.Next()));
      else
        Tree(s, u, v, h, rng.Range(13, 17), Mix(Leaf, variant ? Hex(0x78b342) : LeafDark, rng.Next()),
             seed * 31 + i * 7 + j);
    }
  for (int i = 0; i < 3 + density; ++i)
    Bush(s, rng.Range(0.12, 0.88), rng.Range(0.12, 0.88), rng.Range(4, 6), Hex(0x4f8f3a), seed + 50 + i);
}

void Station(Scene& s, int variant) {
  // The platform lies on the model's v-min side; the maps turn the station (orientation c)
  // so that it faces the tracks.
  PavedGround(s, 800 + variant, Hex(0xd8cdb6), 12.5);
  s.Ground([](cairo_t* cr) {
    SetColor(cr, Hex(0xf2d36b));
    cairo_rectangle(cr, 6, 4, 88, 2.2);  // the platform's safety line
    cairo_fill(cr);
  });
  const Rgb wall = Hex(0xd9a46c), roof = Hex(0x6b4f7a);
  Box body{0.2, 0.44, 0.62, 0.84, 0, 26};
  s.Add(BoxSolid(body, wall, wall, PlainWindows(26, 1, Hex(0xf6efe0), 2, Hex(0x3d6f93))));
  s.Add(GableRoof(body, true, 18, 0.03, roof, wall, Tiles(roof)));
  const Box tower{0.48, 0.56, 0.6, 0.68, 26, 50};
  s.Add(BoxSolid(tower, wall, wall, [](cairo_t* cr, const FaceInfo& f) {
    SetColor(cr, Lit(Hex(0xffffff), f.shade));
    Ellipse(cr, f.width / 2, 8, 5, 5);
    cairo_fill(cr);
    SetColor(cr, Lit(Hex(0x333333), f.shade));
    cairo_set_line_width(cr, 0.8);
    Ellipse(cr, f.width / 2, 8, 5, 5);
    cairo_move_to(cr, f.width / 2, 8);
    cairo_line_to(cr, f.width / 2, 4.5);
    cairo_move_to(cr, f.width / 2, 8);
    cairo_line_to(cr, f.width / 2 + 2.5, 8);
    cairo_stroke(cr);
  }));
  s.Add(HipRoof(tower, 12, 0.015, roof, Tiles(roof)));
  // Platform roof on posts along the tracks.
  for (double u : {0.3, 0.7})
    s.Add(BoxSolid({u - 0.01, 0.2, u + 0.01, 0.22, 0, 20}, Hex(0x5a5a66), Hex(0x5a5a66)));
  s.Add(GableRoof({0.12, 0.1, 0.88, 0.36, 0, 20}, true, 6, 0.02, Hex(0x4f8d5d), Hex(0x4f8d5d)));
  Bench(s, 0.5, 0.3, true);
  Lamp(s, 0.9, 0.5, 24);
  Bush(s, 0.84, 0.9, 7, LeafDark, 803, true);
}

void Sawmill(Scene& s, int variant) {
  DirtGround(s, 820 + variant);
  s.Ground([](cairo_t* cr) {
    SetColor(cr, Hex(0xe8c98f), 0.55);  // sawdust
    Ellipse(cr, 40, 62, 22, 14);
    cairo_fill(cr);
  });
  const Rgb wood = Hex(0xb07a48);
  Box shed{0.2, 0.2, 0.62, 0.56, 0, 24};
  s.Add(BoxSolid(shed, wood, wood, Planks(wood)));
  s.Add(GableRoof(shed, true, 14, 0.04, Hex(0x7d8a8f), wood, Tiles(Hex(0x7d8a8f), 3)));
  // Log stacks.
  for (int row = 0; row < 3; ++row)
    s.Add(Prism(0.72 + row * 0.0, 0.3 + row * 0.08, 0.035, 0, 6 + row * 0.0, 8, Hex(0x8d5b3a), Hex(0xe0b077)));
  for (int i = 0; i < 4; ++i) {
    const double v = 0.7 + i * 0.05;
    s.Add(BoxSolid({0.3, v - 0.02, 0.6, v + 0.02, 0, 5}, Hex(0x8d5b3a), Hex(0x9c6a45), [](cairo_t* cr, const FaceInfo& f) {
      if (f.side > 1) return;
      SetColor(cr, Lit(Hex(0xe0b077), f.shade));
      Ellipse(cr, f.width / 2, f.height / 2, f.width * 0.45, f.height * 0.45);
      cairo_fill(cr);
    }));
  }
  Conifer(s, 0.86, 0.82, 38, 10, LeafDark);
  Smoke(s, 0.3, 0.35, 42);
}

void Factory(Scene& s, int variant) {
  PavedGround(s, 840 + variant, Hex(0xc8c2b6), 16.6);
  const Rgb wall = variant == 0 ? Hex(0xb9674a) : Hex(0x9fb2bd);
  const Rgb roof = Hex(0x6d747a);
  Box hall{0.16, 0.24, 0.66, 0.7, 0, 24};
  s.Add(BoxSolid(hall, wall, wall, PlainWindows(24, 1, Hex(0xe9e4da), 3, Hex(0x5b6670))));
  // Saw-tooth roof: three small gables.
  for (int i = 0; i < 3; ++i) {
    const double u0 = 0.16 + i * (0.5 / 3);
    s.Add(GableRoof({u0, 0.24, u0 + 0.5 / 3, 0.7, 0, 24}, false, 10, 0.0, roof, wall, Tiles(roof, 3)));
  }
  // Chimney.
  const double cu = variant == 0 ? 0.74 : 0.3, cv = variant == 0 ? 0.32 : 0.8;
  s.Add(Prism(cu, cv, 0.05, 0, 54, 12, Hex(0xa35a42), Hex(0x40302a)));
  s.Add(Prism(cu, cv, 0.057, 45, 49, 12, Hex(0xe7e0d4), Hex(0xe7e0d4)));
  Smoke(s, cu, cv, 56);
  if (variant == 0) {
    s.Add(Prism(0.8, 0.74, 0.08, 0, 20, 14, Hex(0xd8dde2), Hex(0xbfc6cc)));
  } else {
    s.Add(BoxSolid({0.72, 0.2, 0.9, 0.44, 0, 14}, Hex(0xd6c28f), Hex(0xc2ad78)));
  }
}

void Glade(Scene& s, int variant) {
  LawnGround(s, 860 + variant, Hex(0x86c657));
  s.Ground([](cairo_t* cr) {
    Rng rng(861);
    const Rgb flowers[] = {Hex(0xffffff), Hex(0xffe066), Hex(0xff8fab), Hex(0xb28dff)};
    for (int i = 0; i < 70; ++i) {
      SetColor(cr, flowers[rng.Int(4)]);
      Ellipse(cr, rng.Range(6, 94), rng.Range(6, 94), 0.9, 0.9);
      cairo_fill(cr);
    }
  });
  Tree(s, 0.18, 0.24, 42, 15, Leaf, 862);
  Tree(s, 0.26, 0.8, 40, 14, LeafLight, 863);
  Conifer(s, 0.8, 0.2, 40, 10, LeafDark);
  Bush(s, 0.82, 0.76, 7, LeafDark, 864, true);
  Rock(s, 0.6, 0.55, 5, 865);
}

void Dump(Scene& s, int variant) {
  DirtGround(s, 880 + variant);
  PileOf(s, 0.4, 0.42, 0.2, 18, Hex(0x8f8a6a), 881, 10);
  PileOf(s, 0.7, 0.68, 0.14, 12, Hex(0x7f8a8c), 882, 7);
  // Old tyres and a skip.
  s.Add(BoxSolid({0.16, 0.66, 0.38, 0.8, 0, 11}, Hex(0x3f7f5f), Hex(0x2c5a43)));
  for (double u : {0.74, 0.8})
    s.Add(Prism(u, 0.28, 0.035, 0, 3, 10, Hex(0x2c2c30), Hex(0x505058)));
  FenceLine(s, 0.06, 0.06, 0.94, 0.06, 9, Hex(0x9aa0a6), 7);
  FenceLine(s, 0.94, 0.06, 0.94, 0.94, 9, Hex(0x9aa0a6), 7);
}

void Farm(Scene& s, int variant) {
  LawnGround(s, 900 + variant, Hex(0x8fc45a));
  s.Ground([](cairo_t* cr) {
    // Rows of crops on half the plot.
    SetColor(cr, Hex(0x9c7a4c));
    cairo_rectangle(cr, 52, 6, 42, 88);
    cairo_fill(cr);
    cairo_set_line_width(cr, 2.2);
    SetColor(cr, Hex(0x6aa83e));
    for (double x = 56; x < 92; x += 5) {
      cairo_move_to(cr, x, 9);
      cairo_line_to(cr, x, 91);
    }
    cairo_stroke(cr);
  });
  const Rgb barn = Hex(0xc0483a);
  Box body{0.14, 0.2, 0.46, 0.56, 0, 24};
  s.Add(BoxSolid(body, barn, barn, [](cairo_t* cr, const FaceInfo& f) {
    Planks(Hex(0xc0483a))(cr, f);
    if (f.side != 3 && f.side != 0) return;
    SetColor(cr, Lit(Hex(0xf4efe4), f.shade));
    cairo_set_line_width(cr, 1.6);
    const double x = f.width / 2 - 7, y = f.height - 16;
    cairo_rectangle(cr, x, y, 14, 16);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 14, y + 16);
    cairo_move_to(cr, x + 14, y);
    cairo_line_to(cr, x, y + 16);
    cairo_stroke(cr);
  }));
  s.Add(GableRoof(body, false, 16, 0.03, Hex(0x6f5a4a), barn, Tiles(Hex(0x6f5a4a))));
  s.Add(Prism(0.3, 0.74, 0.07, 0, 44, 14, Hex(0xdfe4e8), Hex(0xcfd6dc)));
  s.Add(Cone(0.3, 0.74, 0.075, 44, 52, 14, Hex(0x9aa5ad)));
  FenceLine(s, 0.06, 0.94, 0.48, 0.94, 7, Hex(0xf1e9d8), 6);
  Tree(s, 0.86, 0.16, 40, 14, Leaf, 903);
}

}  // namespace art
