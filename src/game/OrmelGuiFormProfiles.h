// The profile manager: up to six profiles as a radio group, and buttons to add a profile,
// delete the current one and go back to the menu. Choosing a profile applies its settings at
// once.
#pragma once

#include <string>

#include "engine/EngineGui.h"

constexpr int32_t kMaxProfiles = 6;

// A typed name without the blanks and control characters around it.
std::string TrimProfileName(const std::string& Text);

class TGuiFormProfiles : public TGuiForm {
 public:
  TGuiFormProfiles();
  void Show() override;
  void Activate() override;

  // Set by the dialogs' handlers, which must not open a dialog themselves; Activate, which
  // runs once the dialog has closed, opens the follow-up.
  bool ShowNameTaken = false;
  bool AskNameAgain = false;

 private:
  void OnClick(TGuiControl* Sender, int32_t Kind);
  void RefreshProfiles();
  void AskName();
  void ShowMessage(int32_t TextId, TGuiDialogCallback Callback);
  void NewProfileEntered();
  void DeleteConfirmed();
};
