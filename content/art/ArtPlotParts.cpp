#include <algorithm>
#include <cmath>

#include "ArtPlots.h"

namespace art {


namespace {

void Diamond(cairo_t* cr) { cairo_rectangle(cr, 0, 0, 100, 100); }

// Light top-left rim and darker bottom-right rim, so neighbouring plots read apart.
void Bevel(cairo_t* cr, Rgb base) {
  cairo_set_line_width(cr, 1.3);
  SetColor(cr, Lighten(base, 0.35), 0.7);
  cairo_move_to(cr, 0.6, 99.4);
  cairo_line_to(cr, 0.6, 0.6);
  cairo_line_to(cr, 99.4, 0.6);
  cairo_stroke(cr);
  SetColor(cr, Darken(base, 0.3), 0.6);
  cairo_move_to(cr, 99.4, 0.6);
  cairo_line_to(cr, 99.4, 99.4);
  cairo_line_to(cr, 0.6, 99.4);
  cairo_stroke(cr);
}

void Speckle(cairo_t* cr, Rng& rng, int count, Rgb a, Rgb b, double size, double alpha) {
  for (int i = 0; i < count; ++i) {
    const double x = rng.Range(1, 99), y = rng.Range(1, 99);
    SetColor(cr, Mix(a, b, rng.Next()), alpha);
    Ellipse(cr, x, y, size * rng.Range(0.5, 1.2), size * rng.Range(0.5, 1.2));
    cairo_fill(cr);
  }
}

}  // namespace

void LawnGround(Scene& s, uint64_t seed, Rgb base) {
  s.Ground([seed, base](cairo_t* cr) {
    Diamond(cr);
    // Slightly brighter towards the light.
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 100, 100);
    Rgb hi = Lighten(base, 0.08), lo = Darken(base, 0.06);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Rng rng(seed);
    Speckle(cr, rng, 90, Darken(base, 0.18), Lighten(base, 0.2), 1.6, 0.45);
    cairo_set_line_width(cr, 0.5);
    for (int i = 0; i < 140; ++i) {
      const double x = rng.Range(2, 98), y = rng.Range(2, 98);
      SetColor(cr, rng.Next() < 0.5 ? Darken(base, 0.2) : Lighten(base, 0.25), 0.6);
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x - 0.9, y - 1.1);
      cairo_stroke(cr);
    }
    Bevel(cr, base);
  });
}

void DirtGround(Scene& s, uint64_t seed) {
  s.Ground([seed](cairo_t* cr) {
    Diamond(cr);
    SetColor(cr, palette::Dirt);
    cairo_fill(cr);
    Rng rng(seed);
    Speckle(cr, rng, 160, palette::DirtDark, Lighten(palette::Dirt, 0.25), 1.3, 0.5);
    Speckle(cr, rng, 18, Darken(palette::Dirt, 0.25), palette::DirtDark, 3.5, 0.25);
    Bevel(cr, palette::Dirt);
  });
}

void PavedGround(Scene& s, uint64_t seed, Rgb tile, double tileSize) {
  s.Ground([seed, tile, tileSize](cairo_t* cr) {
    Diamond(cr);
    SetColor(cr, tile);
    cairo_fill(cr);
    Rng rng(seed);
    for (double x = 0; x < 100; x += tileSize)
      for (double y = 0; y < 100; y += tileSize) {
        SetColor(cr, Mix(Darken(tile, 0.05), Lighten(tile, 0.08), rng.Next()));
        cairo_rectangle(cr, x + 0.5, y + 0.5, tileSize - 1, tileSize - 1);
        cairo_fill(cr);
      }
    SetColor(cr, Darken(tile, 0.22), 0.8);
    cairo_set_line_width(cr, 0.5);
    for (double x = 0; x <= 100.01; x += tileSize) {
      cairo_move_to(cr, x, 0);
      cairo_line_to(cr, x, 100);
      cairo_move_to(cr, 0, x);
      cairo_line_to(cr, 100, x);
    }
    cairo_stroke(cr);
    Bevel(cr, tile);
  });
}

