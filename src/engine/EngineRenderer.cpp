#include "engine/EngineRenderer.h"

#include <cstring>
#include <stdexcept>

#include "app/EngineRegister.h"
#include "platform/Platform.h"

TRenderer* Renderer = nullptr;

namespace {

// The unit quad, centred on the origin with y up, drawn as a strip: top-left, top-right,
// bottom-left, bottom-right. The four buffers differ only in their texture coordinates.
const TVertex kQuads[4][4] = {
    {{-0.5f, 0.5f, 0, 0, 0}, {0.5f, 0.5f, 0, 1, 0}, {-0.5f, -0.5f, 0, 0, 1}, {0.5f, -0.5f, 0, 1, 1}},
    {{-0.5f, 0.5f, 0, 1, 0}, {0.5f, 0.5f, 0, 0, 0}, {-0.5f, -0.5f, 0, 1, 1}, {0.5f, -0.5f, 0, 0, 1}},
    {{-0.5f, 0.5f, 0, 0, 1}, {0.5f, 0.5f, 0, 1, 1}, {-0.5f, -0.5f, 0, 0, 0}, {0.5f, -0.5f, 0, 1, 0}},
    {{-0.5f, 0.5f, 0, 1, 1}, {0.5f, 0.5f, 0, 0, 1}, {-0.5f, -0.5f, 0, 1, 0}, {0.5f, -0.5f, 0, 0, 0}},
};

constexpr uint32_t kVertexStride = sizeof(TVertex);

[[noreturn]] void FailVideo(const char* Message) {
  Register.RendererFailed = true;
  throw std::runtime_error(Message);
}

}  // namespace

TRenderer::TRenderer() { Create(); }

TRenderer::~TRenderer() { Release(); }

void TRenderer::Release() {
  Sprites.reset();
  Textures.reset();
  for (auto& Buffer : VertexBuffers) Buffer.reset();
  Device.reset();
  Direct3D.reset();
}

void TRenderer::Create() {
  Direct3D = CreateGraphicsSystem();
  if (!Direct3D) FailVideo("Failed to create Direct3D object");
  ChooseFullScreenFormat();
  UpdatePresentParameters();
  CreateDevice();
  if (!Device->GetDeviceCaps(Caps)) FailVideo("Failed to get Direct3D device capabilities");
  NonPowerOfTwo = (Caps.TextureCaps & (kCapsPow2 | kCapsNonPow2Conditional)) == 0;
  CreateVertexBuffers();
  Textures = std::make_unique<TContainer>();
  Sprites = std::make_unique<TContainer>([this] { return new TSprite(this); },
                                         Register.SpritePoolSize);
  ApplyStates();
}

void TRenderer::ChooseFullScreenFormat() {
  for (TDeviceFormat Format : {dfX8R8G8B8, dfR5G6B5, dfX1R5G5B5}) {
    if (Direct3D->CheckDeviceType(Format)) {
      FullScreenFormat = Format;
      return;
    }
  }
  FailVideo("Failed to determine backbuffer format");
}

void TRenderer::CreateDevice() {
  Device = Direct3D->CreateDevice(kCreateHardwareVertexProcessing, PresentParameters);
  if (!Device) Device = Direct3D->CreateDevice(kCreateSoftwareVertexProcessing, PresentParameters);
  if (!Device) FailVideo("Failed to create Direct3D device");
}

void TRenderer::CreateVertexBuffers() {
  for (int i = 0; i < 4; ++i) {
    VertexBuffers[i] = Device->CreateVertexBuffer(sizeof(kQuads[i]), kFvfPositionTexture);
    if (!VertexBuffers[i]) throw std::runtime_error("Failed to create vertex buffer");
    uint8_t* Bits = nullptr;
    if (!VertexBuffers[i]->Lock(Bits)) continue;
    std::memcpy(Bits, kQuads[i], sizeof(kQuads[i]));
    VertexBuffers[i]->Unlock();
  }
}

void TRenderer::UpdatePresentParameters() {
  ComputeScreenSize(Register);
  PresentParameters = TPresentParameters();
  PresentParameters.Window = Platform ? Platform->NativeWindow() : nullptr;
  PresentParameters.BackBufferWidth = Register.ScreenWidth;
  PresentParameters.BackBufferHeight = Register.ScreenHeight;
  PresentParameters.PresentationInterval =
      Register.VSync ? kPresentIntervalDefault : kPresentIntervalImmediate;
  PresentParameters.Windowed = !Register.FullScreen;
  PresentParameters.BackBufferFormat = Register.FullScreen ? FullScreenFormat : dfUnknown;
}

void TRenderer::ApplyStates() {
  TGraphicsDevice& D = *Device;
  D.SetRenderState(rsCullMode, kCullNone);
  D.SetRenderState(rsShadeMode, kShadeFlat);
  D.SetRenderState(rsZEnable, 0);
  D.SetRenderState(rsZWriteEnable, 0);
  D.SetRenderState(rsLighting, 0);
  D.SetRenderState(rsColorVertex, 0);
  D.SetTextureStageState(0, tsColorOp, kOpModulate);
  D.SetTextureStageState(0, tsColorArg1, kArgTexture);
  D.SetTextureStageState(0, tsColorArg2, kArgTextureFactor);
  D.SetTextureStageState(0, tsAlphaOp, kOpModulate);
  D.SetTextureStageState(0, tsAlphaArg1, kArgTexture);
  D.SetTextureStageState(0, tsAlphaArg2, kArgTextureFactor);
  D.SetTextureStageState(1, tsColorOp, kOpDisable);
  D.SetSamplerState(0, ssAddressU, kAddressClamp);
  D.SetSamplerState(0, ssAddressV, kAddressClamp);
  D.SetSamplerState(0, ssAddressW, kAddressClamp);
  D.SetSamplerState(0, ssMinFilter, kFilterLinear);
  D.SetSamplerState(0, ssMagFilter, kFilterLinear);
  D.SetRenderState(rsAlphaBlendEnable, 1);
  D.SetRenderState(rsSrcBlend, kBlendSourceAlpha);
  D.SetRenderState(rsDestBlend, kBlendInverseSourceAlpha);
  D.SetRenderState(rsAlphaTestEnable, 1);
  D.SetRenderState(rsAlphaFunc, kCompareGreater);
  D.SetRenderState(rsAlphaRef, 1);
  Viewport = TViewport{0, 0, uint32_t(Register.ScreenWidth), uint32_t(Register.ScreenHeight),
                       0.0f, 1.0f};
  D.SetViewport(Viewport);
  D.SetTransform(tkView, TMatrix::Identity());
  CurrentColor = 0xFFFFFFFF;  // the device's texture factor after creation or reset
}

