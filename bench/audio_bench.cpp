// Audio costs per second of sound: the mixer with a full pool of 24 playing sources, and
// decoding Ogg Vorbis music through the game's decoder callbacks.
#include <benchmark/benchmark.h>
#include <unistd.h>
#include <vorbis/vorbisfile.h>

#include <random>

#include "../tests/unit/EngineAudioTestFiles.h"
#include "engine/EngineAudio.h"
#include "platform/sdl/SdlSound.h"

namespace {

constexpr uint32_t kOutputRate = 48000;
constexpr uint32_t kCallbackFrames = 1024;

// 24 one-second stereo buffers at 44.1 kHz (so every one is resampled), all looping.
void BM_MixOneSecond24Sources(benchmark::State& State) {
  TSoundMixer Mixer(kOutputRate);
  std::vector<std::unique_ptr<TSoundBuffer>> Buffers;
  std::mt19937 Random(7);
  for (int I = 0; I < 24; ++I) {
    auto Buffer = Mixer.CreateBuffer({2, 44100, 16}, 44100 * 4);
    auto* Memory = reinterpret_cast<int16_t*>(Buffer->Lock(0, Buffer->Size()));
    for (uint32_t J = 0; J < Buffer->Size() / 2; ++J) Memory[J] = int16_t(Random() % 8000) - 4000;
    Buffer->Unlock();
    Buffer->SetVolume(-100 * I);
    Buffer->Play(true);
    Buffers.push_back(std::move(Buffer));
  }
  std::vector<int16_t> Out(kCallbackFrames * 2);
  for (auto _ : State) {
    for (uint32_t Done = 0; Done < kOutputRate; Done += kCallbackFrames)
      Mixer.Mix(Out.data(), kCallbackFrames);
    benchmark::DoNotOptimize(Out.data());
  }
  State.SetItemsProcessed(State.iterations() * kOutputRate);
}
BENCHMARK(BM_MixOneSecond24Sources)->Unit(benchmark::kMillisecond);

// One second of 44.1 kHz stereo music, read the way streaming reads it.
void BM_DecodeOneSecondOfOgg(benchmark::State& State) {
  std::string Path = "/tmp/plotstead-audio-bench-" + std::to_string(getpid()) + ".ogg";
  audiotest::WriteFile(Path, audiotest::EncodeOgg(audiotest::Glide(44100 * 10, 2, 44100), 2,
                                                  44100, 0.4f));
  std::unique_ptr<TSampleFileStream> Stream = TSampleFileStream::Open(Path);
  TDecoder Decoder;
  if (!OpenDecoder(Stream, Decoder)) {
    State.SkipWithError("the decoder did not open");
    return;
  }
  std::vector<char> Second(44100 * 4);
  for (auto _ : State) {
    ov_pcm_seek(Decoder.get(), 0);
    for (size_t Done = 0; Done < Second.size();) {
      long Got = ov_read(Decoder.get(), Second.data() + Done, int(Second.size() - Done), 0, 2, 1, nullptr);
      if (Got <= 0) break;
      Done += size_t(Got);
    }
    benchmark::DoNotOptimize(Second.data());
  }
  State.SetBytesProcessed(State.iterations() * int64_t(Second.size()));
  Decoder.reset();
  unlink(Path.c_str());
}
BENCHMARK(BM_DecodeOneSecondOfOgg)->Unit(benchmark::kMillisecond);

}  // namespace
