#include <algorithm>
#include <cstring>

#include "platform/sdl/SdlSound.h"

namespace {

constexpr uint64_t kOne = uint64_t(1) << 32;  // one frame in 32.32 fixed point
constexpr float kFractionScale = 1.0f / 4294967296.0f;

}  // namespace

TMixerBuffer::TMixerBuffer(TSoundMixer& Mixer, const TSoundFormat& Format,
                           std::shared_ptr<std::vector<uint8_t>> Data)
    : Mixer(Mixer),
      SoundFormat(Format),
      FrameCount(uint32_t(Data->size() / Format.BlockAlign())),
      Data(std::move(Data)) {
  std::lock_guard<std::mutex> Guard(Mixer.Mutex);
  Mixer.Buffers.push_back(this);
}

TMixerBuffer::~TMixerBuffer() {
  std::lock_guard<std::mutex> Guard(Mixer.Mutex);
  auto& List = Mixer.Buffers;
  List.erase(std::remove(List.begin(), List.end(), this), List.end());
}

uint8_t* TMixerBuffer::Lock(uint32_t Offset, uint32_t Bytes) {
  if (Locked || Bytes == 0 || Offset > Data->size() || Bytes > Data->size() - Offset)
    return nullptr;
  Locked = true;
  LockOffset = Offset;
  Staging.assign(Bytes, 0);
  return Staging.data();
}

void TMixerBuffer::Unlock() {
  if (!Locked) return;
  Locked = false;
  {
    std::lock_guard<std::mutex> Guard(Mixer.Mutex);
    std::memcpy(Data->data() + LockOffset, Staging.data(), Staging.size());
  }
  Staging.clear();
  Staging.shrink_to_fit();
}

void TMixerBuffer::Play(bool Loop) {
  std::lock_guard<std::mutex> Guard(Mixer.Mutex);
  Playing = FrameCount > 0;
  Looping = Loop;
}

void TMixerBuffer::Stop() {
  std::lock_guard<std::mutex> Guard(Mixer.Mutex);
  Playing = false;
}

void TMixerBuffer::SetCurrentPosition(uint32_t ByteOffset) {
  std::lock_guard<std::mutex> Guard(Mixer.Mutex);
  uint32_t Frame = ByteOffset / SoundFormat.BlockAlign();
  Position = Frame < FrameCount ? uint64_t(Frame) << 32 : 0;
}

void TMixerBuffer::SetVolume(int32_t Hundredths) {
  float NewGain = AttenuationToGain(Hundredths);
  std::lock_guard<std::mutex> Guard(Mixer.Mutex);
  Volume = Hundredths;
  Gain = NewGain;
}

int32_t TMixerBuffer::GetVolume() const {
  std::lock_guard<std::mutex> Guard(Mixer.Mutex);
  return Volume;
}

bool TMixerBuffer::IsPlaying() {
  std::lock_guard<std::mutex> Guard(Mixer.Mutex);
  return Playing;
}

uint32_t TMixerBuffer::GetCurrentPosition() {
  std::lock_guard<std::mutex> Guard(Mixer.Mutex);
  return uint32_t(Position >> 32) * SoundFormat.BlockAlign();
}

float TMixerBuffer::SampleAt(uint32_t Frame, int Channel) const {
  const uint8_t* Bytes = Data->data() + size_t(Frame) * SoundFormat.BlockAlign();
  if (SoundFormat.Bits == 8) return (float(Bytes[Channel]) - 128.0f) * (1.0f / 128.0f);
  int16_t Value;
  std::memcpy(&Value, Bytes + Channel * 2, 2);
  return float(Value) * (1.0f / 32768.0f);
}

void TMixerBuffer::MixInto(float* Out, uint32_t Frames, uint64_t Step) {
  const int Right = SoundFormat.Channels == 2 ? 1 : 0;
  const uint64_t End = uint64_t(FrameCount) << 32;
  for (uint32_t I = 0; I < Frames; ++I) {
    if (Position >= End) {
      if (!Looping) {
        Playing = false;
        Position = 0;
        return;
      }
      Position -= End;
    }
    uint32_t Frame = uint32_t(Position >> 32);
    uint32_t Next = Frame + 1 < FrameCount ? Frame + 1 : (Looping ? 0 : Frame);
    float Weight = float(Position & (kOne - 1)) * kFractionScale;
    float L0 = SampleAt(Frame, 0), L1 = SampleAt(Next, 0);
    float R0 = SampleAt(Frame, Right), R1 = SampleAt(Next, Right);
    Out[2 * I] += (L0 + (L1 - L0) * Weight) * Gain;
    Out[2 * I + 1] += (R0 + (R1 - R0) * Weight) * Gain;
    Position += Step;
  }
  if (Position >= End && !Looping) {
    Playing = false;
    Position = 0;
  }
}

TSoundMixer::~TSoundMixer() {
  // Buffers are owned by their holders, who must free them before the mixer goes.
  std::lock_guard<std::mutex> Guard(Mutex);
  Buffers.clear();
}

std::unique_ptr<TSoundBuffer> TSoundMixer::CreateBuffer(const TSoundFormat& Format,
                                                        uint32_t Bytes) {
  if (!IsSupportedSoundBuffer(Format, Bytes)) return nullptr;
  try {
    auto Data = std::make_shared<std::vector<uint8_t>>(Bytes, Format.Bits == 8 ? 0x80 : 0);
    return std::make_unique<TMixerBuffer>(*this, Format, std::move(Data));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

std::unique_ptr<TSoundBuffer> TSoundMixer::Duplicate(TSoundBuffer& Original) {
  auto* Source = dynamic_cast<TMixerBuffer*>(&Original);
  if (!Source || &Source->Mixer != this) return nullptr;
  auto Copy = std::make_unique<TMixerBuffer>(*this, Source->SoundFormat, Source->Data);
  Copy->SetVolume(Source->GetVolume());
  return Copy;
}

void TSoundMixer::SetOutputRate(uint32_t Rate) {
  std::lock_guard<std::mutex> Guard(Mutex);
  OutputRate = Rate;
}

void TSoundMixer::Mix(int16_t* Out, uint32_t Frames) {
  std::lock_guard<std::mutex> Guard(Mutex);
  Accumulator.assign(size_t(Frames) * 2, 0.0f);
  for (TMixerBuffer* Buffer : Buffers) {
    if (!Buffer->Playing) continue;
    uint64_t Step = (uint64_t(Buffer->SoundFormat.Rate) << 32) / OutputRate;
    Buffer->MixInto(Accumulator.data(), Frames, Step);
  }
  for (size_t I = 0; I < Accumulator.size(); ++I) {
    float Value = Accumulator[I] * 32768.0f;
    Out[I] = int16_t(std::clamp(Value, -32768.0f, 32767.0f));
  }
}
