#include <gtest/gtest.h>

#include "app/EngineRegister.h"
#include "engine/EngineLanguages.h"
#include "game/OrmelMission.h"

namespace {

std::string C(int Code) {
  return std::string(1, static_cast<char>(Code));
}

// Every text id reads as its own name without the "sid" prefix and the kind prefix, so the
// expected texts stay readable: sidLabelIncome -> "Income", sidGoalNameMoney -> "Money".
class Texts : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedMissionRandom(9);
    for (int Id = 1; Id < sidCount; ++Id) {
      std::string Name = StringIdNames[Id];
      for (const char* Prefix :
           {"sidLabel", "sidGoalName", "sidPaneName", "sidPaneHint", "sidActionName",
            "sidActionHint", "sidActionProgressName", "sidLicenseName", "sid"})
        if (Name.rfind(Prefix, 0) == 0) {
          Name = Name.substr(std::string(Prefix).size());
          break;
        }
      Strings[Id] = Name;
    }
    ThousandsSeparator = ' ';
    CurrencySymbol = '$';
    Register.Difficulty = 0;
    Register.Deadline = true;
    for (int X = 0; X < 5; ++X)
      for (int Y = 0; Y < 5; ++Y) M.Pane(X, Y)->Place(0, pkBuildingPlot, 0);
    M.MaterialOrders = M.WorkerOrders = -1;
    M.HappinessOn = M.ResidentsOn = 1;
    M.OwnedLicenses = 1u | 1u << lcHouse1;
  }
  TMission M{nullptr};
};

TEST_F(Texts, NumberFormats) {
  const std::pair<int64_t, const char*> Money[] = {{0, "$0"},
                                                   {999, "$999"},
                                                   {1000, "$1 000"},
                                                   {999999, "$999 999"},
                                                   {1000000, "$1 000 000"},
                                                   {1200000, "$1 200 000"},
                                                   {-5000, "$-5000"}};
  for (auto [Value, Text] : Money) EXPECT_EQ(FormatMoney(Value), Text);
  const std::pair<int64_t, const char*> Grouped[] = {
      {999, "999"}, {1000, "1 000"}, {1500000, "1500 000"}, {-2500, "-2 500"}};
  for (auto [Value, Text] : Grouped) EXPECT_EQ(FormatGrouped(Value), Text);
  EXPECT_EQ(FormatSignedHappiness(3), "+3 " + C(9));
  EXPECT_EQ(FormatSignedHappiness(0), "+0 " + C(9));
  EXPECT_EQ(FormatSignedHappiness(-2), "-2 " + C(10));
  EXPECT_EQ(BracketText(sidPaneHintForest), "(Forest)");
  Strings[sidPaneHintForest].clear();
  EXPECT_EQ(BracketText(sidPaneHintForest), "");
}

TEST_F(Texts, GoalFormats) {
  const std::pair<std::pair<uint8_t, int32_t>, std::string> Cases[] = {
      {{gkMoney, 0}, C(1) + " $(100 000 - 100 000 000) Money"},
      {{gkIncome, 6500}, C(1) + " $6 500 Income"},
      {{gkResidents, 1500}, C(20) + " 1 500 Residents"},
      {{gkResidents, 0}, C(20) + " (10 - 1 500) Residents"},
      {{gkHappiness, 0}, C(9) + " (10 - 200) Happiness"},
      {{gkHouse1, 3}, C(11) + " 3 House1"},
      {{gkPost, 1}, C(14) + " Post"},
      {{gkSquareAttraction, 0}, C(19) + " SquareAttraction"},
  };
  for (const auto& [Goal, Text] : Cases) EXPECT_EQ(FormatGoal(Goal.first, Goal.second), Text);
}

