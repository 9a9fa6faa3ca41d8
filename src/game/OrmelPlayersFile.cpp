// "Players.sav": the profile file. Saving goes through a synced temporary file and keeps the
// previous good file as "Players.sav.bak"; a file that cannot be read is kept aside under a
// dated name, logged, and never overwritten.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <stdexcept>

#include "app/EngineRegister.h"
#include "game/OrmelMissionStream.h"
#include "game/OrmelPlayers.h"
#include "platform/SafeFile.h"

namespace {

// The smallest profile: name length, difficulty, display mode, two volumes, progress, two
// mission flags and two sandbox flags.
constexpr size_t MinProfileBytes = 4 + 4 + 1 + 4 + 4 + 96 + 1 + 1 + 1 + 1;
// Far above six profiles with two missions each; a larger file is not one of ours.
constexpr off_t MaxFileBytes = 64 << 20;

void Check(bool Condition) {
  if (!Condition) throw std::runtime_error(StreamReadError);
}

enum class TReadResult { Loaded, Missing, Damaged };

std::string UtcStamp() {
  const std::time_t Now = std::time(nullptr);
  std::tm Utc{};
  gmtime_r(&Now, &Utc);
  char Text[32];
  std::strftime(Text, sizeof Text, "%Y%m%dT%H%M%SZ", &Utc);
  return Text;
}

// Renames a file that cannot be read to "<name>.damaged-<UTC time>" and logs one line.
void KeepAside(const std::string& Path, const std::string& Reason) {
  namespace fs = std::filesystem;
  std::string Aside = Path + ".damaged-" + UtcStamp();
  std::error_code Ignored;
  for (int Suffix = 2; fs::exists(Aside, Ignored); ++Suffix)
    Aside = Path + ".damaged-" + UtcStamp() + "-" + std::to_string(Suffix);
  if (::rename(Path.c_str(), Aside.c_str()) != 0) {
    const std::string Error = std::strerror(errno);
    LogError("Failed to load profiles \"" + Path + "\" (" + Reason +
             "); could not keep it aside (" + Error + ")");
    throw std::runtime_error("Cannot keep damaged file \"" + Path + "\" aside (" + Error + ")");
  }
  LogError("Failed to load profiles \"" + Path + "\" (" + Reason + "); kept as \"" + Aside + "\"");
}

// Reads and decodes a profile file; a file that exists but cannot be used is kept aside.
TReadResult ReadProfiles(const std::string& Path, std::vector<std::unique_ptr<TPlayer>>& List,
                         int32_t& CurrentIndex, std::vector<uint8_t>* Raw = nullptr) {
  struct stat Info {};
  if (::stat(Path.c_str(), &Info) != 0 && errno == ENOENT) return TReadResult::Missing;
  std::string Reason;
  try {
    std::string Content;
    bool Missing = false;
    if (Info.st_size > MaxFileBytes) throw std::runtime_error("file too large");
    if (!ReadWholeFile(Path, Content, &Missing)) {
      if (Missing) return TReadResult::Missing;
      throw std::runtime_error(std::strerror(errno ? errno : EIO));
    }
    std::vector<uint8_t> Bytes(Content.begin(), Content.end());
    DecodePlayers(Bytes, List, CurrentIndex);
    if (Raw) *Raw = std::move(Bytes);
    return TReadResult::Loaded;
  } catch (const std::exception& Error) {
    Reason = Error.what();
  }
  List.clear();
  KeepAside(Path, Reason);
  return TReadResult::Damaged;
}

void WriteOrThrow(const std::string& Path, const std::string& Content) {
  std::string Error;
  if (!WriteFileSafely(Path, Content, Error))
    throw std::runtime_error("Cannot write file \"" + Path + "\" (" + Error + ")");
}

// Before the new file replaces the old one: a good old file becomes the backup, a damaged one
// is kept aside.
void PreserveOldFile(const std::string& Path) {
  std::vector<std::unique_ptr<TPlayer>> Old;
  std::vector<uint8_t> Raw;
  int32_t Index = 0;
  if (ReadProfiles(Path, Old, Index, &Raw) != TReadResult::Loaded) return;
  const std::string Backup = PlayersBackupName();
  std::string Error;
  if (!WriteFileSafely(Backup, std::string(Raw.begin(), Raw.end()), Error))
    LogError("Failed to keep \"" + Backup + "\" (" + Error + ")");
}

// Temporary files of a save that was cut short; only one copy of the game runs, so any found
// at start-up are left over.
void RemoveLeftoverTemporaries() {
  namespace fs = std::filesystem;
  std::error_code Error;
  for (const auto& Entry : fs::directory_iterator(SavesFolder.empty() ? "." : SavesFolder, Error)) {
    const std::string Name = Entry.path().filename().string();
    if (Name.rfind("Players.sav.tmp-", 0) == 0 || Name.rfind("Players.sav.bak.tmp-", 0) == 0)
      fs::remove(Entry.path(), Error);
  }
}

}  // namespace

std::string PlayersFileName() {
  return SavesFolder + "Players.sav";
}

std::string PlayersBackupName() {
  return PlayersFileName() + ".bak";
}

// ---- One profile ---------------------------------------------------------------------------

