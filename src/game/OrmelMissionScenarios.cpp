// The 24 campaign scenarios, the 24 campaign maps, the sandbox maps made from them, and Setup.
#include <cctype>
#include <stdexcept>

#include "game/OrmelMission.h"
#include "game/OrmelPlayers.h"

namespace {

constexpr uint32_t L(int License) {
  return uint32_t{1} << License;
}

// Map layouts in a compact notation: each cell is the pane kind number, the orientation as a
// letter (a = 0 .. d = 3) and an optional variant digit (none = random). Cells are grouped by
// X = 0..4 (groups separated by "/"), each group listing Y = 0..4.
// clang-format off
const char* const CampaignMaps[CampaignScenarioCount] = {
    "22a0 22c1 25b 22a1 22b1 / 22d1 25d 1d0 1d1 25d / 25b 25b 25b 1b0 22b1 / 26a 26a 25a 25c 22b0 / 22b1 26a 22a1 22c1 22d0",
    "26a 25a 22c1 25a 25c / 26a 25a 22c1 1a1 25c / 26a 22a1 22c1 1a0 1c1 / 26a 22d0 22b1 1a0 22c1 / 26a 22c0 22a0 22a1 22c0",
    "26a 1d0 22d1 22d0 22c0 / 26a 26a 1b1 1d0 22d0 / 26a 26a 26a 2b1 22b0 / 26a 26a 26a 1c1 22c1 / 25b 1b0 22b1 22a1 22a0",
    "22a1 26a 1a0 31c 18d0 / 26a 26a 18a0 18c0 18b0 / 18d1 18d1 31d 18c0 22d1 / 18b1 31b 1b1 22a1 26a / 26a 26a 26a 26a 26a",
    "23a0 23a1 1a0 1c1 36d / 23b0 23c0 1a1 1c0 34d / 23d0 23b1 1a0 1c0 34b / 19d1 19d0 19a1 1c1 36a / 19b0 19b1 2a1 19c1 23d0",
    "19a1 19c1 30a 1c0 23a1 / 1a1 1c0 30a 19c1 23b0 / 1a0 33c 30a 1c0 23c1 / 2a3 1c1 30a 1c1 19d0 / 2a2 1c1 30a 19c1 19b0",
    "19d1 19d0 19d1 19d0 23c1 / 19b0 19b1 1b1 3b0 1c0 / 23a1 23c1 1d0 2d0 34c / 23b0 1a0 1b1 1b0 36a / 23c1 1a1 1c0 23d1 36d",
    "25a 2a2 1c0 1a0 1c1 / 1d1 2a3 1c1 1a1 1c0 / 19b1 33b 1b1 1b0 19b1 / 30a 30a 30a 30a 30a / 23d1 23d0 23b1 19a0 19c1",
    "28a 17a1 1d0 2d3 1d1 / 28a 38a 1b1 2b1 17b0 / 28a 17a1 1d1 1d0 17d1 / 28a 38a 1b0 17b1 38b / 28a 17a0 1c1 28a 28a",
    "17d1 17d0 17d1 17d0 17d1 / 17b0 17b1 1b0 1b1 1b0 / 27a 27a 27a 27a 27a / 17d1 1d0 1d1 1d0 1d1 / 17b0 17b1 2b0 2b3 1b1",
    "17a0 1c1 1a0 1c1 28a / 17a1 1c0 1a1 1c0 28a / 17a0 1c1 1a0 17c1 38d / 17a1 3c2 17b1 17b1 38b / 17a0 3c3 28a 28a 28a",
    "3a0 17c1 17a0 27a 28a / 3a3 1c0 17a1 27a 28a / 3a2 1c1 17a1 27a 27a / 3a1 1c0 1a0 17d1 17d1 / 25a 1b1 1b0 1b1 1b0",
    "24b0 20d1 20d0 20d1 20d0 / 20a1 1c0 1b0 1a1 31c / 20a1 1c1 29a 1a0 31c / 20a0 4c2 3d3 1a1 31c / 24d1 20b0 20b1 20b0 20b1",
    "25a 1d1 1d0 1d1 1c1 / 2a0 31b 32b 20b1 20c0 / 31a 31d 20d1 20d0 20c1 / 1a0 1b1 20b1 20b0 24a1 / 1a1 1c0 29a 29a 29a",
    "20a1 20c0 29a 1a1 1c0 / 20a0 20c1 24b1 1a0 1c1 / 20a1 20c0 1d0 1a1 1c0 / 20a0 20c1 31b 2a2 3c0 / 20a1 20c0 29a 2a1 1c1",
    "25a 1d0 1d1 1a0 20c1 / 1a1 32b 32b 1a1 20c0 / 1a0 32d 32d 3a2 20c1 / 1d1 1d0 3d1 3a0 20c0 / 20b0 20b1 20b1 20b0 24a1",
    "1a0 5d0 5d1 5d3 25a / 1a1 35b0 1b1 1b0 1c0 / 1a0 35c1 23a1 35a0 1c1 / 19a1 37d 19d0 19d1 19c0 / 19a0 19b1 19b1 19b0 23a1",
    "19a1 5d0 5d3 2d0 2d1 / 19a0 1b1 1b0 1b1 1b0 / 19a1 19d1 19d1 1d0 1d1 / 35b1 19b1 35b0 35b1 1b0 / 30a 30a 30a 30a 30a",
    "23b1 19a0 1c1 1a0 1c0 / 19a0 19a1 1c0 37a 37c / 2a2 19a0 1c1 35a0 35c1 / 3a0 19a1 1c0 32a 32c / 3a1 19a0 1c1 32a 32c",
    "1d1 1d0 1d1 5d0 5d3 / 1a0 1c0 35a0 35b1 32b / 1a1 1c1 1a0 35c0 25a / 1a0 1c0 37a 37d 32d / 19b1 19b0 19b1 19b0 19b1",
    "18d1 18d1 18d1 18d1 5c2 / 1a1 32a 1b1 1b0 5c0 / 1a0 32a 1d0 1d1 5c1 / 1a1 32a 8b1 18b1 18c1 / 1a0 15b 1c0 18a1 18c1",
    "32a 5d1 5d3 5d0 18c1 / 11a1 1b1 1b0 1b1 18c1 / 32a 1d0 1d1 1d0 18c1 / 18a1 1c1 1a1 9b0 32d / 18a1 1c0 1a0 1b1 1b0",
    "18a1 15c 16a 15c 15d / 18a0 32c 14a 16d 18b1 / 18a1 1b1 1b0 1b1 18c0 / 18a0 1d0 1d1 1d0 18c1 / 18a1 32b 32b 32b 18c1",
    "32d 32d 32d 32d 18c1 / 1a1 1b0 1b1 1b0 18c0 / 1a0 1d1 1d0 1d1 18c1 / 5a2 1c0 1a1 8a0 4c2 / 5a3 18c1 18a1 18a1 4c1",
};

// Sandbox map M is campaign map M with these cells replaced, written as "(X,Y) cell".
const char* const SandboxChanges[CampaignScenarioCount] = {
    "(1,0) 18d1, (1,1) 1d1, (1,4) 1d1, (2,0) 1b0, (2,1) 1b1, (2,2) 1b0, (2,4) 18b1, (3,2) 1a1, (3,3) 1c0, (4,2) 18a1, (4,3) 18c1",  // 25
    "(0,1) 1a0, (0,2) 18c1, (0,3) 1a1, (0,4) 1c0, (1,1) 1a1, (1,2) 18c1, (1,4) 1c0, (2,1) 18a1, (2,2) 18c1, (3,2) 18b1, (3,4) 18c1, (4,3) 18a1, (4,4) 18c0",  // 26
    "(0,2) 18d1, (1,4) 18d0, (2,3) 1b1, (2,4) 18b0, (4,0) 1b1, (4,2) 18b1",  // 27
    "(0,2) 31a, (2,0) 1d1, (3,0) 1b0, (3,1) 1b1, (3,2) 31b",  // 28
    "(4,2) 1a1",  // 29
    "(3,0) 1a1, (4,0) 19a0, (4,1) 19c1",  // 30
    "(1,3) 1b0, (2,3) 1d1",  // 31
    "(0,1) 1a1, (1,1) 1a0",  // 32
    "(0,3) 1d1, (1,3) 1b1",  // 33
    "(4,2) 1b0, (4,3) 1b1, (4,4) 17b1",  // 34
    "(3,1) 1c1, (4,1) 17c1",  // 35
    "(0,0) 17a0, (1,0) 17a1, (2,0) 1a0, (3,0) 1a1",  // 36
    "(3,1) 1c0, (3,2) 1d0",  // 37
    "(1,0) 1a0",  // 38
    "(3,3) 32a, (3,4) 1c, (4,3) 32a",  // 39
    "(2,3) 20a1, (3,2) 1d1, (3,3) 20a1",  // 40
    "(0,1) 1d0, (0,2) 1d1, (0,3) 1d0",  // 41
    "(0,1) 1d0, (0,2) 1d1, (0,3) 1d0, (0,4) 1d1",  // 42
    "(2,0) 19a1, (3,0) 19a0, (4,0) 19a1",  // 43
    "(0,3) 1d0, (0,4) 32d, (4,4) 32b",  // 44
    "(0,4) 18c1, (1,4) 18c0, (2,4) 18c1, (3,2) 15b",  // 45
    "(0,0) 18a0, (0,1) 32d1, (0,2) 32d3, (0,3) 32d0, (1,0) 18a1, (2,0) 18a0, (3,3) 18b1",  // 46
    "",  // 47
    "(3,0) 18a1, (3,3) 1a0, (3,4) 1c1, (4,0) 18a0, (4,4) 18c0",  // 48
};
// clang-format on

// Parses one cell such as "22a0" or "1c" starting at Text[Pos]; Pos ends after it.
TMapCell ParseCell(const std::string& Text, size_t& Pos) {
  TMapCell Cell;
  int Kind = 0;
  while (Pos < Text.size() && std::isdigit(static_cast<unsigned char>(Text[Pos])))
    Kind = Kind * 10 + (Text[Pos++] - '0');
  if (Pos >= Text.size() || Text[Pos] < 'a' || Text[Pos] > 'd' || Kind >= PaneKindCount)
    throw std::logic_error("Bad map cell in \"" + Text + "\"");
  Cell.Kind = static_cast<uint8_t>(Kind);
  Cell.Orientation = Text[Pos++] - 'a';
  if (Pos < Text.size() && std::isdigit(static_cast<unsigned char>(Text[Pos])))
    Cell.Variant = Text[Pos++] - '0';
  return Cell;
}

void SkipSeparators(const std::string& Text, size_t& Pos) {
  while (Pos < Text.size() && (Text[Pos] == ' ' || Text[Pos] == '/' || Text[Pos] == ',')) ++Pos;
}

TMapLayout ParseCampaignMap(const std::string& Text) {
  TMapLayout Layout;
  size_t Pos = 0;
  for (int X = 0; X < 5; ++X)
    for (int Y = 0; Y < 5; ++Y) {
      SkipSeparators(Text, Pos);
      Layout[X][Y] = ParseCell(Text, Pos);
    }
  return Layout;
}

void ApplySandboxChanges(TMapLayout& Layout, const std::string& Text) {
  size_t Pos = 0;
  for (SkipSeparators(Text, Pos); Pos < Text.size(); SkipSeparators(Text, Pos)) {
    if (Text.compare(Pos, 1, "(") != 0 || Pos + 6 > Text.size())
      throw std::logic_error("Bad sandbox change in \"" + Text + "\"");
    const int X = Text[Pos + 1] - '0', Y = Text[Pos + 3] - '0';
    Pos += 6;
    SkipSeparators(Text, Pos);
    Layout.at(X).at(Y) = ParseCell(Text, Pos);
  }
}

std::array<TMapLayout, ScenarioCount + 1> BuildLayouts() {
  std::array<TMapLayout, ScenarioCount + 1> Layouts{};
  for (int N = 1; N <= CampaignScenarioCount; ++N) {
    Layouts[N] = ParseCampaignMap(CampaignMaps[N - 1]);
    Layouts[N + CampaignScenarioCount] = Layouts[N];
    ApplySandboxChanges(Layouts[N + CampaignScenarioCount], SandboxChanges[N - 1]);
  }
  return Layouts;
}

}  // namespace

