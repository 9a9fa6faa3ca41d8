// The SDL graphics device. Every quad becomes four SDL vertices: positions go through
// World x View x Projection and the viewport, texture coordinates through the texture-0
// transform, and the texture factor becomes the vertex colour, which SDL multiplies with the
// texture. SDL queues consecutive geometry of one texture into one batch.
//
// Textures keep their data in the format they were written in (the managed copy); it is
// decoded to A8R8G8B8 and uploaded when unlocked, and again after the SDL renderer had to be
// made anew. SDL has no alpha test, so it is applied to the texels at upload: a texel whose
// alpha is at or below 1/255 can never pass the test and becomes fully transparent.
//
// Without a window the device draws into an off-screen surface with SDL's software renderer,
// and only in frames that are saved as screenshots; every other frame costs nothing.
#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/PlatformGraphics.h"
#include "platform/SafeFile.h"

namespace {

class TSdlDevice;

class TSdlTexture : public TDeviceTexture {
 public:
  ~TSdlTexture() override;
  bool LockRect(uint8_t*& Bits, int& Pitch) override;
  void UnlockRect() override;

  TSdlDevice* Device = nullptr;
  int Pitch = 0;
  std::vector<uint8_t> Data;
  bool Locked = false;
  SDL_Texture* Handle = nullptr;
  uint32_t Generation = 0;  // the renderer generation Handle belongs to; 0 = none
  SDL_BlendMode BlendMode = SDL_BLENDMODE_INVALID;
  int ScaleMode = -1;
};

class TSdlVertexBuffer : public TVertexBuffer {
 public:
  bool Lock(uint8_t*& Bits) override {
    Bits = Data.data();
    return true;
  }
  void Unlock() override {}
  std::vector<uint8_t> Data;
};

struct TDeviceStates {
  uint32_t TextureFactor = 0xFFFFFFFF;
  uint32_t ColorOp = kOpModulate;
  uint32_t AlphaOp = kOpSelectArg1;
  bool AlphaBlend = false;
  uint32_t SrcBlend = 2;   // one
  uint32_t DestBlend = 1;  // zero
  uint32_t MinFilter = kFilterPoint, MagFilter = kFilterPoint;
  uint32_t TextureTransformFlags = 0;
  TMatrix World, View, Projection, Texture0;
  TMatrix ViewProjection;  // kept up to date, so that a quad costs one matrix product
  TViewport Viewport;
};

class TSdlDevice : public TGraphicsDevice {
 public:
  static std::unique_ptr<TSdlDevice> Create(uint32_t BehaviorFlags,
                                            const TPresentParameters& Parameters);
  ~TSdlDevice() override;

  bool GetDeviceCaps(TDeviceCaps& Caps) override;
  std::unique_ptr<TVertexBuffer> CreateVertexBuffer(uint32_t Length, uint32_t Fvf) override;
  std::unique_ptr<TDeviceTexture> CreateTexture(int Width, int Height,
                                                TDeviceFormat Format) override;
  void SetRenderState(TRenderState State, uint32_t Value) override;
  void SetTextureStageState(uint32_t Stage, TStageState State, uint32_t Value) override;
  void SetSamplerState(uint32_t Sampler, TSamplerState State, uint32_t Value) override;
  void SetViewport(const TViewport& Viewport) override { States.Viewport = Viewport; }
  void SetTransform(TTransformKind Kind, const TMatrix& Matrix) override;
  void Clear(uint32_t Color, float Z, uint32_t Stencil) override;
  void BeginScene() override;
  void EndScene() override {}
  void SetFVF(uint32_t) override {}
  void SetStreamSource(uint32_t Stream, TVertexBuffer* Buffer, uint32_t, uint32_t) override;
  void SetTexture(uint32_t Stage, TDeviceTexture* Texture) override;
  void DrawPrimitive(uint32_t PrimitiveType, uint32_t StartVertex,
                     uint32_t PrimitiveCount) override;
  TDeviceResult Present() override;
  TDeviceResult TestCooperativeLevel() override;
  TDeviceResult Reset(const TPresentParameters& Parameters) override;
  void RequestScreenshot(const std::string& Path) override { ScreenshotPath = Path; }

