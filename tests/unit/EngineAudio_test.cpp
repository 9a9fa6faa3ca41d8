#include "engine/EngineAudio.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <vorbis/vorbisfile.h>

#include <filesystem>
#include <fstream>

#include "app/EngineRegister.h"
#include "platform/VirtualSound.h"
#include "unit/EngineAudioTestFiles.h"

namespace fs = std::filesystem;
using namespace audiotest;

namespace {

constexpr float kFrame = 1.0f / 60.0f;

class AudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Folder = fs::temp_directory_path() / ("plotstead-audio-" + std::to_string(::getpid()));
    fs::remove_all(Folder);
    fs::create_directories(Folder);
    SamplesFolder = Folder.string() + "/";
    Register.SfxVolume = 10;
    Register.MusicVolume = 8;
    Register.SourcePoolSize = 24;
    ErrorLog = std::make_unique<TErrorLog>();
    SoundDeviceFactory = [this]() -> std::unique_ptr<TSoundDevice> {
      if (NoDevice) throw std::runtime_error("Failed to create DirectSound device");
      auto Made = std::make_unique<TVirtualSoundDevice>();
      Device = Made.get();
      return Made;
    };
  }
  void TearDown() override {
    delete Audio;
    Audio = nullptr;
    SoundDeviceFactory = nullptr;
    ErrorLog.reset();
    fs::remove_all(Folder);
  }

  void Start() { Audio = new TAudio; }
  void Put(const std::string& FileName, const std::string& Bytes) {
    WriteFile(SamplesFolder + FileName, Bytes);
  }
  // A short 16-bit mono effect at 8 kHz.
  void PutEffect(const std::string& Name, double Seconds) {
    TWavFields Fields;
    Fields.Rate = 8000;
    Fields.Data = Pcm16(std::vector<int16_t>(size_t(Seconds * 8000), 1000));
    Put(Name + ".wav", MakeWav(Fields));
  }
  // Moves the sound clock and runs one frame of the audio system.
  void Frame(float Seconds = kFrame) {
    Device->Advance(Seconds);
    Audio->Update(Seconds);
  }
  TVirtualSoundBuffer* BufferOf(TSource* Source) {
    return static_cast<TVirtualSoundBuffer*>(Source->Buffer);
  }
  TVirtualSoundBuffer* BufferOf(TSample* Sample) {
    return static_cast<TVirtualSoundBuffer*>(Sample->Buffer.get());
  }
  TSample* SampleNamed(const std::string& Name) {
    return static_cast<TSample*>(Audio->Samples.Find(Name));
  }

  fs::path Folder;
  TVirtualSoundDevice* Device = nullptr;
  bool NoDevice = false;
};

// Everything a decoder yields for the file, read independently of the audio system.
std::string DecodeAll(const std::string& Path) {
  std::unique_ptr<TSampleFileStream> Stream = TSampleFileStream::Open(Path);
  TDecoder Decoder;
  EXPECT_TRUE(OpenDecoder(Stream, Decoder));
  std::string Pcm;
  char Chunk[4096];
  long Got;
  while ((Got = ov_read(Decoder.get(), Chunk, sizeof Chunk, 0, 2, 1, nullptr)) > 0)
    Pcm.append(Chunk, size_t(Got));
  return Pcm;
}

TEST_F(AudioTest, MusicShorterThanFiveSecondsIsDecodedWholeLongerIsStreamed) {
  Put("Short.ogg", MakeOgg(4.9));
  Put("Long.ogg", MakeOgg(5.0));
  Start();
  TSample* Short = Audio->AddSample("Short", true, true, skMusic, 1.0f);
  TSample* Long = Audio->AddSample("Long", true, true, skMusic, 1.0f);
  EXPECT_TRUE(ErrorLog->Lines.empty());

  EXPECT_FALSE(Short->Streamed);
  EXPECT_EQ(Short->Length, 39200);
  EXPECT_FLOAT_EQ(Short->Duration, 4.9f);
  const std::vector<uint8_t>& Bytes = BufferOf(Short)->Bytes();
  EXPECT_EQ(std::string(Bytes.begin(), Bytes.end()), DecodeAll(SamplesFolder + "Short.ogg"));

  EXPECT_TRUE(Long->Streamed);
  EXPECT_EQ(Long->BlockSize, 8000);  // half a second of 16-bit mono at 8 kHz
  EXPECT_EQ(Long->Buffer->Size(), 48000u);
  EXPECT_FLOAT_EQ(Long->Duration, 3.0f);
  EXPECT_EQ(Long->Decoder, nullptr);  // the file is only open while it plays
}

