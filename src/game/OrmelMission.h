// The town simulation: a mission is one game on a 5 x 5 grid of panes (plots) with the town's
// money, material, workers, licenses, goals, time limits and tutorial stages. Nothing here
// draws or plays anything except the one "Damage" sound of a scripted tutorial stage; the
// mission screen reads the fields and calls the operations.
//
// Implementation by role: OrmelMission.cpp (construction, panes), OrmelMissionTables.cpp (the
// kind tables), OrmelMissionActions.cpp (actions, orders, licenses), OrmelMissionUpdate.cpp
// (the tick), OrmelMissionGoals.cpp (goals, times, awards, developer codes),
// OrmelMissionScenarios.cpp (scenario parameters, maps, Setup), OrmelMissionStages.cpp
// (tutorial stages), OrmelMissionTexts.cpp (panel texts), OrmelMissionStream.cpp (saved form).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/EngineLanguageIds.h"

class TPlayer;
class TMission;
class TStreamReader;
class TStreamWriter;
struct TProgress;

// ---- Kinds -------------------------------------------------------------------------------

// clang-format off
enum TPaneKind : uint8_t {
  pkNone, pkBuildingPlot, pkHouse1, pkHouse2, pkHouse3, pkBlock1, pkBlock2, pkBlock3, pkPost,
  pkMarket, pkRestaurant, pkPark, pkPlayground, pkSquare, pkDebris1, pkDebris2, pkDebris3,
  pkForest1, pkForest2, pkForest3, pkForest4, pkWoods1, pkWoods2, pkWoods3, pkWoods4, pkGrass,
  pkLake, pkRiver, pkField, pkRock, pkRailroad, pkOldHouse, pkOldBlock, pkStation, pkSawmill,
  pkFactory, pkGlade, pkDump, pkFarm
};
constexpr int PaneKindCount = 39;

enum TActionKind : uint8_t {
  akNone, akAssignWorker, akConstructHouse1, akConstructHouse2, akConstructHouse3,
  akConstructBlock1, akConstructBlock2, akConstructBlock3, akConstructPost, akConstructMarket,
  akConstructRestaurant, akConstructPark, akConstructPlayground, akConstructSquare, akDemolish1,
  akDemolish2, akDemolish3, akClearForest, akClearDebris1, akClearDebris2, akClearDebris3,
  akRepair, akInspect, akUpgradeClass1, akUpgradeClass2, akUpgradeClass3, akUpgradeHouse1,
  akUpgradeHouse2, akUpgradeBlock1, akUpgradeBlock2, akUpgradePost1, akUpgradeMarket1,
  akUpgradeRestaurant1, akUpgradePark1, akUpgradePlayground1, akUpgradeSquare1
};
constexpr int ActionKindCount = 36;

enum TGoalKind : uint8_t {
  gkNone, gkMoney, gkIncome, gkHappiness, gkResidents, gkMaterial, gkWorkers, gkBuilding,
  gkBuildingInspection, gkHouse1, gkHouse2, gkHouse3, gkHouses, gkHousesClass1, gkHousesClass3,
  gkHousesGarden, gkHousesSecurity, gkBlock1, gkBlock2, gkBlock3, gkBlocks, gkBlocksClass1,
  gkBlocksClass3, gkBlocksInternet, gkBlocksFireProtection, gkPost, gkPostBank, gkMarket,
  gkMarketBakery, gkRestaurant, gkRestaurantCafe, gkPark, gkParkExoticTrees, gkPlayground,
  gkPlaygroundLeague, gkSquare, gkSquareAttraction
};
constexpr int GoalKindCount = 37;

enum TLicense : uint8_t {
  lcNone, lcHouse1, lcHouse2, lcHouse3, lcBlock1, lcBlock2, lcBlock3, lcPost, lcMarket,
  lcRestaurant, lcPark, lcPlayground, lcSquare, lcInspection, lcLandscaping, lcSecuritySystems,
  lcInternetProvider, lcFireProtection, lcEventOrganizer
};
constexpr int LicenseCount = 19;  // rows 0..18

