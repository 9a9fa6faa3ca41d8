#include "platform/RecordingGraphics.h"

#include <algorithm>

bool TRecordingTexture::LockRect(uint8_t*& Bits, int& OutPitch) {
  if (Behavior->FailLockTexture || Locked) return false;
  Locked = true;
  Bits = Data.data();
  OutPitch = Pitch;
  return true;
}

void TRecordingTexture::UnlockRect() { Locked = false; }

std::vector<uint32_t> TRecordingTexture::DecodedPixels() const {
  std::vector<uint32_t> Pixels(size_t(Width) * size_t(Height));
  DecodeToArgb(Format, Data.data(), Pitch, Width, Height, Pixels.data());
  return Pixels;
}

bool TRecordingVertexBuffer::Lock(uint8_t*& Bits) {
  if (Behavior->FailVertexBufferLock) return false;
  Bits = Data.data();
  return true;
}

TRecordingDevice::TRecordingDevice(const TRecordingBehavior& InitialBehavior,
                                   const TPresentParameters& InitialParameters)
    : Behavior(InitialBehavior), Parameters(InitialParameters) {}

void TRecordingDevice::Record(TRecordedCallKind Kind, uint32_t A, uint32_t B, uint32_t C,
                              const void* Object, const TMatrix* Matrix) {
  ++Counts[Kind];
  if (!Behavior.Logging) return;
  TRecordedCall Call{Kind, A, B, C, Object, Matrix ? *Matrix : TMatrix()};
  Calls.push_back(Call);
}

std::vector<TRecordedCall> TRecordingDevice::CallsOf(TRecordedCallKind Kind) const {
  std::vector<TRecordedCall> Result;
  std::copy_if(Calls.begin(), Calls.end(), std::back_inserter(Result),
               [Kind](const TRecordedCall& Call) { return Call.Kind == Kind; });
  return Result;
}

void TRecordingDevice::ClearLog() {
  Calls.clear();
  std::fill(std::begin(Counts), std::end(Counts), 0);
}

bool TRecordingDevice::GetDeviceCaps(TDeviceCaps& Caps) {
  if (Behavior.FailCaps) return false;
  Caps.TextureCaps = Behavior.TextureCaps;
  Caps.MaxTextureWidth = Caps.MaxTextureHeight = 4096;
  return true;
}

std::unique_ptr<TVertexBuffer> TRecordingDevice::CreateVertexBuffer(uint32_t Length,
                                                                    uint32_t Fvf) {
  Record(rcCreateVertexBuffer, Length, Fvf);
  if (VertexBuffersCreated++ == Behavior.FailVertexBufferIndex) return nullptr;
  auto Buffer = std::make_unique<TRecordingVertexBuffer>();
  Buffer->Behavior = &Behavior;
  Buffer->Data.assign(Length, 0);
  return Buffer;
}

std::unique_ptr<TDeviceTexture> TRecordingDevice::CreateTexture(int Width, int Height,
                                                                TDeviceFormat Format) {
  Record(rcCreateTexture, uint32_t(Width), uint32_t(Height), Format);
  const bool Block = IsBlockFormat(Format);
  if (Behavior.FailCreateTexture || BytesPerUnit(Format) == 0 || Width <= 0 || Height <= 0 ||
      (Block && (Width % 4 != 0 || Height % 4 != 0)))
    return nullptr;
  auto Texture = std::make_unique<TRecordingTexture>();
  Texture->Behavior = &Behavior;
  Texture->Width = Width;
  Texture->Height = Height;
  Texture->Format = Format;
  const int UnitsAcross = Block ? Width / 4 : Width;
  const int UnitsDown = Block ? Height / 4 : Height;
  Texture->Pitch = UnitsAcross * BytesPerUnit(Format) + Behavior.ExtraPitch;
  Texture->Data.assign(size_t(Texture->Pitch) * size_t(UnitsDown), 0);
  return Texture;
}

void TRecordingDevice::SetRenderState(TRenderState State, uint32_t Value) {
  Record(rcSetRenderState, State, Value);
}

void TRecordingDevice::SetTextureStageState(uint32_t Stage, TStageState State, uint32_t Value) {
  Record(rcSetTextureStageState, Stage, State, Value);
}

void TRecordingDevice::SetSamplerState(uint32_t Sampler, TSamplerState State, uint32_t Value) {
  Record(rcSetSamplerState, Sampler, State, Value);
}

void TRecordingDevice::SetViewport(const TViewport& Viewport) {
  Record(rcSetViewport, Viewport.Width, Viewport.Height);
}

void TRecordingDevice::SetTransform(TTransformKind Kind, const TMatrix& Matrix) {
  Record(rcSetTransform, Kind, 0, 0, nullptr, &Matrix);
}

void TRecordingDevice::Clear(uint32_t Color, float, uint32_t Stencil) {
  Record(rcClear, Color, Stencil);
}

void TRecordingDevice::BeginScene() { Record(rcBeginScene); }

void TRecordingDevice::EndScene() { Record(rcEndScene); }

void TRecordingDevice::SetFVF(uint32_t Fvf) { Record(rcSetFVF, Fvf); }

void TRecordingDevice::SetStreamSource(uint32_t Stream, TVertexBuffer* Buffer, uint32_t Offset,
                                       uint32_t Stride) {
  Record(rcSetStreamSource, Stream, Offset, Stride, Buffer);
}

void TRecordingDevice::SetTexture(uint32_t Stage, TDeviceTexture* Texture) {
  Record(rcSetTexture, Stage, 0, 0, Texture);
}

void TRecordingDevice::DrawPrimitive(uint32_t PrimitiveType, uint32_t StartVertex,
                                     uint32_t PrimitiveCount) {
  Record(rcDrawPrimitive, PrimitiveType, StartVertex, PrimitiveCount);
}

TDeviceResult TRecordingDevice::Present() {
  Record(rcPresent);
  return Behavior.PresentResult;
}

TDeviceResult TRecordingDevice::TestCooperativeLevel() {
  Record(rcTestCooperativeLevel);
  return Behavior.CooperativeLevel;
}

TDeviceResult TRecordingDevice::Reset(const TPresentParameters& NewParameters) {
  Record(rcReset, uint32_t(NewParameters.BackBufferWidth),
         uint32_t(NewParameters.BackBufferHeight), NewParameters.Windowed);
  if (Behavior.FailReset) return drInvalidCall;
  Parameters = NewParameters;
  Behavior.PresentResult = drOk;
  Behavior.CooperativeLevel = drOk;
  return drOk;
}

void TRecordingDevice::RequestScreenshot(const std::string& Path) {
  Record(rcRequestScreenshot);
  ScreenshotPaths.push_back(Path);
}

bool TRecordingSystem::CheckDeviceType(TDeviceFormat Format) {
  return std::find(FullScreenFormats.begin(), FullScreenFormats.end(), Format) !=
         FullScreenFormats.end();
}

std::unique_ptr<TGraphicsDevice> TRecordingSystem::CreateDevice(
    uint32_t BehaviorFlags, const TPresentParameters& Parameters) {
  CreateDeviceFlags.push_back(BehaviorFlags);
  if (Behavior.FailCreateDevice > 0) {
    --Behavior.FailCreateDevice;
    return nullptr;
  }
  return std::make_unique<TRecordingDevice>(Behavior, Parameters);
}