// Trophy goal, goals 1..3, money, material, workers, owned licenses, licenses to buy, gold,
// silver and deadline (minutes, seconds), damage / happiness / residents off, advisor face.
// clang-format off
const TScenarioInfo ScenarioInfos[CampaignScenarioCount + 1] = {
    {},
    {{gkNone, 0}, {{gkHouse1, 3}, {gkNone, 0}, {gkNone, 0}}, 25000, 200, 4, L(1), 0, 1, 0, 3, 0, 0, 0, 1, 1, 1, 1},  // 1
    {{gkNone, 0}, {{gkHouse2, 3}, {gkHousesClass1, 2}, {gkNone, 0}}, 118000, 180, 5, L(1), L(2), 2, 0, 3, 30, 0, 0, 1, 1, 1, 1},  // 2
    {{gkNone, 0}, {{gkPost, 1}, {gkHappiness, 10}, {gkNone, 0}}, 175000, 40, 8, L(1) | L(2), L(7), 3, 0, 4, 0, 0, 0, 1, 0, 1, 1},  // 3
    {{gkNone, 0}, {{gkHousesSecurity, 3}, {gkPostBank, 1}, {gkResidents, 40}}, 200000, 870, 12, L(1) | L(2) | L(7), L(13) | L(15), 4, 30, 6, 30, 0, 0, 1, 0, 0, 1},  // 4
    {{gkHousesClass1, 10}, {{gkIncome, 6500}, {gkMarket, 1}, {gkNone, 0}}, 35000, 420, 9, L(1) | L(2) | L(7), L(8) | L(13) | L(14) | L(15), 10, 0, 12, 0, 0, 0, 0, 0, 0, 3},  // 5
    {{gkHappiness, 20}, {{gkHouse2, 6}, {gkHouse3, 4}, {gkNone, 0}}, 30000, 350, 10, L(1) | L(2) | L(7) | L(8), L(3) | L(13) | L(14) | L(15), 10, 0, 12, 0, 14, 30, 0, 0, 0, 3},  // 6
    {{gkWorkers, 15}, {{gkHousesGarden, 8}, {gkMarket, 1}, {gkMoney, 200000}}, 30000, 500, 8, L(1) | L(2) | L(3) | L(7) | L(8), L(13) | L(14) | L(15), 9, 30, 11, 30, 14, 0, 0, 0, 0, 3},  // 7
    {{gkMaterial, 2000}, {{gkHousesClass1, 10}, {gkResidents, 100}, {gkRestaurant, 1}}, 35000, 400, 10, L(1) | L(2) | L(3) | L(7) | L(8), L(9) | L(13) | L(14) | L(15), 10, 30, 12, 30, 15, 0, 0, 0, 0, 3},  // 8
    {{gkIncome, 11500}, {{gkHouse1, 5}, {gkHouse2, 5}, {gkMarketBakery, 1}}, 25000, 100, 7, L(1) | L(2) | L(3) | L(7) | L(8) | L(9), L(13) | L(14) | L(15) | L(17), 13, 30, 15, 30, 19, 30, 0, 0, 0, 5},  // 9
    {{gkResidents, 120}, {{gkHouse3, 10}, {gkRestaurantCafe, 1}, {gkHappiness, 50}}, 32000, 300, 8, L(1) | L(2) | L(3) | L(7) | L(8) | L(9), L(13) | L(14) | L(15) | L(16) | L(17), 13, 30, 15, 30, 19, 30, 0, 0, 0, 5},  // 10
    {{gkBuildingInspection, 18}, {{gkHousesSecurity, 15}, {gkMoney, 500000}, {gkMaterial, 4000}}, 40000, 420, 10, L(1) | L(2) | L(3) | L(7) | L(8) | L(9), L(13) | L(14) | L(15) | L(16) | L(17), 14, 30, 16, 30, 21, 0, 0, 0, 0, 5},  // 11
    {{gkHappiness, 30}, {{gkBlock1, 6}, {gkPark, 1}, {gkBuilding, 18}}, 45000, 500, 10, L(1) | L(2) | L(3) | L(7) | L(8) | L(9), L(4) | L(10) | L(13) | L(14) | L(15) | L(16) | L(17), 12, 30, 14, 30, 18, 0, 0, 0, 0, 5},  // 12
    {{gkBuilding, 20}, {{gkHouse3, 8}, {gkBlocksInternet, 5}, {gkIncome, 33000}}, 55000, 600, 10, L(1) | L(2) | L(3) | L(4) | L(7) | L(8) | L(9) | L(10), L(13) | L(14) | L(15) | L(16) | L(17), 16, 30, 19, 0, 22, 30, 0, 0, 0, 4},  // 13
    {{gkHousesClass3, 4}, {{gkBlocksClass1, 10}, {gkHappiness, 30}, {gkWorkers, 20}}, 61000, 600, 12, L(1) | L(2) | L(3) | L(4) | L(7) | L(8) | L(9) | L(10), L(13) | L(14) | L(15) | L(16) | L(17), 16, 0, 18, 30, 21, 30, 0, 0, 0, 4},  // 14
    {{gkHouses, 15}, {{gkBuildingInspection, 20}, {gkParkExoticTrees, 1}, {gkResidents, 200}}, 62000, 550, 10, L(1) | L(2) | L(3) | L(4) | L(7) | L(8) | L(9) | L(10), L(13) | L(14) | L(15) | L(16) | L(17), 14, 30, 16, 30, 19, 30, 0, 0, 0, 4},  // 15
    {{gkMoney, 1000000}, {{gkBlock1, 8}, {gkBlock2, 4}, {gkHappiness, 40}}, 82000, 780, 12, L(1) | L(2) | L(3) | L(4) | L(7) | L(8) | L(9) | L(10), L(5) | L(13) | L(14) | L(15) | L(16) | L(17), 16, 30, 19, 0, 22, 30, 0, 0, 0, 4},  // 16
    {{gkHappiness, 15}, {{gkBlocksFireProtection, 8}, {gkResidents, 320}, {gkIncome, 40000}}, 85000, 900, 12, L(1) | L(2) | L(3) | L(4) | L(5) | L(7) | L(8) | L(9) | L(10), L(13) | L(14) | L(15) | L(16) | L(17), 15, 0, 16, 30, 20, 30, 0, 0, 0, 2},  // 17
    {{gkBlock2, 6}, {{gkBlocksClass1, 12}, {gkPlayground, 1}, {gkHappiness, 12}}, 65000, 620, 10, L(1) | L(2) | L(3) | L(4) | L(5) | L(7) | L(8) | L(9) | L(10), L(11) | L(13) | L(14) | L(15) | L(16) | L(17), 16, 0, 17, 30, 21, 30, 0, 0, 0, 2},  // 18
    {{gkResidents, 240}, {{gkHouse3, 9}, {gkBlocksClass3, 5}, {gkHappiness, 45}}, 70000, 640, 12, L(1) | L(2) | L(3) | L(4) | L(5) | L(7) | L(8) | L(9) | L(10) | L(11), L(13) | L(14) | L(15) | L(16) | L(17), 14, 30, 16, 0, 19, 30, 0, 0, 0, 2},  // 19
    {{gkHappiness, 10}, {{gkBlock3, 6}, {gkPlaygroundLeague, 1}, {gkMoney, 1500000}}, 120000, 950, 16, L(1) | L(2) | L(3) | L(4) | L(5) | L(7) | L(8) | L(9) | L(10) | L(11), L(6) | L(13) | L(14) | L(15) | L(16) | L(17) | L(18), 18, 0, 20, 0, 24, 30, 0, 0, 0, 2},  // 20
    {{gkMoney, 2000000}, {{gkBlocksInternet, 18}, {gkHappiness, 45}, {gkWorkers, 40}}, 80000, 830, 12, L(1) | L(2) | L(3) | L(4) | L(5) | L(6) | L(7) | L(8) | L(9) | L(10) | L(11), L(13) | L(14) | L(15) | L(16) | L(17) | L(18), 16, 0, 17, 30, 20, 0, 0, 0, 0, 6},  // 21
    {{gkResidents, 850}, {{gkBlock3, 10}, {gkSquare, 1}, {gkIncome, 100000}}, 90000, 800, 14, L(1) | L(2) | L(3) | L(4) | L(5) | L(6) | L(7) | L(8) | L(9) | L(10) | L(11), L(12) | L(13) | L(14) | L(15) | L(16) | L(17) | L(18), 16, 30, 18, 0, 20, 30, 0, 0, 0, 6},  // 22
    {{gkBlocks, 16}, {{gkBlock2, 8}, {gkBlock3, 6}, {gkHappiness, 60}}, 220000, 980, 16, L(1) | L(2) | L(3) | L(4) | L(5) | L(6) | L(7) | L(8) | L(9) | L(10) | L(11) | L(12), L(13) | L(14) | L(15) | L(16) | L(17) | L(18), 17, 30, 19, 30, 22, 0, 0, 0, 0, 6},  // 23
    {{gkBuildingInspection, 25}, {{gkMoney, 3000000}, {gkHappiness, 70}, {gkResidents, 800}}, 230000, 920, 16, L(1) | L(2) | L(3) | L(4) | L(5) | L(6) | L(7) | L(8) | L(9) | L(10) | L(11) | L(12), L(13) | L(14) | L(15) | L(16) | L(17) | L(18), 17, 30, 19, 30, 22, 0, 0, 0, 0, 6},  // 24
};
// clang-format on

