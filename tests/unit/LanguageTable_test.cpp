// The English language table as the game ships it: complete, well formed, in step with the
// scenario data, and every text fits the box of the control that shows it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/EngineRegister.h"
#include "engine/EngineLanguages.h"
#include "game/OrmelMission.h"

namespace {

const std::string LanguageFolder = PLOTSTEAD_SOURCE_DIR "/content/Languages/English/";
const std::string FontTable = PLOTSTEAD_BIN_DIR "/Textures/DefaultFont.tsg";

std::string ReadFile(const std::string& Path) {
  std::ifstream File(Path, std::ios::binary);
  std::stringstream Content;
  Content << File.rdbuf();
  return Content.str();
}

std::vector<std::string> Lines(const std::string& Content) {
  std::vector<std::string> Result;
  std::string Line;
  std::istringstream Stream(Content);
  while (std::getline(Stream, Line)) {
    if (!Line.empty() && Line.back() == '\r') Line.pop_back();
    Result.push_back(Line);
  }
  return Result;
}

// Loads the table the way the game does, including the separator and currency fallbacks.
void LoadEnglish() {
  for (std::string& Text : Strings) Text.clear();
  ASSERT_TRUE(LoadLanguageFile(LanguageFolder));
  ThousandsSeparator = Strings[sidThousandsSeparator].size() == 1 ? Strings[sidThousandsSeparator][0] : ' ';
  CurrencySymbol = Strings[sidCurrencySymbol].size() == 1 ? Strings[sidCurrencySymbol][0] : '$';
}

std::string Flat(std::string Text) {
  std::replace(Text.begin(), Text.end(), '\r', ' ');
  std::transform(Text.begin(), Text.end(), Text.begin(),
                 [](unsigned char C) { return static_cast<char>(std::tolower(C)); });
  return Text;
}

// True when Number occurs in Text as a whole number, not as part of a longer one.
bool HasNumber(const std::string& Text, const std::string& Number) {
  auto IsDigitLike = [](char C) { return std::isdigit(static_cast<unsigned char>(C)) || C == ','; };
  for (size_t At = Text.find(Number); At != std::string::npos; At = Text.find(Number, At + 1)) {
    bool StartsClean = At == 0 || (!IsDigitLike(Text[At - 1]) && Text[At - 1] != '$');
    size_t End = At + Number.size();
    bool EndsClean = End == Text.size() || !IsDigitLike(Text[End]) ||
                     (Text[End] == ',' && (End + 1 == Text.size() || Text[End + 1] == ' '));
    if (StartsClean && EndsClean) return true;
  }
  return false;
}

}  // namespace

// ---- The file itself -------------------------------------------------------------------------

TEST(LanguageTable, HasEveryIdExactlyOnceAndNothingElse) {
  std::map<std::string, int> Sections;
  for (const std::string& Line : Lines(ReadFile(LanguageFolder + "Language.txt"))) {
    std::string Code = Line.substr(0, Line.find("//"));
    size_t Open = Code.find('['), Close = Code.find(']');
    if (Open == std::string::npos || Close == std::string::npos) continue;
    ASSERT_LT(Open, Close) << Line;
    std::string Name = Code.substr(Open + 1, Close - Open - 1);
    EXPECT_NE(FindStringId(Name), sidNone) << "unknown section: " << Line;
    ++Sections[Name];
  }
  for (int Id = 1; Id < sidCount; ++Id)
    EXPECT_EQ(Sections[StringIdNames[Id]], 1) << StringIdNames[Id];
  EXPECT_EQ(Sections.size(), size_t(sidCount - 1));
}

TEST(LanguageTable, EveryTextIsPresentAndPrintable) {
  LoadEnglish();
  for (int Id = 1; Id < sidCount; ++Id) {
    const std::string& Text = Strings[Id];
    EXPECT_FALSE(Text.empty()) << StringIdNames[Id];
    for (unsigned char C : Text) {
      // Line breaks, and Windows-1252 characters that have a glyph in the font.
      bool Printable = C == 13 || (C >= 32 && C != 127 && C != 0x81 && C != 0x8D && C != 0x8F &&
                                   C != 0x90 && C != 0x9D);
      EXPECT_TRUE(Printable) << StringIdNames[Id] << " has character " << int(C);
    }
  }
}

