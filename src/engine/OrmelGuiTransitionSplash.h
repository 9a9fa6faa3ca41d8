// The slow screen change that brings up the first screen of a run and leads from the splash
// pictures to the menu: a cover as large as the logical screen fades over 0.75 s. Before any
// form was shown the cover starts opaque and only fades out.
#pragma once

#include <string>

#include "engine/EngineGui.h"

class TSprite;

class TGuiTransitionSplash : public TGuiTransition {
 public:
  explicit TGuiTransitionSplash(const std::string& Name) : TGuiTransition(Name) {}
  ~TGuiTransitionSplash() override;

  void Start() override;
  void Halt() override;
  bool CoverBegin() override;
  bool Cover() override;
  bool CoverEnd() override;
  bool RevealBegin() override;
  bool Reveal() override;
  bool RevealEnd() override;

  TSprite* Sprite = nullptr;
  float Time = 0;

 private:
  // Sizes the cover to the logical screen, which changes when the display mode does.
  void FitCover();
  void SetOpacity(float A);
};
