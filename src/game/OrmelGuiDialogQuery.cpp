#include "game/OrmelGuiDialogQuery.h"

#include "engine/EngineLanguages.h"
#include "engine/OrmelGuiControlButtons.h"
#include "engine/OrmelGuiControlPictures.h"
#include "game/OrmelGuiDialogFrame.h"

TGuiDialogQuery::TGuiDialogQuery() : TGuiDialog("Query", kDialogFadeTime, kDialogFadeTime) {
  AddDialogFrame(*this, "Dialog66", 310, 250, 660, 300);
  AddControl(new TGuiControlLabel("Caption", 0, 0xFFFFFF, 4, 0.9375f, 330, 270, 620, 180, 0));
  auto Handler = [this](TGuiControl* Sender, int32_t Kind) { OnClick(Sender, Kind); };
  ConfirmControl =
      AddControl(new TGuiControlButtonBump("Yes", 1, sidButtonYes, Handler, 430, 470, 0));
  EscapeControl =
      AddControl(new TGuiControlButtonBump("No", 1, sidButtonNo, Handler, 650, 470, 0));
}

void TGuiDialogQuery::Show() {
  TGuiDialog::Show();
  FindControl("Caption")->SetCaption(DialogText);
}

void TGuiDialogQuery::OnClick(TGuiControl* Sender, int32_t Kind) {
  if (Kind != 2) return;
  if (Sender->Name == "Yes")
    ConfirmDialog(Sender);
  else if (Sender->Name == "No" && Gui)
    Gui->CloseDialog();
}
