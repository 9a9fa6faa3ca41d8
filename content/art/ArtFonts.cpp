#include "ArtFonts.h"

#include <cmath>

#include "ArtDraw.h"
#include "ArtPictograms.h"

namespace art {

namespace {

constexpr double kFontSize = 21.0, kBaseline = 24.0, kMargin = 2.0;

std::string Utf8(uint32_t cp) {
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

// Codes 0x80..0x9F of Windows-1252; 0 where the code page has no character.
constexpr uint32_t kHigh[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
                                0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

struct IconGlyph {
  int code;
  Pict pict;
  double size;   // picture size in pixels
  double width;  // advance
  double top;    // picture top within the line
};

// Icons at codes 1..31. The marks 5..7 are small badges low in the line, meant to sit on
// the lower right of the icon before them (code 8 steps back under it).
const IconGlyph kIcons[] = {
    {1, Pict::Coin, 26, 27, 3},          {2, Pict::Bricks, 26, 27, 3},
    {3, Pict::Worker, 26, 27, 3},       {4, Pict::Certificate, 26, 27, 3},
    {5, Pict::Check, 16, 18, 14},        {6, Pict::Cross, 16, 18, 14},
    {7, Pict::Missing, 16, 18, 14},      {9, Pict::Smile, 24, 26, 4},
    {10, Pict::Frown, 24, 26, 4},        {11, Pict::House, 26, 27, 3},
    {12, Pict::Block, 26, 27, 3},        {14, Pict::Envelope, 26, 27, 3},
    {15, Pict::Basket, 26, 27, 3},       {16, Pict::Cutlery, 26, 27, 3},
    {17, Pict::Tree, 26, 27, 3},         {18, Pict::Slide, 26, 27, 3},
    {19, Pict::Fountain, 26, 27, 3},     {20, Pict::People, 26, 27, 3},
    {21, Pict::Clock, 26, 27, 3},        {22, Pict::GoldMedal, 26, 27, 3},
    {23, Pict::SilverMedal, 26, 27, 3},  {24, Pict::Hourglass, 26, 27, 3},
    {25, Pict::Flag, 26, 27, 3},         {26, Pict::Trophy, 26, 27, 3},
    {27, Pict::Star, 26, 27, 3},         {28, Pict::MarkRight, 20, 20, 6},
    {29, Pict::MarkLeft, 20, 20, 6},     {30, Pict::Ring, 22, 24, 5},
    {31, Pict::RingCheck, 22, 24, 5},
};

Surface Blank(double advance) {
  return NewSurface(std::max(4, static_cast<int>(std::lround(advance + 2 * kMargin))), kLineHeight);
}

Surface Letter(const std::string& utf8) {
  Surface probe = NewSurface(4, 4);
  Context pc = NewContext(probe);
  UseFont(pc.get(), Font::SansBold, kFontSize);
  const double advance = std::round(TextWidth(pc.get(), utf8));
  Surface glyph = Blank(advance);
  Context cr = NewContext(glyph);
  UseFont(cr.get(), Font::SansBold, kFontSize);
  auto path = [&](cairo_t* c) {
    cairo_move_to(c, kMargin, kBaseline);
    cairo_text_path(c, utf8.c_str());
  };
  SoftShadow(cr.get(), [&](cairo_t* c) {
    path(c);
    cairo_set_line_width(c, 3.2);
    cairo_stroke_preserve(c);
  }, 0.8, 1.2, 1.2, 0.45);
  path(cr.get());
  cairo_set_line_join(cr.get(), CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr.get(), 3.0);
  cairo_set_source_rgba(cr.get(), 0.12, 0.09, 0.13, 0.9);
  cairo_stroke_preserve(cr.get());
  cairo_set_source_rgb(cr.get(), 1, 1, 1);
  cairo_fill(cr.get());
  return glyph;
}

Surface Icon(const IconGlyph& g) {
  Surface glyph = Blank(g.width);
  Context cr = NewContext(glyph);
  const double x = kMargin + (g.width - g.size) / 2;
  DrawPictogram(cr.get(), g.pict, x, g.top, g.size);
  return glyph;
}

std::vector<Surface> DefaultGlyphs() {
  std::vector<Surface> glyphs(256);
  Surface probe = NewSurface(4, 4);
  Context pc = NewContext(probe);
  UseFont(pc.get(), Font::SansBold, kFontSize);
  const double space = std::round(TextWidth(pc.get(), " "));
  for (int code = 0; code < 256; ++code) {
    const std::string utf8 = Cp1252ToUtf8(code);
    if (code == 32 || (code >= 127 && utf8.empty())) glyphs[code] = Blank(space);
    else if (code >= 32) glyphs[code] = Letter(utf8);
  }
  glyphs[0] = Blank(12);
  glyphs[8] = Blank(10);  // steps the pen back by 10 pixels
  glyphs[13] = Blank(0);
  for (const IconGlyph& g : kIcons) glyphs[g.code] = Icon(g);
  for (auto& g : glyphs)
    if (!g) g = Blank(space);
  return glyphs;
}

// Upgrade badges for plots: a light disc with a coloured ring and the picture.
Surface UpgradeBadge(Pict pict, Rgb ring) {
  Surface glyph = Blank(28);
  Context cr = NewContext(glyph);
  const double cx = kMargin + 14, cy = kLineHeight / 2.0, r = 12.5;
  SoftShadow(cr.get(), [&](cairo_t* c) { Ellipse(c, cx, cy, r, r); }, 0.8, 1.4, 1.5, 0.5);
  Ellipse(cr.get(), cx, cy, r, r);
  FillRadial(cr.get(), cx - 4, cy - 5, r * 1.4, Hex(0xffffff), Hex(0xe9e2d0), true);
  SetColor(cr.get(), ring);
  cairo_set_line_width(cr.get(), 2.4);
  cairo_stroke(cr.get());
  DrawPictogram(cr.get(), pict, cx - 10.5, cy - 10.5, 21, PictStyle::Colour, 0.9);
  return glyph;
}

std::vector<Surface> IconGlyphs() {
  struct Upgrade {
    Pict pict;
    uint32_t ring;
  };
  const Upgrade upgrades[14] = {
      {Pict::Inspected, 0x3f8fd8}, {Pict::Stars1, 0xe0a020}, {Pict::Stars2, 0xe0a020},
      {Pict::Stars3, 0xe0a020},    {Pict::Flower, 0x47b04b}, {Pict::Shield, 0x3f6fd0},
      {Pict::Antenna, 0x5a8fc0},   {Pict::Extinguisher, 0xe5493a}, {Pict::Bank, 0xb08a40},
      {Pict::Bread, 0xc98a4b},     {Pict::Cup, 0x8a5a3a},   {Pict::Palm, 0x2f9a5f},
      {Pict::Ball, 0x4a4a58},      {Pict::FerrisWheel, 0xd04a8a},
  };
  std::vector<Surface> glyphs(256);
  for (int code = 0; code < 256; ++code) glyphs[code] = Blank(code == 32 ? 8 : 0);
  glyphs[0] = Blank(28);
  for (int i = 0; i < 14; ++i) glyphs[16 + i] = UpgradeBadge(upgrades[i].pict, Hex(upgrades[i].ring));
  return glyphs;
}

}  // namespace

std::string Cp1252ToUtf8(int code) {
  if (code < 32 || code == 127) return "";
  if (code >= 0x80 && code < 0xA0) return kHigh[code - 0x80] ? Utf8(kHigh[code - 0x80]) : "";
  return Utf8(static_cast<uint32_t>(code));
}

void SaveFonts(Output& out) {
  out.SaveTexture(PackFrames("DefaultFont", DefaultGlyphs()));
  out.SaveTexture(PackFrames("IconsFont", IconGlyphs()));
}

}  // namespace art
