#include "ArtCore.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace art {

namespace {
double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb c, double f) { return {Clamp01(c.r * f), Clamp01(c.g * f), Clamp01(c.b * f)}; }
Rgb Lighten(Rgb c, double t) { return Mix(c, {1, 1, 1}, t); }
Rgb Darken(Rgb c, double t) { return Mix(c, {0, 0, 0}, t); }

void SetColor(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

Rng::Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x1234567ull) {
  if (state_ == 0) state_ = 1;
}

uint64_t Rng::Bits() {
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return state_ * 0x2545F4914F6CDD1Dull;
}

double Rng::Next() { return static_cast<double>(Bits() >> 11) * (1.0 / 9007199254740992.0); }
double Rng::Range(double lo, double hi) { return lo + (hi - lo) * Next(); }
int Rng::Int(int n) { return n <= 1 ? 0 : static_cast<int>(Bits() % static_cast<uint64_t>(n)); }
double Rng::Jitter(double spread) { return (Next() - 0.5) * spread; }

Surface NewSurface(int width, int height, cairo_format_t format) {
  Surface s(cairo_image_surface_create(format, width, height));
  if (cairo_surface_status(s.get()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("Cannot create a " + std::to_string(width) + " x " +
                             std::to_string(height) + " surface");
  return s;
}

Context NewContext(const Surface& surface) { return Context(cairo_create(surface.get())); }
int Width(const Surface& s) { return cairo_image_surface_get_width(s.get()); }
int Height(const Surface& s) { return cairo_image_surface_get_height(s.get()); }

Surface CopySurface(const Surface& s) {
  Surface copy = NewSurface(Width(s), Height(s), cairo_image_surface_get_format(s.get()));
  Context cr = NewContext(copy);
  cairo_set_source_surface(cr.get(), s.get(), 0, 0);
  cairo_set_operator(cr.get(), CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr.get());
  return copy;
}

Surface Paint(int width, int height, const std::function<void(cairo_t*)>& draw) {
  Surface s = NewSurface(width, height);
  Context cr = NewContext(s);
  draw(cr.get());
  cairo_surface_flush(s.get());
  return s;
}

namespace {

// One box pass along a line of Count samples spaced by Step, for one byte channel.
void BoxLine(uint8_t* data, int count, int step, int radius, std::vector<int>& line) {
  line.resize(count);
  for (int i = 0; i < count; ++i) line[i] = data[i * step];
  const int window = 2 * radius + 1;
  int sum = 0;
  for (int i = -radius; i <= radius; ++i) sum += line[std::clamp(i, 0, count - 1)];
  for (int i = 0; i < count; ++i) {
    data[i * step] = static_cast<uint8_t>((sum + window / 2) / window);
    sum += line[std::min(i + radius + 1, count - 1)] - line[std::max(i - radius, 0)];
  }
}

void BoxPass(cairo_surface_t* surface, int radius) {
  const int w = cairo_image_surface_get_width(surface);
  const int h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const int bpp = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_A8 ? 1 : 4;
  uint8_t* data = cairo_image_surface_get_data(surface);
  std::vector<int> line;
  for (int c = 0; c < bpp; ++c) {
    for (int y = 0; y < h; ++y) BoxLine(data + y * stride + c, w, bpp, radius, line);
    for (int x = 0; x < w; ++x) BoxLine(data + x * bpp + c, h, stride, radius, line);
  }
}

}  // namespace

void Blur(cairo_surface_t* surface, double radius) {
  cairo_surface_flush(surface);
  const int box = std::max(1, static_cast<int>(std::lround(radius / 1.7)));
  for (int pass = 0; pass < 3; ++pass) BoxPass(surface, box);
  cairo_surface_mark_dirty(surface);
}

void Desaturate(cairo_surface_t* surface, double amount, double bright) {
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface);
  const int h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  uint8_t* data = cairo_image_surface_get_data(surface);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < w; ++x) {
      const uint32_t p = row[x];
      const double a = (p >> 24) & 0xFF, r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      const double grey = 0.3 * r + 0.59 * g + 0.11 * b;
      auto channel = [&](double v) {
        const double out = (v + (grey - v) * amount) * bright;
        return static_cast<uint32_t>(std::clamp(out, 0.0, a) + 0.5);
      };
      row[x] = (p & 0xFF000000u) | channel(r) << 16 | channel(g) << 8 | channel(b);
    }
  }
  cairo_surface_mark_dirty(surface);
}

void FadeAlpha(cairo_surface_t* surface, double factor) {
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface);
  const int h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  uint8_t* data = cairo_image_surface_get_data(surface);
  for (int y = 0; y < h; ++y) {
    uint8_t* row = data + y * stride;
    for (int i = 0; i < w * 4; ++i) row[i] = static_cast<uint8_t>(row[i] * factor + 0.5);
  }
  cairo_surface_mark_dirty(surface);
}

namespace {

uint32_t Unpremultiply(uint32_t p) {
  const uint32_t a = p >> 24;
  if (a == 0) return 0;
  if (a == 255) return p;
  auto channel = [a](uint32_t v) { return std::min<uint32_t>(255, (v * 255 + a / 2) / a); };
  return a << 24 | channel((p >> 16) & 0xFF) << 16 | channel((p >> 8) & 0xFF) << 8 |
         channel(p & 0xFF);
}

// Gives fully transparent pixels the mean colour of coloured neighbours, a few rings deep.
void BleedColours(Pixels& px) {
  const int w = px.width, h = px.height;
  std::vector<uint8_t> known(w * h);
  for (int i = 0; i < w * h; ++i) known[i] = (px.argb[i] >> 24) != 0;
  std::vector<std::pair<int, uint32_t>> filled;
  for (int ring = 0; ring < 4; ++ring) {
    filled.clear();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        if (known[y * w + x]) continue;
        uint32_t r = 0, g = 0, b = 0, n = 0;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= w || ny >= h || !known[ny * w + nx]) continue;
            const uint32_t q = px.argb[ny * w + nx];
            r += (q >> 16) & 0xFF, g += (q >> 8) & 0xFF, b += q & 0xFF, ++n;
          }
        if (n) filled.emplace_back(y * w + x, (r / n) << 16 | (g / n) << 8 | (b / n));
      }
    if (filled.empty()) break;
    for (auto [i, c] : filled) px.argb[i] = c, known[i] = 1;
  }
}

}  // namespace

Pixels ToStraight(const Surface& surface) {
  cairo_surface_flush(surface.get());
  Pixels px;
  px.width = Width(surface);
  px.height = Height(surface);
  px.argb.resize(static_cast<size_t>(px.width) * px.height);
  const int stride = cairo_image_surface_get_stride(surface.get());
  const uint8_t* data = cairo_image_surface_get_data(surface.get());
  for (int y = 0; y < px.height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < px.width; ++x) px.argb[y * px.width + x] = Unpremultiply(row[x]);
  }
  BleedColours(px);
  return px;
}

}  // namespace art