TEST_F(AudioTest, StreamingPlaysOnlyFilledBlocksAndLoopsWithoutSeam) {
  Put("Theme.ogg", MakeOgg(7.3));  // not a whole number of blocks, so the seam moves
  Start();
  TSample* Theme = Audio->AddSample("Theme", true, true, skMusic, 1.0f);
  Audio->PlayMusic("Theme");
  Audio->Update(kFrame);
  ASSERT_NE(Theme->Decoder, nullptr);
  TVirtualSoundBuffer* Buffer = BufferOf(Theme);
  Buffer->Capture = true;

  // Three minutes of frames of uneven length, with a slow frame now and then.
  const float Lengths[] = {kFrame, kFrame, 1.0f / 30.0f, kFrame, 0.1f, kFrame};
  for (float Played = 0; Played < 180.0f;)
    for (float Length : Lengths) {
      Frame(Length);
      Played += Length;
    }

  EXPECT_EQ(Buffer->UnwrittenFramesPlayed, 0u);
  std::string Expected = DecodeAll(SamplesFolder + "Theme.ogg");
  ASSERT_GT(Buffer->Captured.size(), 24 * Expected.size());
  for (size_t I = 0; I < Buffer->Captured.size(); ++I)
    ASSERT_EQ(char(Buffer->Captured[I]), Expected[I % Expected.size()]) << "at byte " << I;
}

TEST_F(AudioTest, StreamErrorSilencesTheMusicAndClosesTheStream) {
  struct TCase {
    const char* Name;
    bool FailLocks;  // otherwise the file is damaged beyond what is buffered at the start
  };
  for (TCase Case : {TCase{"lock failure", true}, TCase{"damaged file", false}}) {
    SCOPED_TRACE(Case.Name);
    std::string Ogg = MakeOgg(60.0);
    Put("Theme.ogg", Ogg);
    Start();
    TSample* Theme = Audio->AddSample("Theme", true, true, skMusic, 1.0f);
    Audio->PlayMusic("Theme");
    Audio->Update(kFrame);
    ASSERT_NE(Theme->Decoder, nullptr);
    if (Case.FailLocks) {
      BufferOf(Theme)->FailLocks = true;
      Frame();  // the next fill fails
      EXPECT_EQ(Theme->Decoder, nullptr);
    } else {
      std::fstream File(SamplesFolder + "Theme.ogg", std::ios::in | std::ios::out | std::ios::binary);
      File.seekp(std::streamoff(Ogg.size() * 2 / 3));
      File << std::string(3000, '\x55');
      File.close();
      for (int I = 0; I < 60 * 60 && Theme->Decoder; ++I) Frame();
      EXPECT_EQ(Theme->Decoder, nullptr);
    }
    EXPECT_TRUE(Theme->StreamError);
    EXPECT_FALSE(Theme->Buffer->IsPlaying());
    ASSERT_NE(Audio->Music, nullptr);  // the music source stays, silent
    for (int I = 0; I < 10; ++I) Frame();
    EXPECT_TRUE(ErrorLog->Lines.empty());
    delete Audio;
    Audio = nullptr;
  }
}

