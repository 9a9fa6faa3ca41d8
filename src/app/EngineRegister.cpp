#include "app/EngineRegister.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "app/EngineRegisterIni.h"
#include "engine/EngineTimer.h"
#include "platform/Platform.h"
#include "platform/SafeFile.h"

namespace fs = std::filesystem;

TRegister Register;

std::string ExeFolder;
std::string DataFolder;
std::string UserFolder;
std::string BrandingFolder;
std::string LanguagesFolder;
std::string TexturesFolder;
std::string PathsFolder;
std::string SamplesFolder;
std::string SettingsFolder;
std::string SavesFolder;
std::string LogFolder;
bool SettingsLoaded = false;
std::unique_ptr<TErrorLog> ErrorLog;

namespace {

const char* const kStudioFolder = "Hollowmere/";
const char* const kGameFolder = "Plotstead/";
std::string UserDirOverride;

bool Exists(const std::string& Path) {
  std::error_code Error;
  return fs::exists(Path, Error);
}

// Creates Folder and its parents; failures show up later when a file in it is written.
void EnsureFolder(const std::string& Folder) {
  std::error_code Error;
  fs::create_directories(Folder, Error);
}

std::string WithSlash(std::string Folder) {
  if (!Folder.empty() && Folder.back() != '/') Folder += '/';
  return Folder;
}

// Moves an old per-user folder into its new place once; rename first, copy when the two
// lie on different file systems.
void MoveFolder(const std::string& From, const std::string& To) {
  std::error_code Error;
  fs::create_directories(fs::path(To).parent_path().parent_path(), Error);
  fs::rename(fs::path(From), fs::path(To).parent_path(), Error);
  if (!Error) return;
  Error.clear();
  fs::copy(From, To, fs::copy_options::recursive, Error);
  if (!Error) fs::remove_all(From, Error);
}

void ResolveUserFolders() {
  if (!UserDirOverride.empty()) {
    UserFolder = SettingsFolder = LogFolder = UserDirOverride;
    EnsureFolder(UserFolder);
    return;
  }
  std::string DataHome = Platform->DataHome();
  if (DataHome.empty()) {
    UserFolder = SettingsFolder = LogFolder = ExeFolder;
    return;
  }
  UserFolder = DataHome + kStudioFolder + kGameFolder;
  if (!Exists(UserFolder)) {
    std::string Documents = Platform->DocumentsFolder();
    std::string OldFolder = Documents + "My Games/" + kGameFolder;
    if (!Documents.empty() && Exists(OldFolder)) MoveFolder(OldFolder, UserFolder);
    EnsureFolder(UserFolder);
  }
  std::string ConfigHome = Platform->ConfigHome();
  std::string StateHome = Platform->StateHome();
  SettingsFolder = ConfigHome.empty() ? UserFolder : ConfigHome + kStudioFolder + kGameFolder;
  LogFolder = StateHome.empty() ? UserFolder : StateHome + kStudioFolder + kGameFolder;
  EnsureFolder(SettingsFolder);
  EnsureFolder(LogFolder);
}

void ResolveDataFolders() {
  const char* Env = std::getenv("PLOTSTEAD_DATA");
  if (Env && *Env)
    DataFolder = WithSlash(Env);
  else if (Exists(ExeFolder + "Languages"))
    DataFolder = ExeFolder;
  else
    DataFolder = ExeFolder + "../share/plotstead/";
  BrandingFolder = DataFolder + "Branding/";
  LanguagesFolder = DataFolder + "Languages/";
  TexturesFolder = DataFolder + "Textures/";
  PathsFolder = DataFolder + "Paths/";
  SamplesFolder = DataFolder + "Samples/";
}

void ReadSettings() {
  TIniFile Ini;
  bool ReadWhole = Ini.Load(SettingsFolder + "Game.ini");
  Register.Language = "English";
  Register.VSync = true;
  Register.FullScreen = Ini.ReadBool("RENDERER", "FullScreen", true);
  ComputeWindowSize(Register.DesktopWidth, Register.DesktopHeight, Register.WindowWidth,
                    Register.WindowHeight);
  ComputeScreenSize(Register);
  Register.SpritePoolSize = 3072;
  Register.EffectPoolSize = 96;
  Register.ParticlePoolSize = 1536;
  Register.TextPoolSize = 128;
  Register.SourcePoolSize = 24;
  Register.SfxVolume = EnsureRange(Ini.ReadInteger("AUDIO", "SfxVolume", 10), 0, 10);
  Register.MusicVolume = EnsureRange(Ini.ReadInteger("AUDIO", "MusicVolume", 8), 0, 10);
  SettingsLoaded = ReadWhole;
  if (!ReadWhole)
    LogError("Failed to read \"" + SettingsFolder + "Game.ini\"; it is kept as it is");
  for (int Line : Ini.MalformedLines)
    LogError("Ignored malformed line " + std::to_string(Line) + " of \"" + SettingsFolder +
             "Game.ini\"");
}

void WriteSettings() {
  TIniFile Ini;
  std::string Path = SettingsFolder + "Game.ini";
  if (!Ini.Load(Path)) return;  // never replace a file we could not read back
  Ini.WriteBool("RENDERER", "FullScreen", Register.FullScreen);
  Ini.WriteInteger("AUDIO", "SfxVolume", Register.SfxVolume);
  Ini.WriteInteger("AUDIO", "MusicVolume", Register.MusicVolume);
  std::string Error;
  if (!WriteFileSafely(Path, Ini.Text(), Error))
    std::cerr << "Failed to write \"" << Path << "\" (" << Error << ")\n";
}

void WriteErrorLog() {
  std::string Path = LogFolder + "Error.log";
  if (ErrorLog->Lines.empty()) {
    std::remove(Path.c_str());
    return;
  }
  std::string Content;
  for (const std::string& Line : ErrorLog->Lines) Content += Line + "\r\n";
  std::string Error;
  if (!WriteFileSafely(Path, Content, Error))
    std::cerr << "Failed to write \"" << Path << "\" (" << Error << ")\n";
}

}  // namespace

