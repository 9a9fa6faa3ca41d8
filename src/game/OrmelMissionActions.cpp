// Timed actions on panes, material orders, worker training and licenses.
#include "game/OrmelMission.h"

namespace {

bool IsValidSlot(int Slot) {
  return Slot >= 0 && Slot < 13;
}

}  // namespace

const TActionInfo& TPane::SlotAction(int Slot) const {
  return ActionInfos[IsValidSlot(Slot) ? Actions[Slot] : 0];
}

int32_t TPane::WorkersNeeded(int Slot) const {
  return Info().WorkerFactor * SlotAction(Slot).Workers;
}

int32_t TPane::WorkNeeded(int Slot) const {
  return Info().WorkFactor * SlotAction(Slot).Work;
}

int32_t TPane::MaterialNeeded(int Slot) const {
  return Info().WorkFactor * SlotAction(Slot).Material;
}

int32_t TPane::ActionIcon(int Slot) const {
  return SlotAction(Slot).Icon;
}

int32_t TPane::ActionColor(int Slot) const {
  return SlotAction(Slot).Color;
}

bool TPane::IsActionHidden(int Slot) const {
  const TActionInfo& A = SlotAction(Slot);
  switch (A.Completion) {
    case cpNone:
      return true;
    case cpAssignWorker:
      return !IsBusy();
    case cpRepair:
      return IsBusy() || !Damaged;
    case cpDemolish:
      return IsBusy();  // a damaged building can still be demolished
    default:
      return IsBusy() || Damaged;
  }
}

bool TPane::CanStartAction(int Slot) const {
  const TActionInfo& A = SlotAction(Slot);
  const TMission& M = *Mission;
  if (A.Completion == cpAssignWorker) return M.FreeWorkers >= 1 && AssignedWorkers < MaxWorkers;
  return M.FreeWorkers >= WorkersNeeded(Slot) && M.Material >= MaterialNeeded(Slot) &&
         M.OwnsLicense(A.License) && (A.Money == 0 || M.Money >= A.Money);
}

void TPane::StartAction(int Slot) {
  const TActionInfo& A = SlotAction(Slot);
  TMission& M = *Mission;
  if (A.Completion == cpAssignWorker) {
    ++AssignedWorkers;
    --M.FreeWorkers;
    return;
  }
  CurrentAction = A.Kind;
  BaseWorkers = WorkersNeeded(Slot);
  MaxWorkers = BaseWorkers * 3 / 2;
  AssignedWorkers = BaseWorkers;
  M.FreeWorkers -= BaseWorkers;
  WorkAmount = static_cast<float>(WorkNeeded(Slot));
  Progress = 0;
  MaterialUsed = MaterialNeeded(Slot);
  M.Material -= MaterialUsed;
  if (A.Money > 0) M.Money -= A.Money;
  if (A.RemoveAfterStart) Actions[Slot] = akNone;
  if (A.NextAction != akNone) Actions[Slot] = A.NextAction;
}

void TPane::Work(float Steps) {
  Progress += static_cast<float>(AssignedWorkers) * Steps;
  if (Progress < WorkAmount) return;
  Complete();
}

void TPane::Complete() {
  TMission& M = *Mission;
  const TActionInfo& A = ActionInfos[CurrentAction];
  M.FreeWorkers = AddClamped(M.FreeWorkers, AssignedWorkers);
  AssignedWorkers = 0;
  WorkAmount = 0;
  MaterialUsed = 0;
  BaseWorkers = 0;
  MaxWorkers = 0;
  Progress = 0;
  switch (A.Completion) {
    case cpRepair:
      Damaged = 0;
      DamageTimer = RandomDamageDelay();
      break;
    case cpDemolish:
    case cpConstruct:
    case cpClear:
      SetKind(A.TargetKind);
      break;
    case cpUpgrade:
      ApplyUpgrade(A.UpgradeBit);
      break;
    default:
      break;
  }
  Sound = A.FinishSound;
  Effect = A.FinishEffect;
  CurrentAction = akNone;
}

void TPane::ApplyUpgrade(uint8_t Bit) {
  if (Bit >= UpgradeCount) return;
  const uint32_t Mask = 1u << Bit;
  if (Upgrades & Mask) return;
  Upgrades |= Mask;
  const TUpgradeInfo& U = UpgradeInfos[Bit];
  if (U.PreventsDamage) {
    Vulnerable = 0;
    DamageTimer = RandomDamageDelay();
    Damaged = 0;
    DamagePhase = 0;
  }
  if (U.IncomeBonus > 0) IncomeBonus += U.IncomeBonus;
  if (U.HappinessBonus > 0) Happiness += U.HappinessBonus;
  // Any later upgrade ends the protection of an inspection; the building can be inspected
  // again.
  const uint32_t Inspected = 1u << upInspected;
  if (Info().Vulnerable && (Upgrades & Inspected) && Bit != upInspected) {
    Upgrades &= ~Inspected;
    Actions[3] = akInspect;
    Vulnerable = 1;
  }
}

void TMission::OrderMaterial() {
  Money -= MaterialPrice;
  MaterialOrders = AddClamped(MaterialOrders, 1);
}

void TMission::TrainWorker() {
  Money -= WorkerPrice;
  WorkerOrders = AddClamped(WorkerOrders, 1);
}

int32_t TMission::LicenseState(int32_t N) const {
  if (N < 1 || N >= LicenseCount) return 1;
  if (OwnsLicense(N)) return 2;
  if (!((AvailableLicenses >> N) & 1u)) return 1;
  return Money >= LicenseInfos[N].Price ? 0 : -1;
}

void TMission::BuyLicense(int32_t N) {
  if (N < 1 || N >= LicenseCount) return;
  OwnedLicenses |= 1u << N;
  Money -= LicenseInfos[N].Price;
}
