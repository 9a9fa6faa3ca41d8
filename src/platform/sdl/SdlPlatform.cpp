#include "platform/sdl/SdlPlatform.h"

#include <SDL.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <thread>

namespace {

// The game's keys by physical position, so the letters sit where they do on a US keyboard
// whatever the layout.
struct TScancodes {
  SDL_Scancode First, Second;
};

TScancodes ScancodesOf(TKey Key) {
  switch (Key) {
    case kKeyEscape: return {SDL_SCANCODE_ESCAPE, SDL_SCANCODE_UNKNOWN};
    case kKeyEnter: return {SDL_SCANCODE_RETURN, SDL_SCANCODE_KP_ENTER};
    case kKeySpace: return {SDL_SCANCODE_SPACE, SDL_SCANCODE_UNKNOWN};
    case kKeyPause: return {SDL_SCANCODE_PAUSE, SDL_SCANCODE_UNKNOWN};
    case kKeyBackspace: return {SDL_SCANCODE_BACKSPACE, SDL_SCANCODE_UNKNOWN};
    case kKeyF1: return {SDL_SCANCODE_F1, SDL_SCANCODE_UNKNOWN};
    case kKeyF11: return {SDL_SCANCODE_F11, SDL_SCANCODE_UNKNOWN};
    case kKeyF12: return {SDL_SCANCODE_F12, SDL_SCANCODE_UNKNOWN};
    case kKeyCtrl: return {SDL_SCANCODE_LCTRL, SDL_SCANCODE_RCTRL};
    case kKeyAlt: return {SDL_SCANCODE_LALT, SDL_SCANCODE_RALT};
    case kKeySuper: return {SDL_SCANCODE_LGUI, SDL_SCANCODE_RGUI};
    default:
      if (Key >= kKeyA && Key <= kKeyZ)
        return {static_cast<SDL_Scancode>(SDL_SCANCODE_A + (Key - kKeyA)), SDL_SCANCODE_UNKNOWN};
      return {SDL_SCANCODE_UNKNOWN, SDL_SCANCODE_UNKNOWN};
  }
}

void ReportSdlError(const char* What) { std::cerr << What << ": " << SDL_GetError() << '\n'; }

}  // namespace

TSdlPlatform::TSdlPlatform(const TSdlOptions& NewOptions) : Options(NewOptions) {
  Player.LimitFrames(Options.FrameLimit);
  WakeEventType = SDL_RegisterEvents(1);
}

TSdlPlatform::~TSdlPlatform() {
  Guard.reset();
  DestroyWindow();
  if (VideoReady) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  SDL_Quit();
}

bool TSdlPlatform::ClaimSingleInstance() {
  std::string Folder = Options.InstanceFolder;
  if (Folder.empty()) {
    Folder = XdgRuntimeFolder();
  } else {
    // A user folder given on the command line is made here already, so that the copy that
    // creates it holds the lock in it.
    std::error_code Error;
    std::filesystem::create_directories(Folder, Error);
  }
  Guard = std::make_unique<TInstanceGuard>(Folder);
  return Guard->Claim([this] {
    // Runs on the guard's thread: only a flag and a wake-up for a loop blocked in WaitEvent.
    RaiseRequested = true;
    if (WakeEventType != static_cast<uint32_t>(-1) && SDL_WasInit(SDL_INIT_EVENTS)) {
      SDL_Event Wake = {};
      Wake.type = WakeEventType;
      SDL_PushEvent(&Wake);
    }
  });
}

// Video starts on first use: a second copy ends before it ever talks to the display.
bool TSdlPlatform::EnsureVideo() {
  if (VideoTried) return VideoReady;
  VideoTried = true;
  VideoReady = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  if (!VideoReady) {
    ReportSdlError("Cannot open the display");
    return false;
  }
  SDL_StopTextInput();  // SDL starts with text input on; the line editor turns it on
  return true;
}

void TSdlPlatform::DesktopSize(int& Width, int& Height) {
  SDL_DisplayMode Mode;
  int Display = Window ? SDL_GetWindowDisplayIndex(Window) : 0;
  if (EnsureVideo() && SDL_GetDesktopDisplayMode(Display < 0 ? 0 : Display, &Mode) == 0) {
    Width = Mode.w;
    Height = Mode.h;
    return;
  }
  Width = 1280;
  Height = 800;
}

int TSdlPlatform::RefreshRate() {
  SDL_DisplayMode Mode;
  int Display = Window ? SDL_GetWindowDisplayIndex(Window) : 0;
  if (EnsureVideo() && SDL_GetDesktopDisplayMode(Display < 0 ? 0 : Display, &Mode) == 0 &&
      Mode.refresh_rate > 0)
    return Mode.refresh_rate;
  return 60;
}

