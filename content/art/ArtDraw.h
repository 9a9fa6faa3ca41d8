// Drawing helpers shared by all pictures: shapes, gradients, soft shadows and lettering.
// Light falls from the top left everywhere, so shadows go to the bottom right.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ArtCore.h"

namespace art {

using PathFn = std::function<void(cairo_t*)>;

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Polygon(cairo_t* cr, const std::vector<std::pair<double, double>>& points);
void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points,
          double rotation = 0);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);

// Fills the current path with a vertical gradient from Top (at y0) to Bottom (at y1).
void FillVertical(cairo_t* cr, double y0, Rgb top, double y1, Rgb bottom, bool preserve = false);
void FillRadial(cairo_t* cr, double cx, double cy, double r, Rgb inner, Rgb outer,
                bool preserve = false);

// A blurred, offset copy of the shape Path draws, painted under whatever comes next.
void SoftShadow(cairo_t* cr, const PathFn& path, double dx, double dy, double blur,
                double alpha, Rgb colour = {0, 0, 0});
// A soft glow inside the shape (darkening its rim), for inset wells and panels.
void InnerShade(cairo_t* cr, const PathFn& path, double blur, double alpha, Rgb colour = {0, 0, 0});

enum class Font { Sans, SansBold, SerifBold };

void UseFont(cairo_t* cr, Font font, double size);
double TextWidth(cairo_t* cr, const std::string& utf8);
// Adds the text outline to the path; Align 0 left, 0.5 centred, 1 right; y is the baseline.
void TextPath(cairo_t* cr, const std::string& utf8, double x, double y, double align);
// Lettering with a dark rim and a soft drop shadow.
void Lettering(cairo_t* cr, const std::string& utf8, double x, double y, double align,
               Rgb fill, Rgb rim, double rimWidth, double shadowAlpha = 0.45);

}  // namespace art
