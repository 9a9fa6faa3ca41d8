#include "game/OrmelGuiDialogMessage.h"

#include "engine/EngineLanguages.h"
#include "engine/OrmelGuiControlButtons.h"
#include "engine/OrmelGuiControlPictures.h"
#include "game/OrmelGuiDialogFrame.h"

TGuiDialogMessage::TGuiDialogMessage() : TGuiDialog("Message", kDialogFadeTime, kDialogFadeTime) {
  AddDialogFrame(*this, "Dialog66", 310, 250, 660, 300);
  AddControl(new TGuiControlLabel("Caption", 0, 0xFFFFFF, 4, 0.9375f, 330, 270, 620, 180, 0));
  auto Handler = [this](TGuiControl* Sender, int32_t Kind) { OnClick(Sender, Kind); };
  EscapeControl = ConfirmControl =
      AddControl(new TGuiControlButtonBump("OK", 1, sidButtonOK, Handler, 540, 470, 0));
}

void TGuiDialogMessage::Show() {
  TGuiDialog::Show();
  FindControl("Caption")->SetCaption(DialogText);
}

void TGuiDialogMessage::OnClick(TGuiControl* Sender, int32_t Kind) {
  if (Kind == 2 && Sender->Name == "OK") ConfirmDialog(Sender);
}
