#include "game/OrmelGuiFormMenu.h"

#include <gtest/gtest.h>

#include "OrmelGuiFormTestWorld.h"

namespace {

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Strings[sidQueryEnterSandbox] = "Enter the sandbox?";
    Strings[sidQueryQuitGame] = "Quit?";
  }
  void TearDown() override {
    Strings[sidQueryEnterSandbox].clear();
    Strings[sidQueryQuitGame].clear();
  }

  // The screens the menu leads to, as plain forms.
  void AddLaterScreens() {
    for (const char* Name : {"Campaign", "Sandbox", "Preview"}) Gui->AddForm(new TGuiForm(Name));
  }
  TGuiForm* Menu() { return World.FormNamed("Menu"); }
  TGuiControlButton* Button(const char* Name) { return Menu()->FindButton(Name); }
  std::string NextScreen() const { return Gui->NextForm ? Gui->NextForm->Name : ""; }

  TFrontEndWorld World;
};

TEST_F(MenuTest, CampaignAndSandboxStayDisabledWithoutTheirScreens) {
  World.Open("Menu");
  EXPECT_EQ(Audio->MusicName, "ThemeMenu");
  EXPECT_FALSE(Button("Campaign")->Enabled);
  EXPECT_FALSE(Button("Sandbox")->Enabled);
  EXPECT_EQ(Menu()->RecommendedControl, nullptr);
  World.ClickControl(Menu(), "Sandbox");
  World.ClickControl(Menu(), "Campaign");
  EXPECT_EQ(World.OpenDialog(), "");
  EXPECT_EQ(Gui->Transition, nullptr);
}

TEST_F(MenuTest, NewPlayerIsPointedAtTheCampaignUntilScenarioFourIsWon) {
  AddLaterScreens();
  World.Open("Menu");
  EXPECT_TRUE(Button("Campaign")->Enabled);
  EXPECT_EQ(Menu()->RecommendedControl, Button("Campaign"));
  TProgress Won = Players->Current->GetProgress(4);
  Won.Completed = 1;
  Players->Current->SetProgress(4, Won);
  World.Open("Profiles");
  World.Open("Menu");
  EXPECT_EQ(Menu()->RecommendedControl, nullptr);
  World.ClickControl(Menu(), "Campaign");
  EXPECT_EQ(NextScreen(), "Campaign");
}

TEST_F(MenuTest, SandboxQueryIsAskedOnlyUntilAccepted) {
  AddLaterScreens();
  World.Open("Menu");
  World.ClickControl(Menu(), "Sandbox");
  EXPECT_EQ(World.OpenDialog(), "Query");
  EXPECT_EQ(DialogText, "Enter the sandbox?");
  World.Settle();
  World.Tap(kKeyEscape);  // No
  World.Settle();
  EXPECT_EQ(Players->Current->SandboxConfirmed, 0);
  EXPECT_EQ(NextScreen(), "");

  World.ClickControl(Menu(), "Sandbox");
  World.Settle();
  World.Tap(kKeyEnter);  // Yes
  EXPECT_EQ(Players->Current->SandboxConfirmed, 1);
  EXPECT_EQ(NextScreen(), "Sandbox");

  World.Settle();
  World.Open("Menu");
  World.ClickControl(Menu(), "Sandbox");
  EXPECT_EQ(World.OpenDialog(), "");
  EXPECT_EQ(NextScreen(), "Sandbox");
}

TEST_F(MenuTest, HelpKeyOpensAboutAndEscapeAsksBeforeQuitting) {
  World.Open("Menu");
  World.Tap(kKeyF1);
  EXPECT_EQ(World.OpenDialog(), "About");
  World.Settle();
  World.Tap(kKeyEscape);
  World.Settle();
  EXPECT_EQ(World.OpenDialog(), "");

  World.Tap(kKeyEscape);
  EXPECT_EQ(World.OpenDialog(), "Query");
  EXPECT_EQ(DialogText, "Quit?");
  World.Settle();
  World.Tap(kKeyEscape);  // No
  World.Settle();
  EXPECT_FALSE(Quit);

  World.WriteFile("Homepage.url", "[InternetShortcut]\r\nURL=https://plotstead.example/\r\n");
  World.Tap(kKeyEscape);
  World.Settle();
  World.Tap(kKeyEnter);  // Yes
  EXPECT_TRUE(Quit);
  EXPECT_EQ(World.Fake.LastUrl, "https://plotstead.example/");
}

TEST_F(MenuTest, QuittingWithoutAHomepageFileOpensNothing) {
  World.Open("Menu");
  World.ClickControl(Menu(), "Quit");
  EXPECT_EQ(World.OpenDialog(), "Query");
  World.Settle();
  World.ClickControl(World.DialogNamed("Query"), "Yes");
  EXPECT_TRUE(Quit);
  EXPECT_EQ(World.Fake.LastUrl, "");
  for (const std::string& Line : ErrorLog->Lines) EXPECT_EQ(Line.find("Homepage"), std::string::npos);
}

TEST(ShortcutUrl, TakesOnlyAPlainWebAddress) {
  const struct {
    const char* Content;
    const char* Url;
  } Cases[] = {
      {"[InternetShortcut]\r\nURL=https://a.example/x?y=1\r\n", "https://a.example/x?y=1"},
      {"[InternetShortcut]\nIconIndex=0\n  url = http://a.example  \n", "http://a.example"},
      {"URL=HTTPS://A.EXAMPLE/", "HTTPS://A.EXAMPLE/"},
      {"[InternetShortcut]\nURL=file:///etc/passwd\n", ""},
      {"URL=javascript:alert(1)", ""},
      {"URL=--help", ""},
      {"URL=https://a.example/ rm -rf", ""},
      {"URL=https://a.example/\x01", ""},
      {"[InternetShortcut]\nIconFile=x\n", ""},
      {"", ""},
  };
  for (const auto& Case : Cases) EXPECT_EQ(ShortcutUrl(Case.Content), Case.Url) << Case.Content;
}

}  // namespace
