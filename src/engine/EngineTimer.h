// Timed phases that run for a number of seconds of frame time, the clock text format, and the
// small numeric functions the whole game shares (single precision, round half to even).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "engine/EngineClasses.h"

enum TPhaseState : uint8_t { psWaiting = 0, psRunning = 1, psFinished = 2 };

class TPhase : public TContainerItem {
 public:
  TPhase(const void* Owner, const std::string& Name, bool Loop, float Duration);

  virtual void Started() {}
  virtual void Finished() {}
  virtual void Progressed() {}
  void Removed(TContainer* Container) override;

  void Start();
  void FinishWithNotification();
  void FinishSilently();

  const void* Owner;
  float Duration;
  bool Loop;
  TPhaseState State = psWaiting;
  float Progress = 0;
};

class TPhaseCall : public TPhase {
 public:
  TPhaseCall(const void* Owner, const std::string& Name, bool Loop, float Duration,
             std::function<void()> Handler);
  void Finished() override;
  std::function<void()> Handler;
};

class TPhaseSetBoolean : public TPhase {
 public:
  TPhaseSetBoolean(const void* Owner, const std::string& Name, bool Loop, float Duration,
                   bool Value, std::function<void(bool)> Handler);
  void Finished() override;
  bool Value;
  std::function<void(bool)> Handler;
};

class TPhaseLerpSingle : public TPhase {
 public:
  TPhaseLerpSingle(const void* Owner, const std::string& Name, bool Loop, float Duration,
                   float From, float To, std::function<void(float)> Handler);
  void Progressed() override;
  float From, To;
  std::function<void(float)> Handler;
};

class TPhaseSetString : public TPhase {
 public:
  TPhaseSetString(const void* Owner, const std::string& Name, bool Loop, float Duration,
                  const std::string& Value, std::function<void(const std::string&)> Handler);
  void Finished() override;
  std::string Value;
  std::function<void(const std::string&)> Handler;
};

class TTimer {
 public:
  TTimer() = default;
  ~TTimer() = default;

  // Starts the phase; returns it while it runs or loops, otherwise frees it and returns null.
  TPhase* AddPhase(TPhase* Phase);
  void RemovePhase(const void* Owner, const std::string& Name);
  void RemovePhases(const void* Owner);
  // Advances every phase by the frame's time (the frame loop passes Input->FrameTime).
  void Update(float FrameTime);

  TContainer Phases;
};

extern TTimer* Timer;

// Clock text: m:ss below an hour, h:mm:ss from an hour on.
std::string FormatTime(int Seconds);

struct TVector2 {
  float X = 0, Y = 0;
};

int32_t Floor(float X);
int32_t Max(int32_t A, int32_t B);
int32_t Min(int32_t A, int32_t B);
int32_t EnsureRange(int32_t V, int32_t Lo, int32_t Hi);
int32_t LerpInt(int32_t A, int32_t B, float T);
uint32_t LerpColor(uint32_t A, uint32_t B, float T);
float Lerp(float From, float To, float T);
float Saturate(float X);
float MapRange(float Value, float InFrom, float InTo, float OutFrom, float OutTo);
float Frac(float X);
float WrapAngle(float X);
float ArcCos(float X);
TVector2 Direction(float Degrees);
bool SameVector(const TVector2& A, const TVector2& B);
float VectorLength(const TVector2& V);
TVector2 Normalize(const TVector2& V);
// Round to nearest, ties to even, as every design formula that says "rounded" means.
int32_t RoundEven(float X);
