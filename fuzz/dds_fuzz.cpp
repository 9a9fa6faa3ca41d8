// The DDS reader on arbitrary bytes, on a device that needs power-of-two sizes (so the edge
// fill runs) or one that does not, chosen by the input's length; the decoded pixels are
// read back so that the software decoder runs over whatever was loaded.
#include <cstdio>

#include "app/EngineRegister.h"
#include "engine/EngineRenderer.h"
#include "platform/RecordingGraphics.h"

namespace {

TRenderer& FuzzRenderer() {
  static TRenderer* Made = [] {
    Register.WindowWidth = 320;
    Register.WindowHeight = 200;
    Register.SpritePoolSize = 1;
    GraphicsSystemFactory = [] {
      auto System = std::make_unique<TRecordingSystem>();
      System->Behavior.Logging = false;
      return std::unique_ptr<TGraphicsSystem>(std::move(System));
    };
    return new TRenderer();
  }();
  return *Made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TRenderer& R = FuzzRenderer();
  R.NonPowerOfTwo = Size % 2 == 0;
  static TTexture* Texture = R.GetTexture("Fuzz");
  std::FILE* File = fmemopen(const_cast<uint8_t*>(Data), Size, "rb");
  if (!File) return 0;
  try {
    Texture->LoadDds(File);
    if (auto* Device = dynamic_cast<TRecordingTexture*>(Texture->DeviceTexture.get()))
      Device->DecodedPixels();
  } catch (const std::exception&) {
  }
  std::fclose(File);
  return 0;
}
