// Goals, time limits, medals and the developer codes that force an outcome.
#include "game/OrmelMission.h"
#include "game/OrmelPlayers.h"

void TMission::AddGoal(bool IsNormal, uint8_t Kind, int32_t Target) {
  TGoal* Goal = nullptr;
  if (IsNormal) {
    Goal = &Goals[3];  // a fourth goal replaces the third
    for (int I = 1; I <= 3; ++I)
      if (Goals[I].Kind == gkNone) {
        Goal = &Goals[I];
        break;
      }
  } else if (IsCampaign() && !ScenarioProgress().TrophyWon) {
    Goal = &Goals[0];
  }
  if (!Goal) return;
  *Goal = TGoal{Kind, 0, Target, 0};
}

int32_t TMission::GoalCount() const {
  int32_t Count = 0;
  for (int I = 1; I <= 3; ++I)
    if (Goals[I].Kind != gkNone) ++Count;
  return Count;
}

void TMission::RemoveLastGoal() {
  for (int I = 3; I >= 1; --I)
    if (Goals[I].Kind != gkNone) {
      Goals[I] = TGoal{};
      return;
    }
}

void TMission::ClearGoals() {
  Goals.fill(TGoal{});
}

bool TMission::HasGoal(uint8_t Kind) const {
  for (int I = 1; I <= 3; ++I)
    if (Goals[I].Kind == Kind) return true;
  return false;
}

void TMission::SetTimes(int32_t GoldMinutes, int32_t SilverMinutes, int32_t DeadlineMinutes,
                        int32_t GoldSeconds, int32_t SilverSeconds, int32_t DeadlineSeconds) {
  Deadline = DeadlineMinutes * 60 + DeadlineSeconds;
  if (!IsCampaign()) {
    GoldTime = SilverTime = 0;
    return;
  }
  // A medal already earned is neither shown nor awarded again: its time stays as it is (0 in
  // a newly set-up mission).
  const uint8_t Medal = ScenarioProgress().Medal;
  if (Medal < 2) GoldTime = GoldMinutes * 60 + GoldSeconds;
  if (Medal < 1) SilverTime = SilverMinutes * 60 + SilverSeconds;
}

int32_t TMission::TimeAward() const {
  const int32_t Elapsed = ElapsedSeconds();
  if (GoldTime > 0 && Elapsed < GoldTime) return 2;
  if (SilverTime > 0 && Elapsed < SilverTime) return 1;
  return 0;
}

bool TMission::TrophyReached() const {
  return Goals[0].Kind != gkNone && Goals[0].Reached;
}

int32_t TMission::MeasureGoal(const TGoal& Goal) const {
  const TGoalInfo& G = GoalInfos[Goal.Kind < GoalKindCount ? Goal.Kind : 0];
  switch (G.Measure) {
    case msMoney:
      return Money;
    case msIncome:
      return Income;
    case msHappiness:
      return Happiness;
    case msResidents:
      return Residents;
    case msMaterial:
      return Material;
    case msWorkers:
      return Workers;
    case msCount:
    case msCountUpgraded: {
      const uint32_t Required = G.Measure == msCountUpgraded ? G.RequiredUpgrades : 0;
      int32_t Count = 0;
      ForEachPane([&](const TPane& P) {
        if (((G.PaneKinds >> P.Kind) & 1u) && (P.Upgrades & Required) == Required) ++Count;
      });
      return Count;
    }
    default:
      return 0;
  }
}

void TMission::EvaluateGoals() {
  int Total = 0, Done = 0;
  for (int I = 0; I <= 3; ++I) {
    TGoal& Goal = Goals[I];
    if (Goal.Kind == gkNone) continue;
    Goal.Current = MeasureGoal(Goal);
    Goal.Reached = Goal.Current >= Goal.Target;
    if (I >= 1) {
      ++Total;
      if (Goal.Reached) ++Done;
    }
  }
  // The trophy goal never decides the end; a mission without goals is never won.
  GoalsReached = Total > 0 && Done == Total;
}

namespace {

// Finishing time for the codes that end without a medal: two seconds past every open time.
int64_t PastMedalTimes(const TMission& M) {
  int64_t Limit = 0;
  if (M.GoldTime > 0) Limit = int64_t{M.GoldTime} + 2;
  if (M.SilverTime > 0) Limit = int64_t{M.SilverTime} + 2;
  return Limit;
}

}  // namespace

void TMission::ApplyCheat(int32_t Code) {
  const int64_t Elapsed = ElapsedSeconds();
  auto SetTrophy = [&](uint8_t Reached) {
    if (Goals[0].Kind != gkNone) Goals[0].Reached = Reached;
  };
  switch (Code) {
    case 1:
      Money = AddClamped(Money, 150000);
      Material = AddClamped(Material, 2500);
      Workers = AddClamped(Workers, 5);
      FreeWorkers = AddClamped(FreeWorkers, 5);
      break;
    case 2:
    case 5: {
      const int64_t Limit = PastMedalTimes(*this);
      if (Elapsed < Limit) Time = static_cast<float>(Limit);
      SetTrophy(Code == 5);
      GoalsReached = 1;
      break;
    }
    case 3:
      if (GoldTime > 0) {
        if (Elapsed > int64_t{GoldTime} - 2) Time = static_cast<float>(int64_t{GoldTime} - 2);
      } else if (SilverTime > 0 && Elapsed < int64_t{SilverTime} + 2) {
        Time = static_cast<float>(int64_t{SilverTime} + 2);
      }
      SetTrophy(0);
      GoalsReached = 1;
      break;
    case 4: {
      if (SilverTime > 0 && Elapsed > int64_t{SilverTime} - 2)
        Time = static_cast<float>(int64_t{SilverTime} - 2);
      const int64_t Now = ElapsedSeconds();
      if (GoldTime > 0 && Now < int64_t{GoldTime} + 2)
        Time = static_cast<float>(int64_t{GoldTime} + 2);
      SetTrophy(0);
      GoalsReached = 1;
      break;
    }
    case 6:
      if (Deadline > 0 && Elapsed < int64_t{Deadline} + 2)
        Time = static_cast<float>(int64_t{Deadline} + 2);
      DeadlineExpired = 1;
      break;
    default:
      break;
  }
}
