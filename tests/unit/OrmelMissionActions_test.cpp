#include <gtest/gtest.h>

#include "app/EngineRegister.h"
#include "game/OrmelMission.h"

namespace {

// A mission whose panes are all building plots, with plenty of everything.
class Actions : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedMissionRandom(11);
    Register.Difficulty = 0;
    Register.Deadline = true;
    for (int X = 0; X < 5; ++X)
      for (int Y = 0; Y < 5; ++Y) M.Pane(X, Y)->Place(0, pkBuildingPlot, 0);
    M.OwnedLicenses = 0xFFFFFFFFu;
    M.Money = 1000000;
    M.Material = 10000;
    M.Workers = M.FreeWorkers = 100;
  }
  TPane& Put(uint8_t Kind) {
    TPane& P = *M.Pane(2, 2);
    P.Place(0, Kind, 0);
    return P;
  }
  int SlotOf(const TPane& P, uint8_t Action) {
    for (int Slot = 0; Slot < 13; ++Slot)
      if (P.Actions[Slot] == Action) return Slot;
    ADD_FAILURE() << "no slot holds action " << int(Action);
    return 0;
  }
  TMission M{nullptr};
};

TEST_F(Actions, CostsScaleWithThePaneKind) {
  struct Case {
    uint8_t Kind, Action;
    int32_t Workers, Work, Material, Money;
  };
  const Case Cases[] = {
      {pkBuildingPlot, akConstructHouse1, 4, 80, 80, 0},
      {pkHouse1, akDemolish1, 2, 32, 0, 0},
      {pkForest1, akClearForest, 6, 100, 0, 30000},
      {pkHouse3, akRepair, 4, 52, 78, 0},
      {pkBlock1, akUpgradeClass1, 6, 104, 104, 0},
      {pkBuildingPlot, akConstructBlock3, 20, 1500, 1500, 0},
      {pkDebris3, akClearDebris3, 9, 150, 0, 25000},
      {pkPost, akUpgradePost1, 5, 120, 120, 0},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(int(C.Action));
    TPane& P = Put(C.Kind);
    const int Slot = SlotOf(P, C.Action);
    EXPECT_EQ(P.WorkersNeeded(Slot), C.Workers);
    EXPECT_EQ(P.WorkNeeded(Slot), C.Work);
    EXPECT_EQ(P.MaterialNeeded(Slot), C.Material);
    const int32_t MoneyBefore = M.Money, MaterialBefore = M.Material;
    P.Damaged = C.Action == akRepair;
    P.StartAction(Slot);
    EXPECT_EQ(P.CurrentAction, C.Action);
    EXPECT_EQ(P.AssignedWorkers, C.Workers);
    EXPECT_EQ(P.MaxWorkers, C.Workers * 3 / 2);
    EXPECT_EQ(M.Money, MoneyBefore - C.Money);
    EXPECT_EQ(M.Material, MaterialBefore - C.Material);
    P.Work(1000);  // complete, so the workers return for the next case
    EXPECT_EQ(M.FreeWorkers, 100);
  }
}

TEST_F(Actions, ExactlyEnoughResourcesEnableAndAreSpent) {
  TPane& P = *M.Pane(0, 0);
  M.FreeWorkers = 4;
  M.Material = 80;
  EXPECT_TRUE(P.CanStartAction(1));
  P.StartAction(1);
  EXPECT_EQ(M.FreeWorkers, 0);
  EXPECT_EQ(M.Material, 0);

  TPane& Forest = *M.Pane(1, 1);
  Forest.Place(0, pkForest2, 0);
  M.FreeWorkers = 6;
  M.Money = 29999;
  EXPECT_FALSE(Forest.CanStartAction(2));
  M.Money = 30000;
  EXPECT_TRUE(Forest.CanStartAction(2));
  Forest.StartAction(2);
  EXPECT_EQ(M.Money, 0);

  TPane& Plot = *M.Pane(3, 3);
  M.FreeWorkers = 100;
  M.Material = 10000;
  M.OwnedLicenses = 1u | (1u << lcHouse1);
  EXPECT_TRUE(Plot.CanStartAction(1));
  EXPECT_FALSE(Plot.CanStartAction(2));  // House2 licence missing
}

// 80 work with 4 workers: 20 steps; a fifth worker after 5 steps makes it 5 + 12 = 17.
TEST_F(Actions, AssignedWorkerShortensTheWork) {
  for (const bool Assign : {false, true}) {
    TPane& P = *M.Pane(0, 0);
    P.Place(0, pkBuildingPlot, 0);
    P.StartAction(1);
    int Steps = 0;
    while (P.IsBusy()) {
      if (Assign && Steps == 5) {
        ASSERT_FALSE(P.IsActionHidden(0));
        ASSERT_TRUE(P.CanStartAction(0));
        P.StartAction(0);
      }
      P.Work(1.0f);
      ++Steps;
    }
    EXPECT_EQ(Steps, Assign ? 17 : 20);
    EXPECT_EQ(P.Kind, pkHouse1);
    EXPECT_EQ(P.Sound, "Finish3");
    EXPECT_EQ(P.Effect, "Upgrade");
    EXPECT_EQ(M.FreeWorkers, 100);
  }
}

