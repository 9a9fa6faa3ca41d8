// Pictures of every front-end screen and dialog, taken by the real program in a scripted
// headless run and compared, at half size, with the committed pictures
// tests/integration/expected/frontend_*.png. A control that moves, a text that is missing or
// spills out of its box changes enough pixels to fail. The full-size screenshots stay in
// build/frontend-screenshots/ for review; PLOTSTEAD_UPDATE_EXPECTED=1 rewrites the expected
// pictures from them.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstdlib>

#include "engine/EngineRenderer.h"
#include "frontend_support.h"

namespace {

namespace fs = std::filesystem;

const std::string ShotFolder = PLOTSTEAD_BIN_DIR "/../frontend-screenshots/";
const std::string ExpectedFolder = PLOTSTEAD_SOURCE_DIR "/tests/integration/expected/";

// A channel further off than this marks a pixel as different; more than this share of
// different pixels fails the comparison.
constexpr int kChannelTolerance = 48;
constexpr double kDifferentShare = 0.003;

// Each screenshot after the steps that lead to it. The run starts windowed, so that F11 at
// the end shows the menu in full screen.
const std::pair<const char*, const char*> Shots[] = {
    {"splash", "wait 60\n"},
    {"menu", "key Space\nwait 110\n"},
    {"profiles", "click 640 280\nwait 50\n"},
    {"input", "click 420 760\nwait 30\ntype Anna\nwait 2\n"},
    {"message", "click 640 500\nwait 30\nclick 420 760\nwait 30\ntype Anna\nclick 640 500\nwait 60\n"},
    {"profiles_list", "click 640 500\nwait 60\ntype Bo\nclick 640 500\nwait 30\nmove 1100 300\nwait 2\n"},
    {"about", "click 860 760\nwait 50\nkey F1\nwait 30\n"},
    {"options", "key Escape\nwait 30\nclick 640 685\nwait 30\nmove 1100 300\nwait 2\n"},
    {"query", "key Escape\nwait 30\nkey Escape\nwait 30\n"},
    {"menu_fullscreen", "key Escape\nwait 30\nkey F11\nwait 10\n"},
};

// Half size: each pixel the average of a 2 x 2 block, as 0x00RRGGBB.
TImagePixels Halve(const TImagePixels& Full) {
  TImagePixels Half;
  Half.Width = Full.Width / 2;
  Half.Height = Full.Height / 2;
  Half.Pixels.resize(size_t(Half.Width) * Half.Height);
  for (int y = 0; y < Half.Height; ++y)
    for (int x = 0; x < Half.Width; ++x) {
      uint32_t Sum[3] = {};
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
          const uint32_t P = Full.Pixels[size_t(2 * y + dy) * Full.Width + 2 * x + dx];
          for (int c = 0; c < 3; ++c) Sum[c] += (P >> (16 - 8 * c)) & 0xFF;
        }
      Half.Pixels[size_t(y) * Half.Width + x] =
          (Sum[0] / 4) << 16 | (Sum[1] / 4) << 8 | (Sum[2] / 4);
    }
  return Half;
}

bool WritePng(const std::string& Path, const TImagePixels& Image) {
  std::FILE* File = std::fopen(Path.c_str(), "wb");
  if (!File) return false;
  png_structp Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop Info = png_create_info_struct(Png);
  std::vector<png_byte> Row(size_t(Image.Width) * 3);
  if (setjmp(png_jmpbuf(Png))) {
    png_destroy_write_struct(&Png, &Info);
    std::fclose(File);
    return false;
  }
  png_init_io(Png, File);
  png_set_IHDR(Png, Info, Image.Width, Image.Height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(Png, Info);
  for (int y = 0; y < Image.Height; ++y) {
    for (int x = 0; x < Image.Width; ++x)
      for (int c = 0; c < 3; ++c)
        Row[size_t(x) * 3 + c] = png_byte(Image.Pixels[size_t(y) * Image.Width + x] >> (16 - 8 * c));
    png_write_row(Png, Row.data());
  }
  png_write_end(Png, nullptr);
  png_destroy_write_struct(&Png, &Info);
  return std::fclose(File) == 0;
}

// The share of pixels that differ, and a picture of where (white) for review.
double DifferentShare(const TImagePixels& Got, const TImagePixels& Want, TImagePixels& Marks) {
  Marks = Got;
  size_t Different = 0;
  for (size_t i = 0; i < Got.Pixels.size(); ++i) {
    bool Off = false;
    for (int c = 0; c < 3; ++c) {
      const int A = (Got.Pixels[i] >> (8 * c)) & 0xFF, B = (Want.Pixels[i] >> (8 * c)) & 0xFF;
      Off = Off || std::abs(A - B) > kChannelTolerance;
    }
    Different += Off;
    Marks.Pixels[i] = Off ? 0xFFFFFF : (Got.Pixels[i] >> 2) & 0x3F3F3F;
  }
  return double(Different) / double(Got.Pixels.size());
}

class FrontEndScreens : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fs::create_directories(ShotFolder);
    for (const auto& [Name, Steps] : Shots) {
      fs::remove(ShotFolder + Name + ".png");
      fs::remove(ShotFolder + Name + "_differences.png");
    }
    TFrontEndRun Run;
    Run.StartWindowed();
    std::string Script;
    for (const auto& [Name, Steps] : Shots)
      Script += std::string(Steps) + "screenshot " + ShotFolder + Name + ".png\n";
    Script += "key Enter\nwait 30\n";  // yes, quit
    ExitStatus = Run.Play(Script);
    Output = Run.Output;
  }

  static inline int ExitStatus = -1;
  static inline std::string Output;
};

TEST_F(FrontEndScreens, RunEndsThroughTheQuitQuestion) { EXPECT_EQ(ExitStatus, 0) << Output; }

TEST_F(FrontEndScreens, EachScreenLooksAsExpected) {
  const bool Update = std::getenv("PLOTSTEAD_UPDATE_EXPECTED") != nullptr;
  for (const auto& [Name, Steps] : Shots) {
    SCOPED_TRACE(Name);
    const std::string Shot = ShotFolder + Name + ".png";
    ASSERT_TRUE(fs::exists(Shot)) << Output;
    const TImagePixels Got = Halve(ReadImageFile(Shot));
    const std::string Expected = ExpectedFolder + "frontend_" + Name + ".png";
    if (Update) ASSERT_TRUE(WritePng(Expected, Got));
    const TImagePixels Want = ReadImageFile(Expected);
    ASSERT_EQ(Got.Width, Want.Width);
    ASSERT_EQ(Got.Height, Want.Height);
    TImagePixels Marks;
    const double Share = DifferentShare(Got, Want, Marks);
    if (Share > kDifferentShare) WritePng(ShotFolder + Name + "_differences.png", Marks);
    EXPECT_LE(Share, kDifferentShare) << "see " << ShotFolder << Name << "_differences.png";
  }
}

}  // namespace
