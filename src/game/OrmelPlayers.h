// Player profiles: each keeps a name, its settings, the progress in the 24 campaign scenarios
// and up to three missions. The singleton Players holds them all and keeps them in
// "Players.sav" in the saves folder.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/OrmelMission.h"

struct TProgress {
  uint8_t Completed = 0;
  uint8_t Medal = 0;  // 0 none, 1 silver, 2 gold
  uint8_t TrophyWon = 0;
  int8_t TrophyIndex = 0;  // trophy picture, -1 = none
};

// The progress record of scenario 1..24 in a new named profile (all zero outside).
TProgress DefaultProgress(int32_t Scenario);

class TPlayer {
 public:
  explicit TPlayer(const std::string& Name);
  virtual ~TPlayer();
  TPlayer(const TPlayer&) = delete;
  TPlayer& operator=(const TPlayer&) = delete;

  void CopySettings();
  void SelectScenario(int32_t N);
  bool IsScenarioOpen(int32_t N) const;
  TProgress GetProgress(int32_t N) const;
  void SetProgress(int32_t N, const TProgress& Record);
  int32_t GoldCount() const;
  int32_t SilverCount() const;
  int32_t TrophyCount() const;

  bool HasCampaignMission() const { return CampaignMission != nullptr; }
  bool HasSandboxMission() const { return SandboxMission != nullptr; }
  void StartCampaignMission();
  void ContinueCampaign();
  void RetireCampaignMission();
  void NewSandboxMission();
  void SetupSandboxMission(int32_t Scenario);
  void CommitSandboxMission();
  void ContinueSandbox();
  void RetireSandboxMission();

  // The end of a won campaign mission. ComputeAwards runs when the end dialog opens: it fills
  // AwardText, AwardText2 and (after scenario 24) CampaignText and returns the progress record
  // to store. RecordAwards is the dialog's OK: it stores the record as completed and retires
  // the campaign mission.
  TProgress ComputeAwards(const TMission& Mission);
  void RecordAwards(int32_t Scenario, TProgress Result);

  void SaveToStream(TStreamWriter& Stream) const;
  void LoadFromStream(TStreamReader& Stream);

  std::string Name;
  int32_t Difficulty = 0;  // 1 easy, 0 normal, -1 hard
  uint8_t DeadlineOn = 1;
  uint8_t FullScreen = 0;
  int32_t SfxVolume = 0;
  int32_t MusicVolume = 0;
  uint8_t SandboxConfirmed = 0;
  uint8_t SandboxHelpShown = 0;
  int32_t SelectedScenario = 1;
  TProgress Progress[CampaignScenarioCount + 1];  // 1..24
  std::unique_ptr<TMission> CampaignMission;
  std::unique_ptr<TMission> SandboxMission;
  std::unique_ptr<TMission> SpareMission;
  TMission* CurrentMission = nullptr;  // one of the three, not owned
  std::string AwardText, AwardText2, CampaignText;

 private:
  std::unique_ptr<TMission> LoadMission(TStreamReader& Stream, int32_t FirstScenario,
                                        int32_t LastScenario);
};

class TPlayers {
 public:
  // Loads "Players.sav"; a missing or unreadable file leaves one fresh profile.
  TPlayers();
  // Saves, then frees every profile.
  virtual ~TPlayers();
  TPlayers(const TPlayers&) = delete;
  TPlayers& operator=(const TPlayers&) = delete;

  // Writes "Players.sav" through a synced temporary file, keeping the previous good file as
  // "Players.sav.bak". Failures propagate to the caller and leave the old file in place.
  void Save();

  int32_t Count() const { return static_cast<int32_t>(List.size()); }
  TPlayer* Items(int32_t I) const { return List.at(I).get(); }
  bool Exists(const std::string& Name) const;
  void SelectIndex(int32_t I);
  void AddOrSelect(const std::string& Name);
  void DeleteCurrent();
  int32_t IndexOf(const TPlayer* Player) const;

  std::vector<std::unique_ptr<TPlayer>> List;
  TPlayer* Current = nullptr;

 private:
  void Load();
  void AddFallbackProfile();
};

extern TPlayers* Players;

// The file form of a list of profiles and the index of the current one.
std::vector<uint8_t> EncodePlayers(const std::vector<std::unique_ptr<TPlayer>>& List,
                                   int32_t CurrentIndex);
// Fails with an exception for any file no save can have written; on success fills List and
// CurrentIndex (not yet clamped).
void DecodePlayers(const std::vector<uint8_t>& Bytes, std::vector<std::unique_ptr<TPlayer>>& List,
                   int32_t& CurrentIndex);

// The file names beside "Players.sav".
std::string PlayersFileName();
std::string PlayersBackupName();