void ForestGround(Scene& s, uint64_t seed) {
  s.Ground([seed](cairo_t* cr) {
    Diamond(cr);
    SetColor(cr, Hex(0x5c8f3c));
    cairo_fill(cr);
    Rng rng(seed);
    Speckle(cr, rng, 70, Hex(0x4a7530), Hex(0x8a7a45), 3.0, 0.45);
    Speckle(cr, rng, 120, Hex(0x3f6a2a), Hex(0x7fb04f), 1.2, 0.5);
    Bevel(cr, Hex(0x5c8f3c));
  });
}

void GroundPatch(Scene& s, double u0, double v0, double u1, double v1, Rgb colour, double radius,
                 double edgeDarken) {
  s.Ground([=](cairo_t* cr) {
    RoundedRect(cr, u0, v0, u1 - u0, v1 - v0, radius);
    SetColor(cr, colour);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.9);
    SetColor(cr, Darken(colour, edgeDarken), 0.8);
    cairo_stroke(cr);
  });
}

void GroundPath(Scene& s, std::vector<std::pair<double, double>> points, double width, Rgb colour) {
  s.Ground([points, width, colour](cairo_t* cr) {
    for (size_t i = 0; i < points.size(); ++i)
      (i ? cairo_line_to : cairo_move_to)(cr, points[i].first, points[i].second);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, width + 1.4);
    SetColor(cr, Darken(colour, 0.2));
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, width);
    SetColor(cr, colour);
    cairo_stroke(cr);
  });
}

void Flowerbed(Scene& s, double u0, double v0, double u1, double v1, uint64_t seed) {
  GroundPatch(s, u0, v0, u1, v1, Hex(0x8a5f3f), 2, 0.25);
  s.Ground([=](cairo_t* cr) {
    Rng rng(seed);
    const Rgb colours[] = {Hex(0xff5f6d), Hex(0xffd23f), Hex(0xffffff), Hex(0xc77dff), Hex(0xff9f43)};
    for (int i = 0; i < (u1 - u0) * (v1 - v0) / 5; ++i) {
      const double x = rng.Range(u0 + 1, u1 - 1), y = rng.Range(v0 + 1, v1 - 1);
      SetColor(cr, Hex(0x3f8a3a));
      Ellipse(cr, x, y, 1.5, 1.5);
      cairo_fill(cr);
      SetColor(cr, colours[rng.Int(5)]);
      Ellipse(cr, x - 0.3, y - 0.3, 0.9, 0.9);
      cairo_fill(cr);
    }
  });
}

