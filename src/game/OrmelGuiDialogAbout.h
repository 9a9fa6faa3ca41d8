// The game's title, its version and the credits.
#pragma once

#include <string>

#include "engine/EngineGui.h"

// The version the About dialog shows.
extern const char* const GameVersion;

class TGuiDialogAbout : public TGuiDialog {
 public:
  TGuiDialogAbout();
  void Show() override;

 private:
  void OnClick(TGuiControl* Sender, int32_t Kind);
};
