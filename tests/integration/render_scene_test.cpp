// A known scene of sprites and a text, drawn by the real SDL device without a window (as in
// headless runs) and saved through the screenshot path, compared with the committed picture
// tests/integration/expected/render_scene.png. PLOTSTEAD_UPDATE_EXPECTED=1 rewrites it.
// The same scene drawn in a real window is compared too when there is a display
// (render_window.sh runs it under Xvfb).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/EngineRegister.h"
#include "engine/EngineRenderer.h"
#include "engine/EngineTexts.h"
#include "platform/sdl/SdlPlatform.h"
#include "support/FakePlatform.h"

namespace {

namespace fs = std::filesystem;

std::string Dds(uint32_t W, uint32_t H, const std::vector<uint32_t>& Pixels) {
  std::string Out(128, '\0');
  auto Put = [&](size_t At, uint32_t V) {
    for (int i = 0; i < 4; ++i) Out[At + i] = char(V >> (8 * i));
  };
  Put(0, 0x20534444), Put(4, 124), Put(8, 0x1007), Put(12, H), Put(16, W), Put(80, 0x41),
      Put(88, 32), Put(92, 0xFF0000), Put(96, 0xFF00), Put(100, 0xFF), Put(104, 0xFF000000),
      Put(108, 0x1000);
  return Out + std::string(reinterpret_cast<const char*>(Pixels.data()), Pixels.size() * 4);
}

// A 64 x 64 picture: a warm gradient with a dark arrow pointing up, so turns and flips show.
std::vector<uint32_t> Arrow() {
  std::vector<uint32_t> P(64 * 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const bool Shaft = std::abs(x - 32) < 5 && y > 20 && y < 56;
      const bool Head = y >= 6 && y <= 22 && std::abs(x - 32) <= (y - 6);
      P[y * 64 + x] = Shaft || Head ? 0xFF302010u
                                    : 0xFF000000u | uint32_t(200 + x / 2) << 16 |
                                          uint32_t(120 + y) << 8 | 60;
    }
  return P;
}

// A 32 x 32 disc with a soft edge.
std::vector<uint32_t> Disc() {
  std::vector<uint32_t> P(32 * 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const float A = std::fmin(1.0f, std::fmax(0.0f, 15.5f - std::hypot(x - 15.5f, y - 15.5f)));
      P[y * 32 + x] = uint32_t(A * 255) << 24 | 0xFFFFFF;
    }
  return P;
}

// A font of 3 x 5 dot letters, 4 pixels a dot: glyphs 18 wide, of which 4 are the spacing.
const std::pair<char, const char*> kGlyphs[] = {
    {'P', "111101111100100"}, {'L', "100100100100111"}, {'O', "111101101101111"},
    {'T', "111010010010010"}, {'S', "111100111001111"}, {'E', "111100111100111"},
    {'A', "111101111101101"}, {'D', "110101101101110"}, {'1', "010110010010111"},
    {'4', "101101111001001"}, {'8', "111101111101111"}, {'.', "000000000000010"}};

void WriteFont(const fs::path& Folder) {
  std::vector<uint32_t> P(256 * 64, 0);
  std::string Table = "SEGMENTS = 256\nSEGMENT0 = 0, 0, 16, 24\nSEGMENT32 = 0, 0, 12, 24\n";
  int Cell = 0;
  for (auto [Code, Dots] : kGlyphs) {
    const int Cx = Cell * 18, Cy = 0;  // one row of cells
    for (int d = 0; d < 15; ++d)
      if (Dots[d] == '1')
        for (int y = 0; y < 4; ++y)
          for (int x = 0; x < 4; ++x) P[(Cy + 2 + (d / 3) * 4 + y) * 256 + Cx + (d % 3) * 4 + x] = ~0u;
    Table += "SEGMENT" + std::to_string(int(Code)) + " = " + std::to_string(Cx) + ", " +
             std::to_string(Cy) + ", 18, 24\n";
    ++Cell;
  }
  std::ofstream(Folder / "DefaultFont.dds", std::ios::binary) << Dds(256, 64, P);
  std::ofstream(Folder / "DefaultFont.tsg") << Table;
}

class RenderSceneTest : public ::testing::Test {
 public:
  void SetUp() override {
    Root = fs::temp_directory_path() / ("plotstead-scene-" + std::to_string(getpid()));
    fs::create_directories(Root / "Textures");
    TexturesFolder = (Root / "Textures").string() + "/";
    BrandingFolder = (Root / "Branding").string() + "/";
    std::ofstream(Root / "Textures" / "Arrow.dds", std::ios::binary) << Dds(64, 64, Arrow());
    std::ofstream(Root / "Textures" / "Disc.dds", std::ios::binary) << Dds(32, 32, Disc());
    WriteFont(Root / "Textures");
    Register = TRegister();
    Register.WindowWidth = 640;
    Register.WindowHeight = 400;
    Register.VSync = true;
    Register.SpritePoolSize = 64;
    Register.TextPoolSize = 4;
    ErrorLog = std::make_unique<TErrorLog>();
  }

