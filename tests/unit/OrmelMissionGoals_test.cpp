#include <gtest/gtest.h>

#include "app/EngineRegister.h"
#include "engine/EngineLanguages.h"
#include "game/OrmelMission.h"
#include "game/OrmelPlayers.h"

namespace {

class Goals : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedMissionRandom(5);
    Register.Deadline = true;
    Register.Difficulty = 0;
    for (int X = 0; X < 5; ++X)
      for (int Y = 0; Y < 5; ++Y) M.Pane(X, Y)->Place(0, pkBuildingPlot, 0);
    M.MaterialOrders = M.WorkerOrders = -1;
    M.HappinessOn = M.ResidentsOn = 1;
  }
  TPlayer Player{"Anna"};
  TMission M{&Player};
};

TEST_F(Goals, CountGoalsReadTheirKindsAndUpgrades) {
  M.Pane(0, 0)->Place(0, pkPost, 0);
  M.Pane(0, 0)->Damaged = 1;
  M.Pane(1, 0)->Place(0, pkOldHouse, 0);
  TPane& Full = *M.Pane(2, 0);
  Full.Place(0, pkHouse2, 0);
  for (uint8_t Bit : {upClass1, upClass2, upClass3}) Full.ApplyUpgrade(Bit);
  TPane& Partly = *M.Pane(3, 0);
  Partly.Place(0, pkHouse1, 0);
  Partly.ApplyUpgrade(upClass1);
  Partly.ApplyUpgrade(upClass2);
  const std::pair<uint8_t, int32_t> Cases[] = {
      {gkPost, 1},                               // a damaged post still stands
      {gkHousesClass3, 1}, {gkHousesClass1, 2},  // old houses have no classes
      {gkHouses, 3},       {gkBuilding, 4},     {gkBuildingInspection, 0}, {gkResidents, 3 + 6 + 4},
  };
  for (auto [Kind, Expected] : Cases) {
    M.ClearGoals();
    M.AddGoal(true, Kind, 1);
    M.Update(0);
    EXPECT_EQ(M.Goals[1].Current, Expected) << int(Kind);
    EXPECT_EQ(M.GoalsReached, Expected >= 1) << int(Kind);
  }
}

TEST_F(Goals, AllGoalsMustHoldInTheSameUpdate) {
  M.AddGoal(true, gkMoney, 100000);
  M.AddGoal(true, gkMaterial, 500);
  M.Money = 100000;
  M.Update(0);
  EXPECT_TRUE(M.Goals[1].Reached);
  EXPECT_FALSE(M.GoalsReached);
  M.Material = 500;
  M.Money = 50000;  // spent in the meantime
  M.Update(0);
  EXPECT_FALSE(M.Goals[1].Reached);
  EXPECT_FALSE(M.GoalsReached);
  M.Money = 100000;
  M.Update(0);
  EXPECT_TRUE(M.GoalsReached);
}

TEST_F(Goals, TrophyNeverDecidesAndNoGoalsNeverWin) {
  M.Scenario = 7;
  M.AddGoal(false, gkWorkers, 1);
  M.Workers = 5;
  M.Update(0);
  EXPECT_TRUE(M.TrophyReached());
  EXPECT_FALSE(M.GoalsReached);
  M.AddGoal(true, gkWorkers, 10);
  M.Update(0);
  EXPECT_FALSE(M.GoalsReached);
}

TEST_F(Goals, GoalListOperations) {
  for (uint8_t Kind : {gkMoney, gkIncome, gkHappiness, gkWorkers}) M.AddGoal(true, Kind, 10);
  EXPECT_EQ(M.GoalCount(), 3);
  EXPECT_EQ(M.Goals[3].Kind, gkWorkers);  // the fourth replaces the third
  EXPECT_TRUE(M.HasGoal(gkIncome));
  EXPECT_FALSE(M.HasGoal(gkHappiness));
  M.RemoveLastGoal();
  EXPECT_EQ(M.GoalCount(), 2);
  EXPECT_EQ(M.Goals[3].Kind, gkNone);
  M.ClearGoals();
  M.RemoveLastGoal();
  EXPECT_EQ(M.GoalCount(), 0);
}

TEST_F(Goals, TrophyGoalOnlyWhileTheTrophyIsOpen) {
  M.Scenario = 30;  // sandbox
  M.AddGoal(false, gkMoney, 5);
  EXPECT_EQ(M.Goals[0].Kind, gkNone);
  M.Setup(5);
  EXPECT_EQ(M.Goals[0].Kind, gkHousesClass1);
  EXPECT_EQ(M.Goals[0].Target, 10);
  TProgress Won = Player.GetProgress(5);
  Won.TrophyWon = 1;
  Player.SetProgress(5, Won);
  M.Setup(5);
  EXPECT_EQ(M.Goals[0].Kind, gkNone);
  for (int Tutorial = 1; Tutorial <= 4; ++Tutorial) {
    M.Scenario = Tutorial;
    M.AddGoal(false, gkMoney, 5);
    EXPECT_EQ(M.Goals[0].Kind, gkNone);
  }
}

TEST_F(Goals, ReplaysOnlyOfferTheMedalsStillOpen) {
  const std::tuple<uint8_t, int32_t, int32_t> Cases[] = {{0, 600, 720}, {1, 600, 0}, {2, 0, 0}};
  for (auto [Medal, Gold, Silver] : Cases) {
    TPlayer Replayer("Bo");
    TProgress P = Replayer.GetProgress(5);
    P.Medal = Medal;
    Replayer.SetProgress(5, P);
    TMission Replay(&Replayer);
    Replay.Setup(5);
    EXPECT_EQ(Replay.GoldTime, Gold) << int(Medal);
    EXPECT_EQ(Replay.SilverTime, Silver) << int(Medal);
  }
  M.Scenario = 40;
  M.SetTimes(1, 2, 3, 4, 5, 6);
  EXPECT_EQ(M.GoldTime, 0);
  EXPECT_EQ(M.SilverTime, 0);
  EXPECT_EQ(M.Deadline, 186);
}

