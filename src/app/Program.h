// The program body: start-up, the message and frame loop, shutdown, and what happens when
// something fails on the way. The platform (the global Platform) must be set before Run.
#pragma once

#include <string>

enum TExitCode : int {
  ecSuccess = 0,
  ecFailure = 1,    // the start failed, or an error ended a frame; the reason is in Error.log
  ecBadScript = 2,  // the headless script could not be read; Error.log names the line
};

struct TProgramOptions {
  std::string ScriptFile;  // played instead of the player's input when not empty
};

// Frames run while Running; Quit asks the loop to end at its next pass (the game sets it when
// the player quits); Active is false while the window is minimized or has lost the focus.
extern bool Running;
extern bool Quit;
extern bool Active;

int RunProgram(const TProgramOptions& Options);

// The parts of the program, in the order RunProgram uses them.
void CreateGameWindow();
// Registers every cursor, dialog, transition and form with Gui.
void CreateForms();
void RunFrame();
void ShutDown();
