// The SDL sound device end to end: SDL's "disk" driver writes the mixed output to a file at
// the pace of a real device, so the file shows what a player would have heard.
#include <gtest/gtest.h>
#include <unistd.h>

#include <SDL.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <thread>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "unit/EngineAudioTestFiles.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRate = 22050;
constexpr int kFrames = kRate / 2;  // half a second
constexpr double kTone = 441.0;
constexpr int kAmplitude = 12000;

std::vector<int16_t> ReadOutput(const fs::path& Path) {
  std::ifstream File(Path, std::ios::binary);
  std::string Bytes((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
  std::vector<int16_t> Samples(Bytes.size() / 2);
  std::memcpy(Samples.data(), Bytes.data(), Samples.size() * 2);
  return Samples;
}

TEST(AudioDisk, PlaysAWavThroughTheSdlDeviceAtItsLevel) {
  fs::path Folder = fs::temp_directory_path() / ("plotstead-audio-disk-" + std::to_string(::getpid()));
  fs::remove_all(Folder);
  fs::create_directories(Folder);
  fs::path Output = Folder / "mixed.raw";
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", Output.c_str(), 1);

  std::vector<int16_t> Tone(kFrames);
  for (int I = 0; I < kFrames; ++I)
    Tone[I] = int16_t(std::lround(kAmplitude * std::cos(2 * M_PI * kTone * I / kRate)));
  audiotest::TWavFields Fields;
  Fields.Rate = kRate;
  Fields.Data = audiotest::Pcm16(Tone);
  audiotest::WriteFile((Folder / "Tone.wav").string(), audiotest::MakeWav(Fields));

  SamplesFolder = Folder.string() + "/";
  Register.SfxVolume = 5;  // gain 0.5: -7 dB
  Register.SourcePoolSize = 24;
  ErrorLog = std::make_unique<TErrorLog>();
  SoundDeviceFactory = CreateSdlSoundDevice;
  Audio = new TAudio;
  ASSERT_NE(Audio->DirectSound, nullptr) << "the disk driver did not open";
  Audio->AddSample("Tone", false, false, skEffect, 1.0f);
  // Let the device write a stretch of silence first, so the tone starts inside the file.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  Audio->PlaySound(nullptr, "Tone", 1.0f);
  auto Deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (Audio->Sources.Count > 0 && std::chrono::steady_clock::now() < Deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(16));
    Audio->Update(0.016f);
  }
  EXPECT_EQ(Audio->Sources.Count, 0) << "the one-shot sound never ended";
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  delete Audio;
  Audio = nullptr;
  SoundDeviceFactory = nullptr;
  EXPECT_TRUE(ErrorLog->Lines.empty());

  // The output is 16-bit stereo at 44.1 kHz: the tone, twice as many frames, both channels
  // alike, at -7 dB.
  std::vector<int16_t> Out = ReadOutput(Output);
  size_t First = Out.size(), Last = 0;
  int Peak = 0;
  for (size_t I = 0; I + 1 < Out.size(); I += 2) {
    ASSERT_EQ(Out[I], Out[I + 1]) << "at frame " << I / 2;
    if (Out[I] == 0) continue;
    First = std::min(First, I / 2);
    Last = I / 2;
    Peak = std::max(Peak, std::abs(int(Out[I])));
  }
  ASSERT_LT(First, Last) << "the file holds no sound";
  EXPECT_NEAR(double(Last - First + 1), 2.0 * kFrames, 4.0);
  double Expected = kAmplitude * std::pow(10.0, -700 / 2000.0);
  EXPECT_NEAR(Peak, Expected, Expected * 0.01);
  // The tone itself, not just its loudness: compare with the source sample by sample.
  double Gain = Expected / kAmplitude;
  for (size_t Frame = 0; Frame + 1 < size_t(2 * kFrames); Frame += 2)
    ASSERT_NEAR(Out[2 * (First + Frame)], Tone[Frame / 2] * Gain, 2.0) << "at frame " << Frame;
  fs::remove_all(Folder);
}

}  // namespace
