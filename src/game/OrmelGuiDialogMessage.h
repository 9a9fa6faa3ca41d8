// A message with a single OK button. It shows DialogText; OK runs DialogCallback, if any.
#pragma once

#include "engine/EngineGui.h"

class TGuiDialogMessage : public TGuiDialog {
 public:
  TGuiDialogMessage();
  void Show() override;

 private:
  void OnClick(TGuiControl* Sender, int32_t Kind);
};
