#include <gtest/gtest.h>

#include "app/EngineRegister.h"
#include "game/OrmelMission.h"

namespace {

// A town of building plots (which affect nobody) with every rule on except damage.
class Tick : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedMissionRandom(3);
    Register.Difficulty = 0;
    Register.Deadline = true;
    for (int X = 0; X < 5; ++X)
      for (int Y = 0; Y < 5; ++Y) M.Pane(X, Y)->Place(0, pkBuildingPlot, 0);
    M.MaterialOrders = M.WorkerOrders = -1;
    M.HappinessOn = M.ResidentsOn = 1;
    M.DamageOn = 0;
  }
  TPane& Put(int X, int Y, uint8_t Kind) {
    M.Pane(X, Y)->Place(0, Kind, 0);
    return *M.Pane(X, Y);
  }
  // Runs updates of one step each until a payout; returns how many it took.
  int UpdatesUntilPayout() {
    for (int Count = 1; Count < 100; ++Count) {
      M.Update(0.5f);
      if (M.IncomePaid) return Count;
    }
    return -1;
  }
  TMission M{nullptr};
};

TEST_F(Tick, PayoutComesOnTheEleventhStepThenEveryTenth) {
  Put(0, 0, pkHouse1);
  M.HappinessOn = 0;
  EXPECT_EQ(UpdatesUntilPayout(), 11);
  EXPECT_EQ(M.Income, 330);
  EXPECT_EQ(M.Money, 330);
  M.Update(0.5f);
  EXPECT_FALSE(M.IncomePaid);  // an event lasts one update
  EXPECT_EQ(UpdatesUntilPayout(), 9);
  EXPECT_EQ(M.Income, 300);
}

TEST_F(Tick, IncomeFollowsHappinessBonusAndResidents) {
  // House1 beside a park with Class1, a post elsewhere: F = 10 + 10 + 100.
  TPane& House = Put(0, 0, pkHouse1);
  Put(1, 0, pkPark);
  Put(4, 4, pkPost);
  House.ApplyUpgrade(upClass1);
  M.Update(0);
  EXPECT_EQ(House.Happiness, 1);
  EXPECT_EQ(House.IncomeAmount(), 360);

  // A post in a town of 40 residents.
  TMission Town(nullptr);
  for (int X = 0; X < 5; ++X)
    for (int Y = 0; Y < 5; ++Y) Town.Pane(X, Y)->Place(0, X < 2 ? pkHouse1 : pkBuildingPlot, 0);
  Town.Pane(4, 4)->Place(0, pkPost, 0);
  Town.HappinessOn = 1;
  Town.Update(0);
  EXPECT_EQ(Town.Residents, 40);
  EXPECT_EQ(Town.Pane(4, 4)->IncomeAmount(), 200);

  // Block1 beside a factory with a post but no market, restaurant or park: happiness -4.
  SetUp();
  TPane& Block = Put(2, 2, pkBlock1);
  Put(2, 3, pkFactory);
  Put(0, 0, pkPost);
  M.Update(0);
  EXPECT_EQ(Block.Happiness, -4);
  EXPECT_EQ(Block.IncomeAmount(), 1080);
}

TEST_F(Tick, IncomeNeverGoesNegative) {
  TPane& House = Put(0, 0, pkHouse1);
  for (auto [Happiness, Expected] : {std::pair{-10, 0}, {-15, 0}, {-9, 30}, {0, 300}}) {
    House.Happiness = Happiness;
    EXPECT_EQ(House.IncomeAmount(), Expected) << Happiness;
  }
}

TEST_F(Tick, DifficultyScalesIncome) {
  Put(0, 0, pkHouse1);
  M.HappinessOn = 0;
  for (auto [Difficulty, Expected] : {std::pair{1, 375}, {0, 300}, {-1, 225}}) {
    SCOPED_TRACE(Difficulty);
    Register.Difficulty = Difficulty;
    UpdatesUntilPayout();  // the first payout gathers 11 steps
    EXPECT_EQ(UpdatesUntilPayout(), 10);
    EXPECT_EQ(M.Income, Expected);
  }
}

