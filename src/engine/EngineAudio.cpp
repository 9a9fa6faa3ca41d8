#include "engine/EngineAudio.h"

#include <stdexcept>

#include "app/EngineRegister.h"
#include "engine/EngineTimer.h"

TAudio* Audio = nullptr;

namespace {

// Attenuation in hundredths of a decibel for gain steps of 0.05, from full volume to silence.
constexpr int32_t kVolumeTable[21] = {0,     -70,   -140,  -210,  -280,  -350,  -420,
                                      -490,  -560,  -630,  -700,  -780,  -870,  -970,
                                      -1080, -1200, -1500, -1900, -2400, -3000, -10000};

constexpr int kDefaultSourcePoolSize = 24;

int PoolSize() {
  return Register.SourcePoolSize > 0 ? Register.SourcePoolSize : kDefaultSourcePoolSize;
}

int VolumeSteps(uint8_t Kind) {
  return Kind == skMusic ? Register.MusicVolume : Register.SfxVolume;
}

}  // namespace

TAudio::TAudio() : Sources([this] { return new TSource(*this); }, PoolSize()) {
  try {
    DirectSound = SoundDeviceFactory ? SoundDeviceFactory() : CreateDefaultSoundDevice();
    if (!DirectSound) throw std::runtime_error("Failed to create DirectSound device");
  } catch (const std::exception& Error) {
    LogError(Error.what());
    DirectSound.reset();
  }
}

TAudio::~TAudio() {
  Music = OldMusic = nullptr;
  Sources.Clear();
  Samples.Clear();
  DirectSound.reset();
}

int32_t TAudio::Attenuation(float Gain) { return kVolumeTable[LerpInt(20, 0, Saturate(Gain))]; }

int32_t TAudio::SourceAttenuation(const TSource& Source) const {
  float Gain = float(VolumeSteps(Source.Sample->Kind)) * Source.Sample->Volume *
               Source.SourceVolume * 0.1f;
  return Attenuation(Gain);
}

void TAudio::ApplyVolume(TSource& Source) {
  if (Source.Sample && Source.Buffer) Source.Buffer->SetVolume(SourceAttenuation(Source));
}

TSample* TAudio::AddSample(const std::string& Name, bool Looped, bool Streamed, uint8_t Kind,
                           float Volume) {
  if (auto* Found = static_cast<TSample*>(Samples.Find(Name))) return Found;
  auto* Sample = new TSample;
  Sample->Name = Name;
  Sample->Looped = Looped;
  Sample->Streamed = Streamed;
  Sample->Kind = Kind;
  Sample->Volume = Volume;
  Samples.Add(Sample, nullptr, ipFirst);
  if (!DirectSound) return Sample;
  try {
    Sample->Load(*DirectSound);
  } catch (const std::exception& Error) {
    Sample->Duration = 0;
    Sample->Buffer.reset();
    LogError("Failed to load audio sample \"" + Name + "\" (" + Error.what() + ")");
  }
  return Sample;
}

TSource* TAudio::TakeSource(const std::string& Name) {
  TSample* Sample = static_cast<TSample*>(Samples.Find(Name));
  return static_cast<TSource*>(Sources.AddNew("", Sample, ipFirst));
}

TSource* TAudio::PlaySound(const void* Owner, const std::string& Name, float Volume) {
  TSource* Source = TakeSource(Name);
  Source->Owner = Owner;
  SetSourceVolume(Source, Volume);
  SetSourcePlaying(Source, true);
  return Source;
}

void TAudio::StopSounds(const void* Owner) {
  Sources.ForEach([&](TContainerItem* Item) {
    auto* Source = static_cast<TSource*>(Item);
    if (!Source->Persistent && Source->Owner == Owner) SetSourcePlaying(Source, false);
  });
}

void TAudio::StartLoop(TSource*& Source, const std::string& Name) {
  if (Source) return;
  Source = TakeSource(Name);
  Source->Persistent = true;
}

void TAudio::StopLoop(TSource*& Source) {
  if (Source) Sources.Remove(Source);
  Source = nullptr;
}

void TAudio::SetSourceVolume(TSource* Source, float V) {
  if (!Source || V == Source->SourceVolume) return;
  Source->SourceVolume = Saturate(V);
  ApplyVolume(*Source);
}

void TAudio::SetSourcePlaying(TSource* Source, bool B) {
  if (!Source || B == Source->Playing || !Source->Buffer) return;
  TSample* Sample = Source->Sample;
  if (Sample->Streamed && !Sample->Decoder) return;
  Source->Playing = B;
  if (B)
    Source->Buffer->Play(Sample->Looped);
  else
    Source->Buffer->Stop();
}

void TAudio::PlayMusic(const std::string& Name) {
  if (Name == MusicName) return;
  MusicName = Name;
  MusicState = 2;
}

void TAudio::SetVolume(int Kind, int Steps) {
  Steps = EnsureRange(Steps, 0, 10);
  int& Setting = Kind == skMusic ? Register.MusicVolume : Register.SfxVolume;
  if (Steps == Setting) return;
  Setting = Steps;
  Sources.ForEach([&](TContainerItem* Item) {
    auto* Source = static_cast<TSource*>(Item);
    if (Source->Sample && Source->Sample->Kind == Kind) ApplyVolume(*Source);
  });
}

