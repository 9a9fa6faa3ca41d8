// Construction of missions and panes, pane kinds, selection and the simulation's random source.
#include "game/OrmelMission.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

#include "app/EngineRegister.h"
#include "engine/EngineTimer.h"
#include "game/OrmelPlayers.h"

namespace {

// xorshift64* with a splitmix64 seed: small, fast and the same on every platform, so a fixed
// seed gives the same town in every build.
struct TMissionRandom {
  uint64_t State = 0;
  bool Seeded = false;

  void Seed(uint64_t Value) {
    Value += 0x9E3779B97F4A7C15ull;
    Value = (Value ^ (Value >> 30)) * 0xBF58476D1CE4E5B9ull;
    Value = (Value ^ (Value >> 27)) * 0x94D049BB133111EBull;
    State = (Value ^ (Value >> 31)) | 1;
    Seeded = true;
  }
  uint64_t Next() {
    if (!Seeded) Seed((uint64_t{std::random_device{}()} << 32) ^ std::random_device{}());
    State ^= State >> 12;
    State ^= State << 25;
    State ^= State >> 27;
    return State * 0x2545F4914F6CDD1Dull;
  }
  // Uniform in [0, 1): the top 24 bits are exact in a single.
  float Unit() { return static_cast<float>(Next() >> 40) * (1.0f / 16777216.0f); }
};

TMissionRandom MissionRandom;

}  // namespace

void SeedMissionRandom(uint64_t Seed) {
  MissionRandom.Seed(Seed);
}

float RandomDamageDelay() {
  return (MissionRandom.Unit() - 0.5f) * 180.0f + 450.0f;
}

int32_t RandomInt(int32_t Count) {
  if (Count <= 1) return 0;
  return static_cast<int32_t>(MissionRandom.Next() % static_cast<uint64_t>(Count));
}

int32_t AddClamped(int32_t Value, int64_t Amount) {
  const int64_t Sum = int64_t{Value} + Amount;
  if (Sum > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (Sum < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(Sum);
}

int32_t SafeFloor(float X) {
  if (std::isnan(X)) return 0;
  if (X >= 2147483520.0f) return std::numeric_limits<int32_t>::max();
  if (X <= -2147483520.0f) return std::numeric_limits<int32_t>::min();
  // The rounding of Floor (X - 0.49999 to the nearest, ties to even), with the subtraction
  // done in double: in single precision 375 - 0.49999 rounds to the tie 374.5 and so to 374.
  return static_cast<int32_t>(std::nearbyint(static_cast<double>(X) - 0.49999));
}

float DifficultyIncomeFactor() {
  if (Register.Difficulty == 1) return 1.25f;
  if (Register.Difficulty == -1) return 0.75f;
  return 1.0f;
}

// ---- TPane ---------------------------------------------------------------------------------

TPane::TPane(TMission* Mission, int32_t X, int32_t Y) : Mission(Mission), X(X), Y(Y) {}

void TPane::SetKind(uint8_t NewKind) {
  Kind = NewKind;
  const TPaneInfo& I = Info();
  Variant = I.VariantCount > 1 ? RandomInt(I.VariantCount) : 0;
  Upgrades = 1u << upBase;
  std::copy(std::begin(I.Actions), std::end(I.Actions), Actions.begin());
  Vulnerable = I.Vulnerable;
  DamageTimer = RandomDamageDelay();
  Damaged = 0;
  Happiness = I.BaseHappiness;
  IncomeBonus = 0;
}

void TPane::Place(int32_t NewOrientation, uint8_t NewKind, int32_t NewVariant) {
  Orientation = NewOrientation;
  SetKind(NewKind);
  if (NewVariant >= 0) Variant = NewVariant;
  CurrentAction = akNone;
  AssignedWorkers = 0;
  WorkAmount = 0;
  MaterialUsed = 0;
  BaseWorkers = 0;
  MaxWorkers = 0;
  Progress = 0;
}

std::string TPane::Picture() const {
  return Info().Texture;
}

int32_t TPane::SoundClass() const {
  return IsBusy() ? ActionInfos[CurrentAction].SoundClass : Info().IdleSoundClass;
}

std::string TPane::WorkEffect() const {
  return IsBusy() ? ActionInfos[CurrentAction].WorkEffect : "";
}

float TPane::ProgressFraction() const {
  if (WorkAmount <= 0) return 1.0f;
  return Saturate(Progress / WorkAmount);
}

std::string TPane::UpgradeNames() const {
  std::string Names;
  for (int Bit = 1; Bit < UpgradeCount; ++Bit)
    if (Upgrades & (1u << Bit)) Names += static_cast<char>(15 + Bit);
  return Names;
}

// ---- TMission ------------------------------------------------------------------------------

TMission::TMission(TPlayer* Player) : Player(Player) {
  for (int32_t X = 0; X < 5; ++X)
    for (int32_t Y = 0; Y < 5; ++Y) Panes[X][Y] = std::make_unique<TPane>(this, X, Y);
  static const int Offsets[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                    {1, 0},   {-1, 1}, {0, 1},  {1, 1}};
  ForEachPane([&](TPane& P) {
    for (int I = 0; I < 8; ++I) P.Neighbours[I] = Pane(P.X + Offsets[I][0], P.Y + Offsets[I][1]);
  });
  MaterialPrice = 20000;
  WorkerPrice = 40000;
  HoveredAction = -1;
  HoveredLicense = -1;
}

TMission::~TMission() = default;

TPane* TMission::Pane(int32_t X, int32_t Y) const {
  if (X < 0 || X > 4 || Y < 0 || Y > 4) return nullptr;
  return Panes[X][Y].get();
}

void TMission::SelectPane(int32_t X, int32_t Y) {
  TPane* P = Pane(X, Y);
  SelectedPane = (P != nullptr && P == SelectedPane) ? nullptr : P;
}

int32_t TMission::ElapsedSeconds() const {
  return SafeFloor(Time);
}

TSoundCounts TMission::CountSoundClasses() const {
  TSoundCounts Counts;
  ForEachPane([&](const TPane& P) {
    const int32_t Class = P.SoundClass();
    if (Class >= 1 && Class <= 4) ++Counts.Count[Class];
  });
  if (SelectedPane) Counts.Selected = SelectedPane->SoundClass();
  return Counts;
}

TProgress TMission::ScenarioProgress() const {
  return Player ? Player->GetProgress(Scenario) : DefaultProgress(Scenario);
}
