// The graphics device the renderer draws through: a small fixed-function device with
// textured unit quads, row-vector transforms, a texture factor that modulates colour and
// alpha, alpha blending and an alpha test, lost-device signalling and reset. State, format
// and result numbers follow the classic fixed-function codes so that call logs read the same
// whatever backend produced them.
//
// Backends: the SDL device (sdl/SdlGraphics*.cpp) draws through SDL_Renderer and
// SDL_RenderGeometry into the window, or into a software surface when there is no window
// (headless runs, which only draw the frames that are saved as screenshots); the recording
// device (RecordingGraphics.h) logs every call for tests and tools.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct SDL_Window;

// 4 x 4 matrix of singles in row-vector convention: a point p becomes p x M.
struct TMatrix {
  float M[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

  static TMatrix Identity() { return TMatrix(); }
  static TMatrix Scaling(float X, float Y, float Z);
  bool operator==(const TMatrix& Other) const;
};

TMatrix operator*(const TMatrix& A, const TMatrix& B);

// Results of the calls that report the device state.
enum TDeviceResult : uint32_t {
  drOk = 0,
  drDeviceLost = 0x88760868,      // lost, cannot be reset yet
  drDeviceNotReset = 0x88760869,  // lost, a reset can succeed now
  drInvalidCall = 0x8876086C,
};

enum TDeviceFormat : uint32_t {
  dfUnknown = 0,  // windowed back buffer: take the desktop's format
  dfA8R8G8B8 = 21,
  dfX8R8G8B8 = 22,
  dfR5G6B5 = 23,
  dfX1R5G5B5 = 24,
  dfA1R5G5B5 = 25,
  dfA4R4G4B4 = 26,
  dfDXT1 = 0x31545844,  // "DXT1" as a little-endian four-character code
  dfDXT3 = 0x33545844,
  dfDXT5 = 0x35545844,
};

bool IsBlockFormat(TDeviceFormat Format);
// Bytes per pixel, or per 4 x 4 block for the block formats; 0 for unknown formats.
int BytesPerUnit(TDeviceFormat Format);

enum TRenderState : uint32_t {
  rsZEnable = 7,
  rsShadeMode = 9,
  rsZWriteEnable = 14,
  rsAlphaTestEnable = 15,
  rsSrcBlend = 19,
  rsDestBlend = 20,
  rsCullMode = 22,
  rsAlphaRef = 24,
  rsAlphaFunc = 25,
  rsAlphaBlendEnable = 27,
  rsTextureFactor = 60,
  rsLighting = 137,
  rsColorVertex = 141,
};

enum TStageState : uint32_t {
  tsColorOp = 1,
  tsColorArg1 = 2,
  tsColorArg2 = 3,
  tsAlphaOp = 4,
  tsAlphaArg1 = 5,
  tsAlphaArg2 = 6,
  tsTextureTransformFlags = 24,
};

enum TSamplerState : uint32_t {
  ssAddressU = 1,
  ssAddressV = 2,
  ssAddressW = 3,
  ssMagFilter = 5,
  ssMinFilter = 6,
};

enum TTransformKind : uint32_t {
  tkView = 2,
  tkProjection = 3,
  tkTexture0 = 16,
  tkWorld = 256,
};

// Values of the states above.
constexpr uint32_t kCullNone = 1;
constexpr uint32_t kShadeFlat = 1;
constexpr uint32_t kOpDisable = 1;
constexpr uint32_t kOpSelectArg1 = 2;
constexpr uint32_t kOpModulate = 4;
constexpr uint32_t kArgTexture = 2;
constexpr uint32_t kArgTextureFactor = 3;
constexpr uint32_t kAddressClamp = 3;
constexpr uint32_t kFilterPoint = 1;
constexpr uint32_t kFilterLinear = 2;
constexpr uint32_t kBlendSourceAlpha = 5;
constexpr uint32_t kBlendInverseSourceAlpha = 6;
constexpr uint32_t kCompareGreater = 5;
constexpr uint32_t kTextureTransformCount2 = 2;

constexpr uint32_t kFvfPositionTexture = 0x102;  // x, y, z, u, v: 20 bytes
constexpr uint32_t kPrimitiveTriangleStrip = 5;
constexpr uint32_t kCreateHardwareVertexProcessing = 0x50;  // with the pure-device flag
constexpr uint32_t kCreateSoftwareVertexProcessing = 0x20;
constexpr uint32_t kPresentIntervalDefault = 0;  // waits for the display
constexpr uint32_t kPresentIntervalImmediate = 0x80000000;
constexpr uint32_t kCapsPow2 = 0x2;
constexpr uint32_t kCapsNonPow2Conditional = 0x100;

struct TVertex {
  float X, Y, Z, U, V;
};
static_assert(sizeof(TVertex) == 20);

struct TPresentParameters {
  SDL_Window* Window = nullptr;  // null: draw into an off-screen surface
  int BackBufferWidth = 0;
  int BackBufferHeight = 0;
  int BackBufferCount = 1;
  TDeviceFormat BackBufferFormat = dfUnknown;
  uint32_t SwapEffect = 1;  // discard
  bool Windowed = true;
  uint32_t PresentationInterval = kPresentIntervalDefault;
};

struct TViewport {
  uint32_t X = 0, Y = 0, Width = 0, Height = 0;
  float MinZ = 0, MaxZ = 1;
};

struct TDeviceCaps {
  uint32_t TextureCaps = 0;
  int MaxTextureWidth = 0, MaxTextureHeight = 0;
};

// A texture of one level. Its content is kept by the device (it survives a reset) and is
// written between LockRect and UnlockRect; Pitch is the byte distance of two rows of units.
class TDeviceTexture {
 public:
  virtual ~TDeviceTexture() = default;
  virtual bool LockRect(uint8_t*& Bits, int& Pitch) = 0;
  virtual void UnlockRect() = 0;

