#include "game/OrmelGuiDialogOptions.h"

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "engine/EngineLanguages.h"
#include "engine/EngineRenderer.h"
#include "engine/OrmelGuiControlButtons.h"
#include "engine/OrmelGuiControlPictures.h"
#include "game/OrmelGuiDialogFrame.h"
#include "game/OrmelPlayers.h"

namespace {

constexpr int kVolumeSteps = 10;
constexpr float kDotSize = 48;
const char* const kMarkRight = "\x1C";
const char* const kMarkLeft = "\x1D";

void CopyIntoProfile() {
  if (Players && Players->Current) Players->Current->CopySettings();
}

}  // namespace

TGuiDialogOptions::TGuiDialogOptions()
    : TGuiDialog("Options", kDialogFadeTime, kDialogFadeTime) {
  AddDialogFrame(*this, "Dialog68", 300, 90, 680, 620);
  auto Handler = [this](TGuiControl* Sender, int32_t Kind) { OnClick(Sender, Kind); };
  auto Label = [this](int32_t Id, float Scale, float Top, float Height) {
    AddControl(new TGuiControlLabel("", Id, 0xFFFFFF, 4, Scale, 320, Top, 640, Height, 0));
  };
  auto Option = [&](const char* Name, int32_t Style, const char* Group, int32_t Id, float Left,
                    float Top) {
    AddControl(new TGuiControlButtonBumpSel(Name, Style, Group, Id, Handler, Left, Top, 0));
  };
  Label(sidButtonOptions, 1.25f, 110, 40);
  Label(sidLabelDifficulty, 0.9375f, 155, 30);
  Option("Easy", 2, "Diff", sidButtonEasy, 330, 190);
  Option("Normal", 2, "Diff", sidButtonNormal, 540, 190);
  Option("Hard", 2, "Diff", sidButtonHard, 750, 190);
  Option("DeadlineOff", 1, "Deadline", sidButtonDeadlineOff, 330, 265);
  Option("DeadlineOn", 1, "Deadline", sidButtonDeadlineOn, 650, 265);
  Label(sidLabelDisplayMode, 0.9375f, 335, 30);
  Option("FullScreen", 1, "Mode", sidButtonFullScreen, 330, 370);
  Option("Windowed", 1, "Mode", sidButtonWindowed, 650, 370);
  Label(sidLabelSfxVolume, 0.9375f, 440, 30);
  AddVolumeRow("Sfx", Handler, 465);
  Label(sidLabelMusicVolume, 0.9375f, 525, 30);
  AddVolumeRow("Music", Handler, 550);
  EscapeControl = ConfirmControl =
      AddControl(new TGuiControlButtonBump("Close", 1, sidButtonClose, Handler, 540, 630, 0));
}

void TGuiDialogOptions::AddVolumeRow(const std::string& Prefix, const TGuiClickHandler& Handler,
                                     float Top) {
  for (int i = 0; i < kVolumeSteps; ++i)
    AddControl(new TGuiControlPicture(Prefix + std::to_string(i), "Dot", 0, false, false,
                                      400 + kDotSize * i, Top + 6, kDotSize, kDotSize, 0));
  // The round buttons are told apart by the font's two pointing marks.
  AddControl(new TGuiControlButtonBump(Prefix + "Left", 3, 0, Handler, 330, Top, 0))
      ->SetCaption(kMarkLeft);
  AddControl(new TGuiControlButtonBump(Prefix + "Right", 3, 0, Handler, 890, Top, 0))
      ->SetCaption(kMarkRight);
}

void TGuiDialogOptions::Show() {
  TGuiDialog::Show();
  const char* Difficulty = Register.Difficulty == -1  ? "Hard"
                           : Register.Difficulty == 1 ? "Easy"
                                                      : "Normal";
  SelectInGroup(Difficulty, "Diff");
  SelectInGroup(Register.Deadline ? "DeadlineOn" : "DeadlineOff", "Deadline");
  // The opposite of the real mode, so that the next update selects the right button.
  ModeShown = !Register.FullScreen;
  UpdateVolumes();
}

// F11 and Alt+Enter switch the display mode while the dialog is open, too.
void TGuiDialogOptions::UpdateControls() {
  TGuiDialog::UpdateControls();
  if (ModeShown == Register.FullScreen) return;
  ModeShown = Register.FullScreen;
  SelectInGroup(ModeShown ? "FullScreen" : "Windowed", "Mode");
}

void TGuiDialogOptions::OnClick(TGuiControl* Sender, int32_t Kind) {
  const std::string& Name = Sender->Name;
  if (Kind == 1) {
    OnOptionChosen(Name);
    CopyIntoProfile();
  } else if (Kind == 2) {
    if (Name == "SfxLeft") StepVolume(skEffect, -1);
    if (Name == "SfxRight") StepVolume(skEffect, 1);
    if (Name == "MusicLeft") StepVolume(skMusic, -1);
    if (Name == "MusicRight") StepVolume(skMusic, 1);
    if (Name == "Close" && Gui) Gui->CloseDialog();
  }
}

void TGuiDialogOptions::OnOptionChosen(const std::string& Name) {
  if (Name == "Easy") Register.Difficulty = 1;
  if (Name == "Normal") Register.Difficulty = 0;
  if (Name == "Hard") Register.Difficulty = -1;
  if (Name == "DeadlineOff") Register.Deadline = false;
  if (Name == "DeadlineOn") Register.Deadline = true;
  if (Renderer && (Name == "FullScreen" || Name == "Windowed"))
    Renderer->SetFullScreen(Name == "FullScreen");
}

void TGuiDialogOptions::StepVolume(int Kind, int Step) {
  const int Volume = Kind == skMusic ? Register.MusicVolume : Register.SfxVolume;
  if (Audio) Audio->SetVolume(Kind, Volume + Step);
  CopyIntoProfile();
  UpdateVolumes();
}

void TGuiDialogOptions::UpdateVolumes() {
  UpdateVolumeRow("Sfx", Register.SfxVolume);
  UpdateVolumeRow("Music", Register.MusicVolume);
}

void TGuiDialogOptions::UpdateVolumeRow(const std::string& Prefix, int Volume) {
  for (int i = 0; i < kVolumeSteps; ++i)
    FindControl(Prefix + std::to_string(i))->SetFrame(i < Volume ? 1 : 0);
  FindButton(Prefix + "Left")->SetEnabled(Volume > 0);
  FindButton(Prefix + "Right")->SetEnabled(Volume < kVolumeSteps);
}
