// The real desktop: an SDL2 window on X11 or Wayland, the keyboard by scancode, typed text
// as Windows-1252 bytes, the XDG folders, and one running copy per user session.
#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "platform/InstanceGuard.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessScript.h"

union SDL_Event;

struct TSdlOptions {
  std::string InstanceFolder;  // where the running-copy lock lives; empty: the session folder
  int FrameLimit = -1;         // close after this many frames; negative for no limit
};

class TSdlPlatform : public TPlatform {
 public:
  explicit TSdlPlatform(const TSdlOptions& Options);
  ~TSdlPlatform() override;

  bool IsHeadless() const override { return false; }
  std::string ExeFolder() override { return ExecutableFolder(); }
  std::string DataHome() override { return XdgFolder("XDG_DATA_HOME", ".local/share/"); }
  std::string ConfigHome() override { return XdgFolder("XDG_CONFIG_HOME", ".config/"); }
  std::string StateHome() override { return XdgFolder("XDG_STATE_HOME", ".local/state/"); }
  std::string DocumentsFolder() override { return XdgDocumentsFolder(); }
  std::string UserName() override { return AccountName(); }

  void DesktopSize(int& Width, int& Height) override;
  int RefreshRate() override;
  int64_t PerformanceCounter() override;
  int64_t PerformanceFrequency() override;
  bool ClaimSingleInstance() override;

  void ShowMessageBox(const std::string& Text) override;
  bool OpenUrl(const std::string& Url) override;

  bool CreateWindow(int X, int Y, int ClientWidth, int ClientHeight) override;
  void DestroyWindow() override;
  bool HasWindow() const override { return Window != nullptr; }
  void SetWindowTitle(const std::string& Title) override;
  void ShowAndFocusWindow() override;
  void SetWindowMode(bool FullScreen, int ClientWidth, int ClientHeight) override;
  SDL_Window* NativeWindow() override { return Window; }

  bool PollEvent(TPlatformEvent& Event) override;
  void WaitEvent() override;
  void SetTextInput(bool Enabled) override;

  bool KeyDown(TKey Key) override;
  bool MouseButtonDown(TMouseButton Button) override;
  void CursorPosition(int& X, int& Y) override;
  std::string PendingScreenshot() override { return Player.Screenshot(); }
  void EndFrame() override;
  void StartScript(const std::vector<TScriptCommand>& Commands) override;

 private:
  bool EnsureVideo();
  void PrepareFrame();
  void Translate(const SDL_Event& Event);
  void Push(TPlatformEventKind Kind, uint8_t Char = 0);
  void PushTypedText(const std::string& Windows1252);
  void RaiseWindow();
  void KeepToRefreshRate();

  TSdlOptions Options;
  std::unique_ptr<TInstanceGuard> Guard;
  std::atomic<bool> RaiseRequested{false};
  uint32_t WakeEventType = 0;
  bool VideoTried = false, VideoReady = false;
  SDL_Window* Window = nullptr;
  std::string Title = "Game";
  bool TextInputOn = false;
  std::deque<TPlatformEvent> Events;
  TScriptPlayer Player;
  bool FramePrepared = false;
  bool CloseSent = false;
  int FrameRate = 60;  // of the display the window is on
  uint64_t NextFrameDue = 0;
};
