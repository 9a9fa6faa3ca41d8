// Particle paths. "Final" holds the burst points of the end-of-mission fireworks; the game
// multiplies its coordinates by 4, so the points span the sky of the whole screen
// (logical x -580..580, y -370..-40 around the screen centre) and stay clear of the
// advisor's bubble in the middle.
#include <cmath>

#include "ArtContent.h"

namespace art {

namespace {

std::vector<PathPoint> FireworkPoints() {
  Rng rng(777);
  std::vector<std::pair<int, int>> spots;
  // Rows across the sky, walked in a serpentine so the path is one continuous line.
  const int rows = 4, columns = 10;
  for (int r = 0; r < rows; ++r)
    for (int k = 0; k < columns; ++k) {
      const int c = r % 2 ? columns - 1 - k : k;
      const double x = -145 + 290.0 * (c + 0.5) / columns + rng.Jitter(18);
      const double y = -92 + 16.0 * r + rng.Jitter(8);
      spots.emplace_back(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
    }
  // A few low bursts beside the bubble.
  for (int side = -1; side <= 1; side += 2)
    for (int i = 0; i < 3; ++i)
      spots.emplace_back(side * (110 + i * 13), -26 + i * 7 - rng.Int(4));
  std::vector<PathPoint> points;
  double along = 0;
  for (size_t i = 0; i < spots.size(); ++i) {
    if (i > 0)
      along += std::hypot(spots[i].first - spots[i - 1].first, spots[i].second - spots[i - 1].second);
    points.push_back({static_cast<float>(along), static_cast<int16_t>(spots[i].first),
                      static_cast<int16_t>(spots[i].second)});
  }
  return points;
}

}  // namespace

void SavePaths(Output& out) {
  const std::vector<PathPoint> points = FireworkPoints();
  const std::vector<PathMark> marks = {{0, static_cast<int32_t>(points.size())}};
  WriteBytes(out.Folder("Paths") + "Final.pth", EncodePth(points, marks));
}

}  // namespace art