TEST_F(Texts, SharedPieces) {
  EXPECT_EQ(AffectText(1, 1), "Affect +1 " + C(9) + " " + C(11) + " " + C(12));
  EXPECT_EQ(AffectText(-1, 0), "Affect -1 " + C(10) + " " + C(11));
  EXPECT_EQ(AffectText(0, -1), "Affect -1 " + C(10) + " " + C(12));
  EXPECT_EQ(AffectText(-2, -1), "Affect -2 " + C(10) + " " + C(11) + ", -1 " + C(10) + " " + C(12));
  EXPECT_EQ(CostText(0, true), C(1) + C(8) + C(5) + "Cost");
  EXPECT_EQ(CostText(1, false), C(2) + C(8) + C(6) + "Material");
  EXPECT_EQ(CostText(3, true), C(4) + C(8) + C(5));
  M.ServiceCount[svPost] = 1;
  EXPECT_EQ(M.NeedsText(3),
            "Needs " + C(14) + C(8) + C(5) + C(15) + C(8) + C(7) + C(16) + C(8) + C(7));
  TPane& P = *M.Pane(0, 0);
  EXPECT_EQ(P.UpgradeNames(), "");
  P.Upgrades |= 1u << upInspected | 1u << upAttraction;
  EXPECT_EQ(P.UpgradeNames(), C(16) + C(29));
}

TEST_F(Texts, StatisticsFollowTheRules) {
  M.Income = 1500;
  M.Happiness = -3;
  M.Residents = 1200;
  TStats Lines;
  M.GetStatsTexts(Lines);
  EXPECT_EQ(Lines[0], C(1) + " Income $1 500");
  EXPECT_EQ(Lines[1], C(9) + " Happiness -3");
  EXPECT_EQ(Lines[2], C(20) + " Residents 1 200");
  M.HappinessOn = 0;
  M.GetStatsTexts(Lines);
  EXPECT_EQ(Lines[1], C(20) + " Residents 1 200");
  EXPECT_EQ(Lines[2], "");
  M.ResidentsOn = 0;
  M.GetStatsTexts(Lines);
  EXPECT_EQ(Lines[1], "");
}

TEST_F(Texts, TimeTextShowsTheOpenMedalTheDeadlineAndTheTrophy) {
  M.Scenario = 6;
  M.GoldTime = 600;
  M.SilverTime = 720;
  M.Deadline = 870;
  M.Goals[0] = TGoal{gkHappiness, 0, 20, 0};
  const std::string Deadline = C(24) + " DeadlineTime 14:30";
  Strings[sidLabelDeadline] = "DeadlineTime";
  const std::string Trophy = C(26) + " TrophyGoal " + FormatGoal(gkHappiness, 20);
  EXPECT_EQ(M.GetTimeText(), C(22) + " GoldTime 10:00" + C(13) + Deadline + C(13) + Trophy);
  M.Time = 600;
  M.Goals[0].Reached = 1;
  EXPECT_EQ(M.GetTimeText(), C(23) + " SilverTime 12:00" + C(13) + Deadline + C(13) + C(26) + C(8) +
                                 C(5) + "TrophyGoal " + FormatGoal(gkHappiness, 20));
  M.Time = 720;
  M.Goals[0] = TGoal{};
  Register.Deadline = false;
  EXPECT_EQ(M.GetTimeText(), "");
}

TEST_F(Texts, GoalsTextMarksAndCounts) {
  M.AddGoal(true, gkHouse2, 6);
  M.AddGoal(true, gkPost, 1);
  M.AddGoal(true, gkMoney, 200000);
  M.Pane(0, 0)->Place(0, pkHouse2, 0);
  M.Pane(1, 0)->Place(0, pkPost, 0);
  M.Update(0);
  EXPECT_EQ(M.GetGoalsText(), C(30) + " " + C(11) + " 6 House2 (YouHave 1)" + C(13) + C(31) + " " +
                                  C(14) + " Post" + C(13) + C(30) + " " + C(1) + " $200 000 Money");
}

