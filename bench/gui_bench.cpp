// The per-frame cost of the GUI and the particles: one Gui.Update over an idle form of 60
// controls, and one Particles.Update with 1500 living particles. Both count the heap
// allocations made inside the measured loop ("allocs" per frame; it must stay 0), and the GUI
// case counts the controls that had to rewrite their sprites ("refreshed", also 0 when idle).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <stdexcept>

#include "app/EngineRegister.h"
#include "engine/EngineGui.h"
#include "engine/EngineInput.h"
#include "engine/EngineLanguages.h"
#include "engine/EngineParticles.h"
#include "engine/EngineRenderer.h"
#include "engine/EngineTexts.h"
#include "engine/EngineTimer.h"
#include "engine/OrmelGuiControlButtons.h"
#include "engine/OrmelGuiControlPictures.h"
#include "engine/OrmelGuiCursors.h"
#include "platform/RecordingGraphics.h"
#include "platform/headless/HeadlessPlatform.h"

namespace {

std::atomic<long> Allocations{0};

}  // namespace

void* operator new(std::size_t Size) {
  Allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* P = std::malloc(Size ? Size : 1)) return P;
  throw std::bad_alloc();
}
void operator delete(void* P) noexcept {
  std::free(P);
}
void operator delete(void* P, std::size_t) noexcept {
  std::free(P);
}

