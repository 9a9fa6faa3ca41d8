// The software mixer behind the SDL sound device. Buffers live in the mixer; the audio callback
// (or, while no device is open, the main thread) asks it for output frames, and it adds every
// playing buffer, resampled to the output rate and scaled by its volume, clamping the sum so
// that loud moments saturate instead of wrapping around. One mutex guards all mixer state.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/PlatformSound.h"

class TSoundMixer;

class TMixerBuffer : public TSoundBuffer {
 public:
  TMixerBuffer(TSoundMixer& Mixer, const TSoundFormat& Format,
               std::shared_ptr<std::vector<uint8_t>> Data);
  ~TMixerBuffer() override;

  const TSoundFormat& Format() const override { return SoundFormat; }
  uint32_t Size() const override { return uint32_t(Data->size()); }
  uint8_t* Lock(uint32_t Offset, uint32_t Bytes) override;
  void Unlock() override;
  void Play(bool Looping) override;
  void Stop() override;
  void SetCurrentPosition(uint32_t ByteOffset) override;
  void SetVolume(int32_t Hundredths) override;
  int32_t GetVolume() const override;
  bool IsPlaying() override;
  uint32_t GetCurrentPosition() override;

 private:
  friend class TSoundMixer;
  // Adds this buffer's next Frames output frames to Out (interleaved stereo). Mixer locked.
  void MixInto(float* Out, uint32_t Frames, uint64_t Step);
  float SampleAt(uint32_t Frame, int Channel) const;

  TSoundMixer& Mixer;
  const TSoundFormat SoundFormat;
  const uint32_t FrameCount;
  std::shared_ptr<std::vector<uint8_t>> Data;
  std::vector<uint8_t> Staging;  // the locked region, owned by the main thread
  uint32_t LockOffset = 0;
  bool Locked = false;

  // Guarded by the mixer's mutex.
  bool Playing = false;
  bool Looping = false;
  int32_t Volume = 0;
  float Gain = 1.0f;
  uint64_t Position = 0;  // in frames, 32.32 fixed point
};

class TSoundMixer {
 public:
  explicit TSoundMixer(uint32_t OutputRate) : OutputRate(OutputRate) {}
  ~TSoundMixer();

  std::unique_ptr<TSoundBuffer> CreateBuffer(const TSoundFormat& Format, uint32_t Bytes);
  std::unique_ptr<TSoundBuffer> Duplicate(TSoundBuffer& Original);

  // Fills Frames interleaved stereo 16-bit frames at the output rate.
  void Mix(int16_t* Out, uint32_t Frames);
  void SetOutputRate(uint32_t Rate);

 private:
  friend class TMixerBuffer;
  std::mutex Mutex;
  uint32_t OutputRate;
  std::vector<TMixerBuffer*> Buffers;
  std::vector<float> Accumulator;
};
