// The game's own sound files, as the build generates them beside the program, all load: every
// built-in sample gets a buffer, the themes are long enough to stream and their streams loop.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "platform/VirtualSound.h"

namespace {

TEST(AudioSamples, EveryBuiltInSampleLoadsAndTheThemesStream) {
  std::string Folder = std::string(PLOTSTEAD_BIN_DIR) + "/Samples/";
  if (!std::filesystem::exists(Folder)) GTEST_SKIP() << "no generated samples in " << Folder;
  SamplesFolder = Folder;
  Register.SfxVolume = 10;
  Register.MusicVolume = 8;
  Register.SourcePoolSize = 24;
  ErrorLog = std::make_unique<TErrorLog>();
  TVirtualSoundDevice* Device = nullptr;
  SoundDeviceFactory = [&Device]() -> std::unique_ptr<TSoundDevice> {
    auto Made = std::make_unique<TVirtualSoundDevice>();
    Device = Made.get();
    return Made;
  };
  Audio = new TAudio;
  PreloadSamples();
  EXPECT_EQ(ErrorLog->Lines, std::vector<std::string>{});

  for (TContainerItem* Item = Audio->Samples.First(); Item; Item = Item->Next) {
    if (Audio->Samples.IsEnd(Item)) break;
    auto* Sample = static_cast<TSample*>(Item);
    SCOPED_TRACE(Sample->Name);
    ASSERT_NE(Sample->Buffer, nullptr);
    EXPECT_EQ(Sample->Streamed, Sample->Kind == skMusic);
    EXPECT_GT(Sample->Duration, 0.05f);
  }

  for (const char* Theme : {"ThemeMenu", "Theme1", "Theme2"}) {
    SCOPED_TRACE(Theme);
    Audio->PlayMusic(Theme);
    for (int Frame = 0; Frame < 60 * 70; ++Frame) {
      Device->Advance(1.0 / 60);
      Audio->Update(1.0f / 60);
    }
    ASSERT_NE(Audio->Music, nullptr);
    auto* Buffer = static_cast<TVirtualSoundBuffer*>(Audio->Music->Buffer);
    ASSERT_NE(Buffer, nullptr);
    EXPECT_TRUE(Buffer->IsPlaying());
    EXPECT_NE(Audio->Music->Sample->Decoder, nullptr);
    EXPECT_EQ(Buffer->UnwrittenFramesPlayed, 0u);
  }
  delete Audio;
  Audio = nullptr;
  SoundDeviceFactory = nullptr;
  EXPECT_EQ(ErrorLog->Lines, std::vector<std::string>{});
}

}  // namespace