  void Upload(TSdlTexture& Texture);
  void Forget(TSdlTexture* Texture);

 private:
  TSdlDevice() = default;
  bool MakeRenderer();
  void DropRenderer();
  bool Drawing() const { return Parameters.Window || !ScreenshotPath.empty(); }
  void PrepareTexture(TSdlTexture& Texture);
  bool PrepareDrawing(TSdlTexture& T);
  void MakeCorners(const TVertex In[4], SDL_Vertex Out[4]) const;
  void CopyQuad(TSdlTexture& T, const SDL_Vertex Corners[4]);
  void SaveScreenshot();
  static int WatchEvents(void* Device, SDL_Event* Event);

  TPresentParameters Parameters;
  bool Software = false;
  SDL_Renderer* Renderer = nullptr;
  SDL_Surface* Surface = nullptr;  // the off-screen target without a window
  bool SoftwareRenderer = false;
  uint32_t Generation = 1;
  bool ResetPending = false;
  TDeviceStates States;
  TSdlVertexBuffer* Stream = nullptr;
  TSdlTexture* Texture = nullptr;
  std::vector<TSdlTexture*> Textures;
  std::vector<uint32_t> Scratch;
  float OutputScaleX = 1, OutputScaleY = 1;
  std::string ScreenshotPath;
};

TSdlTexture::~TSdlTexture() {
  if (Device) Device->Forget(this);
}

bool TSdlTexture::LockRect(uint8_t*& Bits, int& OutPitch) {
  if (Locked) return false;
  Locked = true;
  Bits = Data.data();
  OutPitch = Pitch;
  return true;
}

void TSdlTexture::UnlockRect() {
  if (!Locked) return;
  Locked = false;
  Generation = 0;
  if (Device) Device->Upload(*this);
}

std::unique_ptr<TSdlDevice> TSdlDevice::Create(uint32_t BehaviorFlags,
                                               const TPresentParameters& Parameters) {
  std::unique_ptr<TSdlDevice> Device(new TSdlDevice);
  Device->Parameters = Parameters;
  Device->Software = BehaviorFlags != kCreateHardwareVertexProcessing;
  if (!Device->MakeRenderer()) return nullptr;
  if (Parameters.Window) SDL_AddEventWatch(WatchEvents, Device.get());
  return Device;
}

TSdlDevice::~TSdlDevice() {
  if (Parameters.Window) SDL_DelEventWatch(WatchEvents, this);
  for (TSdlTexture* T : Textures) T->Device = nullptr;
  DropRenderer();
}

int TSdlDevice::WatchEvents(void* Device, SDL_Event* Event) {
  if (Event->type == SDL_RENDER_DEVICE_RESET) static_cast<TSdlDevice*>(Device)->ResetPending = true;
  return 0;
}

bool TSdlDevice::MakeRenderer() {
  const bool VSync = Parameters.PresentationInterval == kPresentIntervalDefault;
  if (Parameters.Window) {
    // SDL stops batching when a driver is named through a hint; keep it on in every case.
    SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
    Uint32 Flags = Software ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_ACCELERATED;
    if (VSync) Flags |= SDL_RENDERER_PRESENTVSYNC;
    Renderer = SDL_CreateRenderer(Parameters.Window, -1, Flags);
  } else {
    Surface = SDL_CreateRGBSurfaceWithFormat(0, Parameters.BackBufferWidth,
                                             Parameters.BackBufferHeight, 32,
                                             SDL_PIXELFORMAT_ARGB8888);
    if (Surface) Renderer = SDL_CreateSoftwareRenderer(Surface);
  }
  if (!Renderer) {
    DropRenderer();
    return false;
  }
  SDL_RendererInfo Info;
  SoftwareRenderer =
      SDL_GetRendererInfo(Renderer, &Info) != 0 || (Info.flags & SDL_RENDERER_SOFTWARE) != 0;
  ++Generation;
  return true;
}

void TSdlDevice::DropRenderer() {
  for (TSdlTexture* T : Textures) {
    T->Handle = nullptr;  // destroyed together with the renderer
    T->Generation = 0;
  }
  if (Renderer) SDL_DestroyRenderer(Renderer);
  if (Surface) SDL_FreeSurface(Surface);
  Renderer = nullptr;
  Surface = nullptr;
}

bool TSdlDevice::GetDeviceCaps(TDeviceCaps& Caps) {
  SDL_RendererInfo Info;
  if (SDL_GetRendererInfo(Renderer, &Info) != 0) return false;
  Caps.TextureCaps = 0;  // SDL takes any texture size
  Caps.MaxTextureWidth = Info.max_texture_width;
  Caps.MaxTextureHeight = Info.max_texture_height;
  return true;
}

std::unique_ptr<TVertexBuffer> TSdlDevice::CreateVertexBuffer(uint32_t Length, uint32_t) {
  auto Buffer = std::make_unique<TSdlVertexBuffer>();
  Buffer->Data.assign(Length, 0);
  return Buffer;
}

std::unique_ptr<TDeviceTexture> TSdlDevice::CreateTexture(int Width, int Height,
                                                          TDeviceFormat Format) {
  const bool Block = IsBlockFormat(Format);
  if (BytesPerUnit(Format) == 0 || Width <= 0 || Height <= 0 ||
      (Block && (Width % 4 != 0 || Height % 4 != 0)))
    return nullptr;
  SDL_RendererInfo Info;
  if (SDL_GetRendererInfo(Renderer, &Info) == 0 && Info.max_texture_width > 0 &&
      (Width > Info.max_texture_width || Height > Info.max_texture_height))
    return nullptr;
  auto Texture = std::make_unique<TSdlTexture>();
  Texture->Device = this;
  Texture->Width = Width;
  Texture->Height = Height;
  Texture->Format = Format;
  Texture->Pitch = (Block ? Width / 4 : Width) * BytesPerUnit(Format);
  Texture->Data.assign(size_t(Texture->Pitch) * size_t(Block ? Height / 4 : Height), 0);
  Textures.push_back(Texture.get());
  return Texture;
}

void TSdlDevice::Forget(TSdlTexture* T) {
  if (T->Handle) SDL_DestroyTexture(T->Handle);
  T->Handle = nullptr;
  if (Texture == T) Texture = nullptr;
  Textures.erase(std::remove(Textures.begin(), Textures.end(), T), Textures.end());
}

void TSdlDevice::Upload(TSdlTexture& T) {
  if (!Parameters.Window) return;  // off-screen: uploaded when a screenshot frame needs it
  PrepareTexture(T);
}

void TSdlDevice::PrepareTexture(TSdlTexture& T) {
  if (T.Generation == Generation && T.Handle) return;
  if (T.Handle) SDL_DestroyTexture(T.Handle);
  T.Handle = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                               T.Width, T.Height);
  T.Generation = Generation;
  T.BlendMode = SDL_BLENDMODE_INVALID;
  T.ScaleMode = -1;
  if (!T.Handle) return;
  Scratch.resize(size_t(T.Width) * size_t(T.Height));
  DecodeToArgb(T.Format, T.Data.data(), T.Pitch, T.Width, T.Height, Scratch.data());
  for (uint32_t& Pixel : Scratch)
    if ((Pixel >> 24) <= 1) Pixel &= 0x00FFFFFF;
  SDL_UpdateTexture(T.Handle, nullptr, Scratch.data(), T.Width * 4);
}

