#include "ArtIso.h"

#include <algorithm>
#include <cmath>

namespace art {

P3 operator+(P3 a, P3 b) { return {a.u + b.u, a.v + b.v, a.z + b.z}; }
P3 operator-(P3 a, P3 b) { return {a.u - b.u, a.v - b.v, a.z - b.z}; }
P3 operator*(P3 a, double f) { return {a.u * f, a.v * f, a.z * f}; }

namespace {

// A plot edge is 178 metric units long; one pixel of height is 1.155 of them (a 30 degree
// view from above gives the 2:1 diamonds).
constexpr double kEdge = 178.2, kRise = 1.1547;
// Pixel units used by face details along an edge of a whole plot.
constexpr double kEdgePixels = 140.9;
const P3 kLight = [] {
  const double n = std::sqrt(0.3 * 0.3 + 0.5 * 0.5 + 0.81 * 0.81);
  return P3{-0.3 / n, -0.5 / n, 0.81 / n};
}();
const P3 kViewer{-0.61, 0.61, 0.5};

double Dot(P3 a, P3 b) { return a.u * b.u + a.v * b.v + a.z * b.z; }
P3 Normalized(P3 a) {
  const double n = std::sqrt(Dot(a, a));
  return n > 0 ? a * (1 / n) : a;
}

}  // namespace

P3 Metric(P3 d) { return {d.u * kEdge, d.v * kEdge, d.z * kRise}; }
P3 Cross(P3 a, P3 b) {
  return {a.v * b.z - a.z * b.v, a.z * b.u - a.u * b.z, a.u * b.v - a.v * b.u};
}
Rgb Lit(Rgb c, double shade) {
  // Shadowed sides turn slightly cool rather than just darker.
  const double cool = (1 - shade) * 0.12;
  return {std::clamp(c.r * shade, 0.0, 1.0), std::clamp(c.g * shade + cool * 0.2, 0.0, 1.0),
          std::clamp(c.b * shade + cool, 0.0, 1.0)};
}

Iso::Iso(double cx, double cy, double halfWidth, double halfHeight, int turn)
    : cx_(cx), cy_(cy), halfW_(halfWidth), halfH_(halfHeight), turn_(((turn % 4) + 4) % 4) {}

P3 Iso::TurnDirection(P3 d) const {
  for (int i = 0; i < turn_; ++i) d = {-d.v, d.u, d.z};
  return d;
}

P3 Iso::Turn(P3 p) const {
  P3 d = TurnDirection({p.u - 0.5, p.v - 0.5, p.z});
  return {d.u + 0.5, d.v + 0.5, d.z};
}

void Iso::Screen(P3 p, double& x, double& y) const {
  const P3 t = Turn(p);
  x = cx_ + (t.u + t.v - 1) * halfW_;
  y = cy_ + (t.v - t.u) * halfH_ - t.z * Zoom();
}

cairo_matrix_t Iso::PlaneMatrix(P3 origin, P3 axis1, P3 axis2) const {
  double x0, y0, x1, y1, x2, y2;
  Screen(origin, x0, y0);
  Screen(origin + axis1, x1, y1);
  Screen(origin + axis2, x2, y2);
  cairo_matrix_t m;
  cairo_matrix_init(&m, x1 - x0, y1 - y0, x2 - x0, y2 - y0, x0, y0);
  return m;
}

double Iso::Shade(P3 normal) const {
  const double d = Dot(Normalized(TurnDirection(normal)), kLight);
  return std::min(1.0, 0.66 + 0.42 * std::max(0.0, d));
}

bool Iso::Visible(P3 normal) const {
  return Dot(Normalized(TurnDirection(normal)), kViewer) > 1e-4;
}

double Iso::Depth(P3 p) const {
  const P3 t = Turn(p);
  return t.v - t.u;
}

P3 Iso::ShadowAt(double z) const {
  // The offset is fixed on screen (away from the light); turn it back into model space.
  const double reach = z * kRise / kEdge / kLight.z;
  P3 d{-kLight.u * reach, -kLight.v * reach, 0};
  for (int i = 0; i < turn_; ++i) d = {d.v, -d.u, 0};
  return d;
}

void Scene::Ground(std::function<void(cairo_t*)> paint) { ground_.push_back(std::move(paint)); }
void Scene::Add(Solid solid) { solids_.push_back(std::move(solid)); }
void Scene::BlobShadow(double u, double v, double r, double z) { blobs_.push_back({u, v, r, z}); }

namespace {

std::vector<std::pair<double, double>> Hull(std::vector<std::pair<double, double>> pts) {
  std::sort(pts.begin(), pts.end());
  pts.erase(std::unique(pts.begin(), pts.end()), pts.end());
  if (pts.size() < 3) return pts;
  auto cross = [](auto o, auto a, auto b) {
    return (a.first - o.first) * (b.second - o.second) - (a.second - o.second) * (b.first - o.first);
  };
  std::vector<std::pair<double, double>> h(pts.size() * 2);
  size_t k = 0;
  for (size_t i = 0; i < pts.size(); ++i) {
    while (k >= 2 && cross(h[k - 2], h[k - 1], pts[i]) <= 0) --k;
    h[k++] = pts[i];
  }
  for (size_t i = pts.size() - 1, t = k + 1; i > 0; --i) {
    while (k >= t && cross(h[k - 2], h[k - 1], pts[i - 1]) <= 0) --k;
    h[k++] = pts[i - 1];
  }
  h.resize(k - 1);
  return h;
}

}  // namespace

void Scene::RenderShadows(cairo_t* cr, double alpha) {
  // Shadow polygons in device pixels; the mask covers only their bounds.
  std::vector<std::vector<std::pair<double, double>>> polygons;
  for (const Solid& s : solids_) {
    std::vector<std::pair<double, double>> pts;
    for (P3 p : s.shadowPoints) {
      double x, y;
      iso_.Screen(P3{p.u, p.v, 0} + iso_.ShadowAt(p.z), x, y);
      cairo_user_to_device(cr, &x, &y);
      pts.emplace_back(x, y);
    }
    if (pts.size() >= 3) polygons.push_back(Hull(pts));
  }
  const double sx = 126 * iso_.Zoom() * 1.1, sy = 63 * iso_.Zoom() * 1.1;
  for (const Blob& b : blobs_) {
    double x, y;
    iso_.Screen(P3{b.u, b.v, 0} + iso_.ShadowAt(b.z), x, y);
    cairo_user_to_device(cr, &x, &y);
    std::vector<std::pair<double, double>> ring;
    for (int i = 0; i < 16; ++i)
      ring.emplace_back(x + std::cos(i * M_PI / 8) * b.r * sx, y + std::sin(i * M_PI / 8) * b.r * sy);
    polygons.push_back(ring);
  }
  if (polygons.empty()) return;
  double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
  for (const auto& poly : polygons)
    for (auto [x, y] : poly) x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
  const double blur = 3.0 * iso_.Zoom() + 0.5, margin = blur * 2 + 4;
  const int left = static_cast<int>(std::floor(x0 - margin)), top = static_cast<int>(std::floor(y0 - margin));
  const int w = static_cast<int>(std::ceil(x1 + margin)) - left, h = static_cast<int>(std::ceil(y1 + margin)) - top;
  Surface mask = NewSurface(std::max(1, w), std::max(1, h), CAIRO_FORMAT_A8);
  Context mc = NewContext(mask);
  cairo_translate(mc.get(), -left, -top);
  cairo_set_source_rgba(mc.get(), 0, 0, 0, 1);
  for (const auto& poly : polygons) {
    Polygon(mc.get(), poly);
    cairo_fill(mc.get());
  }
  Blur(mask.get(), blur);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_set_source_rgba(cr, 0.08, 0.12, 0.16, alpha);
  cairo_mask_surface(cr, mask.get(), left, top);
  cairo_restore(cr);
}

void Scene::RenderSolid(cairo_t* cr, const Solid& solid) {
  if (solid.custom) {
    solid.custom(cr, iso_);
    return;
  }
  P3 centre;
  int count = 0;
  for (const Face& f : solid.faces)
    for (P3 p : f.points) centre = centre + p, ++count;
  centre = centre * (1.0 / std::max(1, count));
  for (const Face& f : solid.faces) {
    if (f.points.size() < 3) continue;
    P3 n = Cross(Metric(f.points[1] - f.points[0]), Metric(f.points[2] - f.points[0]));
    P3 mid;
    for (P3 p : f.points) mid = mid + p;
    mid = mid * (1.0 / f.points.size());
    if (Dot(n, Metric(mid - centre)) < 0) n = n * -1;
    if (!iso_.Visible(n)) continue;
    const double shade = iso_.Shade(n);
    std::vector<std::pair<double, double>> pts;
    for (P3 p : f.points) {
      double x, y;
      iso_.Screen(p, x, y);
      pts.emplace_back(x, y);
    }
    Polygon(cr, pts);
    SetColor(cr, Lit(f.colour, shade));
    cairo_fill_preserve(cr);
    if (f.detail) {
      cairo_save(cr);
      cairo_clip_preserve(cr);
      cairo_new_path(cr);
      cairo_matrix_t m = iso_.PlaneMatrix(f.origin, f.axisS, f.axisT);
      cairo_transform(cr, &m);
      f.detail(cr, FaceInfo{f.width, f.height, shade, f.side});
      cairo_restore(cr);
    }
    if (f.outline) {
      cairo_new_path(cr);
      Polygon(cr, pts);
      SetColor(cr, Darken(Lit(f.colour, shade), 0.45), 0.85);
      cairo_set_line_width(cr, 0.9 * iso_.Zoom() + 0.1);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      cairo_stroke(cr);
    } else {
      cairo_new_path(cr);
    }
  }
}

void Scene::Render(cairo_t* cr, double shadowAlpha) {
  for (auto& paint : ground_) {
    cairo_save(cr);
    cairo_matrix_t m = iso_.PlaneMatrix({0, 0, 0}, {0.01, 0, 0}, {0, 0.01, 0});
    cairo_transform(cr, &m);
    cairo_rectangle(cr, 0, 0, 100, 100);
    cairo_clip(cr);
    paint(cr);
    cairo_restore(cr);
  }
  RenderShadows(cr, shadowAlpha);
  std::vector<const Solid*> order;
  for (const Solid& s : solids_) order.push_back(&s);
  std::stable_sort(order.begin(), order.end(), [&](const Solid* a, const Solid* b) {
    const double da = iso_.Depth(a->anchor), db = iso_.Depth(b->anchor);
    if (std::abs(da - db) > 1e-6) return da < db;
    return a->order < b->order;
  });
  for (const Solid* s : order) RenderSolid(cr, *s);
}

// ---- Solids ----

namespace {

Face MakeFace(std::vector<P3> pts, Rgb colour) {
  Face f;
  f.points = std::move(pts);
  f.colour = colour;
  return f;
}

void Frame(Face& f, P3 origin, P3 axisS, P3 axisT, double width, double height, int side,
           const Detail& detail) {
  f.origin = origin, f.axisS = axisS, f.axisT = axisT;
  f.width = width, f.height = height, f.side = side;
  f.detail = detail;
}

std::vector<P3> Corners(const Box& b) {
  std::vector<P3> out;
  for (double z : {b.z0, b.z1})
    for (P3 p : {P3{b.u0, b.v0, z}, P3{b.u1, b.v0, z}, P3{b.u1, b.v1, z}, P3{b.u0, b.v1, z}})
      out.push_back(p);
  return out;
}

}  // namespace

Solid BoxSolid(const Box& b, Rgb wall, Rgb top, const WallDetail& walls, const Detail& topDetail) {
  Solid s;
  const double h = b.z1 - b.z0, k = 1.0 / kEdgePixels;
  const double lu = (b.u1 - b.u0) * kEdgePixels, lv = (b.v1 - b.v0) * kEdgePixels;
  Face f0 = MakeFace({{b.u0, b.v0, b.z0}, {b.u0, b.v1, b.z0}, {b.u0, b.v1, b.z1}, {b.u0, b.v0, b.z1}}, wall);
  Frame(f0, {b.u0, b.v0, b.z1}, {0, k, 0}, {0, 0, -1}, lv, h, 0, walls);
  Face f1 = MakeFace({{b.u1, b.v0, b.z0}, {b.u1, b.v1, b.z0}, {b.u1, b.v1, b.z1}, {b.u1, b.v0, b.z1}}, wall);
  Frame(f1, {b.u1, b.v1, b.z1}, {0, -k, 0}, {0, 0, -1}, lv, h, 1, walls);
  Face f2 = MakeFace({{b.u0, b.v0, b.z0}, {b.u1, b.v0, b.z0}, {b.u1, b.v0, b.z1}, {b.u0, b.v0, b.z1}}, wall);
  Frame(f2, {b.u1, b.v0, b.z1}, {-k, 0, 0}, {0, 0, -1}, lu, h, 2, walls);
  Face f3 = MakeFace({{b.u0, b.v1, b.z0}, {b.u1, b.v1, b.z0}, {b.u1, b.v1, b.z1}, {b.u0, b.v1, b.z1}}, wall);
  Frame(f3, {b.u0, b.v1, b.z1}, {k, 0, 0}, {0, 0, -1}, lu, h, 3, walls);
  Face ft = MakeFace({{b.u0, b.v0, b.z1}, {b.u1, b.v0, b.z1}, {b.u1, b.v1, b.z1}, {b.u0, b.v1, b.z1}}, top);
  Frame(ft, {b.u0, b.v0, b.z1}, {k, 0, 0}, {0, k, 0}, lu, lv, -1, topDetail);
  s.faces = {f0, f1, f2, f3, ft};
  s.anchor = {(b.u0 + b.u1) / 2, (b.v0 + b.v1) / 2, b.z0};
  s.order = b.z0;
  s.shadowPoints = Corners(b);
  return s;
}

Solid GableRoof(const Box& fp, bool alongU, double rise, double o, Rgb roof, Rgb gable,
                const Detail& slopeDetail, const WallDetail& gableDetail) {
  // Built along u; for a ridge along v the same roof is mirrored across the diagonal.
  auto P = [alongU](double a, double b, double z) { return alongU ? P3{a, b, z} : P3{b, a, z}; };
  const double a0 = alongU ? fp.u0 : fp.v0, a1 = alongU ? fp.u1 : fp.v1;
  const double b0 = alongU ? fp.v0 : fp.u0, b1 = alongU ? fp.v1 : fp.u1;
  const double bm = (b0 + b1) / 2, z = fp.z1, zr = z + rise;
  const double drop = rise * o / ((b1 - b0) / 2);
  const double k = 1.0 / kEdgePixels;
  const double run = ((b1 - b0) / 2 + o) * kEdgePixels;
  const double slope = std::sqrt(run * run + (rise + drop) * (rise + drop));
  const double len = (a1 - a0 + 2 * o) * kEdgePixels;
  Solid s;
  Face hi = MakeFace({P(a0 - o, bm, zr), P(a1 + o, bm, zr), P(a1 + o, b1 + o, z - drop), P(a0 - o, b1 + o, z - drop)}, roof);
  Face lo = MakeFace({P(a0 - o, bm, zr), P(a1 + o, bm, zr), P(a1 + o, b0 - o, z - drop), P(a0 - o, b0 - o, z - drop)}, roof);
  // Local frames: x along the eave as seen from outside, y down the slope.
  const P3 down1 = (P(a0 - o, b1 + o, z - drop) - P(a0 - o, bm, zr)) * (1 / slope);
  const P3 down0 = (P(a1 + o, b0 - o, z - drop) - P(a1 + o, bm, zr)) * (1 / slope);
  const bool mirror = !alongU;  // swapping axes flips which way is "left" seen from outside
  if (!mirror) {
    Frame(hi, P(a0 - o, bm, zr), P(k, 0, 0), down1, len, slope, 3, slopeDetail);
    Frame(lo, P(a1 + o, bm, zr), P(-k, 0, 0), down0, len, slope, 2, slopeDetail);
  } else {
    Frame(hi, P(a1 + o, bm, zr), P(-k, 0, 0), (P(a1 + o, b1 + o, z - drop) - P(a1 + o, bm, zr)) * (1 / slope), len, slope, 1, slopeDetail);
    Frame(lo, P(a0 - o, bm, zr), P(k, 0, 0), (P(a0 - o, b0 - o, z - drop) - P(a0 - o, bm, zr)) * (1 / slope), len, slope, 0, slopeDetail);
  }
  const double gw = (b1 - b0) * kEdgePixels;
  Face g0 = MakeFace({P(a0, b0, z), P(a0, b1, z), P(a0, bm, zr)}, gable);
  Face g1 = MakeFace({P(a1, b0, z), P(a1, b1, z), P(a1, bm, zr)}, gable);
  if (!mirror) {
    Frame(g0, P(a0, b0, zr), P(0, k, 0), {0, 0, -1}, gw, rise, 0, gableDetail);
    Frame(g1, P(a1, b1, zr), P(0, -k, 0), {0, 0, -1}, gw, rise, 1, gableDetail);
  } else {
    Frame(g0, P(a0, b1, zr), P(0, -k, 0), {0, 0, -1}, gw, rise, 2, gableDetail);
    Frame(g1, P(a1, b0, zr), P(0, k, 0), {0, 0, -1}, gw, rise, 3, gableDetail);
  }
  s.faces = {g0, g1, hi, lo};
  s.anchor = P((a0 + a1) / 2, bm, z);
  s.order = z + 0.5;
  s.shadowPoints = {P(a0 - o, b0 - o, z), P(a1 + o, b0 - o, z), P(a1 + o, b1 + o, z),
                    P(a0 - o, b1 + o, z), P(a0 - o, bm, zr), P(a1 + o, bm, zr)};
  return s;
}

Solid HipRoof(const Box& fp, double rise, double o, Rgb roof, const Detail& slopeDetail) {
  const double u0 = fp.u0 - o, u1 = fp.u1 + o, v0 = fp.v0 - o, v1 = fp.v1 + o, z = fp.z1;
  const double du = u1 - u0, dv = v1 - v0, inset = std::min(du, dv) / 2;
  const double um = (u0 + u1) / 2, vm = (v0 + v1) / 2, zr = z + rise;
  P3 r0, r1;  // ridge ends
  if (du >= dv) r0 = {u0 + inset, vm, zr}, r1 = {u1 - inset, vm, zr};
  else r0 = {um, v0 + inset, zr}, r1 = {um, v1 - inset, zr};
  const P3 c00{u0, v0, z}, c10{u1, v0, z}, c11{u1, v1, z}, c01{u0, v1, z};
  const double k = 1.0 / kEdgePixels;
  const double slope = std::sqrt(inset * kEdgePixels * inset * kEdgePixels + rise * rise);
  auto face = [&](std::vector<P3> pts, P3 left, P3 right, int side) {
    Face f = MakeFace(std::move(pts), roof);
    const P3 along = right - left;
    const double length = std::sqrt(along.u * along.u + along.v * along.v);
    P3 inward = P3{-along.v, along.u, 0} * (1 / length);
    const P3 toCentre = P3{um, vm, z} - (left + right) * 0.5;
    if (inward.u * toCentre.u + inward.v * toCentre.v < 0) inward = inward * -1;
    const P3 ridgeLeft = left + inward * inset + P3{0, 0, rise};
    const P3 down = (inward * -inset + P3{0, 0, -rise}) * (1 / slope);
    Frame(f, ridgeLeft, along * (k / length), down, length * kEdgePixels, slope, side, slopeDetail);
    return f;
  };
  Solid s;
  if (du >= dv) {
    s.faces = {face({c01, c11, r1, r0}, c01, c11, 3), face({c10, c00, r0, r1}, c10, c00, 2),
               face({c00, c01, r0}, c00, c01, 0), face({c11, c10, r1}, c11, c10, 1)};
  } else {
    s.faces = {face({c00, c01, r1, r0}, c00, c01, 0), face({c11, c10, r0, r1}, c11, c10, 1),
               face({c10, c00, r0}, c10, c00, 2), face({c01, c11, r1}, c01, c11, 3)};
  }
  s.anchor = {um, vm, z};
  s.order = z + 0.5;
  s.shadowPoints = {c00, c10, c11, c01, r0, r1};
  return s;
}

Solid Prism(double cu, double cv, double r, double z0, double z1, int sides, Rgb colour, Rgb top) {
  Solid s;
  std::vector<P3> ring;
  for (int i = 0; i < sides; ++i) {
    const double a = 2 * M_PI * (i + 0.5) / sides;
    ring.push_back({cu + r * std::cos(a), cv + r * std::sin(a), 0});
  }
  for (int i = 0; i < sides; ++i) {
    P3 a = ring[i], b = ring[(i + 1) % sides];
    Face f = MakeFace({{a.u, a.v, z0}, {b.u, b.v, z0}, {b.u, b.v, z1}, {a.u, a.v, z1}}, colour);
    f.outline = false;
    s.faces.push_back(f);
    s.shadowPoints.push_back({a.u, a.v, z1});
    s.shadowPoints.push_back({a.u, a.v, z0});
  }
  std::vector<P3> cap;
  for (P3 p : ring) cap.push_back({p.u, p.v, z1});
  s.faces.push_back(MakeFace(cap, top));
  s.anchor = {cu, cv, z0};
  s.order = z0;
  return s;
}

Solid Cone(double cu, double cv, double r, double z0, double z1, int sides, Rgb colour) {
  Solid s;
  const P3 apex{cu, cv, z1};
  for (int i = 0; i < sides; ++i) {
    const double a = 2 * M_PI * i / sides, b = 2 * M_PI * (i + 1) / sides;
    Face f = MakeFace({{cu + r * std::cos(a), cv + r * std::sin(a), z0},
                       {cu + r * std::cos(b), cv + r * std::sin(b), z0}, apex}, colour);
    f.outline = false;
    s.faces.push_back(f);
    s.shadowPoints.push_back({cu + r * std::cos(a), cv + r * std::sin(a), z0});
  }
  s.shadowPoints.push_back(apex);
  s.anchor = {cu, cv, z0};
  s.order = z0 + 0.5;
  return s;
}

void TileLines(cairo_t* cr, const FaceInfo& f, Rgb roof, double spacing) {
  SetColor(cr, Darken(Lit(roof, f.shade), 0.3), 0.55);
  cairo_set_line_width(cr, 1.0);
  for (double y = spacing * 0.6; y < f.height; y += spacing) {
    cairo_move_to(cr, -2, y);
    cairo_line_to(cr, f.width + 2, y);
  }
  cairo_stroke(cr);
  SetColor(cr, Lighten(Lit(roof, f.shade), 0.3), 0.35);
  for (double y = spacing * 0.6 + 1.2; y < f.height; y += spacing) {
    cairo_move_to(cr, -2, y);
    cairo_line_to(cr, f.width + 2, y);
  }
  cairo_stroke(cr);
}

}  // namespace art