TEST_F(Texts, LicenseText) {
  M.Money = 60000;
  M.AvailableLicenses = 1u | 1u << lcHouse1 | 1u << lcHouse2 | 1u << lcHouse3;
  const std::pair<int32_t, std::string> Cases[] = {
      {-1, ""},
      {lcHouse1, "House1" + C(13) + "Owned"},
      {lcHouse2, "House2" + C(13) + CostText(0, true) + " $50 000"},
      {lcHouse3, "House3" + C(13) + CostText(0, false) + " $75 000"},
      {lcBlock1, "Block1" + C(13) + "Locked"},
  };
  for (const auto& [License, Text] : Cases) {
    M.HoveredLicense = License;
    EXPECT_EQ(M.GetLicenseText(), Text);
  }
}

TEST_F(Texts, InformationAboutFixedIconsAndActions) {
  TInfoStrings Lines;
  M.Money = 10000;
  M.HoveredAction = 13;
  M.GetInfoTexts(Lines);
  EXPECT_EQ(Lines[0], "OrderMaterial");
  EXPECT_EQ(Lines[1], "(OrderMaterial)");
  EXPECT_EQ(Lines[2], CostText(0, false) + " $20 000");
  M.HoveredAction = 18;
  M.GetInfoTexts(Lines);
  EXPECT_EQ(Lines[0], "Restart");
  EXPECT_EQ(Lines[2], "");
  M.HoveredAction = 1;
  M.GetInfoTexts(Lines);
  EXPECT_EQ(Lines[0], "");  // an action icon without a selected pane

  Register.Difficulty = 1;
  M.Material = 50;
  M.FreeWorkers = 4;
  M.SelectPane(2, 2);
  M.GetInfoTexts(Lines);
  const TInfoStrings House1 = {"ConstructHouse1",
                               "(ConstructHouse1)",
                               CostText(1, false) + " 80    " + CostText(2, true) + " 4",
                               CostText(3, true) + "House1",
                               AffectText(1, 0),
                               "RentalIncome $375",
                               "Residents 4",
                               ""};
  EXPECT_EQ(Lines, House1);

  M.Pane(2, 2)->Place(0, pkPark, 0);
  M.HoveredAction = 4;
  M.OwnedLicenses = 1u;
  M.GetInfoTexts(Lines);
  EXPECT_EQ(Lines[2], CostText(1, false) + " 300    " + CostText(2, false) + " 7");
  EXPECT_EQ(Lines[3], CostText(3, false) + "Landscaping");
  EXPECT_EQ(Lines[4], "HappinessBonus +2 " + C(9));
}

TEST_F(Texts, InformationAboutTheSelectedPane) {
  TInfoStrings Lines;
  TPane& House = *M.Pane(1, 1);
  House.Place(0, pkHouse1, 0);
  M.Pane(1, 2)->Place(0, pkPark, 0);
  M.Update(0);
  M.SelectPane(1, 1);
  M.GetInfoTexts(Lines);
  const TInfoStrings Idle = {
      "House1", "(Residential)", AffectText(1, 0), "Income $300", M.NeedsText(1), "Residents 4", "",
      ""};
  EXPECT_EQ(Lines, Idle);

  House.Damaged = 1;
  M.GetInfoTexts(Lines);
  const TInfoStrings Damaged = {"House1", "(Damaged)", AffectText(1, 0), "Residents 4", "", "",
                                "",       ""};
  EXPECT_EQ(Lines, Damaged);

  House.Damaged = 0;
  M.Material = M.FreeWorkers = 100;
  House.StartAction(4);
  M.GetInfoTexts(Lines);
  const TInfoStrings Busy = {"House1", "(Upgrade)", "AssignedWorkers 2", "MaxWorkers 3", "", "",
                             "",       ""};
  EXPECT_EQ(Lines, Busy);
  M.HoveredAction = 0;
  M.FreeWorkers = 0;
  M.GetInfoTexts(Lines);
  EXPECT_EQ(Lines[4], "NoWorkers");
}

}  // namespace
