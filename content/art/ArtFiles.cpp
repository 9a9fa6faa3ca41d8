#include "ArtFiles.h"

#include <png.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace art {

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutFloat(std::vector<uint8_t>& out, float f) {
  uint32_t bits;
  std::memcpy(&bits, &f, 4);
  Put32(out, bits);
}

constexpr uint32_t kDdsCaps = 0x1, kDdsHeight = 0x2, kDdsWidth = 0x4, kDdsPitch = 0x8,
                   kDdsPixelFormat = 0x1000, kDdsTexture = 0x1000;
constexpr uint32_t kPixelAlpha = 0x1, kPixelRgb = 0x40;

}  // namespace

std::vector<uint8_t> EncodeDds(const Pixels& px) {
  if (px.width < 4 || px.height < 4 || px.width > 2048 || px.height > 2048)
    throw std::runtime_error("Picture size outside 4..2048: " + std::to_string(px.width) +
                             " x " + std::to_string(px.height));
  std::vector<uint8_t> out;
  out.reserve(128 + px.argb.size() * 4);
  Put32(out, 0x20534444);  // "DDS "
  Put32(out, 124);
  Put32(out, kDdsCaps | kDdsHeight | kDdsWidth | kDdsPitch | kDdsPixelFormat);
  Put32(out, px.height);
  Put32(out, px.width);
  Put32(out, px.width * 4);
  for (int i = 0; i < 2 + 11; ++i) Put32(out, 0);  // depth, mipmap count, reserved
  Put32(out, 32);                                  // pixel format size
  Put32(out, kPixelRgb | kPixelAlpha);
  Put32(out, 0);  // no four-character code
  Put32(out, 32);
  Put32(out, 0x00FF0000);
  Put32(out, 0x0000FF00);
  Put32(out, 0x000000FF);
  Put32(out, 0xFF000000);
  Put32(out, kDdsTexture);
  for (int i = 0; i < 4; ++i) Put32(out, 0);  // caps 2..4, reserved
  for (uint32_t p : px.argb) Put32(out, p);   // little-endian ARGB is B, G, R, A
  return out;
}

std::string EncodeTsg(const std::vector<Segment>& segments) {
  std::string text = "SEGMENTS = " + std::to_string(segments.size()) + "\r\n";
  for (size_t i = 0; i < segments.size(); ++i) {
    const Segment& s = segments[i];
    text += "SEGMENT" + std::to_string(i) + " = " + std::to_string(s.x) + ", " +
            std::to_string(s.y) + ", " + std::to_string(s.w) + ", " + std::to_string(s.h) +
            "\r\n";
  }
  return text;
}

std::vector<uint8_t> EncodePth(const std::vector<PathPoint>& points,
                               const std::vector<PathMark>& marks) {
  std::vector<uint8_t> out;
  Put32(out, static_cast<uint32_t>(points.size()));
  for (const PathPoint& p : points) {
    PutFloat(out, p.position);
    out.push_back(static_cast<uint8_t>(p.x & 0xFF));
    out.push_back(static_cast<uint8_t>((p.x >> 8) & 0xFF));
    out.push_back(static_cast<uint8_t>(p.y & 0xFF));
    out.push_back(static_cast<uint8_t>((p.y >> 8) & 0xFF));
  }
  Put32(out, static_cast<uint32_t>(marks.size()));
  for (const PathMark& m : marks) {
    Put32(out, static_cast<uint32_t>(m.first));
    Put32(out, static_cast<uint32_t>(m.count));
  }
  return out;
}

void MakeFolders(const std::string& folder) { std::filesystem::create_directories(folder); }

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("Cannot write " + path);
}

void WriteText(const std::string& path, const std::string& text) {
  WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

void WritePng(const std::string& path, const Surface& surface) {
  // Straight RGBA rows through libpng with fast compression; Cairo's own writer uses the
  // slow default level, which dominated the run time for the large review sheet.
  const Pixels px = ToStraight(surface);
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) throw std::runtime_error("Cannot write " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    throw std::runtime_error("Cannot write " + path);
  }
  png_init_io(png, file);
  png_set_compression_level(png, 3);
  png_set_IHDR(png, info, px.width, px.height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<uint8_t> row(static_cast<size_t>(px.width) * 4);
  for (int y = 0; y < px.height; ++y) {
    for (int x = 0; x < px.width; ++x) {
      const uint32_t p = px.argb[static_cast<size_t>(y) * px.width + x];
      row[x * 4 + 0] = (p >> 16) & 0xFF;
      row[x * 4 + 1] = (p >> 8) & 0xFF;
      row[x * 4 + 2] = p & 0xFF;
      row[x * 4 + 3] = p >> 24;
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  if (std::fclose(file) != 0) throw std::runtime_error("Cannot write " + path);
}

}  // namespace art
