#include "engine/EngineRenderer.h"

#include <gmock/gmock.h>

#include <cmath>
#include <functional>

#include "EngineRendererFixture.h"
#include "support/FakePlatform.h"

namespace {

using ::testing::ElementsAre;

// A picture of 8 x 8 with a segment table of three pieces.
void WriteTiles(RendererTest& T) {
  T.WriteFile("Textures/Tiles.dds", TDdsFile::Argb(8, 8, std::vector<uint32_t>(64, ~0u)).Bytes());
  T.WriteFile("Textures/Tiles.tsg",
              "SEGMENTS = 3\nSEGMENT1 = 0, 0, 4, 4\nSEGMENT2 = 4, 4, 4, 4\n");
}

TSprite* Sprite(TRenderer& R, int32_t Layer, const char* Texture, int32_t Segment = 0) {
  TSprite* S = R.CreateSprite(Layer);
  S->SetTexture(Texture);
  S->Segment = Segment;
  S->SetSize({10, 10});
  return S;
}

// Where a point of the unit quad lands in clip space for a sprite drawn now.
TVector2 ToClip(const TSprite& S, float X, float Y) {
  TMatrix P;
  P.M[0][0] = 2.0f / Register.LogicalWidth;
  P.M[1][1] = 2.0f / Register.LogicalHeight;
  TMatrix Point;
  Point.M[0][0] = X;
  Point.M[0][1] = Y;
  Point.M[0][3] = 1;
  TMatrix R = Point * S.Matrix * P;
  return {R.M[0][0], R.M[0][1]};
}

// The same point in logical coordinates (origin at the centre, y down).
TVector2 ToLogical(TSprite& S, float X, float Y) {
  S.UpdateMatrix();
  TVector2 C = ToClip(S, X, Y);
  return {C.X * Register.LogicalWidth / 2, -C.Y * Register.LogicalHeight / 2};
}

}  // namespace

TEST_F(RendererTest, StartUpFailuresCarryTheirMessageAndMarkUnusableVideo) {
  struct TCase {
    std::function<void(RendererTest&)> Arrange;
    const char* Message;
    bool VideoUnusable;
  };
  const TCase Cases[] = {
      {[](RendererTest& T) { T.NoSystem = true; }, "Failed to create Direct3D object", true},
      {[](RendererTest& T) { T.NoFullScreenFormat = true; }, "Failed to determine backbuffer format",
       true},
      {[](RendererTest& T) { T.Behavior.FailCreateDevice = 2; }, "Failed to create Direct3D device",
       true},
      {[](RendererTest& T) { T.Behavior.FailCaps = true; },
       "Failed to get Direct3D device capabilities", true},
      {[](RendererTest& T) { T.Behavior.FailVertexBufferIndex = 2; },
       "Failed to create vertex buffer", false},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Message);
    NoSystem = NoFullScreenFormat = false;
    Behavior = TRecordingBehavior();
    Register.RendererFailed = false;
    Case.Arrange(*this);
    try {
      MakeRenderer();
      ADD_FAILURE() << "no failure";
    } catch (const std::runtime_error& Error) {
      EXPECT_STREQ(Error.what(), Case.Message);
    }
    EXPECT_EQ(Register.RendererFailed, Case.VideoUnusable);
    EXPECT_EQ(Renderer, nullptr);
  }
}

TEST_F(RendererTest, CreationFallsBackToSoftwareProcessingAndTheFirstUsableFormat) {
  Behavior.FailCreateDevice = 1;
  Behavior.FailVertexBufferLock = true;  // unfilled buffers are not an error
  GraphicsSystemFactory = [this]() -> std::unique_ptr<TGraphicsSystem> {
    auto Made = std::make_unique<TRecordingSystem>();
    Made->Behavior = Behavior;
    Made->FullScreenFormats = {dfX1R5G5B5, dfR5G6B5};
    System = Made.get();
    return Made;
  };
  Register.FullScreen = true;
  TRenderer& R = MakeRenderer();
  EXPECT_THAT(System->CreateDeviceFlags, ElementsAre(0x50u, 0x20u));
  EXPECT_EQ(R.FullScreenFormat, dfR5G6B5);
  EXPECT_EQ(R.PresentParameters.BackBufferFormat, dfR5G6B5);
  EXPECT_FALSE(R.PresentParameters.Windowed);
  EXPECT_EQ(R.PresentParameters.BackBufferWidth, 1920);
  EXPECT_FALSE(Register.RendererFailed);
}

