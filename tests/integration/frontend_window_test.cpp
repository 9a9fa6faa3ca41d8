// The game as a player starts it: a real SDL window on a private X server, the splash, then
// the menu with its music. SDL's "disk" sound driver writes what would have been heard to a
// file at the pace of a real device.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/EngineRenderer.h"
#include "frontend_support.h"

namespace {

// The loudest stretch of 0.1 s of 16-bit samples, as root mean square.
double LoudestRms(const std::string& Bytes, size_t Stretch) {
  std::vector<int16_t> Samples(Bytes.size() / 2);
  std::memcpy(Samples.data(), Bytes.data(), Samples.size() * 2);
  double Loudest = 0;
  for (size_t Start = 0; Start + Stretch <= Samples.size(); Start += Stretch) {
    double Sum = 0;
    for (size_t i = Start; i < Start + Stretch; ++i) Sum += double(Samples[i]) * Samples[i];
    Loudest = std::max(Loudest, std::sqrt(Sum / double(Stretch)));
  }
  return Loudest;
}

TEST(FrontEndWindow, SplashLeadsToTheMenuWithMusic) {
  ASSERT_EQ(std::system("command -v xvfb-run >/dev/null"), 0)
      << "xvfb-run is missing: scripts/test installs xvfb";
  TFrontEndRun Run;
  Run.StartWindowed();
  const std::string Sound = Run.Folder + "sound.raw";
  const std::string Shot = Run.Folder + "menu.png";
  Run.Write(Run.Folder + "script.txt",
            "wait 60\nkey Space\nwait 150\nscreenshot " + Shot + "\nwait 120\n");
  const std::string Command = "SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE='" + Sound +
                              "' xvfb-run -a -s '-screen 0 1280x800x24' '" PLOTSTEAD_BIN_DIR
                              "/plotstead' --user-dir '" + Run.UserDir() + "' --script '" +
                              Run.Folder + "script.txt' >'" + Run.Folder + "output.txt' 2>&1";
  const int Status = std::system(Command.c_str());
  const std::string Output = Run.Read(Run.Folder + "output.txt");
  ASSERT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0) << Output;

  // The window drew a frame of the menu; the menu's music (only the menu plays any) below
  // shows that the splash led there.
  EXPECT_GT(ReadImageFile(Shot).Width, 0) << Output;

  // 16-bit samples; a stretch of 0.1 s at up to 48000 Hz in stereo is at most 9600 samples.
  const std::string Bytes = Run.Read(Sound);
  ASSERT_GT(Bytes.size(), 48000u) << Output;
  EXPECT_GT(LoudestRms(Bytes, 4410), 500.0) << "the menu's music was not heard";
}

}  // namespace