TEST_F(Actions, AssignWorkerIconFollowsTheRunningWork) {
  TPane& P = *M.Pane(0, 0);
  EXPECT_TRUE(P.IsActionHidden(0));
  P.StartAction(1);
  EXPECT_FALSE(P.IsActionHidden(0));
  EXPECT_TRUE(P.IsActionHidden(1));
  P.StartAction(0);
  P.StartAction(0);
  EXPECT_EQ(P.AssignedWorkers, 6);
  EXPECT_FALSE(P.CanStartAction(0));  // MaxWorkers reached
  P.Work(100);
  M.FreeWorkers = 0;
  P.Place(0, pkBuildingPlot, 0);
  P.StartAction(1);                   // preconditions are the screen's business
  EXPECT_FALSE(P.CanStartAction(0));  // no free worker
}

TEST_F(Actions, DamagedHouseOffersOnlyRepairAndDemolition) {
  TPane& P = Put(pkHouse1);
  P.Damaged = 1;
  std::vector<int> Visible;
  for (int Slot = 0; Slot < 13; ++Slot)
    if (!P.IsActionHidden(Slot)) Visible.push_back(P.Actions[Slot]);
  EXPECT_EQ(Visible, (std::vector<int>{akRepair, akDemolish1}));
  P.StartAction(2);
  P.Work(1000);
  EXPECT_FALSE(P.Damaged);
  EXPECT_GE(P.DamageTimer, 360.0f);
  EXPECT_LE(P.DamageTimer, 540.0f);
  EXPECT_TRUE(P.IsActionHidden(2));
  EXPECT_FALSE(P.IsActionHidden(3));
  EXPECT_FALSE(P.IsActionHidden(4));
  EXPECT_EQ(P.Sound, "Finish1");
}

TEST_F(Actions, InspectionProtectsUntilTheNextUpgrade) {
  TPane& P = Put(pkHouse2);
  P.StartAction(3);
  EXPECT_EQ(P.Actions[3], akNone);
  P.Work(1000);
  EXPECT_TRUE(P.Upgrades & (1u << upInspected));
  EXPECT_FALSE(P.Vulnerable);
  P.StartAction(5);  // garden
  P.Work(1000);
  EXPECT_FALSE(P.Upgrades & (1u << upInspected));
  EXPECT_TRUE(P.Upgrades & (1u << upGarden));
  EXPECT_EQ(P.Actions[3], akInspect);
  EXPECT_TRUE(P.Vulnerable);
  EXPECT_EQ(P.IncomeBonus, 20);
  EXPECT_EQ(P.UpgradeNames(), std::string(1, char(15 + upGarden)));
}

TEST_F(Actions, ClassUpgradesChainInTheirSlot) {
  TPane& P = Put(pkHouse1);
  for (uint8_t Expected : {akUpgradeClass2, akUpgradeClass3, akNone}) {
    P.StartAction(4);
    EXPECT_EQ(P.Actions[4], Expected);
    P.Work(1000);
  }
  EXPECT_EQ(P.IncomeBonus, 60);
  EXPECT_EQ(P.Upgrades, 1u | 1u << upClass1 | 1u << upClass2 | 1u << upClass3);
  P.ApplyUpgrade(upClass1);  // already there: nothing changes
  EXPECT_EQ(P.IncomeBonus, 60);
}

TEST_F(Actions, HappinessUpgradeAddsToARecreationPane) {
  TPane& P = Put(pkPark);
  EXPECT_EQ(P.Happiness, 2);
  P.StartAction(4);
  P.Work(1000);
  EXPECT_EQ(P.Happiness, 4);
}

TEST_F(Actions, ClearedDebrisBecomesABuildingPlot) {
  TPane& P = Put(pkDebris2);
  P.StartAction(2);
  EXPECT_EQ(M.Money, 1000000 - 20000);
  P.Work(1000);
  EXPECT_EQ(P.Kind, pkBuildingPlot);
  for (int Slot = 0; Slot < 13; ++Slot) EXPECT_EQ(P.Actions[Slot], Slot + 1);
  EXPECT_EQ(P.Sound, "Finish2");
  EXPECT_EQ(P.Effect, "");
}

TEST_F(Actions, DemolitionLeavesDebrisOfTheBuildingsSize) {
  const std::pair<uint8_t, uint8_t> Cases[] = {
      {pkHouse1, pkDebris1}, {pkBlock1, pkDebris2}, {pkBlock3, pkDebris3}, {pkOldHouse, pkDebris1}};
  for (auto [Kind, Debris] : Cases) {
    TPane& P = Put(Kind);
    P.StartAction(11);
    P.Work(1000);
    EXPECT_EQ(P.Kind, Debris);
    EXPECT_EQ(P.Sound, "Demolish");
  }
}

TEST_F(Actions, OrdersAndLicenses) {
  M.Money = 150000;
  M.AvailableLicenses = 1u | 1u << lcInspection | 1u << lcBlock3;
  M.OwnedLicenses = 1u;
  EXPECT_EQ(M.LicenseState(lcInspection), 0);
  EXPECT_EQ(M.LicenseState(lcBlock3), -1);
  EXPECT_EQ(M.LicenseState(lcPark), 1);
  M.BuyLicense(lcInspection);
  EXPECT_EQ(M.Money, 0);
  EXPECT_EQ(M.LicenseState(lcInspection), 2);
  EXPECT_FALSE(M.CanOrderMaterial());
  M.Money = 60000;
  M.MaterialOrders = M.WorkerOrders = -1;  // nothing ordered yet
  M.OrderMaterial();
  EXPECT_EQ(M.MaterialOrders, 0);
  EXPECT_TRUE(M.CanTrainWorker());
  M.TrainWorker();
  EXPECT_EQ(M.Money, 0);
  EXPECT_EQ(M.WorkerOrders, 0);
}

}  // namespace
