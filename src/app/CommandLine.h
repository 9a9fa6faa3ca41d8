// The command line of the plotstead program.
#pragma once

#include <string>

struct TCommandLine {
  bool Headless = false;
  bool CheckData = false;
  bool Help = false;
  std::string UserDir;
  std::string ScriptFile;
  int Frames = -1;  // negative: no limit
};

// Fills Result from the arguments; false with Error set when they make no sense.
bool ParseCommandLine(int ArgumentCount, const char* const* Arguments, TCommandLine& Result,
                      std::string& Error);

extern const char* const UsageText;
