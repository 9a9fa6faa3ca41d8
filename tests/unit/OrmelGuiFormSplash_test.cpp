#include "game/OrmelGuiFormSplash.h"

#include <gtest/gtest.h>

#include "OrmelGuiFormTestWorld.h"

namespace {

TEST(Splashes, PicturesAreFoundInTheBrandingFolderInOrder) {
  const struct {
    std::vector<std::string> Files;
    std::vector<std::string> Shown;
  } Cases[] = {
      {{}, {}},
      {{"Splash2.jpg"}, {"Splash2"}},
      {{"Splash3.png", "Splash1.dds", "Splash4.jpg"}, {"Splash1", "Splash3", "Splash4"}},
      {{"Splash1.bmp", "splash2.png", "Splash5.png"}, {}},
  };
  for (const auto& Case : Cases) {
    TFrontEndWorld World;
    for (const std::string& File : Case.Files) World.WriteFile("Branding/" + File, "x");
    EXPECT_EQ(PrepareSplashes(), !Case.Shown.empty());
    std::vector<std::string> Shown;
    for (; !SplashName.empty(); NextSplash()) Shown.push_back(SplashName);
    EXPECT_EQ(Shown, Case.Shown);
  }
}

// A broken picture file shows nothing but still takes its turn.
TEST(Splashes, EachPictureEndsAfterTwoSecondsOrWhenSkipped) {
  TFrontEndWorld World;
  for (const char* File : {"Branding/Splash1.png", "Branding/Splash2.png"}) World.WriteFile(File, "x");
  ASSERT_TRUE(PrepareSplashes());
  World.Open("Splash");
  World.Frames(100);
  EXPECT_EQ(Gui->NextForm, nullptr);
  World.Frames(30);
  ASSERT_NE(Gui->Transition, nullptr);
  EXPECT_EQ(Gui->NextForm->Name, "Splash");
  EXPECT_EQ(SplashName, "Splash2");
  EXPECT_TRUE(ResourcesPreloaded);

  World.Open("Splash");
  World.Tap(kKeySpace);
  EXPECT_EQ(Gui->NextForm->Name, "Menu");
  EXPECT_EQ(SplashName, "");
}

}  // namespace
