// plotstead-sprites N SECONDS [--software]
//
// Draws N moving 32 x 32 tinted, alpha-blended sprites through the game's renderer in a
// 1280 x 800 window, without waiting for the display, and prints the mean frame time. Run it
// beside SDL's testsprite2 at the same N to compare the renderer's cost with SDL's own.
// --software makes the device use SDL's software renderer.
#include <SDL.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/EngineRegister.h"
#include "engine/EngineRenderer.h"
#include "platform/sdl/SdlPlatform.h"

namespace {

// A 32 x 32 white disc with a soft edge, so that blending shows.
std::string DiscDds() {
  std::string Out(128, '\0');
  auto Put = [&](size_t At, uint32_t V) {
    for (int i = 0; i < 4; ++i) Out[At + i] = char(V >> (8 * i));
  };
  Put(0, 0x20534444), Put(4, 124), Put(8, 0x1007), Put(12, 32), Put(16, 32), Put(80, 0x41),
      Put(88, 32), Put(92, 0xFF0000), Put(96, 0xFF00), Put(100, 0xFF), Put(104, 0xFF000000),
      Put(108, 0x1000);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const float D = std::hypot(x - 15.5f, y - 15.5f);
      const float A = std::fmin(1.0f, std::fmax(0.0f, 16.0f - D));
      const uint32_t Pixel = uint32_t(A * 255) << 24 | 0xFFFFFF;
      for (int i = 0; i < 4; ++i) Out += char(Pixel >> (8 * i));
    }
  return Out;
}

// Hands the renderer a device that skips hardware acceleration when asked to.
class TSoftwareOnly : public TGraphicsSystem {
 public:
  bool CheckDeviceType(TDeviceFormat Format) override { return Inner->CheckDeviceType(Format); }
  std::unique_ptr<TGraphicsDevice> CreateDevice(uint32_t Flags,
                                                const TPresentParameters& Parameters) override {
    if (Flags == kCreateHardwareVertexProcessing) return nullptr;
    return Inner->CreateDevice(Flags, Parameters);
  }
  std::unique_ptr<TGraphicsSystem> Inner = CreateSdlGraphicsSystem();
};

struct TMover {
  TSprite* Sprite;
  float Dx, Dy;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: plotstead-sprites N SECONDS [--software]\n");
    return 2;
  }
  const int Count = std::atoi(argv[1]);
  const double Seconds = std::atof(argv[2]);
  const bool Software = argc > 3 && std::string(argv[3]) == "--software";

  const auto Folder = std::filesystem::temp_directory_path() /
                      ("plotstead-sprites-" + std::to_string(getpid()));
  std::filesystem::create_directories(Folder);
  std::ofstream(Folder / "Disc.dds", std::ios::binary) << DiscDds();
  TexturesFolder = Folder.string() + "/";

  TSdlPlatform Window(TSdlOptions{});
  Platform = &Window;
  if (!Window.CreateWindow(SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1280, 800)) return 1;
  Window.ShowAndFocusWindow();
  Register.WindowWidth = 1280;
  Register.WindowHeight = 800;
  Register.VSync = false;
  Register.SpritePoolSize = Count;
  if (Software) GraphicsSystemFactory = [] { return std::make_unique<TSoftwareOnly>(); };
  Renderer = new TRenderer();
  SDL_RendererInfo Info{};
  SDL_GetRendererInfo(SDL_GetRenderer(Window.NativeWindow()), &Info);

  std::srand(1);
  std::vector<TMover> Movers;
  for (int i = 0; i < Count; ++i) {
    TSprite* S = Renderer->CreateSprite(0);
    S->SetTexture("Disc");
    S->SetSize({32, 32});
    S->SetPosition({float(std::rand() % 1248 - 624), float(std::rand() % 768 - 384)});
    S->SetColorRGB(uint32_t(std::rand()) & 0xFFFFFF);
    S->SetAlpha(0.8f);
    Movers.push_back({S, float(std::rand() % 5 - 2), float(std::rand() % 5 - 2)});
  }

  using TClock = std::chrono::steady_clock;
  int Frames = 0;
  TClock::time_point Start;
  for (bool Quit = false; !Quit;) {
    for (TPlatformEvent Event; Window.PollEvent(Event);)
      Quit |= Event.Kind == TPlatformEventKind::Close;
    for (TMover& M : Movers) {
      TVector2 P = M.Sprite->Position;
      if (std::fabs(P.X + M.Dx) > 624) M.Dx = -M.Dx;
      if (std::fabs(P.Y + M.Dy) > 384) M.Dy = -M.Dy;
      M.Sprite->SetPosition({P.X + M.Dx, P.Y + M.Dy});
    }
    Renderer->RenderFrame();
    if (++Frames == 10) Start = TClock::now();  // the first frames upload and warm up
    if (Frames > 10 && std::chrono::duration<double>(TClock::now() - Start).count() >= Seconds)
      Quit = true;
  }
  const double Elapsed = std::chrono::duration<double>(TClock::now() - Start).count();
  const int Measured = Frames - 10;
  std::printf("%d sprites, %s renderer: %d frames in %.2f s, mean frame %.3f ms (%.1f fps)\n",
              Count, Info.name ? Info.name : "?", Measured, Elapsed,
              Measured > 0 ? 1000.0 * Elapsed / Measured : 0.0,
              Elapsed > 0 ? Measured / Elapsed : 0.0);
  delete Renderer;
  Renderer = nullptr;
  Platform = nullptr;
  std::filesystem::remove_all(Folder);
  return 0;
}