  void Start(TPlatform& On) {
    Platform = &On;
    Renderer = new TRenderer();
    Texts = new TTexts();
  }

  void TearDown() override {
    delete Texts;
    Texts = nullptr;
    delete Renderer;
    Renderer = nullptr;
    Platform = nullptr;
    Window.reset();
    ErrorLog.reset();
    fs::remove_all(Root);
  }

  TSprite* Put(const char* Texture, int32_t Layer, float X, float Y, float Size) {
    TSprite* S = Renderer->CreateSprite(Layer);
    S->SetTexture(Texture);
    S->SetPosition({X, Y});
    S->SetSize({Size, Size});
    return S;
  }

  void BuildScene() {
    Put("Arrow", 0, -480, -220, 160);
    Put("Arrow", 0, -240, -220, 160)->SetAngle(90);
    Put("Arrow", 0, 0, -220, 160)->SetFlipVertical(true);
    TSprite* Tinted = Put("Arrow", 0, 240, -220, 160);
    Tinted->SetFlipHorizontal(true);
    Tinted->SetAngle(-45);
    Tinted->SetColorRGB(0x80C0FF);
    Put("Arrow", 0, 480, -220, 160)->SetAlpha(0.5f);
    for (int i = 0; i < 6; ++i) {  // overlapping discs: the later layer lies on top
      TSprite* D = Put("Disc", i % 2, -300 + 60 * i, 40, 128);
      D->SetColorRGB(i % 2 ? 0x3060E0 : 0xE05030);
      D->SetAlpha(0.85f);
    }
    TSprite* Faded = Put("Disc", 3, 400, 40, 160);
    Faded->SetAlpha(0.004f);  // alpha byte 1: never drawn
    TText* Label = nullptr;
    Texts->CreateText(Label, 5, {1200, 120}, 2, 4);
    Label->SetText("PLOTSTEAD 1.48");
    Label->SetPosition({0, 280});
    Label->SetColor(0xFFE8A0);
  }

  // Share of pixels differing from the expected picture by more than Levels in a channel.
  static double Differing(const fs::path& Shot, int Levels) {
    const std::string Expected =
        PLOTSTEAD_SOURCE_DIR "/tests/integration/expected/render_scene.png";
    if (std::getenv("PLOTSTEAD_UPDATE_EXPECTED"))
      fs::copy_file(Shot, Expected, fs::copy_options::overwrite_existing);
    const TImagePixels Got = ReadImageFile(Shot.string());
    const TImagePixels Want = ReadImageFile(Expected);
    EXPECT_EQ(Got.Width, 640);
    EXPECT_EQ(Got.Height, 400);
    if (Want.Width != Got.Width || Want.Height != Got.Height) return 1;
    size_t Count = 0;
    for (size_t i = 0; i < Got.Pixels.size(); ++i)
      for (int Shift : {0, 8, 16})
        if (std::abs(int((Got.Pixels[i] >> Shift) & 255) - int((Want.Pixels[i] >> Shift) & 255)) >
            Levels) {
          ++Count;
          break;
        }
    return double(Count) / double(Got.Pixels.size());
  }

  fs::path Root;
  TFakePlatform Fake;
  std::unique_ptr<TSdlPlatform> Window;
};

}  // namespace

TEST_F(RenderSceneTest, ScreenshotMatchesTheExpectedPicture) {
  Start(Fake);
  BuildScene();
  const fs::path Shot = Root / "shot.png";
  Fake.Screenshot = Shot.string();
  Renderer->RenderFrame();
  ASSERT_TRUE(fs::exists(Shot)) << (ErrorLog->Lines.empty() ? "" : ErrorLog->Lines[0]);
  EXPECT_TRUE(ErrorLog->Lines.empty());
  // Rounding in another SDL version may move an edge pixel, not a picture.
  EXPECT_LE(Differing(Shot, 8), 0.005);
}

TEST_F(RenderSceneTest, RealWindowDrawsTheSameScene) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display; render_window.sh runs this under Xvfb";
  Window = std::make_unique<TSdlPlatform>(TSdlOptions{(Root / "lock").string()});
  ASSERT_TRUE(Window->CreateWindow(0, 0, 640, 400));
  Window->ShowAndFocusWindow();
  Register.FullScreen = false;
  Start(*Window);
  BuildScene();
  const fs::path Shot = Root / "window.png";
  Renderer->Device->RequestScreenshot(Shot.string());
  Renderer->RenderFrame();
  ASSERT_TRUE(fs::exists(Shot)) << Renderer->Device->LastScreenshotError;
  if (const char* Keep = std::getenv("PLOTSTEAD_KEEP_WINDOW_SHOT"))
    fs::copy_file(Shot, Keep, fs::copy_options::overwrite_existing);
  // The accelerated device filters and rounds edges its own way; the picture is the same.
  EXPECT_LE(Differing(Shot, 48), 0.005);
}
