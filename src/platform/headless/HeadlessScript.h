// Scripts that play the game without a player: one command per line, a `#` at the start of
// a line or after a blank starts a comment.
//
//   wait N          let N frames run
//   move X Y        cursor to a point of the 1280 x 800 screen layout
//   click X Y       move, press the button in this frame, release it in the next
//   down / up       press or release the button (one frame)
//   key K           press K in this frame, release it in the next; K is Escape, Enter, Space,
//                   Pause, Backspace, F1, F11, F12, Ctrl, Alt, Super or a letter, and keys may
//                   be combined with + (Alt+Enter)
//   type TEXT       characters for the line editor (UTF-8; the rest of the line)
//   screenshot FILE save the next frame as a PNG
//   quit            close the window
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Platform.h"

enum class TScriptOp { Wait, Move, Click, Down, Up, Key, Type, Screenshot, Quit };

struct TScriptCommand {
  TScriptOp Op = TScriptOp::Wait;
  int Line = 0;
  int Count = 0;  // frames of a wait
  int X = 0, Y = 0;
  std::vector<TKey> Keys;
  std::string Text;  // Windows-1252 bytes for type, the file for screenshot
};

// A script that cannot be run; the message names the line.
class TScriptError : public std::runtime_error {
 public:
  TScriptError(int Line, const std::string& Message);
  int Line;
};

std::vector<TScriptCommand> ParseScript(const std::string& Text);
std::vector<TScriptCommand> LoadScriptFile(const std::string& Path);

// Plays a script one frame at a time and holds the input state it produces, which replaces
// the real keyboard and mouse while a script runs.
class TScriptPlayer {
 public:
  // After the last command the player asks to quit.
  void Start(const std::vector<TScriptCommand>& Commands);
  bool Running() const { return Started; }
  // Asks to quit once Frames frames have run, script or not; negative for no limit.
  void LimitFrames(int Frames) { FrameLimit = Frames; }

  // Runs the commands due before the next frame. Press-and-release commands keep the frame
  // after them for the release; wait, down, up, key, click and screenshot end a frame's
  // commands, move and type do not.
  void BeginFrame();
  void EndFrame();

  bool KeyDown(TKey Key) const;
  bool MouseDown() const { return ButtonDown; }
  int CursorX() const { return PointX; }  // in the 1280 x 800 layout
  int CursorY() const { return PointY; }
  std::string TakeTypedText();
  const std::string& Screenshot() const { return ScreenshotFile; }
  bool QuitRequested() const { return Quit; }
  int FramesRun() const { return Frames; }

 private:
  void Execute(const TScriptCommand& Command, bool& EndsFrame);
  void Press(const std::vector<TKey>& NewKeys);

  std::vector<TScriptCommand> Commands;
  size_t Next = 0;
  bool Started = false;
  int FrameLimit = -1;
  int Frames = 0;
  int WaitFrames = 0;
  bool ReleasePending = false;
  bool ButtonDown = false;
  std::vector<TKey> KeysDown;
  int PointX = 0, PointY = 0;
  std::string Typed;
  std::string ScreenshotFile;
  bool Quit = false;
};

// A point of the 1280 x 800 screen layout in client pixels of a back buffer of the given size:
// the layout's centre is the buffer's centre, and the wider or taller side of the buffer shows
// more than the layout.
void LayoutToClient(int LayoutX, int LayoutY, int ClientWidth, int ClientHeight, int& X, int& Y);
