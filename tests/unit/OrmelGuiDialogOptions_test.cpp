#include "game/OrmelGuiDialogOptions.h"

#include <gtest/gtest.h>

#include "OrmelGuiFormTestWorld.h"

namespace {

class OptionsTest : public ::testing::Test {
 protected:
  void OpenOptions() {
    World.Open("Menu");
    Gui->ShowDialog("Options");
    World.Settle();
  }
  TGuiForm* Options() { return World.DialogNamed("Options"); }
  TGuiControlButton* Button(const std::string& Name) { return Options()->FindButton(Name); }
  int LitDots(const std::string& Prefix) {
    int Lit = 0;
    for (int I = 0; I < 10; ++I) Lit += Options()->FindControl(Prefix + std::to_string(I))->Frame;
    return Lit;
  }

  TFrontEndWorld World;
};

TEST_F(OptionsTest, VolumeRowsShowTheSettingAndStopAtTheEnds) {
  const struct {
    int Sfx, Music;
    const char* Click;
    int NewSfx, NewMusic;
  } Cases[] = {
      {0, 10, "SfxLeft", 0, 10},   {0, 10, "MusicRight", 0, 10}, {0, 10, "SfxRight", 1, 10},
      {10, 0, "MusicRight", 10, 1}, {10, 1, "MusicLeft", 10, 0},  {5, 5, "SfxLeft", 4, 5},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Click);
    Audio->SetVolume(0, Case.Sfx);
    Audio->SetVolume(1, Case.Music);
    Players->Current->CopySettings();
    OpenOptions();
    EXPECT_EQ(Button("SfxLeft")->Enabled, Case.Sfx > 0);
    EXPECT_EQ(Button("SfxRight")->Enabled, Case.Sfx < 10);
    EXPECT_EQ(Button("MusicLeft")->Enabled, Case.Music > 0);
    EXPECT_EQ(Button("MusicRight")->Enabled, Case.Music < 10);
    World.ClickControl(Options(), Case.Click);
    EXPECT_EQ(Register.SfxVolume, Case.NewSfx);
    EXPECT_EQ(Register.MusicVolume, Case.NewMusic);
    EXPECT_EQ(LitDots("Sfx"), Case.NewSfx);
    EXPECT_EQ(LitDots("Music"), Case.NewMusic);
    EXPECT_EQ(Players->Current->SfxVolume, Case.NewSfx);
    EXPECT_EQ(Players->Current->MusicVolume, Case.NewMusic);
    Gui->CloseDialog();
    World.Settle();
  }
}

TEST_F(OptionsTest, ChoicesTakeEffectAndGoIntoTheProfile) {
  Register.Difficulty = -1;
  Register.Deadline = false;
  OpenOptions();
  EXPECT_TRUE(Button("Hard")->Down);
  EXPECT_TRUE(Button("DeadlineOff")->Down);
  EXPECT_TRUE(Button("Windowed")->Down);
  for (const char* Name : {"Easy", "DeadlineOn", "FullScreen"}) World.ClickControl(Options(), Name);
  EXPECT_EQ(Register.Difficulty, 1);
  EXPECT_TRUE(Register.Deadline);
  EXPECT_TRUE(Register.FullScreen);
  const TPlayer& Player = *Players->Current;
  EXPECT_EQ(Player.Difficulty, 1);
  EXPECT_EQ(Player.DeadlineOn, 1);
  EXPECT_EQ(Player.FullScreen, 1);
  EXPECT_TRUE(Button("Easy")->Down);
  EXPECT_FALSE(Button("Hard")->Down);
}

// The program body switches the mode on F11 or Alt+Enter; the open dialog follows.
TEST_F(OptionsTest, ModeButtonsFollowASwitchMadeWhileOpen) {
  OpenOptions();
  ASSERT_TRUE(Button("Windowed")->Down);
  Renderer->SetFullScreen(true);
  World.Frame();
  EXPECT_TRUE(Button("FullScreen")->Down);
  EXPECT_FALSE(Button("Windowed")->Down);
  Renderer->SetFullScreen(false);
  World.Frame();
  EXPECT_TRUE(Button("Windowed")->Down);
}

}  // namespace
