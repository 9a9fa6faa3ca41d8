#include "engine/EngineTimer.h"

#include <cmath>
#include <cstring>

TTimer* Timer = nullptr;

TPhase::TPhase(const void* Owner, const std::string& Name, bool Loop, float Duration)
    : Owner(Owner), Duration(Duration), Loop(Loop) {
  this->Name = Name;
}

void TPhase::Start() {
  if (State != psWaiting) return;
  Progress = 0;
  Started();
  State = psRunning;
  if (Duration > 0)
    Progressed();
  else
    FinishWithNotification();
}

void TPhase::FinishWithNotification() {
  if (State != psRunning) return;
  Progress = 1.0f;
  Progressed();
  State = psFinished;
  Finished();
}

void TPhase::FinishSilently() {
  if (State != psRunning) return;
  Progress = 1.0f;
  State = psFinished;
}

void TPhase::Removed(TContainer* Container) { FinishSilently(); }

TPhaseCall::TPhaseCall(const void* Owner, const std::string& Name, bool Loop, float Duration,
                       std::function<void()> Handler)
    : TPhase(Owner, Name, Loop, Duration), Handler(std::move(Handler)) {}

void TPhaseCall::Finished() {
  if (Handler) Handler();
}

TPhaseSetBoolean::TPhaseSetBoolean(const void* Owner, const std::string& Name, bool Loop,
                                   float Duration, bool Value, std::function<void(bool)> Handler)
    : TPhase(Owner, Name, Loop, Duration), Value(Value), Handler(std::move(Handler)) {}

void TPhaseSetBoolean::Finished() {
  if (Handler) Handler(Value);
}

TPhaseLerpSingle::TPhaseLerpSingle(const void* Owner, const std::string& Name, bool Loop,
                                   float Duration, float From, float To,
                                   std::function<void(float)> Handler)
    : TPhase(Owner, Name, Loop, Duration), From(From), To(To), Handler(std::move(Handler)) {}

void TPhaseLerpSingle::Progressed() {
  if (!Handler) return;
  Handler(Progress >= 1.0f ? To : From + (To - From) * Progress);
}

TPhaseSetString::TPhaseSetString(const void* Owner, const std::string& Name, bool Loop,
                                 float Duration, const std::string& Value,
                                 std::function<void(const std::string&)> Handler)
    : TPhase(Owner, Name, Loop, Duration), Value(Value), Handler(std::move(Handler)) {}

void TPhaseSetString::Finished() {
  if (Handler) Handler(Value);
}

TPhase* TTimer::AddPhase(TPhase* Phase) {
  if (!Phase) return nullptr;
  Phase->Start();
  if (Phase->Loop || Phase->State != psFinished) {
    Phases.Add(Phase, nullptr, ipLast);
    return Phase;
  }
  delete Phase;
  return nullptr;
}

void TTimer::RemovePhase(const void* Owner, const std::string& Name) {
  for (TContainerItem* Node = Phases.First(); Node && !Phases.IsEnd(Node); Node = Node->Next) {
    auto* Phase = static_cast<TPhase*>(Node);
    if (Phase->Owner == Owner && Phase->Name == Name) {
      Phases.Remove(Phase);
      return;
    }
  }
}

void TTimer::RemovePhases(const void* Owner) {
  Phases.ForEach([&](TContainerItem* Item) {
    if (static_cast<TPhase*>(Item)->Owner == Owner) Phases.Remove(Item);
  });
}

void TTimer::Update(float FrameTime) {
  Phases.ForEach([&](TContainerItem* Item) {
    auto* Phase = static_cast<TPhase*>(Item);
    switch (Phase->State) {
      case psRunning:
        Phase->Progress += FrameTime / Phase->Duration;
        if (Phase->Progress >= 1.0f)
          Phase->FinishWithNotification();
        else
          Phase->Progressed();
        break;
      case psFinished:
        if (!Phase->Loop) {
          Phases.Remove(Phase);
        } else {
          Phase->State = psWaiting;
          Phase->Start();
        }
        break;
      case psWaiting:
        Phase->Start();
        break;
    }
  });
}

std::string FormatTime(int Seconds) {
  std::string Text;
  if (Seconds >= 3600) {
    Text = std::to_string(Seconds / 3600) + ":";
    Seconds %= 3600;
  }
  std::string Minutes = std::to_string(Seconds / 60);
  if (!Text.empty() && Minutes.size() == 1) Text += "0";
  Text += Minutes + ":";
  int Rest = Seconds % 60;
  if (Rest < 10) Text += "0";
  return Text + std::to_string(Rest);
}

int32_t RoundEven(float X) { return static_cast<int32_t>(std::nearbyint(X)); }

// The subtraction is done in double: in single precision X - 0.49999 rounds to X - 0.5 from 256
// on, and the tie then sends every odd whole number one too low.
int32_t Floor(float X) { return static_cast<int32_t>(std::nearbyint(double(X) - 0.49999)); }

int32_t Max(int32_t A, int32_t B) { return A > B ? A : B; }

int32_t Min(int32_t A, int32_t B) { return A < B ? A : B; }

int32_t EnsureRange(int32_t V, int32_t Lo, int32_t Hi) {
  if (V > Hi) V = Hi;
  if (V < Lo) V = Lo;
  return V;
}

int32_t LerpInt(int32_t A, int32_t B, float T) {
  float Value = static_cast<float>(A) + static_cast<float>(B - A) * T;
  return RoundEven(Value);
}

uint32_t LerpColor(uint32_t A, uint32_t B, float T) {
  uint32_t Result = A & 0xFF000000u;
  for (int Shift = 0; Shift <= 16; Shift += 8) {
    int32_t Channel = LerpInt((A >> Shift) & 0xFF, (B >> Shift) & 0xFF, T);
    Result |= (static_cast<uint32_t>(Channel) & 0xFF) << Shift;
  }
  return Result;
}

float Lerp(float From, float To, float T) { return From + (To - From) * T; }

float Saturate(float X) { return X < 0 ? 0 : (X > 1 ? 1 : X); }

float MapRange(float Value, float InFrom, float InTo, float OutFrom, float OutTo) {
  return OutFrom + Saturate((Value - InFrom) / (InTo - InFrom)) * (OutTo - OutFrom);
}

float Frac(float X) { return std::fmod(X, 1.0f); }

float WrapAngle(float X) { return std::fmod(X, 360.0f); }

float ArcCos(float X) { return std::acos(X); }

TVector2 Direction(float Degrees) {
  const float Radians = Degrees * static_cast<float>(M_PI) / 180.0f;
  return {std::sin(Radians), -std::cos(Radians)};
}

bool SameVector(const TVector2& A, const TVector2& B) {
  return std::memcmp(&A.X, &B.X, sizeof(float)) == 0 && std::memcmp(&A.Y, &B.Y, sizeof(float)) == 0;
}

float VectorLength(const TVector2& V) { return std::sqrt(V.X * V.X + V.Y * V.Y); }

TVector2 Normalize(const TVector2& V) {
  const float Length = VectorLength(V);
  return {V.X / Length, V.Y / Length};
}
