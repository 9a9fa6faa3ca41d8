// Basic pieces of the picture generator: colours, a seeded random source, Cairo surfaces
// with automatic release, blurs and the conversion to the straight-alpha pixels we ship.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace art {

struct Rgb {
  double r = 0, g = 0, b = 0;
};

constexpr Rgb Hex(uint32_t rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Scale(Rgb c, double f);  // multiplies, clamped to 0..1
Rgb Lighten(Rgb c, double t);  // towards white
Rgb Darken(Rgb c, double t);   // towards black
void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);

// A small deterministic generator (xorshift64*), so every run draws the same pictures.
class Rng {
 public:
  explicit Rng(uint64_t seed);
  uint64_t Bits();
  double Next();  // [0, 1)
  double Range(double lo, double hi);
  int Int(int n);  // 0 .. n - 1
  double Jitter(double spread);  // (-spread/2, spread/2)

 private:
  uint64_t state_;
};

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

Surface NewSurface(int width, int height, cairo_format_t format = CAIRO_FORMAT_ARGB32);
Context NewContext(const Surface& surface);
int Width(const Surface& s);
int Height(const Surface& s);
Surface CopySurface(const Surface& s);

// Draws into a fresh transparent surface of the given size.
Surface Paint(int width, int height, const std::function<void(cairo_t*)>& draw);

// Three box passes approximating a Gaussian of about the given radius; A8 or ARGB32.
void Blur(cairo_surface_t* surface, double radius);

// Greys a picture: saturation towards 0 by Amount, then brightness times Bright.
void Desaturate(cairo_surface_t* surface, double amount, double bright);
// Multiplies every pixel's alpha by Factor.
void FadeAlpha(cairo_surface_t* surface, double factor);

// Straight (not premultiplied) A8R8G8B8 pixels, rows top first. Fully transparent pixels
// take the colour of their visible neighbours, so linear filtering at a picture's edge
// never pulls in black.
struct Pixels {
  int width = 0, height = 0;
  std::vector<uint32_t> argb;
};
Pixels ToStraight(const Surface& surface);

}  // namespace art
