#include "game/OrmelPlayers.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "engine/EngineLanguages.h"
#include "game/OrmelMissionStream.h"
#include "support/FakePlatform.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> ReadBytes(const fs::path& Path) {
  std::ifstream File(Path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(File), {});
}

void WriteBytes(const fs::path& Path, const std::vector<uint8_t>& Bytes) {
  std::ofstream File(Path, std::ios::binary | std::ios::trunc);
  File.write(reinterpret_cast<const char*>(Bytes.data()),
             static_cast<std::streamsize>(Bytes.size()));
}

class Profiles : public ::testing::Test {
 protected:
  void SetUp() override {
    Root = fs::temp_directory_path() / ("plotstead-players-" + std::to_string(::getpid()));
    fs::remove_all(Root);
    fs::create_directories(Root);
    SavesFolder = Root.string() + "/";
    ErrorLog = std::make_unique<TErrorLog>();
    Platform = &Fake;
    Strings[sidDefaultPlayerName] = "Player";
    Register = TRegister{};
    Register.Deadline = true;
    SeedMissionRandom(12);
  }
  void TearDown() override {
    Platform = nullptr;
    ErrorLog.reset();
    fs::remove_all(Root);
  }
  fs::path SaveFile() const { return Root / "Players.sav"; }
  std::vector<fs::path> DamagedFiles() const {
    std::vector<fs::path> Found;
    for (const auto& Entry : fs::directory_iterator(Root))
      if (Entry.path().filename().string().rfind("Players.sav.damaged-", 0) == 0)
        Found.push_back(Entry.path());
    return Found;
  }
  // Two profiles with missions in both slots, the second current.
  std::vector<uint8_t> TwoProfiles() {
    TPlayers P;
    P.AddOrSelect("Anna");
    TPlayer& Anna = *P.Current;
    Anna.Difficulty = -1;
    Anna.DeadlineOn = 0;
    Anna.SfxVolume = 3;
    Anna.MusicVolume = 10;
    Anna.SelectScenario(2);
    Anna.StartCampaignMission();
    Anna.CampaignMission->StageIndex = 6;
    Anna.CampaignMission->NextStage();
    Anna.CampaignMission->SelectPane(1, 3);
    Anna.NewSandboxMission();
    Anna.SetupSandboxMission(30);
    Anna.CommitSandboxMission();
    Anna.SetProgress(1, TProgress{1, 2, 1, -1});
    Anna.SandboxConfirmed = 1;
    P.Save();
    return ReadBytes(SaveFile());
  }
  fs::path Root;
  TFakePlatform Fake;
};

TEST_F(Profiles, FirstStartMakesOneProfileForTheAccount) {
  for (const char* User : {"tester", ""}) {
    Fake.User = User;
    {
      TPlayers P;
      ASSERT_EQ(P.Count(), 1);
      EXPECT_EQ(P.Current->Name, *User ? User : "Player");
      EXPECT_EQ(P.Current->Difficulty, 0);
      EXPECT_EQ(P.Current->DeadlineOn, 1);
      EXPECT_TRUE(P.Current->IsScenarioOpen(1));
      EXPECT_FALSE(P.Current->IsScenarioOpen(2));
      EXPECT_TRUE(ErrorLog->Lines.empty());
    }
    fs::remove(SaveFile());
  }
  Platform = nullptr;
  TPlayers P;
  EXPECT_EQ(P.Current->Name, "Player");
}

TEST_F(Profiles, NewProfileProgress) {
  Register.Difficulty = 1;
  Register.Deadline = false;
  Register.SfxVolume = 4;
  const TPlayer Anna("Anna");
  EXPECT_EQ(Anna.Difficulty, 0);
  EXPECT_EQ(Anna.DeadlineOn, 1);
  EXPECT_EQ(Anna.SfxVolume, 4);
  const int8_t Trophies[] = {-1, -1, -1, -1, 0, 12, 9,  5,  13, 8,  3,  18,
                             1,  4,  17, 11, 2, 6,  14, 15, 7,  19, 16, 10};
  for (int N = 1; N <= 24; ++N) {
    EXPECT_EQ(Anna.GetProgress(N).TrophyIndex, Trophies[N - 1]) << N;
    EXPECT_EQ(Anna.GetProgress(N).TrophyWon, N <= 4) << N;
  }
  EXPECT_EQ(Anna.TrophyCount(), 4);
  const TPlayer Zuk("ZUK"), Other("zuk");
  for (int N = 1; N <= 24; ++N) EXPECT_TRUE(Zuk.GetProgress(N).Completed);
  EXPECT_EQ(Zuk.GoldCount(), 0);
  EXPECT_FALSE(Other.IsScenarioOpen(2));
}