TEST_F(RendererTest, TextureCapabilitiesDecideNonPowerOfTwo) {
  const std::pair<uint32_t, bool> Cases[] = {{0, true}, {0x2, false}, {0x100, false}, {0x102, false}};
  for (auto [Caps, Expected] : Cases) {
    Behavior.TextureCaps = Caps;
    EXPECT_EQ(MakeRenderer().NonPowerOfTwo, Expected) << Caps;
    delete Renderer;
    Renderer = nullptr;
  }
}

TEST_F(RendererTest, LogicalScreenKeepsTheCentralAreaVisible) {
  struct TCase {
    int Width, Height;
    float LogicalWidth, LogicalHeight;
  };
  const TCase Cases[] = {{1680, 1050, 1280, 800},       {1280, 1024, 1280, 1024},
                         {2560, 1080, 1896.2963f, 800}, {1024, 768, 1280, 960},
                         {1920, 1080, 1422.2222f, 800}};
  for (const TCase& Case : Cases) {
    Register.WindowWidth = Case.Width;
    Register.WindowHeight = Case.Height;
    TRenderer& R = MakeRenderer();
    EXPECT_NEAR(Register.LogicalWidth, Case.LogicalWidth, 0.001f) << Case.Width;
    EXPECT_NEAR(Register.LogicalHeight, Case.LogicalHeight, 0.001f) << Case.Width;
    EXPECT_EQ(R.Viewport.Width, uint32_t(Case.Width));
    R.RenderFrame();
    TMatrix Projection = Device->CallsOf(rcSetTransform).back().Matrix;
    for (auto& Call : Device->CallsOf(rcSetTransform))
      if (Call.A == tkProjection) Projection = Call.Matrix;
    EXPECT_FLOAT_EQ(Projection.M[0][0], 2.0f / Register.LogicalWidth);
    EXPECT_FLOAT_EQ(Projection.M[1][1], 2.0f / Register.LogicalHeight);
    delete Renderer;
    Renderer = nullptr;
  }
}

TEST_F(RendererTest, SpritePositionsMapOntoTheScreen) {
  WriteTiles(*this);
  TRenderer& R = MakeRenderer();
  TSprite* S = Sprite(R, 0, "Tiles");
  S->SetSize({100, 50});
  TVector2 Centre = ToClip((S->UpdateMatrix(), *S), 0, 0);
  EXPECT_FLOAT_EQ(Centre.X, 0);
  EXPECT_FLOAT_EQ(Centre.Y, 0);
  S->SetPosition({-640, -400});
  S->UpdateMatrix();
  TVector2 Corner = ToClip(*S, 0, 0);
  EXPECT_FLOAT_EQ(Corner.X, -1);  // left edge
  EXPECT_FLOAT_EQ(Corner.Y, 1);   // top edge: clip y points up
  TVector2 TopLeft = ToLogical(*S, -0.5f, 0.5f);
  EXPECT_FLOAT_EQ(TopLeft.X, -690);
  EXPECT_FLOAT_EQ(TopLeft.Y, -425);
}