TEST_F(Tick, BusyAndDamagedPanesEarnNothing) {
  TPane& House = Put(0, 0, pkHouse1);
  M.HappinessOn = 0;
  House.Damaged = 1;
  UpdatesUntilPayout();
  EXPECT_EQ(M.Income, 0);
  House.Damaged = 0;
  House.CurrentAction = akUpgradeClass1;
  House.WorkAmount = 1e6f;
  UpdatesUntilPayout();
  EXPECT_EQ(M.Income, 0);
}

TEST_F(Tick, DeliveriesAndTrainingsComeOneAtATime) {
  M.Money = 200000;
  M.OrderMaterial();
  M.OrderMaterial();
  M.TrainWorker();
  int Delivered = 0, Trained = 0;
  for (int Step = 1; Step <= 30; ++Step) {
    M.Update(0.5f);
    if (M.MaterialDelivered) {
      ++Delivered;
      EXPECT_TRUE(Step == 5 || Step == 10) << Step;
    }
    if (M.WorkerTrained) {
      ++Trained;
      EXPECT_EQ(Step, 15);
    }
  }
  EXPECT_EQ(Delivered, 2);
  EXPECT_EQ(M.Material, 500);
  EXPECT_EQ(M.MaterialOrders, -1);
  EXPECT_EQ(Trained, 1);
  EXPECT_EQ(M.Workers, 1);
  EXPECT_EQ(M.FreeWorkers, 1);
}

TEST_F(Tick, PauseStopsEverythingButTheEvents) {
  TPane& House = Put(0, 0, pkHouse1);
  M.DamageOn = 1;
  House.DamageTimer = 1;
  M.Money = 50000;
  M.OrderMaterial();
  TPane& Plot = *M.Pane(4, 4);
  M.Material = M.Workers = M.FreeWorkers = 100;
  Plot.StartAction(1);
  M.PayoutTimer = 10.5f;
  M.Paused = 1;
  M.IncomePaid = 1;
  for (int I = 0; I < 60; ++I) M.Update(0.5f);
  EXPECT_EQ(M.Time, 0.0f);
  EXPECT_FALSE(House.Damaged);
  EXPECT_EQ(M.MaterialProgress, 0.0f);
  EXPECT_EQ(Plot.Progress, 0.0f);
  EXPECT_EQ(M.IncomeAccumulator, 0.0f);
  EXPECT_FALSE(M.IncomePaid);
  EXPECT_FLOAT_EQ(M.PayoutTimer, 0.5f);  // the payout that was due happened once
}

TEST_F(Tick, DamageStrikesIdleVulnerableBuildingsOnly) {
  TPane& House = Put(0, 0, pkHouse1);
  TPane& Busy = Put(1, 1, pkHouse2);
  TPane& Inspected = Put(2, 2, pkHouse3);
  Inspected.ApplyUpgrade(upInspected);
  M.DamageOn = 1;
  House.DamageTimer = Busy.DamageTimer = Inspected.DamageTimer = 2;
  Busy.CurrentAction = akUpgradeClass1;
  Busy.AssignedWorkers = 1;
  Busy.WorkAmount = 3;
  M.Update(0.5f);
  EXPECT_FALSE(House.Damaged);
  M.Update(0.5f);
  EXPECT_TRUE(House.Damaged);
  EXPECT_EQ(House.Sound, "Damage");
  EXPECT_FALSE(Busy.Damaged);
  // The busy house finishes its work in this update; the damage step comes after the work.
  M.Update(0.5f);
  EXPECT_EQ(House.Sound, "");
  EXPECT_TRUE(Busy.Damaged);
  EXPECT_FALSE(Busy.IsBusy());
  EXPECT_FLOAT_EQ(House.DamagePhase, 0.4f);
  EXPECT_FALSE(Inspected.Damaged);
  for (int I = 0; I < 2; ++I) M.Update(0.5f);
  EXPECT_NEAR(House.DamagePhase, 0.2f, 1e-5f);  // wraps past 1
}

