// The texts of the mission screen's panels: statistics, time limits, goals, the information
// panel and the license hint. Characters below 32 are icon glyphs of the fonts; character 13
// breaks a line.
#include <cstdlib>

#include "app/EngineRegister.h"
#include "engine/EngineLanguages.h"
#include "engine/EngineTimer.h"
#include "game/OrmelMission.h"

namespace {

// clang-format off
enum TIconChar : char {
  icMoney = 1, icMaterial = 2, icWorkers = 3, icLicense = 4, icAffordable = 5,
  icNotAffordable = 6, icMissing = 7, icGap = 8, icHappy = 9, icUnhappy = 10, icHouse = 11,
  icBlock = 12, icLineBreak = 13, icResidents = 20, icGoldTime = 22, icSilverTime = 23,
  icDeadline = 24, icTrophy = 26, icGoalOpen = 30, icGoalReached = 31
};
// clang-format on

std::string Chr(int Code) {
  return std::string(1, static_cast<char>(Code));
}

const std::string& Label(TStringId Id) {
  return Strings[Id];
}

// The digits of a money amount: separators before the last three digits from 1000 on, and
// before the last six above 999999.
std::string MoneyDigits(int64_t Amount) {
  std::string Digits = std::to_string(Amount);
  if (Amount > 999999) Digits.insert(Digits.size() - 6, 1, ThousandsSeparator);
  if (Amount >= 1000) Digits.insert(Digits.size() - 3, 1, ThousandsSeparator);
  return Digits;
}

std::string Plain(int64_t Value) {
  return std::to_string(Value);
}

std::string Join(const std::vector<std::string>& Lines) {
  std::string Text;
  for (const std::string& Line : Lines) {
    if (!Text.empty()) Text += Chr(icLineBreak);
    Text += Line;
  }
  return Text;
}

// Fills the lines of a panel one after another from a starting line.
struct TLineFiller {
  TInfoStrings& Lines;
  size_t Next;
  void Add(const std::string& Line) {
    if (Next < Lines.size()) Lines[Next++] = Line;
  }
};

int32_t WithDifficulty(int32_t Amount) {
  return SafeFloor(static_cast<float>(Amount) * DifficultyIncomeFactor());
}

}  // namespace

std::string FormatMoney(int64_t Amount) {
  return Chr(CurrencySymbol) + MoneyDigits(Amount);
}

std::string FormatGrouped(int64_t Value) {
  std::string Text = std::to_string(Value);
  if (std::llabs(Value) >= 1000) Text.insert(Text.size() - 3, 1, ThousandsSeparator);
  return Text;
}

std::string FormatSignedHappiness(int32_t Value) {
  if (Value >= 0) return "+" + Plain(Value) + " " + Chr(icHappy);
  return Plain(Value) + " " + Chr(icUnhappy);
}

std::string BracketText(int Id) {
  if (Id <= sidNone || Id >= sidCount || Strings[Id].empty()) return "";
  return "(" + Strings[Id] + ")";
}

std::string AffectText(int32_t ToHouses, int32_t ToBlocks) {
  std::string Text = Label(sidLabelAffect) + " ";
  if (ToHouses != 0) {
    Text += FormatSignedHappiness(ToHouses) + " " + Chr(icHouse);
    if (ToBlocks != 0 && ToBlocks != ToHouses) Text += ", ";
  }
  if (ToBlocks != 0) {
    if (ToBlocks == ToHouses)
      Text += " " + Chr(icBlock);  // one value for both
    else
      Text += FormatSignedHappiness(ToBlocks) + " " + Chr(icBlock);
  }
  return Text;
}

std::string CostText(int Kind, bool Affordable) {
  const std::string Mark = Chr(icGap) + Chr(Affordable ? icAffordable : icNotAffordable);
  switch (Kind) {
    case 0:
      return Chr(icMoney) + Mark + Label(sidLabelCost);
    case 1:
      return Chr(icMaterial) + Mark + Label(sidLabelMaterial);
    case 2:
      return Chr(icWorkers) + Mark + Label(sidLabelWorkers);
    default:
      return Chr(icLicense) + Mark;
  }
}

std::string FormatGoal(uint8_t Kind, int32_t Count) {
  const TGoalInfo& G = GoalInfos[Kind < GoalKindCount ? Kind : 0];
  const bool MoneyLike = G.Measure == msMoney || G.Measure == msIncome;
  const bool Grouped = G.Measure == msResidents || G.Measure == msMaterial;
  std::string Value;
  if (!G.Ranged) {
  } else if (Count > 0) {
    Value = MoneyLike ? FormatMoney(Count) : Grouped ? FormatGrouped(Count) : Plain(Count);
  } else if (MoneyLike) {
    Value = Chr(CurrencySymbol) + "(" + MoneyDigits(G.Min) + " - " + MoneyDigits(G.Max) + ")";
  } else if (Grouped) {
    Value = "(" + FormatGrouped(G.Min) + " - " + FormatGrouped(G.Max) + ")";
  } else {
    Value = "(" + Plain(G.Min) + " - " + Plain(G.Max) + ")";
  }
  if (!Value.empty()) Value += " ";
  return Chr(G.IconCode) + " " + Value + Strings[G.NameId];
}

