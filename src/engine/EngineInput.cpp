#include "engine/EngineInput.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "engine/EngineTimer.h"
#include "platform/Platform.h"

TInput* Input = nullptr;

// Codes 2 to 5 share Q and P.
const char TInput::kCodes[kCodeCount][3] = {{'G', 'K', 'A'}, {'Q', 'P', 'A'}, {'Q', 'P', 'S'},
                                            {'Q', 'P', 'D'}, {'Q', 'P', 'F'}, {'G', 'K', 'F'}};
const char TInput::kCodeLetters[8] = {'A', 'S', 'D', 'F', 'G', 'K', 'P', 'Q'};

namespace {

int CodeLetterIndex(char Letter) {
  for (int i = 0; i < 8; ++i)
    if (TInput::kCodeLetters[i] == Letter) return TInput::ikCodeLetter1 + i;
  return -1;
}

}  // namespace

TInput::TInput() {
  Frequency = Platform->PerformanceFrequency();
  if (Frequency <= 0)
    throw std::runtime_error("Failed to create timer - error code " + std::to_string(errno));
}

void TInput::Suspend() { Suspended = true; }

// The time spent suspended goes into this extra update, not into the next frame's time.
void TInput::Resume() {
  Suspended = false;
  SwapButtons = false;
  Update();
}

void TInput::Update() {
  if (Suspended) return;
  SampleClock();
  SampleMouse();
  for (int Key = 0; Key < ikCount; ++Key) PrevKeyStates[Key] = KeyStates[Key];
  SampleKeys();
  DerivePressedFlags();
  DetectCode();
}

void TInput::SampleClock() {
  PrevCounter = Counter;
  Counter = Platform->PerformanceCounter();
  const float OldPhase = PulsePhase;
  // Whole seconds are taken off in integers, so the phase keeps its precision however long
  // the counter has been running.
  PulsePhase = static_cast<float>(static_cast<double>(Counter % Frequency) /
                                  static_cast<double>(Frequency));
  Pulse = PulsePhase < 0.5f ? 2 * PulsePhase : 2 * (1 - PulsePhase);
  SecondTick = PulsePhase < OldPhase;
  FrameTime = static_cast<float>(Counter - PrevCounter) / static_cast<float>(Frequency);
  FrameTimeMs = Floor(1000 * FrameTime);
}

void TInput::SampleMouse() {
  Platform->CursorPosition(CursorPos.X, CursorPos.Y);
  if (Register.FullScreen)
    MouseInside = true;
  else
    MouseInside = CursorPos.X >= 0 && CursorPos.X < Register.WindowWidth && CursorPos.Y >= 0 &&
                  CursorPos.Y < Register.WindowHeight;
  MouseX = static_cast<float>(CursorPos.X) / static_cast<float>(Register.ScreenWidth);
  MouseY = static_cast<float>(CursorPos.Y) / static_cast<float>(Register.ScreenHeight);
}

// While Ctrl, Alt or Super is held every key but the mouse button reads as up, so that
// system shortcuts never reach the game; Alt+Enter is read before that.
void TInput::SampleKeys() {
  const bool Modifier =
      Platform->KeyDown(kKeyCtrl) || Platform->KeyDown(kKeyAlt) || Platform->KeyDown(kKeySuper);
  KeyStates[ikMouse] = Platform->MouseButtonDown(SwapButtons ? kMouseRight : kMouseLeft);
  KeyStates[ikAltEnter] = Platform->KeyDown(kKeyAlt) && Platform->KeyDown(kKeyEnter);
  const auto Read = [&](TKey Key) { return !Modifier && Platform->KeyDown(Key); };
  KeyStates[ikEscape] = Read(kKeyEscape);
  KeyStates[ikEnter] = Read(kKeyEnter);
  KeyStates[ikSpace] = Read(kKeySpace);
  KeyStates[ikPause] = Read(kKeyPause);
  KeyStates[ikF1] = Read(kKeyF1);
  KeyStates[ikF11] = Read(kKeyF11);
  KeyStates[ikH] = Read(LetterKey('H'));
  for (int i = 0; i < 8; ++i) KeyStates[ikCodeLetter1 + i] = Read(LetterKey(kCodeLetters[i]));
}

void TInput::DerivePressedFlags() {
  MouseWasDown = PrevKeyStates[ikMouse];
  MouseDown = KeyStates[ikMouse];
  MouseClicked = WentDown(ikMouse);
  EscapePressed = WentDown(ikEscape);
  ConfirmPressed = WentDown(ikEnter) || WentDown(ikSpace);
  HelpPressed = WentDown(ikF1) || WentDown(ikH);
  PausePressed = WentDown(ikPause);
  FullScreenPressed = WentDown(ikF11) || WentDown(ikAltEnter);
}

// A code is reported in one update only, and can come again only after every code letter has
// been let go.
void TInput::DetectCode() {
  if (!CodeArmed) {
    CheatCode = 0;
    bool AnyDown = false;
    for (int i = 0; i < 8; ++i) AnyDown = AnyDown || KeyStates[ikCodeLetter1 + i];
    CodeArmed = !AnyDown;
    return;
  }
  CheatCode = 0;
  for (int Code = 0; Code < kCodeCount && CheatCode == 0; ++Code) {
    bool AllDown = true;
    for (char Letter : kCodes[Code]) AllDown = AllDown && KeyStates[CodeLetterIndex(Letter)];
    if (AllDown) CheatCode = static_cast<uint8_t>(Code + 1);
  }
  CodeArmed = CheatCode == 0;
}

void TInput::PlayKeySound() {
  if (Audio) Audio->PlaySound(this, "Key", 1.0f);
}

void TInput::KeyChar(uint8_t Ch) {
  if (!TextInput) return;
  if (Ch >= 20 && static_cast<int32_t>(Text.size()) < MaxLength) {
    Text += static_cast<char>(Ch);
    PlayKeySound();
  } else if (Ch == 8 && !Text.empty()) {
    Text.pop_back();
    PlayKeySound();
  }
}

void TInput::BeginTextInput(int NewMaxLength) {
  TextInput = true;
  MaxLength = NewMaxLength == INT32_MIN ? INT32_MAX : std::abs(NewMaxLength);
  Text.clear();
}

std::string TInput::EndTextInput() {
  std::string Result = Text;
  TextInput = false;
  MaxLength = 0;
  Text.clear();
  return Result;
}
