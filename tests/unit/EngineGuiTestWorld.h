// The engine singletons the GUI and the particles run among, on a fake platform and the
// recording graphics device, with a scripted mouse and keyboard: each Frame() runs input,
// timer, GUI and particles in the order of the game's frame, 1/60 s apart.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "engine/EngineGui.h"
#include "engine/EngineInput.h"
#include "engine/EngineParticles.h"
#include "engine/EngineRenderer.h"
#include "engine/EngineTexts.h"
#include "engine/EngineTimer.h"
#include "platform/PlatformSound.h"
#include "platform/RecordingGraphics.h"
#include "support/FakePlatform.h"

class TGuiTestWorld {
 public:
  TGuiTestWorld() {
    Platform = &Fake;
    Register = TRegister();
    Register.WindowWidth = Register.ScreenWidth = 1280;
    Register.WindowHeight = Register.ScreenHeight = 800;
    Register.LogicalWidth = 1280;
    Register.LogicalHeight = 800;
    Register.AspectRatio = 1.6f;
    Register.SpritePoolSize = 256;
    Register.TextPoolSize = 16;
    GraphicsSystemFactory = [] { return std::make_unique<TRecordingSystem>(); };
    ErrorLog = std::make_unique<TErrorLog>();
    Input = new TInput();
    Timer = new TTimer();
    SoundDeviceFactory = [] { return std::unique_ptr<TSoundDevice>(); };
    Audio = new TAudio();  // silent, but it keeps every sound asked for until its update
    for (const char* Name : {"Focus", "Click", "Switch"})
      Audio->AddSample(Name, false, false, 0, 1);
    Renderer = new TRenderer();
    Particles = new TParticles(8, 64);
    Texts = new TTexts();
    Gui = new TGui();
    Move(-100, -100);
    Input->Resume();
  }

  ~TGuiTestWorld() {
    Free(Gui);
    Free(Texts);
    Free(Particles);
    Free(Renderer);
    Free(Audio);
    SoundDeviceFactory = nullptr;
    Free(Timer);
    Free(Input);
    ErrorLog.reset();
    GraphicsSystemFactory = nullptr;
    Platform = nullptr;
  }

  // The cursor to a point of the 1280 x 800 layout (the screen is exactly that size here).
  void Move(int X, int Y) {
    Fake.CursorX = X;
    Fake.CursorY = Y;
  }
  void Button(bool Down) { Fake.Buttons[kMouseLeft] = Down; }
  void Key(TKey K, bool Down) { Fake.Keys[K] = Down; }

  void Frame() {
    Fake.EndFrame();
    Input->Update();
    Timer->Update(Input->FrameTime);
    Gui->Update();
    Particles->Update();
  }
  void Frames(int Count) {
    for (int i = 0; i < Count; ++i) Frame();
  }
  // Press in one frame, release in the next.
  void Click(int X, int Y) {
    Move(X, Y);
    Button(true);
    Frame();
    Button(false);
    Frame();
  }
  void Tap(TKey K) {
    Key(K, true);
    Frame();
    Key(K, false);
    Frame();
  }

  // The samples played for Owner since the last call, oldest first.
  std::vector<std::string> TakeSounds(const void* Owner) {
    std::vector<std::string> Names;
    Audio->Sources.ForEach([&](TContainerItem* Item) {
      auto* Source = static_cast<TSource*>(Item);
      if (Source->Owner != Owner) return;
      Names.insert(Names.begin(), Source->Sample ? Source->Sample->Name : "?");
      Audio->Sources.Remove(Source);
    });
    return Names;
  }

  int SpritesInUse() const { return Renderer->Sprites->Count; }

  TFakePlatform Fake;

 private:
  template <typename T>
  static void Free(T*& Singleton) {
    delete Singleton;
    Singleton = nullptr;
  }
};