TEST_F(AudioTest, SecondSourceOfEffectIsDuplicateOfStreamedSampleSilent) {
  PutEffect("Click", 0.5);
  Put("Theme.ogg", MakeOgg(6.0));
  Start();
  TSample* Click = Audio->AddSample("Click", false, false, skEffect, 1.0f);
  TSample* Theme = Audio->AddSample("Theme", true, true, skMusic, 1.0f);

  TSource* First = Audio->PlaySound(this, "Click", 1.0f);
  TSource* Second = Audio->PlaySound(this, "Click", 1.0f);
  EXPECT_TRUE(First->OwnsSampleBuffer);
  EXPECT_EQ(First->Buffer, Click->Buffer.get());
  ASSERT_NE(Second->Buffer, nullptr);
  EXPECT_TRUE(BufferOf(Second)->IsDuplicate);
  EXPECT_EQ(&BufferOf(Second)->Bytes(), &BufferOf(Click)->Bytes());
  EXPECT_TRUE(First->Buffer->IsPlaying() && Second->Buffer->IsPlaying());

  TSource* Music = nullptr;
  TSource* Again = nullptr;
  Audio->StartLoop(Music, "Theme");
  Audio->StartLoop(Again, "Theme");
  EXPECT_NE(Music->Buffer, nullptr);
  EXPECT_EQ(Again->Buffer, nullptr);
  // Letting go of the silent one must not close the stream the first one plays.
  Audio->StopLoop(Again);
  EXPECT_EQ(Again, nullptr);
  EXPECT_NE(Theme->Decoder, nullptr);
  Audio->StopLoop(Music);
  EXPECT_EQ(Theme->Decoder, nullptr);
  EXPECT_FALSE(Theme->BufferInUse);
}

TEST_F(AudioTest, GainFollowsVolumeSettingsSampleAndSourceVolume) {
  struct TCase {
    int Sfx, Music;
    uint8_t Kind;
    float SampleVolume, SourceVolume;
    int32_t Attenuation;
  };
  const TCase Cases[] = {
      {5, 8, skEffect, 0.7f, 1.0f, -970},   // gain 0.35: index 13
      {10, 8, skMusic, 1.0f, 1.0f, -280},   // the menu theme at the default settings
      {10, 8, skMusic, 0.7f, 1.0f, -630},   // the mission themes
      {10, 10, skEffect, 1.0f, 1.0f, 0},
      {10, 10, skEffect, 1.0f, 0.5f, -700},
      {0, 10, skEffect, 1.0f, 1.0f, -10000},
      {10, 0, skMusic, 1.0f, 1.0f, -10000},
  };
  PutEffect("Sound", 0.5);
  Start();
  for (const TCase& Case : Cases) {
    Register.SfxVolume = Case.Sfx;
    Register.MusicVolume = Case.Music;
    TSample* Sample = Audio->AddSample("Sound", false, false, Case.Kind, Case.SampleVolume);
    Sample->Kind = Case.Kind;
    Sample->Volume = Case.SampleVolume;
    TSource* Source = Audio->PlaySound(this, "Sound", Case.SourceVolume);
    EXPECT_EQ(BufferOf(Source)->GetVolume(), Case.Attenuation)
        << Case.Sfx << " " << Case.Music << " " << Case.SampleVolume << " " << Case.SourceVolume;
    Audio->StopSounds(this);
    Audio->Update(0);
  }
}

TEST_F(AudioTest, SetVolumeClampsAndRetunesSourcesOfThatKindOnly) {
  PutEffect("Click", 0.5);
  Put("Theme.ogg", MakeOgg(1.0));
  Start();
  Audio->AddSample("Click", false, false, skEffect, 1.0f);
  Audio->AddSample("Theme", true, false, skMusic, 1.0f);
  TSource* Effect = Audio->PlaySound(this, "Click", 1.0f);
  TSource* Music = nullptr;
  Audio->StartLoop(Music, "Theme");

  Audio->SetVolume(skEffect, 15);
  EXPECT_EQ(Register.SfxVolume, 10);
  Audio->SetVolume(skEffect, 5);
  EXPECT_EQ(BufferOf(Effect)->GetVolume(), -700);
  EXPECT_EQ(BufferOf(Music)->GetVolume(), -280);
  Audio->SetVolume(skMusic, -3);
  EXPECT_EQ(Register.MusicVolume, 0);
  EXPECT_EQ(BufferOf(Music)->GetVolume(), -10000);
  EXPECT_EQ(BufferOf(Effect)->GetVolume(), -700);
  Audio->StopLoop(Music);
}

