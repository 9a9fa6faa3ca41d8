// The main menu: the welcome line with a link to the profiles, the way into the campaign and
// the sandbox, the options, the about box and quitting.
#pragma once

#include <functional>
#include <string>

#include "engine/EngineGui.h"

// Which mission the preview screen shows: the campaign's (true) or the sandbox's (false).
extern bool PreviewCampaign;
// Ends the program the normal way; the program body sets it when it builds the screens.
extern std::function<void()> EndProgram;

// The web address of an Internet shortcut ("URL=" line). Only http and https addresses
// without blanks or control characters count; anything else gives an empty text.
std::string ShortcutUrl(const std::string& Content);
// Opens the address of "Homepage.url" in the program's folder, if that file exists.
void OpenHomepage();

class TGuiFormMenu : public TGuiForm {
 public:
  TGuiFormMenu();
  void Show() override;
  void Activate() override;

 private:
  void OnClick(TGuiControl* Sender, int32_t Kind);
  void EnterCampaign();
  void EnterSandbox();
  void ShowQuery(int32_t TextId, TGuiDialogCallback Callback);
};
