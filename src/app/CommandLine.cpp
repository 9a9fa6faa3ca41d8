#include "app/CommandLine.h"

#include <cctype>
#include <string_view>

const char* const UsageText =
    "Usage: plotstead [OPTION]...\n"
    "Plays Plotstead. Without options the game opens its window.\n"
    "\n"
    "  --headless        run without a window, on a virtual clock of 1/60 s per frame\n"
    "  --user-dir DIR    keep settings, saves and the error log in DIR\n"
    "  --frames N        end the run after N frames\n"
    "  --script FILE     play FILE instead of reading the keyboard and the mouse\n"
    "  --check-data      load every texture, font, path and sound and report the failures\n"
    "  --help            show this text\n"
    "\n"
    "A headless run needs --frames or --script. Exit status: 0 when the game ended normally,\n"
    "1 when it failed (the reason is in Error.log; for --check-data, when any file failed to load),\n"
    "2 for a bad command line or script.\n";

namespace {

bool ParseCount(const std::string& Text, int& Value) {
  if (Text.empty() || Text.size() > 9) return false;
  for (char C : Text)
    if (!std::isdigit(static_cast<unsigned char>(C))) return false;
  Value = std::stoi(Text);
  return true;
}

}  // namespace

bool ParseCommandLine(int ArgumentCount, const char* const* Arguments, TCommandLine& Result,
                      std::string& Error) {
  Result = TCommandLine();
  for (int i = 1; i < ArgumentCount; ++i) {
    const std::string_view Option = Arguments[i];
    const bool TakesValue = Option == "--user-dir" || Option == "--frames" || Option == "--script";
    if (TakesValue && i + 1 >= ArgumentCount) {
      Error = std::string(Option) + " needs a value";
      return false;
    }
    if (Option == "--headless") {
      Result.Headless = true;
    } else if (Option == "--check-data") {
      Result.CheckData = true;
    } else if (Option == "--help" || Option == "-h") {
      Result.Help = true;
    } else if (Option == "--user-dir") {
      Result.UserDir = Arguments[++i];
      if (Result.UserDir.empty()) {
        Error = "--user-dir needs a folder";
        return false;
      }
    } else if (Option == "--script") {
      Result.ScriptFile = Arguments[++i];
    } else if (Option == "--frames") {
      if (!ParseCount(Arguments[++i], Result.Frames)) {
        Error = "--frames needs a whole number of frames, not \"" + std::string(Arguments[i]) + "\"";
        return false;
      }
    } else {
      Error = "unknown option \"" + std::string(Option) + "\"";
      return false;
    }
  }
  if (Result.Headless && Result.Frames < 0 && Result.ScriptFile.empty() && !Result.Help &&
      !Result.CheckData) {
    Error = "--headless needs --frames N or --script FILE, or it would never end";
    return false;
  }
  return true;
}
