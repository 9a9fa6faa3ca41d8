// Ogg Vorbis on arbitrary bytes through the decoder callbacks over the game's file stream:
// loading (whole or streamed) and a few seconds of streaming.
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "platform/VirtualSound.h"

namespace {

void Setup() {
  SamplesFolder = access("/dev/shm", W_OK) == 0 ? "/dev/shm/" : "/tmp/";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  static const std::string Name = (Setup(), "plotstead-ogg-fuzz-" + std::to_string(getpid()));
  static const struct TCleanUp {
    ~TCleanUp() { unlink((SamplesFolder + Name + ".ogg").c_str()); }
  } CleanUp;
  // The first byte chooses between a sound effect and streamed music.
  bool Streamed = Size > 0 && (Data[0] & 1);
  std::ofstream(SamplesFolder + Name + ".ogg", std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(Data), std::streamsize(Size));
  TVirtualSoundDevice Device;
  TSample Sample;
  Sample.Name = Name;
  Sample.Streamed = Streamed;
  try {
    Sample.LoadOgg(Device, Sample.FileName(".ogg"));
  } catch (const std::exception&) {
    return 0;
  }
  if (!Sample.Streamed) return 0;
  Sample.StartStream();
  Sample.Buffer->Play(true);
  for (int Frame = 0; Frame < 40 && Sample.Decoder && !Sample.StreamError; ++Frame) {
    Device.Advance(0.1);
    Sample.UpdateStream();
  }
  Sample.StopStream();
  return 0;
}