void TSdlDevice::SetRenderState(TRenderState State, uint32_t Value) {
  switch (State) {
    case rsTextureFactor:
      States.TextureFactor = Value;
      break;
    case rsAlphaBlendEnable:
      States.AlphaBlend = Value != 0;
      break;
    case rsSrcBlend:
      States.SrcBlend = Value;
      break;
    case rsDestBlend:
      States.DestBlend = Value;
      break;
    default:
      break;  // culling, shading, depth and lighting do not apply to flat quads
  }
}

void TSdlDevice::SetTextureStageState(uint32_t Stage, TStageState State, uint32_t Value) {
  if (Stage != 0) return;
  if (State == tsColorOp) States.ColorOp = Value;
  if (State == tsAlphaOp) States.AlphaOp = Value;
  if (State == tsTextureTransformFlags) States.TextureTransformFlags = Value;
}

void TSdlDevice::SetSamplerState(uint32_t Sampler, TSamplerState State, uint32_t Value) {
  if (Sampler != 0) return;
  if (State == ssMinFilter) States.MinFilter = Value;
  if (State == ssMagFilter) States.MagFilter = Value;
}

void TSdlDevice::SetTransform(TTransformKind Kind, const TMatrix& Matrix) {
  switch (Kind) {
    case tkWorld:
      States.World = Matrix;
      break;
    case tkView:
      States.View = Matrix;
      States.ViewProjection = States.View * States.Projection;
      break;
    case tkProjection:
      States.Projection = Matrix;
      States.ViewProjection = States.View * States.Projection;
      break;
    case tkTexture0:
      States.Texture0 = Matrix;
      break;
  }
}