void TErrorLog::Add(const std::string& Line) {
  Lines.push_back(Line);
  std::cerr << Line << '\n';
}

void LogError(const std::string& Line) {
  if (ErrorLog)
    ErrorLog->Add(Line);
  else
    std::cerr << Line << '\n';
}

void SetUserDirOverride(const std::string& Dir) { UserDirOverride = WithSlash(Dir); }

void ComputeWindowSize(int DesktopWidth, int DesktopHeight, int& WindowWidth,
                       int& WindowHeight) {
  const float W = static_cast<float>(DesktopWidth), H = static_cast<float>(DesktopHeight);
  if (1.6f >= W / H) {
    const float Width = W * 0.85f;
    WindowWidth = Floor(Width);
    WindowHeight = Floor(Width * 0.625f);
  } else {
    const float Height = H * 0.85f;
    WindowWidth = Floor(Height * 1.6f);
    WindowHeight = Floor(Height);
  }
}

void ComputeScreenSize(TRegister& R) {
  if (R.FullScreen) {
    R.ScreenWidth = R.DesktopWidth;
    R.ScreenHeight = R.DesktopHeight;
  } else {
    R.ScreenWidth = R.WindowWidth;
    R.ScreenHeight = R.WindowHeight;
  }
  R.AspectRatio = static_cast<float>(R.ScreenWidth) / static_cast<float>(R.ScreenHeight);
  R.LogicalWidth = 1.6f >= R.AspectRatio ? 1280.0f : R.AspectRatio / 1.6f * 1280.0f;
  R.LogicalHeight = R.LogicalWidth / R.AspectRatio;
}

void LoadRegister() {
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  ErrorLog = std::make_unique<TErrorLog>();
  Platform->DesktopSize(Register.DesktopWidth, Register.DesktopHeight);
  ExeFolder = Platform->ExeFolder();
  if (ExeFolder.empty()) throw std::runtime_error("Failed to determine .exe location");
  ResolveUserFolders();
  ResolveDataFolders();
  SavesFolder = UserFolder + "Saves/";
  EnsureFolder(SavesFolder);
  ReadSettings();
}

void SaveRegister() {
  if (!ExeFolder.empty() && SettingsLoaded) WriteSettings();
  if (!ErrorLog) return;
  if (!ExeFolder.empty()) WriteErrorLog();
  ErrorLog.reset();
}