namespace {

// The singletons the GUI and the particles need, on the recording device without its log.
class TBenchWorld {
 public:
  TBenchWorld() {
    Platform = new THeadlessPlatform(THeadlessOptions{});
    Register = TRegister();
    Register.WindowWidth = Register.ScreenWidth = 1280;
    Register.WindowHeight = Register.ScreenHeight = 800;
    Register.LogicalWidth = 1280;
    Register.LogicalHeight = 800;
    Register.AspectRatio = 1.6f;
    Register.SpritePoolSize = 3072;
    Register.TextPoolSize = 128;
    GraphicsSystemFactory = [] {
      auto System = std::make_unique<TRecordingSystem>();
      System->Behavior.Logging = false;
      return System;
    };
    Input = new TInput();
    Timer = new TTimer();
    Renderer = new TRenderer();
    Particles = new TParticles(96, 1536);
    Texts = new TTexts();
    Gui = new TGui();
    Input->FrameTime = 1.0f / 60;
    Input->MouseInside = true;
  }
  ~TBenchWorld() {
    delete Gui;
    Gui = nullptr;
    delete Texts;
    Texts = nullptr;
    delete Particles;
    Particles = nullptr;
    delete Renderer;
    Renderer = nullptr;
    delete Timer;
    Timer = nullptr;
    delete Input;
    Input = nullptr;
    delete Platform;
    Platform = nullptr;
    GraphicsSystemFactory = nullptr;
  }
};

// 60 controls of every kind: 20 bump buttons, 10 links, 4 radio options, 20 labels, 4
// pictures, an input field and the recommended arrow; the mouse rests on one button.
TGuiForm* BuildIdleForm() {
  auto* Form = new TGuiForm("Idle");
  TGuiClickHandler Handler = [](TGuiControl*, int32_t) {};
  for (int i = 0; i < 20; ++i)
    Form->AddControl(new TGuiControlButtonBump("Bump" + std::to_string(i), i % 6, sidButtonOK,
                                               Handler, 20 + (i % 4) * 310, 20 + (i / 4) * 70, 10));
  for (int i = 0; i < 10; ++i)
    Form->AddControl(new TGuiControlButtonLink("Link" + std::to_string(i), i % 4, sidButtonCancel,
                                               Handler, 20 + i * 120, 380, 110, 30, 10));
  for (int i = 0; i < 4; ++i)
    Form->AddControl(new TGuiControlButtonBumpSel("Option" + std::to_string(i), 0, "Group",
                                                  sidButtonYes, Handler, 20 + i * 310, 420, 10));
  for (int i = 0; i < 20; ++i)
    Form->AddControl(new TGuiControlLabel("Label" + std::to_string(i), sidGameTitle, 0xFFFFFF, 4,
                                          0.78125f, 20 + (i % 5) * 250, 500 + (i / 5) * 40, 240, 36,
                                          5));
  for (int i = 0; i < 4; ++i)
    Form->AddControl(
        new TGuiControlPicture("", "Buttons", i, false, false, i * 320, 680, 300, 100, 0));
  Form->AddControl(new TGuiControlInput("Name", 490, 640, 10));
  Form->AddControl(new TGuiControlRecommendedArrow(20));
  Form->SelectInGroup("Option0", "Group");
  Form->Recommend("Bump5", 2);
  return Form;
}

int CountDirty(TGuiForm* Form) {
  int Dirty = 0;
  for (TContainerItem* Node = Form->Controls.First(); Node && !Form->Controls.IsEnd(Node);
       Node = Node->Next)
    Dirty += static_cast<TGuiControl*>(Node)->Dirty ? 1 : 0;
  return Dirty;
}

void BM_GuiUpdateIdleForm(benchmark::State& State) {
  TBenchWorld World;
  Strings[sidButtonOK] = "OK";
  Strings[sidGameTitle] = "Plotstead";
  TGuiForm* Form = BuildIdleForm();
  Gui->AddForm(Form);
  Gui->AddCursor(new TGuiCursorStandard("Default"));
  Gui->SetCursor("Default");
  Gui->SetForm("Idle");
  Input->MouseX = (40.0f + 150) / 1280;  // over the first bump button
  Input->MouseY = (20.0f + 30) / 800;
  for (int i = 0; i < 3; ++i) Gui->Update();
  if (Form->Controls.Count != 60) throw std::logic_error("the idle form needs 60 controls");

  long Refreshed = 0;
  const long Before = Allocations.load();
  for (auto _ : State) {
    Gui->Update();
    // A control left dirty by its Update would rewrite its sprites in the next refresh.
    Refreshed += CountDirty(Form);
  }
  State.counters["allocs"] =
      benchmark::Counter(double(Allocations.load() - Before), benchmark::Counter::kAvgIterations);
  State.counters["refreshed"] =
      benchmark::Counter(double(Refreshed), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GuiUpdateIdleForm);

// 15 effects of 100 particles each that live on and move, grow, turn, fade and change colour
// every frame.
void BM_ParticlesUpdate1500(benchmark::State& State) {
  TBenchWorld World;
  TEmiter* E = Particles->AddEmiter("Bench");
  E->Texture = Renderer->GetTexture("Particles");
  E->Interval = 1e9f;
  E->Count = 100;
  E->PositionMode = 1;
  E->Spread = {200, 200};
  E->DirectionMode = 2;
  E->Distance = 50;
  E->SizeMode = 1;
  E->Size = {10, 10};
  E->Size2 = {4, 4};
  E->SpinMode = 1;
  E->SpinSpread = 90;
  E->ColorMode = 1;
  E->Color2 = 0xFF8000;
  E->Lifetime = 1e9f;
  E->MotionMode = 1;
  E->GrowMode = 2;
  E->Grow = 2;
  E->RotateMode = 1;
  E->FadeMode = 3;
  E->FadeIn = 0.2f;
  E->FadeOut = 0.8f;
  E->TintMode = 1;
  E->TintColor = 0x00FFFF;
  for (int i = 0; i < 15; ++i)
    Particles->StartEffect(nullptr, "Bench", {float(i * 50 - 350), 0}, 100, 1.0f, 1.0f);
  Particles->Update(1.0f / 60);
  if (Particles->Instances.Count != 1500) throw std::logic_error("1500 particles expected");

  const long Before = Allocations.load();
  for (auto _ : State) Particles->Update(1.0f / 60);
  const long Made = Allocations.load() - Before;  // read before the counters map allocates
  State.counters["allocs"] = benchmark::Counter(double(Made), benchmark::Counter::kAvgIterations);
  State.counters["particles"] = Particles->Instances.Count;
}
BENCHMARK(BM_ParticlesUpdate1500);

}  // namespace
