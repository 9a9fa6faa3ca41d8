// The operating-system side of the game: window, events, keyboard and mouse state, clock,
// folders, message box, single running copy. One implementation talks to SDL2 (sdl/), the
// other runs the program without a window from a script (headless/). The graphics and sound
// devices have interfaces of their own (PlatformGraphics.h, PlatformSound.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct SDL_Window;
struct TScriptCommand;

// The keys the game samples. Letters are contiguous so that kKeyA + n is the n-th letter.
enum TKey : int {
  kKeyEscape,
  kKeyEnter,
  kKeySpace,
  kKeyPause,
  kKeyBackspace,
  kKeyF1,
  kKeyF11,
  kKeyF12,
  kKeyCtrl,   // either Ctrl key
  kKeyAlt,    // either Alt key
  kKeySuper,  // either Super (Windows) key
  kKeyA,
  kKeyZ = kKeyA + 25,
  kKeyCount
};

inline TKey LetterKey(char Letter) { return TKey(kKeyA + (Letter - 'A')); }

enum TMouseButton : int { kMouseLeft, kMouseRight };

enum class TPlatformEventKind {
  Close,        // the window's close box, or the session asks the program to end
  Activated,    // the window became active and is not minimized
  Deactivated,  // the window lost the focus or was minimized
  Char,         // one typed character, already converted to a Windows-1252 byte
  Exposed,      // the window must be redrawn
};

struct TPlatformEvent {
  TPlatformEventKind Kind = TPlatformEventKind::Close;
  uint8_t Char = 0;
};

class TPlatform {
 public:
  virtual ~TPlatform() = default;

  virtual bool IsHeadless() const = 0;

  // Folders, each ending with '/'; empty when the platform cannot tell.
  virtual std::string ExeFolder() = 0;
  virtual std::string DataHome() = 0;       // $XDG_DATA_HOME or ~/.local/share
  virtual std::string ConfigHome() = 0;     // $XDG_CONFIG_HOME or ~/.config
  virtual std::string StateHome() = 0;      // $XDG_STATE_HOME or ~/.local/state
  virtual std::string DocumentsFolder() = 0;
  virtual std::string UserName() = 0;       // the account name; empty when unknown

  virtual void DesktopSize(int& Width, int& Height) = 0;
  virtual int RefreshRate() = 0;  // Hz of the display, 60 when unknown

  virtual int64_t PerformanceCounter() = 0;
  virtual int64_t PerformanceFrequency() = 0;  // 0 when there is no counter

  // Only one copy per user session. Returns false when another copy runs; it has then been
  // asked to restore and raise its window, and this copy must end at once.
  virtual bool ClaimSingleInstance() = 0;

  virtual void ShowMessageBox(const std::string& Text) = 0;
  virtual bool OpenUrl(const std::string& Url) = 0;

  // The game window. CreateWindow returns false on failure.
  virtual bool CreateWindow(int X, int Y, int ClientWidth, int ClientHeight) = 0;
  virtual void DestroyWindow() = 0;
  virtual bool HasWindow() const = 0;
  virtual void SetWindowTitle(const std::string& Title) = 0;
  virtual void ShowAndFocusWindow() = 0;
  // Windowed at the given client size, centred on the desktop; or desktop full screen.
  virtual void SetWindowMode(bool FullScreen, int ClientWidth, int ClientHeight) = 0;
  virtual SDL_Window* NativeWindow() = 0;  // nullptr for the headless platform

  // Events: PollEvent takes one pending event; WaitEvent blocks until one is pending.
  virtual bool PollEvent(TPlatformEvent& Event) = 0;
  virtual void WaitEvent() = 0;
  virtual void SetTextInput(bool Enabled) = 0;

  // State at this moment. CursorPosition is in client coordinates (may lie outside).
  virtual bool KeyDown(TKey Key) = 0;
  virtual bool MouseButtonDown(TMouseButton Button) = 0;
  virtual void CursorPosition(int& X, int& Y) = 0;

  // The file the frame being drawn must be saved to as a PNG (headless script's `screenshot`
  // command); empty in every other frame.
  virtual std::string PendingScreenshot() = 0;

  // Called once at the end of every frame: the SDL platform keeps the loop from running
  // faster than the display, the headless platform advances its clock and its script.
  virtual void EndFrame() = 0;

  // From now on the script is the only source of keys, mouse and typed text; when it ends the
  // platform reports a Close event. Platforms without scripting ignore it.
  virtual void StartScript(const std::vector<TScriptCommand>& Commands) {}
};

// The platform of this process, set by the program body before anything else runs.
extern TPlatform* Platform;

// Helpers both backends share. Folders end with '/', and are empty when they cannot be found.
std::string HomeFolder();
// $EnvName when it holds an absolute path, otherwise HomeFolder() + HomeRelative.
std::string XdgFolder(const char* EnvName, const char* HomeRelative);
// XDG_DOCUMENTS_DIR from user-dirs.dirs, otherwise ~/Documents.
std::string XdgDocumentsFolder();
// The folder for the running-copy lock: $XDG_RUNTIME_DIR, otherwise a private folder in /tmp.
std::string XdgRuntimeFolder();
std::string ExecutableFolder();
std::string AccountName();
// Typed text arrives as UTF-8; the game's texts are Windows-1252 bytes. Characters that have
// no Windows-1252 code, control characters and malformed sequences are dropped.
std::string Utf8ToWindows1252(const std::string& Text);
