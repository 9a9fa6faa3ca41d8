// The ground pictures of the 24 maps: a 5 x 5 diamond of plots in a landscape. Plots of the
// ground kinds (grass, lake, river, field, rock, railroad) draw nothing themselves, so each
// map paints them where the game's own scenario layout puts them, with lakes, rivers and
// rails joining across neighbouring cells and running on off the grid.
#include <cmath>

#include "ArtContent.h"
#include "ArtDraw.h"
#include "ArtPlots.h"
#include "game/OrmelMission.h"

namespace art {

namespace {

constexpr int kMapWidth = 1280, kMapHeight = 640;

// Grid coordinates: cell (X, Y) spans [X, X+1] x [Y, Y+1]; X runs up-right, Y down-right.
cairo_matrix_t GridMatrix() {
  cairo_matrix_t m;
  cairo_matrix_init(&m, 126, -63, 126, 63, 10, 320);
  return m;
}

void ToGrid(cairo_t* cr) {
  cairo_matrix_t m = GridMatrix();
  cairo_transform(cr, &m);
}

struct MapInfo {
  const TMapLayout& layout;
  int number;
  int Kind(int x, int y) const {
    if (x < 0 || y < 0 || x > 4 || y > 4) return -1;
    return layout[x][y].Kind;
  }
  int Orientation(int x, int y) const { return layout[x][y].Orientation; }
  int Count(int kind) const {
    int n = 0;
    for (int x = 0; x < 5; ++x)
      for (int y = 0; y < 5; ++y) n += Kind(x, y) == kind;
    return n;
  }
};

const int kDirs[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};

// ---- Masks: shapes are drawn into A8 masks, softened, then cut at levels into bands ----

Surface NewMask() { return NewSurface(kMapWidth, kMapHeight, CAIRO_FORMAT_A8); }

// Paints Colour where the softened mask lies between Lo and Hi (a smooth step).
void Band(cairo_t* cr, const Surface& mask, double lo, double hi, Rgb colour, double alpha = 1) {
  Surface level = NewMask();
  cairo_surface_flush(mask.get());
  const int stride = cairo_image_surface_get_stride(mask.get());
  const uint8_t* src = cairo_image_surface_get_data(mask.get());
  uint8_t* dst = cairo_image_surface_get_data(level.get());
  for (int y = 0; y < kMapHeight; ++y)
    for (int x = 0; x < kMapWidth; ++x) {
      const double a = src[y * stride + x] / 255.0;
      const double t = std::clamp((a - lo) / (hi - lo), 0.0, 1.0);
      dst[y * stride + x] = static_cast<uint8_t>(255 * t * t * (3 - 2 * t));
    }
  cairo_surface_mark_dirty(level.get());
  SetColor(cr, colour, alpha);
  cairo_mask_surface(cr, level.get(), 0, 0);
}

// ---- Landscape ----

void Meadow(cairo_t* cr, Rng& rng, const MapInfo& map) {
  const bool autumn = map.number % 6 == 5;
  const Rgb base = autumn ? Hex(0x8ab84e) : Hex(0x76b94a);
  cairo_set_source_rgb(cr, base.r, base.g, base.b);
  cairo_paint(cr);
  // Soft light from the top left.
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, kMapWidth, kMapHeight);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 0.85, 0.12);
  cairo_pattern_add_color_stop_rgba(p, 1, 0, 0.1, 0, 0.12);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  for (int i = 0; i < 40; ++i) {
    const double x = rng.Range(0, kMapWidth), y = rng.Range(0, kMapHeight), r = rng.Range(40, 120);
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
    const Rgb c = rng.Next() < 0.5 ? Darken(base, 0.12) : Lighten(base, 0.1);
    cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, 0.5);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, g);
    Ellipse(cr, x, y, r, r * 0.5);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  for (int i = 0; i < 900; ++i) {
    const double x = rng.Range(0, kMapWidth), y = rng.Range(0, kMapHeight);
    SetColor(cr, rng.Next() < 0.5 ? Darken(base, 0.16) : Lighten(base, 0.16), 0.35);
    Ellipse(cr, x, y, rng.Range(3, 10), rng.Range(1.5, 4));
    cairo_fill(cr);
  }
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < 2200; ++i) {
    const double x = rng.Range(0, kMapWidth), y = rng.Range(0, kMapHeight);
    SetColor(cr, rng.Next() < 0.5 ? Darken(base, 0.25) : Lighten(base, 0.3), 0.5);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - 1, y - 3);
    cairo_stroke(cr);
  }
}

