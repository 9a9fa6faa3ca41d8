#include "game/OrmelMission.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <stdexcept>

#include "app/EngineRegister.h"
#include "game/OrmelMissionStream.h"

namespace {

std::vector<uint8_t> Hex(const std::string& Text) {
  std::vector<uint8_t> Bytes;
  for (size_t I = 0; I + 1 < Text.size();) {
    if (Text[I] == ' ') {
      ++I;
      continue;
    }
    Bytes.push_back(static_cast<uint8_t>(std::stoi(Text.substr(I, 2), nullptr, 16)));
    I += 2;
  }
  return Bytes;
}

std::vector<uint8_t> Save(const TMission& M) {
  TStreamWriter S;
  M.SaveToStream(S);
  return S.Bytes;
}

void Load(TMission& M, const std::vector<uint8_t>& Bytes) {
  TStreamReader S(Bytes);
  M.LoadFromStream(S);
}

TEST(Mission, PanesKnowTheirNeighbours) {
  TMission M(nullptr);
  auto Count = [](const TPane* P) {
    int N = 0;
    for (const TPane* Neighbour : P->Neighbours) N += Neighbour != nullptr;
    return N;
  };
  EXPECT_EQ(Count(M.Pane(0, 0)), 3);
  EXPECT_EQ(Count(M.Pane(4, 4)), 3);
  EXPECT_EQ(Count(M.Pane(2, 0)), 5);
  EXPECT_EQ(Count(M.Pane(2, 2)), 8);
  const TPane* Centre = M.Pane(2, 2);
  const std::pair<int, int> Order[] = {{1, 1}, {2, 1}, {3, 1}, {1, 2},
                                       {3, 2}, {1, 3}, {2, 3}, {3, 3}};
  for (int I = 0; I < 8; ++I)
    EXPECT_EQ(Centre->Neighbours[I], M.Pane(Order[I].first, Order[I].second));
  EXPECT_EQ(M.Pane(0, 0)->Neighbours[0], nullptr);
  EXPECT_EQ(M.Pane(5, 0), nullptr);
  EXPECT_EQ(M.Pane(0, -1), nullptr);
  EXPECT_EQ(M.MaterialPrice, 20000);
  EXPECT_EQ(M.WorkerPrice, 40000);
  EXPECT_EQ(M.HoveredAction, -1);
}

TEST(Mission, SelectingToggles) {
  TMission M(nullptr);
  M.SelectPane(1, 3);
  EXPECT_EQ(M.SelectedPane, M.Pane(1, 3));
  M.SelectPane(2, 3);
  EXPECT_EQ(M.SelectedPane, M.Pane(2, 3));
  M.SelectPane(2, 3);
  EXPECT_EQ(M.SelectedPane, nullptr);
  M.SelectPane(4, 4);
  M.SelectPane(-1, -1);
  EXPECT_EQ(M.SelectedPane, nullptr);
}

TEST(Mission, PlacingSetsTheKindAndClearsTheWork) {
  SeedMissionRandom(1);
  TMission M(nullptr);
  TPane& P = *M.Pane(0, 0);
  std::set<int32_t> Variants;
  for (int I = 0; I < 200; ++I) {
    P.CurrentAction = akRepair;
    P.Progress = 3;
    P.Place(2, pkHouse1, -1);
    Variants.insert(P.Variant);
    EXPECT_EQ(P.CurrentAction, akNone);
    EXPECT_EQ(P.Progress, 0.0f);
    EXPECT_GE(P.DamageTimer, 360.0f);
    EXPECT_LT(P.DamageTimer, 540.0f);
  }
  EXPECT_EQ(Variants, (std::set<int32_t>{0, 1, 2, 3}));
  EXPECT_EQ(P.Orientation, 2);
  EXPECT_EQ(P.Upgrades, 1u);
  EXPECT_TRUE(P.Vulnerable);
  EXPECT_EQ(P.Actions[11], akDemolish1);
  for (uint8_t Kind : {pkPlayground, pkGrass, pkLake, pkRailroad}) {
    P.Place(0, Kind, -1);
    EXPECT_EQ(P.Variant, 0);
  }
  P.Place(3, pkOldBlock, 3);  // kept although the kind has one variant
  EXPECT_EQ(P.Variant, 3);
  EXPECT_EQ(P.Picture(), "Pane1OldBlock1");
  P.Place(0, pkRiver, 0);
  EXPECT_EQ(P.Picture(), "");
  EXPECT_EQ(P.ProgressFraction(), 1.0f);
}

// A mission with distinctive values in every field of the saved form and its expected bytes.
class SavedForm : public ::testing::Test {
 protected:
  void SetUp() override {
    Register.Deadline = true;
    TPane& P = *M.Pane(1, 3);
    P.Orientation = 2;
    P.Kind = pkHouse1;
    P.Variant = 3;
    P.Upgrades = 0x5;
    P.Actions = {1, 0, 21, 22, 0, 26, 27, 0, 0, 0, 0, 14, 0};
    P.Vulnerable = 1;
    P.DamageTimer = 123.5f;
    P.DamagePhase = 0.25f;
    P.Happiness = -2;
    P.IncomeBonus = 10;
    P.CurrentAction = akUpgradeHouse2;
    P.AssignedWorkers = 2;
    P.WorkAmount = 8;
    P.MaterialUsed = 8;
    P.BaseWorkers = 2;
    P.MaxWorkers = 3;
    P.Progress = 1.5f;
    M.SelectPane(1, 3);
    M.Scenario = 7;
    M.Time = 90.5f;
    M.GoldTime = 570;
    M.SilverTime = 690;
    M.Deadline = 840;
    M.PayoutTimer = 2.5f;
    M.Goals = {TGoal{gkWorkers, 1, 15, 15}, TGoal{gkHousesGarden, 0, 8, 3},
               TGoal{gkMarket, 1, 1, 1}, TGoal{gkMoney, 0, 200000, 35000}};
    M.Money = 35000;
    M.Income = 1200;
    M.IncomeAccumulator = 60;
    M.ReservedSingle = 5;
    M.Residents = 40;
    M.ServiceCount = {0, 1, 1, 0, 0, 0, 0};
    M.Happiness = -3;
    M.Material = 500;
    M.MaterialOrders = -1;
    M.Workers = 8;
    M.FreeWorkers = 6;
    M.WorkerOrders = 0;
    M.WorkerProgress = 7.5f;
    M.OwnedLicenses = 0x18F;
    M.AvailableLicenses = 0xE18F;
    M.StartShown = 1;
    M.DamageOn = M.HappinessOn = M.ResidentsOn = 1;
  }
  const std::vector<uint8_t> PaneBytes =
      Hex("02000000 02 03000000 05000000 01 00 15 16 00 1a 1b 00 00 00 00 0e 00 01 0000f742 00 "
          "0000803e feffffff 0a000000 1b 02000000 00000041 08000000 02000000 03000000 0000c03f");
  const std::vector<uint8_t> TailBytes =
      Hex("01 01000000 03000000 07000000 0000b542 3a020000 b2020000 48030000 00 00002040 00 "
          "06010000 0f000000 0f000000 0f000000 08000000 03000000 1b010000 01000000 01000000 "
          "01000000 400d0300 b8880000 "
          "b8880000 b0040000 00007042 00000000 0000a040 28000000 01000000 01000000 00000000 "
          "00000000 00000000 00000000 "
          "fdffffff f4010000 ffffffff 00000000 08000000 06000000 00000000 0000f040 8f010000 "
          "8fe10000 "
          "01 00000000 00000000 01 01 01");
  TMission M{nullptr};
};

TEST_F(SavedForm, BytesAreExactlyTheLayout) {
  const std::vector<uint8_t> Bytes = Save(M);
  ASSERT_EQ(PaneBytes.size(), 69u);
  ASSERT_EQ(TailBytes.size(), 183u);
  ASSERT_EQ(Bytes.size(), 1725u + 183u);
  const size_t PaneOffset = (1 * 5 + 3) * 69;  // X-major order
  EXPECT_EQ(std::vector<uint8_t>(Bytes.begin() + PaneOffset, Bytes.begin() + PaneOffset + 69),
            PaneBytes);
  EXPECT_EQ(std::vector<uint8_t>(Bytes.begin() + 1725, Bytes.end()), TailBytes);
  for (size_t I = 0; I < 1725; ++I)
    if (I < PaneOffset || I >= PaneOffset + 69) ASSERT_EQ(Bytes[I], 0) << I;
  M.SelectPane(-1, -1);
  EXPECT_EQ(Save(M).size(), 1725u + 175u);
}

TEST_F(SavedForm, LoadingGivesTheMissionBack) {
  const std::vector<uint8_t> Bytes = Save(M);
  TMission Loaded(nullptr);
  Loaded.Paused = 1;
  Loaded.HoveredLicense = 4;
  Load(Loaded, Bytes);
  EXPECT_EQ(Save(Loaded), Bytes);
  ASSERT_NE(Loaded.SelectedPane, nullptr);
  EXPECT_EQ(Loaded.SelectedPane->X, 1);
  EXPECT_EQ(Loaded.SelectedPane->Y, 3);
  EXPECT_EQ(Loaded.MapPicture, "Map7");
  EXPECT_EQ(Loaded.StartTextId, sidScenarioStart7);
  EXPECT_EQ(Loaded.Face, 3);
  EXPECT_EQ(Loaded.Paused, 0);
  EXPECT_EQ(Loaded.HoveredLicense, -1);
  EXPECT_EQ(Loaded.MaterialPrice, 20000);
  EXPECT_EQ(Loaded.Pane(1, 3)->Sound, "");
}

TEST_F(SavedForm, PlayedMissionSurvivesARoundTrip) {
  SeedMissionRandom(2);
  TMission Town(nullptr);
  Town.Setup(24);
  Town.ApplyCheat(1);
  for (int X = 0; X < 5; ++X)
    for (int Y = 0; Y < 5; ++Y)
      for (int Slot = 0; Slot < 13; ++Slot)
        if (!Town.Pane(X, Y)->IsActionHidden(Slot) && Town.Pane(X, Y)->CanStartAction(Slot)) {
          Town.Pane(X, Y)->StartAction(Slot);
          break;
        }
  for (int Frame = 0; Frame < 600; ++Frame) Town.Update(1.0f / 60);
  const std::vector<uint8_t> Saved = Save(Town);
  // Both go on from the same random state, so completed work draws the same damage delays.
  SeedMissionRandom(99);
  for (int Frame = 0; Frame < 600; ++Frame) Town.Update(1.0f / 60);
  SeedMissionRandom(99);
  TMission Copy(nullptr);
  Load(Copy, Saved);
  for (int Frame = 0; Frame < 600; ++Frame) Copy.Update(1.0f / 60);
  EXPECT_EQ(Save(Copy), Save(Town));
  EXPECT_GT(Town.Money, 0);
}

TEST_F(SavedForm, EveryShortFormFailsCleanly) {
  const std::vector<uint8_t> Bytes = Save(M);
  for (size_t Length = 0; Length < Bytes.size(); ++Length) {
    TMission Loaded(nullptr);
    TStreamReader S(Bytes.data(), Length);
    EXPECT_THROW(Loaded.LoadFromStream(S), std::runtime_error) << Length;
  }
}

TEST_F(SavedForm, ValuesNoGameCanHoldAreRejected) {
  const size_t Pane = (1 * 5 + 3) * 69, Tail = 1725;
  const std::pair<size_t, std::vector<uint8_t>> Cases[] = {
      {Pane + 4, {39}},                        // pane kind beyond the table
      {Pane + 13, {36}},                       // action kind in a slot
      {Pane + 44, {200}},                      // running action kind
      {Pane + 0, {4, 0, 0, 0}},                // orientation
      {Pane + 27, {0, 0, 0xc0, 0x7f}},         // NaN damage timer
      {Tail + 9, {0, 0, 0, 0}},                // scenario 0
      {Tail + 9, {49, 0, 0, 0}},               // scenario 49
      {Tail + 13, {0, 0, 0x80, 0xff}},         // time -infinity
      {Tail + 13, {0xf9, 0x02, 0x15, 0x50}},   // time 1e10
      {Tail + 17, {0xff, 0xff, 0xff, 0x7f}},   // gold time
      {Tail + 35, {37}},                       // goal kind
      {Tail + 103, {0xff, 0xff, 0xff, 0xff}},  // residents -1
  };
  for (const auto& [Offset, Patch] : Cases) {
    std::vector<uint8_t> Bytes = Save(M);
    std::memcpy(Bytes.data() + Offset, Patch.data(), Patch.size());
    TMission Loaded(nullptr);
    EXPECT_THROW(Load(Loaded, Bytes), std::runtime_error) << Offset;
  }
}

TEST_F(SavedForm, StageIndexBeyondTheListEndsTheTutorial) {
  M.ResumeStage = 500;
  TMission Loaded(nullptr);
  Load(Loaded, Save(M));
  EXPECT_EQ(Loaded.StageIndex, 0);
  EXPECT_EQ(Loaded.ResumeStage, 0);
  EXPECT_EQ(Loaded.CurrentStage().Kind, skShow);
}

TEST(MissionHelpers, RandomDamageDelayAndSaturation) {
  SeedMissionRandom(4);
  float Low = 1e9f, High = 0;
  for (int I = 0; I < 20000; ++I) {
    const float D = RandomDamageDelay();
    Low = std::min(Low, D);
    High = std::max(High, D);
  }
  EXPECT_GE(Low, 360.0f);
  EXPECT_LT(Low, 361.0f);
  EXPECT_LT(High, 540.0f);
  EXPECT_GT(High, 539.0f);
  EXPECT_EQ(AddClamped(INT32_MAX - 1, 5), INT32_MAX);
  EXPECT_EQ(AddClamped(INT32_MIN + 1, -5), INT32_MIN);
  const std::pair<float, int32_t> Floors[] = {{2.7f, 2},        {3.0f, 3},           {-0.5f, -1},
                                              {375.0f, 375},    {999999.0f, 999999}, {NAN, 0},
                                              {3e9f, INT32_MAX}};
  for (auto [X, Expected] : Floors) EXPECT_EQ(SafeFloor(X), Expected) << X;
}

}  // namespace
