// The segment-table rules on arbitrary text, applied to a texture of a fixed size.
#include <string>

#include "app/EngineRegister.h"
#include "engine/EngineRenderer.h"
#include "platform/RecordingGraphics.h"

namespace {

TTexture& FuzzTexture() {
  static TTexture* Made = [] {
    Register.WindowWidth = 320;
    Register.WindowHeight = 200;
    Register.SpritePoolSize = 1;
    GraphicsSystemFactory = [] {
      auto System = std::make_unique<TRecordingSystem>();
      System->Behavior.Logging = false;
      return std::unique_ptr<TGraphicsSystem>(std::move(System));
    };
    auto* Renderer = new TRenderer();
    auto* Texture = Renderer->GetTexture("Fuzz");
    Texture->Width = 256;
    Texture->Height = 128;
    return Texture;
  }();
  return *Made;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TTexture& Texture = FuzzTexture();
  Texture.Segments.assign(1, TTextureSegment{256, 128, TMatrix()});
  Texture.ApplySegments(std::string(reinterpret_cast<const char*>(Data), Size));
  return 0;
}
