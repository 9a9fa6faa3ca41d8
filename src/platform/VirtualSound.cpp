#include "platform/VirtualSound.h"

#include <algorithm>
#include <cmath>
#include <cstring>

TVirtualSoundBuffer::TVirtualSoundBuffer(TVirtualSoundDevice& Device, const TSoundFormat& Format,
                                         std::shared_ptr<std::vector<uint8_t>> Data,
                                         bool Duplicate)
    : Device(Device), IsDuplicate(Duplicate), SoundFormat(Format), Data(std::move(Data)) {
  Written.assign(Frames(), false);
  Device.Buffers.push_back(this);
}

TVirtualSoundBuffer::~TVirtualSoundBuffer() {
  auto& List = Device.Buffers;
  List.erase(std::remove(List.begin(), List.end(), this), List.end());
}

uint32_t TVirtualSoundBuffer::Frames() const {
  return uint32_t(Data->size() / SoundFormat.BlockAlign());
}

uint8_t* TVirtualSoundBuffer::Lock(uint32_t Offset, uint32_t Bytes) {
  if (FailLocks || Locked || Bytes == 0 || Offset > Data->size() ||
      Bytes > Data->size() - Offset)
    return nullptr;
  Locked = true;
  LockOffset = Offset;
  Staging.assign(Bytes, 0);
  return Staging.data();
}

void TVirtualSoundBuffer::Unlock() {
  if (!Locked) return;
  Locked = false;
  std::memcpy(Data->data() + LockOffset, Staging.data(), Staging.size());
  uint32_t Align = SoundFormat.BlockAlign();
  uint32_t First = LockOffset / Align;
  uint32_t Last = std::min<uint32_t>((LockOffset + Staging.size() + Align - 1) / Align, Frames());
  for (uint32_t Frame = First; Frame < Last; ++Frame) Written[Frame] = true;
  Staging.clear();
}

void TVirtualSoundBuffer::Play(bool Loop) {
  Playing = true;
  Looping = Loop;
}

void TVirtualSoundBuffer::SetCurrentPosition(uint32_t ByteOffset) {
  uint32_t Frame = ByteOffset / SoundFormat.BlockAlign();
  Position = Frame < Frames() ? Frame : 0;
}

uint32_t TVirtualSoundBuffer::GetCurrentPosition() {
  return uint32_t(Position) * SoundFormat.BlockAlign();
}

void TVirtualSoundBuffer::PlayFrames(uint32_t First, uint32_t Count) {
  uint32_t Align = SoundFormat.BlockAlign();
  for (uint32_t Frame = First; Frame < First + Count; ++Frame) {
    if (!Written[Frame]) ++UnwrittenFramesPlayed;
    Written[Frame] = false;
  }
  if (Capture) {
    const uint8_t* From = Data->data() + size_t(First) * Align;
    Captured.insert(Captured.end(), From, From + size_t(Count) * Align);
  }
}

void TVirtualSoundBuffer::Advance(double Seconds) {
  uint32_t Total = Frames();
  if (!Playing || Total == 0 || Seconds <= 0) return;
  double Target = Position + Seconds * SoundFormat.Rate;
  double Fraction = Target - std::floor(Target);
  uint64_t Remaining = uint64_t(std::floor(Target)) - uint64_t(Position);
  uint32_t Frame = uint32_t(Position);
  while (Remaining > 0) {
    uint32_t Count = uint32_t(std::min<uint64_t>(Remaining, Total - Frame));
    PlayFrames(Frame, Count);
    Frame += Count;
    Remaining -= Count;
    if (Frame < Total) continue;
    Frame = 0;
    if (!Looping) {
      Playing = false;
      Position = 0;
      return;
    }
  }
  Position = Frame + Fraction;
}

std::unique_ptr<TSoundBuffer> TVirtualSoundDevice::CreateSoundBuffer(const TSoundFormat& Format,
                                                                     uint32_t Bytes) {
  if (FailCreate || !IsSupportedSoundBuffer(Format, Bytes)) return nullptr;
  auto Data = std::make_shared<std::vector<uint8_t>>(Bytes, Format.Bits == 8 ? 0x80 : 0);
  return std::make_unique<TVirtualSoundBuffer>(*this, Format, std::move(Data), false);
}

std::unique_ptr<TSoundBuffer> TVirtualSoundDevice::DuplicateSoundBuffer(TSoundBuffer& Original) {
  auto* Source = dynamic_cast<TVirtualSoundBuffer*>(&Original);
  if (FailDuplicate || !Source) return nullptr;
  auto Copy = std::make_unique<TVirtualSoundBuffer>(*this, Source->Format(), Source->Data, true);
  Copy->Volume = Source->Volume;
  return Copy;
}

void TVirtualSoundDevice::Update(float FrameTime) {
  if (FollowFrames) Advance(FrameTime);
}

void TVirtualSoundDevice::Advance(double Seconds) {
  std::vector<TVirtualSoundBuffer*> Playing = Buffers;
  for (TVirtualSoundBuffer* Buffer : Playing) Buffer->Advance(Seconds);
}
