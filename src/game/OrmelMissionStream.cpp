// The saved form of a mission, and the byte streams it is written with.
#include "game/OrmelMissionStream.h"

#include <cmath>
#include <cstring>
#include <stdexcept>

#include "game/OrmelMission.h"

const char* const StreamReadError = "Stream read error";

// ---- Streams -------------------------------------------------------------------------------

void TStreamWriter::WriteUInt32(uint32_t Value) {
  for (int Shift = 0; Shift < 32; Shift += 8) Bytes.push_back(static_cast<uint8_t>(Value >> Shift));
}

void TStreamWriter::WriteSingle(float Value) {
  uint32_t Bits;
  std::memcpy(&Bits, &Value, sizeof Bits);
  WriteUInt32(Bits);
}

void TStreamWriter::WriteBytes(const void* Data, size_t Count) {
  const auto* From = static_cast<const uint8_t*>(Data);
  Bytes.insert(Bytes.end(), From, From + Count);
}

void TStreamReader::Need(size_t Count) const {
  if (Count > Remaining()) throw std::runtime_error(StreamReadError);
}

uint8_t TStreamReader::ReadByte() {
  Need(1);
  return Data[Position++];
}

uint32_t TStreamReader::ReadUInt32() {
  Need(4);
  uint32_t Value = 0;
  for (int I = 0; I < 4; ++I) Value |= uint32_t{Data[Position + I]} << (8 * I);
  Position += 4;
  return Value;
}

float TStreamReader::ReadSingle() {
  const uint32_t Bits = ReadUInt32();
  float Value;
  std::memcpy(&Value, &Bits, sizeof Value);
  return Value;
}

void TStreamReader::ReadBytes(void* Target, size_t Count) {
  Need(Count);
  if (Count) std::memcpy(Target, Data + Position, Count);
  Position += Count;
}

std::string TStreamReader::ReadString(size_t Count) {
  Need(Count);
  std::string Text(reinterpret_cast<const char*>(Data + Position), Count);
  Position += Count;
  return Text;
}

// ---- Mission form --------------------------------------------------------------------------

namespace {

void WritePane(TStreamWriter& S, const TPane& P) {
  S.WriteInt32(P.Orientation);
  S.WriteByte(P.Kind);
  S.WriteInt32(P.Variant);
  S.WriteUInt32(P.Upgrades);
  S.WriteBytes(P.Actions.data(), P.Actions.size());
  S.WriteByte(P.Vulnerable);
  S.WriteSingle(P.DamageTimer);
  S.WriteByte(P.Damaged);
  S.WriteSingle(P.DamagePhase);
  S.WriteInt32(P.Happiness);
  S.WriteInt32(P.IncomeBonus);
  S.WriteByte(P.CurrentAction);
  S.WriteInt32(P.AssignedWorkers);
  S.WriteSingle(P.WorkAmount);
  S.WriteInt32(P.MaterialUsed);
  S.WriteInt32(P.BaseWorkers);
  S.WriteInt32(P.MaxWorkers);
  S.WriteSingle(P.Progress);
}

void ReadPane(TStreamReader& S, TPane& P) {
  P.Orientation = S.ReadInt32();
  P.Kind = S.ReadByte();
  P.Variant = S.ReadInt32();
  P.Upgrades = S.ReadUInt32();
  S.ReadBytes(P.Actions.data(), P.Actions.size());
  P.Vulnerable = S.ReadByte();
  P.DamageTimer = S.ReadSingle();
  P.Damaged = S.ReadByte();
  P.DamagePhase = S.ReadSingle();
  P.Happiness = S.ReadInt32();
  P.IncomeBonus = S.ReadInt32();
  P.CurrentAction = S.ReadByte();
  P.AssignedWorkers = S.ReadInt32();
  P.WorkAmount = S.ReadSingle();
  P.MaterialUsed = S.ReadInt32();
  P.BaseWorkers = S.ReadInt32();
  P.MaxWorkers = S.ReadInt32();
  P.Progress = S.ReadSingle();
}

void Check(bool Condition) {
  if (!Condition) throw std::runtime_error(StreamReadError);
}

// Singles of a saved game are finite and far from the ends of the int32 range.
bool SaneSingle(float Value) {
  return std::isfinite(Value) && std::fabs(Value) <= 1.0e9f;
}

bool InRange(int64_t Value, int64_t Lo, int64_t Hi) {
  return Value >= Lo && Value <= Hi;
}

// Generous limits: far above anything a game reaches, low enough that no arithmetic of the
// tick can overflow.
constexpr int64_t MaxCount = 1000000;
constexpr int64_t MaxSeconds = 100000000;

void ValidatePane(const TPane& P) {
  Check(InRange(P.Orientation, 0, 3) && P.Kind < PaneKindCount && InRange(P.Variant, 0, 255));
  for (uint8_t Action : P.Actions) Check(Action < ActionKindCount);
  Check(P.CurrentAction < ActionKindCount);
  Check(SaneSingle(P.DamageTimer) && SaneSingle(P.DamagePhase) && SaneSingle(P.WorkAmount) &&
        SaneSingle(P.Progress));
  Check(InRange(P.Happiness, -MaxCount, MaxCount) && InRange(P.IncomeBonus, -MaxCount, MaxCount));
  Check(InRange(P.AssignedWorkers, 0, MaxCount) && InRange(P.BaseWorkers, 0, MaxCount) &&
        InRange(P.MaxWorkers, 0, MaxCount) && InRange(P.MaterialUsed, 0, INT32_MAX));
}

}  // namespace

