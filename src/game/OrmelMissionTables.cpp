// The constant kind tables of the simulation: pane kinds, actions, goals, licenses, upgrades.
#include "game/OrmelMission.h"

namespace {

constexpr uint64_t K(TPaneKind Kind) {
  return uint64_t{1} << Kind;
}
constexpr uint32_t U(TUpgrade Bit) {
  return uint32_t{1} << Bit;
}

}  // namespace

// Kind, name, hint, texture, variants, idle sound class, action slots 0..12, vulnerable,
// worker factor, work factor, residents, resident class, base happiness, to houses, to blocks,
// service, needs, rent, per resident.
// clang-format off
const TPaneInfo PaneInfos[PaneKindCount] = {
    {pkNone, sidNone, sidNone, "", 1, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkBuildingPlot, sidPaneNameBuildingPlot, sidPaneHintBuildingPlot, "Pane2BuildingPlot", 2, 0, {1,2,3,4,5,6,7,8,9,10,11,12,13}, 0, 1, 1, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkHouse1, sidPaneNameHouse1, sidPaneHintResidential, "Pane4House1", 4, 0, {1,0,21,22,23,26,27,0,0,0,0,14,0}, 1, 2, 8, 4, 1, 0, 1, 0, svNone, 1, 300, 0},
    {pkHouse2, sidPaneNameHouse2, sidPaneHintResidential, "Pane4House2", 4, 0, {1,0,21,22,23,26,27,0,0,0,0,14,0}, 1, 3, 14, 6, 1, 0, 1, 0, svNone, 2, 500, 0},
    {pkHouse3, sidPaneNameHouse3, sidPaneHintResidential, "Pane4House3", 4, 0, {1,0,21,22,23,26,27,0,0,0,0,15,0}, 1, 4, 26, 9, 1, 0, 1, 0, svNone, 3, 850, 0},
    {pkBlock1, sidPaneNameBlock1, sidPaneHintResidential, "Pane4Block1", 4, 0, {1,0,21,22,23,28,29,0,0,0,0,15,0}, 1, 6, 52, 27, 2, 0, -1, 0, svNone, 4, 1800, 0},
    {pkBlock2, sidPaneNameBlock2, sidPaneHintResidential, "Pane4Block2", 4, 0, {1,0,21,22,23,28,29,0,0,0,0,16,0}, 1, 8, 90, 40, 2, 0, -1, 0, svNone, 5, 3000, 0},
    {pkBlock3, sidPaneNameBlock3, sidPaneHintResidential, "Pane4Block3", 4, 0, {1,0,21,22,23,28,29,0,0,0,0,16,0}, 1, 10, 150, 60, 2, 0, -1, 0, svNone, 6, 5000, 0},
    {pkPost, sidPaneNamePost, sidPaneHintCommercial, "Pane2Post", 2, 0, {1,0,21,22,30,0,0,0,0,0,0,15,0}, 1, 5, 30, 0, 0, 0, -1, 0, svPost, 0, 0, 5},
    {pkMarket, sidPaneNameMarket, sidPaneHintCommercial, "Pane2Market", 2, 0, {1,0,21,22,31,0,0,0,0,0,0,16,0}, 1, 6, 50, 0, 0, 0, -1, 0, svMarket, 0, 0, 7},
    {pkRestaurant, sidPaneNameRestaurant, sidPaneHintCommercial, "Pane2Restaurant", 2, 0, {1,0,21,22,32,0,0,0,0,0,0,16,0}, 1, 7, 70, 0, 0, 0, -1, 0, svRestaurant, 0, 0, 9},
    {pkPark, sidPaneNamePark, sidPaneHintRecreation, "Pane2Park", 2, 0, {1,0,21,22,33,0,0,0,0,0,0,14,0}, 1, 7, 60, 0, 0, 2, 1, 1, svPark, 0, 0, 0},
    {pkPlayground, sidPaneNamePlayground, sidPaneHintRecreation, "Pane1Playground", 1, 0, {1,0,21,22,34,0,0,0,0,0,0,14,0}, 1, 8, 80, 0, 0, 3, 1, 1, svPlayground, 0, 0, 0},
    {pkSquare, sidPaneNameSquare, sidPaneHintRecreation, "Pane1Square", 1, 0, {1,0,21,22,35,0,0,0,0,0,0,14,0}, 1, 9, 100, 0, 0, 4, 1, 1, svSquare, 0, 0, 0},
    {pkDebris1, sidPaneNameDebris, sidPaneHintDebris, "Pane1Debris1", 1, 0, {1,0,18,0,0,0,0,0,0,0,0,0,0}, 0, 3, 30, 0, 0, -4, -1, -1, svNone, 0, 0, 0},
    {pkDebris2, sidPaneNameDebris, sidPaneHintDebris, "Pane1Debris2", 1, 0, {1,0,19,0,0,0,0,0,0,0,0,0,0}, 0, 6, 80, 0, 0, -6, -1, -1, svNone, 0, 0, 0},
    {pkDebris3, sidPaneNameDebris, sidPaneHintDebris, "Pane1Debris3", 1, 0, {1,0,20,0,0,0,0,0,0,0,0,0,0}, 0, 9, 150, 0, 0, -8, -1, -1, svNone, 0, 0, 0},
    {pkForest1, sidPaneNameForest, sidPaneHintForest, "Pane2Forest1", 2, 0, {1,0,17,0,0,0,0,0,0,0,0,0,0}, 0, 6, 100, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkForest2, sidPaneNameForest, sidPaneHintForest, "Pane2Forest2", 2, 0, {1,0,17,0,0,0,0,0,0,0,0,0,0}, 0, 6, 100, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkForest3, sidPaneNameForest, sidPaneHintForest, "Pane2Forest3", 2, 0, {1,0,17,0,0,0,0,0,0,0,0,0,0}, 0, 6, 100, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkForest4, sidPaneNameForest, sidPaneHintForest, "Pane2Forest4", 2, 0, {1,0,17,0,0,0,0,0,0,0,0,0,0}, 0, 6, 100, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkWoods1, sidPaneNameForest, sidNone, "Pane2Forest1", 2, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkWoods2, sidPaneNameForest, sidNone, "Pane2Forest2", 2, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkWoods3, sidPaneNameForest, sidNone, "Pane2Forest3", 2, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkWoods4, sidPaneNameForest, sidNone, "Pane2Forest4", 2, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkGrass, sidPaneNameGrass, sidNone, "", 0, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkLake, sidPaneNameLake, sidNone, "", 0, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkRiver, sidPaneNameRiver, sidNone, "", 0, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkField, sidPaneNameField, sidNone, "", 0, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkRock, sidPaneNameRock, sidNone, "", 0, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkRailroad, sidPaneNameRailroad, sidPaneHintRailroad, "", 0, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, -1, -1, svNone, 0, 0, 0},
    {pkOldHouse, sidPaneNameOldHouse, sidPaneHintOldHouse, "Pane1OldHouse1", 1, 0, {1,0,0,0,0,0,0,0,0,0,0,14,0}, 0, 2, 6, 3, 0, 0, -1, 0, svNone, 0, 40, 0},
    {pkOldBlock, sidPaneNameOldBlock, sidPaneHintOldBlock, "Pane1OldBlock1", 1, 0, {1,0,0,0,0,0,0,0,0,0,0,15,0}, 0, 5, 40, 20, 0, 0, -1, 0, svNone, 0, 230, 0},
    {pkStation, sidPaneNameStation, sidPaneHintCommercial, "Pane1Station", 1, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, -1, 0, svNone, 0, 0, 0},
    {pkSawmill, sidPaneNameSawmill, sidPaneHintIndustry, "Pane1Sawmill", 1, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, -2, -1, svNone, 0, 0, 0},
    {pkFactory, sidPaneNameFactory, sidPaneHintIndustry, "Pane2Factory", 2, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, -2, -1, svNone, 0, 0, 0},
    {pkGlade, sidPaneNameGlade, sidNone, "Pane1Glade", 1, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, 0, 0, svNone, 0, 0, 0},
    {pkDump, sidPaneNameDump, sidPaneHintIndustry, "Pane1Dump", 1, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, -2, -1, svNone, 0, 0, 0},
    {pkFarm, sidPaneNameFarm, sidPaneHintFarm, "Pane1Farm", 1, 0, {0,0,0,0,0,0,0,0,0,0,0,0,0}, 0, 0, 0, 0, 0, 0, -1, -1, svNone, 0, 0, 0},
};

