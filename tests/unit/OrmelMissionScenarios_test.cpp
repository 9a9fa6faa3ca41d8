#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "app/EngineRegister.h"
#include "game/OrmelMission.h"
#include "game/OrmelPlayers.h"

namespace {

// The campaign table in its authored form: N | trophy goal | goals | money | material | workers
// | owned licenses | licenses to buy | gold | silver | deadline | rules off | face.
const char* const CampaignRows[] = {
    "| 1 | - | House1 3 | 25000 | 200 | 4 | 1 | - | 1:00 | 3:00 | - | damage, happiness, residents "
    "| 1 |",
    "| 2 | - | House2 3; HousesClass1 2 | 118000 | 180 | 5 | 1 | 2 | 2:00 | 3:30 | - | damage, "
    "happiness, residents | 1 |",
    "| 3 | - | Post 1; Happiness 10 | 175000 | 40 | 8 | 1, 2 | 7 | 3:00 | 4:00 | - | damage, "
    "residents | 1 |",
    "| 4 | - | HousesSecurity 3; PostBank 1; Residents 40 | 200000 | 870 | 12 | 1, 2, 7 | 13, 15 | "
    "4:30 | 6:30 | - | damage | 1 |",
    "| 5 | HousesClass1 10 | Income 6500; Market 1 | 35000 | 420 | 9 | 1, 2, 7 | 8, 13, 14, 15 | "
    "10:00 | 12:00 | - | - | 3 |",
    "| 6 | Happiness 20 | House2 6; House3 4 | 30000 | 350 | 10 | 1, 2, 7, 8 | 3, 13, 14, 15 | "
    "10:00 | 12:00 | 14:30 | - | 3 |",
    "| 7 | Workers 15 | HousesGarden 8; Market 1; Money 200000 | 30000 | 500 | 8 | 1, 2, 3, 7, 8 | "
    "13, 14, 15 | 9:30 | 11:30 | 14:00 | - | 3 |",
    "| 8 | Material 2000 | HousesClass1 10; Residents 100; Restaurant 1 | 35000 | 400 | 10 | 1, 2, "
    "3, 7, 8 | 9, 13, 14, 15 | 10:30 | 12:30 | 15:00 | - | 3 |",
    "| 9 | Income 11500 | House1 5; House2 5; MarketBakery 1 | 25000 | 100 | 7 | 1, 2, 3, 7, 8, 9 "
    "| 13, 14, 15, 17 | 13:30 | 15:30 | 19:30 | - | 5 |",
    "| 10 | Residents 120 | House3 10; RestaurantCafe 1; Happiness 50 | 32000 | 300 | 8 | 1, 2, 3, "
    "7, 8, 9 | 13, 14, 15, 16, 17 | 13:30 | 15:30 | 19:30 | - | 5 |",
    "| 11 | BuildingInspection 18 | HousesSecurity 15; Money 500000; Material 4000 | 40000 | 420 | "
    "10 | 1, 2, 3, 7, 8, 9 | 13, 14, 15, 16, 17 | 14:30 | 16:30 | 21:00 | - | 5 |",
    "| 12 | Happiness 30 | Block1 6; Park 1; Building 18 | 45000 | 500 | 10 | 1, 2, 3, 7, 8, 9 | "
    "4, 10, 13, 14, 15, 16, 17 | 12:30 | 14:30 | 18:00 | - | 5 |",
    "| 13 | Building 20 | House3 8; BlocksInternet 5; Income 33000 | 55000 | 600 | 10 | 1, 2, 3, "
    "4, 7, 8, 9, 10 | 13, 14, 15, 16, 17 | 16:30 | 19:00 | 22:30 | - | 4 |",
    "| 14 | HousesClass3 4 | BlocksClass1 10; Happiness 30; Workers 20 | 61000 | 600 | 12 | 1, 2, "
    "3, 4, 7, 8, 9, 10 | 13, 14, 15, 16, 17 | 16:00 | 18:30 | 21:30 | - | 4 |",
    "| 15 | Houses 15 | BuildingInspection 20; ParkExoticTrees 1; Residents 200 | 62000 | 550 | 10 "
    "| 1, 2, 3, 4, 7, 8, 9, 10 | 13, 14, 15, 16, 17 | 14:30 | 16:30 | 19:30 | - | 4 |",
    "| 16 | Money 1000000 | Block1 8; Block2 4; Happiness 40 | 82000 | 780 | 12 | 1, 2, 3, 4, 7, "
    "8, 9, 10 | 5, 13, 14, 15, 16, 17 | 16:30 | 19:00 | 22:30 | - | 4 |",
    "| 17 | Happiness 15 | BlocksFireProtection 8; Residents 320; Income 40000 | 85000 | 900 | 12 "
    "| 1, 2, 3, 4, 5, 7, 8, 9, 10 | 13, 14, 15, 16, 17 | 15:00 | 16:30 | 20:30 | - | 2 |",
    "| 18 | Block2 6 | BlocksClass1 12; Playground 1; Happiness 12 | 65000 | 620 | 10 | 1, 2, 3, "
    "4, 5, 7, 8, 9, 10 | 11, 13, 14, 15, 16, 17 | 16:00 | 17:30 | 21:30 | - | 2 |",
    "| 19 | Residents 240 | House3 9; BlocksClass3 5; Happiness 45 | 70000 | 640 | 12 | 1, 2, 3, "
    "4, 5, 7, 8, 9, 10, 11 | 13, 14, 15, 16, 17 | 14:30 | 16:00 | 19:30 | - | 2 |",
    "| 20 | Happiness 10 | Block3 6; PlaygroundLeague 1; Money 1500000 | 120000 | 950 | 16 | 1, 2, "
    "3, 4, 5, 7, 8, 9, 10, 11 | 6, 13, 14, 15, 16, 17, 18 | 18:00 | 20:00 | 24:30 | - | 2 |",
    "| 21 | Money 2000000 | BlocksInternet 18; Happiness 45; Workers 40 | 80000 | 830 | 12 | 1, 2, "
    "3, 4, 5, 6, 7, 8, 9, 10, 11 | 13, 14, 15, 16, 17, 18 | 16:00 | 17:30 | 20:00 | - | 6 |",
    "| 22 | Residents 850 | Block3 10; Square 1; Income 100000 | 90000 | 800 | 14 | 1, 2, 3, 4, 5, "
    "6, 7, 8, 9, 10, 11 | 12, 13, 14, 15, 16, 17, 18 | 16:30 | 18:00 | 20:30 | - | 6 |",
    "| 23 | Blocks 16 | Block2 8; Block3 6; Happiness 60 | 220000 | 980 | 16 | 1, 2, 3, 4, 5, 6, "
    "7, 8, 9, 10, 11, 12 | 13, 14, 15, 16, 17, 18 | 17:30 | 19:30 | 22:00 | - | 6 |",
    "| 24 | BuildingInspection 25 | Money 3000000; Happiness 70; Residents 800 | 230000 | 920 | 16 "
    "| 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12 | 13, 14, 15, 16, 17, 18 | 17:30 | 19:30 | 22:00 | - "
    "| 6 |",
};

// A few cells of every map, "(X,Y) cell" with the kind number, orientation letter and an
// optional variant digit; sandbox rows list every replaced cell and one kept cell.
const std::pair<int, const char*> MapCells[] = {
    {1, "(0,0) 22a0 (2,2) 25b (4,4) 22d0 (1,3) 1d1 (3,1) 26a"},
    {2, "(0,0) 26a (2,2) 22c1 (4,4) 22c0 (1,3) 1a1 (3,1) 22d0"},
    {3, "(0,0) 26a (2,2) 26a (4,4) 22a0 (1,3) 1d0 (3,1) 26a"},
    {4, "(0,0) 22a1 (2,2) 31d (4,4) 26a (1,3) 18c0 (3,1) 31b"},
    {5, "(0,0) 23a0 (2,2) 1a0 (4,4) 23d0 (1,3) 1c0 (3,1) 19d0"},
    {6, "(0,0) 19a1 (2,2) 30a (4,4) 19b0 (1,3) 19c1 (3,1) 1c1"},
    {7, "(0,0) 19d1 (2,2) 1d0 (4,4) 36d (1,3) 3b0 (3,1) 1a0"},
    {8, "(0,0) 25a (2,2) 1b1 (4,4) 19c1 (1,3) 1a1 (3,1) 30a"},
    {9, "(0,0) 28a (2,2) 1d1 (4,4) 28a (1,3) 2b1 (3,1) 38a"},
    {10, "(0,0) 17d1 (2,2) 27a (4,4) 1b1 (1,3) 1b1 (3,1) 1d0"},
    {11, "(0,0) 17a0 (2,2) 1a0 (4,4) 28a (1,3) 1c0 (3,1) 3c2"},
    {12, "(0,0) 3a0 (2,2) 17a1 (4,4) 1b0 (1,3) 27a (3,1) 1c0"},
    {13, "(0,0) 24b0 (2,2) 29a (4,4) 20b1 (1,3) 1a1 (3,1) 4c2"},
    {14, "(0,0) 25a (2,2) 20d1 (4,4) 29a (1,3) 20b1 (3,1) 1b1"},
    {15, "(0,0) 20a1 (2,2) 1d0 (4,4) 1c1 (1,3) 1a0 (3,1) 20c1"},
    {16, "(0,0) 25a (2,2) 32d (4,4) 24a1 (1,3) 1a1 (3,1) 1d0"},
    {17, "(0,0) 1a0 (2,2) 23a1 (4,4) 23a1 (1,3) 1b0 (3,1) 37d"},
    {18, "(0,0) 19a1 (2,2) 19d1 (4,4) 30a (1,3) 1b1 (3,1) 19b1"},
    {19, "(0,0) 23b1 (2,2) 1c1 (4,4) 32c (1,3) 37a (3,1) 19a1"},
    {20, "(0,0) 1d1 (2,2) 1a0 (4,4) 19b1 (1,3) 35b1 (3,1) 1c0"},
    {21, "(0,0) 18d1 (2,2) 1d0 (4,4) 18c1 (1,3) 1b0 (3,1) 32a"},
    {22, "(0,0) 32a (2,2) 1d1 (4,4) 1b0 (1,3) 1b1 (3,1) 1c1"},
    {23, "(0,0) 18a1 (2,2) 1b0 (4,4) 18c1 (1,3) 16d (3,1) 1d0"},
    {24, "(0,0) 32d (2,2) 1d0 (4,4) 4c1 (1,3) 1b0 (3,1) 1c0"},
    {25,
     "(1,0) 18d1 (1,1) 1d1 (1,4) 1d1 (2,0) 1b0 (2,1) 1b1 (2,2) 1b0 (2,4) 18b1 (3,2) 1a1 (3,3) 1c0 "
     "(4,2) 18a1 (4,3) 18c1 (0,0) 22a0"},
    {26,
     "(0,1) 1a0 (0,2) 18c1 (0,3) 1a1 (0,4) 1c0 (1,1) 1a1 (1,2) 18c1 (1,4) 1c0 (2,1) 18a1 (2,2) "
     "18c1 (3,2) 18b1 (3,4) 18c1 (4,3) 18a1 (4,4) 18c0 (0,0) 26a"},
    {27, "(0,2) 18d1 (1,4) 18d0 (2,3) 1b1 (2,4) 18b0 (4,0) 1b1 (4,2) 18b1 (0,0) 26a"},
    {28, "(0,2) 31a (2,0) 1d1 (3,0) 1b0 (3,1) 1b1 (3,2) 31b (0,0) 22a1"},
    {29, "(4,2) 1a1 (0,0) 23a0"},
    {30, "(3,0) 1a1 (4,0) 19a0 (4,1) 19c1 (0,0) 19a1"},
    {31, "(1,3) 1b0 (2,3) 1d1 (0,0) 19d1"},
    {32, "(0,1) 1a1 (1,1) 1a0 (0,0) 25a"},
    {33, "(0,3) 1d1 (1,3) 1b1 (0,0) 28a"},
    {34, "(4,2) 1b0 (4,3) 1b1 (4,4) 17b1 (0,0) 17d1"},
    {35, "(3,1) 1c1 (4,1) 17c1 (0,0) 17a0"},
    {36, "(0,0) 17a0 (1,0) 17a1 (2,0) 1a0 (3,0) 1a1 (0,1) 17c1"},
    {37, "(3,1) 1c0 (3,2) 1d0 (0,0) 24b0"},
    {38, "(1,0) 1a0 (0,0) 25a"},
    {39, "(3,3) 32a (3,4) 1c (4,3) 32a (0,0) 20a1"},
    {40, "(2,3) 20a1 (3,2) 1d1 (3,3) 20a1 (0,0) 25a"},
    {41, "(0,1) 1d0 (0,2) 1d1 (0,3) 1d0 (0,0) 1a0"},
    {42, "(0,1) 1d0 (0,2) 1d1 (0,3) 1d0 (0,4) 1d1 (0,0) 19a1"},
    {43, "(2,0) 19a1 (3,0) 19a0 (4,0) 19a1 (0,0) 23b1"},
    {44, "(0,3) 1d0 (0,4) 32d (4,4) 32b (0,0) 1d1"},
    {45, "(0,4) 18c1 (1,4) 18c0 (2,4) 18c1 (3,2) 15b (0,0) 18d1"},
    {46, "(0,0) 18a0 (0,1) 32d1 (0,2) 32d3 (0,3) 32d0 (1,0) 18a1 (2,0) 18a0 (3,3) 18b1 (0,4) 18c1"},
    {47, "(0,0) 18a1"},
    {48, "(3,0) 18a1 (3,3) 1a0 (3,4) 1c1 (4,0) 18a0 (4,4) 18c0 (0,0) 32d"},
};

std::vector<std::string> Split(const std::string& Text, char Separator) {
  std::vector<std::string> Parts;
  std::stringstream S(Text);
  for (std::string Part; std::getline(S, Part, Separator);) {
    const size_t A = Part.find_first_not_of(' '), B = Part.find_last_not_of(' ');
    Parts.push_back(A == std::string::npos ? "" : Part.substr(A, B - A + 1));
  }
  return Parts;
}

uint8_t GoalKindByName(const std::string& Name) {
  static const char* const Names[] = {"None",
                                      "Money",
                                      "Income",
                                      "Happiness",
                                      "Residents",
                                      "Material",
                                      "Workers",
                                      "Building",
                                      "BuildingInspection",
                                      "House1",
                                      "House2",
                                      "House3",
                                      "Houses",
                                      "HousesClass1",
                                      "HousesClass3",
                                      "HousesGarden",
                                      "HousesSecurity",
                                      "Block1",
                                      "Block2",
                                      "Block3",
                                      "Blocks",
                                      "BlocksClass1",
                                      "BlocksClass3",
                                      "BlocksInternet",
                                      "BlocksFireProtection",
                                      "Post",
                                      "PostBank",
                                      "Market",
                                      "MarketBakery",
                                      "Restaurant",
                                      "RestaurantCafe",
                                      "Park",
                                      "ParkExoticTrees",
                                      "Playground",
                                      "PlaygroundLeague",
                                      "Square",
                                      "SquareAttraction"};
  for (int K = 0; K < GoalKindCount; ++K)
    if (Name == Names[K]) return static_cast<uint8_t>(K);
  ADD_FAILURE() << "unknown goal " << Name;
  return 0;
}

TGoal ParseGoal(const std::string& Text) {
  if (Text == "-") return TGoal{};
  const size_t Space = Text.rfind(' ');
  return TGoal{GoalKindByName(Text.substr(0, Space)), 0, std::stoi(Text.substr(Space + 1)), 0};
}

uint32_t ParseLicenses(const std::string& Text) {
  uint32_t Mask = 0;
  if (Text != "-")
    for (const std::string& N : Split(Text, ',')) Mask |= 1u << std::stoi(N);
  return Mask;
}

int32_t ParseTime(const std::string& Text) {
  if (Text == "-") return 0;
  const size_t Colon = Text.find(':');
  return std::stoi(Text.substr(0, Colon)) * 60 + std::stoi(Text.substr(Colon + 1));
}

class ScenarioSetup : public ::testing::Test {
 protected:
  void SetUp() override {
    Register.Deadline = true;
    Register.Difficulty = 0;
    SeedMissionRandom(7);
  }
};

TEST_F(ScenarioSetup, EveryCampaignScenarioStartsAsTabled) {
  for (const char* Row : CampaignRows) {
    const std::vector<std::string> C = Split(std::string(Row).substr(1), '|');
    const int N = std::stoi(C[0]);
    SCOPED_TRACE("scenario " + C[0]);
    TMission M(nullptr);
    M.Setup(N);
    const TGoal Trophy = ParseGoal(C[1]);
    EXPECT_EQ(M.Goals[0].Kind, Trophy.Kind);
    EXPECT_EQ(M.Goals[0].Target, Trophy.Target);
    const std::vector<std::string> Goals = Split(C[2], ';');
    ASSERT_EQ(M.GoalCount(), static_cast<int32_t>(Goals.size()));
    for (size_t I = 0; I < Goals.size(); ++I) {
      EXPECT_EQ(M.Goals[I + 1].Kind, ParseGoal(Goals[I]).Kind);
      EXPECT_EQ(M.Goals[I + 1].Target, ParseGoal(Goals[I]).Target);
    }
    EXPECT_EQ(M.Money, std::stoi(C[3]));
    EXPECT_EQ(M.Material, std::stoi(C[4]));
    EXPECT_EQ(M.Workers, std::stoi(C[5]));
    EXPECT_EQ(M.FreeWorkers, std::stoi(C[5]));
    EXPECT_EQ(M.OwnedLicenses, ParseLicenses(C[6]) | 1u);
    EXPECT_EQ(M.AvailableLicenses, ParseLicenses(C[6]) | ParseLicenses(C[7]) | 1u);
    EXPECT_EQ(M.GoldTime, ParseTime(C[8]));
    EXPECT_EQ(M.SilverTime, ParseTime(C[9]));
    EXPECT_EQ(M.Deadline, ParseTime(C[10]));
    EXPECT_EQ(M.DamageOn, C[11].find("damage") == std::string::npos);
    EXPECT_EQ(M.HappinessOn, C[11].find("happiness") == std::string::npos);
    EXPECT_EQ(M.ResidentsOn, C[11].find("residents") == std::string::npos);
    EXPECT_EQ(M.Face, std::stoi(C[12]));
    EXPECT_EQ(M.StartTextId, sidScenarioStart1 + 2 * (N - 1));
    EXPECT_EQ(M.EndTextId, sidScenarioEnd1 + 2 * (N - 1));
    EXPECT_EQ(M.MapPicture, "Map" + std::to_string(N));
    EXPECT_EQ(M.MaterialOrders, -1);
    EXPECT_EQ(M.WorkerOrders, -1);
    EXPECT_FLOAT_EQ(M.ReservedSingle, 5.0f);
    EXPECT_FALSE(M.GoalsReached);
  }
}

TEST_F(ScenarioSetup, MapsPlaceTheirCells) {
  for (const auto& [Scenario, Cells] : MapCells) {
    SCOPED_TRACE("scenario " + std::to_string(Scenario));
    TMission M(nullptr);
    M.Setup(Scenario);
    std::stringstream S(Cells);
    for (std::string Where, Cell; S >> Where >> Cell;) {
      const int X = Where[1] - '0', Y = Where[3] - '0';
      SCOPED_TRACE(Where + " " + Cell);
      const size_t Letter = Cell.find_first_of("abcd");
      const TPane& P = *M.Pane(X, Y);
      EXPECT_EQ(P.Kind, std::stoi(Cell.substr(0, Letter)));
      EXPECT_EQ(P.Orientation, Cell[Letter] - 'a');
      if (Letter + 1 < Cell.size())
        EXPECT_EQ(P.Variant, Cell[Letter + 1] - '0');
      else
        EXPECT_LT(P.Variant, std::max(1, PaneInfos[P.Kind].VariantCount));
      EXPECT_EQ(P.CurrentAction, akNone);
      EXPECT_EQ(P.Upgrades, 1u);
    }
  }
}

TEST_F(ScenarioSetup, SandboxMapsStartAlikeAndKeepTheChosenGoals) {
  for (int Scenario = 25; Scenario <= 48; ++Scenario) {
    SCOPED_TRACE("scenario " + std::to_string(Scenario));
    TMission M(nullptr);
    M.AddGoal(true, gkMoney, 500000);
    M.SetTimes(0, 0, 12, 0, 0, 30);
    M.Setup(Scenario);
    EXPECT_EQ(M.Money, 50000);
    EXPECT_EQ(M.Material, 750);
    EXPECT_EQ(M.Workers, 6);
    EXPECT_EQ(M.FreeWorkers, 6);
    EXPECT_EQ(M.OwnedLicenses, 0b11u);
    EXPECT_EQ(M.AvailableLicenses, 0x7FFFFu);
    EXPECT_EQ(M.MapPicture, "Map" + std::to_string(Scenario - 24));
    EXPECT_EQ(M.StartTextId, 0);
    EXPECT_EQ(M.EndTextId, 0);
    EXPECT_EQ(M.Face, 0);
    EXPECT_EQ(M.Stages.size(), 1u);
    EXPECT_TRUE(M.DamageOn && M.HappinessOn && M.ResidentsOn);
    EXPECT_EQ(M.GoalCount(), 1);
    EXPECT_EQ(M.Goals[1].Target, 500000);
    EXPECT_EQ(M.Deadline, 750);
    EXPECT_EQ(M.GoldTime, 0);
    EXPECT_FALSE(M.IsCampaign());
  }
}

TEST_F(ScenarioSetup, SandboxMap23IsCampaignMap23) {
  const TMapLayout& Campaign = MapLayout(23);
  const TMapLayout& Sandbox = MapLayout(47);
  for (int X = 0; X < 5; ++X)
    for (int Y = 0; Y < 5; ++Y) {
      EXPECT_EQ(Sandbox[X][Y].Kind, Campaign[X][Y].Kind);
      EXPECT_EQ(Sandbox[X][Y].Orientation, Campaign[X][Y].Orientation);
      EXPECT_EQ(Sandbox[X][Y].Variant, Campaign[X][Y].Variant);
    }
}

TEST_F(ScenarioSetup, NumberOutsideTheScenariosPlacesNothing) {
  for (int Scenario : {0, 49, -3}) {
    TMission M(nullptr);
    M.Setup(Scenario);
    EXPECT_EQ(M.Pane(2, 2)->Kind, pkNone);
    EXPECT_EQ(M.Money, 0);
    EXPECT_EQ(M.Stages.size(), 1u);
    EXPECT_EQ(M.MapPicture, "");
    EXPECT_EQ(MapLayout(Scenario)[0][0].Kind, pkNone);
  }
}

TEST_F(ScenarioSetup, RestartRebuildsCampaignGoalsAndResources) {
  TMission M(nullptr);
  M.Setup(7);
  M.RemoveLastGoal();
  M.Money = 1;
  M.Update(3.0f);
  M.Setup(7);
  EXPECT_EQ(M.GoalCount(), 3);
  EXPECT_EQ(M.Money, 30000);
  EXPECT_EQ(M.Time, 0.0f);
}

}  // namespace