void TMission::SaveToStream(TStreamWriter& S) const {
  ForEachPane([&](const TPane& P) { WritePane(S, P); });
  S.WriteByte(SelectedPane ? 1 : 0);
  if (SelectedPane) {
    S.WriteInt32(SelectedPane->X);
    S.WriteInt32(SelectedPane->Y);
  }
  S.WriteInt32(Scenario);
  S.WriteSingle(Time);
  S.WriteInt32(GoldTime);
  S.WriteInt32(SilverTime);
  S.WriteInt32(Deadline);
  S.WriteByte(DeadlineExpired);
  S.WriteSingle(PayoutTimer);
  S.WriteByte(GoalsReached);
  for (const TGoal& G : Goals) {
    S.WriteByte(G.Kind);
    S.WriteByte(G.Reached);
    S.WriteByte(0);
    S.WriteByte(0);
    S.WriteInt32(G.Target);
    S.WriteInt32(G.Current);
  }
  S.WriteInt32(Money);
  S.WriteInt32(Income);
  S.WriteSingle(IncomeAccumulator);
  S.WriteInt32(ReservedInt);
  S.WriteSingle(ReservedSingle);
  S.WriteInt32(Residents);
  for (int Service = 1; Service <= 6; ++Service) S.WriteInt32(ServiceCount[Service]);
  S.WriteInt32(Happiness);
  S.WriteInt32(Material);
  S.WriteInt32(MaterialOrders);
  S.WriteSingle(MaterialProgress);
  S.WriteInt32(Workers);
  S.WriteInt32(FreeWorkers);
  S.WriteInt32(WorkerOrders);
  S.WriteSingle(WorkerProgress);
  S.WriteUInt32(OwnedLicenses);
  S.WriteUInt32(AvailableLicenses);
  S.WriteByte(StartShown);
  S.WriteInt32(StageIndex);
  S.WriteInt32(ResumeStage);
  S.WriteByte(DamageOn);
  S.WriteByte(HappinessOn);
  S.WriteByte(ResidentsOn);
}

void TMission::LoadFromStream(TStreamReader& S) {
  ForEachPane([&](TPane& P) { ReadPane(S, P); });
  SelectedPane = nullptr;
  if (S.ReadByte() == 1) {
    const int32_t X = S.ReadInt32();
    const int32_t Y = S.ReadInt32();
    SelectPane(X, Y);
  }
  Scenario = S.ReadInt32();
  Time = S.ReadSingle();
  GoldTime = S.ReadInt32();
  SilverTime = S.ReadInt32();
  Deadline = S.ReadInt32();
  DeadlineExpired = S.ReadByte();
  PayoutTimer = S.ReadSingle();
  GoalsReached = S.ReadByte();
  for (TGoal& G : Goals) {
    G.Kind = S.ReadByte();
    G.Reached = S.ReadByte();
    S.ReadByte();
    S.ReadByte();
    G.Target = S.ReadInt32();
    G.Current = S.ReadInt32();
  }
  Money = S.ReadInt32();
  Income = S.ReadInt32();
  IncomeAccumulator = S.ReadSingle();
  ReservedInt = S.ReadInt32();
  ReservedSingle = S.ReadSingle();
  Residents = S.ReadInt32();
  for (int Service = 1; Service <= 6; ++Service) ServiceCount[Service] = S.ReadInt32();
  Happiness = S.ReadInt32();
  Material = S.ReadInt32();
  MaterialOrders = S.ReadInt32();
  MaterialProgress = S.ReadSingle();
  Workers = S.ReadInt32();
  FreeWorkers = S.ReadInt32();
  WorkerOrders = S.ReadInt32();
  WorkerProgress = S.ReadSingle();
  OwnedLicenses = S.ReadUInt32();
  AvailableLicenses = S.ReadUInt32();
  StartShown = S.ReadByte();
  StageIndex = S.ReadInt32();
  ResumeStage = S.ReadInt32();
  DamageOn = S.ReadByte();
  HappinessOn = S.ReadByte();
  ResidentsOn = S.ReadByte();
  ValidateLoaded();
  OwnedLicenses |= 1u;  // "no license needed" is always owned
  StageIndex = ResumeStage;
  SetupStages(Scenario);
  // A stage index the stage list cannot hold means the tutorial is over.
  const int32_t StageCount = static_cast<int32_t>(Stages.size());
  if (StageIndex < 0 || StageIndex >= StageCount) StageIndex = 0;
  if (ResumeStage < 0 || ResumeStage >= StageCount) ResumeStage = 0;
}

void TMission::ValidateLoaded() const {
  ForEachPane([](const TPane& P) { ValidatePane(P); });
  Check(InRange(Scenario, 1, ScenarioCount));
  Check(SaneSingle(Time) && Time >= 0 && SaneSingle(PayoutTimer) && SaneSingle(IncomeAccumulator) &&
        SaneSingle(ReservedSingle) && SaneSingle(MaterialProgress) && SaneSingle(WorkerProgress));
  Check(InRange(GoldTime, 0, MaxSeconds) && InRange(SilverTime, 0, MaxSeconds) &&
        InRange(Deadline, 0, MaxSeconds));
  for (const TGoal& G : Goals) Check(G.Kind < GoalKindCount);
  Check(InRange(Residents, 0, MaxCount));
  for (int Service = 1; Service <= 6; ++Service) Check(InRange(ServiceCount[Service], 0, MaxCount));
}
