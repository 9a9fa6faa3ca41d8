// Texture sheets: frames packed into one picture with a segment per frame, written as
// "<name>.dds" plus "<segments>.tsg" and remembered for the gallery.
#pragma once

#include <string>
#include <vector>

#include "ArtCore.h"
#include "ArtFiles.h"

namespace art {

struct Sheet {
  std::string name;
  Surface image;
  std::vector<Segment> segments;  // empty: one picture, no segment table
};

// Shelf-packs the frames in order with a gap between them; the width is the power of two
// that gives the smallest power-of-two texture.
Sheet PackFrames(const std::string& name, std::vector<Surface> frames, int gap = 2);
Sheet SinglePicture(const std::string& name, Surface image);

class Output {
 public:
  explicit Output(const std::string& root);

  const std::string& Root() const { return root_; }
  std::string Folder(const std::string& sub) const;

  // Writes Textures/<name>.dds and, when the sheet has segments, Textures/<table>.tsg
  // (table defaults to the sheet's name).
  void SaveTexture(const Sheet& sheet, const std::string& table = "");
  void SaveDds(const std::string& path, const Sheet& sheet);

  struct Entry {
    std::string name;
    Surface thumb;
    double scale;
    std::vector<Segment> segments;
  };
  const std::vector<Entry>& Gallery() const { return gallery_; }
  void AddToGallery(const Sheet& sheet);

 private:
  std::string root_;
  std::vector<Entry> gallery_;
  std::vector<std::pair<std::string, std::string>> tables_;  // table name, content
};

}  // namespace art
