// CPU cost of the renderer's frame (recording device, no pixels) per sprite, and of
// re-laying out a changed 40-character text. The "allocs" counter is the number of heap
// allocations per iteration, which must stay 0 on these paths.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <unistd.h>

#include "app/EngineRegister.h"
#include "engine/EngineRenderer.h"
#include "engine/EngineTexts.h"
#include "platform/RecordingGraphics.h"

namespace {

size_t Allocations = 0;

}  // namespace

void* operator new(size_t Size) {
  ++Allocations;
  if (void* P = std::malloc(Size ? Size : 1)) return P;
  throw std::bad_alloc();
}

void operator delete(void* P) noexcept { std::free(P); }
void operator delete(void* P, size_t) noexcept { std::free(P); }

namespace {

std::string Dds(uint32_t W, uint32_t H) {
  std::string Out(128, '\0');
  auto Put = [&](size_t At, uint32_t V) {
    for (int i = 0; i < 4; ++i) Out[At + i] = char(V >> (8 * i));
  };
  Put(0, 0x20534444), Put(4, 124), Put(8, 0x1007), Put(12, H), Put(16, W), Put(80, 0x41),
      Put(88, 32), Put(92, 0xFF0000), Put(96, 0xFF00), Put(100, 0xFF), Put(104, 0xFF000000),
      Put(108, 0x1000);
  return Out + std::string(size_t(W) * H * 4, '\x7F');
}

// A renderer over the recording device, with two pictures and a font in a scratch folder.
struct TScene {
  TScene() {
    Folder = std::filesystem::temp_directory_path() / ("plotstead-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(Folder);
    TexturesFolder = Folder.string() + "/";
    std::ofstream(Folder / "A.dds", std::ios::binary) << Dds(64, 64);
    std::ofstream(Folder / "A.tsg") << "SEGMENTS = 4\nSEGMENT1 = 0, 0, 32, 32\nSEGMENT2 = 32, 0, 32, 32\n";
    std::ofstream(Folder / "B.dds", std::ios::binary) << Dds(32, 32);
    std::ofstream(Folder / "DefaultFont.dds", std::ios::binary) << Dds(256, 256);
    std::ofstream Font(Folder / "DefaultFont.tsg");
    Font << "SEGMENTS = 256\n";
    for (int Code = 0; Code < 256; ++Code)
      Font << "SEGMENT" << Code << " = " << (Code % 16) * 16 << ", " << (Code / 16) * 16
           << ", 14, 16\n";
    Font.close();
    Register.WindowWidth = 1280;
    Register.WindowHeight = 800;
    Register.SpritePoolSize = 12000;
    Register.TextPoolSize = 16;
    GraphicsSystemFactory = [] {
      auto System = std::make_unique<TRecordingSystem>();
      System->Behavior.Logging = false;
      return std::unique_ptr<TGraphicsSystem>(std::move(System));
    };
    Renderer = new TRenderer();
    Texts = new TTexts();
  }
  ~TScene() {
    delete Texts;
    Texts = nullptr;
    delete Renderer;
    Renderer = nullptr;
    std::filesystem::remove_all(Folder);
  }
  std::filesystem::path Folder;
};

void RenderFrame(benchmark::State& State, bool Moving) {
  TScene Scene;
  const int Count = int(State.range(0));
  std::vector<TSprite*> Sprites;
  for (int i = 0; i < Count; ++i) {
    TSprite* S = Renderer->CreateSprite(i % 7);
    S->SetTexture(i % 3 ? "A" : "B");
    S->Segment = i % 3;
    S->SetSize({32, 32});
    S->SetPosition({float(i % 1200) - 600, float(i % 700) - 350});
    S->SetColorRGB(0x102030u * uint32_t(i % 5));
    S->SetAlpha(0.75f);
    Sprites.push_back(S);
  }
  Renderer->RenderFrame();
  float Step = 0;
  const size_t Before = Allocations;
  for (auto _ : State) {
    if (Moving) {
      Step += 1;
      for (TSprite* S : Sprites) S->SetPosition({S->Position.X, S->Position.Y + (Step > 50 ? -1.0f : 1.0f)});
      if (Step > 100) Step = 0;
    }
    Renderer->RenderFrame();
  }
  State.SetItemsProcessed(State.iterations() * Count);
  State.counters["allocs"] = double(Allocations - Before) / double(State.iterations());
}

void BM_RenderFrameStatic(benchmark::State& State) { RenderFrame(State, false); }
void BM_RenderFrameMoving(benchmark::State& State) { RenderFrame(State, true); }

BENCHMARK(BM_RenderFrameStatic)->Arg(1000)->Arg(3000)->Arg(10000);
BENCHMARK(BM_RenderFrameMoving)->Arg(1000)->Arg(3000)->Arg(10000);

void BM_SetTextChanged(benchmark::State& State) {
  TScene Scene;
  TText* Text = nullptr;
  Texts->CreateText(Text, 0, {600, 40}, 1, 4);
  const std::string Strings[2] = {"Income this month: 12,345 coins (+7%) ok",
                                  "Residents 1,204 of 1,500, happiness 87 %"};
  Text->SetText(Strings[1]);
  Text->SetText(Strings[0]);
  int Which = 1;
  const size_t Before = Allocations;
  for (auto _ : State) {
    Text->SetText(Strings[Which]);
    Which ^= 1;
  }
  State.counters["allocs"] = double(Allocations - Before) / double(State.iterations());
}

BENCHMARK(BM_SetTextChanged);

}  // namespace
