#include "app/Program.h"

#include <exception>
#include <stdexcept>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "engine/EngineGui.h"
#include "engine/EngineInput.h"
#include "engine/EngineLanguages.h"
#include "engine/EngineParticles.h"
#include "engine/EngineRenderer.h"
#include "engine/EngineTexts.h"
#include "engine/EngineTimer.h"
#include "engine/OrmelGuiCursors.h"
#include "engine/OrmelGuiTransitionImage.h"
#include "engine/OrmelGuiTransitionSplash.h"
#include "game/OrmelGuiDialogAbout.h"
#include "game/OrmelGuiDialogInput.h"
#include "game/OrmelGuiDialogMessage.h"
#include "game/OrmelGuiDialogOptions.h"
#include "game/OrmelGuiDialogQuery.h"
#include "game/OrmelGuiFormMenu.h"
#include "game/OrmelGuiFormMission.h"
#include "game/OrmelGuiFormProfiles.h"
#include "game/OrmelGuiFormSplash.h"
#include "game/OrmelPlayers.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessScript.h"

bool Running = false;
bool Quit = false;
bool Active = true;

namespace {

bool FrameFailed = false;

template <typename T>
void Free(T*& Singleton) {
  delete Singleton;
  Singleton = nullptr;
}

std::string MessageOf(std::exception_ptr Error) {
  try {
    std::rethrow_exception(Error);
  } catch (const std::exception& E) {
    return E.what();
  } catch (...) {
    return "Unknown error";
  }
}

// An error raised inside a frame or by a window event: the rest of the frame is skipped and
// the program ends normally at the next loop pass, with the message in the log.
void FailFrame(std::exception_ptr Error) {
  LogError(MessageOf(Error));
  FrameFailed = true;
  Quit = true;
}

void HandleEvent(const TPlatformEvent& Event) {
  switch (Event.Kind) {
    case TPlatformEventKind::Close:
      Quit = true;
      break;
    case TPlatformEventKind::Activated:
      Active = true;
      break;
    case TPlatformEventKind::Deactivated:
      if (Active && Input) Input->Suspend();
      Active = false;
      break;
    case TPlatformEventKind::Char:
      if (Input && Input->TextInput) Input->KeyChar(Event.Char);
      break;
    case TPlatformEventKind::Exposed:
      break;
  }
}

// F11 and Alt+Enter switch between the window and desktop full screen; the current profile
// remembers the choice.
void ToggleFullScreen() {
  Renderer->SetFullScreen(!Register.FullScreen);
  if (Players && Players->Current) Players->Current->CopySettings();
}

// Takes every pending event, then runs one frame while the window is active; while it is
// not, the loop sleeps in the system until something happens.
void RunMessageLoop() {
  while (Running) {
    if (Quit) {
      Running = false;
      ShutDown();
      break;
    }
    try {
      if (!Active) Platform->WaitEvent();
      Platform->SetTextInput(Input && Input->TextInput);
      TPlatformEvent Event;
      while (!Quit && Platform->PollEvent(Event)) HandleEvent(Event);
    } catch (...) {
      FailFrame(std::current_exception());
    }
    if (Quit || !Active) continue;
    try {
      RunFrame();
    } catch (...) {
      FailFrame(std::current_exception());
    }
    Platform->EndFrame();
  }
}

// The splash pictures come first when there are any; otherwise the shared resources load now
// and the menu fades in at once.
void ShowFirstScreen() {
  if (PrepareSplashes()) {
    Gui->ShowForm("Splash", "Splash");
    return;
  }
  PreloadResources();
  Gui->ShowForm("Menu", "Splash");
}

// A failed start ends without a window; only a renderer that cannot work with the machine's
// graphics tells the player so on screen.
int FailStart(std::exception_ptr Error) {
  bool BadScript = false;
  try {
    std::rethrow_exception(Error);
  } catch (const TScriptError&) {
    BadScript = true;
  } catch (...) {
  }
  LogError(MessageOf(Error));
  ShutDown();
  if (Register.RendererFailed) Platform->ShowMessageBox(Strings[sidMsgUnsupportedVideo]);
  return BadScript ? ecBadScript : ecFailure;
}

}  // namespace

void CreateGameWindow() {
  const int X = (Register.DesktopWidth - Register.WindowWidth) / 2;
  const int Y = (Register.DesktopHeight - Register.WindowHeight) / 2;
  if (!Platform->CreateWindow(X, Y, Register.WindowWidth, Register.WindowHeight))
    throw std::runtime_error("Failed to create window");
  Register.Window = true;
  if (Register.FullScreen)
    Platform->SetWindowMode(true, Register.WindowWidth, Register.WindowHeight);
  Platform->ShowAndFocusWindow();

  // Each singleton may use the ones made before it.
  Languages = new TLanguages();
  Input = new TInput();
  Timer = new TTimer();
  Audio = new TAudio();
  Renderer = new TRenderer();
  Particles = new TParticles(Register.EffectPoolSize, Register.ParticlePoolSize);
  Texts = new TTexts();
  SetupMissionEffects();
  Players = new TPlayers();
  Gui = new TGui();
  CreateForms();
  ShowFirstScreen();
}

// Each registration goes to the front of its list.
void CreateForms() {
  Gui->AddCursor(new TGuiCursorStandard("Default"));
  Gui->AddDialog(new TGuiDialogQuery());
  Gui->AddDialog(new TGuiDialogMessage());
  Gui->AddDialog(new TGuiDialogInput());
  Gui->AddDialog(new TGuiDialogOptions());
  Gui->AddDialog(new TGuiDialogAbout());
  Gui->AddTransition(new TGuiTransitionSplash("Splash"));
  Gui->AddTransition(new TGuiTransitionImage("Image"));
  Gui->AddForm(new TGuiFormSplash());
  Gui->AddForm(new TGuiFormMenu());
  Gui->AddForm(new TGuiFormProfiles());
  EndProgram = [] { Quit = true; };
}

void RunFrame() {
  // A lost graphics device skips whole frames until it comes back.
  if (Renderer->DeviceLost) {
    Renderer->RestoreDevice();
    if (Renderer->DeviceLost) return;
  }
  if (Input->Suspended) Input->Resume();
  Input->Update();
  Timer->Update(Input->FrameTime);
  Gui->Update();
  Particles->Update();
  Renderer->RenderFrame();
  Audio->Update(Input->FrameTime);
  if (Input->FullScreenPressed) ToggleFullScreen();
}

void ShutDown() {
  Free(Gui);
  Free(Players);
  Free(Texts);
  Free(Particles);
  Free(Renderer);
  Free(Audio);
  Free(Timer);
  Free(Input);
  Free(Languages);
  if (Register.Window) {
    Platform->DestroyWindow();
    Register.Window = false;
  }
}

int RunProgram(const TProgramOptions& Options) {
  Running = false;
  Quit = false;
  Active = true;
  FrameFailed = false;
  // Another copy runs and has been asked to come to the front; this one leaves every file
  // alone.
  if (!Platform->ClaimSingleInstance()) return ecSuccess;

  int ExitCode = ecSuccess;
  try {
    LoadRegister();
    if (!Options.ScriptFile.empty()) Platform->StartScript(LoadScriptFile(Options.ScriptFile));
    BuildCreditTexts();
    CreateGameWindow();
    Running = true;
  } catch (...) {
    ExitCode = FailStart(std::current_exception());
  }
  RunMessageLoop();
  SaveRegister();
  return FrameFailed ? ecFailure : ExitCode;
}