void Window(cairo_t* cr, double x, double y, double w, double h, double shade, Rgb frame,
            bool shutters, Rgb shutter) {
  const double f = std::max(0.8, std::min(w, h) * 0.14);
  if (shutters) {
    SetColor(cr, Lit(shutter, shade));
    cairo_rectangle(cr, x - w * 0.42, y, w * 0.4, h);
    cairo_rectangle(cr, x + w * 1.02, y, w * 0.4, h);
    cairo_fill(cr);
  }
  SetColor(cr, Lit(frame, shade));
  cairo_rectangle(cr, x - f, y - f, w + 2 * f, h + 2 * f);
  cairo_fill(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(x, y, x + w, y + h);
  Rgb a = Lit(palette::GlassLight, std::min(1.0, shade + 0.1)), b = Lit(palette::Glass, shade);
  cairo_pattern_add_color_stop_rgb(p, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(p, 0.55, b.r, b.g, b.b);
  cairo_pattern_add_color_stop_rgb(p, 1, b.r * 0.85, b.g * 0.85, b.b * 0.9);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  SetColor(cr, Lit(frame, shade));
  cairo_rectangle(cr, x + w / 2 - f * 0.35, y, f * 0.7, h);
  if (h > w * 1.1) cairo_rectangle(cr, x, y + h * 0.45, w, f * 0.6);
  cairo_fill(cr);
  SetColor(cr, Darken(Lit(frame, shade), 0.5), 0.5);
  cairo_set_line_width(cr, 0.6);
  cairo_rectangle(cr, x - f, y - f, w + 2 * f, h + 2 * f);
  cairo_stroke(cr);
}

void Door(cairo_t* cr, double x, double y, double w, double h, double shade, Rgb colour) {
  SetColor(cr, Lit(palette::Frame, shade));
  cairo_rectangle(cr, x - 1.2, y - 1.2, w + 2.4, h + 1.2);
  cairo_fill(cr);
  FillVertical(cr, y, Lit(Lighten(colour, 0.12), shade), y + h, Lit(colour, shade), true);
  cairo_new_path(cr);
  cairo_rectangle(cr, x, y, w, h);
  FillVertical(cr, y, Lit(Lighten(colour, 0.12), shade), y + h, Lit(Darken(colour, 0.1), shade));
  SetColor(cr, Darken(Lit(colour, shade), 0.35), 0.7);
  cairo_set_line_width(cr, 0.6);
  cairo_rectangle(cr, x + w * 0.18, y + h * 0.12, w * 0.64, h * 0.3);
  cairo_rectangle(cr, x + w * 0.18, y + h * 0.52, w * 0.64, h * 0.36);
  cairo_stroke(cr);
  SetColor(cr, Hex(0xf3c84b));
  Ellipse(cr, x + w * 0.8, y + h * 0.55, 0.8, 0.8);
  cairo_fill(cr);
}

void Awning(cairo_t* cr, double x, double y, double w, double h, double shade, Rgb a, Rgb b) {
  const int stripes = std::max(3, static_cast<int>(w / 5));
  for (int i = 0; i < stripes; ++i) {
    SetColor(cr, Lit(i % 2 ? b : a, shade));
    const double sx = x + w * i / stripes, sw = w / stripes;
    cairo_move_to(cr, sx, y);
    cairo_line_to(cr, sx + sw, y);
    cairo_line_to(cr, sx + sw, y + h);
    cairo_arc(cr, sx + sw / 2, y + h, sw / 2, 0, M_PI);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  SetColor(cr, Darken(Lit(a, shade), 0.4), 0.6);
  cairo_set_line_width(cr, 0.6);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + w, y);
  cairo_stroke(cr);
}

void Sign(cairo_t* cr, double x, double y, double w, double h, double shade, Rgb board, Rgb ink,
          const std::string& glyph) {
  RoundedRect(cr, x, y, w, h, h * 0.25);
  SetColor(cr, Lit(board, shade));
  cairo_fill_preserve(cr);
  SetColor(cr, Darken(Lit(board, shade), 0.45));
  cairo_set_line_width(cr, 0.7);
  cairo_stroke(cr);
  if (glyph.empty()) return;
  UseFont(cr, Font::SansBold, h * 0.78);
  SetColor(cr, Lit(ink, shade));
  TextPath(cr, glyph, x + w / 2, y + h * 0.78, 0.5);
  cairo_fill(cr);
}

void FloorWindows(cairo_t* cr, const FaceInfo& f, int floors, double floorHeight, int perFloor,
                  double shade, Rgb frame, bool door, Rgb doorColour, bool balconies) {
  const double ww = std::min(9.0, f.width / (perFloor * 1.9));
  const double wh = floorHeight * 0.5;
  for (int fl = 0; fl < floors; ++fl) {
    const double top = f.height - floorHeight * (fl + 1) + floorHeight * 0.22;
    for (int i = 0; i < perFloor; ++i) {
      const double cx = f.width * (i + 0.5) / perFloor;
      if (door && fl == 0 && i == perFloor / 2) {
        const double dh = floorHeight * 0.78;
        Door(cr, cx - ww * 0.6, f.height - dh, ww * 1.2, dh, shade, doorColour);
        continue;
      }
      Window(cr, cx - ww / 2, top, ww, wh, shade, frame);
      if (balconies && fl > 0) {
        SetColor(cr, Lit(Hex(0xeeeeee), shade));
        cairo_rectangle(cr, cx - ww * 0.85, top + wh * 0.7, ww * 1.7, wh * 0.45);
        cairo_fill(cr);
        SetColor(cr, Darken(Lit(Hex(0xeeeeee), shade), 0.4), 0.7);
        cairo_set_line_width(cr, 0.5);
        cairo_rectangle(cr, cx - ww * 0.85, top + wh * 0.7, ww * 1.7, wh * 0.45);
        cairo_stroke(cr);
      }
    }
  }
}

namespace {

void FoliageBall(cairo_t* cr, double x, double y, double r, Rgb leaf) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.1, x, y, r * 1.05);
  const Rgb hi = Lighten(leaf, 0.28), lo = Darken(leaf, 0.3);
  cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 0.55, leaf.r, leaf.g, leaf.b);
  cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
  Ellipse(cr, x, y, r, r);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

}  // namespace

