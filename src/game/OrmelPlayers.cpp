// Player profiles: settings, campaign progress, mission slots and the end-of-mission awards.
#include "game/OrmelPlayers.h"

#include <algorithm>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "engine/EngineLanguages.h"
#include "engine/EngineRenderer.h"
#include "game/OrmelMissionStream.h"
#include "platform/Platform.h"

TPlayers* Players = nullptr;

TProgress DefaultProgress(int32_t Scenario) {
  // Each of the 20 trophy pictures once, in scenario order from scenario 5.
  static const int8_t TrophyPictures[20] = {0,  12, 9, 5, 13, 8,  3, 18, 1,  4,
                                            17, 11, 2, 6, 14, 15, 7, 19, 16, 10};
  if (Scenario >= 1 && Scenario <= 4) return TProgress{0, 0, 1, -1};  // tutorials: no trophy
  if (Scenario >= 5 && Scenario <= CampaignScenarioCount)
    return TProgress{0, 0, 0, TrophyPictures[Scenario - 5]};
  return TProgress{};
}

// ---- TPlayer -------------------------------------------------------------------------------

TPlayer::TPlayer(const std::string& Name) : Name(Name) {
  CopySettings();
  Difficulty = 0;
  DeadlineOn = 1;
  if (!Name.empty())
    for (int N = 1; N <= CampaignScenarioCount; ++N) Progress[N] = DefaultProgress(N);
  if (Name == "ZUK")  // the whole campaign open, medals and trophies still to win
    for (int N = 1; N <= CampaignScenarioCount; ++N) Progress[N].Completed = 1;
}

TPlayer::~TPlayer() = default;

void TPlayer::CopySettings() {
  Difficulty = Register.Difficulty;
  DeadlineOn = Register.Deadline ? 1 : 0;
  FullScreen = Register.FullScreen ? 1 : 0;
  SfxVolume = Register.SfxVolume;
  MusicVolume = Register.MusicVolume;
}

void TPlayer::SelectScenario(int32_t N) {
  if (N >= 1 && N <= CampaignScenarioCount) {
    SelectedScenario = N;
    return;
  }
  SelectedScenario = CampaignScenarioCount;
  for (int Scenario = 1; Scenario < CampaignScenarioCount; ++Scenario)
    if (!Progress[Scenario].Completed) {
      SelectedScenario = Scenario;
      return;
    }
}

bool TPlayer::IsScenarioOpen(int32_t N) const {
  if (N < 1 || N > CampaignScenarioCount) return false;
  return N == 1 || Progress[N].Completed || Progress[N - 1].Completed;
}

TProgress TPlayer::GetProgress(int32_t N) const {
  if (N < 1 || N > CampaignScenarioCount) return TProgress{};
  return Progress[N];
}

void TPlayer::SetProgress(int32_t N, const TProgress& Record) {
  if (N >= 1 && N <= CampaignScenarioCount) Progress[N] = Record;
}

int32_t TPlayer::GoldCount() const {
  return static_cast<int32_t>(std::count_if(std::begin(Progress) + 1, std::end(Progress),
                                            [](const TProgress& P) { return P.Medal == 2; }));
}

int32_t TPlayer::SilverCount() const {
  return static_cast<int32_t>(std::count_if(std::begin(Progress) + 1, std::end(Progress),
                                            [](const TProgress& P) { return P.Medal >= 1; }));
}

int32_t TPlayer::TrophyCount() const {
  return static_cast<int32_t>(std::count_if(std::begin(Progress) + 1, std::end(Progress),
                                            [](const TProgress& P) { return P.TrophyWon != 0; }));
}

// ---- Mission slots -------------------------------------------------------------------------

namespace {

// Frees a mission slot; the screen's current mission never points at a freed mission.
void Release(std::unique_ptr<TMission>& Slot, TMission*& CurrentMission) {
  if (Slot && CurrentMission == Slot.get()) CurrentMission = nullptr;
  Slot.reset();
}

}  // namespace

void TPlayer::StartCampaignMission() {
  Release(CampaignMission, CurrentMission);
  CampaignMission = std::make_unique<TMission>(this);
  CampaignMission->Setup(SelectedScenario);
  CurrentMission = CampaignMission.get();
}

void TPlayer::ContinueCampaign() {
  CurrentMission = CampaignMission.get();
}

void TPlayer::RetireCampaignMission() {
  Release(SpareMission, CurrentMission);
  SpareMission = std::move(CampaignMission);
}