enum TUpgrade : uint8_t {
  upBase, upInspected, upClass1, upClass2, upClass3, upGarden, upSecurity, upInternet,
  upFireProtection, upBank, upBakery, upCafe, upExoticTrees, upLeague, upAttraction
};
constexpr int UpgradeCount = 15;

enum TService : uint8_t {
  svNone, svPost, svMarket, svRestaurant, svPark, svPlayground, svSquare
};

// What a completed action does to its pane.
enum TCompletion : uint8_t {
  cpNone, cpAssignWorker, cpRepair, cpDemolish, cpConstruct, cpUpgrade, cpClear
};

// What a goal kind measures.
enum TMeasure : uint8_t {
  msNone, msMoney, msIncome, msHappiness, msResidents, msMaterial, msWorkers, msCount,
  msCountUpgraded
};
// clang-format on

// ---- Design tables -------------------------------------------------------------------------

struct TPaneInfo {
  uint8_t Kind;
  TStringId NameId;
  TStringId HintId;
  const char* Texture;  // "" = the pane draws nothing of its own
  int32_t VariantCount;
  int32_t IdleSoundClass;
  uint8_t Actions[13];
  uint8_t Vulnerable;
  int32_t WorkerFactor, WorkFactor, Residents, ResidentClass, BaseHappiness, ToHouses, ToBlocks,
      Service, Needs, Rent, PerResident;
};

struct TActionInfo {
  uint8_t Kind;
  TStringId NameId, HintId, ProgressId;
  int32_t Icon, Color;
  const char* WorkEffect;
  int32_t SoundClass;
  const char* FinishSound;
  const char* FinishEffect;
  int32_t License, Workers, Work, Material, Money;
  uint8_t Completion, TargetKind, UpgradeBit, RemoveAfterStart, NextAction;
};

struct TGoalInfo {
  uint8_t Kind;
  TStringId NameId;
  uint8_t IconCode;
  uint8_t Measure;
  uint64_t PaneKinds;  // bit N = pane kind N counts
  uint32_t RequiredUpgrades;
  uint8_t Ranged;
  int32_t Min, Max;
};

struct TLicenseInfo {
  uint8_t Index;
  TStringId NameId;
  int32_t Price;
};

struct TUpgradeInfo {
  uint8_t Bit;
  uint8_t PreventsDamage;
  int32_t IncomeBonus;  // percent
  int32_t HappinessBonus;
};

extern const TPaneInfo PaneInfos[PaneKindCount];
extern const TActionInfo ActionInfos[ActionKindCount];
extern const TGoalInfo GoalInfos[GoalKindCount];
extern const TLicenseInfo LicenseInfos[LicenseCount];
extern const TUpgradeInfo UpgradeInfos[UpgradeCount];

// ---- Scenario data -------------------------------------------------------------------------

constexpr int CampaignScenarioCount = 24;
constexpr int ScenarioCount = 48;  // 25..48 are the sandbox maps 1..24

struct TGoalSetting {
  uint8_t Kind;
  int32_t Target;
};

struct TScenarioInfo {
  TGoalSetting Trophy;
  TGoalSetting Goals[3];
  int32_t Money, Material, Workers;
  uint32_t OwnedLicenses;  // without bit 0
  uint32_t LicensesToBuy;
  int32_t GoldMinutes, GoldSeconds, SilverMinutes, SilverSeconds, DeadlineMinutes, DeadlineSeconds;
  uint8_t DamageOff, HappinessOff, ResidentsOff;
  int32_t Face;
};

// Campaign scenario N (1..24); row 0 is empty.
extern const TScenarioInfo ScenarioInfos[CampaignScenarioCount + 1];

// One cell of a map layout, as Setup passes it to TPane::Place.
struct TMapCell {
  uint8_t Kind = pkNone;
  int32_t Orientation = 0;
  int32_t Variant = -1;  // -1 = a random variant
};
using TMapLayout = std::array<std::array<TMapCell, 5>, 5>;  // [X][Y]