void TRenderer::RenderFrame() {
  TakeScreenshotIfAsked();
  TMatrix Projection;
  Projection.M[0][0] = 2.0f / Register.LogicalWidth;
  Projection.M[1][1] = 2.0f / Register.LogicalHeight;
  Device->SetTransform(tkProjection, Projection);
  Device->Clear(0x00000000, 1.0f, 0);
  Device->BeginScene();
  Device->SetFVF(kFvfPositionTexture);
  CurrentVertexBuffer = -1;
  Device->SetTextureStageState(0, tsTextureTransformFlags, kTextureTransformCount2);
  // The draw list is only read here, so a plain walk is safe and costs no enumerator.
  for (TContainerItem* Node = Sprites->Head->Next; !Sprites->IsEnd(Node); Node = Node->Next) {
    TSprite& Sprite = *static_cast<TSprite*>(Node);
    if (!Sprite.Visible || !Sprite.Texture || !Sprite.Texture->DeviceTexture ||
        (Sprite.Color & 0xFE000000u) == 0)
      continue;
    DrawSprite(Sprite);
  }
  CurrentTexture = nullptr;
  Device->SetTexture(0, nullptr);
  Device->EndScene();
  DeviceLost = Device->Present() == drDeviceLost;
  ReportScreenshot();
}

void TRenderer::DrawSprite(TSprite& Sprite) {
  if (!Sprite.MatrixValid) Sprite.UpdateMatrix();
  Device->SetTransform(tkWorld, Sprite.Matrix);
  const int32_t Buffer = Sprite.VertexBuffer & 3;
  if (Buffer != CurrentVertexBuffer) {
    Device->SetStreamSource(0, VertexBuffers[Buffer].get(), 0, kVertexStride);
    CurrentVertexBuffer = Buffer;
  }
  if (Sprite.Color != CurrentColor) {
    Device->SetRenderState(rsTextureFactor, Sprite.Color);
    CurrentColor = Sprite.Color;
  }
  if (Sprite.Texture != CurrentTexture) {
    CurrentTexture = Sprite.Texture;
    Device->SetTexture(0, CurrentTexture->DeviceTexture.get());
    BindSegment(Sprite);
  } else if (Sprite.Segment != CurrentSegment) {
    BindSegment(Sprite);
  }
  Device->DrawPrimitive(kPrimitiveTriangleStrip, 0, 2);
}

void TRenderer::BindSegment(TSprite& Sprite) {
  const auto& Segments = CurrentTexture->Segments;
  CurrentSegment = EnsureRange(Sprite.Segment, 0, int32_t(Segments.size()) - 1);
  Device->SetTransform(tkTexture0, Segments[CurrentSegment].Transform);
}

void TRenderer::RestoreDevice() {
  const TDeviceResult Level = Device->TestCooperativeLevel();
  DeviceLost = Level != drOk;
  if (Level != drDeviceNotReset) return;
  if (Device->Reset(PresentParameters) != drOk) return;
  DeviceLost = false;
  ApplyStates();
}

void TRenderer::SetFullScreen(bool Value) {
  if (Value == Register.FullScreen) return;
  Register.FullScreen = Value;
  UpdatePresentParameters();
  // The window changes first: the SDL back buffer follows the window's size.
  if (Platform && Platform->HasWindow())
    Platform->SetWindowMode(Value, Register.WindowWidth, Register.WindowHeight);
  if (Device->Reset(PresentParameters) != drOk) {
    DeviceLost = true;
    return;
  }
  ApplyStates();
}

TTexture* TRenderer::GetTexture(const std::string& Name) {
  TContainerItem* Found = Textures->Find(Name);
  if (!Found && Name.empty()) {
    // Find never matches an empty name; look it up by hand so it is made only once.
    for (TContainerItem* Node = Textures->Head->Next; !Textures->IsEnd(Node); Node = Node->Next)
      if (Node->Name.empty()) Found = Node;
  }
  if (Found) return static_cast<TTexture*>(Found);
  auto* Texture = new TTexture(this, Name);
  Textures->Add(Texture, nullptr, ipFirst);
  return Texture;
}

TSprite* TRenderer::CreateSprite(int32_t Layer) {
  return static_cast<TSprite*>(Sprites->AddNew("", &Layer, ipSorted));
}

void TRenderer::FreeSprite(TSprite*& Sprite) {
  if (!Sprite) return;
  Sprites->Remove(Sprite);
  Sprite = nullptr;
}

void PreloadCommonTextures() {
  for (const char* Name : {"Blank", "DefaultFont", "FormMenu", "FormPanel", "FormMission",
                           "Dialog68", "Dialog66", "Buttons", "Particles", "Progress",
                           "Selector", "Talk"})
    Renderer->GetTexture(Name);
}
