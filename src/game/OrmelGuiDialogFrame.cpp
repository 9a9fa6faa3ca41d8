#include "game/OrmelGuiDialogFrame.h"

#include "engine/EngineGui.h"
#include "engine/OrmelGuiControlPictures.h"

void AddDialogFrame(TGuiDialog& Dialog, const std::string& Panel, float Left, float Top,
                    float Width, float Height) {
  TGuiControl* Dimmer = Dialog.AddControl(
      new TGuiControlPicture("", "Blank", 0, false, false, -10, -10, 1300, 820, -2000));
  Dimmer->SetAlpha(0.5f);
  Dialog.AddControl(
      new TGuiControlPicture("", Panel, 0, false, false, Left, Top, Width, Height, -1000));
}

void ConfirmDialog(TGuiControl* Sender) {
  TGuiDialogCallback Callback = std::move(DialogCallback);
  DialogCallback = nullptr;
  if (Callback) Callback(Sender);
  if (Gui) Gui->CloseDialog();
}
