// The screen change every screen uses: a blank cover fades in over 0.3 s, the forms are
// swapped under it, and it fades out again.
#pragma once

#include <string>

#include "engine/EngineGui.h"

class TSprite;

class TGuiTransitionImage : public TGuiTransition {
 public:
  explicit TGuiTransitionImage(const std::string& Name) : TGuiTransition(Name) {}
  ~TGuiTransitionImage() override;

  void Start() override;
  void Halt() override;
  bool CoverBegin() override;
  bool Cover() override;
  bool CoverEnd() override { return true; }
  bool RevealBegin() override;
  bool Reveal() override;
  bool RevealEnd() override { return true; }

  TSprite* Sprite = nullptr;
  float Time = 0;
};
