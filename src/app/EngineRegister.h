// The process-wide settings record, the folders every loader uses, "Game.ini" and the error
// log. LoadRegister runs first at start-up, SaveRegister last at exit.
#pragma once

#include <memory>
#include <string>
#include <vector>

struct TRegister {
  std::string Language;
  int Difficulty = 0;  // 1 easy, 0 normal, -1 hard
  bool Deadline = false;
  bool RendererFailed = false;
  bool VSync = false;
  bool FullScreen = false;
  int ScreenWidth = 0, ScreenHeight = 0;
  int DesktopWidth = 0, DesktopHeight = 0;
  int WindowWidth = 0, WindowHeight = 0;
  float AspectRatio = 0;
  float LogicalWidth = 0, LogicalHeight = 0;
  int SpritePoolSize = 0;
  int EffectPoolSize = 0;
  int ParticlePoolSize = 0;
  int TextPoolSize = 0;
  int SourcePoolSize = 0;
  int SfxVolume = 0;    // 0..10
  int MusicVolume = 0;  // 0..10
  bool Window = false;  // the game window exists
};

extern TRegister Register;

// Folders, each ending with '/'.
extern std::string ExeFolder;
extern std::string DataFolder;  // root of the read-only data folders
extern std::string UserFolder;
extern std::string BrandingFolder;
extern std::string LanguagesFolder;
extern std::string TexturesFolder;
extern std::string PathsFolder;
extern std::string SamplesFolder;
extern std::string SettingsFolder;
extern std::string SavesFolder;
extern std::string LogFolder;
extern bool SettingsLoaded;

class TErrorLog {
 public:
  // Appends one line and echoes it on standard error.
  void Add(const std::string& Line);
  std::vector<std::string> Lines;
};

// Exists from the start of LoadRegister to the end of SaveRegister.
extern std::unique_ptr<TErrorLog> ErrorLog;
// Appends to ErrorLog when it exists; a no-op otherwise (tools and tests without a log).
void LogError(const std::string& Line);

// Redirects every per-user folder under Dir (headless runs and tests); call before
// LoadRegister.
void SetUserDirOverride(const std::string& Dir);

void LoadRegister();
void SaveRegister();

// The window, back-buffer and logical screen sizes for the given desktop and mode.
void ComputeWindowSize(int DesktopWidth, int DesktopHeight, int& WindowWidth, int& WindowHeight);
void ComputeScreenSize(TRegister& R);