TEST_F(Goals, TimeAwardNeedsStrictlyLessTime) {
  M.GoldTime = 60;
  M.SilverTime = 180;
  for (auto [Time, Award] : {std::pair{59.9f, 2}, {60.0f, 1}, {179.5f, 1}, {180.0f, 0}}) {
    M.Time = Time;
    EXPECT_EQ(M.TimeAward(), Award) << Time;
  }
  M.GoldTime = 0;
  M.SilverTime = 0;
  M.Time = 1;
  EXPECT_EQ(M.TimeAward(), 0);
}

TEST_F(Goals, DeveloperCodesForceTheirOutcome) {
  struct Case {
    int32_t Code;
    float Start, Time;
    int32_t Award;
    bool Trophy, Won, Expired;
  };
  // Gold 10:00, silver 12:00, deadline 14:30.
  const Case Cases[] = {
      {2, 100, 722, 0, false, true, false}, {2, 800, 800, 0, false, true, false},
      {3, 100, 100, 2, false, true, false}, {3, 650, 598, 2, false, true, false},
      {4, 100, 602, 1, false, true, false}, {4, 800, 718, 1, false, true, false},
      {5, 100, 722, 0, true, true, false},  {6, 100, 872, 0, true, false, true},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Code);
    M.Setup(6);
    M.Goals[0].Reached = 1;
    M.Time = C.Start;
    M.ApplyCheat(C.Code);
    EXPECT_FLOAT_EQ(M.Time, C.Time);
    EXPECT_EQ(M.TimeAward(), C.Award);
    EXPECT_EQ(M.TrophyReached(), C.Trophy);
    EXPECT_EQ(M.GoalsReached, C.Won);
    EXPECT_EQ(M.DeadlineExpired, C.Expired);
  }
  M.Setup(6);
  M.ApplyCheat(1);
  EXPECT_EQ(M.Money, 30000 + 150000);
  EXPECT_EQ(M.Material, 350 + 2500);
  EXPECT_EQ(M.Workers, 15);
  EXPECT_EQ(M.FreeWorkers, 15);
}

// The awards the end dialog shows and stores.
class Awards : public ::testing::Test {
 protected:
  void SetUp() override {
    Register.Deadline = true;
    for (TStringId Id :
         {sidAwardGold, sidAwardSilver, sidAwardTrophy1, sidAwardTrophy2, sidCompletedGoldStars,
          sidCompletedSilverStars, sidCompletedTrophies, sidComletedCampaign})
      Strings[Id] = StringIdNames[Id];
  }
  TProgress Finish(int Scenario, float Time, bool Trophy) {
    Player.SelectScenario(Scenario);
    Player.StartCampaignMission();
    TMission& M = *Player.CampaignMission;
    M.Time = Time;
    if (M.Goals[0].Kind != gkNone) M.Goals[0].Reached = Trophy;
    M.GoalsReached = 1;
    return Player.ComputeAwards(M);
  }
  TPlayer Player{"Anna"};
};

TEST_F(Awards, FirstGoldAndTrophyThenNothingMore) {
  TProgress R = Finish(5, 30, true);
  EXPECT_EQ(Player.AwardText,
            std::string(StringIdNames[sidAwardGold]) + '\r' + StringIdNames[sidAwardTrophy2]);
  EXPECT_EQ(Player.AwardText2, "");
  EXPECT_EQ(R.Medal, 2);
  EXPECT_EQ(R.TrophyWon, 1);
  EXPECT_EQ(R.TrophyIndex, 0);
  Player.RecordAwards(5, R);
  EXPECT_TRUE(Player.GetProgress(5).Completed);
  EXPECT_FALSE(Player.HasCampaignMission());
  EXPECT_TRUE(Player.IsScenarioOpen(6));

  Finish(5, 30, true);
  EXPECT_EQ(Player.AwardText, "");
}

TEST_F(Awards, SilverAloneTrophyAloneAndNothing) {
  Finish(7, 600, false);
  EXPECT_EQ(Player.AwardText, StringIdNames[sidAwardSilver]);
  Finish(7, 10000, true);
  EXPECT_EQ(Player.AwardText, StringIdNames[sidAwardTrophy1]);
  const TProgress R = Finish(7, 10000, false);
  EXPECT_EQ(Player.AwardText, "");
  EXPECT_EQ(R.Medal, 0);
}

TEST_F(Awards, CompletingTheSetsAndTheCampaign) {
  for (int N = 1; N <= 24; ++N) Player.SetProgress(N, TProgress{1, 2, 1, -1});
  Player.SetProgress(24, TProgress{0, 0, 0, 10});
  const TProgress R = Finish(24, 10, true);
  EXPECT_EQ(Player.CampaignText, StringIdNames[sidComletedCampaign]);
  EXPECT_EQ(Player.AwardText2, std::string(StringIdNames[sidCompletedGoldStars]) + '\r' +
                                   StringIdNames[sidCompletedTrophies]);
  Player.RecordAwards(24, R);
  EXPECT_EQ(Player.GoldCount(), 24);
  EXPECT_EQ(Player.TrophyCount(), 24);

  // Scenario 24 completed before: no campaign text again, and no award left to win.
  Player.CampaignText.clear();
  Finish(24, 10, true);
  EXPECT_EQ(Player.CampaignText, "");
  EXPECT_EQ(Player.AwardText, "");
}

}  // namespace