void TSdlDevice::Clear(uint32_t Color, float, uint32_t) {
  if (!Drawing()) return;
  SDL_SetRenderDrawBlendMode(Renderer, SDL_BLENDMODE_NONE);
  SDL_SetRenderDrawColor(Renderer, Uint8(Color >> 16), Uint8(Color >> 8), Uint8(Color),
                         Uint8(Color >> 24));
  SDL_RenderClear(Renderer);
}

void TSdlDevice::BeginScene() {
  int Width = 0, Height = 0;
  if (!Drawing() || SDL_GetRendererOutputSize(Renderer, &Width, &Height) != 0) return;
  OutputScaleX = Parameters.BackBufferWidth > 0 ? float(Width) / Parameters.BackBufferWidth : 1;
  OutputScaleY =
      Parameters.BackBufferHeight > 0 ? float(Height) / Parameters.BackBufferHeight : 1;
}

void TSdlDevice::SetStreamSource(uint32_t StreamIndex, TVertexBuffer* Buffer, uint32_t,
                                 uint32_t) {
  if (StreamIndex == 0) Stream = static_cast<TSdlVertexBuffer*>(Buffer);
}

void TSdlDevice::SetTexture(uint32_t Stage, TDeviceTexture* T) {
  if (Stage == 0) Texture = static_cast<TSdlTexture*>(T);
}

void TSdlDevice::DrawPrimitive(uint32_t PrimitiveType, uint32_t StartVertex,
                               uint32_t PrimitiveCount) {
  if (!Drawing() || !Stream || PrimitiveType != kPrimitiveTriangleStrip || PrimitiveCount != 2)
    return;
  if (Stream->Data.size() < (StartVertex + 4) * sizeof(TVertex)) return;
  if (Texture && !PrepareDrawing(*Texture)) return;
  TVertex In[4];
  std::memcpy(In, Stream->Data.data() + StartVertex * sizeof(TVertex), sizeof(In));
  SDL_Vertex Out[4];
  MakeCorners(In, Out);
  if (SoftwareRenderer && Texture) return CopyQuad(*Texture, Out);
  static const int Indices[6] = {0, 1, 2, 2, 1, 3};
  SDL_RenderGeometry(Renderer, Texture ? Texture->Handle : nullptr, Out, 4, Indices, 6);
}

bool TSdlDevice::PrepareDrawing(TSdlTexture& T) {
  PrepareTexture(T);
  if (!T.Handle) return false;
  const SDL_BlendMode Blend = States.AlphaBlend ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE;
  if (T.BlendMode != Blend) SDL_SetTextureBlendMode(T.Handle, T.BlendMode = Blend);
  const int Scale = States.MinFilter == kFilterLinear || States.MagFilter == kFilterLinear
                        ? SDL_ScaleModeLinear
                        : SDL_ScaleModeNearest;
  if (T.ScaleMode != Scale) SDL_SetTextureScaleMode(T.Handle, SDL_ScaleMode(T.ScaleMode = Scale));
  return true;
}

