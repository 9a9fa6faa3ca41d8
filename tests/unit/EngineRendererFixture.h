// A renderer over the recording device, with data folders in a fresh temporary directory and
// an error log the test can read.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/EngineRegister.h"
#include "engine/EngineRenderer.h"
#include "platform/Platform.h"
#include "platform/RecordingGraphics.h"

class RendererTest : public ::testing::Test {
 public:
  void SetUp() override {
    Root = std::filesystem::temp_directory_path() /
           ("plotstead-render-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(Root);
    std::filesystem::create_directories(Root / "Textures");
    std::filesystem::create_directories(Root / "Branding");
    std::filesystem::create_directories(Root / "Languages");
    TexturesFolder = Folder("Textures");
    BrandingFolder = Folder("Branding");
    LanguagesFolder = Folder("Languages");
    UserFolder = Folder("User");
    Register = TRegister();
    Register.DesktopWidth = 1920;
    Register.DesktopHeight = 1080;
    Register.WindowWidth = 1280;
    Register.WindowHeight = 800;
    Register.VSync = true;
    Register.SpritePoolSize = 8;
    Register.TextPoolSize = 2;
    ErrorLog = std::make_unique<TErrorLog>();
    GraphicsSystemFactory = [this]() -> std::unique_ptr<TGraphicsSystem> {
      if (NoSystem) return nullptr;
      auto Made = std::make_unique<TRecordingSystem>();
      Made->Behavior = Behavior;
      if (NoFullScreenFormat) Made->FullScreenFormats.clear();
      System = Made.get();
      return Made;
    };
  }

  void TearDown() override {
    delete Renderer;
    Renderer = nullptr;
    GraphicsSystemFactory = nullptr;
    ErrorLog.reset();
    std::filesystem::remove_all(Root);
  }

  TRenderer& MakeRenderer() {
    Renderer = new TRenderer();
    Device = dynamic_cast<TRecordingDevice*>(Renderer->Device.get());
    return *Renderer;
  }

  std::string Folder(const std::string& Name) const { return (Root / Name).string() + "/"; }

  void WriteFile(const std::string& RelativePath, const std::string& Content) const {
    std::filesystem::path Path = Root / RelativePath;
    std::filesystem::create_directories(Path.parent_path());
    std::ofstream(Path, std::ios::binary) << Content;
  }

  const std::vector<std::string>& Log() const { return ErrorLog->Lines; }

  std::filesystem::path Root;
  TRecordingBehavior Behavior;
  bool NoSystem = false;
  bool NoFullScreenFormat = false;
  TRecordingSystem* System = nullptr;
  TRecordingDevice* Device = nullptr;
};

// A DDS file written field by field, so that tests can break any one field.
struct TDdsFile {
  uint32_t Magic = 0x20534444, Size = 124, Flags = 0x1007, Height = 4, Width = 4, Pitch = 0;
  uint32_t FormatFlags = 0x41, FourCC = 0, Bits = 32;
  uint32_t Masks[4] = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
  uint32_t Caps = 0x1000;
  std::string Data;

  static TDdsFile Argb(uint32_t W, uint32_t H, const std::vector<uint32_t>& Pixels) {
    TDdsFile F;
    F.Width = W;
    F.Height = H;
    F.Data.assign(reinterpret_cast<const char*>(Pixels.data()), Pixels.size() * 4);
    return F;
  }

  static TDdsFile Blocks(const char* Code, uint32_t W, uint32_t H, const std::string& Data) {
    TDdsFile F;
    F.Width = W;
    F.Height = H;
    F.FormatFlags = 0x4;
    F.FourCC = uint32_t(Code[0]) | uint32_t(Code[1]) << 8 | uint32_t(Code[2]) << 16 |
               uint32_t(Code[3]) << 24;
    F.Bits = 0;
    F.Data = Data;
    return F;
  }

  std::string Bytes() const {
    std::string Out(128, '\0');
    auto Put = [&](size_t At, uint32_t V) {
      for (int i = 0; i < 4; ++i) Out[At + i] = char(V >> (8 * i));
    };
    Put(0, Magic);
    Put(4, Size);
    Put(8, Flags);
    Put(12, Height);
    Put(16, Width);
    Put(20, Pitch);
    Put(76, 32);
    Put(80, FormatFlags);
    Put(84, FourCC);
    Put(88, Bits);
    for (int i = 0; i < 4; ++i) Put(92 + 4 * i, Masks[i]);
    Put(108, Caps);
    return Out + Data;
  }
};

inline TRecordingTexture& RecordedTexture(TTexture* Texture) {
  return *dynamic_cast<TRecordingTexture*>(Texture->DeviceTexture.get());
}