// A "//" after text would silently cut that text short, so comments stand on lines of their own.
TEST(LanguageTable, CommentsNeverCutATextShort) {
  for (const std::string& Line : Lines(ReadFile(LanguageFolder + "Language.txt"))) {
    size_t Comment = Line.find("//");
    if (Comment == std::string::npos) continue;
    EXPECT_EQ(Line.find_first_not_of(" \t"), Comment) << Line;
  }
}

TEST(LanguageTable, SeparatorAndCurrencyAreOneCharacterEach) {
  LoadEnglish();
  EXPECT_EQ(Strings[sidThousandsSeparator], ",");
  EXPECT_EQ(Strings[sidCurrencySymbol], "$");
  EXPECT_EQ(FormatMoney(1234567), "$1,234,567");
}

TEST(LanguageTable, HelpPagesStartWithACaptionLine) {
  LoadEnglish();
  std::vector<int> Pages;
  for (int Id = sidHelpRules1; Id <= sidHelpSandbox4; ++Id) Pages.push_back(Id);
  for (int Id : Pages) {
    const std::string& Text = Strings[Id];
    size_t Break = Text.find('\r');
    ASSERT_NE(Break, std::string::npos) << StringIdNames[Id];
    EXPECT_GT(Break, 0u) << StringIdNames[Id];
    EXPECT_NE(Text.find_first_not_of("\r ", Break), std::string::npos) << StringIdNames[Id];
  }
}

// Each start text states its scenario's goals: the number of every goal that has one, and the
// name of every goal that has none.
TEST(LanguageTable, StartTextsStateTheScenarioGoals) {
  LoadEnglish();
  for (int N = 1; N <= CampaignScenarioCount; ++N) {
    const TScenarioInfo& Info = ScenarioInfos[N];
    const std::string Text = Strings[sidScenarioStart1 + 2 * (N - 1)];
    std::vector<TGoalSetting> Goals(std::begin(Info.Goals), std::end(Info.Goals));
    Goals.push_back(Info.Trophy);
    for (const TGoalSetting& Goal : Goals) {
      if (Goal.Kind == gkNone) continue;
      const TGoalInfo& Kind = GoalInfos[Goal.Kind];
      if (Kind.Ranged) {
        std::string Number = Kind.Measure <= 2 ? FormatMoney(Goal.Target) : FormatGrouped(Goal.Target);
        EXPECT_TRUE(HasNumber(Text, Number)) << "scenario " << N << " lacks " << Number;
      } else {
        EXPECT_NE(Flat(Text).find(Flat(Strings[Kind.NameId])), std::string::npos)
            << "scenario " << N << " lacks " << Strings[Kind.NameId];
      }
    }
  }
}

TEST(LanguageTable, NumberMatchingSeesWholeNumbersOnly) {
  struct Case {
    const char* Text;
    const char* Number;
    bool Found;
  } Cases[] = {
      {"a happiness of 10.", "10", true},     {"100 residents", "10", false},
      {"build 3 small houses", "3", true},    {"$6,500 per payout", "$6,500", true},
      {"$16,500 per payout", "$6,500", false}, {"2,000 material", "2,000", true},
      {"12,000 material", "2,000", false},    {"4 houses, 5 blocks", "4", true},
  };
  for (const Case& C : Cases) EXPECT_EQ(HasNumber(C.Text, C.Number), C.Found) << C.Text;
}

// ---- Every text fits where it is shown ----------------------------------------------------------
//
// The bitmap font has no word wrap: a line wider than its box, or a block taller than it, is
// squeezed to fit. The boxes and font sizes below are those of the screens; each text is laid
// out with the glyph widths of the built font exactly as the text layout does it, and may be
// squeezed by a few percent at most.