void TAudio::UpdateSources() {
  Sources.ForEach([&](TContainerItem* Item) {
    auto* Source = static_cast<TSource*>(Item);
    TSample* Sample = Source->Sample;
    if (Sample && Sample->Streamed && Sample->Decoder) {
      Sample->UpdateStream();
      if (Sample->StreamError) Sample->StopStream();
    }
    if (Source->Persistent) return;
    if (!Source->Buffer || !Source->Buffer->IsPlaying()) Sources.Remove(Source);
  });
}

void TAudio::UpdateFade(float FrameTime) {
  FadeProgress += FrameTime;
  if (FadeProgress >= 1.0f) {
    FadeProgress = 1.0f;
    MusicState = 0;
    StopLoop(OldMusic);
  }
  if (OldMusic) SetSourceVolume(OldMusic, OldMusicVolume * (1.0f - FadeProgress));
  if (Music) SetSourceVolume(Music, FadeProgress);
}

void TAudio::StartRequestedMusic() {
  // Asking for another theme and back again before the change began leaves the music alone:
  // restarting it would need the stream its own source still holds.
  if (Music && Music->Sample && Music->Sample->Name == MusicName) {
    MusicState = FadeProgress < 1.0f ? 1 : 0;
    return;
  }
  StopLoop(OldMusic);
  OldMusic = Music;
  OldMusicVolume = OldMusic ? OldMusic->SourceVolume : 1.0f;
  Music = nullptr;
  if (!MusicName.empty()) {
    StartLoop(Music, MusicName);
    SetSourceVolume(Music, 0);
    SetSourcePlaying(Music, true);
  }
  MusicState = 1;
  FadeProgress = 0;
}

void TAudio::Update(float FrameTime) {
  if (DirectSound) DirectSound->Update(FrameTime);
  UpdateSources();
  if (MusicState == 1) UpdateFade(FrameTime);
  if (MusicState == 2) StartRequestedMusic();
}

void TSource::Added(TContainer* Container, void* Data) {
  Sample = static_cast<TSample*>(Data);
  Persistent = false;
  SourceVolume = 1.0f;
  Playing = false;
  if (!Sample || !Sample->Buffer || (Sample->Streamed && Sample->BufferInUse)) return;
  Duration = Sample->Duration;
  TSoundDevice* Device = OwnerAudio.DirectSound.get();
  if (Sample->BufferInUse) {
    if (Device) Duplicate = Device->DuplicateSoundBuffer(*Sample->Buffer);
    Buffer = Duplicate.get();
  } else {
    Buffer = Sample->Buffer.get();
    OwnsSampleBuffer = true;
    Sample->BufferInUse = true;
  }
  if (Buffer) {
    OwnerAudio.ApplyVolume(*this);
    Buffer->SetCurrentPosition(0);
  }
  if (Sample->Streamed && Device) {
    Sample->StartStream();
    if (Sample->StreamError) Sample->StopStream();
  }
}

void TSource::Removed(TContainer* Container) {
  Owner = nullptr;
  Duration = 0;
  if (Sample) {
    if (Sample->Streamed && OwnsSampleBuffer) Sample->StopStream();
    if (Buffer) Buffer->Stop();
    if (OwnsSampleBuffer) Sample->BufferInUse = false;
  }
  Duplicate.reset();
  Buffer = nullptr;
  Sample = nullptr;
  OwnsSampleBuffer = false;
  Playing = false;
}

void PreloadSamples() {
  struct TBuiltIn {
    const char* Name;
    bool Looped, Streamed;
    uint8_t Kind;
    float Volume;
  };
  static const TBuiltIn BuiltIns[] = {
      {"ThemeMenu", true, true, skMusic, 1.0f},  {"Theme1", true, true, skMusic, 0.7f},
      {"Theme2", true, true, skMusic, 0.7f},     {"Focus", false, false, skEffect, 1.0f},
      {"Click", false, false, skEffect, 1.0f},   {"Switch", false, false, skEffect, 1.0f},
      {"Key", false, false, skEffect, 1.0f},     {"Select", false, false, skEffect, 1.0f},
      {"Collected", false, false, skEffect, 0.7f}, {"Delivered", false, false, skEffect, 1.0f},
      {"Trained", false, false, skEffect, 1.0f}, {"Damage", false, false, skEffect, 1.0f},
      {"Finish1", false, false, skEffect, 1.0f}, {"Finish2", false, false, skEffect, 1.0f},
      {"Finish3", false, false, skEffect, 1.0f}, {"Gong", false, false, skEffect, 1.0f},
      {"Demolish", false, false, skEffect, 1.0f}, {"Constructing", true, false, skEffect, 1.0f},
      {"Demolishing", true, false, skEffect, 1.0f}, {"Clearing1", true, false, skEffect, 1.0f},
      {"Clearing2", true, false, skEffect, 1.0f}, {"Fireworks", true, false, skEffect, 1.0f},
  };
  if (!Audio) return;
  for (const TBuiltIn& Sample : BuiltIns)
    Audio->AddSample(Sample.Name, Sample.Looped, Sample.Streamed, Sample.Kind, Sample.Volume);
}