// Positions through World x View x Projection and the viewport into output pixels, texture
// coordinates (u, v, 1) through the texture-0 transform, the texture factor as colour.
void TSdlDevice::MakeCorners(const TVertex In[4], SDL_Vertex Out[4]) const {
  const TMatrix M = States.World * States.ViewProjection;
  const TMatrix& T0 = States.Texture0;
  const bool TransformUv = States.TextureTransformFlags == kTextureTransformCount2;
  const uint32_t F = States.TextureFactor;
  SDL_Color Color{255, 255, 255, 255};
  if (States.ColorOp == kOpModulate) Color = {Uint8(F >> 16), Uint8(F >> 8), Uint8(F), 255};
  if (States.AlphaOp == kOpModulate) Color.a = Uint8(F >> 24);
  const TViewport& Vp = States.Viewport;
  for (int i = 0; i < 4; ++i) {
    const TVertex& P = In[i];
    float X = P.X * M.M[0][0] + P.Y * M.M[1][0] + P.Z * M.M[2][0] + M.M[3][0];
    float Y = P.X * M.M[0][1] + P.Y * M.M[1][1] + P.Z * M.M[2][1] + M.M[3][1];
    const float W = P.X * M.M[0][3] + P.Y * M.M[1][3] + P.Z * M.M[2][3] + M.M[3][3];
    if (W != 0 && W != 1) {
      X /= W;
      Y /= W;
    }
    Out[i].position.x = (Vp.X + (X + 1) * 0.5f * Vp.Width) * OutputScaleX;
    Out[i].position.y = (Vp.Y + (1 - Y) * 0.5f * Vp.Height) * OutputScaleY;
    Out[i].color = Color;
    Out[i].tex_coord = {P.U, P.V};
    if (TransformUv)
      Out[i].tex_coord = {P.U * T0.M[0][0] + P.V * T0.M[1][0] + T0.M[2][0],
                          P.U * T0.M[0][1] + P.V * T0.M[1][1] + T0.M[2][1]};
  }
}

// SDL's software renderer fails on large textured triangles (it can crash), and draws an
// axis-aligned quad as a blit that knows mirroring but not quarter turns. Every quad the
// renderer makes is a rectangle, turned and mirrored, showing an axis-aligned piece of its
// texture, so the software renderer gets it as one rotated, flipped copy instead.
void TSdlDevice::CopyQuad(TSdlTexture& T, const SDL_Vertex Corners[4]) {
  const SDL_FPoint& P0 = Corners[0].position;  // top-left, top-right, bottom-left
  const SDL_FPoint& P1 = Corners[1].position;
  const SDL_FPoint& P2 = Corners[2].position;
  const float Ex = P1.x - P0.x, Ey = P1.y - P0.y, Fx = P2.x - P0.x, Fy = P2.y - P0.y;
  const float Width = std::hypot(Ex, Ey), Height = std::hypot(Fx, Fy);
  if (Width <= 0 || Height <= 0) return;
  const SDL_FPoint& U0 = Corners[0].tex_coord;
  const SDL_FPoint& U1 = Corners[1].tex_coord;
  const SDL_FPoint& U2 = Corners[2].tex_coord;
  int Flip = SDL_FLIP_NONE;
  if (U1.x < U0.x) Flip ^= SDL_FLIP_HORIZONTAL;
  if (U2.y < U0.y) Flip ^= SDL_FLIP_VERTICAL;
  if (Ex * Fy - Ey * Fx < 0) Flip ^= SDL_FLIP_VERTICAL;  // the quad itself is mirrored
  const SDL_Rect Source{int(std::lround(std::fmin(U0.x, U1.x) * T.Width)),
                        int(std::lround(std::fmin(U0.y, U2.y) * T.Height)),
                        int(std::lround(std::fabs(U1.x - U0.x) * T.Width)),
                        int(std::lround(std::fabs(U2.y - U0.y) * T.Height))};
  if (Source.w <= 0 || Source.h <= 0) return;
  const float CentreX = (P1.x + P2.x) * 0.5f, CentreY = (P1.y + P2.y) * 0.5f;
  const SDL_FRect Target{CentreX - Width * 0.5f, CentreY - Height * 0.5f, Width, Height};
  const SDL_Color& C = Corners[0].color;
  SDL_SetTextureColorMod(T.Handle, C.r, C.g, C.b);
  SDL_SetTextureAlphaMod(T.Handle, C.a);
  const double Angle = std::atan2(Ey, Ex) * 180.0 / M_PI;
  SDL_RenderCopyExF(Renderer, T.Handle, &Source, &Target, Angle, nullptr, SDL_RendererFlip(Flip));
}

