// The SDL sound device: the default output device, fed by TSoundMixer from the audio callback.
// When the device disappears (unplugged headphones, a restarted sound server) a helper thread
// closes it and opens the default device again, retrying every two seconds, so the game never
// waits for it; meanwhile the main thread mixes the elapsed time into nothing so that play
// cursors keep moving, one-shot sounds end and music streaming stays in step.
// While the game window is in the background the game stands still, and so does its sound:
// the callback writes silence and no cursor moves until the window has the focus again.
#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "platform/Platform.h"
#include "platform/VirtualSound.h"
#include "platform/sdl/SdlSound.h"

TSoundDeviceFactory SoundDeviceFactory;

namespace {

constexpr int kRequestedRate = 44100;
constexpr int kCallbackFrames = 1024;
constexpr double kReopenInterval = 2.0;  // seconds between attempts
constexpr double kLongestDryMix = 0.25;  // seconds mixed at most per frame without a device

class TSdlSoundDevice : public TSoundDevice {
 public:
  TSdlSoundDevice();
  ~TSdlSoundDevice() override;

  std::unique_ptr<TSoundBuffer> CreateSoundBuffer(const TSoundFormat& Format,
                                                  uint32_t Bytes) override {
    return Mixer.CreateBuffer(Format, Bytes);
  }
  std::unique_ptr<TSoundBuffer> DuplicateSoundBuffer(TSoundBuffer& Original) override {
    return Mixer.Duplicate(Original);
  }
  void Update(float FrameTime) override;

 private:
  static void SDLCALL Callback(void* User, Uint8* Stream, int Length);
  static int SDLCALL WatchEvents(void* User, SDL_Event* Event);
  void WatchWindow(const SDL_WindowEvent& Event);
  bool OpenDevice();
  bool DeviceGone();
  void StartReopening();
  void FinishReopening();
  void MixWithoutDevice();
  double Now() const;

  TSoundMixer Mixer{kRequestedRate};
  std::atomic<SDL_AudioDeviceID> Device{0};
  std::atomic<bool> RemovedEvent{false};
  std::atomic<bool> Paused{false};
  std::thread Reopener;
  std::atomic<bool> ReopenerDone{false};
  double NextReopen = 0;
  double LastUpdate = 0;
  std::atomic<uint32_t> DryRate{kRequestedRate};  // set by whichever thread opens the device
  std::vector<int16_t> DryOutput;
};

TSdlSoundDevice::TSdlSoundDevice() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
    throw std::runtime_error("Failed to create DirectSound device");
  if (!OpenDevice()) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    throw std::runtime_error("Failed to create DirectSound device");
  }
  SDL_AddEventWatch(WatchEvents, this);
  LastUpdate = Now();
}

TSdlSoundDevice::~TSdlSoundDevice() {
  SDL_DelEventWatch(WatchEvents, this);
  if (Reopener.joinable()) Reopener.join();
  if (SDL_AudioDeviceID Id = Device.exchange(0)) SDL_CloseAudioDevice(Id);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

double TSdlSoundDevice::Now() const {
  return double(SDL_GetPerformanceCounter()) / double(SDL_GetPerformanceFrequency());
}

bool TSdlSoundDevice::OpenDevice() {
  SDL_AudioSpec Wanted{}, Obtained{};
  Wanted.freq = kRequestedRate;
  Wanted.format = AUDIO_S16SYS;
  Wanted.channels = 2;
  Wanted.samples = kCallbackFrames;
  Wanted.callback = Callback;
  Wanted.userdata = this;
  SDL_AudioDeviceID Id =
      SDL_OpenAudioDevice(nullptr, 0, &Wanted, &Obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
  if (Id == 0) return false;
  DryRate = uint32_t(Obtained.freq);
  Mixer.SetOutputRate(DryRate);
  RemovedEvent = false;
  Device = Id;
  SDL_PauseAudioDevice(Id, 0);
  return true;
}

void SDLCALL TSdlSoundDevice::Callback(void* User, Uint8* Stream, int Length) {
  auto* Self = static_cast<TSdlSoundDevice*>(User);
  if (Self->Paused)
    std::memset(Stream, 0, size_t(Length));
  else
    Self->Mixer.Mix(reinterpret_cast<int16_t*>(Stream), uint32_t(Length) / 4);
}

int SDLCALL TSdlSoundDevice::WatchEvents(void* User, SDL_Event* Event) {
  auto* Self = static_cast<TSdlSoundDevice*>(User);
  if (Event->type == SDL_AUDIODEVICEREMOVED && !Event->adevice.iscapture &&
      Event->adevice.which == Self->Device.load())
    Self->RemovedEvent = true;
  if (Event->type == SDL_WINDOWEVENT) Self->WatchWindow(Event->window);
  return 1;
}

void TSdlSoundDevice::WatchWindow(const SDL_WindowEvent& Event) {
  switch (Event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      Paused = false;
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN:
      Paused = true;
      break;
    case SDL_WINDOWEVENT_RESTORED: {
      SDL_Window* Window = SDL_GetWindowFromID(Event.windowID);
      if (Window && (SDL_GetWindowFlags(Window) & SDL_WINDOW_INPUT_FOCUS)) Paused = false;
      break;
    }
    default:
      break;
  }
}

bool TSdlSoundDevice::DeviceGone() {
  SDL_AudioDeviceID Id = Device;
  return Id != 0 && (RemovedEvent || SDL_GetAudioDeviceStatus(Id) == SDL_AUDIO_STOPPED);
}

void TSdlSoundDevice::StartReopening() {
  SDL_AudioDeviceID Old = Device.exchange(0);
  ReopenerDone = false;
  Reopener = std::thread([this, Old] {
    if (Old) SDL_CloseAudioDevice(Old);
    OpenDevice();
    ReopenerDone = true;
  });
}

void TSdlSoundDevice::FinishReopening() {
  Reopener.join();
  if (Device == 0) NextReopen = Now() + kReopenInterval;
}

void TSdlSoundDevice::MixWithoutDevice() {
  double Elapsed = std::min(Now() - LastUpdate, kLongestDryMix);
  uint32_t Frames = uint32_t(std::max(Elapsed, 0.0) * DryRate.load());
  if (Frames == 0) return;
  DryOutput.resize(size_t(Frames) * 2);
  Mixer.Mix(DryOutput.data(), Frames);
}

void TSdlSoundDevice::Update(float FrameTime) {
  if (Reopener.joinable() && ReopenerDone) FinishReopening();
  bool Reopening = Reopener.joinable();
  if (!Reopening && DeviceGone()) {
    StartReopening();
    Reopening = true;
  }
  if (Device == 0) {
    if (!Paused) MixWithoutDevice();
    if (!Reopening && Now() >= NextReopen) StartReopening();
  }
  LastUpdate = Now();
}

}  // namespace

std::unique_ptr<TSoundDevice> CreateSdlSoundDevice() { return std::make_unique<TSdlSoundDevice>(); }

std::unique_ptr<TSoundDevice> CreateDefaultSoundDevice() {
  if (Platform && Platform->IsHeadless()) return std::make_unique<TVirtualSoundDevice>(true);
  return CreateSdlSoundDevice();
}