TEST_F(AudioTest, WavLoaderAcceptsPlainPcmAndNamesEveryFault) {
  const std::string Data = Pcm16({100, -100, 200, -200});
  auto Wav = [&](auto Change) {
    TWavFields S;
    S.Data = Data;
    Change(S);
    return MakeWav(S);
  };
  struct TCase {
    const char* Name;
    std::string File;
    const char* Message;  // nullptr: loads
  };
  const TCase Cases[] = {
      {"Plain", Wav([](TWavFields&) {}), nullptr},
      {"Stereo8", Wav([](TWavFields& S) { S.Channels = 2, S.Bits = 8; }), nullptr},
      {"NotRiff", Wav([](TWavFields& S) { S.Riff = "RIFX"; }), "Invalid file type"},
      {"NotWave", Wav([](TWavFields& S) { S.Wave = "AVI "; }), "Invalid file type"},
      {"Tiny", "RIF", "Invalid file type"},
      {"Format18", Wav([](TWavFields& S) { S.FormatChunkSize = 18; }),
       "Unsupported compression format"},
      {"Float", Wav([](TWavFields& S) { S.Tag = 3; }), "Unsupported compression format"},
      {"ListChunk", Wav([](TWavFields& S) { S.ChunkBeforeData = std::string("LIST\4\0\0\0INFO"); }),
       "Invalid structure of file"},
      {"Bits24", Wav([](TWavFields& S) { S.Bits = 24; }), "Unsupported bits per sample"},
      {"Channels3", Wav([](TWavFields& S) { S.Channels = 3; }), "Unsupported number of channels"},
      {"Channels0", Wav([](TWavFields& S) { S.Channels = 0; }), "Unsupported number of channels"},
      {"AlignZero", Wav([](TWavFields& S) { S.BlockAlign = 0; }), "Unsupported compression format"},
      {"DataPastEnd", Wav([](TWavFields& S) { S.DeclaredDataSize = 0xFFFFFFF0; }),
       "Invalid structure of file"},
      {"NoData", Wav([](TWavFields& S) { S.Data.clear(); }), "Failed to create secondary buffer"},
  };
  for (const TCase& Case : Cases) Put(std::string(Case.Name) + ".wav", Case.File);
  Start();
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    ErrorLog->Lines.clear();
    TSample* Sample = Audio->AddSample(Case.Name, false, false, skEffect, 1.0f);
    if (!Case.Message) {
      ASSERT_NE(Sample->Buffer, nullptr);
      EXPECT_TRUE(ErrorLog->Lines.empty());
      const std::vector<uint8_t>& Bytes = BufferOf(Sample)->Bytes();
      EXPECT_EQ(std::string(Bytes.begin(), Bytes.end()), Data);
      continue;
    }
    EXPECT_EQ(Sample->Buffer, nullptr);
    EXPECT_EQ(Sample->Duration, 0.0f);
    ASSERT_EQ(ErrorLog->Lines.size(), 1u);
    EXPECT_EQ(ErrorLog->Lines[0], "Failed to load audio sample \"" + std::string(Case.Name) +
                                      "\" (" + Case.Message + ")");
  }
  ErrorLog->Lines.clear();
  Audio->AddSample("Absent", false, false, skEffect, 1.0f);
  EXPECT_EQ(ErrorLog->Lines, std::vector<std::string>{"Failed to load audio sample \"Absent\" (Missing file)"});
}

TEST_F(AudioTest, OggLoaderNamesItsFaults) {
  Put("Garbage.ogg", std::string(500, 'x'));
  Put("Surround.ogg", EncodeOgg(Glide(8000, 3, 8000), 3, 8000));
  Start();
  Audio->AddSample("Garbage", false, false, skEffect, 1.0f);
  Audio->AddSample("Surround", false, false, skEffect, 1.0f);
  EXPECT_EQ(ErrorLog->Lines,
            (std::vector<std::string>{
                "Failed to load audio sample \"Garbage\" (Failed to open ogg file)",
                "Failed to load audio sample \"Surround\" (Unsupported number of channels)"}));
}