TEST_F(Profiles, ScenarioChoiceAndOpening) {
  TPlayer P("Anna");
  for (int N = 1; N <= 5; ++N) P.SetProgress(N, TProgress{1, 0, 0, 0});
  P.SelectScenario(0);
  EXPECT_EQ(P.SelectedScenario, 6);
  P.SelectScenario(9);
  EXPECT_EQ(P.SelectedScenario, 9);
  for (int N = 1; N <= 23; ++N) P.SetProgress(N, TProgress{1, 1, 0, 0});
  P.SelectScenario(-4);
  EXPECT_EQ(P.SelectedScenario, 24);
  EXPECT_EQ(P.SilverCount(), 23);
  TPlayer Q("Bo");
  Q.SetProgress(6, TProgress{1, 0, 0, 0});
  EXPECT_TRUE(Q.IsScenarioOpen(7));
  EXPECT_TRUE(Q.IsScenarioOpen(6));
  EXPECT_FALSE(Q.IsScenarioOpen(8));
  EXPECT_FALSE(Q.IsScenarioOpen(25));
}

TEST_F(Profiles, SelectingAddingAndDeleting) {
  TPlayers P;  // "tester"
  P.AddOrSelect("Anna");
  P.Current->Difficulty = 1;
  P.Current->DeadlineOn = 0;
  P.AddOrSelect("Bo");
  P.List.push_back(std::make_unique<TPlayer>("Anna"));
  P.AddOrSelect("Anna");
  EXPECT_EQ(P.IndexOf(P.Current), 3);  // the last of that name
  EXPECT_TRUE(P.Exists("Bo"));
  EXPECT_FALSE(P.Exists("bo"));
  P.SelectIndex(7);
  EXPECT_EQ(P.IndexOf(P.Current), 3);
  TAudio Silent;
  Audio = &Silent;
  P.List[1]->SfxVolume = 3;
  P.List[1]->MusicVolume = 9;
  P.SelectIndex(1);
  Audio = nullptr;
  EXPECT_EQ(Register.Difficulty, 1);
  EXPECT_FALSE(Register.Deadline);
  EXPECT_EQ(Register.SfxVolume, 3);
  EXPECT_EQ(Register.MusicVolume, 9);
  P.DeleteCurrent();
  EXPECT_EQ(P.Count(), 3);
  EXPECT_EQ(P.Current->Name, "tester");
  EXPECT_TRUE(Register.Deadline);
  EXPECT_EQ(Register.Difficulty, 0);
  while (P.Count() > 1) P.DeleteCurrent();
  P.DeleteCurrent();  // the last profile stays
  EXPECT_EQ(P.Count(), 1);
  EXPECT_NE(P.Current, nullptr);
}

TEST_F(Profiles, MissionSlots) {
  TPlayer P("Anna");
  P.SelectScenario(3);
  P.StartCampaignMission();
  TMission* Campaign = P.CurrentMission;
  EXPECT_EQ(Campaign->Scenario, 3);
  P.NewSandboxMission();
  P.SetupSandboxMission(26);
  P.CurrentMission->SelectPane(2, 2);
  P.CommitSandboxMission();
  EXPECT_EQ(P.SpareMission, nullptr);
  EXPECT_EQ(P.SandboxMission->SelectedPane, nullptr);
  P.ContinueCampaign();
  EXPECT_EQ(P.CurrentMission, Campaign);
  P.RetireCampaignMission();
  EXPECT_FALSE(P.HasCampaignMission());
  EXPECT_EQ(P.SpareMission.get(), Campaign);  // still shown by the closing screen
  P.ContinueSandbox();
  P.RetireSandboxMission();
  EXPECT_FALSE(P.HasSandboxMission());
  P.RetireCampaignMission();  // frees the mission the screen showed: no dangling pointer
  EXPECT_EQ(P.CurrentMission, nullptr);
}

TEST_F(Profiles, StateThatWouldNotLoadIsNeverWritten) {
  const std::vector<uint8_t> Good = TwoProfiles();
  TPlayers P;
  P.Current->NewSandboxMission();  // committed before any map was chosen
  P.Current->CommitSandboxMission();
  P.Save();
  {
    TPlayers Loaded;
    EXPECT_FALSE(Loaded.Current->HasSandboxMission());
    EXPECT_TRUE(Loaded.Current->HasCampaignMission());
  }
  const std::vector<uint8_t> Saved = ReadBytes(SaveFile());
  P.Current->SfxVolume = 99;  // no setting can hold this
  EXPECT_THROW(P.Save(), std::runtime_error);
  EXPECT_EQ(ReadBytes(SaveFile()), Saved);
}

