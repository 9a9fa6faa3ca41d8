// One frame of the town: time, deadline, income and payout, deliveries, training, work,
// damage, residents, services, happiness and goals.
#include <algorithm>

#include "app/EngineRegister.h"
#include "engine/EngineTimer.h"
#include "game/OrmelMission.h"

namespace {

constexpr float StepLength = 0.5f;
constexpr float PayoutPeriod = 10.0f;
constexpr float IncomeDivisor = 10.0f;
constexpr float DeliveryPeriod = 5.0f;
constexpr int32_t DeliverySize = 250;
constexpr float TrainingPeriod = 15.0f;
constexpr float DamageAnimationRate = 0.4f;

}  // namespace

void TMission::Update(float DeltaSeconds) {
  float Steps = 0;
  if (!Paused) {
    Time += DeltaSeconds;
    Steps = DeltaSeconds / StepLength;
  }
  DeadlineExpired = Register.Deadline && Deadline > 0 && Time > static_cast<float>(Deadline);
  PayoutTimer += Steps;
  IncomePaid = MaterialDelivered = WorkerTrained = 0;
  ForEachPane([](TPane& P) {
    P.Sound.clear();
    P.Effect.clear();
  });
  if (Steps > 0) CollectIncome(Steps);
  Payout();
  if (Steps > 0) {
    AdvanceOrders(Steps);
    ForEachPane([&](TPane& P) {
      if (P.IsBusy()) P.Work(Steps);
    });
    AdvanceDamage(Steps);
  }
  CountResidentsAndServices();
  ComputeHappiness();
  EvaluateGoals();
}

int32_t TPane::IncomeAmount() const {
  const TPaneInfo& I = Info();
  if (I.Rent <= 0 && I.PerResident <= 0) return 0;
  // 64-bit so that no saved value can overflow; the result is a whole int32.
  const int64_t F = int64_t{Happiness} * 10 + IncomeBonus + 100;
  int64_t Amount = 0;
  if (I.Rent > 0) Amount += F * I.Rent / 100;
  if (I.PerResident > 0) Amount += F * (int64_t{I.PerResident} * Mission->Residents) / 100;
  return static_cast<int32_t>(std::clamp<int64_t>(Amount, 0, INT32_MAX));
}

void TMission::CollectIncome(float Steps) {
  const float Factor = DifficultyIncomeFactor();
  ForEachPane([&](const TPane& P) {
    if (P.Damaged || P.IsBusy()) return;
    const TPaneInfo& I = P.Info();
    if (I.Rent <= 0 && I.PerResident <= 0) return;
    float Gain = static_cast<float>(P.IncomeAmount()) / IncomeDivisor * Steps;
    if (Factor != 1.0f) Gain *= Factor;
    IncomeAccumulator += Gain;
  });
}

void TMission::Payout() {
  if (!(PayoutTimer > PayoutPeriod)) return;
  PayoutTimer -= PayoutPeriod;
  Income = SafeFloor(IncomeAccumulator);
  Money = AddClamped(Money, Income);
  IncomeAccumulator = 0;
  IncomePaid = 1;
}

void TMission::AdvanceOrders(float Steps) {
  if (MaterialOrders >= 0) {
    MaterialProgress += Steps;
    if (MaterialProgress >= DeliveryPeriod) {
      Material = AddClamped(Material, DeliverySize);
      --MaterialOrders;
      MaterialProgress = 0;
      MaterialDelivered = 1;
    }
  }
  if (WorkerOrders >= 0) {
    WorkerProgress += Steps;
    if (WorkerProgress >= TrainingPeriod) {
      Workers = AddClamped(Workers, 1);
      FreeWorkers = AddClamped(FreeWorkers, 1);
      --WorkerOrders;
      WorkerProgress = 0;
      WorkerTrained = 1;
    }
  }
}

void TMission::AdvanceDamage(float Steps) {
  ForEachPane([&](TPane& P) {
    if (P.Damaged) {
      P.DamagePhase = Frac(P.DamagePhase + Steps * DamageAnimationRate);
    } else if (DamageOn && P.Vulnerable) {
      P.DamageTimer -= Steps;
      // A busy pane whose timer ran out becomes damaged once its action is done.
      if (P.DamageTimer <= 0 && !P.IsBusy()) {
        P.Damaged = 1;
        P.DamagePhase = 0;
        P.Sound = "Damage";
      }
    }
  });
}

void TMission::CountResidentsAndServices() {
  Residents = 0;
  ServiceCount.fill(0);
  ForEachPane([&](const TPane& P) {
    const TPaneInfo& I = P.Info();
    Residents += I.Residents;  // damaged buildings keep their residents
    if (I.Service > 0 && !P.Damaged) ++ServiceCount[I.Service];
  });
}

void TPane::UpdateHappiness() {
  const TPaneInfo& I = Info();
  Happiness = 0;
  for (int Service = 1; Service <= I.Needs && Service <= 6; ++Service)
    if (Mission->ServiceCount[Service] == 0) --Happiness;
  for (const TPane* N : Neighbours)
    if (N) Happiness += I.ResidentClass == 1 ? N->Info().ToHouses : N->Info().ToBlocks;
}

void TMission::ComputeHappiness() {
  int64_t Total = 0;
  ForEachPane([&](TPane& P) {
    if (!HappinessOn) {
      P.Happiness = 0;
    } else if (P.Info().ResidentClass > 0) {
      P.UpdateHappiness();
    }
    // A damaged building only counts when it makes the town unhappier.
    if (!(P.Damaged && P.Happiness >= 0)) Total += P.Happiness;
  });
  Happiness = static_cast<int32_t>(std::clamp<int64_t>(Total, INT32_MIN, INT32_MAX));
}
