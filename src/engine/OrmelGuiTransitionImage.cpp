#include "engine/OrmelGuiTransitionImage.h"

#include "engine/EngineInput.h"
#include "engine/EngineRenderer.h"

namespace {

constexpr float kFadeTime = 0.3f;
// A little larger than the 1280 x 800 layout, so the cover's edges never show inside it.
constexpr float kCoverWidth = 1300, kCoverHeight = 820;

void SetOpacity(TSprite* Sprite, float A) {
  if (Sprite) Sprite->SetAlpha(A);
}

float FrameTime() {
  return Input ? Input->FrameTime : 0.0f;
}

}  // namespace

TGuiTransitionImage::~TGuiTransitionImage() {
  Halt();
}

void TGuiTransitionImage::Start() {
  Halt();
  if (!Renderer) return;
  Sprite = Renderer->CreateSprite(Layer);
  Sprite->SetPosition({0, 0});
  Sprite->SetSize({kCoverWidth, kCoverHeight});
  Sprite->SetTexture("Blank");
}

void TGuiTransitionImage::Halt() {
  if (Sprite && Renderer) Renderer->FreeSprite(Sprite);
  Sprite = nullptr;
}

bool TGuiTransitionImage::CoverBegin() {
  SetOpacity(Sprite, 0);
  Time = 0;
  return true;
}

bool TGuiTransitionImage::Cover() {
  Time += FrameTime();
  SetOpacity(Sprite, Time < kFadeTime ? Time / kFadeTime : 1.0f);
  return Time >= kFadeTime;
}

bool TGuiTransitionImage::RevealBegin() {
  SetOpacity(Sprite, 1);
  Time = 0;
  return true;
}

bool TGuiTransitionImage::Reveal() {
  Time += FrameTime();
  SetOpacity(Sprite, Time < kFadeTime ? 1.0f - Time / kFadeTime : 0.0f);
  return Time >= kFadeTime;
}