TEST_F(Profiles, OneProfileIsWrittenByteForByte) {
  TPlayer P("Al");
  P.Difficulty = 1;
  P.DeadlineOn = 0;
  P.FullScreen = 1;
  P.SfxVolume = 7;
  P.MusicVolume = 2;
  P.SandboxHelpShown = 1;
  TStreamWriter S;
  P.SaveToStream(S);
  std::vector<uint8_t> Expected = {2, 0, 0, 0, 'A', 'l', 11, 0, 0, 0, 1, 7, 0, 0, 0, 2, 0, 0, 0};
  for (int N = 1; N <= 24; ++N) {
    const TProgress R = DefaultProgress(N);
    Expected.insert(Expected.end(), {0, 0, R.TrophyWon, static_cast<uint8_t>(R.TrophyIndex)});
  }
  Expected.insert(Expected.end(), {0, 0, 0, 1});
  EXPECT_EQ(S.Bytes, Expected);
}

TEST_F(Profiles, FileRoundTrip) {
  const std::vector<uint8_t> Bytes = TwoProfiles();
  TPlayers P;
  ASSERT_EQ(P.Count(), 2);
  EXPECT_EQ(P.Current->Name, "Anna");
  EXPECT_EQ(P.Current->Difficulty, -1);
  EXPECT_EQ(P.Current->DeadlineOn, 0);
  EXPECT_EQ(Register.Difficulty, -1);
  EXPECT_FALSE(Register.Deadline);
  const TMission& Campaign = *P.Current->CampaignMission;
  EXPECT_EQ(Campaign.Scenario, 2);
  EXPECT_EQ(Campaign.StageIndex, 7);
  EXPECT_EQ(Campaign.SelectedPane, Campaign.Pane(1, 3));
  EXPECT_EQ(Campaign.Player, P.Current);
  EXPECT_EQ(P.Current->SandboxMission->Scenario, 30);
  EXPECT_EQ(P.Current->CurrentMission, nullptr);
  EXPECT_EQ(EncodePlayers(P.List, 1), Bytes);
  // Anna follows the first profile ("tester", without missions); her difficulty -1 with the
  // deadline rule off is stored as 9, right after her name.
  const size_t Anna = 4 + (4 + 6 + 4 + 1 + 4 + 4 + 96 + 4);  // 127
  EXPECT_EQ(Bytes[Anna], 4);
  EXPECT_EQ(Bytes[Anna + 4], 'A');
  EXPECT_EQ(Bytes[Anna + 8], 9);
  EXPECT_EQ(Bytes[Anna + 11], 0);
}

TEST_F(Profiles, SaveKeepsThePreviousGoodFile) {
  const std::vector<uint8_t> First = TwoProfiles();
  {
    TPlayers P;
    P.Current->Name = "Changed";
  }  // saved on the way out
  EXPECT_EQ(ReadBytes(Root / "Players.sav.bak"), First);
  EXPECT_NE(ReadBytes(SaveFile()), First);
}

TEST_F(Profiles, UnreadableFilesAreKeptAsideLoggedAndReplaced) {
  const std::vector<uint8_t> Good = TwoProfiles();
  auto Patched = [&](size_t Offset, std::vector<uint8_t> Patch) {
    std::vector<uint8_t> Bytes = Good;
    std::copy(Patch.begin(), Patch.end(), Bytes.begin() + Offset);
    return Bytes;
  };
  // Offsets in the first profile ("tester", 123 bytes), then in Anna's campaign mission.
  const size_t Name = 4, Code = 4 + 4 + 6, Anna = 4 + 123;
  const size_t Mission = Anna + 4 + 4 + 4 + 1 + 8 + 96 + 1;
  const std::pair<const char*, std::vector<uint8_t>> Cases[] = {
      {"empty", {}},
      {"short", {1, 0, 0}},
      {"truncated", std::vector<uint8_t>(Good.begin(), Good.begin() + Good.size() / 2)},
      {"no profiles", {0, 0, 0, 0, 0, 0, 0, 0}},
      {"count beyond the file", Patched(0, {0xff, 0xff, 0xff, 0x7f})},
      {"negative name length", Patched(Name, {0xfe, 0xff, 0xff, 0xff})},
      {"name beyond the file", Patched(Name, {0x00, 0x00, 0x00, 0x40})},
      {"difficulty code", Patched(Code, {5})},
      {"volume", Patched(Code + 5, {11})},
      {"medal", Patched(Code + 13 + 1, {3})},
      {"mission flag", Patched(Mission - 1, {2})},
      {"pane kind", Patched(Mission + 4, {39})},
  };
  for (const auto& [Label, Bytes] : Cases) {
    SCOPED_TRACE(Label);
    for (const fs::path& Old : DamagedFiles()) fs::remove(Old);
    fs::remove(Root / "Players.sav.bak");
    ErrorLog->Lines.clear();
    WriteBytes(SaveFile(), Bytes);
    {
      TPlayers P;
      ASSERT_EQ(P.Count(), 1);
      EXPECT_EQ(P.Current->Name, "tester");
      EXPECT_FALSE(fs::exists(SaveFile()));
      const std::vector<fs::path> Aside = DamagedFiles();
      ASSERT_EQ(Aside.size(), 1u);
      EXPECT_EQ(ReadBytes(Aside[0]), Bytes);
      ASSERT_EQ(ErrorLog->Lines.size(), 1u);
      EXPECT_NE(ErrorLog->Lines[0].find("Players.sav"), std::string::npos);
    }
    EXPECT_EQ(ReadBytes(DamagedFiles().at(0)), Bytes);  // the save did not touch it
    EXPECT_TRUE(fs::exists(SaveFile()));
  }
}

