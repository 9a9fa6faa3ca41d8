#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "EngineGuiTestWorld.h"
#include "engine/EngineLanguages.h"
#include "engine/OrmelGuiControlButtons.h"
#include "engine/OrmelGuiControlPictures.h"
#include "engine/OrmelGuiCursors.h"
#include "engine/OrmelGuiTransitionImage.h"
#include "engine/OrmelGuiTransitionSplash.h"
#include "game/OrmelGuiFormMission.h"

namespace {

int AlphaByte(const TSprite* Sprite) {
  return static_cast<int>(Sprite->Color >> 24);
}

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Strings[sidButtonOK] = "OK";
    Main = new TGuiForm("Main");
    Gui->AddForm(Main);
    Gui->AddCursor(new TGuiCursorStandard("Default"));
    Gui->SetCursor("Default");
  }

  // Shows Main with what was added to it and lets one frame run.
  void ShowMain() {
    Gui->SetForm("Main");
    World.Frame();
  }

  TGuiClickHandler Recorder() {
    return [this](TGuiControl* Sender, int32_t Kind) {
      Calls.push_back(Sender->Name + "/" + std::to_string(Kind));
    };
  }

  TGuiTestWorld World;
  TGuiForm* Main = nullptr;
  std::vector<std::string> Calls;
};

TEST_F(ControlsTest, BumpButtonLooksAndSoundsByEnabledState) {
  struct TCase {
    bool Enabled;
    std::vector<std::string> Sounds;
    float HotScale, PressedShift;
    int32_t Segment;
    float TextAlpha;
    size_t Calls;
  } const Cases[] = {
      {true, {"Focus", "Click"}, 1.05f, 2, 3, 1.0f, 1},
      {false, {}, 1.0f, 0, 2, 0.5f, 0},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Enabled ? "enabled" : "disabled");
    Gui->SetForm("");
    Main->Controls.Clear();
    Calls.clear();
    auto* Button = static_cast<TGuiControlButtonBump*>(Main->AddControl(
        new TGuiControlButtonBump("Go", 0, sidButtonOK, Recorder(), 100, 100, 10)));
    Button->SetEnabled(Case.Enabled);
    ShowMain();
    World.TakeSounds(Button);
    const TVector2 Centre = Button->ScreenPosition();

    World.Move(250, 130);
    World.Button(true);
    World.Frame();
    EXPECT_TRUE(Button->Down) << "the press shows even when disabled";
    ASSERT_NE(Button->Sprite, nullptr);
    EXPECT_FLOAT_EQ(Button->Sprite->Scale, Case.HotScale);
    EXPECT_FLOAT_EQ(Button->Sprite->Position.X, Centre.X + Case.PressedShift);
    EXPECT_FLOAT_EQ(Button->Sprite->Position.Y, Centre.Y + Case.PressedShift);
    EXPECT_EQ(Button->Sprite->Segment, Case.Segment);
    EXPECT_EQ(Button->Sprite->Layer, 10);
    EXPECT_EQ(AlphaByte(Button->Sprite), 255);
    EXPECT_FLOAT_EQ(Button->TextItem->Alpha, Case.TextAlpha);
    EXPECT_EQ(Button->TextItem->Layer, 11);
    EXPECT_EQ(Button->TextItem->Text, "OK");
    EXPECT_EQ(World.TakeSounds(Button), Case.Sounds);

    World.Button(false);
    World.Frame();
    EXPECT_EQ(Calls.size(), Case.Calls);
  }
}

TEST_F(ControlsTest, ButtonStyles) {
  struct TCase {
    TGuiControlButtonBump* Button;
    float Width, Height, FontSize;
    int32_t Frame;
  } const Cases[] = {
      {new TGuiControlButtonBump("B2", 2, 0, nullptr, 0, 0, 0), 200, 40, 0.78125f, 7},
      {new TGuiControlButtonBump("B5", 5, 0, nullptr, 0, 0, 0), 300, 60, 0.9375f, 1},
      {new TGuiControlButtonBump("B9", 9, 0, nullptr, 0, 0, 0), 0, 0, 0, 0},
      {new TGuiControlButtonBumpSel("S2", 2, "G", 0, nullptr, 0, 0, 0), 200, 60, 0.9375f, 5},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Button->Name);
    EXPECT_EQ(Case.Button->Width, Case.Width);
    EXPECT_EQ(Case.Button->Height, Case.Height);
    EXPECT_EQ(Case.Button->FontSize, Case.FontSize);
    EXPECT_EQ(Case.Button->Frame, Case.Frame);
    EXPECT_EQ(Case.Button->Alignment, Case.FontSize > 0 ? 4 : 0);
    delete Case.Button;
  }
  TGuiControlButtonLink Link("L", 3, 0, nullptr, 0, 0, 100, 20, 0);
  EXPECT_EQ(Link.Alignment, 3);
  EXPECT_EQ(Link.FontSize, 0.625f);
}