TEST_F(RendererTest, StatesGiveModulationBlendingAndTheAlphaTest) {
  MakeRenderer();
  auto Value = [&](TRecordedCallKind Kind, uint32_t A, uint32_t B) -> int64_t {
    int64_t Found = -1;
    for (const TRecordedCall& Call : Device->CallsOf(Kind)) {
      if (Kind == rcSetRenderState && Call.A == A) Found = Call.B;
      if (Kind != rcSetRenderState && Call.A == A && Call.B == B) Found = Call.C;
    }
    return Found;
  };
  EXPECT_EQ(Value(rcSetRenderState, rsAlphaTestEnable, 0), 1);
  EXPECT_EQ(Value(rcSetRenderState, rsAlphaFunc, 0), kCompareGreater);
  EXPECT_EQ(Value(rcSetRenderState, rsAlphaRef, 0), 1);
  EXPECT_EQ(Value(rcSetRenderState, rsAlphaBlendEnable, 0), 1);
  EXPECT_EQ(Value(rcSetRenderState, rsSrcBlend, 0), kBlendSourceAlpha);
  EXPECT_EQ(Value(rcSetRenderState, rsDestBlend, 0), kBlendInverseSourceAlpha);
  EXPECT_EQ(Value(rcSetRenderState, rsTextureFactor, 0), -1);  // the device starts at white
  EXPECT_EQ(Value(rcSetTextureStageState, 0, tsColorOp), kOpModulate);
  EXPECT_EQ(Value(rcSetTextureStageState, 0, tsColorArg2), kArgTextureFactor);
  EXPECT_EQ(Value(rcSetTextureStageState, 0, tsAlphaOp), kOpModulate);
  EXPECT_EQ(Value(rcSetTextureStageState, 0, tsAlphaArg2), kArgTextureFactor);
  EXPECT_EQ(Value(rcSetTextureStageState, 1, tsColorOp), kOpDisable);
  EXPECT_EQ(Value(rcSetSamplerState, 0, ssMinFilter), kFilterLinear);
  EXPECT_EQ(Value(rcSetSamplerState, 0, ssAddressU), kAddressClamp);
}

TEST_F(RendererTest, OneBindAndTwoSegmentTransformsForTwoPiecesOfOneTexture) {
  WriteTiles(*this);
  TRenderer& R = MakeRenderer();
  Sprite(R, 0, "Tiles", 1);
  Sprite(R, 1, "Tiles", 2);
  Device->ClearLog();
  R.RenderFrame();
  auto Transforms = [&](TTransformKind Kind) {
    int Count = 0;
    for (auto& Call : Device->CallsOf(rcSetTransform)) Count += Call.A == Kind;
    return Count;
  };
  EXPECT_EQ(Device->CallsOf(rcSetTexture).size(), 2u);  // the bind and the unbind at the end
  EXPECT_NE(Device->CallsOf(rcSetTexture)[0].Object, nullptr);
  EXPECT_EQ(Device->CallsOf(rcSetTexture)[1].Object, nullptr);
  EXPECT_EQ(Transforms(tkTexture0), 2);
  EXPECT_EQ(Transforms(tkWorld), 2);
  EXPECT_EQ(Device->Count(rcSetStreamSource), 1);
  EXPECT_EQ(Device->Count(rcSetRenderState), 0);  // white is the device's factor already
  EXPECT_EQ(Device->Count(rcDrawPrimitive), 2);
  EXPECT_EQ(Device->Count(rcPresent), 1);

  Device->ClearLog();
  R.RenderFrame();  // the texture is bound again each frame, the colour is not
  EXPECT_EQ(Device->Count(rcSetRenderState), 0);
  EXPECT_EQ(Device->CallsOf(rcSetTexture).size(), 2u);
  EXPECT_EQ(Device->Count(rcSetStreamSource), 1);
}

TEST_F(RendererTest, OnlyVisibleTexturedSpritesWithAlphaAboveOneAreDrawn) {
  WriteTiles(*this);
  TRenderer& R = MakeRenderer();
  Sprite(R, 0, "Tiles")->Color = 0x01FFFFFF;
  Sprite(R, 0, "Tiles")->Visible = false;
  Sprite(R, 0, "");                 // no texture
  Sprite(R, 0, "NoSuchPicture");    // a placeholder without device texture
  TSprite* Drawn = Sprite(R, 0, "Tiles");
  Drawn->Color = 0x02FFFFFF;
  Device->ClearLog();
  R.RenderFrame();
  ASSERT_EQ(Device->Count(rcDrawPrimitive), 1);
  auto Factor = Device->CallsOf(rcSetRenderState);
  ASSERT_EQ(Factor.size(), 1u);
  EXPECT_EQ(Factor[0].A, rsTextureFactor);
  EXPECT_EQ(Factor[0].B, 0x02FFFFFFu);
  EXPECT_TRUE(Drawn->MatrixValid);
}