int64_t TSdlPlatform::PerformanceCounter() {
  return static_cast<int64_t>(SDL_GetPerformanceCounter());
}

int64_t TSdlPlatform::PerformanceFrequency() {
  return static_cast<int64_t>(SDL_GetPerformanceFrequency());
}

void TSdlPlatform::ShowMessageBox(const std::string& Text) {
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, "Error", Text.c_str(), nullptr) != 0)
    std::cerr << Text << '\n';
}

bool TSdlPlatform::OpenUrl(const std::string& Url) { return SDL_OpenURL(Url.c_str()) == 0; }

bool TSdlPlatform::CreateWindow(int X, int Y, int ClientWidth, int ClientHeight) {
  if (!EnsureVideo()) return false;
  // The renderer draws through OpenGL where it can; a window made for OpenGL from the start is
  // not replaced by a new one when the renderer starts.
  Window = SDL_CreateWindow(Title.c_str(), X, Y, ClientWidth, ClientHeight,
                            SDL_WINDOW_HIDDEN | SDL_WINDOW_OPENGL);
  if (!Window)
    Window = SDL_CreateWindow(Title.c_str(), X, Y, ClientWidth, ClientHeight, SDL_WINDOW_HIDDEN);
  if (!Window) ReportSdlError("Cannot create the window");
  FrameRate = RefreshRate();
  return Window != nullptr;
}

void TSdlPlatform::DestroyWindow() {
  if (!Window) return;
  SDL_DestroyWindow(Window);
  Window = nullptr;
}

void TSdlPlatform::SetWindowTitle(const std::string& NewTitle) {
  Title = NewTitle;
  if (Window) SDL_SetWindowTitle(Window, Title.c_str());
}

void TSdlPlatform::ShowAndFocusWindow() {
  if (!Window) return;
  SDL_ShowWindow(Window);
  SDL_RaiseWindow(Window);
}