void TPlayer::SaveToStream(TStreamWriter& S) const {
  S.WriteInt32(static_cast<int32_t>(Name.size()));
  S.WriteBytes(Name.data(), Name.size());
  S.WriteInt32(DeadlineOn ? Difficulty : Difficulty + 10);
  S.WriteByte(FullScreen);
  S.WriteInt32(SfxVolume);
  S.WriteInt32(MusicVolume);
  for (int N = 1; N <= CampaignScenarioCount; ++N) {
    const TProgress& P = Progress[N];
    S.WriteByte(P.Completed);
    S.WriteByte(P.Medal);
    S.WriteByte(P.TrophyWon);
    S.WriteByte(static_cast<uint8_t>(P.TrophyIndex));
  }
  // A mission that was never given a scenario of its slot cannot be resumed; it is left out
  // so that the file stays loadable.
  const bool CampaignOk = CampaignMission && CampaignMission->IsCampaign();
  const bool SandboxOk = SandboxMission && SandboxMission->Scenario > CampaignScenarioCount &&
                         SandboxMission->Scenario <= ScenarioCount;
  for (const TMission* M :
       {CampaignOk ? CampaignMission.get() : nullptr, SandboxOk ? SandboxMission.get() : nullptr}) {
    S.WriteByte(M ? 1 : 0);
    if (M) M->SaveToStream(S);
  }
  S.WriteByte(SandboxConfirmed);
  S.WriteByte(SandboxHelpShown);
}

void TPlayer::LoadFromStream(TStreamReader& S) {
  const int32_t Length = S.ReadInt32();
  Check(Length >= 0);
  Name = S.ReadString(static_cast<size_t>(Length));
  // Difficulty codes: -1, 0, 1 with the deadline rule on; 9, 10, 11 with it off.
  const int32_t Code = S.ReadInt32();
  Check((Code >= -1 && Code <= 1) || (Code >= 9 && Code <= 11));
  DeadlineOn = Code < 9 ? 1 : 0;
  Difficulty = Code < 9 ? Code : Code - 10;
  FullScreen = S.ReadByte() != 0;
  SfxVolume = S.ReadInt32();
  MusicVolume = S.ReadInt32();
  Check(SfxVolume >= 0 && SfxVolume <= 10 && MusicVolume >= 0 && MusicVolume <= 10);
  for (int N = 1; N <= CampaignScenarioCount; ++N) {
    TProgress& P = Progress[N];
    P.Completed = S.ReadByte() != 0;
    P.Medal = S.ReadByte();
    P.TrophyWon = S.ReadByte() != 0;
    P.TrophyIndex = static_cast<int8_t>(S.ReadByte());
    Check(P.Medal <= 2 && P.TrophyIndex >= -1 && P.TrophyIndex <= 19);
  }
  CampaignMission = LoadMission(S, 1, CampaignScenarioCount);
  SandboxMission = LoadMission(S, CampaignScenarioCount + 1, ScenarioCount);
  SandboxConfirmed = S.ReadByte() != 0;
  SandboxHelpShown = S.ReadByte() != 0;
  CurrentMission = nullptr;
}

std::unique_ptr<TMission> TPlayer::LoadMission(TStreamReader& S, int32_t FirstScenario,
                                               int32_t LastScenario) {
  const uint8_t Present = S.ReadByte();
  Check(Present <= 1);
  if (!Present) return nullptr;
  auto Mission = std::make_unique<TMission>(this);
  Mission->LoadFromStream(S);
  Check(Mission->Scenario >= FirstScenario && Mission->Scenario <= LastScenario);
  return Mission;
}

// ---- The file ------------------------------------------------------------------------------

std::vector<uint8_t> EncodePlayers(const std::vector<std::unique_ptr<TPlayer>>& List,
                                   int32_t CurrentIndex) {
  TStreamWriter S;
  S.WriteInt32(static_cast<int32_t>(List.size()));
  for (const auto& Player : List) Player->SaveToStream(S);
  S.WriteInt32(CurrentIndex);
  return std::move(S.Bytes);
}

void DecodePlayers(const std::vector<uint8_t>& Bytes, std::vector<std::unique_ptr<TPlayer>>& List,
                   int32_t& CurrentIndex) {
  List.clear();
  TStreamReader S(Bytes);
  const int32_t Count = S.ReadInt32();
  // A file without profiles leaves nothing to select.
  Check(Count >= 1 && static_cast<size_t>(Count) <= S.Remaining() / MinProfileBytes);
  for (int32_t I = 0; I < Count; ++I) {
    List.push_back(std::make_unique<TPlayer>(""));
    List.back()->LoadFromStream(S);
  }
  CurrentIndex = S.ReadInt32();
}

void TPlayers::Save() {
  std::error_code Ignored;
  std::filesystem::create_directories(SavesFolder, Ignored);
  const std::vector<uint8_t> Bytes = EncodePlayers(List, IndexOf(Current));
  // Never replace a file with one that would not load again.
  try {
    std::vector<std::unique_ptr<TPlayer>> Copy;
    int32_t Index = 0;
    DecodePlayers(Bytes, Copy, Index);
  } catch (const std::exception& Error) {
    throw std::runtime_error("Profiles not saved: they would not load again (" +
                             std::string(Error.what()) + ")");
  }
  const std::string Path = PlayersFileName();
  PreserveOldFile(Path);
  WriteOrThrow(Path, std::string(Bytes.begin(), Bytes.end()));
}

void TPlayers::Load() {
  List.clear();
  Current = nullptr;
  RemoveLeftoverTemporaries();
  std::vector<std::unique_ptr<TPlayer>> Loaded;
  int32_t Index = 0;
  TReadResult Result = TReadResult::Missing;
  try {
    Result = ReadProfiles(PlayersFileName(), Loaded, Index);
    // Only a damaged file falls back on the backup; a missing one means a new start.
    if (Result == TReadResult::Damaged) Result = ReadProfiles(PlayersBackupName(), Loaded, Index);
  } catch (const std::exception&) {
    Result = TReadResult::Damaged;  // logged by KeepAside
  }
  if (Result == TReadResult::Loaded) {
    List = std::move(Loaded);
    SelectIndex(Index);
  } else {
    AddFallbackProfile();
  }
}
