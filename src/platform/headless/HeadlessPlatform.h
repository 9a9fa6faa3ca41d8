// The program without a window: a virtual clock that advances exactly 1/60 s per frame, a
// desktop of 1280 x 800, input only from a script, and every per-user folder under one
// folder when one is given. Integration tests, benchmarks and reviewers run the game this way.
#pragma once

#include <deque>
#include <string>

#include "platform/Platform.h"
#include "platform/headless/HeadlessScript.h"

struct THeadlessOptions {
  std::string UserDir;  // empty: the real XDG folders
  int FrameLimit = -1;  // close after this many frames; negative for no limit
};

class THeadlessPlatform : public TPlatform {
 public:
  static constexpr int64_t kFrequency = 60000000;
  static constexpr int64_t kTicksPerFrame = kFrequency / 60;
  static constexpr int kDesktopWidth = 1280, kDesktopHeight = 800;

  explicit THeadlessPlatform(const THeadlessOptions& Options);
  ~THeadlessPlatform() override;

  bool IsHeadless() const override { return true; }
  std::string ExeFolder() override;
  std::string DataHome() override;
  std::string ConfigHome() override;
  std::string StateHome() override;
  std::string DocumentsFolder() override;
  // Empty, so that every machine gets the same default profile name.
  std::string UserName() override { return ""; }

  void DesktopSize(int& Width, int& Height) override;
  int RefreshRate() override { return 60; }
  int64_t PerformanceCounter() override { return Counter; }
  int64_t PerformanceFrequency() override { return kFrequency; }
  // Headless runs keep to their own folders, so any number of them may run side by side.
  bool ClaimSingleInstance() override { return true; }

  void ShowMessageBox(const std::string& Text) override;
  bool OpenUrl(const std::string& Url) override;

  bool CreateWindow(int X, int Y, int ClientWidth, int ClientHeight) override;
  void DestroyWindow() override { Window = false; }
  bool HasWindow() const override { return Window; }
  void SetWindowTitle(const std::string& NewTitle) override { Title = NewTitle; }
  void ShowAndFocusWindow() override {}
  void SetWindowMode(bool FullScreen, int ClientWidth, int ClientHeight) override;
  SDL_Window* NativeWindow() override { return nullptr; }

  bool PollEvent(TPlatformEvent& Event) override;
  void WaitEvent() override {}
  void SetTextInput(bool Enabled) override {}

  bool KeyDown(TKey Key) override { return Player.KeyDown(Key); }
  bool MouseButtonDown(TMouseButton Button) override;
  void CursorPosition(int& X, int& Y) override;
  std::string PendingScreenshot() override { return Player.Screenshot(); }
  void EndFrame() override;
  void StartScript(const std::vector<TScriptCommand>& Commands) override;

  const std::string& WindowTitle() const { return Title; }
  int ClientWidth() const { return Width; }
  int ClientHeight() const { return Height; }

 private:
  void PrepareFrame();
  std::string UserFolder(const char* Name, const char* EnvName, const char* HomeRelative);

  THeadlessOptions Options;
  TScriptPlayer Player;
  std::deque<TPlatformEvent> Events;
  bool FramePrepared = false;
  bool CloseSent = false;
  int64_t Counter = 0;
  bool Window = false;
  int Width = 0, Height = 0;
  std::string Title;
};
