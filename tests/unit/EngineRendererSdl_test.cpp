// The SDL device without a window: frames are drawn by SDL's software renderer only when a
// screenshot is asked for, and the PNG shows what the sprites should look like.
#include <gmock/gmock.h>

#include "EngineRendererFixture.h"
#include "support/FakePlatform.h"

namespace {

class SdlDeviceTest : public RendererTest {
 public:
  void SetUp() override {
    RendererTest::SetUp();
    GraphicsSystemFactory = nullptr;  // the real SDL system
    Register.WindowWidth = 320;        // 4 logical units per pixel
    Register.WindowHeight = 200;
    Platform = &Fake;
    auto Solid = [](uint32_t Color) { return std::vector<uint32_t>(64, Color); };
    std::vector<uint32_t> Halves(64);
    for (int i = 0; i < 64; ++i) Halves[i] = i % 8 < 4 ? 0xFFFF0000 : 0xFF0000FF;
    WriteFile("Textures/White.dds", TDdsFile::Argb(8, 8, Solid(0xFFFFFFFF)).Bytes());
    WriteFile("Textures/Faint.dds", TDdsFile::Argb(8, 8, Solid(0x01FFFFFF)).Bytes());
    WriteFile("Textures/Halves.dds", TDdsFile::Argb(8, 8, Halves).Bytes());
  }

  void TearDown() override {
    Platform = nullptr;
    RendererTest::TearDown();
  }

  TSprite* Put(const char* Texture, float X, float Y, uint32_t Color = 0xFFFFFFFF) {
    TSprite* S = Renderer->CreateSprite(0);
    S->SetTexture(Texture);
    S->SetPosition({X, Y});
    S->SetSize({80, 80});
    S->Color = Color;
    return S;
  }

  TImagePixels Shot() {
    Fake.Screenshot = Folder("User") + "shot.png";
    std::filesystem::create_directories(Folder("User"));
    Renderer->RenderFrame();
    Fake.Screenshot.clear();
    return ReadImageFile(Folder("User") + "shot.png");
  }

  TFakePlatform Fake;
};

uint32_t At(const TImagePixels& Image, int X, int Y) {
  return Image.Pixels[size_t(Y) * Image.Width + X] & 0xFFFFFF;
}

}  // namespace

TEST_F(SdlDeviceTest, ScreenshotShowsPlacedTintedFlippedAndFadedSprites) {
  TRenderer& R = MakeRenderer();
  EXPECT_TRUE(R.NonPowerOfTwo);
  Put("Halves", -400, -200);                           // pixel (60, 50)
  Put("Halves", 0, -200)->SetFlipHorizontal(true);     // pixel (160, 50)
  Put("Faint", 400, -200);                             // pixel (260, 50)
  Put("White", -400, 200, 0xFF00FF00);                 // pixel (60, 150)
  Put("White", 0, 200, 0x80FFFFFF);                    // pixel (160, 150)
  Put("White", 400, 200, 0x01FFFFFF);                  // pixel (260, 150)
  TSprite* Turned = Put("Halves", -400, 0);            // pixel (60, 100)
  Turned->SetAngle(90);                                // red half now on top

  R.RenderFrame();  // frames without a screenshot draw nothing and write nothing
  EXPECT_FALSE(std::filesystem::exists(Folder("User") + "shot.png"));

  const TImagePixels Image = Shot();
  ASSERT_EQ(Image.Width, 320);
  ASSERT_EQ(Image.Height, 200);
  struct TProbe {
    int X, Y;
    uint32_t Color;
  };
  const TProbe Probes[] = {
      {55, 50, 0xFF0000},  {65, 50, 0x0000FF},  {60, 35, 0x000000}, {60, 65, 0x000000},
      {155, 50, 0x0000FF}, {165, 50, 0xFF0000}, {260, 50, 0x000000}, {60, 150, 0x00FF00},
      {260, 150, 0x000000}, {60, 95, 0xFF0000}, {60, 105, 0x0000FF}, {5, 5, 0x000000},
  };
  for (const TProbe& P : Probes)
    EXPECT_EQ(At(Image, P.X, P.Y), P.Color) << P.X << "," << P.Y << std::hex << " got "
                                            << At(Image, P.X, P.Y);
  const uint32_t Grey = At(Image, 160, 150);
  EXPECT_NEAR(int(Grey & 255), 128, 2);
  EXPECT_EQ(Grey >> 16, Grey & 255);
  EXPECT_TRUE(Log().empty());
}

TEST_F(SdlDeviceTest, ResetToAnotherSizeKeepsTexturesAndDrawsAtTheNewSize) {
  TRenderer& R = MakeRenderer();
  Put("White", 0, 0, 0xFFFF0000);
  R.SetFullScreen(true);  // the 1920 x 1080 desktop of the settings
  ASSERT_FALSE(R.DeviceLost);
  const TImagePixels Image = Shot();
  ASSERT_EQ(Image.Width, 1920);
  EXPECT_EQ(At(Image, 960, 540), 0xFF0000u);
  EXPECT_EQ(At(Image, 960, 480), 0u);  // 80 logical units are 54 pixels high here
}

TEST_F(SdlDeviceTest, AFailedScreenshotIsLogged) {
  TRenderer& R = MakeRenderer();
  Fake.Screenshot = Folder("NoSuchFolder") + "x/shot.png";
  R.RenderFrame();
  ASSERT_EQ(Log().size(), 1u);
  EXPECT_THAT(Log()[0], ::testing::StartsWith("Failed to save screenshot \"" + Fake.Screenshot + "\" ("));
}