// The town's plots sit on slightly tidier ground, with a faint kerb around the whole grid.
void GridBed(cairo_t* cr) {
  cairo_save(cr);
  ToGrid(cr);
  cairo_rectangle(cr, -0.03, -0.03, 5.06, 5.06);
  SetColor(cr, Hex(0x5e9a3c), 0.5);
  cairo_set_line_width(cr, 0.05);
  cairo_stroke(cr);
  cairo_rectangle(cr, 0, 0, 5, 5);
  SetColor(cr, Hex(0x8cc95e), 0.25);
  cairo_fill(cr);
  cairo_restore(cr);
}

bool InGridArea(double x, double y, double margin) {
  // Inside the diamond (in picture pixels), grown by Margin grid units.
  const double gx = ((x - 10) / 126 - (y - 320) / 63) / 2, gy = ((x - 10) / 126 + (y - 320) / 63) / 2;
  return gx > -margin && gy > -margin && gx < 5 + margin && gy < 5 + margin;
}

bool Blocked(const Surface& blocked, double x, double y) {
  const int px = std::clamp(static_cast<int>(x), 0, kMapWidth - 1);
  const int py = std::clamp(static_cast<int>(y), 0, kMapHeight - 1);
  cairo_surface_flush(blocked.get());
  return cairo_image_surface_get_data(blocked.get())[py * cairo_image_surface_get_stride(blocked.get()) + px] > 20;
}

void CornerScenery(Scene& scene, Rng& rng, const MapInfo& map, int trees, const Surface& blocked) {
  const int woods = map.Count(pkForest1) + map.Count(pkForest2) + map.Count(pkForest3) +
                    map.Count(pkForest4) + map.Count(pkWoods1) + map.Count(pkWoods2) +
                    map.Count(pkWoods3) + map.Count(pkWoods4);
  const int count = trees + woods * 2;
  int placed = 0;
  for (int tries = 0; tries < 4000 && placed < count; ++tries) {
    const double x = rng.Range(0, kMapWidth), y = rng.Range(20, kMapHeight + 40);
    if (InGridArea(x, y, 0.25) || Blocked(blocked, x, y)) continue;
    // Keep the lower corners open: the action icons sit there.
    if (y > 380 && (x < 480 || x > 800)) continue;
    const double gx = ((x - 10) / 126 - (y - 320) / 63) / 2, gy = ((x - 10) / 126 + (y - 320) / 63) / 2;
    if (rng.Next() < 0.35 + woods * 0.02)
      Conifer(scene, gx, gy, rng.Range(40, 56), rng.Range(10, 13), Mix(palette::LeafDark, Hex(0x2a6a45), rng.Next()));
    else
      Tree(scene, gx, gy, rng.Range(40, 54), rng.Range(14, 18), Mix(palette::Leaf, palette::LeafLight, rng.Next()),
           rng.Bits());
    ++placed;
  }
  for (int i = 0; i < 26; ++i) {
    const double x = rng.Range(0, kMapWidth), y = rng.Range(0, kMapHeight);
    if (InGridArea(x, y, 0.15) || Blocked(blocked, x, y)) continue;
    const double gx = ((x - 10) / 126 - (y - 320) / 63) / 2, gy = ((x - 10) / 126 + (y - 320) / 63) / 2;
    if (rng.Next() < 0.7) Bush(scene, gx, gy, rng.Range(6, 10), palette::LeafDark, rng.Bits(), rng.Next() < 0.4);
    else Rock(scene, gx, gy, rng.Range(5, 9), rng.Bits());
  }
}

