// plotstead-art OUTDIR GALLERY.png: draws every picture the game shows into the data folders
// under OUTDIR (Textures/, Paths/, Branding/, Languages/English/) and a review sheet.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "ArtContent.h"
#include "ArtFonts.h"
#include "ArtGallery.h"
#include "ArtPlots.h"
#include "ArtSheet.h"

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
        {"fonts", art::SaveFonts},   {"plots", art::SavePlots}};
    for (const auto& [name, save] : groups) {
      const auto t0 = std::chrono::steady_clock::now();
      save(out);
      if (std::getenv("PLOTSTEAD_ART_TIMES"))
        std::printf("  %-8s %.2f s\n", name,
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    const auto t0 = std::chrono::steady_clock::now();
    art::WriteGallery(out, argv[2]);
    if (std::getenv("PLOTSTEAD_ART_TIMES"))
      std::printf("  %-8s %.2f s\n", "gallery",
                  std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("plotstead-art: %zu textures in %.2f s\n", out.Gallery().size(), seconds);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "plotstead-art: %s\n", e.what());
    return 1;
  }
}
