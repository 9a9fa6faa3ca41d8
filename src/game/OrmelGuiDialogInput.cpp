#include "game/OrmelGuiDialogInput.h"

#include "engine/EngineInput.h"
#include "engine/EngineLanguages.h"
#include "engine/OrmelGuiControlButtons.h"
#include "engine/OrmelGuiControlPictures.h"
#include "game/OrmelGuiDialogFrame.h"

TGuiDialogInput::TGuiDialogInput() : TGuiDialog("Input", kDialogFadeTime, kDialogFadeTime) {
  AddDialogFrame(*this, "Dialog66", 310, 250, 660, 300);
  // Bottom-aligned, so the prompt sits right above the field.
  AddControl(new TGuiControlLabel("Caption", 0, 0xFFFFFF, 7, 0.9375f, 330, 270, 620, 90, 0));
  AddControl(new TGuiControlInput("Field", 490, 370, 0));
  auto Handler = [this](TGuiControl* Sender, int32_t Kind) { OnClick(Sender, Kind); };
  AddControl(new TGuiControlButtonBump("OK", 1, sidButtonOK, Handler, 540, 470, 0));
}

void TGuiDialogInput::Show() {
  TGuiDialog::Show();
  FindControl("Caption")->SetCaption(DialogText);
}

void TGuiDialogInput::Activate() {
  TGuiDialog::Activate();
  if (Input) Input->BeginTextInput(kInputDialogMaxLength);
}

void TGuiDialogInput::Hide() {
  if (Input) Input->EndTextInput();
  TGuiDialog::Hide();
}

void TGuiDialogInput::OnClick(TGuiControl* Sender, int32_t Kind) {
  if (Kind == 2 && Sender->Name == "OK") ConfirmDialog(Sender);
}