void Tree(Scene& s, double u, double v, double height, double radius, Rgb leaf, uint64_t seed) {
  Solid t;
  t.anchor = {u, v, 0};
  t.custom = [=](cairo_t* cr, const Iso& iso) {
    double x, y;
    iso.Screen({u, v, 0}, x, y);
    const double z = iso.Zoom(), r = radius * z, h = height * z;
    SetColor(cr, palette::Trunk);
    cairo_move_to(cr, x - r * 0.16, y);
    cairo_line_to(cr, x - r * 0.09, y - h * 0.55);
    cairo_line_to(cr, x + r * 0.09, y - h * 0.55);
    cairo_line_to(cr, x + r * 0.16, y);
    cairo_close_path(cr);
    cairo_fill(cr);
    Rng rng(seed);
    const double cy = y - h + r * 0.95;
    // Outline first: one dark ball per cluster, then the lit balls inside.
    struct Ball { double x, y, r; };
    std::vector<Ball> balls = {{x, cy, r * 0.8}};
    for (int i = 0; i < 5; ++i) {
      const double a = M_PI * (0.9 + 1.2 * i / 4.0) + rng.Jitter(0.4);
      balls.push_back({x + std::cos(a) * r * 0.45, cy - std::sin(a) * r * 0.35 + r * 0.12,
                       r * rng.Range(0.5, 0.62)});
    }
    for (const Ball& b : balls) {
      Ellipse(cr, b.x, b.y, b.r + 1.0 * z, b.r + 1.0 * z);
      SetColor(cr, Darken(leaf, 0.55));
      cairo_fill(cr);
    }
    std::sort(balls.begin(), balls.end(), [](const Ball& a, const Ball& b) { return a.y > b.y; });
    for (const Ball& b : balls) FoliageBall(cr, b.x, b.y, b.r, leaf);
    for (int i = 0; i < 6; ++i) {
      SetColor(cr, Lighten(leaf, 0.45), 0.5);
      Ellipse(cr, x + rng.Jitter(r) - r * 0.15, cy + rng.Jitter(r * 0.8) - r * 0.2, 1.2 * z, 0.9 * z);
      cairo_fill(cr);
    }
  };
  s.Add(std::move(t));
  s.BlobShadow(u, v, radius / 126.0 * 0.9, height * 0.55);
}