// The cells Setup places for a scenario 1..48 (campaign map N, or sandbox map N - 24 with its
// replaced cells); every cell is of kind 0 for any other number.
const TMapLayout& MapLayout(int Scenario);
// The map background picture of a scenario: "Map1" .. "Map24"; empty outside 1..48.
std::string MapPictureName(int Scenario);

// ---- Tutorial stages -----------------------------------------------------------------------

enum TStageKind : uint8_t { skShow, skWait, skDeselect, skDamageOn, skDamageTimer, skDamageNow };

struct TStage {
  uint8_t Kind = skShow;
  int32_t X = 0, Y = 0;  // message position, or the pane of a damage stage
  int16_t TextId = 0;
  std::string Target;  // control to click, "" = the continue button
  int32_t FocusKind = 0;
  uint8_t ArrowShown = 0;
  int32_t ArrowDirection = 0;
  float ArrowX = 0, ArrowY = 0;  // ArrowX is the timer (steps) of a damage timer stage
  uint8_t OpensLicenses = 0;
};
using TStages = std::vector<TStage>;

// ---- Panel texts ---------------------------------------------------------------------------

using TStats = std::array<std::string, 3>;
using TInfoStrings = std::array<std::string, 8>;

// Money text: currency symbol and the amount with up to two thousands separators.
std::string FormatMoney(int64_t Amount);
// Grouped text: one thousands separator when the absolute value is 1000 or more.
std::string FormatGrouped(int64_t Value);
// Signed happiness text: "+3 " and the positive icon, or "-2 " and the negative icon.
std::string FormatSignedHappiness(int32_t Value);
// "(" + text + ")" for a non-empty text, else empty.
std::string BracketText(int Id);
std::string AffectText(int32_t ToHouses, int32_t ToBlocks);
// Kind 0 money, 1 material, 2 workers, 3 license; the mark says whether it is affordable.
std::string CostText(int Kind, bool Affordable);
// A goal's text; Count <= 0 shows the allowed range of a ranged goal kind instead.
std::string FormatGoal(uint8_t Kind, int32_t Count);

// Uniform R in [0, 1): (R - 0.5) * 180 + 450 steps, so 360 to 540 steps.
float RandomDamageDelay();
// A whole number in 0..Count-1 from the simulation's random source.
int32_t RandomInt(int32_t Count);
// Restarts the simulation's random source (games seed it from the clock, tests fixed).
void SeedMissionRandom(uint64_t Seed);

// ---- Panes and missions --------------------------------------------------------------------

struct TGoal {
  uint8_t Kind = gkNone;
  uint8_t Reached = 0;
  int32_t Target = 0;
  int32_t Current = 0;
};

struct TSoundCounts {
  std::array<int32_t, 5> Count{};  // classes 1..4 (index 0 unused)
  int32_t Selected = 0;            // the class of the selected pane, 0 when none
};

class TPane {
 public:
  TPane(TMission* Mission, int32_t X, int32_t Y);
  virtual ~TPane() = default;
  TPane(const TPane&) = delete;
  TPane& operator=(const TPane&) = delete;

  void SetKind(uint8_t NewKind);
  void Place(int32_t NewOrientation, uint8_t NewKind, int32_t NewVariant);

  std::string Picture() const;
  int32_t SoundClass() const;
  std::string WorkEffect() const;
  float ProgressFraction() const;
  bool IsBusy() const { return CurrentAction != akNone; }
  const TPaneInfo& Info() const { return PaneInfos[Kind]; }

  // Actions in the 13 icon slots.
  bool IsActionHidden(int Slot) const;
  bool CanStartAction(int Slot) const;
  int32_t ActionIcon(int Slot) const;
  int32_t ActionColor(int Slot) const;
  void StartAction(int Slot);
  void Work(float Steps);
  void ApplyUpgrade(uint8_t Bit);
  // The cost of the action in Slot on this pane.
  int32_t WorkersNeeded(int Slot) const;
  int32_t WorkNeeded(int Slot) const;
  int32_t MaterialNeeded(int Slot) const;

