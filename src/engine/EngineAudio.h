// Sound effects and music. A sample is a named sound read once from the samples folder: WAV
// files and short Ogg Vorbis files are decoded whole into a sound buffer, long Ogg music is
// streamed through a ring of six half-second blocks. A source is one playing instance of a
// sample, taken from a pool; one-shot sources go back when their sound ends, loops and music
// stay until their owner stops them. Music changes by a one-second cross-fade.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/EngineClasses.h"
#include "platform/PlatformSound.h"

struct OggVorbis_File;
class TAudio;

enum TSampleKind : uint8_t { skEffect = 0, skMusic = 1 };

// A readable file for the decoder's callbacks; other programs may read the file meanwhile.
class TSampleFileStream {
 public:
  // nullptr when the file cannot be opened.
  static std::unique_ptr<TSampleFileStream> Open(const std::string& FileName);
  ~TSampleFileStream();
  TSampleFileStream(const TSampleFileStream&) = delete;
  TSampleFileStream& operator=(const TSampleFileStream&) = delete;

  size_t Read(void* Buffer, size_t Bytes);
  bool Seek(int64_t Offset, int Whence);  // whence 0, 1, 2: from start, current, end
  int64_t Tell();
  int64_t Size();

 private:
  explicit TSampleFileStream(std::FILE* File) : File(File) {}
  std::FILE* File;
};

struct TDecoderDeleter {
  void operator()(OggVorbis_File* Decoder) const;
};
using TDecoder = std::unique_ptr<OggVorbis_File, TDecoderDeleter>;

// Opens a decoder over the stream held in Stream, with the callbacks that read it; on success
// the decoder owns the stream (ov_clear frees it and empties the variable). Returns false and
// frees the stream on failure.
bool OpenDecoder(std::unique_ptr<TSampleFileStream>& Stream, TDecoder& Decoder);

struct TStreamingBlock {
  TStreamingBlock* Next = nullptr;
  int32_t Offset = 0;
  bool Filled = false;
};

class TSample : public TContainerItem {
 public:
  void Removed(TContainer* Container) override;

  // Reads the sample's file into a new buffer of Device; throws with the failure text.
  void Load(TSoundDevice& Device);
  void LoadWav(TSoundDevice& Device, const std::string& FileName);
  void LoadOgg(TSoundDevice& Device, const std::string& FileName);

  void StartStream();
  void UpdateStream();
  void StopStream();

  std::string FileName(const char* Extension) const;

  bool Looped = false;
  float Volume = 1.0f;
  uint8_t Kind = skEffect;
  float Duration = 0;
  std::unique_ptr<TSoundBuffer> Buffer;
  int32_t BlockAlign = 0;
  int32_t Length = 0;
  bool BufferInUse = false;
  bool Streamed = false;
  std::unique_ptr<TSampleFileStream> Stream;
  TDecoder Decoder;
  bool StreamError = false;
  int32_t BlockSize = 0;
  std::vector<TStreamingBlock> Blocks;
  bool DecodedReady = false;
  std::vector<uint8_t> DecodeBuffer;
  TStreamingBlock* CurrentBlock = nullptr;
  int32_t FreeBlocks = 0;

 private:
  void Decode();
  void Fill(TStreamingBlock& Block);
  void FailStream();
};

class TSource : public TContainerItem {
 public:
  explicit TSource(TAudio& Audio) : OwnerAudio(Audio) {}
  void Added(TContainer* Container, void* Data) override;
  void Removed(TContainer* Container) override;

  const void* Owner = nullptr;
  TSample* Sample = nullptr;
  bool Persistent = false;
  float Duration = 0;
  float SourceVolume = 1.0f;
  bool Playing = false;
  TSoundBuffer* Buffer = nullptr;  // the sample's own buffer, or Duplicate
  bool OwnsSampleBuffer = false;
  std::unique_ptr<TSoundBuffer> Duplicate;

 private:
  TAudio& OwnerAudio;
};

class TAudio {
 public:
  // Opens the sound device through SoundDeviceFactory; without one the audio runs silently.
  TAudio();
  virtual ~TAudio();
  TAudio(const TAudio&) = delete;
  TAudio& operator=(const TAudio&) = delete;

  TSample* AddSample(const std::string& Name, bool Looped, bool Streamed, uint8_t Kind,
                     float Volume);
  TSource* PlaySound(const void* Owner, const std::string& Name, float Volume);
  void StopSounds(const void* Owner);
  void StartLoop(TSource*& Source, const std::string& Name);
  void StopLoop(TSource*& Source);
  void SetSourceVolume(TSource* Source, float V);
  void SetSourcePlaying(TSource* Source, bool B);
  void PlayMusic(const std::string& Name);
  void SetVolume(int Kind, int Steps);
  // Once per frame, last in the frame, with the frame's duration in seconds.
  void Update(float FrameTime);

  // The attenuation for a gain of 0..1 (index 0 full volume, 20 silence).
  static int32_t Attenuation(float Gain);
  int32_t SourceAttenuation(const TSource& Source) const;
  void ApplyVolume(TSource& Source);

  std::unique_ptr<TSoundDevice> DirectSound;  // null when no device could be opened
  TContainer Samples;
  TContainer Sources;
  std::string MusicName;
  TSource* Music = nullptr;
  TSource* OldMusic = nullptr;
  int32_t MusicState = 0;  // 0 idle, 1 cross-fading, 2 change requested
  float FadeProgress = 0;
  float OldMusicVolume = 1.0f;  // OldMusic's volume when its fade-out began

 private:
  TSource* TakeSource(const std::string& Name);
  void UpdateSources();
  void UpdateFade(float FrameTime);
  void StartRequestedMusic();
};

extern TAudio* Audio;

// Registers the game's built-in samples (the splash screen calls it once).
void PreloadSamples();