TEST_F(AudioTest, OneShotSourcesGoBackToThePoolWhenTheirSoundEnds) {
  PutEffect("Click", 0.25);
  Start();
  TSample* Click = Audio->AddSample("Click", false, false, skEffect, 1.0f);

  TSource* Unknown = Audio->PlaySound(this, "Never added", 1.0f);
  EXPECT_EQ(Unknown->Buffer, nullptr);
  EXPECT_EQ(Audio->Sources.Count, 1);
  Frame();
  EXPECT_EQ(Audio->Sources.Count, 0);

  Audio->PlaySound(this, "Click", 1.0f);
  Frame(0.2f);
  EXPECT_EQ(Audio->Sources.Count, 1);
  EXPECT_TRUE(Click->BufferInUse);
  Frame(0.1f);
  EXPECT_EQ(Audio->Sources.Count, 0);
  EXPECT_FALSE(Click->BufferInUse);
}

TEST_F(AudioTest, StopSoundsEndsOnlyTheOwnersOneShotSounds) {
  PutEffect("Click", 2.0);
  Start();
  Audio->AddSample("Click", false, false, skEffect, 1.0f);
  int Dialog, Other;
  TSource* Mine = Audio->PlaySound(&Dialog, "Click", 1.0f);
  TSource* Theirs = Audio->PlaySound(&Other, "Click", 1.0f);
  TSource* Loop = nullptr;
  Audio->StartLoop(Loop, "Click");
  Loop->Owner = &Dialog;
  Audio->SetSourcePlaying(Loop, true);

  Audio->StopSounds(&Dialog);
  EXPECT_FALSE(Mine->Buffer->IsPlaying());
  Frame();
  EXPECT_EQ(Audio->Sources.Count, 2);
  EXPECT_TRUE(Theirs->Buffer->IsPlaying());
  EXPECT_TRUE(Loop->Buffer->IsPlaying());
  Audio->StopLoop(Loop);
}

class MusicTest : public AudioTest {
 protected:
  void SetUp() override {
    AudioTest::SetUp();
    for (const char* Name : {"A", "B", "C"}) Put(std::string(Name) + ".ogg", MakeOgg(6.0));
    Register.MusicVolume = 10;
    Start();
    for (const char* Name : {"A", "B", "C"}) Audio->AddSample(Name, true, true, skMusic, 1.0f);
  }
  // Runs frames of a sixtieth of a second.
  void Frames(int Count) {
    for (int I = 0; I < Count; ++I) Frame();
  }
  std::string NameOf(TSource* Source) {
    return Source && Source->Sample ? Source->Sample->Name : "";
  }
};

TEST_F(MusicTest, ChangeCrossFadesOverOneSecondFromTheNextFrame) {
  Audio->PlayMusic("A");
  EXPECT_EQ(Audio->Music, nullptr);  // nothing changes before the next frame
  Frames(1);
  ASSERT_EQ(NameOf(Audio->Music), "A");
  EXPECT_EQ(BufferOf(Audio->Music)->GetVolume(), -10000);
  EXPECT_TRUE(Audio->Music->Buffer->IsPlaying());
  Frames(59);
  EXPECT_EQ(Audio->MusicState, 1);
  Frames(2);  // sixty sixtieths add up to a hair under 1 in single precision
  EXPECT_EQ(Audio->MusicState, 0);
  EXPECT_EQ(Audio->Music->SourceVolume, 1.0f);

  TSource* Old = Audio->Music;
  Audio->PlayMusic("B");
  Frames(1);
  EXPECT_EQ(Audio->OldMusic, Old);
  Frames(30);
  EXPECT_NEAR(Audio->Music->SourceVolume, 0.5f, 0.01f);
  EXPECT_NEAR(Audio->OldMusic->SourceVolume, 0.5f, 0.01f);
  Frames(31);
  EXPECT_EQ(Audio->MusicState, 0);
  EXPECT_EQ(Audio->OldMusic, nullptr);
  EXPECT_EQ(NameOf(Audio->Music), "B");
  EXPECT_FALSE(SampleNamed("A")->BufferInUse);
  EXPECT_EQ(Audio->Sources.Count, 1);

  Audio->PlayMusic("B");  // the music playing now: nothing happens
  EXPECT_EQ(Audio->MusicState, 0);
}