void TSdlDevice::SaveScreenshot() {
  int Width = 0, Height = 0;
  LastScreenshotError.clear();
  if (SDL_GetRendererOutputSize(Renderer, &Width, &Height) != 0) {
    LastScreenshotError = SDL_GetError();
    return;
  }
  std::vector<uint32_t> Pixels(size_t(Width) * size_t(Height));
  if (SDL_RenderReadPixels(Renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, Pixels.data(),
                           Width * 4) != 0) {
    LastScreenshotError = SDL_GetError();
    return;
  }
  std::string Png, Error;
  if (!EncodePng(Pixels.data(), Width, Height, Png, Error) ||
      !WriteFileSafely(ScreenshotPath, Png, Error))
    LastScreenshotError = Error;
}

TDeviceResult TSdlDevice::Present() {
  if (!ScreenshotPath.empty()) {
    SaveScreenshot();
    ScreenshotPath.clear();
  }
  if (Parameters.Window) SDL_RenderPresent(Renderer);
  return ResetPending ? drDeviceLost : drOk;
}

TDeviceResult TSdlDevice::TestCooperativeLevel() {
  return ResetPending ? drDeviceNotReset : drOk;
}

TDeviceResult TSdlDevice::Reset(const TPresentParameters& NewParameters) {
  const bool SizeChanged = NewParameters.BackBufferWidth != Parameters.BackBufferWidth ||
                           NewParameters.BackBufferHeight != Parameters.BackBufferHeight;
  Parameters = NewParameters;
  States = TDeviceStates();
  Stream = nullptr;
  Texture = nullptr;
  if (ResetPending || (!Parameters.Window && SizeChanged)) {
    DropRenderer();
    if (!MakeRenderer()) return drDeviceLost;
    ResetPending = false;
    if (Parameters.Window)
      for (TSdlTexture* T : Textures) PrepareTexture(*T);
  } else if (Parameters.Window) {
    SDL_RenderSetVSync(Renderer, Parameters.PresentationInterval == kPresentIntervalDefault);
  }
  return drOk;
}

class TSdlSystem : public TGraphicsSystem {
 public:
  bool CheckDeviceType(TDeviceFormat Format) override {
    SDL_DisplayMode Mode;
    if (!SDL_WasInit(SDL_INIT_VIDEO) || SDL_GetDesktopDisplayMode(0, &Mode) != 0)
      return Format == dfX8R8G8B8;  // the off-screen surface
    const int Bits = int(SDL_BITSPERPIXEL(Mode.format));
    switch (Format) {
      case dfX8R8G8B8:
        return Bits >= 24;
      case dfR5G6B5:
        return Bits == 16;
      case dfX1R5G5B5:
        return Bits == 15;
      default:
        return false;
    }
  }

  std::unique_ptr<TGraphicsDevice> CreateDevice(uint32_t BehaviorFlags,
                                                const TPresentParameters& Parameters) override {
    return TSdlDevice::Create(BehaviorFlags, Parameters);
  }
};

}  // namespace

std::unique_ptr<TGraphicsSystem> CreateSdlGraphicsSystem() {
  return std::make_unique<TSdlSystem>();
}