TEST_F(ControlsTest, LinkTextMovesWhileHeldAndComesBackWhenLeft) {
  auto* Link = static_cast<TGuiControlButtonLink*>(Main->AddControl(
      new TGuiControlButtonLink("Link", 0, sidButtonOK, Recorder(), 100, 100, 200, 40, 0)));
  ShowMain();
  const TVector2 Centre = Link->ScreenPosition();
  World.Move(150, 120);
  World.Button(true);
  World.Frame();
  EXPECT_FLOAT_EQ(Link->TextItem->Position.X, Centre.X + 2);
  EXPECT_FLOAT_EQ(Link->TextItem->Position.Y, Centre.Y + 2);
  EXPECT_EQ(Link->TextItem->Color, 0xFFFF00u) << "hot";
  World.Move(700, 600);
  World.Frame();
  EXPECT_FLOAT_EQ(Link->TextItem->Position.X, Centre.X);
  EXPECT_EQ(Link->TextItem->Color, 0xFFFFFFu);
  World.Button(false);
  World.Frame();
  EXPECT_TRUE(Calls.empty());
}

TEST_F(ControlsTest, RadioOptionSwitchesOnceAndWearsMarkers) {
  auto* First = static_cast<TGuiControlButtonBumpSel*>(Main->AddControl(
      new TGuiControlButtonBumpSel("First", 0, "G", sidButtonOK, Recorder(), 100, 100, 0)));
  auto* Second = static_cast<TGuiControlButtonBumpSel*>(Main->AddControl(
      new TGuiControlButtonBumpSel("Second", 0, "G", sidButtonOK, Recorder(), 100, 200, 0)));
  Main->SelectInGroup("First", "G");
  ShowMain();
  EXPECT_EQ(First->TextItem->Text, "\x1C OK \x1D");
  EXPECT_EQ(Second->TextItem->Text, "OK");

  World.Move(250, 130);
  World.Frame();
  World.TakeSounds(First);
  World.Click(250, 130);
  EXPECT_TRUE(Calls.empty()) << "the selected option does nothing";
  EXPECT_EQ(World.TakeSounds(First), std::vector<std::string>{});

  World.Move(250, 230);
  World.Button(true);
  World.Frame();
  EXPECT_EQ(Calls, std::vector<std::string>{"Second/1"});
  EXPECT_EQ(World.TakeSounds(Second), (std::vector<std::string>{"Focus", "Switch"}));
  EXPECT_FALSE(First->Down);
  EXPECT_EQ(First->TextItem->Text, "OK");
  EXPECT_FLOAT_EQ(Second->Sprite->Position.Y, Second->ScreenPosition().Y) << "never moves";
}

TEST_F(ControlsTest, RecommendedArrowBobsOffTheTargetCorner) {
  Main->AddControl(
      new TGuiControlPicture("Target", "Buttons", 0, false, false, 590, 370, 100, 60, 0));
  auto* Arrow = static_cast<TGuiControlRecommendedArrow*>(
      Main->AddControl(new TGuiControlRecommendedArrow(5)));
  ShowMain();
  struct TCase {
    int32_t Side;
    float Pulse, X, Y;
    int32_t Frame;
  } const Cases[] = {
      {0, 0.0f, -40, -40, 0}, {0, 1.0f, -30, -30, 0}, {1, 0.0f, 40, -40, 1},
      {2, 0.5f, 35, 35, 2},   {3, 1.0f, -30, 30, 3},  {9, 0.0f, -40, 40, 3},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << Case.Side << " at " << Case.Pulse);
    Main->Recommend("Target", Case.Side);
    Input->Pulse = Case.Pulse;
    Arrow->Update();
    EXPECT_TRUE(Arrow->Displayed);
    EXPECT_FLOAT_EQ(Arrow->CenterX, Case.X);  // the target's centre is the screen centre
    EXPECT_FLOAT_EQ(Arrow->CenterY, Case.Y);
    EXPECT_EQ(Arrow->Frame, Case.Frame);
  }
}

