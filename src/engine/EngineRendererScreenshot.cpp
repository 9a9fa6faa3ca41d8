// Saving frames: F12 in the game window, and the frames a headless script asks for.
#include <ctime>
#include <filesystem>

#include "app/EngineRegister.h"
#include "engine/EngineRenderer.h"
#include "platform/Platform.h"

std::string NextScreenshotPath() {
  const std::string Folder = UserFolder + "Screenshots/";
  std::error_code Error;
  std::filesystem::create_directories(Folder, Error);
  std::time_t Now = std::time(nullptr);
  std::tm Local{};
  localtime_r(&Now, &Local);
  char Stamp[32];
  std::strftime(Stamp, sizeof(Stamp), "%Y-%m-%d %H-%M-%S", &Local);
  std::string Path = Folder + "Plotstead " + Stamp + ".png";
  for (int Copy = 2; std::filesystem::exists(Path, Error); ++Copy)
    Path = Folder + "Plotstead " + Stamp + " (" + std::to_string(Copy) + ").png";
  return Path;
}

void TRenderer::TakeScreenshotIfAsked() {
  ScreenshotPath.clear();
  if (!Platform) return;
  ScreenshotPath = Platform->PendingScreenshot();
  if (!Platform->IsHeadless()) {
    const bool Down = Platform->KeyDown(kKeyF12);
    if (Down && !ScreenshotKeyWasDown) ScreenshotPath = NextScreenshotPath();
    ScreenshotKeyWasDown = Down;
  }
  if (!ScreenshotPath.empty()) Device->RequestScreenshot(ScreenshotPath);
}

void TRenderer::ReportScreenshot() {
  if (ScreenshotPath.empty()) return;
  if (!Device->LastScreenshotError.empty())
    LogError("Failed to save screenshot \"" + ScreenshotPath + "\" (" +
             Device->LastScreenshotError + ")");
  Device->LastScreenshotError.clear();
  ScreenshotPath.clear();
}
