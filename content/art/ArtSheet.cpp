#include "ArtSheet.h"

#include <algorithm>
#include <stdexcept>

namespace art {

namespace {

int NextPow2(int v) {
  int p = 4;
  while (p < v) p *= 2;
  return p;
}

// Lays frames left to right in rows no wider than Width; returns the used height.
int Shelf(const std::vector<Surface>& frames, int width, int gap, std::vector<Segment>* out) {
  int x = 0, y = 0, rowHeight = 0;
  for (const Surface& f : frames) {
    const int w = Width(f), h = Height(f);
    if (x > 0 && x + w > width) {
      x = 0;
      y += rowHeight + gap;
      rowHeight = 0;
    }
    if (out) out->push_back({x, y, w, h});
    x += w + gap;
    rowHeight = std::max(rowHeight, h);
  }
  return y + rowHeight;
}

}  // namespace

Sheet PackFrames(const std::string& name, std::vector<Surface> frames, int gap) {
  int widest = 4;
  for (const Surface& f : frames) widest = std::max(widest, Width(f));
  int bestWidth = 0, bestSide = 0;
  long bestArea = 0;
  for (int w = NextPow2(widest); w <= 2048; w *= 2) {
    const int h = Shelf(frames, w, gap, nullptr);
    if (h > 2048) continue;
    const long area = static_cast<long>(w) * NextPow2(h);
    const int side = std::max(w, NextPow2(h));
    if (bestWidth == 0 || area < bestArea || (area == bestArea && side < bestSide))
      bestWidth = w, bestArea = area, bestSide = side;
  }
  if (bestWidth == 0) throw std::runtime_error("Frames of " + name + " do not fit 2048 x 2048");

  Sheet sheet;
  sheet.name = name;
  Shelf(frames, bestWidth, gap, &sheet.segments);
  int usedW = 4, usedH = 4;
  for (const Segment& s : sheet.segments)
    usedW = std::max(usedW, s.x + s.w), usedH = std::max(usedH, s.y + s.h);
  sheet.image = NewSurface(usedW, usedH);
  Context cr = NewContext(sheet.image);
  for (size_t i = 0; i < frames.size(); ++i) {
    cairo_set_source_surface(cr.get(), frames[i].get(), sheet.segments[i].x, sheet.segments[i].y);
    cairo_paint(cr.get());
  }
  cairo_surface_flush(sheet.image.get());
  return sheet;
}

Sheet SinglePicture(const std::string& name, Surface image) {
  Sheet sheet;
  sheet.name = name;
  sheet.image = std::move(image);
  return sheet;
}

Output::Output(const std::string& root) : root_(root) {
  if (!root_.empty() && root_.back() != '/') root_ += '/';
}

std::string Output::Folder(const std::string& sub) const {
  const std::string folder = root_ + sub + "/";
  MakeFolders(folder);
  return folder;
}

void Output::SaveDds(const std::string& path, const Sheet& sheet) {
  WriteBytes(path, EncodeDds(ToStraight(sheet.image)));
  AddToGallery(sheet);
}

void Output::SaveTexture(const Sheet& sheet, const std::string& table) {
  const std::string folder = Folder("Textures");
  SaveDds(folder + sheet.name + ".dds", sheet);
  if (sheet.segments.empty()) return;
  const std::string tableName = table.empty() ? sheet.name : table;
  const std::string content = EncodeTsg(sheet.segments);
  for (const auto& [known, text] : tables_)
    if (known == tableName) {
      if (text != content) throw std::runtime_error(sheet.name + " does not fit " + tableName);
      return;
    }
  tables_.emplace_back(tableName, content);
  WriteText(folder + tableName + ".tsg", content);
}

void Output::AddToGallery(const Sheet& sheet) {
  const int w = Width(sheet.image), h = Height(sheet.image);
  const double scale = std::min({1.0, 640.0 / w, 400.0 / h});
  Entry e{sheet.name, NewSurface(std::max(1, static_cast<int>(w * scale)),
                                 std::max(1, static_cast<int>(h * scale))),
          scale, sheet.segments};
  Context cr = NewContext(e.thumb);
  cairo_scale(cr.get(), scale, scale);
  cairo_set_source_surface(cr.get(), sheet.image.get(), 0, 0);
  cairo_paint(cr.get());
  gallery_.push_back(std::move(e));
}

}  // namespace art
