// The front end played through the real program: profiles made, refused, chosen and deleted,
// every option changed, and quitting through the question. The results are read back from
// the files the game leaves, with the game's own profile loader.
#include <gtest/gtest.h>

#include "frontend_support.h"

namespace {

using namespace FrontEndScript;

// Points of the 1280 x 800 layout.
const char* const ClickToProfiles = "click 640 280\n";
const char* const ClickNew = "click 420 760\n";
const char* const ClickDelete = "click 640 760\n";
const char* const ClickProfilesOK = "click 860 760\n";
const char* const ClickDialogOK = "click 640 500\n";  // message and name dialogs
const char* const ClickYes = "click 530 500\n";
const char* const ClickOptions = "click 640 685\n";
const char* const ClickOptionsClose = "click 640 660\n";
const char* const QuitThroughQuery = "key Escape\nwait 30\nkey Enter\nwait 30\n";

std::string Concat(std::initializer_list<std::string> Parts) {
  std::string Script;
  for (const std::string& Part : Parts) Script += Part;
  return Script;
}

TEST(FrontEndFlows, ProfilesAreMadeTrimmedRefusedChosenAndDeleted) {
  TFrontEndRun Run;
  const std::string Script = Concat({
      ToMenu, ClickToProfiles, ScreenChange,
      // A trailing blank (the script cannot type a leading one) and one inside.
      ClickNew, DialogFade, "type Anna Lee x\nkey Backspace\n", ClickDialogOK, DialogFade,
      // A taken name: the message, then the name dialog again.
      ClickNew, DialogFade, "type Anna Lee\n", ClickDialogOK, "wait 60\n", ClickDialogOK,
      "wait 60\ntype Bo\n", ClickDialogOK, DialogFade,
      // The first profile chosen and deleted: the first remaining one becomes current.
      "click 640 280\nwait 5\n", ClickDelete, DialogFade, ClickYes, DialogFade,
      ClickProfilesOK, ScreenChange, "quit\n"});
  ASSERT_EQ(Run.Play(Script), 0) << Run.Output;
  int32_t Current = -1;
  const auto Profiles = Run.Profiles(Current);
  ASSERT_EQ(Run.ProfileNames(), (std::vector<std::string>{"Anna Lee", "Bo"}));
  EXPECT_EQ(Current, 0);
  EXPECT_FALSE(std::filesystem::exists(Run.UserDir() + "Error.log")) << Run.Output;
}

TEST(FrontEndFlows, SeventhProfileIsRefusedAndDeletingChoosesTheFirst) {
  TFrontEndRun Run;
  const std::vector<std::string> Six = {"A", "B", "C", "D", "E", "F"};
  Run.WriteProfiles(Six);
  const std::string Script = Concat({
      ToMenu, ClickToProfiles, ScreenChange,
      // New shows the message; what is typed then goes nowhere.
      ClickNew, DialogFade, "type Extra\n", ClickDialogOK, DialogFade,
      // The third profile chosen, deleted with the keyboard.
      "click 640 420\nwait 5\n", ClickDelete, DialogFade, "key Enter\n", DialogFade, "quit\n"});
  ASSERT_EQ(Run.Play(Script), 0) << Run.Output;
  int32_t Current = -1;
  Run.Profiles(Current);
  EXPECT_EQ(Run.ProfileNames(), (std::vector<std::string>{"A", "B", "D", "E", "F"}));
  EXPECT_EQ(Current, 0);
}

// Every option changed in two runs on the same user folder; each run ends through the quit
// question, and the second starts from what the first stored.
TEST(FrontEndFlows, OptionsTakeEffectAndAreStoredInTheProfileAndTheSettings) {
  TFrontEndRun Run;
  const struct {
    const char* Clicks;
    int Difficulty, Deadline, FullScreen, Sfx, Music;
  } Runs[] = {
      // Hard, no deadlines, windowed, effects 10 -> 7, music 8 -> 9.
      {"click 850 220\nclick 480 295\nclick 800 400\nwait 5\n"
       "click 360 495\nclick 360 495\nclick 360 495\nclick 920 580\n",
       -1, 0, 0, 7, 9},
      // Easy, then Normal, deadlines, full screen, effects 7 -> 8, music 9 -> 7.
      {"click 430 220\nclick 640 220\nclick 800 295\nclick 480 400\nwait 5\n"
       "click 920 495\nclick 360 580\nclick 360 580\n",
       0, 1, 1, 8, 7},
  };
  for (const auto& Step : Runs) {
    SCOPED_TRACE(Step.Clicks);
    const std::string Script = Concat({ToMenu, ClickOptions, DialogFade, Step.Clicks,
                                       ClickOptionsClose, DialogFade, QuitThroughQuery});
    ASSERT_EQ(Run.Play(Script), 0) << Run.Output;
    int32_t Current = -1;
    const auto Profiles = Run.Profiles(Current);
    ASSERT_EQ(Profiles.size(), 1u);
    const TPlayer& Player = *Profiles[0];
    EXPECT_EQ(Player.Difficulty, Step.Difficulty);
    EXPECT_EQ(Player.DeadlineOn, Step.Deadline);
    EXPECT_EQ(Player.FullScreen, Step.FullScreen);
    EXPECT_EQ(Player.SfxVolume, Step.Sfx);
    EXPECT_EQ(Player.MusicVolume, Step.Music);
    const std::string Settings = Run.Read(Run.UserDir() + "Game.ini");
    EXPECT_NE(Settings.find("FullScreen=" + std::to_string(Step.FullScreen)), std::string::npos)
        << Settings;
    EXPECT_NE(Settings.find("SfxVolume=" + std::to_string(Step.Sfx)), std::string::npos);
    EXPECT_NE(Settings.find("MusicVolume=" + std::to_string(Step.Music)), std::string::npos);
  }
}

// The program is copied beside a homepage shortcut and reads its data from the build.
TEST(FrontEndFlows, QuitAsksFirstThenOpensTheHomepageAndEndsNormally) {
  TFrontEndRun Run;
  const std::string Game = Run.Folder + "game/plotstead";
  std::filesystem::create_directories(Run.Folder + "game");
  std::filesystem::copy_file(PLOTSTEAD_BIN_DIR "/plotstead", Game);
  Run.Write(Run.Folder + "game/Homepage.url",
            "[InternetShortcut]\r\nURL=https://plotstead.example/home\r\n");
  // No first, then Yes; only Yes opens the homepage.
  const std::string Script = Concat({ToMenu, "key Escape\n", DialogFade, "key Escape\n",
                                     DialogFade, QuitThroughQuery});
  ASSERT_EQ(Run.Play(Script, Game, "PLOTSTEAD_DATA='" PLOTSTEAD_BIN_DIR "'"), 0) << Run.Output;
  EXPECT_NE(Run.Output.find("Open URL: https://plotstead.example/home\n"), std::string::npos)
      << Run.Output;
  EXPECT_EQ(Run.Output.find("Open URL:"), Run.Output.rfind("Open URL:"));
  EXPECT_TRUE(std::filesystem::exists(Run.UserDir() + "Game.ini"));
  EXPECT_EQ(Run.ProfileNames().size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(Run.UserDir() + "Error.log")) << Run.Output;
}

}  // namespace