namespace {

constexpr float GlyphSpacing = 4.0f;  // subtracted from every glyph's advance
constexpr float LeastSqueeze = 0.95f;

struct TFont {
  std::array<float, 256> Width{};
  float LineHeight = 0;
};

// Reads the font's segment table: SEGMENTS = n, then SEGMENT<code> = x, y, w, h.
bool LoadFont(const std::string& Path, TFont& Font) {
  std::ifstream File(Path);
  if (!File) return false;
  std::string Line;
  while (std::getline(File, Line)) {
    size_t Equals = Line.find('=');
    if (Equals == std::string::npos || Line.compare(0, 7, "SEGMENT") != 0) continue;
    std::string Key = Line.substr(7, Equals - 7);
    if (Key.empty() || Key[0] == 'S') continue;
    int Code = std::stoi(Key);
    int X, Y, W, H;
    if (Code < 0 || Code > 255 ||
        std::sscanf(Line.c_str() + Equals + 1, " %d , %d , %d , %d", &X, &Y, &W, &H) != 4)
      continue;
    Font.Width[Code] = float(W);
    if (Code == 0) Font.LineHeight = float(H);
  }
  return Font.LineHeight > 0;
}

struct TPlacement {
  std::string Where;
  std::string Text;
  float BoxWidth, BoxHeight, Size;
  int Id = 0;  // the text shown in parts, when it is not shown whole
};

// How much the layout squeezes a text into its box: 1 when it fits, else the smaller of the
// width ratio of its widest line and the height ratio of the block.
float Squeeze(const TFont& Font, const TPlacement& P) {
  float PenX = 0, Least = 1;
  int LineCount = 0;
  for (size_t i = 0; i < P.Text.size(); ++i) {
    unsigned char Code = P.Text[i];
    float W = P.Size * Font.Width[Code];
    if (W > 0) PenX += (Code == 8 ? -1 : 1) * (W - P.Size * GlyphSpacing);
    if (Code == 13 || i + 1 == P.Text.size()) {
      float LineWidth = PenX + P.Size * GlyphSpacing;
      if (LineWidth > P.BoxWidth) Least = std::min(Least, P.BoxWidth / LineWidth);
      ++LineCount;
      PenX = 0;
    }
  }
  float Height = LineCount * P.Size * Font.LineHeight;
  if (Height > P.BoxHeight) Least = std::min(Least, P.BoxHeight / Height);
  return Least;
}

std::string Chr(int Code) { return std::string(1, char(Code)); }
std::string S(int Id) { return Strings[Id]; }

class Placements {
 public:
  std::vector<TPlacement> List;

  void Add(const std::string& Where, const std::string& Text, float W, float H, float Size,
           int Id = 0) {
    List.push_back({Where, Text, W, H, Size, Id});
  }
  // Bump buttons: caption box 25 x 15 smaller than the button.
  void Bump(int Id, float W, float H, float Size) { Add("button", S(Id), W - 25, H - 15, Size); }
  // A radio option while selected carries the two marker glyphs around its caption.
  void Option(int Id, float W) {
    Add("option", Chr(28) + " " + S(Id) + " " + Chr(29), W - 25, 45, 0.9375f);
  }

