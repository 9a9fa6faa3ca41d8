#include <gtest/gtest.h>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "game/OrmelMission.h"
#include "game/OrmelMissionStream.h"
#include "game/OrmelPlayers.h"

namespace {

class Stages : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedMissionRandom(8);
    Register.Deadline = true;
    Register.Difficulty = 0;
  }
  TPlayer Player{"Anna"};
};

TEST_F(Stages, ListsOfTheTutorialScenarios) {
  const std::pair<int, size_t> Sizes[] = {{1, 19}, {2, 26}, {3, 31}, {4, 41}, {5, 3},
                                          {6, 3},  {7, 1},  {12, 4}, {24, 1}, {30, 1}};
  for (auto [Scenario, Size] : Sizes) {
    TMission M(&Player);
    M.Setup(Scenario);
    EXPECT_EQ(M.Stages.size(), Size) << Scenario;
    EXPECT_EQ(M.StageIndex, 0);
    EXPECT_EQ(M.Stages[0].Kind, skShow);
    EXPECT_EQ(M.Stages[0].TextId, 0);
  }
}

TEST_F(Stages, RowsKeepTheirFields) {
  struct Row {
    int Scenario, Index;
    TStage Stage;
  };
  const Row Rows[] = {
      {1, 1, {skShow, 0, 0, sidStageTutorial1_1, "", 0, 1, 3, 130, -340, 0}},
      {1, 10, {skDamageNow, 1, 3, 0, "", 0, 0, 0, 0, 0, 0}},
      {2, 7, {skShow, 0, 0, 0, "License2", 0, 0, 0, 0, 0, 1}},
      {2, 8, {skWait, 0, 0, 0, "Close", 0, 0, 0, 0, 0, 0}},
      {3, 13, {skShow, 0, 0, sidStageTutorial3_8, "Pane41", 3, 0, 0, 0, 0, 0}},
      {3, 26, {skShow, 200, 130, sidStageTutorial3_17, "", 0, 1, 2, -490, -255, 0}},
      {4, 14, {skShow, -50, -50, sidStageTutorial4_11, "Pane04", 1, 0, 0, 0, 0, 0}},
      {4, 40, {skDamageTimer, 3, 2, 0, "", 0, 0, 0, 180, 0, 0}},
      {6, 2, {skShow, 100, 50, sidStageTutorial6_2, "", 0, 0, 0, 0, 0, 0}},
      {12, 3, {skShow, -50, -50, sidStageTutorial12_3, "", 0, 0, 0, 0, 0, 0}},
  };
  for (const Row& R : Rows) {
    SCOPED_TRACE(std::to_string(R.Scenario) + "/" + std::to_string(R.Index));
    TMission M(&Player);
    M.Setup(R.Scenario);
    const TStage& S = M.Stages.at(R.Index);
    EXPECT_EQ(S.Kind, R.Stage.Kind);
    EXPECT_EQ(S.X, R.Stage.X);
    EXPECT_EQ(S.Y, R.Stage.Y);
    EXPECT_EQ(S.TextId, R.Stage.TextId);
    EXPECT_EQ(S.Target, R.Stage.Target);
    EXPECT_EQ(S.FocusKind, R.Stage.FocusKind);
    EXPECT_EQ(S.ArrowShown, R.Stage.ArrowShown);
    EXPECT_EQ(S.ArrowDirection, R.Stage.ArrowDirection);
    EXPECT_EQ(S.ArrowX, R.Stage.ArrowX);
    EXPECT_EQ(S.ArrowY, R.Stage.ArrowY);
    EXPECT_EQ(S.OpensLicenses, R.Stage.OpensLicenses);
  }
}

TEST_F(Stages, ConditionalListsOfScenariosFiveAndSix) {
  TProgress Won = Player.GetProgress(5);
  Won.TrophyWon = 1;
  Player.SetProgress(5, Won);
  TMission Five(&Player);
  Five.Setup(5);
  EXPECT_EQ(Five.Stages.size(), 1u);

  Register.Deadline = false;
  TMission Six(&Player);
  Six.Setup(6);
  EXPECT_EQ(Six.Stages.size(), 1u);
  // A mission saved in the middle of its stages keeps them after a reload.
  Register.Deadline = true;
  Six.Setup(6);
  Six.NextStage();
  Six.NextStage();
  TStreamWriter Out;
  Six.SaveToStream(Out);
  Register.Deadline = false;
  TMission Reloaded(&Player);
  TStreamReader In(Out.Bytes);
  Reloaded.LoadFromStream(In);
  EXPECT_EQ(Reloaded.Stages.size(), 3u);
  EXPECT_EQ(Reloaded.StageIndex, 2);
  EXPECT_EQ(Reloaded.CurrentStage().TextId, sidStageTutorial6_2);
}