std::string TMission::NeedsText(int32_t Count) const {
  std::string Text = Label(sidLabelNeeds) + " ";
  for (int Service = 1; Service <= Count && Service <= 6; ++Service)
    Text +=
        Chr(13 + Service) + Chr(icGap) + Chr(ServiceCount[Service] > 0 ? icAffordable : icMissing);
  return Text;
}

void TMission::GetStatsTexts(TStats& Lines) const {
  Lines.fill("");
  size_t Line = 0;
  Lines[Line++] = Chr(icMoney) + " " + Label(sidLabelIncome) + " " + FormatMoney(Income);
  if (HappinessOn)
    Lines[Line++] = Chr(icHappy) + " " + Label(sidLabelHappiness) + " " + Plain(Happiness);
  if (ResidentsOn)
    Lines[Line++] =
        Chr(icResidents) + " " + Label(sidLabelResidents) + " " + FormatGrouped(Residents);
}

std::string TMission::GetTimeText() const {
  std::vector<std::string> Lines;
  const int32_t Elapsed = ElapsedSeconds();
  if (GoldTime > 0 && Elapsed < GoldTime)
    Lines.push_back(Chr(icGoldTime) + " " + Label(sidLabelGoldTime) + " " + FormatTime(GoldTime));
  else if (SilverTime > 0 && Elapsed < SilverTime)
    Lines.push_back(Chr(icSilverTime) + " " + Label(sidLabelSilverTime) + " " +
                    FormatTime(SilverTime));
  if (Register.Deadline && Deadline > 0)
    Lines.push_back(Chr(icDeadline) + " " + Label(sidLabelDeadline) + " " + FormatTime(Deadline));
  const TGoal& Trophy = Goals[0];
  if (Trophy.Kind != gkNone)
    Lines.push_back(Chr(icTrophy) + (Trophy.Reached ? Chr(icGap) + Chr(icAffordable) : " ") +
                    Label(sidLabelTrophyGoal) + " " + FormatGoal(Trophy.Kind, Trophy.Target));
  return Join(Lines);
}

std::string TMission::GetGoalsText() const {
  std::vector<std::string> Lines;
  for (int I = 1; I <= 3; ++I) {
    const TGoal& Goal = Goals[I];
    if (Goal.Kind == gkNone) continue;
    std::string Line =
        Chr(Goal.Reached ? icGoalReached : icGoalOpen) + " " + FormatGoal(Goal.Kind, Goal.Target);
    const TGoalInfo& G = GoalInfos[Goal.Kind < GoalKindCount ? Goal.Kind : 0];
    if (G.Ranged && (G.Measure == msCount || G.Measure == msCountUpgraded))
      Line += " (" + Label(sidLabelYouHave) + " " + Plain(Goal.Current) + ")";
    Lines.push_back(Line);
  }
  return Join(Lines);
}

std::string TMission::GetLicenseText() const {
  const int32_t N = HoveredLicense;
  if (N < 1 || N >= LicenseCount) return "";
  const TLicenseInfo& L = LicenseInfos[N];
  std::string Text = Strings[L.NameId] + Chr(icLineBreak);
  if (OwnsLicense(N)) return Text + Label(sidLabelOwned);
  if ((AvailableLicenses >> N) & 1u)
    return Text + CostText(0, Money >= L.Price) + " " + FormatMoney(L.Price);
  return Text + Label(sidLabelLocked);
}

void TMission::GetInfoTexts(TInfoStrings& Lines) const {
  Lines.fill("");
  const int32_t E = HoveredAction;
  if (E == 13 || E == 14) {
    const bool Material = E == 13;
    const int32_t Price = Material ? MaterialPrice : WorkerPrice;
    Lines[0] = Strings[Material ? sidActionNameOrderMaterial : sidActionNameTrainWorker];
    Lines[1] = BracketText(Material ? sidActionHintOrderMaterial : sidActionHintTrainWorker);
    Lines[2] = CostText(0, Money >= Price) + " " + FormatMoney(Price);
  } else if (E >= 15 && E <= 21) {
    static const TStringId Names[] = {
        sidActionNameBuyLicense, sidActionNamePause, sidActionNameExit,      sidActionNameRestart,
        sidActionNameOptions,    sidActionNameHelp,  sidActionNameCollecting};
    static const TStringId Hints[] = {
        sidActionHintBuyLicense, sidActionHintPause, sidActionHintExit,      sidActionHintRestart,
        sidActionHintOptions,    sidActionHintHelp,  sidActionHintCollecting};
    Lines[0] = Strings[Names[E - 15]];
    Lines[1] = BracketText(Hints[E - 15]);
  } else if (E >= 0 && E <= 12) {
    if (SelectedPane) ActionInfoTexts(Lines, *SelectedPane);
  } else if (SelectedPane) {
    PaneInfoTexts(Lines, *SelectedPane);
  }
}