void TPlayer::NewSandboxMission() {
  Release(SpareMission, CurrentMission);
  SpareMission = std::make_unique<TMission>(this);
  CurrentMission = SpareMission.get();
}

void TPlayer::SetupSandboxMission(int32_t Scenario) {
  if (SpareMission) SpareMission->Setup(Scenario);
}

void TPlayer::CommitSandboxMission() {
  if (!SpareMission) return;
  Release(SandboxMission, CurrentMission);
  SandboxMission = std::move(SpareMission);
  SandboxMission->SelectPane(-1, -1);
}

void TPlayer::ContinueSandbox() {
  CurrentMission = SandboxMission.get();
}

void TPlayer::RetireSandboxMission() {
  Release(SpareMission, CurrentMission);
  SpareMission = std::move(SandboxMission);
}

// ---- Awards --------------------------------------------------------------------------------

TProgress TPlayer::ComputeAwards(const TMission& Mission) {
  const int32_t N = Mission.Scenario;
  TProgress Result = GetProgress(N);
  if (N == CampaignScenarioCount && !Result.Completed) CampaignText = Strings[sidComletedCampaign];
  std::string Text, Text2;
  if (!(Result.Medal >= 2 && Result.TrophyWon)) {
    const int32_t Medal = Mission.TimeAward();
    const bool Trophy = Mission.TrophyReached();
    // A replay can only improve a medal.
    if (Medal == 2) {
      Text = Strings[sidAwardGold];
      Result.Medal = 2;
      if (GoldCount() > 22) Text2 = Strings[sidCompletedGoldStars];
    } else if (Medal == 1) {
      Text = Strings[sidAwardSilver];
      Result.Medal = std::max<uint8_t>(Result.Medal, 1);
      if (SilverCount() > 22) Text2 = Strings[sidCompletedSilverStars];
    }
    if (Trophy) {
      Text = Text.empty() ? Strings[sidAwardTrophy1] : Text + '\r' + Strings[sidAwardTrophy2];
      Result.TrophyWon = 1;
      if (TrophyCount() > 22)
        Text2 = Text2.empty() ? Strings[sidCompletedTrophies]
                              : Text2 + '\r' + Strings[sidCompletedTrophies];
    }
  }
  AwardText = Text;
  AwardText2 = Text2;
  return Result;
}

void TPlayer::RecordAwards(int32_t Scenario, TProgress Result) {
  Result.Completed = 1;
  SetProgress(Scenario, Result);
  RetireCampaignMission();
}

// ---- TPlayers ------------------------------------------------------------------------------

TPlayers::TPlayers() {
  Load();
}

TPlayers::~TPlayers() {
  // A destructor must not throw: a failed save at exit is logged instead.
  try {
    Save();
  } catch (const std::exception& Error) {
    LogError(Error.what());
  }
}

bool TPlayers::Exists(const std::string& Name) const {
  return std::any_of(List.begin(), List.end(), [&](const auto& P) { return P->Name == Name; });
}

int32_t TPlayers::IndexOf(const TPlayer* Player) const {
  for (size_t I = 0; I < List.size(); ++I)
    if (List[I].get() == Player) return static_cast<int32_t>(I);
  return -1;
}

void TPlayers::SelectIndex(int32_t I) {
  if (List.empty()) {
    Current = nullptr;
    return;
  }
  Current = List[std::clamp<int32_t>(I, 0, Count() - 1)].get();
  Register.Difficulty = Current->Difficulty;
  Register.Deadline = Current->DeadlineOn != 0;
  if (Renderer) Renderer->SetFullScreen(Current->FullScreen != 0);
  if (Audio) {
    Audio->SetVolume(0, Current->SfxVolume);
    Audio->SetVolume(1, Current->MusicVolume);
  }
}

void TPlayers::AddOrSelect(const std::string& Name) {
  for (int32_t I = Count() - 1; I >= 0; --I)
    if (List[I]->Name == Name) {
      SelectIndex(I);
      return;
    }
  List.push_back(std::make_unique<TPlayer>(Name));
  SelectIndex(Count() - 1);
}

void TPlayers::DeleteCurrent() {
  // The last profile stays: the game always has a current profile.
  if (Count() <= 1 || !Current) return;
  List.erase(List.begin() + IndexOf(Current));
  Current = nullptr;
  SelectIndex(0);
}

void TPlayers::AddFallbackProfile() {
  std::string Name = Platform ? Platform->UserName() : "";
  if (Name.empty() || Name.size() >= 260) Name = Strings[sidDefaultPlayerName];
  AddOrSelect(Name);
}