  // Income per payout at normal difficulty (before the difficulty factor and the step rate).
  int32_t IncomeAmount() const;
  void UpdateHappiness();
  // The upgrade icons (characters 16..29) of the upgrades beyond Base, in bit order.
  std::string UpgradeNames() const;

  TMission* Mission;
  int32_t X, Y;
  std::array<TPane*, 8> Neighbours{};
  int32_t Orientation = 0;
  uint8_t Kind = pkNone;
  int32_t Variant = 0;
  uint32_t Upgrades = 0;
  std::array<uint8_t, 13> Actions{};
  uint8_t Vulnerable = 0;
  float DamageTimer = 0;
  uint8_t Damaged = 0;
  float DamagePhase = 0;
  int32_t Happiness = 0;
  int32_t IncomeBonus = 0;
  uint8_t CurrentAction = akNone;
  int32_t AssignedWorkers = 0;
  float WorkAmount = 0;
  int32_t MaterialUsed = 0;
  int32_t BaseWorkers = 0;
  int32_t MaxWorkers = 0;
  float Progress = 0;
  std::string Sound;   // one frame: "Damage" or a finish sound
  std::string Effect;  // one frame: a finish effect

 private:
  const TActionInfo& SlotAction(int Slot) const;
  void Complete();
};

class TMission {
 public:
  explicit TMission(TPlayer* Player);
  virtual ~TMission();
  TMission(const TMission&) = delete;
  TMission& operator=(const TMission&) = delete;

  // Scenario set-up (1..24 campaign, 25..48 sandbox map Scenario - 24).
  void Setup(int32_t NewScenario);
  void SetupStages(int32_t ForScenario);
  bool IsCampaign() const { return Scenario >= 1 && Scenario <= CampaignScenarioCount; }

  TPane* Pane(int32_t X, int32_t Y) const;
  void SelectPane(int32_t X, int32_t Y);
  int32_t ElapsedSeconds() const;
  TSoundCounts CountSoundClasses() const;

  void Update(float DeltaSeconds);

  // Orders and licenses.
  bool CanOrderMaterial() const { return Money >= MaterialPrice; }
  void OrderMaterial();
  bool CanTrainWorker() const { return Money >= WorkerPrice; }
  void TrainWorker();
  float MaterialProgressFraction() const { return MaterialProgress / 5.0f; }
  float WorkerProgressFraction() const { return WorkerProgress / 15.0f; }
  float PayoutProgress() const { return PayoutTimer / 10.0f; }
  int32_t LicenseState(int32_t N) const;
  void BuyLicense(int32_t N);
  bool OwnsLicense(int32_t N) const { return N >= 0 && N < 32 && (OwnedLicenses >> N) & 1u; }

  // Goals, time limits and developer codes.
  void AddGoal(bool IsNormal, uint8_t Kind, int32_t Target);
  int32_t GoalCount() const;
  void RemoveLastGoal();
  void ClearGoals();
  bool HasGoal(uint8_t Kind) const;
  void SetTimes(int32_t GoldMinutes, int32_t SilverMinutes, int32_t DeadlineMinutes,
                int32_t GoldSeconds, int32_t SilverSeconds, int32_t DeadlineSeconds);
  int32_t TimeAward() const;
  bool TrophyReached() const;
  void ApplyCheat(int32_t Code);
  void EvaluateGoals();

  // Tutorial stages.
  void AddStage(uint8_t Kind, int32_t X, int32_t Y, int16_t TextId, const std::string& Target,
                int32_t FocusKind, uint8_t ArrowShown, int32_t ArrowDirection, float ArrowX,
                float ArrowY, uint8_t OpensLicenses);
  TStage CurrentStage() const;
  bool StageOpensLicenses() const;
  void NextStage();
  void SkipStages();

