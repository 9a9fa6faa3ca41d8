// A graphics device that draws nothing and remembers what it was asked to do: tests read its
// call log, tools use it where no picture is needed, and its knobs simulate the failures of a
// real device (no device, lost device, failed reset, textures that cannot be made).
#pragma once

#include <vector>

#include "platform/PlatformGraphics.h"

enum TRecordedCallKind : uint8_t {
  rcSetRenderState,
  rcSetTextureStageState,
  rcSetSamplerState,
  rcSetViewport,
  rcSetTransform,
  rcClear,
  rcBeginScene,
  rcEndScene,
  rcSetFVF,
  rcSetStreamSource,
  rcSetTexture,
  rcDrawPrimitive,
  rcPresent,
  rcTestCooperativeLevel,
  rcReset,
  rcCreateTexture,
  rcCreateVertexBuffer,
  rcRequestScreenshot,
  rcCallKindCount
};

struct TRecordedCall {
  TRecordedCallKind Kind;
  uint32_t A = 0, B = 0, C = 0;  // the call's numeric arguments in order
  const void* Object = nullptr;  // texture or vertex buffer
  TMatrix Matrix;                // SetTransform only
};

// Failures and answers the device gives; tests change them at any time.
struct TRecordingBehavior {
  int FailCreateDevice = 0;  // so many CreateDevice calls fail before one succeeds
  bool FailCaps = false;
  uint32_t TextureCaps = 0;
  int FailVertexBufferIndex = -1;  // the n-th vertex buffer (from 0) is not created
  bool FailVertexBufferLock = false;
  bool FailCreateTexture = false;
  bool FailLockTexture = false;
  int ExtraPitch = 0;  // bytes added to every texture row, as some drivers do
  TDeviceResult PresentResult = drOk;
  TDeviceResult CooperativeLevel = drOk;
  bool FailReset = false;
  bool Logging = true;  // false: count calls only (benchmarks, the null device)
};

class TRecordingTexture : public TDeviceTexture {
 public:
  bool LockRect(uint8_t*& Bits, int& Pitch) override;
  void UnlockRect() override;
  // The content as the SDL device would upload it.
  std::vector<uint32_t> DecodedPixels() const;

  TRecordingBehavior* Behavior = nullptr;
  int Pitch = 0;
  std::vector<uint8_t> Data;
  bool Locked = false;
};

class TRecordingVertexBuffer : public TVertexBuffer {
 public:
  bool Lock(uint8_t*& Bits) override;
  void Unlock() override {}

  TRecordingBehavior* Behavior = nullptr;
  std::vector<uint8_t> Data;
};

class TRecordingDevice : public TGraphicsDevice {
 public:
  explicit TRecordingDevice(const TRecordingBehavior& Behavior,
                            const TPresentParameters& Parameters);

  bool GetDeviceCaps(TDeviceCaps& Caps) override;
  std::unique_ptr<TVertexBuffer> CreateVertexBuffer(uint32_t Length, uint32_t Fvf) override;
  std::unique_ptr<TDeviceTexture> CreateTexture(int Width, int Height,
                                                TDeviceFormat Format) override;
  void SetRenderState(TRenderState State, uint32_t Value) override;
  void SetTextureStageState(uint32_t Stage, TStageState State, uint32_t Value) override;
  void SetSamplerState(uint32_t Sampler, TSamplerState State, uint32_t Value) override;
  void SetViewport(const TViewport& Viewport) override;
  void SetTransform(TTransformKind Kind, const TMatrix& Matrix) override;
  void Clear(uint32_t Color, float Z, uint32_t Stencil) override;
  void BeginScene() override;
  void EndScene() override;
  void SetFVF(uint32_t Fvf) override;
  void SetStreamSource(uint32_t Stream, TVertexBuffer* Buffer, uint32_t Offset,
                       uint32_t Stride) override;
  void SetTexture(uint32_t Stage, TDeviceTexture* Texture) override;
  void DrawPrimitive(uint32_t PrimitiveType, uint32_t StartVertex,
                     uint32_t PrimitiveCount) override;
  TDeviceResult Present() override;
  TDeviceResult TestCooperativeLevel() override;
  TDeviceResult Reset(const TPresentParameters& Parameters) override;
  void RequestScreenshot(const std::string& Path) override;

  int Count(TRecordedCallKind Kind) const { return Counts[Kind]; }
  // Calls of Kind in the log, in order.
  std::vector<TRecordedCall> CallsOf(TRecordedCallKind Kind) const;
  void ClearLog();

  TRecordingBehavior Behavior;
  TPresentParameters Parameters;
  std::vector<TRecordedCall> Calls;
  int Counts[rcCallKindCount] = {};
  std::vector<std::string> ScreenshotPaths;
  int VertexBuffersCreated = 0;

 private:
  void Record(TRecordedCallKind Kind, uint32_t A = 0, uint32_t B = 0, uint32_t C = 0,
              const void* Object = nullptr, const TMatrix* Matrix = nullptr);
};

class TRecordingSystem : public TGraphicsSystem {
 public:
  bool CheckDeviceType(TDeviceFormat Format) override;
  std::unique_ptr<TGraphicsDevice> CreateDevice(uint32_t BehaviorFlags,
                                                const TPresentParameters& Parameters) override;

  TRecordingBehavior Behavior;  // handed to the device it creates
  std::vector<TDeviceFormat> FullScreenFormats = {dfX8R8G8B8, dfR5G6B5, dfX1R5G5B5};
  std::vector<uint32_t> CreateDeviceFlags;  // the behaviour flags of every CreateDevice call
};
