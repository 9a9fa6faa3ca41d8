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
  // Types into the open name dialog the way the window hands over characters, and confirms.
  void EnterName(const std::string& Typed) {
    SCOPED_TRACE(Typed);
    ASSERT_EQ(World.OpenDialog(), "Input");
    World.Settle();
    for (char C : Typed) Input->KeyChar(static_cast<uint8_t>(C));
    World.ClickControl(World.DialogNamed("Input"), "OK");
    World.Settle();
  }
  std::vector<std::string> Names() {
    std::vector<std::string> Result;
    for (int I = 0; I < Players->Count(); ++I) Result.push_back(Players->Items(I)->Name);
    return Result;
  }

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

TEST_F(ProfilesTest, NewNameIsTrimmedAndATakenNameIsAskedAgain) {
  World.Open("Profiles");
  World.ClickControl(Profiles(), "New");
  EnterName(" \t Anna Lee  ");
  EXPECT_EQ(Names(), (std::vector<std::string>{"tester", "Anna Lee"}));
  EXPECT_EQ(Players->Current->Name, "Anna Lee");
  EXPECT_TRUE(ProfileButton(1)->Down);
  EXPECT_EQ(Profiles()->RecommendedControl, Profiles()->FindControl("OK"));

  // A taken name: the message, then the name dialog again until a free name is given.
  World.ClickControl(Profiles(), "New");
  EnterName("  tester");
  EXPECT_EQ(World.OpenDialog(), "Message");
  World.Settle();
  World.Tap(kKeyEnter);
  World.Settle();
  EnterName("Anna Lee");
  EXPECT_EQ(World.OpenDialog(), "Message");
  World.Settle();
  World.Tap(kKeyEscape);
  World.Settle();
  EnterName("Bo");
  EXPECT_EQ(World.OpenDialog(), "");
  EXPECT_EQ(Names(), (std::vector<std::string>{"tester", "Anna Lee", "Bo"}));

  // An empty name backs out without a profile.
  World.ClickControl(Profiles(), "New");
  EnterName("   ");
  EXPECT_EQ(World.OpenDialog(), "");
  EXPECT_EQ(Players->Count(), 3);
}

TEST_F(ProfilesTest, SixProfilesAreTheMost) {
  for (const char* Name : {"A", "B", "C", "D", "E"}) Players->AddOrSelect(Name);
  World.Open("Profiles");
  EXPECT_TRUE(ProfileButton(5)->Displayed);
  World.ClickControl(Profiles(), "New");
  EXPECT_EQ(World.OpenDialog(), "Message");
  EXPECT_EQ(DialogText, Strings[sidMsgTooManyProfiles]);
  World.Settle();
  World.Tap(kKeyEnter);
  World.Settle();
  EXPECT_EQ(World.OpenDialog(), "");
  EXPECT_EQ(Players->Count(), kMaxProfiles);
}

}  // namespace