// ---- Ground kinds ----

void Grass(cairo_t* cr, Scene& scene, Rng& rng, int x, int y) {
  cairo_save(cr);
  ToGrid(cr);
  cairo_rectangle(cr, x + 0.02, y + 0.02, 0.96, 0.96);
  SetColor(cr, Hex(0x86c65a), 0.55);
  cairo_fill(cr);
  const Rgb flowers[] = {Hex(0xffffff), Hex(0xffe066), Hex(0xff8fab), Hex(0xb28dff), Hex(0xff7b4a)};
  for (int i = 0; i < 60; ++i) {
    SetColor(cr, flowers[rng.Int(5)]);
    Ellipse(cr, x + rng.Range(0.06, 0.94), y + rng.Range(0.06, 0.94), 0.012, 0.012);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  for (int i = 0; i < 2; ++i)
    Bush(scene, x + rng.Range(0.2, 0.8), y + rng.Range(0.2, 0.8), rng.Range(6, 9), Hex(0x4f9a3a), rng.Bits(),
         rng.Next() < 0.5);
}

void Field(cairo_t* cr, Rng& rng, const MapInfo& map, int x, int y) {
  const bool wheat = (map.number + x + y) % 3 != 0;
  cairo_save(cr);
  ToGrid(cr);
  RoundedRect(cr, x + 0.05, y + 0.05, 0.9, 0.9, 0.06);
  SetColor(cr, Hex(0x5f8a3a));
  cairo_set_line_width(cr, 0.05);
  cairo_stroke_preserve(cr);
  SetColor(cr, Hex(0xa47a4c));
  cairo_fill(cr);
  const bool alongX = map.Orientation(x, y) % 2 == 0;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int row = 0; row < 9; ++row) {
    const double t = 0.12 + row * 0.095;
    if (alongX) {
      cairo_move_to(cr, x + 0.1, y + t);
      cairo_line_to(cr, x + 0.9, y + t);
    } else {
      cairo_move_to(cr, x + t, y + 0.1);
      cairo_line_to(cr, x + t, y + 0.9);
    }
  }
  cairo_set_line_width(cr, 0.055);
  SetColor(cr, wheat ? Hex(0xe9c45a) : Hex(0x6fb544));
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 0.02);
  SetColor(cr, wheat ? Hex(0xf7e08f) : Hex(0x9fd86a));
  cairo_stroke(cr);
  (void)rng;
  cairo_restore(cr);
}