TEST_F(ControlsTest, RecommendedArrowHidesWithoutAnActiveRecommendation) {
  auto* Ask = new TGuiDialog("Ask", 0.1f, 0.1f);
  Gui->AddDialog(Ask);
  Main->AddControl(new TGuiControlPicture("Stage", "", 0, false, false, 0, 0, 10, 10, 0));
  Main->AddControl(new TGuiControlPicture("Target", "", 0, false, false, 200, 0, 10, 10, 0));
  auto* Arrow = Main->AddControl(new TGuiControlRecommendedArrow(5));
  ShowMain();
  EXPECT_FALSE(Arrow->Displayed) << "no recommendation";
  Main->Recommend("Target", 1);
  World.Frame();
  EXPECT_TRUE(Arrow->Displayed);
  Gui->ShowDialog("Ask");
  World.Frame();
  EXPECT_FALSE(Arrow->Displayed) << "hidden under a dialog";
  Gui->CloseDialog();
  World.Frames(20);
  EXPECT_TRUE(Arrow->Displayed) << "back when the dialog is gone";
  Main->Recommend("Stage", 1);
  World.Frame();
  EXPECT_FALSE(Arrow->Displayed) << "the stage panel is never pointed at";
  Main->Recommend("Nothing", 1);
  EXPECT_EQ(Main->RecommendedControl, nullptr);
}

TEST_F(ControlsTest, InputFieldShowsTheTypedTextWithABlinkingCaret) {
  auto* Field =
      static_cast<TGuiControlInput*>(Main->AddControl(new TGuiControlInput("Name", 490, 370, 0)));
  ShowMain();
  Input->PulsePhase = 0.2f;
  Field->Update();
  EXPECT_EQ(Field->GetCaption(), "_") << "the caret even without text input";
  Input->BeginTextInput(10);
  Input->KeyChar('A');
  Input->KeyChar('n');
  Input->PulsePhase = 0.7f;
  Field->Update();
  Main->RefreshControls();
  EXPECT_EQ(Field->TextItem->Text, "An ");
  EXPECT_EQ(Field->Width, 300);
  EXPECT_EQ(Field->Sprite->Segment, 0);
  EXPECT_EQ(Field->TextItem->BoxSize.X, 285);
}

TEST_F(ControlsTest, PicturesAndLabels) {
  auto* Picture = static_cast<TGuiControlPicture*>(
      Main->AddControl(new TGuiControlPicture("P", "Buttons", 4, true, true, 0, 0, 64, 32, 3)));
  auto* Empty = static_cast<TGuiControlLabel*>(
      Main->AddControl(new TGuiControlLabel("Empty", 0, 0xFF0000, 4, 1.0f, 0, 0, 100, 20, 0)));
  auto* Label = static_cast<TGuiControlLabel*>(Main->AddControl(
      new TGuiControlLabel("L", sidButtonOK, 0x00FF00, 4, 1.0f, 0, 0, 100, 20, 0)));
  Main->SetAlpha(0.5f);
  ShowMain();
  EXPECT_EQ(Picture->Sprite->Segment, 4);
  EXPECT_EQ(Picture->Sprite->VertexBuffer, 3) << "both flips";
  EXPECT_EQ(Picture->Sprite->Size.X, 64);
  EXPECT_EQ(AlphaByte(Picture->Sprite), 128);
  EXPECT_NE(Empty->TextItem, nullptr) << "an empty label keeps its text";
  EXPECT_EQ(Empty->TextItem->Text, "");
  EXPECT_EQ(Label->TextItem->Text, "OK");
  EXPECT_EQ(Label->TextItem->Color, 0x00FF00u);
  EXPECT_FLOAT_EQ(Label->TextItem->Alpha, 0.5f);
  EXPECT_FALSE(Picture->Interactive);

  const int Sprites = World.SpritesInUse();
  Gui->SetForm("");
  EXPECT_LT(World.SpritesInUse(), Sprites) << "hiding gives the sprites back";
  EXPECT_EQ(Picture->Sprite, nullptr);
}