TEST_F(RendererTest, OutOfRangeSegmentsAreClampedWhenDrawn) {
  WriteTiles(*this);
  TRenderer& R = MakeRenderer();
  // Drawn in the order created last first: 99, 2, 99, -5.
  Sprite(R, 0, "Tiles", -5);
  Sprite(R, 0, "Tiles", 99);
  Sprite(R, 0, "Tiles", 2);
  Sprite(R, 0, "Tiles", 99);
  Device->ClearLog();
  R.RenderFrame();
  std::vector<TMatrix> Segments;
  for (auto& Call : Device->CallsOf(rcSetTransform))
    if (Call.A == tkTexture0) Segments.push_back(Call.Matrix);
  TTexture* Tiles = R.GetTexture("Tiles");
  // 99 is clamped to 2, so the following 2 costs nothing; the next 99 differs from the
  // remembered clamped index and sends the same transform again.
  ASSERT_EQ(Segments.size(), 3u);
  EXPECT_EQ(Segments[0], Tiles->Segments[2].Transform);
  EXPECT_EQ(Segments[1], Tiles->Segments[2].Transform);
  EXPECT_EQ(Segments[2], Tiles->Segments[0].Transform);
}

TEST_F(RendererTest, LostDeviceIsRestoredOnlyWhenItCanBeReset) {
  TRenderer& R = MakeRenderer();
  struct TStep {
    const char* What;
    std::function<void()> Act;
    bool Lost;
    int Resets;
  };
  const TStep Steps[] = {
      {"present fails otherwise", [&] { Device->Behavior.PresentResult = drInvalidCall; R.RenderFrame(); }, false, 0},
      {"present reports lost", [&] { Device->Behavior.PresentResult = drDeviceLost; R.RenderFrame(); }, true, 0},
      {"not resettable yet", [&] { Device->Behavior.CooperativeLevel = drDeviceLost; R.RestoreDevice(); }, true, 0},
      {"reset fails", [&] { Device->Behavior.CooperativeLevel = drDeviceNotReset; Device->Behavior.FailReset = true; R.RestoreDevice(); }, true, 1},
      {"reset succeeds", [&] { Device->Behavior.FailReset = false; R.RestoreDevice(); }, false, 2},
      {"frames go on", [&] { R.RenderFrame(); }, false, 2},
  };
  for (const TStep& Step : Steps) {
    const int StatesBefore = Device->Count(rcSetRenderState);
    Step.Act();
    EXPECT_EQ(R.DeviceLost, Step.Lost) << Step.What;
    EXPECT_EQ(Device->Count(rcReset), Step.Resets) << Step.What;
    if (std::string(Step.What) == "reset succeeds")
      EXPECT_GT(Device->Count(rcSetRenderState), StatesBefore) << "states applied again";
  }
}

TEST_F(RendererTest, FullScreenSwitchResetsTheDeviceAndMovesTheWindow) {
  TFakePlatform Fake;
  Fake.Window = true;
  Platform = &Fake;
  TRenderer& R = MakeRenderer();
  R.SetFullScreen(false);
  EXPECT_EQ(Device->Count(rcReset), 0);

  R.SetFullScreen(true);
  EXPECT_TRUE(Fake.IsFullScreen);
  EXPECT_EQ(Device->Parameters.BackBufferWidth, 1920);
  EXPECT_FALSE(Device->Parameters.Windowed);
  EXPECT_NEAR(Register.LogicalWidth, 1422.2222f, 0.001f);
  EXPECT_EQ(R.Viewport.Height, 1080u);
  EXPECT_FALSE(R.DeviceLost);

  Device->Behavior.FailReset = true;
  R.SetFullScreen(false);
  EXPECT_TRUE(R.DeviceLost);
  EXPECT_EQ(Register.ScreenWidth, 1280);
  Device->Behavior.FailReset = false;
  Device->Behavior.CooperativeLevel = drDeviceNotReset;
  R.RestoreDevice();
  EXPECT_FALSE(R.DeviceLost);
  EXPECT_EQ(Device->Parameters.BackBufferWidth, 1280);
  Platform = nullptr;
}

