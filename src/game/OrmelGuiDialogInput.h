// Asks for one line of text (at most 20 characters) under the prompt DialogText. OK runs
// DialogCallback while the typed text is still in Input.Text. There is no way to cancel:
// confirming an empty line is how the player backs out.
#pragma once

#include "engine/EngineGui.h"

constexpr int kInputDialogMaxLength = 20;

class TGuiDialogInput : public TGuiDialog {
 public:
  TGuiDialogInput();
  void Show() override;
  void Hide() override;
  void Activate() override;

 private:
  void OnClick(TGuiControl* Sender, int32_t Kind);
};
