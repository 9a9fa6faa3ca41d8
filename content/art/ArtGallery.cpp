#include "ArtGallery.h"

#include <algorithm>

#include "ArtDraw.h"

namespace art {

namespace {

constexpr int kSheetWidth = 2400, kMargin = 16, kTitle = 26;

void Checker(cairo_t* cr, int w, int h) {
  static Surface tile = Paint(16, 16, [](cairo_t* t) {
    cairo_set_source_rgb(t, 0.86, 0.86, 0.88);
    cairo_paint(t);
    cairo_set_source_rgb(t, 0.78, 0.78, 0.8);
    cairo_rectangle(t, 0, 0, 8, 8);
    cairo_rectangle(t, 8, 8, 8, 8);
    cairo_fill(t);
  });
  cairo_pattern_t* p = cairo_pattern_create_for_surface(tile.get());
  cairo_pattern_set_extend(p, CAIRO_EXTEND_REPEAT);
  cairo_set_source(cr, p);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void DrawEntry(cairo_t* cr, const Output::Entry& e) {
  const int w = Width(e.thumb), h = Height(e.thumb);
  UseFont(cr, Font::SansBold, 16);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_move_to(cr, 0, 18);
  cairo_show_text(cr, (e.name + (e.scale < 1 ? "  (scaled)" : "")).c_str());
  cairo_save(cr);
  cairo_translate(cr, 0, kTitle);
  Checker(cr, w, h);
  cairo_set_source_surface(cr, e.thumb.get(), 0, 0);
  cairo_paint(cr);
  UseFont(cr, Font::SansBold, 10);
  for (size_t i = 0; i < e.segments.size(); ++i) {
    const Segment& s = e.segments[i];
    const double x = s.x * e.scale, y = s.y * e.scale;
    cairo_set_source_rgba(cr, 1, 0.2, 0.5, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, x + 0.5, y + 0.5, s.w * e.scale - 1, s.h * e.scale - 1);
    cairo_stroke(cr);
    const std::string label = std::to_string(i);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.75);
    cairo_rectangle(cr, x + 1, y + 1, 7 * label.size() + 4, 12);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 1, 1, 0.4);
    cairo_move_to(cr, x + 3, y + 11);
    cairo_show_text(cr, label.c_str());
  }
  cairo_restore(cr);
}

}  // namespace

void WriteGallery(const Output& out, const std::string& path) {
  // Flow layout: entries left to right, wrapping at the sheet width.
  struct Place { int x, y; };
  std::vector<Place> places;
  int x = kMargin, y = kMargin, rowHeight = 0;
  for (const auto& e : out.Gallery()) {
    const int w = Width(e.thumb), h = Height(e.thumb) + kTitle;
    if (x > kMargin && x + w > kSheetWidth - kMargin) x = kMargin, y += rowHeight + kMargin, rowHeight = 0;
    places.push_back({x, y});
    x += std::max(w, 200) + kMargin;
    rowHeight = std::max(rowHeight, h);
  }
  Surface sheet = NewSurface(kSheetWidth, y + rowHeight + kMargin);
  Context cr = NewContext(sheet);
  cairo_set_source_rgb(cr.get(), 0.16, 0.18, 0.22);
  cairo_paint(cr.get());
  for (size_t i = 0; i < places.size(); ++i) {
    cairo_save(cr.get());
    cairo_translate(cr.get(), places[i].x, places[i].y);
    DrawEntry(cr.get(), out.Gallery()[i]);
    cairo_restore(cr.get());
  }
  WritePng(path, sheet);
}

}  // namespace art
