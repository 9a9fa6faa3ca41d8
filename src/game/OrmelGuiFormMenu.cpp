#include "game/OrmelGuiFormMenu.h"

#include <cctype>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "engine/EngineLanguages.h"
#include "engine/OrmelGuiControlButtons.h"
#include "engine/OrmelGuiControlPictures.h"
#include "game/OrmelPlayers.h"
#include "platform/Platform.h"
#include "platform/SafeFile.h"

bool PreviewCampaign = false;
std::function<void()> EndProgram;

namespace {

// The campaign is recommended until the fourth scenario, the last introductory one, is won.
constexpr int32_t kLastIntroductoryScenario = 4;

bool FormExists(const char* Name) { return Gui && Gui->Forms.Find(Name); }

bool StartsWithNoCase(const std::string& Text, const std::string& Prefix) {
  if (Text.size() < Prefix.size()) return false;
  for (size_t i = 0; i < Prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(Text[i])) != Prefix[i]) return false;
  return true;
}

std::string TrimBlanks(const std::string& Text) {
  const size_t First = Text.find_first_not_of(" \t\r");
  if (First == std::string::npos) return std::string();
  return Text.substr(First, Text.find_last_not_of(" \t\r") - First + 1);
}

bool IsSafeUrl(const std::string& Url) {
  if (!StartsWithNoCase(Url, "http://") && !StartsWithNoCase(Url, "https://")) return false;
  for (char C : Url)
    if (static_cast<unsigned char>(C) <= 32 || C == 127) return false;
  return true;
}

void QuitGame() {
  OpenHomepage();
  if (EndProgram) EndProgram();
}

}  // namespace

std::string ShortcutUrl(const std::string& Content) {
  size_t Start = 0;
  while (Start < Content.size()) {
    size_t End = Content.find('\n', Start);
    if (End == std::string::npos) End = Content.size();
    const std::string Line = Content.substr(Start, End - Start);
    Start = End + 1;
    const size_t Equals = Line.find('=');
    const std::string Key = TrimBlanks(Line.substr(0, Equals));
    if (Equals == std::string::npos || Key.size() != 3 || !StartsWithNoCase(Key, "url")) continue;
    const std::string Url = TrimBlanks(Line.substr(Equals + 1));
    return IsSafeUrl(Url) ? Url : std::string();
  }
  return std::string();
}

void OpenHomepage() {
  std::string Content;
  if (!Platform || !ReadWholeFile(ExeFolder + "Homepage.url", Content)) return;
  const std::string Url = ShortcutUrl(Content);
  if (Url.empty()) {
    LogError("Failed to open \"Homepage.url\" (no web address in it)");
    return;
  }
  if (!Platform->OpenUrl(Url)) LogError("Failed to open \"" + Url + "\"");
}

TGuiFormMenu::TGuiFormMenu() : TGuiForm("Menu") {
  auto Handler = [this](TGuiControl* Sender, int32_t Kind) { OnClick(Sender, Kind); };
  AddControl(new TGuiControlPicture("", "FormMenu", 0, false, false, -10, -10, 1300, 820, -1000));
  AddControl(new TGuiControlPicture("", "GameLogo", 0, false, false, 340, 10, 600, 220, -500));
  AddControl(new TGuiControlLabel("Welcome", 0, 0xFFEE00, 1, 1.25f, 390, 225, 500, 40, 0));
  AddControl(new TGuiControlButtonLink("ToProfiles", 0, sidWrongProfile, Handler, 440, 265, 400,
                                       30, 0));
  HelpControl = AddControl(
      new TGuiControlButtonLink("About", 2, sidButtonAbout, Handler, 1160, 760, 100, 30, 0));
  AddControl(new TGuiControlButtonBump("Campaign", 1, sidButtonCampaign, Handler, 540, 505, 0));
  AddControl(new TGuiControlButtonBump("Sandbox", 1, sidButtonSandbox, Handler, 540, 580, 0));
  AddControl(new TGuiControlButtonBump("Options", 1, sidButtonOptions, Handler, 540, 655, 0));
  EscapeControl =
      AddControl(new TGuiControlButtonBump("Quit", 1, sidButtonQuit, Handler, 540, 730, 0));
  AddControl(new TGuiControlRecommendedArrow(1000));
}

void TGuiFormMenu::Show() {
  TGuiForm::Show();
  TPlayer* Player = Players ? Players->Current : nullptr;
  FindControl("Welcome")->SetCaption(Strings[sidWelcome] + " " + (Player ? Player->Name : ""));
  // The campaign and sandbox screens are not part of the game yet; their buttons stay
  // disabled until those screens are registered, so the menu never leads to an empty screen.
  const bool CampaignOpen = FormExists("Campaign") && FormExists("Preview");
  FindButton("Campaign")->SetEnabled(CampaignOpen);
  FindButton("Sandbox")->SetEnabled(FormExists("Sandbox") && FormExists("Preview"));
  const bool Beginner =
      Player && Player->GetProgress(kLastIntroductoryScenario).Completed == 0;
  // An arrow on a button that cannot be pressed would only confuse.
  Recommend(Beginner && CampaignOpen ? "Campaign" : "", 0);
  if (Audio) Audio->PlayMusic("ThemeMenu");
}

void TGuiFormMenu::Activate() {
  TGuiForm::Activate();
  if (Gui) Gui->SetCursor("Default");
}

void TGuiFormMenu::OnClick(TGuiControl* Sender, int32_t Kind) {
  if (Kind != 2 || !Gui) return;
  const std::string& Name = Sender->Name;
  if (Name == "ToProfiles") {
    Gui->ShowForm("Profiles", "Image");
  } else if (Name == "Campaign") {
    EnterCampaign();
  } else if (Name == "Sandbox") {
    if (Players && Players->Current && Players->Current->SandboxConfirmed)
      EnterSandbox();
    else
      ShowQuery(sidQueryEnterSandbox, [this](TGuiControl*) { EnterSandbox(); });
  } else if (Name == "Options" || Name == "About") {
    DialogText.clear();
    DialogCallback = nullptr;
    Gui->ShowDialog(Name);
  } else if (Name == "Quit") {
    ShowQuery(sidQueryQuitGame, [](TGuiControl*) { QuitGame(); });
  }
}

void TGuiFormMenu::ShowQuery(int32_t TextId, TGuiDialogCallback Callback) {
  DialogText = Strings[TextId];
  DialogCallback = std::move(Callback);
  Gui->ShowDialog("Query");
}

void TGuiFormMenu::EnterCampaign() {
  TPlayer* Player = Players ? Players->Current : nullptr;
  if (Player && Player->HasCampaignMission()) {
    PreviewCampaign = true;
    Gui->ShowForm("Preview", "Image");
  } else {
    Gui->ShowForm("Campaign", "Image");
  }
}

void TGuiFormMenu::EnterSandbox() {
  TPlayer* Player = Players ? Players->Current : nullptr;
  if (Player) Player->SandboxConfirmed = 1;
  if (Player && Player->HasSandboxMission()) {
    PreviewCampaign = false;
    Gui->ShowForm("Preview", "Image");
  } else {
    Gui->ShowForm("Sandbox", "Image");
  }
}