// Kind, name, hint, progress caption, icon, colour, work effect, sound class, finish sound,
// finish effect, license, workers, work, material, money, completion, target kind, upgrade bit,
// remove after start, next action.
const TActionInfo ActionInfos[ActionKindCount] = {
    {akNone, sidNone, sidNone, sidNone, 0, 0, "", 0, "", "", lcNone, 0, 0, 0, 0, cpNone, pkNone, upBase, 0, akNone},
    {akAssignWorker, sidActionNameAssignWorker, sidActionHintAssignWorker, sidNone, 1, 4, "", 0, "", "", lcNone, 0, 0, 0, 0, cpAssignWorker, pkNone, upBase, 0, akNone},
    {akConstructHouse1, sidActionNameConstructHouse1, sidActionHintConstructHouse1, sidActionProgressNameConstruct, 6, 10, "DustyJob", 1, "Finish3", "Upgrade", lcHouse1, 4, 80, 80, 0, cpConstruct, pkHouse1, upBase, 0, akNone},
    {akConstructHouse2, sidActionNameConstructHouse2, sidActionHintConstructHouse2, sidActionProgressNameConstruct, 7, 10, "DustyJob", 1, "Finish3", "Upgrade", lcHouse2, 6, 140, 140, 0, cpConstruct, pkHouse2, upBase, 0, akNone},
    {akConstructHouse3, sidActionNameConstructHouse3, sidActionHintConstructHouse3, sidActionProgressNameConstruct, 8, 10, "DustyJob", 1, "Finish3", "Upgrade", lcHouse3, 8, 260, 260, 0, cpConstruct, pkHouse3, upBase, 0, akNone},
    {akConstructBlock1, sidActionNameConstructBlock1, sidActionHintConstructBlock1, sidActionProgressNameConstruct, 9, 9, "DustyJob", 1, "Finish3", "Upgrade", lcBlock1, 12, 520, 520, 0, cpConstruct, pkBlock1, upBase, 0, akNone},
    {akConstructBlock2, sidActionNameConstructBlock2, sidActionHintConstructBlock2, sidActionProgressNameConstruct, 10, 9, "DustyJob", 1, "Finish3", "Upgrade", lcBlock2, 16, 900, 900, 0, cpConstruct, pkBlock2, upBase, 0, akNone},
    {akConstructBlock3, sidActionNameConstructBlock3, sidActionHintConstructBlock3, sidActionProgressNameConstruct, 11, 9, "DustyJob", 1, "Finish3", "Upgrade", lcBlock3, 20, 1500, 1500, 0, cpConstruct, pkBlock3, upBase, 0, akNone},
    {akConstructPost, sidActionNameConstructPost, sidActionHintConstructPost, sidActionProgressNameConstruct, 12, 7, "DustyJob", 1, "Finish3", "Upgrade", lcPost, 10, 300, 300, 0, cpConstruct, pkPost, upBase, 0, akNone},
    {akConstructMarket, sidActionNameConstructMarket, sidActionHintConstructMarket, sidActionProgressNameConstruct, 13, 7, "DustyJob", 1, "Finish3", "Upgrade", lcMarket, 12, 500, 500, 0, cpConstruct, pkMarket, upBase, 0, akNone},
    {akConstructRestaurant, sidActionNameConstructRestaurant, sidActionHintConstructRestaurant, sidActionProgressNameConstruct, 14, 7, "DustyJob", 1, "Finish3", "Upgrade", lcRestaurant, 14, 700, 700, 0, cpConstruct, pkRestaurant, upBase, 0, akNone},
    {akConstructPark, sidActionNameConstructPark, sidActionHintConstructPark, sidActionProgressNameConstruct, 15, 12, "DustyJob", 1, "Finish3", "Upgrade", lcPark, 14, 600, 600, 0, cpConstruct, pkPark, upBase, 0, akNone},
    {akConstructPlayground, sidActionNameConstructPlayground, sidActionHintConstructPlayground, sidActionProgressNameConstruct, 16, 12, "DustyJob", 1, "Finish3", "Upgrade", lcPlayground, 16, 800, 800, 0, cpConstruct, pkPlayground, upBase, 0, akNone},
    {akConstructSquare, sidActionNameConstructSquare, sidActionHintConstructSquare, sidActionProgressNameConstruct, 17, 12, "DustyJob", 1, "Finish3", "Upgrade", lcSquare, 18, 1000, 1000, 0, cpConstruct, pkSquare, upBase, 0, akNone},
    {akDemolish1, sidActionNameDemolish, sidActionHintDemolish, sidActionProgressNameDemolish, 4, 3, "DustyJob", 2, "Demolish", "Demolish", lcNone, 1, 4, 0, 0, cpDemolish, pkDebris1, upBase, 0, akNone},
    {akDemolish2, sidActionNameDemolish, sidActionHintDemolish, sidActionProgressNameDemolish, 4, 3, "DustyJob", 2, "Demolish", "Demolish", lcNone, 1, 4, 0, 0, cpDemolish, pkDebris2, upBase, 0, akNone},
    {akDemolish3, sidActionNameDemolish, sidActionHintDemolish, sidActionProgressNameDemolish, 4, 3, "DustyJob", 2, "Demolish", "Demolish", lcNone, 1, 4, 0, 0, cpDemolish, pkDebris3, upBase, 0, akNone},
    {akClearForest, sidActionNameClear, sidActionHintClear, sidActionProgressNameClear, 5, 11, "", 4, "Finish2", "", lcNone, 1, 1, 0, 30000, cpClear, pkBuildingPlot, upBase, 0, akNone},
    {akClearDebris1, sidActionNameClear, sidActionHintClear, sidActionProgressNameClear, 5, 11, "DustyJob", 3, "Finish2", "", lcNone, 1, 1, 0, 15000, cpClear, pkBuildingPlot, upBase, 0, akNone},
    {akClearDebris2, sidActionNameClear, sidActionHintClear, sidActionProgressNameClear, 5, 11, "DustyJob", 3, "Finish2", "", lcNone, 1, 1, 0, 20000, cpClear, pkBuildingPlot, upBase, 0, akNone},
    {akClearDebris3, sidActionNameClear, sidActionHintClear, sidActionProgressNameClear, 5, 11, "DustyJob", 3, "Finish2", "", lcNone, 1, 1, 0, 25000, cpClear, pkBuildingPlot, upBase, 0, akNone},
    {akRepair, sidActionNameRepair, sidActionHintRepair, sidActionProgressNameRepair, 3, 7, "", 1, "Finish1", "", lcNone, 1, 2, 3, 0, cpRepair, pkNone, upBase, 0, akNone},
    {akInspect, sidActionNameInspect, sidActionHintInspect, sidActionProgressNameInspect, 18, 6, "", 0, "Finish1", "", lcInspection, 1, 3, 0, 0, cpUpgrade, pkNone, upInspected, 1, akNone},
    {akUpgradeClass1, sidActionNameUpgradeClass1, sidActionHintUpgradeIncome, sidActionProgressNameUpgrade, 19, 14, "", 1, "Finish3", "Upgrade", lcNone, 1, 2, 2, 0, cpUpgrade, pkNone, upClass1, 1, akUpgradeClass2},
    {akUpgradeClass2, sidActionNameUpgradeClass2, sidActionHintUpgradeIncome, sidActionProgressNameUpgrade, 19, 14, "", 1, "Finish3", "Upgrade", lcNone, 1, 3, 3, 0, cpUpgrade, pkNone, upClass2, 1, akUpgradeClass3},
    {akUpgradeClass3, sidActionNameUpgradeClass3, sidActionHintUpgradeIncome, sidActionProgressNameUpgrade, 19, 14, "", 1, "Finish3", "Upgrade", lcNone, 1, 4, 4, 0, cpUpgrade, pkNone, upClass3, 1, akNone},
    {akUpgradeHouse1, sidActionNameUpgradeHouse1, sidActionHintUpgradeIncome, sidActionProgressNameUpgrade, 20, 4, "", 1, "Finish3", "Upgrade", lcLandscaping, 1, 1, 1, 0, cpUpgrade, pkNone, upGarden, 1, akNone},
    {akUpgradeHouse2, sidActionNameUpgradeHouse2, sidActionHintUpgradeIncome, sidActionProgressNameUpgrade, 21, 8, "", 1, "Finish3", "Upgrade", lcSecuritySystems, 1, 1, 1, 0, cpUpgrade, pkNone, upSecurity, 1, akNone},
    {akUpgradeBlock1, sidActionNameUpgradeBlock1, sidActionHintUpgradeIncome, sidActionProgressNameUpgrade, 22, 15, "", 1, "Finish3", "Upgrade", lcInternetProvider, 1, 1, 1, 0, cpUpgrade, pkNone, upInternet, 1, akNone},
    {akUpgradeBlock2, sidActionNameUpgradeBlock2, sidActionHintUpgradeIncome, sidActionProgressNameUpgrade, 23, 2, "", 1, "Finish3", "Upgrade", lcFireProtection, 1, 1, 1, 0, cpUpgrade, pkNone, upFireProtection, 1, akNone},
    {akUpgradePost1, sidActionNameUpgradePost1, sidActionHintUpgradeIncome, sidActionProgressNameUpgrade, 24, 10, "", 1, "Finish3", "Upgrade", lcSecuritySystems, 1, 4, 4, 0, cpUpgrade, pkNone, upBank, 1, akNone},
    {akUpgradeMarket1, sidActionNameUpgradeMarket1, sidActionHintUpgradeIncome, sidActionProgressNameUpgrade, 25, 9, "", 1, "Finish3", "Upgrade", lcFireProtection, 1, 4, 5, 0, cpUpgrade, pkNone, upBakery, 1, akNone},
    {akUpgradeRestaurant1, sidActionNameUpgradeRestaurant1, sidActionHintUpgradeIncome, sidActionProgressNameUpgrade, 26, 5, "", 1, "Finish3", "Upgrade", lcInternetProvider, 1, 4, 5, 0, cpUpgrade, pkNone, upCafe, 1, akNone},
    {akUpgradePark1, sidActionNameUpgradePark1, sidActionHintUpgradeHappiness, sidActionProgressNameUpgrade, 27, 14, "", 1, "Finish3", "Upgrade", lcLandscaping, 1, 3, 5, 0, cpUpgrade, pkNone, upExoticTrees, 1, akNone},
    {akUpgradePlayground1, sidActionNameUpgradePlayground1, sidActionHintUpgradeHappiness, sidActionProgressNameUpgrade, 28, 1, "", 1, "Finish3", "Upgrade", lcEventOrganizer, 1, 3, 4, 0, cpUpgrade, pkNone, upLeague, 1, akNone},
    {akUpgradeSquare1, sidActionNameUpgradeSquare1, sidActionHintUpgradeHappiness, sidActionProgressNameUpgrade, 29, 11, "", 1, "Finish3", "Upgrade", lcEventOrganizer, 1, 3, 4, 0, cpUpgrade, pkNone, upAttraction, 1, akNone},
};

