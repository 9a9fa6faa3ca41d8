#include "platform/headless/HeadlessPlatform.h"

#include <csignal>
#include <iostream>

namespace {

// Ctrl+C or a polite kill ends a headless run like closing the window, so the settings and
// the log are written.
volatile std::sig_atomic_t StopSignal = 0;

void OnStopSignal(int) { StopSignal = 1; }

void InstallStopHandlers() {
  struct sigaction Action = {};
  Action.sa_handler = OnStopSignal;
  sigemptyset(&Action.sa_mask);
  sigaction(SIGINT, &Action, nullptr);
  sigaction(SIGTERM, &Action, nullptr);
}

void RestoreStopHandlers() {
  std::signal(SIGINT, SIG_DFL);
  std::signal(SIGTERM, SIG_DFL);
}

std::string WithSlash(std::string Folder) {
  if (!Folder.empty() && Folder.back() != '/') Folder += '/';
  return Folder;
}

}  // namespace

THeadlessPlatform::THeadlessPlatform(const THeadlessOptions& NewOptions) : Options(NewOptions) {
  Options.UserDir = WithSlash(Options.UserDir);
  Player.LimitFrames(Options.FrameLimit);
  StopSignal = 0;
  InstallStopHandlers();
}

THeadlessPlatform::~THeadlessPlatform() { RestoreStopHandlers(); }

std::string THeadlessPlatform::ExeFolder() { return ExecutableFolder(); }

std::string THeadlessPlatform::UserFolder(const char* Name, const char* EnvName,
                                          const char* HomeRelative) {
  if (!Options.UserDir.empty()) return Options.UserDir + Name;
  return EnvName ? XdgFolder(EnvName, HomeRelative) : XdgDocumentsFolder();
}

std::string THeadlessPlatform::DataHome() {
  return UserFolder("share/", "XDG_DATA_HOME", ".local/share/");
}
std::string THeadlessPlatform::ConfigHome() {
  return UserFolder("config/", "XDG_CONFIG_HOME", ".config/");
}
std::string THeadlessPlatform::StateHome() {
  return UserFolder("state/", "XDG_STATE_HOME", ".local/state/");
}
std::string THeadlessPlatform::DocumentsFolder() {
  return UserFolder("Documents/", nullptr, nullptr);
}

void THeadlessPlatform::DesktopSize(int& DesktopWidth, int& DesktopHeight) {
  DesktopWidth = kDesktopWidth;
  DesktopHeight = kDesktopHeight;
}

void THeadlessPlatform::ShowMessageBox(const std::string& Text) {
  std::cerr << "Message box: " << Text << '\n';
}

bool THeadlessPlatform::OpenUrl(const std::string& Url) {
  std::cout << "Open URL: " << Url << std::endl;
  return true;
}

bool THeadlessPlatform::CreateWindow(int X, int Y, int ClientWidth, int ClientHeight) {
  Window = true;
  Width = ClientWidth;
  Height = ClientHeight;
  return true;
}

void THeadlessPlatform::SetWindowMode(bool FullScreen, int ClientWidth, int ClientHeight) {
  Width = FullScreen ? kDesktopWidth : ClientWidth;
  Height = FullScreen ? kDesktopHeight : ClientHeight;
}

void THeadlessPlatform::StartScript(const std::vector<TScriptCommand>& Commands) {
  Player.Start(Commands);
}

// The script's commands for the coming frame run when the program first asks for events.
void THeadlessPlatform::PrepareFrame() {
  if (FramePrepared) return;
  FramePrepared = true;
  Player.BeginFrame();
  for (char Ch : Player.TakeTypedText())
    Events.push_back({TPlatformEventKind::Char, static_cast<uint8_t>(Ch)});
}

bool THeadlessPlatform::PollEvent(TPlatformEvent& Event) {
  PrepareFrame();
  if (!CloseSent && (Player.QuitRequested() || StopSignal)) {
    CloseSent = true;
    Events.push_back({TPlatformEventKind::Close, 0});
  }
  if (Events.empty()) return false;
  Event = Events.front();
  Events.pop_front();
  return true;
}

bool THeadlessPlatform::MouseButtonDown(TMouseButton Button) {
  return Button == kMouseLeft && Player.MouseDown();
}

void THeadlessPlatform::CursorPosition(int& X, int& Y) {
  LayoutToClient(Player.CursorX(), Player.CursorY(), Width, Height, X, Y);
}

void THeadlessPlatform::EndFrame() {
  Counter += kTicksPerFrame;
  Player.EndFrame();
  FramePrepared = false;
}