  // Panel texts.
  void GetStatsTexts(TStats& Lines) const;
  std::string GetTimeText() const;
  std::string GetGoalsText() const;
  void GetInfoTexts(TInfoStrings& Lines) const;
  std::string GetLicenseText() const;
  std::string NeedsText(int32_t Count) const;

  // The saved form: 1725 bytes of panes, then 175 bytes (183 with a selected pane).
  void SaveToStream(TStreamWriter& Stream) const;
  void LoadFromStream(TStreamReader& Stream);

  // The progress record of this mission's scenario in its profile (a new profile's record
  // when the mission has no profile).
  TProgress ScenarioProgress() const;

  TPlayer* Player;
  std::array<std::array<std::unique_ptr<TPane>, 5>, 5> Panes;  // [X][Y]
  TPane* SelectedPane = nullptr;
  int32_t Scenario = 0;
  uint8_t Paused = 0;
  std::string MapPicture;
  float Time = 0;
  int32_t GoldTime = 0, SilverTime = 0, Deadline = 0;
  uint8_t DeadlineExpired = 0;
  float PayoutTimer = 0;
  uint8_t GoalsReached = 0;
  std::array<TGoal, 4> Goals{};
  int32_t Money = 0;
  int32_t Income = 0;
  float IncomeAccumulator = 0;
  int32_t ReservedInt = 0;   // travels in the saved form only
  float ReservedSingle = 0;  // travels in the saved form only
  uint8_t IncomePaid = 0;
  int32_t Residents = 0;
  std::array<int32_t, 7> ServiceCount{};  // services 1..6
  int32_t Happiness = 0;
  int32_t Material = 0;
  int32_t MaterialPrice = 0;
  int32_t MaterialOrders = 0;
  float MaterialProgress = 0;
  uint8_t MaterialDelivered = 0;
  int32_t Workers = 0;
  int32_t FreeWorkers = 0;
  int32_t WorkerPrice = 0;
  int32_t WorkerOrders = 0;
  float WorkerProgress = 0;
  uint8_t WorkerTrained = 0;
  uint32_t OwnedLicenses = 0;
  uint32_t AvailableLicenses = 0;
  int32_t HoveredAction = -1;
  int32_t HoveredLicense = -1;
  uint8_t StartShown = 0;
  int16_t StartTextId = 0;
  int16_t EndTextId = 0;
  int32_t Face = 0;
  int32_t StageIndex = 0;
  int32_t ResumeStage = 0;
  TStages Stages;
  uint8_t DamageOn = 0;
  uint8_t HappinessOn = 0;
  uint8_t ResidentsOn = 0;

 private:
  template <typename TVisit>
  void ForEachPane(TVisit&& Visit) const {
    for (auto& Column : Panes)
      for (auto& P : Column) Visit(*P);
  }
  void CollectIncome(float Steps);
  void Payout();
  void AdvanceOrders(float Steps);
  void AdvanceDamage(float Steps);
  void CountResidentsAndServices();
  void ComputeHappiness();
  int32_t MeasureGoal(const TGoal& Goal) const;
  void PlaceMap(int32_t ForScenario);
  void SetupCampaign(int32_t N);
  void SetupSandbox();
  void ActionInfoTexts(TInfoStrings& Lines, const TPane& P) const;
  void PaneInfoTexts(TInfoStrings& Lines, const TPane& P) const;
  void ValidateLoaded() const;
};

// Money, material and worker counts saturate instead of wrapping in very long games.
int32_t AddClamped(int32_t Value, int64_t Amount);
// The Floor rounding (X - 0.49999 to the nearest whole number, ties to even) without the
// single-precision loss above 256, limited to the int32 range; NaN gives 0.
int32_t SafeFloor(float X);
// The factor Register.Difficulty applies to income: 1.25 easy, 0.75 hard, 1 normal.
float DifficultyIncomeFactor();