  int Width = 0, Height = 0;
  TDeviceFormat Format = dfUnknown;
};

class TVertexBuffer {
 public:
  virtual ~TVertexBuffer() = default;
  virtual bool Lock(uint8_t*& Bits) = 0;
  virtual void Unlock() = 0;
};

class TGraphicsDevice {
 public:
  virtual ~TGraphicsDevice() = default;

  virtual bool GetDeviceCaps(TDeviceCaps& Caps) = 0;
  // Both return null on failure.
  virtual std::unique_ptr<TVertexBuffer> CreateVertexBuffer(uint32_t Length, uint32_t Fvf) = 0;
  virtual std::unique_ptr<TDeviceTexture> CreateTexture(int Width, int Height,
                                                        TDeviceFormat Format) = 0;

  virtual void SetRenderState(TRenderState State, uint32_t Value) = 0;
  virtual void SetTextureStageState(uint32_t Stage, TStageState State, uint32_t Value) = 0;
  virtual void SetSamplerState(uint32_t Sampler, TSamplerState State, uint32_t Value) = 0;
  virtual void SetViewport(const TViewport& Viewport) = 0;
  virtual void SetTransform(TTransformKind Kind, const TMatrix& Matrix) = 0;

  virtual void Clear(uint32_t Color, float Z, uint32_t Stencil) = 0;
  virtual void BeginScene() = 0;
  virtual void EndScene() = 0;
  virtual void SetFVF(uint32_t Fvf) = 0;
  virtual void SetStreamSource(uint32_t Stream, TVertexBuffer* Buffer, uint32_t Offset,
                               uint32_t Stride) = 0;
  virtual void SetTexture(uint32_t Stage, TDeviceTexture* Texture) = 0;
  virtual void DrawPrimitive(uint32_t PrimitiveType, uint32_t StartVertex,
                             uint32_t PrimitiveCount) = 0;
  virtual TDeviceResult Present() = 0;

  virtual TDeviceResult TestCooperativeLevel() = 0;
  // Render states are back at their defaults after a successful reset; textures and
  // vertex buffers keep their content.
  virtual TDeviceResult Reset(const TPresentParameters& Parameters) = 0;

  // The next frame presented is also written to Path as a PNG (call before Clear). When
  // writing it fails, Present leaves the reason in LastScreenshotError.
  virtual void RequestScreenshot(const std::string& Path) = 0;
  std::string LastScreenshotError;
};

// The device factory, standing for the system's graphics object.
class TGraphicsSystem {
 public:
  virtual ~TGraphicsSystem() = default;
  // Whether Format can serve as display and back-buffer format in full screen.
  virtual bool CheckDeviceType(TDeviceFormat Format) = 0;
  virtual std::unique_ptr<TGraphicsDevice> CreateDevice(uint32_t BehaviorFlags,
                                                        const TPresentParameters& Parameters) = 0;
};

// Tests and tools replace the factory; empty means the SDL system. A factory may return
// null, which the renderer reports as a start-up failure.
using TGraphicsSystemFactory = std::function<std::unique_ptr<TGraphicsSystem>()>;
extern TGraphicsSystemFactory GraphicsSystemFactory;
std::unique_ptr<TGraphicsSystem> CreateGraphicsSystem();
std::unique_ptr<TGraphicsSystem> CreateSdlGraphicsSystem();

// Converts level-0 data of Format (rows of units Pitch bytes apart) into Width x Height
// A8R8G8B8 pixels. Block formats need Width and Height to be multiples of 4.
void DecodeToArgb(TDeviceFormat Format, const uint8_t* Data, int Pitch, int Width, int Height,
                  uint32_t* Pixels);

// Encodes Width x Height A8R8G8B8 pixels as an RGB PNG (alpha dropped: a frame is opaque).
bool EncodePng(const uint32_t* Pixels, int Width, int Height, std::string& Png,
               std::string& Error);
