#include <iostream>
#include <memory>

#include "app/CheckData.h"
#include "app/CommandLine.h"
#include "app/EngineRegister.h"
#include "app/Program.h"
#include "platform/Platform.h"
#include "platform/headless/HeadlessPlatform.h"
#include "platform/sdl/SdlPlatform.h"

namespace {

std::unique_ptr<TPlatform> MakePlatform(const TCommandLine& Options) {
  if (Options.Headless) return std::make_unique<THeadlessPlatform>(THeadlessOptions{Options.UserDir, Options.Frames});
  // A separate user folder is a separate session: its copy of the game may run beside the
  // player's own.
  return std::make_unique<TSdlPlatform>(TSdlOptions{Options.UserDir, Options.Frames});
}

}  // namespace

int main(int argc, char** argv) {
  TCommandLine Options;
  std::string Error;
  if (!ParseCommandLine(argc, argv, Options, Error)) {
    std::cerr << "plotstead: " << Error << "\n\n" << UsageText;
    return ecBadScript;
  }
  if (Options.Help) {
    std::cout << UsageText;
    return ecSuccess;
  }
  if (!Options.UserDir.empty()) SetUserDirOverride(Options.UserDir);
  if (Options.CheckData) return RunCheckData();
  std::unique_ptr<TPlatform> Backend = MakePlatform(Options);
  Platform = Backend.get();
  const int ExitCode = RunProgram(TProgramOptions{Options.ScriptFile});
  Platform = nullptr;
  return ExitCode;
}