TEST_F(ControlsTest, EveryPressStartsOneClickRingAtThePointer) {
  SetupMissionEffects();
  ShowMain();
  World.Move(640, 400);
  World.Button(true);
  World.Frame();
  ASSERT_EQ(Particles->Effects.Count, 1);
  auto* Effect = static_cast<TEffect*>(Particles->Effects.First());
  EXPECT_EQ(Effect->Emiter->Name, "ClickWave");
  EXPECT_EQ(Effect->Layer, INT32_MAX - 10);
  EXPECT_FLOAT_EQ(Effect->Position.X, 0);
  EXPECT_FLOAT_EQ(Effect->Position.Y, 0);
  World.Frames(5);
  EXPECT_EQ(Particles->Effects.Count, 1) << "holding the button starts no more";
  World.Button(false);
  World.Frame();
  World.Click(100, 100);
  EXPECT_EQ(Particles->Effects.Count, 2);
}

// ---- transitions ----

class TransitionTest : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    Next = new TGuiForm("Next");
    Gui->AddForm(Next);
    Image = new TGuiTransitionImage("Image");
    Splash = new TGuiTransitionSplash("Splash");
    Gui->AddTransition(Image);
    Gui->AddTransition(Splash);
  }

  struct TTrace {
    std::vector<int> Alpha;  // cover alpha byte after each frame, -1 when no cover
    int SwapFrame = 0;       // frame in which Next was shown
    int EndFrame = 0;        // frame in which the transition ended
  };

  TTrace Run(TSprite* const& Cover) {
    TTrace Trace;
    for (int Frame = 1; Frame <= 120 && Gui->Transition; ++Frame) {
      World.Frame();
      Trace.Alpha.push_back(Cover ? AlphaByte(Cover) : -1);
      if (!Trace.SwapFrame && Gui->Form == Next) Trace.SwapFrame = Frame;
      if (!Gui->Transition) Trace.EndFrame = Frame;
    }
    return Trace;
  }

  TGuiForm* Next = nullptr;
  TGuiTransitionImage* Image = nullptr;
  TGuiTransitionSplash* Splash = nullptr;
};

TEST_F(TransitionTest, ImageCoversInAThirdOfASecondSwapsThenReveals) {
  ShowMain();
  const int Sprites = World.SpritesInUse();
  Gui->ShowForm("Next", "Image");
  TTrace Trace = Run(Image->Sprite);
  EXPECT_EQ(Trace.Alpha[0], 0) << "the opaque start is never drawn";
  const int Covered = Trace.SwapFrame - 1;  // the frame the cover became opaque
  EXPECT_NEAR(Covered, 1 + 18, 1);
  EXPECT_EQ(Trace.Alpha[Covered - 1], 255);
  EXPECT_LT(Trace.Alpha[Covered - 2], 255);
  EXPECT_EQ(Trace.Alpha[Trace.SwapFrame - 1], 255) << "forms swap under the full cover";
  for (int i = 1; i < Covered; ++i) EXPECT_GE(Trace.Alpha[i], Trace.Alpha[i - 1]);
  EXPECT_NEAR(Trace.EndFrame - Trace.SwapFrame, 2 + 18 + 1, 1);
  EXPECT_EQ(Image->Sprite, nullptr);
  EXPECT_EQ(World.SpritesInUse(), Sprites);
  EXPECT_FALSE(Main->Visible);
  EXPECT_TRUE(Next->Visible);
}

TEST_F(TransitionTest, FirstSplashFadesInFromAnOpaqueCover) {
  Gui->ShowForm("Next", "Splash");
  TTrace Trace = Run(Splash->Sprite);
  ASSERT_GT(Trace.SwapFrame, 0);
  EXPECT_LE(Trace.SwapFrame, 3) << "no covering half";
  for (int i = 0; i < Trace.SwapFrame + 1; ++i) EXPECT_EQ(Trace.Alpha[i], 255) << i;
  EXPECT_NEAR(Trace.EndFrame - Trace.SwapFrame, 2 + 45 + 1, 1) << "0.75 s fade in";
}

TEST_F(TransitionTest, SplashCoverFollowsTheLogicalScreenAndFadesOutWhenAFormIsShown) {
  ShowMain();
  Gui->ShowForm("Next", "Splash");
  World.Frame();
  EXPECT_EQ(AlphaByte(Splash->Sprite), 0) << "a later splash covers like Image";
  Register.LogicalWidth = 1422;
  Register.LogicalHeight = 800;
  World.Frame();
  EXPECT_FLOAT_EQ(Splash->Sprite->Size.X, 1422);
  TTrace Trace = Run(Splash->Sprite);
  EXPECT_NEAR(Trace.SwapFrame, 45, 2);
}

}  // namespace
