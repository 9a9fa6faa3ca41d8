#include "engine/OrmelGuiTransitionSplash.h"

#include "app/EngineRegister.h"
#include "engine/EngineInput.h"
#include "engine/EngineRenderer.h"

namespace {

constexpr float kFadeTime = 0.75f;

float FrameTime() {
  return Input ? Input->FrameTime : 0.0f;
}

// At the very start of a run there is nothing to cover yet.
bool FirstScreen() {
  return !Gui || !Gui->Form;
}

}  // namespace

TGuiTransitionSplash::~TGuiTransitionSplash() {
  Halt();
}

void TGuiTransitionSplash::FitCover() {
  if (Sprite) Sprite->SetSize({Register.LogicalWidth, Register.LogicalHeight});
}

void TGuiTransitionSplash::SetOpacity(float A) {
  FitCover();
  if (Sprite) Sprite->SetAlpha(A);
}

void TGuiTransitionSplash::Start() {
  Halt();
  if (!Renderer) return;
  Sprite = Renderer->CreateSprite(Layer);
  Sprite->SetPosition({0, 0});
  Sprite->SetTexture("Blank");
  FitCover();
}

void TGuiTransitionSplash::Halt() {
  if (Sprite && Renderer) Renderer->FreeSprite(Sprite);
  Sprite = nullptr;
}

bool TGuiTransitionSplash::CoverBegin() {
  Time = 0;
  if (FirstScreen())
    FitCover();
  else
    SetOpacity(0);
  return true;
}

bool TGuiTransitionSplash::Cover() {
  if (FirstScreen()) {
    FitCover();
    return true;
  }
  Time += FrameTime();
  SetOpacity(Time < kFadeTime ? Time / kFadeTime : 1.0f);
  return Time >= kFadeTime;
}

bool TGuiTransitionSplash::CoverEnd() {
  FitCover();
  return true;
}

bool TGuiTransitionSplash::RevealBegin() {
  SetOpacity(1);
  Time = 0;
  return true;
}

bool TGuiTransitionSplash::Reveal() {
  Time += FrameTime();
  SetOpacity(Time < kFadeTime ? 1.0f - Time / kFadeTime : 0.0f);
  return Time >= kFadeTime;
}

bool TGuiTransitionSplash::RevealEnd() {
  FitCover();
  return true;
}
