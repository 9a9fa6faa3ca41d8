// The sound device: secondary buffers of PCM data that a mixer plays. One backend mixes into
// the SDL audio callback (sdl/SdlSound.h); a virtual one moves play cursors by a clock of its
// own (VirtualSound.h), for tests and for headless runs.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>

// Interleaved PCM frames: 8-bit samples are unsigned, 16-bit samples signed little-endian.
struct TSoundFormat {
  uint16_t Channels = 1;
  uint32_t Rate = 44100;
  uint16_t Bits = 16;

  uint32_t BlockAlign() const { return uint32_t(Channels) * Bits / 8; }
  uint32_t BytesPerSecond() const { return BlockAlign() * Rate; }
};

// What every backend accepts, so that a file loads the same way whichever device plays it.
constexpr uint32_t kSoundBufferMinBytes = 4;
constexpr uint32_t kSoundBufferMaxBytes = 0x0FFFFFFF;
constexpr uint32_t kSoundRateMin = 100;
constexpr uint32_t kSoundRateMax = 200000;
// Volumes are attenuations in hundredths of a decibel, 0 (full) down to this (silence).
constexpr int32_t kSoundVolumeSilent = -10000;

inline bool IsSupportedSoundBuffer(const TSoundFormat& Format, uint32_t Bytes) {
  return (Format.Channels == 1 || Format.Channels == 2) &&
         (Format.Bits == 8 || Format.Bits == 16) && Format.Rate >= kSoundRateMin &&
         Format.Rate <= kSoundRateMax && Bytes >= kSoundBufferMinBytes &&
         Bytes <= kSoundBufferMaxBytes;
}

inline float AttenuationToGain(int32_t Hundredths) {
  if (Hundredths <= kSoundVolumeSilent) return 0.0f;
  if (Hundredths >= 0) return 1.0f;
  return std::pow(10.0f, float(Hundredths) / 2000.0f);
}

class TSoundBuffer {
 public:
  virtual ~TSoundBuffer() = default;

  virtual const TSoundFormat& Format() const = 0;
  virtual uint32_t Size() const = 0;  // bytes

  // Memory for Bytes bytes at Offset, or nullptr when the region is not inside the buffer or
  // a lock is already open. The bytes reach the buffer, and every duplicate of it, at Unlock;
  // the memory does not hold the buffer's current content.
  virtual uint8_t* Lock(uint32_t Offset, uint32_t Bytes) = 0;
  virtual void Unlock() = 0;

  // A looping buffer plays on from its start when it reaches its end; any other stops there
  // and its cursor goes back to 0.
  virtual void Play(bool Looping) = 0;
  virtual void Stop() = 0;
  virtual void SetCurrentPosition(uint32_t ByteOffset) = 0;
  virtual void SetVolume(int32_t Hundredths) = 0;
  virtual int32_t GetVolume() const = 0;
  virtual bool IsPlaying() = 0;
  // The play cursor: byte offset of the frame playing now.
  virtual uint32_t GetCurrentPosition() = 0;
};

class TSoundDevice {
 public:
  virtual ~TSoundDevice() = default;

  // A silent, stopped buffer of Bytes bytes at full volume; nullptr when the format or the
  // size is not supported (IsSupportedSoundBuffer) or memory runs out.
  virtual std::unique_ptr<TSoundBuffer> CreateSoundBuffer(const TSoundFormat& Format,
                                                          uint32_t Bytes) = 0;
  // A second buffer over the same data, with a cursor, volume and play state of its own.
  virtual std::unique_ptr<TSoundBuffer> DuplicateSoundBuffer(TSoundBuffer& Original) = 0;

  // Once per frame on the main thread, with the frame's duration in seconds.
  virtual void Update(float FrameTime) {}
};

// Opens the sound device of this process; throws std::runtime_error with the failure text
// when there is none. Tests replace it; when empty, CreateDefaultSoundDevice is used.
using TSoundDeviceFactory = std::function<std::unique_ptr<TSoundDevice>()>;
extern TSoundDeviceFactory SoundDeviceFactory;

// The headless platform gets a virtual device that advances with the frames, every other
// platform the SDL device.
std::unique_ptr<TSoundDevice> CreateDefaultSoundDevice();
std::unique_ptr<TSoundDevice> CreateSdlSoundDevice();
