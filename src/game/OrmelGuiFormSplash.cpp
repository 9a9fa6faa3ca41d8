#include "game/OrmelGuiFormSplash.h"

#include <filesystem>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "engine/EngineInput.h"
#include "engine/EngineRenderer.h"

std::string SplashNames[kSplashCount];
std::string SplashName;
bool ResourcesPreloaded = false;

namespace {

bool SplashFileExists(const std::string& Name) {
  for (const char* Extension : {".png", ".jpg", ".dds"}) {
    std::error_code Error;
    if (std::filesystem::is_regular_file(BrandingFolder + Name + Extension, Error)) return true;
  }
  return false;
}

}  // namespace

bool PrepareSplashes() {
  bool Any = false;
  for (int i = 0; i < kSplashCount; ++i) {
    SplashNames[i] = "Splash" + std::to_string(i + 1);
    if (SplashFileExists(SplashNames[i]))
      Any = true;
    else
      SplashNames[i].clear();
  }
  NextSplash();
  return Any;
}

void NextSplash() {
  SplashName.clear();
  for (std::string& Name : SplashNames) {
    if (Name.empty()) continue;
    SplashName = Name;
    Name.clear();
    return;
  }
}

void PreloadResources() {
  if (ResourcesPreloaded) return;
  PreloadSamples();
  PreloadCommonTextures();
  ResourcesPreloaded = true;
}

TGuiFormSplash::TGuiFormSplash() : TGuiForm("Splash") {}

TGuiFormSplash::~TGuiFormSplash() {
  if (Sprite && Renderer) Renderer->FreeSprite(Sprite);
}

void TGuiFormSplash::Show() {
  TGuiForm::Show();
  if (Renderer && !SplashName.empty()) {
    Sprite = Renderer->CreateSprite(Layer);
    Sprite->SetPosition({0, 0});
    Sprite->SetTexture(SplashName);
  }
  TimeLeft = kSplashTime;
}

void TGuiFormSplash::Hide() {
  if (Sprite && Renderer) Renderer->FreeSprite(Sprite);
  Sprite = nullptr;
  TGuiForm::Hide();
}

void TGuiFormSplash::Activate() {
  TGuiForm::Activate();
  PreloadResources();
}

void TGuiFormSplash::UpdateControls() {
  TGuiForm::UpdateControls();
  if (!Active || !Input || !Gui) return;
  TimeLeft -= Input->FrameTime;
  const bool Skipped = Input->EscapePressed || Input->ConfirmPressed || Input->MouseClicked;
  if (TimeLeft > 0 && !Skipped) return;
  NextSplash();
  Gui->ShowForm(SplashName.empty() ? "Menu" : "Splash", "Splash");
}

// The picture fills as much of the visible screen as it can without changing its shape.
void TGuiFormSplash::RefreshControls() {
  TGuiForm::RefreshControls();
  if (!Sprite || !Sprite->Texture) return;
  const TVector2 Picture = Sprite->Texture->GetSegmentSize(0);
  if (Picture.X <= 0 || Picture.Y <= 0) return;
  const float Ratio = Picture.X / Picture.Y;
  if (Ratio >= Register.AspectRatio)
    Sprite->SetSize({Register.LogicalWidth, Register.LogicalWidth / Ratio});
  else
    Sprite->SetSize({Ratio * Register.LogicalHeight, Register.LogicalHeight});
}
