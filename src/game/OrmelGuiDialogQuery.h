// A yes-or-no question. It shows DialogText; Yes runs DialogCallback, No only closes.
#pragma once

#include "engine/EngineGui.h"

class TGuiDialogQuery : public TGuiDialog {
 public:
  TGuiDialogQuery();
  void Show() override;

 private:
  void OnClick(TGuiControl* Sender, int32_t Kind);
};