const TMapLayout& MapLayout(int Scenario) {
  static const std::array<TMapLayout, ScenarioCount + 1> Layouts = BuildLayouts();
  static const TMapLayout Empty{};
  if (Scenario < 1 || Scenario > ScenarioCount) return Empty;
  return Layouts[Scenario];
}

std::string MapPictureName(int Scenario) {
  if (Scenario < 1 || Scenario > ScenarioCount) return "";
  return "Map" + std::to_string((Scenario - 1) % CampaignScenarioCount + 1);
}

void TMission::Setup(int32_t NewScenario) {
  Scenario = NewScenario;
  SelectedPane = nullptr;
  Time = 0;
  PayoutTimer = 0;
  Income = 0;
  IncomeAccumulator = 0;
  ReservedInt = 0;
  ReservedSingle = 5.0f;
  MaterialOrders = -1;
  MaterialProgress = 0;
  WorkerOrders = -1;
  WorkerProgress = 0;
  StartShown = 0;
  StageIndex = 0;
  ResumeStage = 0;
  DamageOn = HappinessOn = ResidentsOn = 1;
  SetupStages(Scenario);
  if (IsCampaign())
    SetupCampaign(Scenario);
  else if (Scenario > CampaignScenarioCount && Scenario <= ScenarioCount)
    SetupSandbox();
  Update(0);
}