// Kind, name, icon code, measure, counted pane kinds, required upgrades, ranged, min, max.
const TGoalInfo GoalInfos[GoalKindCount] = {
    {gkNone, sidNone, 0, msNone, 0, 0, 0, 0, 0},
    {gkMoney, sidGoalNameMoney, 1, msMoney, 0, 0, 1, 100000, 100000000},
    {gkIncome, sidGoalNameIncome, 1, msIncome, 0, 0, 1, 3500, 350000},
    {gkHappiness, sidGoalNameHappiness, 9, msHappiness, 0, 0, 1, 10, 200},
    {gkResidents, sidGoalNameResidents, 20, msResidents, 0, 0, 1, 10, 1500},
    {gkMaterial, sidGoalNameMaterial, 2, msMaterial, 0, 0, 1, 1000, 100000},
    {gkWorkers, sidGoalNameWorkers, 3, msWorkers, 0, 0, 1, 10, 100},
    {gkBuilding, sidGoalNameBuilding, 12, msCount, K(pkHouse1) | K(pkHouse2) | K(pkHouse3) | K(pkBlock1) | K(pkBlock2) | K(pkBlock3) | K(pkPost) | K(pkMarket) | K(pkRestaurant) | K(pkPark) | K(pkPlayground) | K(pkSquare) | K(pkOldHouse), 0, 1, 2, 25},
    {gkBuildingInspection, sidGoalNameBuildingInspection, 12, msCountUpgraded, K(pkHouse1) | K(pkHouse2) | K(pkHouse3) | K(pkBlock1) | K(pkBlock2) | K(pkBlock3) | K(pkPost) | K(pkMarket) | K(pkRestaurant) | K(pkPark) | K(pkPlayground) | K(pkSquare), U(upInspected), 1, 2, 25},
    {gkHouse1, sidGoalNameHouse1, 11, msCount, K(pkHouse1), 0, 1, 2, 25},
    {gkHouse2, sidGoalNameHouse2, 11, msCount, K(pkHouse2), 0, 1, 2, 25},
    {gkHouse3, sidGoalNameHouse3, 11, msCount, K(pkHouse3), 0, 1, 2, 25},
    {gkHouses, sidGoalNameHouses, 11, msCount, K(pkHouse1) | K(pkHouse2) | K(pkHouse3) | K(pkOldHouse), 0, 1, 2, 25},
    {gkHousesClass1, sidGoalNameHousesClass1, 11, msCountUpgraded, K(pkHouse1) | K(pkHouse2) | K(pkHouse3), U(upClass1), 1, 2, 25},
    {gkHousesClass3, sidGoalNameHousesClass3, 11, msCountUpgraded, K(pkHouse1) | K(pkHouse2) | K(pkHouse3), U(upClass1) | U(upClass2) | U(upClass3), 1, 2, 25},
    {gkHousesGarden, sidGoalNameHousesGarden, 11, msCountUpgraded, K(pkHouse1) | K(pkHouse2) | K(pkHouse3), U(upGarden), 1, 2, 25},
    {gkHousesSecurity, sidGoalNameHousesSecurity, 11, msCountUpgraded, K(pkHouse1) | K(pkHouse2) | K(pkHouse3), U(upSecurity), 1, 2, 25},
    {gkBlock1, sidGoalNameBlock1, 12, msCount, K(pkBlock1), 0, 1, 2, 25},
    {gkBlock2, sidGoalNameBlock2, 12, msCount, K(pkBlock2), 0, 1, 2, 25},
    {gkBlock3, sidGoalNameBlock3, 12, msCount, K(pkBlock3), 0, 1, 2, 25},
    {gkBlocks, sidGoalNameBlocks, 12, msCount, K(pkBlock1) | K(pkBlock2) | K(pkBlock3), 0, 1, 2, 25},
    {gkBlocksClass1, sidGoalNameBlocksClass1, 12, msCountUpgraded, K(pkBlock1) | K(pkBlock2) | K(pkBlock3), U(upClass1), 1, 2, 25},
    {gkBlocksClass3, sidGoalNameBlocksClass3, 12, msCountUpgraded, K(pkBlock1) | K(pkBlock2) | K(pkBlock3), U(upClass1) | U(upClass2) | U(upClass3), 1, 2, 25},
    {gkBlocksInternet, sidGoalNameBlocksInternet, 12, msCountUpgraded, K(pkBlock1) | K(pkBlock2) | K(pkBlock3), U(upInternet), 1, 2, 25},
    {gkBlocksFireProtection, sidGoalNameBlocksFireProtection, 12, msCountUpgraded, K(pkBlock1) | K(pkBlock2) | K(pkBlock3), U(upFireProtection), 1, 2, 25},
    {gkPost, sidGoalNamePost, 14, msCount, K(pkPost), 0, 0, 1, 1},
    {gkPostBank, sidGoalNamePostBank, 14, msCountUpgraded, K(pkPost), U(upBank), 0, 1, 1},
    {gkMarket, sidGoalNameMarket, 15, msCount, K(pkMarket), 0, 0, 1, 1},
    {gkMarketBakery, sidGoalNameMarketBakery, 15, msCountUpgraded, K(pkMarket), U(upBakery), 0, 1, 1},
    {gkRestaurant, sidGoalNameRestaurant, 16, msCount, K(pkRestaurant), 0, 0, 1, 1},
    {gkRestaurantCafe, sidGoalNameRestaurantCafe, 16, msCountUpgraded, K(pkRestaurant), U(upCafe), 0, 1, 1},
    {gkPark, sidGoalNamePark, 17, msCount, K(pkPark), 0, 0, 1, 1},
    {gkParkExoticTrees, sidGoalNameParkExoticTrees, 17, msCountUpgraded, K(pkPark), U(upExoticTrees), 0, 1, 1},
    {gkPlayground, sidGoalNamePlayground, 18, msCount, K(pkPlayground), 0, 0, 1, 1},
    {gkPlaygroundLeague, sidGoalNamePlaygroundLeague, 18, msCountUpgraded, K(pkPlayground), U(upLeague), 0, 1, 1},
    {gkSquare, sidGoalNameSquare, 19, msCount, K(pkSquare), 0, 0, 1, 1},
    {gkSquareAttraction, sidGoalNameSquareAttraction, 19, msCountUpgraded, K(pkSquare), U(upAttraction), 0, 1, 1},
};