TEST_F(Stages, DamageNowStrikesTheNewHouseAlthoughDamageIsOff) {
  TMission M(&Player);
  M.Setup(1);
  M.Pane(1, 3)->Place(0, pkHouse1, 0);
  M.SelectPane(1, 3);
  M.StageIndex = 9;
  TAudio Silent;
  Audio = &Silent;
  M.NextStage();
  Audio = nullptr;
  ASSERT_EQ(Silent.Sources.Count, 1);  // "Damage", once, with no owner
  EXPECT_EQ(static_cast<TSource*>(Silent.Sources.First())->Owner, nullptr);
  EXPECT_EQ(M.StageIndex, 12);
  EXPECT_EQ(M.ResumeStage, 12);
  EXPECT_TRUE(M.Pane(1, 3)->Damaged);
  EXPECT_EQ(M.Pane(1, 3)->DamageTimer, 0.0f);
  EXPECT_EQ(M.SelectedPane, nullptr);
  EXPECT_FALSE(M.DamageOn);
  EXPECT_EQ(M.CurrentStage().Target, "Pane13");
}

TEST_F(Stages, DamageStagesPassOverPanesThatCannotBeDamaged) {
  TMission M(&Player);
  M.Setup(1);  // (1, 3) is still a building plot
  M.StageIndex = 9;
  TAudio Silent;
  Audio = &Silent;
  M.NextStage();
  Audio = nullptr;
  EXPECT_EQ(Silent.Sources.Count, 0);
  EXPECT_FALSE(M.Pane(1, 3)->Damaged);
  EXPECT_EQ(M.StageIndex, 12);
}

TEST_F(Stages, SkippingStillRunsTheAutomaticStages) {
  TMission M(&Player);
  M.Setup(2);
  M.Pane(3, 3)->Place(0, pkHouse1, 0);
  M.StartShown = 1;
  M.NextStage();
  EXPECT_EQ(M.StageIndex, 1);
  M.SkipStages();
  EXPECT_EQ(M.StageIndex, 0);
  EXPECT_EQ(M.ResumeStage, 0);
  EXPECT_TRUE(M.DamageOn);
  EXPECT_EQ(M.Pane(3, 3)->DamageTimer, 50.0f);
  M.SkipStages();  // nothing left: stays over
  EXPECT_EQ(M.StageIndex, 0);
}

TEST_F(Stages, WaitStageResumesBehindItselfAfterAReload) {
  TMission M(&Player);
  M.Setup(2);
  M.StageIndex = 6;
  M.NextStage();
  EXPECT_TRUE(M.StageOpensLicenses());
  M.NextStage();  // the licenses dialog is open now
  EXPECT_EQ(M.StageIndex, 8);
  EXPECT_EQ(M.ResumeStage, 9);
  TStreamWriter Out;
  M.SaveToStream(Out);
  TMission Reloaded(&Player);
  TStreamReader In(Out.Bytes);
  Reloaded.LoadFromStream(In);
  EXPECT_EQ(Reloaded.StageIndex, 9);
  EXPECT_EQ(Reloaded.CurrentStage().TextId, sidStageTutorial2_5);
}

// Clicks on the mission screen's controls by name, as the stage targets name them; false when
// the control cannot take the click yet (a hidden or disabled icon).
bool Click(TMission& M, const std::string& Target) {
  if (Target.rfind("Pane", 0) == 0) {
    M.SelectPane(Target[4] - '0', Target[5] - '0');
    return true;
  }
  const int Slot = std::stoi(Target.substr(6));
  if (Slot == 13) {
    if (!M.CanOrderMaterial()) return false;
    M.OrderMaterial();
    return true;
  }
  TPane* P = M.SelectedPane;
  if (!P || P->IsActionHidden(Slot) || !P->CanStartAction(Slot)) return false;
  P->StartAction(Slot);
  return true;
}

// Scenario 1 through the screen's operations only: the start dialog, every tutorial stage
// (continue buttons and target clicks), frames of 1/60 s, until the mission is won.
TEST_F(Stages, ScenarioOneIsWonThroughTheTutorialWithinTheGoldTime) {
  Player.SelectScenario(1);
  Player.StartCampaignMission();
  TMission& M = *Player.CurrentMission;
  M.StartShown = 1;
  M.NextStage();
  int LastStage = 0;
  bool HouseDamaged = false;
  for (int Frame = 0; Frame < 60 * 180 && !M.GoalsReached; ++Frame) {
    if (M.StageIndex != 0) {
      LastStage = std::max(LastStage, M.StageIndex);
      const TStage S = M.CurrentStage();
      if (S.Target.empty() || Click(M, S.Target)) M.NextStage();
    }
    HouseDamaged = HouseDamaged || M.Pane(1, 3)->Damaged;
    M.Update(1.0f / 60);
  }
  EXPECT_TRUE(M.GoalsReached);
  EXPECT_EQ(LastStage, 18);
  EXPECT_EQ(M.StageIndex, 0);
  EXPECT_TRUE(HouseDamaged);
  EXPECT_FALSE(M.Pane(1, 3)->Damaged);
  EXPECT_EQ(M.TimeAward(), 2);
  EXPECT_LT(M.ElapsedSeconds(), M.GoldTime);
  const TProgress Result = Player.ComputeAwards(M);
  Player.RecordAwards(1, Result);
  EXPECT_EQ(Player.GetProgress(1).Medal, 2);
  EXPECT_TRUE(Player.IsScenarioOpen(2));
}

}  // namespace