void TMission::SetupCampaign(int32_t N) {
  const TScenarioInfo& S = ScenarioInfos[N];
  ClearGoals();
  if (S.Trophy.Kind != gkNone) AddGoal(false, S.Trophy.Kind, S.Trophy.Target);
  for (const TGoalSetting& G : S.Goals)
    if (G.Kind != gkNone) AddGoal(true, G.Kind, G.Target);
  Money = S.Money;
  Material = S.Material;
  Workers = FreeWorkers = S.Workers;
  OwnedLicenses = S.OwnedLicenses | 1u;
  AvailableLicenses = S.OwnedLicenses | S.LicensesToBuy | 1u;
  SetTimes(S.GoldMinutes, S.SilverMinutes, S.DeadlineMinutes, S.GoldSeconds, S.SilverSeconds,
           S.DeadlineSeconds);
  PlaceMap(N);
  if (S.DamageOff) DamageOn = 0;
  if (S.HappinessOff) HappinessOn = 0;
  if (S.ResidentsOff) ResidentsOn = 0;
}

void TMission::SetupSandbox() {
  PlaceMap(Scenario);
  Money = 50000;
  Material = 750;
  Workers = FreeWorkers = 6;
  OwnedLicenses = L(lcHouse1) | 1u;
  AvailableLicenses = (L(lcEventOrganizer) << 1) - 1;  // bits 0..18
}

void TMission::PlaceMap(int32_t ForScenario) {
  const TMapLayout& Layout = MapLayout(ForScenario);
  for (int X = 0; X < 5; ++X)
    for (int Y = 0; Y < 5; ++Y) {
      const TMapCell& C = Layout[X][Y];
      Panes[X][Y]->Place(C.Orientation, C.Kind, C.Variant);
    }
}
