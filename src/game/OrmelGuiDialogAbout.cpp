#include "game/OrmelGuiDialogAbout.h"

#include "engine/EngineLanguages.h"
#include "engine/OrmelGuiControlButtons.h"
#include "engine/OrmelGuiControlPictures.h"
#include "game/OrmelGuiDialogFrame.h"

const char* const GameVersion = "1.48";

TGuiDialogAbout::TGuiDialogAbout() : TGuiDialog("About", kDialogFadeTime, kDialogFadeTime) {
  AddDialogFrame(*this, "Dialog68", 300, 80, 680, 640);
  AddControl(new TGuiControlLabel("", sidGameTitle, 0xFFFFFF, 4, 1.25f, 320, 100, 640, 40, 0));
  AddControl(new TGuiControlLabel("Version", 0, 0xFFFFFF, 4, 0.78125f, 320, 160, 640, 25, 0));
  AddControl(new TGuiControlLabel("Credits", 0, 0xFFFFFF, 1, 0.9375f, 320, 200, 640, 420, 0));
  auto Handler = [this](TGuiControl* Sender, int32_t Kind) { OnClick(Sender, Kind); };
  EscapeControl = ConfirmControl =
      AddControl(new TGuiControlButtonBump("Close", 1, sidButtonClose, Handler, 540, 640, 0));
}

void TGuiDialogAbout::Show() {
  TGuiDialog::Show();
  FindControl("Version")->SetCaption(Strings[sidLabelVersion] + " " + GameVersion);
  const std::string Credit = CreditTexts.empty() ? std::string() : CreditTexts.front();
  FindControl("Credits")->SetCaption(Credit + "\r\r" + Strings[sidCredits]);
}

void TGuiDialogAbout::OnClick(TGuiControl* Sender, int32_t Kind) {
  if (Kind == 2 && Sender->Name == "Close" && Gui) Gui->CloseDialog();
}
