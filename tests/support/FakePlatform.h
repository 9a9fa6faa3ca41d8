// A platform for unit tests: folders under a test directory, a desktop of 1920 x 1080, a
// clock the test advances, and key, mouse and event state the test sets.
#pragma once

#include <deque>
#include <string>

#include "platform/Platform.h"

class TFakePlatform : public TPlatform {
 public:
  bool IsHeadless() const override { return true; }
  std::string ExeFolder() override { return Exe; }
  std::string DataHome() override { return Home.empty() ? "" : Home + "data/"; }
  std::string ConfigHome() override { return Home.empty() ? "" : Home + "config/"; }
  std::string StateHome() override { return Home.empty() ? "" : Home + "state/"; }
  std::string DocumentsFolder() override { return Home.empty() ? "" : Home + "Documents/"; }
  std::string UserName() override { return User; }
  void DesktopSize(int& W, int& H) override { W = DesktopW, H = DesktopH; }
  int RefreshRate() override { return 60; }
  int64_t PerformanceCounter() override { return Counter; }
  int64_t PerformanceFrequency() override { return Frequency; }
  bool ClaimSingleInstance() override { return true; }
  void ShowMessageBox(const std::string& Text) override { LastMessageBox = Text; }
  bool OpenUrl(const std::string& Url) override { LastUrl = Url; return true; }
  bool CreateWindow(int, int, int W, int H) override { Window = true; return true; }
  void DestroyWindow() override { Window = false; }
  bool HasWindow() const override { return Window; }
  void SetWindowTitle(const std::string& T) override { Title = T; }
  void ShowAndFocusWindow() override {}
  void SetWindowMode(bool FullScreen, int, int) override { IsFullScreen = FullScreen; }
  SDL_Window* NativeWindow() override { return nullptr; }
  bool PollEvent(TPlatformEvent& E) override {
    if (Events.empty()) return false;
    E = Events.front();
    Events.pop_front();
    return true;
  }
  void WaitEvent() override {}
  void SetTextInput(bool Enabled) override { TextInput = Enabled; }
  bool KeyDown(TKey Key) override { return Keys[Key]; }
  bool MouseButtonDown(TMouseButton B) override { return Buttons[B]; }
  void CursorPosition(int& X, int& Y) override { X = CursorX, Y = CursorY; }
  std::string PendingScreenshot() override { return Screenshot; }
  void EndFrame() override { Counter += Frequency / 60; }

  std::string Exe = "/tmp/", Home, User = "tester", Title, LastMessageBox, LastUrl, Screenshot;
  int DesktopW = 1920, DesktopH = 1080, CursorX = 0, CursorY = 0;
  int64_t Counter = 0, Frequency = 6000000;
  bool Window = false, IsFullScreen = false, TextInput = false;
  bool Keys[kKeyCount] = {};
  bool Buttons[2] = {};
  std::deque<TPlatformEvent> Events;
};
