// The software mixer behind the SDL sound device, driven directly.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/sdl/SdlSound.h"

namespace {

std::unique_ptr<TSoundBuffer> MakeBuffer(TSoundMixer& Mixer, TSoundFormat Format,
                                         const std::vector<uint8_t>& Bytes) {
  auto Buffer = Mixer.CreateBuffer(Format, uint32_t(Bytes.size()));
  EXPECT_NE(Buffer, nullptr);
  uint8_t* Memory = Buffer->Lock(0, Buffer->Size());
  std::memcpy(Memory, Bytes.data(), Bytes.size());
  Buffer->Unlock();
  return Buffer;
}

std::vector<uint8_t> Mono16(const std::vector<int16_t>& Samples) {
  std::vector<uint8_t> Bytes(Samples.size() * 2);
  std::memcpy(Bytes.data(), Samples.data(), Bytes.size());
  return Bytes;
}

std::vector<int16_t> Mix(TSoundMixer& Mixer, uint32_t Frames) {
  std::vector<int16_t> Out(Frames * 2);
  Mixer.Mix(Out.data(), Frames);
  return Out;
}

TEST(SoundMixer, FormatsReachTheOutputAtTheirLevel) {
  struct TCase {
    const char* Name;
    TSoundFormat Format;
    std::vector<uint8_t> Frame;  // repeated
    int32_t Volume;
    int16_t Left, Right;
  };
  const TCase Cases[] = {
      {"16-bit mono", {1, 44100, 16}, Mono16({8000}), 0, 8000, 8000},
      {"16-bit stereo", {2, 44100, 16}, Mono16({8000, -4000}), 0, 8000, -4000},
      {"8-bit stereo", {2, 44100, 8}, {0xC0, 0x40}, 0, 16384, -16384},
      {"-6 dB", {1, 44100, 16}, Mono16({20000}), -600, 10023, 10023},
      {"silence", {1, 44100, 16}, Mono16({20000}), -10000, 0, 0},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TSoundMixer Mixer(44100);
    std::vector<uint8_t> Bytes;
    for (int I = 0; I < 100; ++I) Bytes.insert(Bytes.end(), Case.Frame.begin(), Case.Frame.end());
    auto Buffer = MakeBuffer(Mixer, Case.Format, Bytes);
    Buffer->SetVolume(Case.Volume);
    Buffer->Play(false);
    std::vector<int16_t> Out = Mix(Mixer, 50);
    EXPECT_NEAR(Out[40], Case.Left, 1);
    EXPECT_NEAR(Out[41], Case.Right, 1);
  }
}

TEST(SoundMixer, ResamplesToTheOutputRateAndStopsAtTheEnd) {
  TSoundMixer Mixer(44100);
  // 100 frames at 22050 Hz last 200 output frames; between two frames the output interpolates.
  std::vector<int16_t> Ramp(100);
  for (int I = 0; I < 100; ++I) Ramp[I] = int16_t(I * 100);
  auto Buffer = MakeBuffer(Mixer, {1, 22050, 16}, Mono16(Ramp));
  Buffer->Play(false);
  std::vector<int16_t> Out = Mix(Mixer, 150);
  EXPECT_EQ(Out[2 * 20], 1000);
  EXPECT_EQ(Out[2 * 21], 1050);
  EXPECT_EQ(Buffer->GetCurrentPosition(), 75u * 2);
  EXPECT_TRUE(Buffer->IsPlaying());
  Out = Mix(Mixer, 100);
  EXPECT_EQ(Out[2 * 49], 9900);
  EXPECT_EQ(Out[2 * 50], 0);
  EXPECT_FALSE(Buffer->IsPlaying());
  EXPECT_EQ(Buffer->GetCurrentPosition(), 0u);
}

TEST(SoundMixer, LoopingBufferWrapsWithoutAGap) {
  TSoundMixer Mixer(8000);
  auto Buffer = MakeBuffer(Mixer, {1, 8000, 16}, Mono16({1, 2, 3, 4, 5}));
  Buffer->Play(true);
  std::vector<int16_t> Out = Mix(Mixer, 12);
  for (int I = 0; I < 12; ++I) EXPECT_EQ(Out[2 * I], 1 + I % 5) << I;
  EXPECT_TRUE(Buffer->IsPlaying());
  EXPECT_EQ(Buffer->GetCurrentPosition(), 2u * 2);
}

TEST(SoundMixer, LoudSumsSaturateInsteadOfWrapping) {
  TSoundMixer Mixer(44100);
  auto Loud = MakeBuffer(Mixer, {1, 44100, 16}, Mono16(std::vector<int16_t>(64, 30000)));
  auto Quiet = MakeBuffer(Mixer, {1, 44100, 16}, Mono16(std::vector<int16_t>(64, -30000)));
  auto Twin = Mixer.Duplicate(*Loud);
  Loud->Play(false);
  Twin->Play(false);
  EXPECT_EQ(Mix(Mixer, 4)[0], 32767);
  Quiet->Play(false);
  Twin->Stop();
  Quiet->SetCurrentPosition(4 * 2);
  EXPECT_EQ(Mix(Mixer, 4)[0], 0);
}

TEST(SoundMixer, DuplicatesShareDataButNotCursorOrVolume) {
  TSoundMixer Mixer(8000);
  auto Original = MakeBuffer(Mixer, {1, 8000, 16}, Mono16({100, 100, 100, 100}));
  auto Twin = Mixer.Duplicate(*Original);
  uint8_t* Memory = Original->Lock(4, 4);
  ASSERT_NE(Memory, nullptr);
  EXPECT_EQ(Original->Lock(0, 2), nullptr);  // one lock at a time
  std::memcpy(Memory, Mono16({700, 700}).data(), 4);
  Original->Unlock();
  EXPECT_EQ(Original->Lock(6, 4), nullptr);  // past the end

  Twin->SetCurrentPosition(2 * 2);
  Original->SetVolume(-10000);
  Original->Play(false);
  Twin->Play(false);
  std::vector<int16_t> Out = Mix(Mixer, 2);
  EXPECT_EQ(Out[0], 700);
  EXPECT_EQ(Out[2], 700);
  EXPECT_EQ(Original->GetCurrentPosition(), 2u * 2);
  EXPECT_FALSE(Twin->IsPlaying());
}

TEST(SoundMixer, RefusesFormatsAndSizesNoDeviceCouldPlay) {
  TSoundMixer Mixer(44100);
  EXPECT_EQ(Mixer.CreateBuffer({3, 44100, 16}, 600), nullptr);
  EXPECT_EQ(Mixer.CreateBuffer({1, 44100, 24}, 600), nullptr);
  EXPECT_EQ(Mixer.CreateBuffer({1, 10, 16}, 600), nullptr);
  EXPECT_EQ(Mixer.CreateBuffer({1, 44100, 16}, 0), nullptr);
  EXPECT_EQ(Mixer.CreateBuffer({1, 44100, 16}, kSoundBufferMaxBytes + 1u), nullptr);
  EXPECT_NE(Mixer.CreateBuffer({2, 8000, 8}, 600), nullptr);
}

}  // namespace