TEST_F(Tick, DamageOffKeepsTheTimers) {
  TPane& House = Put(0, 0, pkHouse1);
  House.DamageTimer = 1;
  for (int I = 0; I < 10; ++I) M.Update(0.5f);
  EXPECT_FALSE(House.Damaged);
  EXPECT_EQ(House.DamageTimer, 1.0f);
}

TEST_F(Tick, HappinessRules) {
  TPane& House = Put(0, 0, pkHouse1);
  TPane& Post = Put(4, 4, pkPost);
  TPane& Park = Put(2, 2, pkPark);
  M.Update(0);
  EXPECT_EQ(House.Happiness, 0);  // post in town, no neighbour effect
  EXPECT_EQ(M.Happiness, 2);      // the park's own happiness

  Post.Damaged = 1;  // a damaged post serves nobody
  M.Update(0);
  EXPECT_EQ(M.ServiceCount[svPost], 0);
  EXPECT_EQ(House.Happiness, -1);
  EXPECT_EQ(M.Happiness, 1);

  Park.Damaged = 1;  // a damaged pane counts only when negative
  House.Damaged = 1;
  M.Update(0);
  EXPECT_EQ(M.Happiness, -1);

  M.HappinessOn = 0;
  M.Update(0);
  EXPECT_EQ(Park.Happiness, 0);
  EXPECT_EQ(House.Happiness, 0);
  EXPECT_EQ(M.Happiness, 0);
}

TEST_F(Tick, NeighboursAffectHousesAndBlocksDifferently) {
  TPane& House = Put(1, 1, pkHouse1);
  TPane& Block = Put(3, 3, pkBlock1);
  Put(2, 2, pkSawmill);  // -2 to houses, -1 to blocks
  Put(0, 0, pkPark);     // +1 to both, only a neighbour of the house
  Put(4, 0, pkPost);
  M.Update(0);
  EXPECT_EQ(House.Happiness, -2 + 1);
  EXPECT_EQ(Block.Happiness, -1 - 2);  // no market, no restaurant
}

TEST_F(Tick, ResidentsCountDamagedBuildings) {
  Put(0, 0, pkBlock1).Damaged = 1;
  Put(1, 0, pkOldHouse);
  M.Update(0);
  EXPECT_EQ(M.Residents, 27 + 3);
}

TEST_F(Tick, DeadlineNeedsTheRuleAndStrictlyMoreTime) {
  M.Deadline = 10;
  M.Update(10.0f);
  EXPECT_FALSE(M.DeadlineExpired);
  M.Update(0.25f);
  EXPECT_TRUE(M.DeadlineExpired);
  Register.Deadline = false;
  M.Update(100.0f);
  EXPECT_FALSE(M.DeadlineExpired);
}

TEST_F(Tick, SoundClassesOfRunningWork) {
  M.Material = M.Workers = M.FreeWorkers = 1000;
  M.OwnedLicenses = ~0u;
  M.Pane(0, 0)->StartAction(1);         // construction: class 1
  Put(1, 1, pkHouse1).StartAction(11);  // demolition: class 2
  Put(2, 2, pkForest1);
  M.Money = 100000;
  M.Pane(2, 2)->StartAction(2);  // clearing forest: class 4
  M.SelectPane(1, 1);
  const TSoundCounts Counts = M.CountSoundClasses();
  EXPECT_EQ(Counts.Count[1], 1);
  EXPECT_EQ(Counts.Count[2], 1);
  EXPECT_EQ(Counts.Count[3], 0);
  EXPECT_EQ(Counts.Count[4], 1);
  EXPECT_EQ(Counts.Selected, 2);
  EXPECT_EQ(M.Pane(0, 0)->WorkEffect(), "DustyJob");
  EXPECT_EQ(M.Pane(2, 2)->WorkEffect(), "");
}

TEST_F(Tick, MoneySaturatesInsteadOfWrapping) {
  Put(0, 0, pkHouse1);
  M.HappinessOn = 0;
  M.Money = INT32_MAX - 10;
  UpdatesUntilPayout();
  EXPECT_EQ(M.Money, INT32_MAX);
  M.ApplyCheat(1);
  EXPECT_EQ(M.Money, INT32_MAX);
}

}  // namespace
