// The WAV reader on arbitrary bytes: a sample either loads with a buffer that plays to its
// end, or fails with one of its messages.
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "platform/VirtualSound.h"

namespace {

// The reader takes a file name, so each input goes through a file in memory-backed /dev/shm
// when there is one.
std::string InputFile() {
  std::string Folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm/" : "/tmp/";
  return Folder + "plotstead-wav-fuzz-" + std::to_string(getpid()) + ".wav";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  static const std::string Path = InputFile();
  static const struct TCleanUp {
    ~TCleanUp() { unlink(Path.c_str()); }
  } CleanUp;
  std::ofstream(Path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(Data), std::streamsize(Size));
  TVirtualSoundDevice Device;
  TSample Sample;
  Sample.Name = "Fuzz";
  try {
    Sample.LoadWav(Device, Path);
  } catch (const std::exception&) {
    return 0;
  }
  Sample.Buffer->Play(false);
  Device.Advance(double(Sample.Length) / Sample.Buffer->Format().Rate + 1.0);
  return 0;
}