void TSdlPlatform::SetWindowMode(bool FullScreen, int ClientWidth, int ClientHeight) {
  if (!Window) return;
  if (FullScreen) {
    // Without a window manager the X server never resizes a window that asks for desktop
    // full screen, so the window is first moved and sized to cover the desktop itself.
    int DesktopWidth = 0, DesktopHeight = 0;
    DesktopSize(DesktopWidth, DesktopHeight);
    SDL_SetWindowPosition(Window, 0, 0);
    SDL_SetWindowSize(Window, DesktopWidth, DesktopHeight);
    SDL_SetWindowFullscreen(Window, SDL_WINDOW_FULLSCREEN_DESKTOP);
  } else {
    SDL_SetWindowFullscreen(Window, 0);
    SDL_SetWindowSize(Window, ClientWidth, ClientHeight);
    SDL_SetWindowPosition(Window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
  FrameRate = RefreshRate();
}

void TSdlPlatform::RaiseWindow() {
  if (!Window) return;
  SDL_RestoreWindow(Window);
  SDL_RaiseWindow(Window);
}

void TSdlPlatform::StartScript(const std::vector<TScriptCommand>& Commands) {
  Player.Start(Commands);
}

void TSdlPlatform::Push(TPlatformEventKind Kind, uint8_t Char) { Events.push_back({Kind, Char}); }

void TSdlPlatform::PushTypedText(const std::string& Windows1252) {
  for (char Ch : Windows1252) Push(TPlatformEventKind::Char, static_cast<uint8_t>(Ch));
}

void TSdlPlatform::PrepareFrame() {
  if (FramePrepared) return;
  FramePrepared = true;
  Player.BeginFrame();
  PushTypedText(Player.TakeTypedText());
}

void TSdlPlatform::Translate(const SDL_Event& Event) {
  const bool RealInput = !Player.Running();
  switch (Event.type) {
    case SDL_QUIT:
      Push(TPlatformEventKind::Close);
      break;
    case SDL_WINDOWEVENT:
      switch (Event.window.event) {
        case SDL_WINDOWEVENT_CLOSE: Push(TPlatformEventKind::Close); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED: Push(TPlatformEventKind::Activated); break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
        case SDL_WINDOWEVENT_MINIMIZED:
        case SDL_WINDOWEVENT_HIDDEN: Push(TPlatformEventKind::Deactivated); break;
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SHOWN:
          // Focus comes with its own event; a window shown again without it stays inactive.
          if (Window && (SDL_GetWindowFlags(Window) & SDL_WINDOW_INPUT_FOCUS))
            Push(TPlatformEventKind::Activated);
          break;
        case SDL_WINDOWEVENT_EXPOSED: Push(TPlatformEventKind::Exposed); break;
        default: break;
      }
      break;
    case SDL_TEXTINPUT:
      if (RealInput && TextInputOn) PushTypedText(Utf8ToWindows1252(Event.text.text));
      break;
    case SDL_KEYDOWN:
      // Backspace types a character of its own, repeating while held.
      if (RealInput && TextInputOn && Event.key.keysym.scancode == SDL_SCANCODE_BACKSPACE)
        Push(TPlatformEventKind::Char, 8);
      break;
    default:
      break;
  }
}

bool TSdlPlatform::PollEvent(TPlatformEvent& Event) {
  PrepareFrame();
  if (RaiseRequested.exchange(false)) RaiseWindow();
  if (!CloseSent && Player.QuitRequested()) {
    CloseSent = true;
    Push(TPlatformEventKind::Close);
  }
  SDL_Event Native;
  while (Events.empty() && VideoReady && SDL_PollEvent(&Native)) Translate(Native);
  if (Events.empty()) return false;
  Event = Events.front();
  Events.pop_front();
  return true;
}

// Blocks without using the processor until the system, a window or another copy of the game
// has something for us.
void TSdlPlatform::WaitEvent() {
  if (!Events.empty() || RaiseRequested || !VideoReady) return;
  SDL_WaitEvent(nullptr);
}

void TSdlPlatform::SetTextInput(bool Enabled) {
  if (Enabled == TextInputOn || !VideoReady) return;
  TextInputOn = Enabled;
  if (Enabled)
    SDL_StartTextInput();
  else
    SDL_StopTextInput();
}

bool TSdlPlatform::KeyDown(TKey Key) {
  if (Player.Running()) return Player.KeyDown(Key);
  if (!VideoReady) return false;
  const Uint8* State = SDL_GetKeyboardState(nullptr);
  TScancodes Codes = ScancodesOf(Key);
  return (Codes.First != SDL_SCANCODE_UNKNOWN && State[Codes.First]) ||
         (Codes.Second != SDL_SCANCODE_UNKNOWN && State[Codes.Second]);
}

bool TSdlPlatform::MouseButtonDown(TMouseButton Button) {
  if (Player.Running()) return Button == kMouseLeft && Player.MouseDown();
  if (!VideoReady) return false;
  Uint32 Buttons = SDL_GetMouseState(nullptr, nullptr);
  return Buttons & (Button == kMouseLeft ? SDL_BUTTON_LMASK : SDL_BUTTON_RMASK);
}

// Client coordinates, also while the cursor is outside the window (then from the desktop
// position, so that a cursor over the title bar has a negative y).
void TSdlPlatform::CursorPosition(int& X, int& Y) {
  X = Y = 0;
  if (!Window) return;
  if (Player.Running()) {
    int Width, Height;
    SDL_GetWindowSize(Window, &Width, &Height);
    LayoutToClient(Player.CursorX(), Player.CursorY(), Width, Height, X, Y);
    return;
  }
  if (SDL_GetMouseFocus() == Window) {
    SDL_GetMouseState(&X, &Y);
    return;
  }
  int WindowX, WindowY;
  SDL_GetGlobalMouseState(&X, &Y);
  SDL_GetWindowPosition(Window, &WindowX, &WindowY);
  X -= WindowX;
  Y -= WindowY;
}

void TSdlPlatform::EndFrame() {
  Player.EndFrame();
  FramePrepared = false;
  KeepToRefreshRate();
}

// When presenting does not wait for the display (no vsync, as under Xvfb), frames would run
// as fast as the processor allows; each frame gets a due time one refresh period after the
// previous one, and a frame that finishes early sleeps until then. A loop that falls behind
// starts a new schedule instead of rushing to catch up.
void TSdlPlatform::KeepToRefreshRate() {
  const uint64_t Frequency = SDL_GetPerformanceFrequency();
  const uint64_t Period = Frequency / static_cast<uint64_t>(FrameRate);
  const uint64_t Now = SDL_GetPerformanceCounter();
  if (NextFrameDue == 0 || Now > NextFrameDue + Period) NextFrameDue = Now;
  NextFrameDue += Period;
  if (Now >= NextFrameDue) return;
  const double Seconds = static_cast<double>(NextFrameDue - Now) / static_cast<double>(Frequency);
  std::this_thread::sleep_for(std::chrono::duration<double>(Seconds));
}
