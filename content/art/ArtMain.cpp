// plotstead-art OUTDIR GALLERY.png: draws every picture the game shows into the data folders
// under OUTDIR (Textures/, Paths/, Branding/, Languages/English/) and a review sheet.
// With PLOTSTEAD_ART_TIMES set it prints the time each group of pictures takes.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <functional>
#include <string>

#include "ArtContent.h"
#include "ArtFonts.h"
#include "ArtGallery.h"
#include "ArtPlots.h"
#include "ArtSheet.h"

namespace {

void Timed(const char* name, const std::function<void()>& work) {
  const auto wall = std::chrono::steady_clock::now();
  const std::clock_t cpu = std::clock();
  work();
  if (std::getenv("PLOTSTEAD_ART_TIMES"))
    std::printf("  %-8s %6.2f s wall %6.2f s cpu\n", name,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count(),
                static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: plotstead-art OUTDIR GALLERY.png\n");
    return 2;
  }
  try {
    const auto start = std::chrono::steady_clock::now();
    art::Output out(argv[1]);
    const std::pair<const char*, void (*)(art::Output&)> groups[] = {
        {"panels", art::SavePanels}, {"icons", art::SaveIcons}, {"faces", art::SaveFaces},
        {"fonts", art::SaveFonts},   {"plots", art::SavePlots}, {"screens", art::SaveScreens},
        {"maps", art::SaveMaps},     {"paths", art::SavePaths}};
    for (const auto& [name, save] : groups) Timed(name, [&, save = save] { save(out); });
    Timed("gallery", [&] { art::WriteGallery(out, argv[2]); });
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("plotstead-art: %zu textures in %.2f s\n", out.Gallery().size(), seconds);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "plotstead-art: %s\n", e.what());
    return 1;
  }
}