  void AddScreens();
  void AddDialogs();
  void AddMissionPanels();
};

void Placements::AddScreens() {
  // Menu.
  Add("menu welcome", S(sidWelcome) + " Maximilian", 500, 40, 1.25f);
  Add("menu link", S(sidWrongProfile), 400, 30, 0.78125f);
  Add("menu link", S(sidButtonAbout), 100, 30, 0.78125f);
  for (int Id : {sidButtonCampaign, sidButtonSandbox, sidButtonOptions, sidButtonQuit})
    Bump(Id, 200, 60, 0.9375f);
  // Profiles.
  Add("profiles title", S(sidLabelProfiles), 300, 40, 1.25f);
  Add("profiles help", S(sidHelpProfiles), 620, 100, 0.78125f);
  Add("profiles label", S(sidLabelChooseProfile), 300, 30, 0.9375f);
  Add("profile", Chr(28) + " " + S(sidDefaultPlayerName) + " " + Chr(29), 275, 45, 0.9375f);
  for (int Id : {sidButtonNew, sidButtonDelete, sidButtonOK}) Bump(Id, 200, 60, 0.9375f);
  // Campaign, preview and sandbox screens.
  for (int Id : {sidButtonStart, sidButtonCancel}) Bump(Id, 200, 60, 0.9375f);
  for (int Id : {sidButtonContinue, sidButtonSelect, sidButtonNewScenario, sidButtonCancel})
    Bump(Id, 300, 60, 0.9375f);
  for (int Id : {sidButtonSetDeadline, sidButtonAddGoal, sidButtonRemoveGoal, sidButtonPrevMap,
                 sidButtonNextMap})
    Bump(Id, 200, 40, 0.78125f);
  for (int Id : {sidButtonStart, sidButtonHelp, sidButtonCancel}) Bump(Id, 200, 60, 0.9375f);
  // Tutorial messages and their two links.
  for (int Id = sidStageTutorial1_1; Id <= sidStageTutorial12_3; ++Id)
    Add("tutorial", S(Id), 480, 160, 0.75f);
  Add("stage link", S(sidButtonContinue), 150, 25, 0.78125f);
  Add("stage link", S(sidSkipTutorial), 320, 20, 0.625f);
}

void Placements::AddDialogs() {
  // Message, query and input captions.
  for (int Id : {sidMsgTooManyProfiles, sidMsgProfileAlreadyExists, sidMsgCantDeleteProfile,
                 sidMsgFailed, sidMsgSandboxSuccess, sidQueryDeleteProfile, sidQueryEnterSandbox,
                 sidQueryQuitGame, sidQueryRestart, sidQueryExit, sidQuerySelectScn,
                 sidQueryNewSandbox})
    Add("message", S(Id), 620, 180, 0.9375f);
  for (int Id : {sidInputName, sidInputDeadline}) Add("input", S(Id), 620, 90, 0.9375f);
  for (int Id : {sidButtonOK, sidButtonYes, sidButtonNo, sidButtonClose, sidButtonCancel})
    Bump(Id, 200, 60, 0.9375f);
  // The advisor's start, end and award bubbles.
  for (int Id = sidScenarioStart1; Id <= sidScenarioEnd24; ++Id) Add("advisor", S(Id), 480, 160, 0.75f);
  Add("advisor link", S(sidButtonOK), 100, 25, 0.78125f);
  for (int Id : {sidAwardGold, sidAwardSilver, sidAwardTrophy1, sidCompletedGoldStars,
                 sidCompletedSilverStars, sidCompletedTrophies, sidComletedCampaign})
    Add("award", S(Id), 480, 160, 0.75f);
  for (int Medal : {sidAwardGold, sidAwardSilver})
    Add("award", S(Medal) + "\r" + S(sidAwardTrophy2), 480, 160, 0.75f);
  Add("award", S(sidCompletedGoldStars) + "\r" + S(sidCompletedTrophies), 480, 160, 0.75f);
  // Help pages: the caption line above, the rest below.
  for (int Id = sidHelpRules1; Id <= sidHelpSandbox4; ++Id) {
    const std::string& Page = S(Id);
    size_t Break = Page.find('\r');
    Add("help caption", Page.substr(0, Break), 640, 40, 1.25f, Id);
    size_t Body = Page.find_first_not_of("\r ", Break);
    Add("help page", Body == std::string::npos ? "" : Page.substr(Body), 640, 450, 0.78125f, Id);
  }
  Add("help pages", S(sidLabelPage) + " 9/9", 200, 60, 0.9375f);
  // About.
  Add("about title", S(sidGameTitle), 640, 40, 1.25f);
  Add("about version", S(sidLabelVersion) + " 1.48", 640, 25, 0.78125f);
  BuildCreditTexts();
  Add("about credits", CreditTexts.at(0) + "\r\r" + S(sidCredits), 640, 420, 0.9375f);
  // Options.
  Add("options title", S(sidButtonOptions), 640, 40, 1.25f);
  for (int Id : {sidLabelDifficulty, sidLabelDisplayMode, sidLabelSfxVolume, sidLabelMusicVolume})
    Add("options label", S(Id), 640, 30, 0.9375f);
  for (int Id : {sidButtonEasy, sidButtonNormal, sidButtonHard}) Option(Id, 200);
  for (int Id : {sidButtonDeadlineOff, sidButtonDeadlineOn, sidButtonFullScreen, sidButtonWindowed})
    Option(Id, 300);
  // Licenses and goal dialogs.
  for (int Id : {sidLabelBlueprints, sidLabelLicenses}) Add("licenses label", S(Id), 640, 30, 0.9375f);
  Add("goal title", S(sidLabelSelectGoal), 960, 30, 0.9375f);
  for (int Kind = 1; Kind < GoalKindCount; ++Kind) {
    Add("goal button", FormatGoal(Kind, 0), 470, 25, 0.78125f);
    Add("goal input", FormatGoal(Kind, 0) + "\r" + S(sidInputGoalCount), 620, 90, 0.9375f);
  }
}

// The panels composed by the mission, with large numbers: every campaign scenario's time and
// goal lines, and the information panel of every plot kind, idle, damaged or busy, with every
// action icon hovered.
void Placements::AddMissionPanels() {
  const struct {
    float W, H, Size;
  } InfoBoxes[8] = {{500, 30, 0.9375f}, {470, 20, 0.625f},  {400, 25, 0.78125f}, {350, 25, 0.78125f},
                    {290, 25, 0.78125f}, {240, 25, 0.78125f}, {190, 25, 0.78125f}, {140, 25, 0.78125f}};
  Register.Deadline = true;
  Register.Difficulty = 1;
  TMission Mission(nullptr);
  auto AddInfo = [&](const std::string& Where) {
    TInfoStrings Info;
    Mission.GetInfoTexts(Info);
    for (int Line = 0; Line < 8; ++Line)
      Add(Where + " line " + std::to_string(Line), Info[Line], InfoBoxes[Line].W, InfoBoxes[Line].H,
          InfoBoxes[Line].Size);
  };
  for (int N = 1; N <= CampaignScenarioCount; ++N) {
    Mission.Setup(N);
    for (TGoal& Goal : Mission.Goals) Goal.Current = 25;
    Add("goals", Mission.GetGoalsText(), 500, 80, 0.7f);
    Add("time limits", Mission.GetTimeText(), 390, 80, 0.7f);
    Mission.Time = float(Mission.GoldTime);
    Add("time limits", Mission.GetTimeText(), 390, 80, 0.7f);
  }
  Mission.Setup(25);
  for (int Kind = 1; Kind < GoalKindCount; ++Kind) {
    Mission.ClearGoals();
    Mission.AddGoal(true, Kind, GoalInfos[Kind].Max);
    Mission.Goals[1].Current = GoalInfos[Kind].Max;
    Add("goals", Mission.GetGoalsText(), 500, 80, 0.7f);
  }
  Add("clock", Chr(21) + " " + S(sidLabelTime) + " " + S(sidLabelPaused), 200, 80, 0.9375f);
  Add("clock", Chr(21) + " " + S(sidLabelTime) + " 1:23:45", 200, 80, 0.9375f);
  for (int Id : {sidLabelGoal, sidLabelGoals}) Add("goal caption", Chr(25) + " " + S(Id), 110, 80, 0.9375f);
  Add("money", S(sidLabelMoney) + " " + FormatMoney(12345678), 310, 60, 0.9375f);
  Add("material", S(sidLabelMaterial) + " " + FormatGrouped(123456), 310, 60, 0.9375f);
  Add("workers", S(sidLabelWorkers) + " 99 / 100", 310, 60, 0.9375f);

  Mission.Money = 12345678;
  Mission.Material = 123456;
  Mission.Workers = Mission.FreeWorkers = 100;
  Mission.Income = 350000;
  Mission.Happiness = -200;
  Mission.Residents = 1500;
  TStats Stats;
  Mission.GetStatsTexts(Stats);
  const float StatsWidth[3] = {480, 430, 380};
  for (int Line = 0; Line < 3; ++Line) Add("stats", Stats[Line], StatsWidth[Line], 25, 0.78125f);

  for (int License = 1; License < LicenseCount; ++License) {
    Mission.HoveredLicense = License;
    for (uint32_t Owned : {0u, 1u << License}) {
      Mission.OwnedLicenses = 1u | Owned;
      for (uint32_t Available : {0u, 0x7FFFFu}) {
        Mission.AvailableLicenses = Available;
        Add("license info", Mission.GetLicenseText(), 640, 90, 0.9375f);
      }
    }
  }
  Mission.HoveredLicense = -1;

  for (int Hovered = 13; Hovered <= 21; ++Hovered) {
    Mission.HoveredAction = Hovered;
    AddInfo("icon info");
  }
  TPane& Pane = *Mission.Pane(2, 2);
  for (int Kind = 1; Kind < PaneKindCount; ++Kind) {
    Pane.Place(0, Kind, 0);
    Mission.Update(0);
    Mission.SelectedPane = &Pane;
    Mission.HoveredAction = -1;
    AddInfo("plot info");
    Pane.Damaged = 1;
    AddInfo("damaged plot info");
    Pane.Damaged = 0;
    for (int Slot = 0; Slot < 13; ++Slot) {
      // The class upgrades take each other's place in their slot once begun.
      const uint8_t First = Pane.Actions[Slot];
      for (uint8_t Action = First; Action != akNone; Action = ActionInfos[Action].NextAction) {
        Pane.Actions[Slot] = Action;
        Mission.HoveredAction = Slot;
        AddInfo("action info");
      }
      Pane.Actions[Slot] = First;
    }
    for (uint8_t Action : Pane.Actions) {
      if (Action == akNone || Action == akAssignWorker) continue;
      Pane.CurrentAction = Action;
      Pane.AssignedWorkers = Pane.MaxWorkers = 30;
      Mission.HoveredAction = -1;
      AddInfo("busy plot info");
      Mission.HoveredAction = 0;
      AddInfo("assign worker info");
      Pane.AssignedWorkers = 1;
      Mission.FreeWorkers = 0;
      AddInfo("assign worker info");
      Mission.FreeWorkers = 100;
    }
    Pane.CurrentAction = akNone;
    Pane.AssignedWorkers = Pane.MaxWorkers = 0;
  }
}

}  // namespace

TEST(LanguageTable, EveryTextFitsTheBoxThatShowsIt) {
  TFont Font;
  if (!LoadFont(FontTable, Font)) GTEST_SKIP() << "the font is made by the content build: " << FontTable;
  LoadEnglish();
  Placements All;
  All.AddScreens();
  All.AddDialogs();
  All.AddMissionPanels();

  for (const TPlacement& P : All.List) {
    float Ratio = Squeeze(Font, P);
    EXPECT_GE(Ratio, LeastSqueeze) << P.Where << " squeezed to " << Ratio << ": " << P.Text;
  }
  // Every text is checked in at least one box (the separator, the currency symbol and the
  // system message shown outside the game's own screens need none).
  std::set<int> Unplaced = {sidThousandsSeparator, sidCurrencySymbol, sidMsgUnsupportedVideo};
  for (int Id = 1; Id < sidCount; ++Id) {
    if (Unplaced.count(Id)) continue;
    bool Placed = std::any_of(All.List.begin(), All.List.end(), [&](const TPlacement& P) {
      return P.Id == Id || P.Text.find(Strings[Id]) != std::string::npos;
    });
    EXPECT_TRUE(Placed) << StringIdNames[Id] << " is checked in no box";
  }
}