TEST_F(Profiles, BackupStandsInForADamagedFile) {
  const std::vector<uint8_t> Good = TwoProfiles();
  fs::copy_file(SaveFile(), Root / "Players.sav.bak", fs::copy_options::overwrite_existing);
  WriteBytes(SaveFile(), {9, 9, 9});
  TPlayers P;
  EXPECT_EQ(P.Count(), 2);
  EXPECT_EQ(P.Current->Name, "Anna");
  EXPECT_EQ(DamagedFiles().size(), 1u);
}

TEST_F(Profiles, DamagedFileAppearingBeforeASaveIsNotOverwritten) {
  TPlayers P;
  WriteBytes(SaveFile(), {1, 2, 3});
  P.Save();
  ASSERT_EQ(DamagedFiles().size(), 1u);
  EXPECT_EQ(ReadBytes(DamagedFiles()[0]), (std::vector<uint8_t>{1, 2, 3}));
  std::vector<std::unique_ptr<TPlayer>> List;
  int32_t Index = 0;
  DecodePlayers(ReadBytes(SaveFile()), List, Index);
  EXPECT_EQ(List.size(), 1u);
}

TEST_F(Profiles, FailedWriteLeavesTheOldFileAndReachesTheCaller) {
  const std::vector<uint8_t> Good = TwoProfiles();
  TPlayers P;
  P.Current->Name = std::string(4096, 'x');
  rlimit Old{};
  ::getrlimit(RLIMIT_FSIZE, &Old);
  ::signal(SIGXFSZ, SIG_IGN);
  rlimit Small = Old;
  Small.rlim_cur = 1024;  // smaller than the new file: the write fails with EFBIG
  ::setrlimit(RLIMIT_FSIZE, &Small);
  EXPECT_THROW(P.Save(), std::runtime_error);
  ::setrlimit(RLIMIT_FSIZE, &Old);
  EXPECT_EQ(ReadBytes(SaveFile()), Good);
  for (const auto& Entry : fs::directory_iterator(Root))
    EXPECT_EQ(Entry.path().filename().string().find(".tmp"), std::string::npos);
}

// A process killed at any moment of a save leaves a "Players.sav" that loads.
TEST_F(Profiles, KillDuringSaveNeverLeavesAnUnreadableFile) {
  {
    TPlayers P;
    for (const char* Name : {"A", "B", "C", "D", "E"}) P.AddOrSelect(Name);
    for (auto& Player : P.List) {
      Player->SelectScenario(24);
      Player->StartCampaignMission();
      Player->NewSandboxMission();
      Player->SetupSandboxMission(40);
      Player->CommitSandboxMission();
    }
  }
  std::mt19937 Random(1);
  for (int Round = 0; Round < 25; ++Round) {
    const pid_t Child = ::fork();
    ASSERT_GE(Child, 0);
    if (Child == 0) {
      TPlayers P;
      for (int I = 0;; ++I) {
        P.Current->Name = std::string(1 + I % 300, 'a' + I % 26);
        P.Save();
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(2000 + Random() % 30000));
    ::kill(Child, SIGKILL);
    ::waitpid(Child, nullptr, 0);
    std::vector<std::unique_ptr<TPlayer>> List;
    int32_t Index = 0;
    ASSERT_NO_THROW(DecodePlayers(ReadBytes(SaveFile()), List, Index)) << Round;
    EXPECT_EQ(List.size(), 6u);
    EXPECT_TRUE(DamagedFiles().empty());
  }
  TPlayers Next;  // the next start clears what the killed saves left behind
  for (const auto& Entry : fs::directory_iterator(Root))
    EXPECT_EQ(Entry.path().filename().string().find(".tmp-"), std::string::npos);
}

}  // namespace