void RockCell(cairo_t* cr, Scene& scene, Rng& rng, int x, int y) {
  cairo_save(cr);
  ToGrid(cr);
  RoundedRect(cr, x + 0.04, y + 0.04, 0.92, 0.92, 0.25);
  SetColor(cr, Hex(0xa8a08e), 0.9);
  cairo_fill(cr);
  for (int i = 0; i < 50; ++i) {
    SetColor(cr, Mix(Hex(0x8a8376), Hex(0xc9c2b2), rng.Next()));
    Ellipse(cr, x + rng.Range(0.1, 0.9), y + rng.Range(0.1, 0.9), 0.015, 0.012);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  for (int i = 0; i < 5; ++i)
    Rock(scene, x + rng.Range(0.22, 0.78), y + rng.Range(0.22, 0.78), rng.Range(12, 22), rng.Bits(),
         Mix(Hex(0x9a958a), Hex(0xb5ab98), rng.Next()));
}

// Directions of a linear feature (river, railroad) leaving cell (x, y): towards neighbours of
// the same kind, and off the grid where an end touches the edge.
std::vector<int> Links(const MapInfo& map, int kind, int x, int y) {
  std::vector<int> dirs;
  for (int d = 0; d < 4; ++d)
    if (map.Kind(x + kDirs[d][0], y + kDirs[d][1]) == kind) dirs.push_back(d);
  auto onEdge = [&](int d) { return map.Kind(x + kDirs[d][0], y + kDirs[d][1]) < 0; };
  if (dirs.size() == 1 && onEdge((dirs[0] + 2) % 4)) dirs.push_back((dirs[0] + 2) % 4);
  if (dirs.empty()) {
    const int axis = map.Orientation(x, y) % 2;  // 0: along X, 1: along Y
    dirs = {axis, axis + 2};
  }
  if (dirs.size() == 1) dirs.push_back((dirs[0] + 2) % 4);
  return dirs;
}

// Polylines (grid units) for the cell: pairs of links are joined through the centre with a
// curve; three or more links meet at the centre. Edge links run on to the picture border.
std::vector<std::vector<std::pair<double, double>>> Strokes(const MapInfo& map, int kind, int x, int y) {
  const std::vector<int> dirs = Links(map, kind, x, y);
  const double cx = x + 0.5, cy = y + 0.5;
  auto edge = [&](int d) {
    const bool off = map.Kind(x + kDirs[d][0], y + kDirs[d][1]) < 0;
    const double reach = off ? 3.0 : 0.5;
    return std::pair{cx + kDirs[d][0] * reach, cy + kDirs[d][1] * reach};
  };
  auto mid = [&](int d) { return std::pair{cx + kDirs[d][0] * 0.5, cy + kDirs[d][1] * 0.5}; };
  std::vector<std::vector<std::pair<double, double>>> out;
  if (dirs.size() == 2) {
    const auto a = mid(dirs[0]), b = mid(dirs[1]);
    std::vector<std::pair<double, double>> line{edge(dirs[0])};
    for (int i = 0; i <= 16; ++i) {
      const double t = i / 16.0, u = 1 - t;
      line.emplace_back(u * u * a.first + 2 * u * t * cx + t * t * b.first,
                        u * u * a.second + 2 * u * t * cy + t * t * b.second);
    }
    line.push_back(edge(dirs[1]));
    out.push_back(line);
  } else {
    for (int d : dirs) out.push_back({edge(d), mid(d), {cx, cy}});
  }
  return out;
}

void StrokePolyline(cairo_t* cr, const std::vector<std::pair<double, double>>& line) {
  for (size_t i = 0; i < line.size(); ++i)
    (i ? cairo_line_to : cairo_move_to)(cr, line[i].first, line[i].second);
}

std::vector<std::vector<std::pair<double, double>>> AllStrokes(const MapInfo& map, int kind) {
  std::vector<std::vector<std::pair<double, double>>> all;
  for (int x = 0; x < 5; ++x)
    for (int y = 0; y < 5; ++y)
      if (map.Kind(x, y) == kind)
        for (auto& s : Strokes(map, kind, x, y)) all.push_back(s);
  return all;
}

void Block(const Surface& blocked, const Surface& mask) {
  Context bc = NewContext(blocked);
  cairo_mask_surface(bc.get(), mask.get(), 0, 0);
}

void Rivers(cairo_t* cr, const MapInfo& map, const Surface& blocked) {
  const auto strokes = AllStrokes(map, pkRiver);
  if (strokes.empty()) return;
  Surface mask = NewMask();
  {
    Context mc = NewContext(mask);
    ToGrid(mc.get());
    cairo_set_line_cap(mc.get(), CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(mc.get(), CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(mc.get(), 0.62);
    for (const auto& s : strokes) StrokePolyline(mc.get(), s);
    cairo_set_source_rgba(mc.get(), 0, 0, 0, 1);
    cairo_stroke(mc.get());
  }
  Blur(mask.get(), 14);
  Block(blocked, mask);
  Band(cr, mask, 0.18, 0.3, Hex(0xcdb98a));   // sandy banks
  Band(cr, mask, 0.33, 0.42, Hex(0x4fa8d4));  // water
  Band(cr, mask, 0.55, 0.85, Hex(0x3a88bd));  // deeper middle
  // Ripples along the flow.
  cairo_save(cr);
  ToGrid(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const double dashes[] = {0.08, 0.22};
  cairo_set_dash(cr, dashes, 2, 0);
  cairo_set_line_width(cr, 0.018);
  SetColor(cr, Hex(0xdff5ff), 0.55);
  for (double off : {-0.1, 0.08}) {
    for (const auto& s : strokes) {
      cairo_save(cr);
      cairo_translate(cr, off * 0.5, off);
      StrokePolyline(cr, s);
      cairo_restore(cr);
    }
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void Lakes(cairo_t* cr, Rng& rng, const MapInfo& map, const Surface& blocked) {
  if (map.Count(pkLake) == 0) return;
  Surface mask = NewMask();
  {
    Context mc = NewContext(mask);
    ToGrid(mc.get());
    cairo_set_source_rgba(mc.get(), 0, 0, 0, 1);
    for (int x = 0; x < 5; ++x)
      for (int y = 0; y < 5; ++y) {
        if (map.Kind(x, y) != pkLake) continue;
        cairo_rectangle(mc.get(), x - 0.04, y - 0.04, 1.08, 1.08);
        // Lakes at the edge of the town spread out into the landscape.
        for (int d = 0; d < 4; ++d)
          if (map.Kind(x + kDirs[d][0], y + kDirs[d][1]) < 0)
            cairo_rectangle(mc.get(), x + kDirs[d][0] * 0.9 - 0.05, y + kDirs[d][1] * 0.9 - 0.05, 1.1, 1.1);
      }
    cairo_fill(mc.get());
  }
  Blur(mask.get(), 18);
  Block(blocked, mask);
  Band(cr, mask, 0.2, 0.32, Hex(0xd9c796));
  Band(cr, mask, 0.36, 0.44, Hex(0x6cc0e2));
  Band(cr, mask, 0.5, 0.75, Hex(0x4a9dcc));
  Band(cr, mask, 0.75, 1.0, Hex(0x3a84b8));
  // Sparkles on the water and reeds on the shore.
  cairo_surface_flush(mask.get());
  const uint8_t* data = cairo_image_surface_get_data(mask.get());
  const int stride = cairo_image_surface_get_stride(mask.get());
  for (int i = 0; i < 400; ++i) {
    const int px = rng.Int(kMapWidth), py = rng.Int(kMapHeight);
    const int a = data[py * stride + px];
    if (a > 140 && rng.Next() < 0.5) {
      SetColor(cr, Hex(0xffffff), 0.6);
      Ellipse(cr, px, py, rng.Range(3, 7), 1.2);
      cairo_fill(cr);
    } else if (a > 70 && a < 95) {
      SetColor(cr, Hex(0x4d8a32));
      cairo_set_line_width(cr, 1.4);
      for (int k = -1; k <= 1; ++k) {
        cairo_move_to(cr, px + k * 2, py);
        cairo_line_to(cr, px + k * 3, py - 9 - std::abs(k) * -2);
      }
      cairo_stroke(cr);
    }
  }
}

void Railroads(cairo_t* cr, const MapInfo& map, const Surface& blocked) {
  const auto strokes = AllStrokes(map, pkRailroad);
  if (strokes.empty()) return;
  {
    Context bc = NewContext(blocked);
    ToGrid(bc.get());
    for (const auto& s : strokes) StrokePolyline(bc.get(), s);
    cairo_set_line_width(bc.get(), 0.7);
    cairo_stroke(bc.get());
  }
  cairo_save(cr);
  ToGrid(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  auto all = [&]() {
    for (const auto& s : strokes) StrokePolyline(cr, s);
  };
  all();
  cairo_set_line_width(cr, 0.4);
  SetColor(cr, Hex(0x9c927e));
  cairo_stroke(cr);
  all();
  cairo_set_line_width(cr, 0.34);
  SetColor(cr, Hex(0xbcb29c));
  cairo_stroke(cr);
  // Sleepers across each polyline, every 0.11 units.
  SetColor(cr, Hex(0x7a5535));
  for (const auto& s : strokes) {
    double carry = 0;
    for (size_t i = 1; i < s.size(); ++i) {
      const double dx = s[i].first - s[i - 1].first, dy = s[i].second - s[i - 1].second;
      const double len = std::hypot(dx, dy);
      if (len < 1e-9) continue;
      const double nx = -dy / len, ny = dx / len;
      double t = carry;
      for (; t < len; t += 0.11) {
        const double px = s[i - 1].first + dx * t / len, py = s[i - 1].second + dy * t / len;
        cairo_move_to(cr, px + nx * 0.14 - dx / len * 0.02, py + ny * 0.14 - dy / len * 0.02);
        cairo_line_to(cr, px - nx * 0.14 - dx / len * 0.02, py - ny * 0.14 - dy / len * 0.02);
        cairo_line_to(cr, px - nx * 0.14 + dx / len * 0.02, py - ny * 0.14 + dy / len * 0.02);
        cairo_line_to(cr, px + nx * 0.14 + dx / len * 0.02, py + ny * 0.14 + dy / len * 0.02);
        cairo_close_path(cr);
      }
      carry = t - len;
    }
  }
  cairo_fill(cr);
  // Two rails: dark base, bright top.
  for (int side = -1; side <= 1; side += 2)
    for (const auto& s : strokes) {
      std::vector<std::pair<double, double>> rail;
      for (size_t i = 0; i < s.size(); ++i) {
        const size_t a = i == 0 ? 0 : i - 1, b = i + 1 < s.size() ? i + 1 : i;
        const double dx = s[b].first - s[a].first, dy = s[b].second - s[a].second;
        const double len = std::max(1e-9, std::hypot(dx, dy));
        rail.emplace_back(s[i].first - dy / len * 0.075 * side, s[i].second + dx / len * 0.075 * side);
      }
      StrokePolyline(cr, rail);
      cairo_set_line_width(cr, 0.03);
      SetColor(cr, Hex(0x4a4a52));
      cairo_stroke_preserve(cr);
      cairo_set_line_width(cr, 0.012);
      SetColor(cr, Hex(0xe6e8ec));
      cairo_stroke(cr);
    }
  cairo_restore(cr);
}

Surface DrawMap(int number) {
  const MapInfo map{MapLayout(number), number};
  return Paint(kMapWidth, kMapHeight, [&](cairo_t* cr) {
    Rng rng(5000 + number * 97);
    Meadow(cr, rng, map);
    GridBed(cr);
    Iso iso(136, 320, 126, 63, 0);
    Scene scene(iso);
    for (int x = 0; x < 5; ++x)
      for (int y = 0; y < 5; ++y) {
        const int kind = map.Kind(x, y);
        if (kind == pkGrass) Grass(cr, scene, rng, x, y);
        else if (kind == pkField) Field(cr, rng, map, x, y);
        else if (kind == pkRock) RockCell(cr, scene, rng, x, y);
      }
    Surface blocked = NewMask();
    Lakes(cr, rng, map, blocked);
    Rivers(cr, map, blocked);
    Railroads(cr, map, blocked);
    CornerScenery(scene, rng, map, 16, blocked);
    scene.Render(cr, 0.28);
  });
}

}  // namespace

void SaveMaps(Output& out) {
  for (int n = 1; n <= 24; ++n) out.SaveTexture(SinglePicture("Map" + std::to_string(n), DrawMap(n)));
}

}  // namespace art
