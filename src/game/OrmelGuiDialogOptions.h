// The player's settings: difficulty, the deadline rule, window or full screen, and the volume
// of the effects and of the music. Every change takes effect at once and is copied into the
// current profile, so each profile keeps its own settings.
#pragma once

#include <string>

#include "engine/EngineGui.h"

class TGuiDialogOptions : public TGuiDialog {
 public:
  TGuiDialogOptions();
  void Show() override;
  void UpdateControls() override;

  bool ModeShown = false;  // the display mode the two mode buttons show

 private:
  // Ten dots between a left and a right arrow; Top is the arrows' top.
  void AddVolumeRow(const std::string& Prefix, const TGuiClickHandler& Handler, float Top);
  void OnClick(TGuiControl* Sender, int32_t Kind);
  void OnOptionChosen(const std::string& Name);
  void StepVolume(int Kind, int Step);
  void UpdateVolumes();
  void UpdateVolumeRow(const std::string& Prefix, int Volume);
};