void Conifer(Scene& s, double u, double v, double height, double radius, Rgb leaf) {
  Solid t;
  t.anchor = {u, v, 0};
  t.custom = [=](cairo_t* cr, const Iso& iso) {
    double x, y;
    iso.Screen({u, v, 0}, x, y);
    const double z = iso.Zoom(), r = radius * z, h = height * z;
    SetColor(cr, palette::Trunk);
    cairo_rectangle(cr, x - r * 0.12, y - h * 0.25, r * 0.24, h * 0.25);
    cairo_fill(cr);
    for (int tier = 0; tier < 3; ++tier) {
      const double base = y - h * (0.15 + tier * 0.24), top = base - h * 0.45;
      const double w = r * (1.0 - tier * 0.22);
      auto tri = [&](cairo_t* c) {
        cairo_move_to(c, x, top);
        cairo_curve_to(c, x + w * 0.3, top + h * 0.2, x + w * 0.8, base - h * 0.05, x + w, base);
        cairo_curve_to(c, x + w * 0.4, base + h * 0.05, x - w * 0.4, base + h * 0.05, x - w, base);
        cairo_curve_to(c, x - w * 0.8, base - h * 0.05, x - w * 0.3, top + h * 0.2, x, top);
        cairo_close_path(c);
      };
      tri(cr);
      SetColor(cr, Darken(leaf, 0.55));
      cairo_set_line_width(cr, 2.0 * z);
      cairo_stroke_preserve(cr);
      cairo_pattern_t* p = cairo_pattern_create_linear(x - w, top, x + w, base);
      const Rgb hi = Lighten(leaf, 0.2), lo = Darken(leaf, 0.28);
      cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
      cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
      cairo_set_source(cr, p);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
    }
  };
  s.Add(std::move(t));
  s.BlobShadow(u, v, radius / 126.0 * 0.8, height * 0.5);
}

void Bush(Scene& s, double u, double v, double radius, Rgb leaf, uint64_t seed, bool flowers) {
  Solid t;
  t.anchor = {u, v, 0};
  t.custom = [=](cairo_t* cr, const Iso& iso) {
    double x, y;
    iso.Screen({u, v, 0}, x, y);
    const double z = iso.Zoom(), r = radius * z;
    Rng rng(seed);
    const double offsets[3][2] = {{-0.45, -0.25}, {0.45, -0.2}, {0, -0.55}};
    for (auto& o : offsets) {
      Ellipse(cr, x + o[0] * r, y + o[1] * r, r * 0.62 + 0.8 * z, r * 0.55 + 0.8 * z);
      SetColor(cr, Darken(leaf, 0.55));
      cairo_fill(cr);
    }
    for (auto& o : offsets) {
      cairo_save(cr);
      cairo_translate(cr, x + o[0] * r, y + o[1] * r);
      cairo_scale(cr, 1, 0.88);
      FoliageBall(cr, 0, 0, r * 0.62, leaf);
      cairo_restore(cr);
    }
    if (flowers)
      for (int i = 0; i < 7; ++i) {
        SetColor(cr, i % 2 ? Hex(0xff6b81) : Hex(0xfff1a8));
        Ellipse(cr, x + rng.Jitter(r * 1.4), y - r * 0.4 + rng.Jitter(r * 0.7), 1.1 * z, 1.1 * z);
        cairo_fill(cr);
      }
  };
  s.Add(std::move(t));
  s.BlobShadow(u, v, radius / 126.0 * 0.8, radius * 0.6);
}

void Lamp(Scene& s, double u, double v, double height) {
  Solid t;
  t.anchor = {u, v, 0};
  t.custom = [=](cairo_t* cr, const Iso& iso) {
    double x, y;
    iso.Screen({u, v, 0}, x, y);
    const double z = iso.Zoom(), h = height * z;
    SetColor(cr, Hex(0x3c4a57));
    cairo_rectangle(cr, x - 0.8 * z, y - h, 1.6 * z, h);
    cairo_fill(cr);
    Ellipse(cr, x, y - h - 1.5 * z, 2.6 * z, 2.6 * z);
    cairo_fill(cr);
    SetColor(cr, Hex(0xfff3b0));
    Ellipse(cr, x - 0.4 * z, y - h - 1.9 * z, 1.6 * z, 1.6 * z);
    cairo_fill(cr);
  };
  s.Add(std::move(t));
  s.BlobShadow(u, v, 0.012, height * 0.5);
}