TEST_F(RendererTest, SpritesAreDrawnByLayerWithTheNewestBeneath) {
  TRenderer& R = MakeRenderer();
  TSprite* First10 = R.CreateSprite(10);
  TSprite* Second10 = R.CreateSprite(10);
  TSprite* Eleven = R.CreateSprite(11);
  TSprite* Five = R.CreateSprite(5);
  std::vector<TContainerItem*> Order;
  R.Sprites->ForEach([&](TContainerItem* Item) { Order.push_back(Item); });
  EXPECT_THAT(Order, ElementsAre(Five, Second10, First10, Eleven));
  R.FreeSprite(Second10);
  EXPECT_EQ(Second10, nullptr);
  R.FreeSprite(Second10);  // nothing for null
  EXPECT_EQ(R.Sprites->Count, 3);
}

TEST_F(RendererTest, WorldMatrixScalesTurnsClockwiseAndMoves) {
  TRenderer& R = MakeRenderer();
  TSprite* S = R.CreateSprite(0);
  S->SetSize({40, 20});
  S->SetPosition({100, 50});
  S->SetScale(2);
  struct TCase {
    float Angle;
    TVector2 TopCentre;  // where the middle of the picture's top edge lands
  };
  const TCase Cases[] = {{0, {100, 30}}, {90, {120, 50}}, {180, {100, 70}}, {-90, {80, 50}}};
  for (const TCase& Case : Cases) {
    S->SetAngle(Case.Angle);
    TVector2 P = ToLogical(*S, 0, 0.5f);
    EXPECT_NEAR(P.X, Case.TopCentre.X, 1e-3) << Case.Angle;
    EXPECT_NEAR(P.Y, Case.TopCentre.Y, 1e-3) << Case.Angle;
  }
}

TEST_F(RendererTest, FlipsChooseTheQuadVariant) {
  TRenderer& R = MakeRenderer();
  TSprite* S = R.CreateSprite(0);
  struct TCase {
    bool Horizontal, Vertical;
    int32_t Variant;
    float TopLeftU, TopLeftV;
  };
  const TCase Cases[] = {{false, false, 0, 0, 0}, {true, false, 1, 1, 0}, {false, true, 2, 0, 1},
                         {true, true, 3, 1, 1}};
  for (const TCase& Case : Cases) {
    S->SetFlipHorizontal(Case.Horizontal);
    S->SetFlipVertical(Case.Vertical);
    EXPECT_EQ(S->VertexBuffer, Case.Variant);
    auto& Buffer = dynamic_cast<TRecordingVertexBuffer&>(*R.VertexBuffers[Case.Variant]);
    const TVertex* V = reinterpret_cast<const TVertex*>(Buffer.Data.data());
    EXPECT_EQ(V[0].X, -0.5f);
    EXPECT_EQ(V[0].Y, 0.5f);
    EXPECT_EQ(V[0].U, Case.TopLeftU) << Case.Variant;
    EXPECT_EQ(V[0].V, Case.TopLeftV) << Case.Variant;
    EXPECT_EQ(V[3].U, 1 - Case.TopLeftU);  // the opposite corner shows the opposite texel
  }
}

TEST_F(RendererTest, ReusedSpriteStartsClean) {
  WriteTiles(*this);
  TRenderer& R = MakeRenderer();
  TSprite* S = R.CreateSprite(3);
  S->SetTexture("Tiles");
  S->Segment = 2;
  S->SetPosition({10, 20});
  S->SetSize({30, 40});
  S->SetScale(2);
  S->SetAngle(30);
  S->SetFlipVertical(true);
  S->SetAlpha(0.25f);
  S->Visible = false;
  S->UpdateMatrix();
  TSprite* Old = S;
  R.FreeSprite(S);
  TSprite* Again = R.CreateSprite(7);
  ASSERT_EQ(Again, Old);
  EXPECT_EQ(Again->Layer, 7);
  EXPECT_EQ(Again->Scale, 1);
  EXPECT_EQ(Again->Angle, 0);
  EXPECT_EQ(Again->Color, 0xFFFFFFFFu);
  EXPECT_EQ(Again->Texture, nullptr);
  EXPECT_EQ(Again->Segment, 0);
  EXPECT_EQ(Again->VertexBuffer, 0);
  EXPECT_FALSE(Again->FlipVertical);
  EXPECT_TRUE(Again->Visible);
  Again->SetPosition({10, 20});
  Again->SetSize({30, 40});
  EXPECT_FALSE(Again->MatrixValid) << "the old matrix must not be reused";
}

