#include "ArtDraw.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

namespace art {

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void Polygon(cairo_t* cr, const std::vector<std::pair<double, double>>& points) {
  for (size_t i = 0; i < points.size(); ++i)
    (i == 0 ? cairo_move_to : cairo_line_to)(cr, points[i].first, points[i].second);
  cairo_close_path(cr);
}

void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
          double rotation) {
  for (int i = 0; i < points * 2; ++i) {
    const double a = rotation + M_PI * i / points - M_PI / 2;
    const double r = i % 2 ? inner : outer;
    (i == 0 ? cairo_move_to : cairo_line_to)(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

void FillVertical(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom, bool preserve) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  preserve ? cairo_fill_preserve(cr) : cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void FillRadial(cairo_t* cr, double cx, double cy, double r, Rgb inner, Rgb outer, bool preserve) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(p, 0, inner.r, inner.g, inner.b);
  cairo_pattern_add_color_stop_rgb(p, 1, outer.r, outer.g, outer.b);
  cairo_set_source(cr, p);
  preserve ? cairo_fill_preserve(cr) : cairo_fill(cr);
  cairo_pattern_destroy(p);
}

namespace {

// The shape Path draws, rasterised into an A8 mask that covers only its device-space bounds
// grown by Margin (blurs then stay cheap on large canvases).
struct Mask {
  Surface surface;
  int x0 = 0, y0 = 0;
};

Mask ShapeMask(cairo_t* cr, const PathFn& path, double dx, double dy, double margin) {
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  Surface probe = NewSurface(1, 1, CAIRO_FORMAT_A8);
  Context pc = NewContext(probe);
  cairo_set_matrix(pc.get(), &m);
  path(pc.get());
  double x1, y1, x2, y2;
  cairo_path_extents(pc.get(), &x1, &y1, &x2, &y2);
  double xs[4] = {x1, x2, x1, x2}, ys[4] = {y1, y1, y2, y2};
  double lo[2] = {1e9, 1e9}, hi[2] = {-1e9, -1e9};
  for (int i = 0; i < 4; ++i) {
    cairo_user_to_device(pc.get(), &xs[i], &ys[i]);
    lo[0] = std::min(lo[0], xs[i]), hi[0] = std::max(hi[0], xs[i]);
    lo[1] = std::min(lo[1], ys[i]), hi[1] = std::max(hi[1], ys[i]);
  }
  cairo_surface_t* target = cairo_get_target(cr);
  const int tw = cairo_image_surface_get_width(target), th = cairo_image_surface_get_height(target);
  Mask mask;
  mask.x0 = std::clamp(static_cast<int>(std::floor(lo[0] + dx - margin)), 0, tw);
  mask.y0 = std::clamp(static_cast<int>(std::floor(lo[1] + dy - margin)), 0, th);
  const int x3 = std::clamp(static_cast<int>(std::ceil(hi[0] + dx + margin)), 0, tw);
  const int y3 = std::clamp(static_cast<int>(std::ceil(hi[1] + dy + margin)), 0, th);
  mask.surface = NewSurface(std::max(1, x3 - mask.x0), std::max(1, y3 - mask.y0), CAIRO_FORMAT_A8);
  Context mc = NewContext(mask.surface);
  cairo_translate(mc.get(), dx - mask.x0, dy - mask.y0);
  cairo_transform(mc.get(), &m);
  path(mc.get());
  cairo_set_source_rgba(mc.get(), 0, 0, 0, 1);
  cairo_fill(mc.get());
  return mask;
}

}  // namespace

void SoftShadow(cairo_t* cr, const PathFn& path, double dx, double dy, double blur, double alpha,
                Rgb colour) {
  Mask mask = ShapeMask(cr, path, dx, dy, blur * 2 + 12);
  Blur(mask.surface.get(), blur);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  SetColor(cr, colour, alpha);
  cairo_mask_surface(cr, mask.surface.get(), mask.x0, mask.y0);
  cairo_restore(cr);
}

void InnerShade(cairo_t* cr, const PathFn& path, double blur, double alpha, Rgb colour) {
  // Blur the inverse of the shape and keep it only inside the shape.
  Mask mask = ShapeMask(cr, path, 0, 0, blur * 2 + 4);
  Surface inverse = NewSurface(Width(mask.surface), Height(mask.surface), CAIRO_FORMAT_A8);
  {
    Context ic = NewContext(inverse);
    cairo_paint(ic.get());
    cairo_set_operator(ic.get(), CAIRO_OPERATOR_DEST_OUT);
    cairo_mask_surface(ic.get(), mask.surface.get(), 0, 0);
  }
  Blur(inverse.get(), blur);
  cairo_save(cr);
  path(cr);
  cairo_clip(cr);
  cairo_identity_matrix(cr);
  SetColor(cr, colour, alpha);
  cairo_mask_surface(cr, inverse.get(), mask.x0, mask.y0);
  cairo_restore(cr);
}

namespace {

const char* FontFile(Font font) {
  switch (font) {
    case Font::Sans: return "DejaVuSans.ttf";
    case Font::SansBold: return "DejaVuSans-Bold.ttf";
    case Font::SerifBold: return "DejaVuSerif-Bold.ttf";
  }
  return "DejaVuSans.ttf";
}

cairo_font_face_t* FaceOf(Font font) {
  static FT_Library library = nullptr;
  static std::map<Font, cairo_font_face_t*> faces;
  if (auto it = faces.find(font); it != faces.end()) return it->second;
  if (!library && FT_Init_FreeType(&library)) throw std::runtime_error("FreeType failed to start");
  const std::string path = std::string("/usr/share/fonts/truetype/dejavu/") + FontFile(font);
  FT_Face face;
  if (FT_New_Face(library, path.c_str(), 0, &face))
    throw std::runtime_error("Cannot open font " + path + " (package fonts-dejavu-core)");
  cairo_font_face_t* cf = cairo_ft_font_face_create_for_ft_face(face, 0);
  faces[font] = cf;
  return cf;
}

}  // namespace

void UseFont(cairo_t* cr, Font font, double size) {
  cairo_set_font_face(cr, FaceOf(font));
  cairo_set_font_size(cr, size);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

double TextWidth(cairo_t* cr, const std::string& utf8) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8.c_str(), &e);
  return e.x_advance;
}

void TextPath(cairo_t* cr, const std::string& utf8, double x, double y, double align) {
  cairo_move_to(cr, x - TextWidth(cr, utf8) * align, y);
  cairo_text_path(cr, utf8.c_str());
}

void Lettering(cairo_t* cr, const std::string& utf8, double x, double y, double align, Rgb fill,
               Rgb rim, double rimWidth, double shadowAlpha) {
  auto path = [&](cairo_t* c) { TextPath(c, utf8, x, y, align); };
  if (shadowAlpha > 0) {
    const double spread = rimWidth;
    SoftShadow(cr, [&](cairo_t* c) {
      path(c);
      cairo_set_line_width(c, spread * 2);
      cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
      cairo_stroke_preserve(c);
    }, rimWidth * 0.8 + 1, rimWidth * 1.0 + 1.5, rimWidth + 2, shadowAlpha);
  }
  cairo_new_path(cr);
  path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, rimWidth * 2);
  SetColor(cr, rim);
  cairo_stroke_preserve(cr);
  SetColor(cr, fill);
  cairo_fill(cr);
}

}  // namespace art
