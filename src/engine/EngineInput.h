// Input sampled once per frame: the frame clock, the mouse, the keys the game reacts to, the
// hidden codes, and a small line editor fed with the characters the window receives. Nothing
// else in the game reads the keyboard or the mouse.
#pragma once

#include <cstdint>
#include <string>

struct TPoint {
  int32_t X = 0, Y = 0;
};

class TInput {
 public:
  // The sampled keys, in the order of the key state arrays.
  enum TInputKey : int {
    ikMouse,
    ikEscape,
    ikEnter,
    ikSpace,
    ikPause,
    ikF1,
    ikF11,
    ikH,
    ikCodeLetter1,  // the eight letters of the hidden codes follow
    ikAltEnter = ikCodeLetter1 + 8,
    ikCount
  };
  static constexpr int kCodeCount = 6;
  // The letters of each hidden code, held down together.
  static const char kCodes[kCodeCount][3];
  static const char kCodeLetters[8];

  // Fails with "Failed to create timer - error code N" when there is no performance counter.
  TInput();
  virtual ~TInput() = default;

  void Suspend();
  void Resume();
  void Update();
  void KeyChar(uint8_t Ch);
  void BeginTextInput(int NewMaxLength);
  std::string EndTextInput();

  bool Suspended = true;
  int64_t Frequency = 0;
  int64_t Counter = 0, PrevCounter = 0;
  float PulsePhase = 0;
  float Pulse = 0;
  bool SecondTick = false;
  float FrameTime = 0;
  int32_t FrameTimeMs = 0;
  TPoint CursorPos;
  float MouseX = 0, MouseY = 0;
  bool MouseInside = false;
  // The X server already swaps the buttons for a left-handed setup, so this stays false and
  // the left button is the primary one.
  bool SwapButtons = false;
  bool KeyStates[ikCount] = {};
  bool PrevKeyStates[ikCount] = {};
  bool MouseWasDown = false, MouseDown = false;
  bool MouseClicked = false;
  bool EscapePressed = false;
  bool ConfirmPressed = false;
  bool HelpPressed = false;
  bool PausePressed = false;
  bool FullScreenPressed = false;
  bool CodeArmed = false;
  uint8_t CheatCode = 0;  // 1..6 in the one update a code is entered, else 0
  bool TextInput = false;
  int32_t MaxLength = 0;
  std::string Text;

 private:
  void SampleClock();
  void SampleMouse();
  void SampleKeys();
  void DerivePressedFlags();
  void DetectCode();
  bool WentDown(int Key) const { return KeyStates[Key] && !PrevKeyStates[Key]; }
  void PlayKeySound();
};

extern TInput* Input;
