#include "game/OrmelGuiFormMission.h"

#include <string>

#include "engine/EngineParticles.h"
#include "engine/EngineRenderer.h"

namespace {

TEmiter* AddParticleEmiter(const std::string& Name, const std::string& ParentName = "") {
  TEmiter* E = Particles->AddEmiter(Name, ParentName);
  E->Texture = Renderer ? Renderer->GetTexture("Particles") : nullptr;
  return E;
}

void SetupClickWave() {
  TEmiter* E = AddParticleEmiter("ClickWave");
  E->DurationMode = 1;
  E->Duration = 0.25f;
  E->Segment = 3;
  E->SizeMode = 0;
  E->Size = {2, 2};
  E->AlphaMode = 0;
  E->Alpha = 0.4f;
  E->ColorMode = 0;
  E->Color = 0xFFF0B0;
  E->LifetimeMode = 0;
  E->Lifetime = 0.3f;
  E->GrowMode = 1;
  E->Grow = 10;
  E->FadeMode = 3;
  E->FadeIn = 0.1f;
  E->FadeOut = 0.5f;
}

void SetupDust() {
  TEmiter* E = AddParticleEmiter("DustyJob");
  E->Interval = 0.04f;
  E->CountMode = 0;
  E->Count = 1;
  E->DurationMode = 0;
  E->Segment = 5;
  E->PositionMode = 1;
  E->PointA = {0, 13};
  E->Spread = {120, 20};
  E->DirectionMode = 0;
  E->Direction = 180;
  E->DistanceMode = 0;
  E->Distance = 7;
  E->SizeMode = 1;
  E->Size = {20, 20};
  E->Size2 = {6, 6};
  E->AngleMode = 2;
  E->SpinMode = 1;
  E->SpinSpread = 180;
  E->AlphaMode = 0;
  E->Alpha = 0.6f;
  E->ColorMode = 1;
  E->Color = 0x877566;
  E->Color2 = 0xAF9C8B;
  E->LifetimeMode = 0;
  E->MotionMode = 1;
  E->GrowMode = 1;
  E->Grow = 4.0f;
  E->RotateMode = 1;
  E->FadeMode = 3;
  E->FadeIn = 0.15f;
  E->FadeOut = 0.3f;

  TEmiter* Demolish = AddParticleEmiter("Demolish", "DustyJob");
  Demolish->Prewarm = 0.5f;
  Demolish->DurationMode = 1;
  Demolish->Duration = 1.25f;
}

void SetupUpgrade() {
  TEmiter* E = AddParticleEmiter("Upgrade");
  E->Interval = 0.05f;
  E->DurationMode = 1;
  E->Duration = 1.0f;
  E->Segment = 7;
  E->PositionMode = 1;
  E->PointA = {0, 13};
  E->Spread = {120, 40};
  E->DirectionMode = 0;
  E->Direction = 0;
  E->DistanceMode = 0;
  E->Distance = 10;
  E->SizeMode = 0;
  E->Size = {10, 10};
  E->AngleMode = 2;
  E->SpinMode = 0;
  E->Spin = 90;
  E->ColorMode = 1;
  E->Color = 0xFFFFFF;
  E->Color2 = 0xFFFF99;
  E->LifetimeMode = 0;
  E->Lifetime = 1.0f;
  E->MotionMode = 1;
  E->GrowMode = 2;
  E->Grow = 3.0f;
  E->RotateMode = 1;
  E->FadeMode = 3;
  E->FadeIn = 0.2f;
  E->FadeOut = 0.8f;
}

void SetupFireworks() {
  TEmiter* E = AddParticleEmiter("Fireworks1");
  E->Interval = 2.0f;
  E->CountMode = 0;
  E->Count = 50;
  E->DurationMode = 1;
  E->Duration = 0.5f;
  E->Segment = 1;
  E->PositionMode = 0;
  E->DirectionMode = 2;
  E->DistanceMode = 1;
  E->Distance = 70;
  E->DistanceSpread = 30;
  E->SizeMode = 1;
  E->Size = {4, 30};
  E->Size2 = {1, 6};
  E->AngleMode = 3;
  E->AlphaMode = 1;
  E->Alpha = 0.9f;
  E->AlphaSpread = 0.2f;
  E->ColorMode = 1;
  E->Color = 0xFFFFFF;
  E->Color2 = 0xFF0000;
  E->LifetimeMode = 1;
  E->Speed = 110;
  E->MotionMode = 1;
  E->GrowMode = 1;
  E->Grow = 1.5f;
  E->FadeMode = 3;
  E->FadeIn = 0.1f;
  E->FadeOut = 0.5f;
  E->TintMode = 1;
  E->TintColor = 0xFFFF00;

  const uint32_t OtherColors[] = {0x00FF00, 0x0000FF, 0xFF00FF, 0x00FFFF};
  for (int i = 0; i < 4; ++i)
    AddParticleEmiter("Fireworks" + std::to_string(i + 2), "Fireworks1")->Color2 = OtherColors[i];
}

}  // namespace

void SetupMissionEffects() {
  SetupClickWave();
  SetupDust();
  SetupUpgrade();
  SetupFireworks();
}
