// The real program body, headless, with a small form and a dialog of its own: a script clicks
// through them and takes screenshots, which show the opaque first cover, the dialog in front
// of the form and the form alone again once the dialog has closed.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/EngineRegister.h"
#include "app/Program.h"
#include "engine/EngineGui.h"
#include "engine/EngineLanguages.h"
#include "engine/EngineRenderer.h"
#include "engine/OrmelGuiControlButtons.h"
#include "engine/OrmelGuiControlPictures.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

namespace fs = std::filesystem;

struct TRegion {
  int Left, Top, Width, Height;  // in the 1280 x 800 layout
};

// Layout: two options, an "Open" button and a "Count" link on the left; the dialog in the
// middle with its "OK" button; nothing but the form's background on the right.
constexpr TRegion kDialogFace = {420, 270, 440, 60};
constexpr TRegion kRightSide = {1040, 560, 200, 200};

struct TCounts {
  int Open = 0, Ok = 0, Count = 0;
};

class TTestScreens {
 public:
  explicit TTestScreens(TCounts& Counts) {
    auto* Form = new TGuiForm("GuiTest");
    auto OnForm = [&Counts](TGuiControl* Sender, int32_t Kind) {
      if (Kind != 2) return;
      if (Sender->Name == "Open") {
        ++Counts.Open;
        Gui->ShowDialog("GuiTestAsk");
      } else if (Sender->Name == "Count") {
        ++Counts.Count;
      }
    };
    Form->AddControl(new TGuiControlPicture("", "Talk", 0, false, false, 640, 560, 620, 220, 0));
    Form->AddControl(
        new TGuiControlLabel("Title", sidGameTitle, 0xFFFFFF, 4, 1.25f, 340, 40, 600, 60, 10));
    Form->AddControl(
        new TGuiControlButtonBumpSel("A", 0, "Pick", sidButtonYes, OnForm, 40, 200, 10));
    Form->AddControl(
        new TGuiControlButtonBumpSel("B", 0, "Pick", sidButtonNo, OnForm, 40, 280, 10));
    Form->AddControl(new TGuiControlButtonBump("Open", 0, sidButtonOptions, OnForm, 40, 400, 10));
    Form->EscapeControl = Form->AddControl(
        new TGuiControlButtonLink("Count", 1, sidButtonContinue, OnForm, 40, 500, 300, 40, 10));
    Form->SelectInGroup("A", "Pick");

    auto* Ask = new TGuiDialog("GuiTestAsk", 0.25f, 0.25f);
    Ask->AddControl(new TGuiControlPicture("", "Dialog66", 0, false, false, 310, 250, 660, 300, 0));
    Ask->AddControl(new TGuiControlButtonBump(
        "OK", 1, sidButtonOK,
        [&Counts](TGuiControl*, int32_t Kind) {
          if (Kind != 2) return;
          ++Counts.Ok;
          Gui->CloseDialog();
        },
        540, 460, 10));
    // The start-up registered the cursor and the transitions and began to bring up its first
    // screen; these screens take its place before anything was shown.
    Gui->AddDialog(Ask);
    Gui->AddForm(Form);
    Gui->SetCursor("Default");
    Gui->ShowForm("GuiTest", "Splash");
  }
};

// Mean of the red, green and blue bytes over a region of a screenshot.
double MeanLevel(const TImagePixels& Image, const TRegion& R) {
  const double Sx = Image.Width / 1280.0, Sy = Image.Height / 800.0;
  double Sum = 0;
  int Count = 0;
  for (int Y = int(R.Top * Sy); Y < int((R.Top + R.Height) * Sy); ++Y)
    for (int X = int(R.Left * Sx); X < int((R.Left + R.Width) * Sx); ++X) {
      const uint32_t P = Image.Pixels[size_t(Y) * Image.Width + X];
      Sum += ((P >> 16) & 0xFF) + ((P >> 8) & 0xFF) + (P & 0xFF);
      Count += 3;
    }
  return Count ? Sum / Count : 0;
}

uint32_t Brightest(const TImagePixels& Image) {
  uint32_t Max = 0;
  for (uint32_t P : Image.Pixels)
    Max = std::max({Max, (P >> 16) & 0xFF, (P >> 8) & 0xFF, P & 0xFF});
  return Max;
}

class GuiFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Root = fs::temp_directory_path() / ("plotstead-gui-" + std::to_string(getpid()));
    fs::remove_all(Root);
    fs::create_directories(Root / "user");
    if (!std::getenv("PLOTSTEAD_DATA")) setenv("PLOTSTEAD_DATA", PLOTSTEAD_BIN_DIR, 1);
    Data = std::getenv("PLOTSTEAD_DATA");
  }
  void TearDown() override {
    if (!std::getenv("PLOTSTEAD_KEEP_SHOTS")) fs::remove_all(Root);
  }

  std::string Shot(const char* Name) { return (Root / Name).string(); }

  fs::path Root;
  std::string Data;
};

TEST_F(GuiFormTest, ScriptClicksThroughAFormAndADialog) {
  if (!fs::exists(fs::path(Data) / "Textures/Talk.dds"))
    GTEST_SKIP() << "no generated pictures in " << Data;
  const std::string Script = "screenshot " + Shot("first.png") + "\n" +
                             "wait 60\n"
                             "screenshot " +
                             Shot("form.png") + "\n" +
                             "wait 2\n"
                             "click 190 310\n"  // option B
                             "wait 2\n"
                             "click 190 430\n"  // Open
                             "wait 30\n"
                             "screenshot " +
                             Shot("dialog.png") + "\n" +
                             "wait 2\n"
                             "click 190 520\n"  // Count, under the dialog's reach: ignored
                             "key Escape\n"     // the form's escape control: ignored too
                             "wait 2\n"
                             "click 640 490\n"  // OK
                             "wait 30\n"
                             "click 190 520\n"  // Count
                             "key Escape\n"     // Count again
                             "wait 2\n"
                             "screenshot " +
                             Shot("final.png") + "\n" + "quit\n";
  std::ofstream(Root / "script.txt") << Script;

  THeadlessPlatform Headless(THeadlessOptions{(Root / "user").string(), 2000});
  Platform = &Headless;
  SetUserDirOverride((Root / "user").string());
  TCounts Counts;
  LoadRegister();
  Headless.StartScript(LoadScriptFile((Root / "script.txt").string()));
  CreateGameWindow();
  TTestScreens Screens(Counts);
  auto* Form = Gui->Forms.Find("GuiTest");
  auto* OptionA = static_cast<TGuiForm*>(Form)->FindButton("A");
  auto* OptionB = static_cast<TGuiForm*>(Form)->FindButton("B");

  bool Closed = false;
  for (int Frame = 0; Frame < 2000 && !Closed; ++Frame) {
    TPlatformEvent Event;
    while (Headless.PollEvent(Event)) Closed = Closed || Event.Kind == TPlatformEventKind::Close;
    if (Closed) break;
    RunFrame();
    Headless.EndFrame();
  }
  EXPECT_TRUE(Closed) << "the script ran to its end";
  EXPECT_FALSE(OptionA->Down);
  EXPECT_TRUE(OptionB->Down);
  ShutDown();
  const std::vector<std::string> Log = ErrorLog ? ErrorLog->Lines : std::vector<std::string>{};
  SaveRegister();
  Platform = nullptr;
  for (const std::string& Line : Log)
    for (const char* Name : {"\"Talk\"", "\"Dialog66\"", "\"Buttons\"", "\"DefaultFont\"",
                             "\"Particles\"", "\"Blank\"", "screenshot"})
      EXPECT_EQ(Line.find(Name), std::string::npos) << Line;

  EXPECT_EQ(Counts.Open, 1);
  EXPECT_EQ(Counts.Ok, 1);
  EXPECT_EQ(Counts.Count, 2) << "clicks and keys under the open dialog reach nothing";

  const TImagePixels First = ReadImageFile(Shot("first.png"));
  const TImagePixels FormShot = ReadImageFile(Shot("form.png"));
  const TImagePixels DialogShot = ReadImageFile(Shot("dialog.png"));
  const TImagePixels Final = ReadImageFile(Shot("final.png"));
  for (const TImagePixels* Image : {&First, &FormShot, &DialogShot, &Final}) {
    ASSERT_EQ(Image->Width, 1280);
    ASSERT_EQ(Image->Height, 800);
  }
  EXPECT_EQ(Brightest(First), 0u) << "the first screen starts under an opaque black cover";
  EXPECT_GT(MeanLevel(FormShot, kRightSide), 10) << "the form's background shows";
  EXPECT_GT(std::abs(MeanLevel(DialogShot, kDialogFace) - MeanLevel(FormShot, kDialogFace)), 10)
      << "the dialog covers the middle of the form";
  EXPECT_NEAR(MeanLevel(DialogShot, kRightSide), MeanLevel(FormShot, kRightSide), 1)
      << "and leaves the rest alone";
  EXPECT_NEAR(MeanLevel(Final, kDialogFace), MeanLevel(FormShot, kDialogFace), 1)
      << "the closed dialog is gone";
}

}  // namespace
