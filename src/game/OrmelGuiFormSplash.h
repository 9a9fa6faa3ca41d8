// The start of a run: up to four branding pictures from the branding folder, two seconds each
// or until the player skips one, then the menu. The shared textures and sounds load while the
// first picture is on screen.
#pragma once

#include <string>

#include "engine/EngineGui.h"

class TSprite;

constexpr int kSplashCount = 4;
constexpr float kSplashTime = 2.0f;

// The pictures still to show (an empty entry is absent) and the one on screen now (empty when
// none is left).
extern std::string SplashNames[kSplashCount];
extern std::string SplashName;
extern bool ResourcesPreloaded;

// Looks for "Splash1" to "Splash4" as PNG, JPEG or DDS in the branding folder, takes the first
// one found as SplashName and tells whether any exists.
bool PrepareSplashes();
// Moves SplashName on to the next picture still in SplashNames.
void NextSplash();
// The one-time loading of the sounds and textures every screen shares.
void PreloadResources();

class TGuiFormSplash : public TGuiForm {
 public:
  TGuiFormSplash();
  ~TGuiFormSplash() override;

  void Show() override;
  void Hide() override;
  void Activate() override;
  void UpdateControls() override;
  void RefreshControls() override;

  TSprite* Sprite = nullptr;
  float TimeLeft = 0;
};