TEST_F(RendererTest, SettersKeepACurrentMatrixWhenNothingChanges) {
  TRenderer& R = MakeRenderer();
  TSprite* S = R.CreateSprite(0);
  S->SetPosition({1, 2});
  S->SetSize({3, 4});
  S->UpdateMatrix();
  S->SetPosition({1, 2});
  S->SetSize({3, 4});
  S->SetScale(1);
  S->SetAngle(0);
  EXPECT_TRUE(S->MatrixValid);
  S->SetAngle(1);
  EXPECT_FALSE(S->MatrixValid);
}

TEST_F(RendererTest, ColourAlphaAndTextureSetters) {
  WriteTiles(*this);
  TRenderer& R = MakeRenderer();
  TSprite* S = R.CreateSprite(0);
  const std::pair<float, uint32_t> Alphas[] = {{0.5f, 128}, {0.002f, 1}, {1, 255}, {0, 0}};
  for (auto [Alpha, Byte] : Alphas) {
    S->SetColorRGB(0x123456);
    S->SetAlpha(Alpha);
    EXPECT_EQ(S->Color, (Byte << 24) | 0x123456u) << Alpha;
  }
  S->SetColorRGB(0xFFABCDEF);
  EXPECT_EQ(S->Color, 0x00ABCDEFu);

  S->SetTexture("Tiles");
  S->Segment = 2;
  TTexture* Tiles = S->Texture;
  S->SetTexture("Tiles");
  EXPECT_EQ(S->Texture, Tiles);
  EXPECT_EQ(S->Segment, 2);
  S->SetTexture("");
  EXPECT_EQ(S->Texture, nullptr);
  EXPECT_EQ(S->Segment, 2);
  EXPECT_EQ(R.Sprites->Count, 1);
}

TEST_F(RendererTest, PreloadedTexturesAreLoadedOnceEach) {
  TRenderer& R = MakeRenderer();
  PreloadCommonTextures();
  PreloadCommonTextures();
  EXPECT_EQ(R.Textures->Count, 12);
  EXPECT_EQ(Log().size(), 12u);  // none exists here: one line each, not one per call
  EXPECT_EQ(Log()[0], "Failed to create texture \"Blank\" (Missing file)");
  EXPECT_EQ(R.GetTexture(""), R.GetTexture(""));
}

namespace {

class WindowedPlatform : public TFakePlatform {
 public:
  bool IsHeadless() const override { return false; }
};

}  // namespace

TEST_F(RendererTest, ScreenshotsOnF12AndWhenTheScriptAsks) {
  WindowedPlatform Fake;
  Platform = &Fake;
  TRenderer& R = MakeRenderer();
  Fake.Keys[kKeyF12] = true;
  R.RenderFrame();
  R.RenderFrame();  // held down: still one
  Fake.Keys[kKeyF12] = false;
  R.RenderFrame();
  ASSERT_EQ(Device->ScreenshotPaths.size(), 1u);
  const std::string Path = Device->ScreenshotPaths[0];
  EXPECT_EQ(Path.rfind(UserFolder + "Screenshots/Plotstead ", 0), 0u) << Path;
  EXPECT_EQ(Path.substr(Path.size() - 4), ".png");
  EXPECT_TRUE(std::filesystem::is_directory(UserFolder + "Screenshots"));

  Fake.Screenshot = Folder("Shots") + "frame.png";
  R.RenderFrame();
  EXPECT_EQ(Device->ScreenshotPaths.back(), Fake.Screenshot);
  Platform = nullptr;
}