void Bench(Scene& s, double u, double v, bool alongU) {
  const double l = 0.07, w = 0.025;
  Box seat = alongU ? Box{u - l, v - w, u + l, v + w, 3, 4.5} : Box{u - w, v - l, u + w, v + l, 3, 4.5};
  s.Add(BoxSolid(seat, palette::Wood, Lighten(palette::Wood, 0.1)));
  Box back = alongU ? Box{u - l, v - w, u + l, v - w + 0.008, 4.5, 8}
                    : Box{u - w, v - l, u - w + 0.008, v + l, 4.5, 8};
  s.Add(BoxSolid(back, palette::WoodDark, palette::Wood));
}

void FenceLine(Scene& s, double u0, double v0, double u1, double v1, double height, Rgb colour,
               int posts) {
  for (int i = 0; i < posts; ++i) {
    const double t = posts == 1 ? 0.5 : static_cast<double>(i) / (posts - 1);
    const double u = u0 + (u1 - u0) * t, v = v0 + (v1 - v0) * t;
    s.Add(BoxSolid({u - 0.008, v - 0.008, u + 0.008, v + 0.008, 0, height}, colour, Lighten(colour, 0.2)));
    if (i + 1 < posts) {
      const double t2 = static_cast<double>(i + 1) / (posts - 1);
      const double un = u0 + (u1 - u0) * t2, vn = v0 + (v1 - v0) * t2;
      const double a = std::min(u, un), b = std::max(u, un), c = std::min(v, vn), d = std::max(v, vn);
      s.Add(BoxSolid({a - 0.003, c - 0.003, b + 0.003, d + 0.003, height * 0.55, height * 0.75}, colour,
                     Lighten(colour, 0.2)));
    }
  }
}

void Rock(Scene& s, double u, double v, double size, uint64_t seed, Rgb colour) {
  Solid t;
  t.anchor = {u, v, 0};
  t.custom = [=](cairo_t* cr, const Iso& iso) {
    double x, y;
    iso.Screen({u, v, 0}, x, y);
    Rng rng(seed);
    const double z = iso.Zoom(), r = size * z;
    std::vector<std::pair<double, double>> pts;
    const int n = 7;
    for (int i = 0; i < n; ++i) {
      const double a = M_PI * i / (n - 1);
      const double rr = r * rng.Range(0.75, 1.05);
      pts.emplace_back(x - std::cos(a) * rr, y - std::sin(a) * rr * 0.85 + r * 0.25);
    }
    Polygon(cr, pts);
    SetColor(cr, Darken(colour, 0.5));
    cairo_set_line_width(cr, 1.8 * z);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(x - r, y - r, x + r * 0.6, y + r * 0.3);
    const Rgb hi = Lighten(colour, 0.3), lo = Darken(colour, 0.3);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Darken(colour, 0.3), 0.6);
    cairo_set_line_width(cr, 0.7 * z);
    cairo_move_to(cr, x - r * 0.2, y - r * 0.6);
    cairo_line_to(cr, x + r * 0.05, y - r * 0.1);
    cairo_line_to(cr, x + r * 0.4, y + r * 0.05);
    cairo_stroke(cr);
  };
  s.Add(std::move(t));
  s.BlobShadow(u, v, size / 126.0 * 0.9, size * 0.5);
}

void Car(Scene& s, double u, double v, bool alongU, Rgb body) {
  const double l = 0.085, w = 0.04;
  Box lower = alongU ? Box{u - l, v - w, u + l, v + w, 1.5, 6} : Box{u - w, v - l, u + w, v + l, 1.5, 6};
  s.Add(BoxSolid(lower, body, Lighten(body, 0.1)));
  const double l2 = l * 0.55;
  Box cabin = alongU ? Box{u - l2, v - w * 0.9, u + l2 * 0.6, v + w * 0.9, 6, 10}
                     : Box{u - w * 0.9, v - l2, u + w * 0.9, v + l2 * 0.6, 6, 10};
  s.Add(BoxSolid(cabin, Mix(palette::Glass, body, 0.25), Lighten(body, 0.15)));
}

}  // namespace art