TEST_F(MusicTest, ChangeDuringFadeDropsTheFadingOutThemeAndFadesTheCurrentOneFromItsLevel) {
  Audio->PlayMusic("A");
  Frames(62);
  Audio->PlayMusic("B");
  Frames(1 + 18);  // B at 0.3, A at 0.7
  Audio->PlayMusic("C");
  Frames(1);
  EXPECT_FALSE(SampleNamed("A")->BufferInUse);  // A's fade-out was cut short
  EXPECT_EQ(NameOf(Audio->OldMusic), "B");
  EXPECT_EQ(NameOf(Audio->Music), "C");
  Frames(1);
  // B fades out from where it had got to rather than jumping to full volume.
  EXPECT_NEAR(Audio->OldMusic->SourceVolume, 0.3f * (1 - kFrame), 0.01f);
  Frames(30);
  EXPECT_NEAR(Audio->OldMusic->SourceVolume, 0.15f, 0.01f);
  Frames(31);
  EXPECT_EQ(Audio->OldMusic, nullptr);
  EXPECT_EQ(NameOf(Audio->Music), "C");
}

TEST_F(MusicTest, AskingForAnotherThemeAndBackInOneFrameKeepsTheMusicPlaying) {
  Audio->PlayMusic("A");
  Frames(30);  // halfway through A's fade-in
  TSource* Playing = Audio->Music;
  Audio->PlayMusic("B");
  Audio->PlayMusic("A");
  Frames(1);
  EXPECT_EQ(Audio->Music, Playing);
  EXPECT_NE(Audio->Music->Sample->Decoder, nullptr);
  Frames(40);  // and the fade-in goes on to the end
  EXPECT_EQ(Audio->MusicState, 0);
  EXPECT_EQ(Audio->Music->SourceVolume, 1.0f);
}

TEST_F(AudioTest, WithoutDeviceEverythingWorksSilentlyAfterOneLogLine) {
  NoDevice = true;
  PutEffect("Click", 0.5);
  Put("Theme.ogg", MakeOgg(6.0));
  Start();
  EXPECT_EQ(ErrorLog->Lines, std::vector<std::string>{"Failed to create DirectSound device"});
  EXPECT_EQ(Audio->DirectSound, nullptr);

  TSample* Click = Audio->AddSample("Click", false, false, skEffect, 1.0f);
  Audio->AddSample("Theme", true, true, skMusic, 1.0f);
  EXPECT_EQ(Click->Buffer, nullptr);
  TSource* Source = Audio->PlaySound(this, "Click", 0.5f);
  EXPECT_EQ(Source->SourceVolume, 0.5f);
  TSource* Loop = nullptr;
  Audio->StartLoop(Loop, "Click");
  Audio->SetSourcePlaying(Loop, true);
  Audio->SetVolume(skEffect, 3);
  Audio->PlayMusic("Theme");
  for (int I = 0; I < 120; ++I) Audio->Update(kFrame);
  EXPECT_EQ(Audio->Sources.Count, 2);  // the loop and the music stay, the one-shot went
  EXPECT_EQ(Audio->MusicState, 0);
  Audio->StopLoop(Loop);
  EXPECT_EQ(ErrorLog->Lines.size(), 1u);
}

TEST_F(AudioTest, PreloadSamplesRegistersTheBuiltInSounds) {
  Start();
  PreloadSamples();
  EXPECT_EQ(Audio->Samples.Count, 22);
  TSample* Menu = SampleNamed("ThemeMenu");
  TSample* Collected = SampleNamed("Collected");
  TSample* Fireworks = SampleNamed("Fireworks");
  ASSERT_TRUE(Menu && Collected && Fireworks);
  EXPECT_TRUE(Menu->Streamed && Menu->Looped && Menu->Kind == skMusic);
  EXPECT_EQ(SampleNamed("Theme2")->Volume, 0.7f);
  EXPECT_EQ(Collected->Volume, 0.7f);
  EXPECT_TRUE(Fireworks->Looped && !Fireworks->Streamed && Fireworks->Kind == skEffect);
  EXPECT_EQ(ErrorLog->Lines.size(), 22u);  // this folder holds none of them
}

}  // namespace