const TLicenseInfo LicenseInfos[LicenseCount] = {
    {lcNone, sidNone, 0},
    {lcHouse1, sidLicenseNameHouse1, 25000},
    {lcHouse2, sidLicenseNameHouse2, 50000},
    {lcHouse3, sidLicenseNameHouse3, 75000},
    {lcBlock1, sidLicenseNameBlock1, 150000},
    {lcBlock2, sidLicenseNameBlock2, 225000},
    {lcBlock3, sidLicenseNameBlock3, 300000},
    {lcPost, sidLicenseNamePost, 50000},
    {lcMarket, sidLicenseNameMarket, 75000},
    {lcRestaurant, sidLicenseNameRestaurant, 100000},
    {lcPark, sidLicenseNamePark, 60000},
    {lcPlayground, sidLicenseNamePlayground, 80000},
    {lcSquare, sidLicenseNameSquare, 100000},
    {lcInspection, sidLicenseNameInspection, 150000},
    {lcLandscaping, sidLicenseNameLandscaping, 75000},
    {lcSecuritySystems, sidLicenseNameSecuritySystems, 100000},
    {lcInternetProvider, sidLicenseNameInternetProvider, 125000},
    {lcFireProtection, sidLicenseNameFireProtection, 150000},
    {lcEventOrganizer, sidLicenseNameEventOrganizer, 125000},
};

// Bit, prevents damage, income bonus (percent), happiness bonus.
const TUpgradeInfo UpgradeInfos[UpgradeCount] = {
    {upBase, 0, 0, 0},          {upInspected, 1, 0, 0},     {upClass1, 0, 10, 0},
    {upClass2, 0, 20, 0},       {upClass3, 0, 30, 0},       {upGarden, 0, 20, 0},
    {upSecurity, 0, 20, 0},     {upInternet, 0, 20, 0},     {upFireProtection, 0, 20, 0},
    {upBank, 0, 50, 0},         {upBakery, 0, 50, 0},       {upCafe, 0, 50, 0},
    {upExoticTrees, 0, 0, 2},   {upLeague, 0, 0, 3},        {upAttraction, 0, 0, 4},
};
// clang-format on
