// A sound device without output: buffers keep their data and state, and Advance moves the
// cursor of every playing buffer as if that much time had been heard. Tests step it by hand;
// headless runs let it follow the frames. Each buffer can record the bytes it played and
// counts frames played that were never written since they last played.
#pragma once

#include <memory>
#include <vector>

#include "platform/PlatformSound.h"

class TVirtualSoundDevice;

class TVirtualSoundBuffer : public TSoundBuffer {
 public:
  TVirtualSoundBuffer(TVirtualSoundDevice& Device, const TSoundFormat& Format,
                      std::shared_ptr<std::vector<uint8_t>> Data, bool Duplicate);
  ~TVirtualSoundBuffer() override;

  const TSoundFormat& Format() const override { return SoundFormat; }
  uint32_t Size() const override { return uint32_t(Data->size()); }
  uint8_t* Lock(uint32_t Offset, uint32_t Bytes) override;
  void Unlock() override;
  void Play(bool Looping) override;
  void Stop() override { Playing = false; }
  void SetCurrentPosition(uint32_t ByteOffset) override;
  void SetVolume(int32_t Hundredths) override { Volume = Hundredths; }
  int32_t GetVolume() const override { return Volume; }
  bool IsPlaying() override { return Playing; }
  uint32_t GetCurrentPosition() override;

  void Advance(double Seconds);
  const std::vector<uint8_t>& Bytes() const { return *Data; }

  TVirtualSoundDevice& Device;
  const bool IsDuplicate;
  bool Playing = false;
  bool Looping = false;
  int32_t Volume = 0;
  bool FailLocks = false;           // every Lock fails, as on a lost buffer
  bool Capture = false;             // append every played frame to Captured
  std::vector<uint8_t> Captured;
  uint64_t UnwrittenFramesPlayed = 0;

 private:
  friend class TVirtualSoundDevice;
  void PlayFrames(uint32_t First, uint32_t Count);
  uint32_t Frames() const;

  TSoundFormat SoundFormat;
  std::shared_ptr<std::vector<uint8_t>> Data;
  std::vector<uint8_t> Staging;
  uint32_t LockOffset = 0;
  bool Locked = false;
  std::vector<bool> Written;  // per frame: written since it last played
  double Position = 0;        // in frames
};

class TVirtualSoundDevice : public TSoundDevice {
 public:
  // FollowFrames: Update advances the clock by the frame time.
  explicit TVirtualSoundDevice(bool FollowFrames = false) : FollowFrames(FollowFrames) {}

  std::unique_ptr<TSoundBuffer> CreateSoundBuffer(const TSoundFormat& Format,
                                                  uint32_t Bytes) override;
  std::unique_ptr<TSoundBuffer> DuplicateSoundBuffer(TSoundBuffer& Original) override;
  void Update(float FrameTime) override;

  void Advance(double Seconds);

  const bool FollowFrames;
  bool FailCreate = false;
  bool FailDuplicate = false;
  std::vector<TVirtualSoundBuffer*> Buffers;  // every live buffer, in creation order
};
