// Houses, apartment blocks and the run-down old buildings.
#include <cmath>

#include "ArtPlots.h"

namespace art {

namespace {

using namespace palette;

struct Facade {
  int floors = 1;
  double floorHeight = 16;
  int doorSide = 3;
  Rgb door = Hex(0x8a4f31);
  Rgb frame = palette::Frame;
  bool shutters = false;
  Rgb shutter = RoofGreen;
  bool balconies = false;
  double windowWidth = 0;  // 0: automatic
  bool band = false;       // a light band between floors
};

WallDetail FacadeDetail(const Facade& fa) {
  return [fa](cairo_t* cr, const FaceInfo& f) {
    if (fa.band)
      for (int fl = 1; fl < fa.floors; ++fl) {
        SetColor(cr, Lit(Hex(0xffffff), f.shade), 0.35);
        cairo_rectangle(cr, 0, f.height - fa.floorHeight * fl - 1, f.width, 1.6);
        cairo_fill(cr);
      }
    const int perFloor = std::max(1, static_cast<int>(std::lround(f.width / 24)));
    const double ww = fa.windowWidth > 0 ? fa.windowWidth : std::min(9.0, f.width / (perFloor * 2.0));
    for (int fl = 0; fl < fa.floors; ++fl) {
      const double top = f.height - fa.floorHeight * (fl + 1) + fa.floorHeight * 0.24;
      for (int i = 0; i < perFloor; ++i) {
        const double cx = f.width * (i + 0.5) / perFloor;
        if (f.side == fa.doorSide && fl == 0 && i == perFloor / 2) {
          const double dh = std::min(fa.floorHeight * 0.8, 13.0);
          Door(cr, cx - 3.6, f.height - dh, 7.2, dh, f.shade, fa.door);
          continue;
        }
        Window(cr, cx - ww / 2, top, ww, fa.floorHeight * 0.48, f.shade, fa.frame, fa.shutters,
               fa.shutter);
        if (fa.balconies && fl > 0) {
          const double by = top + fa.floorHeight * 0.42;
          SetColor(cr, Lit(Hex(0xf4f1ea), f.shade));
          cairo_rectangle(cr, cx - ww * 0.9, by, ww * 1.8, fa.floorHeight * 0.3);
          cairo_fill(cr);
          SetColor(cr, Darken(Lit(Hex(0xf4f1ea), f.shade), 0.45), 0.8);
          cairo_set_line_width(cr, 0.5);
          for (double x = cx - ww * 0.9; x <= cx + ww * 0.9 + 0.01; x += ww * 0.45) {
            cairo_move_to(cr, x, by);
            cairo_line_to(cr, x, by + fa.floorHeight * 0.3);
          }
          cairo_rectangle(cr, cx - ww * 0.9, by, ww * 1.8, fa.floorHeight * 0.3);
          cairo_stroke(cr);
        }
      }
    }
    // A plinth in a darker tone grounds the wall.
    SetColor(cr, Darken(Lit(Hex(0x9a8a78), f.shade), 0.1), 0.55);
    cairo_rectangle(cr, 0, f.height - 2, f.width, 2);
    cairo_fill(cr);
  };
}

Detail Tiles(Rgb roof, double spacing = 4.0) {
  return [roof, spacing](cairo_t* cr, const FaceInfo& f) { TileLines(cr, f, roof, spacing); };
}

WallDetail GableWindow(Rgb frame) {
  return [frame](cairo_t* cr, const FaceInfo& f) {
    if (f.height < 12) return;
    const double r = std::min(f.height * 0.2, 4.0);
    SetColor(cr, Lit(frame, f.shade));
    Ellipse(cr, f.width / 2, f.height * 0.55, r + 1, r + 1);
    cairo_fill(cr);
    SetColor(cr, Lit(Glass, f.shade));
    Ellipse(cr, f.width / 2, f.height * 0.55, r, r);
    cairo_fill(cr);
  };
}

void Chimney(Scene& s, double u, double v, double z0, double z1, Rgb colour) {
  s.Add(BoxSolid({u - 0.022, v - 0.022, u + 0.022, v + 0.022, z0, z1}, colour, Darken(colour, 0.4)));
}

struct HouseStyle {
  Rgb wall, roof, door;
  bool shutters;
};

const HouseStyle kHouseStyles[4] = {
    {Cream, RoofRed, Hex(0x8a4f31), false},
    {Sky, RoofSlate, Hex(0xc0492f), true},
    {Butter, RoofTerra, Hex(0x3d6f93), false},
    {Rose, RoofBrown, Hex(0x5b8a4a), true},
};

void Garden(Scene& s, int variant, uint64_t seed, double doorU, double doorV) {
  LawnGround(s, seed);
  GroundPath(s, {{doorU, doorV}, {doorU, 101}}, 7, Paving);
  const bool left = variant % 2 == 0;
  Tree(s, left ? 0.16 : 0.84, left ? 0.22 : 0.18, 40, 15, variant == 3 ? Hex(0x6fb24a) : Leaf, seed + 1);
  Bush(s, left ? 0.85 : 0.14, 0.86, 7, LeafDark, seed + 2, variant % 2 == 1);
  Flowerbed(s, left ? 60 : 14, 84, left ? 88 : 42, 94, seed + 3);
}

}  // namespace

void House(Scene& s, int size, int variant) {
  const HouseStyle& st = kHouseStyles[variant % 4];
  const uint64_t seed = 100 + size * 10 + variant;
  Facade fa;
  fa.door = st.door;
  fa.shutters = st.shutters;
  fa.shutter = Darken(st.roof, 0.1);
  const bool mirror = variant >= 2;  // mirrored layouts for the last two variants
  auto U = [mirror](double u) { return mirror ? 1 - u : u; };
  auto BoxU = [&](double u0, double v0, double u1, double v1, double z0, double z1) {
    return Box{std::min(U(u0), U(u1)), v0, std::max(U(u0), U(u1)), v1, z0, z1};
  };
  if (size == 1) {
    Garden(s, variant, seed, 50, 76);
    Box body = BoxU(0.26, 0.32, 0.74, 0.76, 0, 22);
    fa.floorHeight = 22;
    s.Add(BoxSolid(body, st.wall, st.wall, FacadeDetail(fa)));
    s.Add(GableRoof(body, true, 24, 0.035, st.roof, st.wall, Tiles(st.roof), GableWindow(Frame)));
    Chimney(s, U(0.62), 0.45, 22, 48, Brick);
    return;
  }
  if (size == 2) {
    Garden(s, variant, seed, mirror ? 58 : 42, 78);
    Box body = BoxU(0.18, 0.3, 0.64, 0.78, 0, 28);
    fa.floorHeight = 28;
    fa.windowWidth = 8;
    s.Add(BoxSolid(body, st.wall, st.wall, FacadeDetail(fa)));
    s.Add(GableRoof(body, false, 26, 0.03, st.roof, st.wall, Tiles(st.roof), GableWindow(Frame)));
    Box garage = BoxU(0.66, 0.46, 0.88, 0.78, 0, 17);
    Facade gf = fa;
    gf.floorHeight = 16;
    gf.doorSide = -1;
    s.Add(BoxSolid(garage, Lighten(st.wall, 0.2), Darken(st.roof, 0.1), [](cairo_t* cr, const FaceInfo& f) {
      if (f.side != 3) return;
      SetColor(cr, Lit(Hex(0xd9d4cc), f.shade));
      cairo_rectangle(cr, f.width * 0.15, f.height * 0.3, f.width * 0.7, f.height * 0.7);
      cairo_fill(cr);
      SetColor(cr, Lit(Hex(0x9c958a), f.shade));
      cairo_set_line_width(cr, 0.6);
      for (double y = f.height * 0.4; y < f.height; y += 2.2) {
        cairo_move_to(cr, f.width * 0.15, y);
        cairo_line_to(cr, f.width * 0.85, y);
      }
      cairo_stroke(cr);
    }));
    Chimney(s, U(0.3), 0.5, 28, 58, Brick);
    return;
  }
  // A two-storey villa with a wing and a hip roof.
  LawnGround(s, seed, Hex(0x74bd4c));
  GroundPath(s, {{mirror ? 59 : 41, 74}, {mirror ? 59 : 41, 101}}, 8, Paving);
  Box body = BoxU(0.16, 0.28, 0.64, 0.76, 0, 36);
  fa.floors = 2;
  fa.floorHeight = 18;
  fa.band = true;
  fa.windowWidth = 7;
  s.Add(BoxSolid(body, st.wall, st.wall, FacadeDetail(fa)));
  s.Add(HipRoof(body, 20, 0.03, st.roof, Tiles(st.roof)));
  Box wing = BoxU(0.64, 0.42, 0.86, 0.7, 0, 18);
  Facade wf = fa;
  wf.floors = 1;
  wf.doorSide = -1;
  s.Add(BoxSolid(wing, st.wall, st.wall, FacadeDetail(wf)));
  s.Add(GableRoof(wing, true, 12, 0.02, st.roof, st.wall, Tiles(st.roof)));
  // Pool or terrace beside the wing.
  if (variant % 2 == 0) {
    GroundPatch(s, mirror ? 6 : 66, 72, mirror ? 34 : 94, 94, Paving, 3);
    GroundPatch(s, mirror ? 9 : 69, 75, mirror ? 31 : 91, 91, Water, 3, 0.35);
  } else {
    Flowerbed(s, mirror ? 8 : 66, 74, mirror ? 32 : 92, 92, seed + 4);
  }
  Tree(s, U(0.12), 0.16, 44, 16, Leaf, seed + 5);
  Conifer(s, U(0.88), 0.2, 40, 10, LeafDark);
  Bush(s, U(0.1), 0.8, 7, LeafDark, seed + 6, true);
}

// Block facades: windows plus coloured corner pilasters and a cornice.
WallDetail BlockWalls(const Facade& fa, Rgb accent) {
  return [fa, accent](cairo_t* cr, const FaceInfo& f) {
    FacadeDetail(fa)(cr, f);
    SetColor(cr, Lit(accent, f.shade));
    cairo_rectangle(cr, 0, 0, 3.5, f.height);
    cairo_rectangle(cr, f.width - 3.5, 0, 3.5, f.height);
    cairo_rectangle(cr, 0, 0, f.width, 3);
    cairo_fill(cr);
  };
}

void Block(Scene& s, int size, int variant) {
  static const Rgb kWalls[4] = {Hex(0xf6d9a8), Hex(0xc2def2), Hex(0xf7c6b2), Hex(0xd3ebbb)};
  static const Rgb accents[4] = {Hex(0xd2673f), Hex(0x3f78b8), Hex(0xb8504e), Hex(0x4f9a5e)};
  const Rgb wall = kWalls[variant % 4], accent = accents[variant % 4];
  const uint64_t seed = 200 + size * 10 + variant;
  LawnGround(s, seed);
  GroundPatch(s, 8, 60, 92, 97, Hex(0xe2d8c4), 3, 0.2);
  Facade fa;
  fa.floorHeight = 13;
  fa.frame = Hex(0xfaf7f0);
  fa.door = accent;
  fa.balconies = variant % 2 == 1;
  fa.band = true;
  fa.windowWidth = 6;
  const Rgb roof = Hex(0x9b9590);
  auto flatTop = [](cairo_t* cr, const FaceInfo& f) {
    SetColor(cr, Lit(Hex(0x7d7873), f.shade));
    cairo_rectangle(cr, 2.5, 2.5, f.width - 5, f.height - 5);
    cairo_fill(cr);
  };
  const bool mirror = variant >= 2;
  auto U = [mirror](double u) { return mirror ? 1 - u : u; };
  auto BoxU = [&](double u0, double v0, double u1, double v1, double z0, double z1) {
    return Box{std::min(U(u0), U(u1)), v0, std::max(U(u0), U(u1)), v1, z0, z1};
  };
  auto rooftop = [&](double u, double v, double z) {
    s.Add(BoxSolid(BoxU(u - 0.05, v - 0.04, u + 0.05, v + 0.04, z, z + 7), Hex(0xd9d2c8), Hex(0xb8b0a6)));
    s.Add(Prism(U(u + 0.12), v + 0.02, 0.03, z, z + 8, 10, accent, Darken(accent, 0.2)));
  };
  if (size == 1) {
    fa.floors = 3;
    Box body = BoxU(0.18, 0.26, 0.8, 0.64, 0, 39);
    s.Add(BoxSolid(body, wall, roof, BlockWalls(fa, accent), flatTop));
    rooftop(0.36, 0.4, 39);
    Tree(s, U(0.14), 0.84, 36, 13, Leaf, seed + 1);
    Bush(s, U(0.86), 0.18, 7, LeafDark, seed + 2, true);
    Car(s, U(0.6), 0.82, true, accent);
  } else if (size == 2) {
    fa.floors = 4;
    Box body = BoxU(0.27, 0.28, 0.71, 0.62, 0, 52);
    s.Add(BoxSolid(body, wall, roof, BlockWalls(fa, accent), flatTop));
    rooftop(0.42, 0.4, 52);
    Box entrance = BoxU(0.42, 0.62, 0.56, 0.7, 0, 12);
    s.Add(BoxSolid(entrance, Lighten(accent, 0.2), Darken(accent, 0.1)));
    Tree(s, U(0.14), 0.84, 38, 13, Leaf, seed + 1);
    Tree(s, U(0.86), 0.8, 34, 12, LeafLight, seed + 3);
    Car(s, U(0.2), 0.45, false, Hex(0xf2c14e));
  } else {
    fa.floors = 5;
    fa.floorHeight = 12.5;
    Box tower = BoxU(0.34, 0.33, 0.66, 0.62, 0, 64);
    s.Add(BoxSolid(tower, wall, roof, BlockWalls(fa, accent), flatTop));
    s.Add(BoxSolid(BoxU(0.44, 0.42, 0.54, 0.5, 64, 70), Hex(0xd9d2c8), Hex(0xb8b0a6)));
    Box wing = BoxU(0.66, 0.4, 0.86, 0.66, 0, 26);
    Facade wf = fa;
    wf.floors = 2;
    wf.doorSide = -1;
    s.Add(BoxSolid(wing, Mix(wall, accent, 0.2), roof, FacadeDetail(wf), flatTop));
    Tree(s, U(0.16), 0.84, 38, 13, Leaf, seed + 1);
    Bush(s, U(0.16), 0.4, 8, LeafDark, seed + 2, true);
    Car(s, U(0.6), 0.84, true, Hex(0x6c8ebf));
  }
}

void OldHouse(Scene& s, int variant) {
  LawnGround(s, 301 + variant, Hex(0x93a956));
  const Rgb wall = Hex(0xc9b79c), roof = Hex(0x7d6a5c);
  Facade fa;
  fa.floorHeight = 20;
  fa.door = Hex(0x5d4a3a);
  fa.frame = Hex(0xd8cfc0);
  Box body{0.28, 0.36, 0.68, 0.7, 0, 20};
  s.Add(BoxSolid(body, wall, wall, [fa](cairo_t* cr, const FaceInfo& f) {
    FacadeDetail(fa)(cr, f);
    // Weathered patches and a boarded window.
    SetColor(cr, Hex(0x8d7b63), 0.35);
    Ellipse(cr, f.width * 0.25, f.height * 0.3, 5, 3);
    cairo_fill(cr);
    SetColor(cr, Lit(Hex(0x8a6a4a), f.shade));
    cairo_save(cr);
    cairo_translate(cr, f.width * 0.78, f.height * 0.45);
    cairo_rotate(cr, -0.3);
    cairo_rectangle(cr, -6, -1.2, 12, 2.4);
    cairo_fill(cr);
    cairo_restore(cr);
  }));
  s.Add(GableRoof(body, true, 18, 0.03, roof, wall, [roof](cairo_t* cr, const FaceInfo& f) {
    TileLines(cr, f, roof, 4);
    SetColor(cr, Lit(Hex(0xa68c70), f.shade));
    cairo_rectangle(cr, f.width * 0.55, f.height * 0.35, 8, 6);
    cairo_fill(cr);
  }));
  FenceLine(s, 0.08, 0.92, 0.5, 0.92, 7, Hex(0x9b8163), 5);
  Bush(s, 0.82, 0.82, 8, Hex(0x6a8a3a), 305, false);
  Tree(s, 0.16, 0.2, 38, 14, Hex(0x7a9a45), 306);
}

void OldBlock(Scene& s, int variant) {
  PavedGround(s, 401 + variant, Hex(0xb9b2a5), 14);
  const Rgb wall = Hex(0xb4aba0);
  Facade fa;
  fa.floors = 3;
  fa.floorHeight = 13;
  fa.frame = Hex(0xcfc8bc);
  fa.door = Hex(0x5b5550);
  fa.windowWidth = 6;
  Box body{0.22, 0.3, 0.78, 0.66, 0, 39};
  s.Add(BoxSolid(body, wall, Hex(0x77716b), [fa](cairo_t* cr, const FaceInfo& f) {
    FacadeDetail(fa)(cr, f);
    SetColor(cr, Hex(0x5d5750), 0.25);
    cairo_rectangle(cr, 0, 0, f.width, 3);
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) {
      SetColor(cr, Hex(0x6e655b), 0.3);
      cairo_rectangle(cr, f.width * (0.2 + 0.3 * i), 3, 1.5, f.height * 0.5);
      cairo_fill(cr);
    }
  }));
  Rock(s, 0.85, 0.82, 5, 402, Hex(0x9a9288));
  Bush(s, 0.14, 0.84, 7, Hex(0x6a8a3a), 403);
}

}  // namespace art
