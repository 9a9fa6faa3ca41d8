#include "game/OrmelGuiFormProfiles.h"

#include <gtest/gtest.h>

#include "OrmelGuiFormTestWorld.h"

namespace {

TEST(TrimProfileName, DropsBlanksAndControlCharactersAroundTheName) {
  const struct {
    std::string Typed, Name;
  } Cases[] = {
      {"  Anna  ", "Anna"},
      {"\t\x01" "Anna B\x1F", "Anna B"},
      {"   ", ""},
      {"", ""},
      {"\xC9mile \xE9", "\xC9mile \xE9"},  // accented letters are above every blank
      {"!", "!"},
  };
  for (const auto& Case : Cases) EXPECT_EQ(TrimProfileName(Case.Typed), Case.Name) << Case.Typed;
}

class ProfilesTest : public ::testing::Test {
 protected:
  TGuiForm* Profiles() { return World.FormNamed("Profiles"); }
  TGuiControlButton* ProfileButton(int I) { return Profiles()->FindButton(std::to_string(I)); }

  TFrontEndWorld World;
};

TEST_F(ProfilesTest, ButtonsShowTheProfilesAndChoosingOneMakesItCurrent) {
  for (const char* Name : {"Anna", "Bob"}) Players->AddOrSelect(Name);
  Players->Current->SfxVolume = 3;
  Players->SelectIndex(0);
  World.Open("Profiles");
  for (int I = 0; I < kMaxProfiles; ++I) {
    SCOPED_TRACE(I);
    EXPECT_EQ(ProfileButton(I)->Displayed, I < 3);
    if (I < 3) EXPECT_EQ(ProfileButton(I)->GetCaption(), Players->Items(I)->Name);
    EXPECT_EQ(ProfileButton(I)->Down, I == 0);
  }
  World.ClickControl(Profiles(), "2");
  EXPECT_EQ(Players->Current->Name, "Bob");
  EXPECT_EQ(Register.SfxVolume, 3);
  EXPECT_TRUE(ProfileButton(2)->Down);
  EXPECT_FALSE(ProfileButton(0)->Down);
  EXPECT_EQ(Profiles()->RecommendedControl, Profiles()->FindControl("OK"));
}

TEST_F(ProfilesTest, DeletingTheCurrentProfileSelectsTheFirst) {
  Players->AddOrSelect("Anna");
  World.Open("Profiles");
  World.ClickControl(Profiles(), "Delete");
  EXPECT_EQ(World.OpenDialog(), "Query");
  World.Settle();
  World.Tap(kKeyEnter);
  World.Settle();
  ASSERT_EQ(Players->Count(), 1);
  EXPECT_EQ(Players->Current, Players->Items(0));
  EXPECT_FALSE(ProfileButton(1)->Displayed);
  EXPECT_TRUE(ProfileButton(0)->Down);

  // The last profile stays, with a message instead of the question.
  World.ClickControl(Profiles(), "Delete");
  EXPECT_EQ(World.OpenDialog(), "Message");
  World.Settle();
  World.Tap(kKeyEnter);
  World.Settle();
  EXPECT_EQ(Players->Count(), 1);
}

}  // namespace