void TMission::ActionInfoTexts(TInfoStrings& Lines, const TPane& P) const {
  const int Slot = HoveredAction;
  const TActionInfo& A = ActionInfos[P.Actions[Slot] < ActionKindCount ? P.Actions[Slot] : 0];
  if (A.Kind == akNone) return;  // an empty slot has nothing to describe
  Lines[0] = Strings[A.NameId];
  Lines[1] = BracketText(A.HintId);
  if (A.Completion == cpAssignWorker) {
    Lines[2] = Label(sidLabelAssignedWorkers) + " " + Plain(P.AssignedWorkers);
    Lines[3] = Label(sidLabelMaxWorkers) + " " + Plain(P.MaxWorkers);
    if (P.AssignedWorkers == P.MaxWorkers)
      Lines[4] = Label(sidLabelMaxWorkersAssigned);
    else if (FreeWorkers == 0)
      Lines[4] = Label(sidLabelNoWorkers);
    return;
  }
  const int32_t Workers = P.WorkersNeeded(Slot), Taken = P.MaterialNeeded(Slot);
  if (Taken > 0) Lines[2] = CostText(1, Material >= Taken) + " " + FormatGrouped(Taken) + "    ";
  Lines[2] += CostText(2, FreeWorkers >= Workers) + " " + Plain(Workers);
  if (A.License != lcNone)
    Lines[3] = CostText(3, OwnsLicense(A.License)) + Strings[LicenseInfos[A.License].NameId];
  else if (A.Money > 0)
    Lines[3] = CostText(0, Money >= A.Money) + " " + FormatMoney(A.Money);
  TLineFiller Filler{Lines, 4};
  if (A.Completion == cpConstruct) {
    const TPaneInfo& K = PaneInfos[A.TargetKind];
    if (HappinessOn && (K.ToHouses != 0 || K.ToBlocks != 0))
      Filler.Add(AffectText(K.ToHouses, K.ToBlocks));
    if (K.Rent > 0)
      Filler.Add(Label(sidLabelRentalIncome) + " " + FormatMoney(WithDifficulty(K.Rent)));
    if (K.PerResident > 0)
      Filler.Add(Label(sidLabelIncomePerResident) + " " +
                 FormatMoney(WithDifficulty(K.PerResident)));
    if (HappinessOn && K.BaseHappiness != 0)
      Filler.Add(Label(sidLabelHappiness) + " " + FormatSignedHappiness(K.BaseHappiness));
    if (ResidentsOn && K.Residents > 0)
      Filler.Add(Label(sidLabelResidents) + " " + FormatGrouped(K.Residents));
  } else if (A.Completion == cpUpgrade) {
    const TUpgradeInfo& U = UpgradeInfos[A.UpgradeBit];
    if (U.PreventsDamage) Filler.Add(Label(sidLabelPreventDamage));
    if (U.IncomeBonus > 0)
      Filler.Add(Label(sidLabelIncomeBonus) + " " + Plain(U.IncomeBonus) + "%");
    if (HappinessOn && U.HappinessBonus > 0)
      Filler.Add(Label(sidLabelHappinessBonus) + " " + FormatSignedHappiness(U.HappinessBonus));
  }
}

void TMission::PaneInfoTexts(TInfoStrings& Lines, const TPane& P) const {
  const TPaneInfo& K = P.Info();
  Lines[0] = Strings[K.NameId];
  if (P.IsBusy()) {
    Lines[1] = BracketText(ActionInfos[P.CurrentAction].ProgressId);
    Lines[2] = Label(sidLabelAssignedWorkers) + " " + Plain(P.AssignedWorkers);
    Lines[3] = Label(sidLabelMaxWorkers) + " " + Plain(P.MaxWorkers);
    return;
  }
  Lines[1] = BracketText(P.Damaged ? sidPaneHintDamaged : K.HintId);
  TLineFiller Filler{Lines, 2};
  if (HappinessOn && (K.ToHouses != 0 || K.ToBlocks != 0))
    Filler.Add(AffectText(K.ToHouses, K.ToBlocks));
  if (!P.Damaged && (K.Rent > 0 || K.PerResident > 0))
    Filler.Add(Label(sidLabelIncome) + " " + FormatMoney(WithDifficulty(P.IncomeAmount())));
  if (HappinessOn && !P.Damaged && K.Needs > 0) Filler.Add(NeedsText(K.Needs));
  if (ResidentsOn && K.Residents > 0)
    Filler.Add(Label(sidLabelResidents) + " " + FormatGrouped(K.Residents));
}
