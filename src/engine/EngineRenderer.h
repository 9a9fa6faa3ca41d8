// The renderer: the logical screen, the draw list of sprites, the textures with their segment
// tables, and the graphics device they are drawn through. Nothing is drawn immediately; once
// per frame RenderFrame draws every visible sprite in layer order and presents the frame.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/EngineClasses.h"
#include "engine/EngineTimer.h"
#include "platform/PlatformGraphics.h"

class TRenderer;

struct TTextureSegment {
  float Width = 0, Height = 0;
  TMatrix Transform;
};

// One picture in the device with its segment table. Construction never fails: a picture
// that cannot be loaded leaves a 4 x 4 placeholder without device texture, which is never
// drawn, and one line in the error log.
class TTexture : public TContainerItem {
 public:
  TTexture(TRenderer* Owner, const std::string& Name);
  ~TTexture() override;

  TVector2 GetSegmentSize(int32_t Index) const;
  void LoadDds(const std::string& FileName);
  // The same reader over an open stream (the fuzzer feeds it from memory).
  void LoadDds(std::FILE* File);
  void LoadImage(const std::string& FileName);
  void LoadSegments(const std::string& FileName);
  // The segment rules applied to the text of a segment table.
  void ApplySegments(const std::string& Content);

  int32_t Width = 4, Height = 4;
  std::vector<TTextureSegment> Segments;
  std::unique_ptr<TDeviceTexture> DeviceTexture;

 private:
  void Load();
  void MakePlaceholder();
  // Sizes the device texture for a picture and makes segment 0 the whole picture.
  void PrepareDeviceTexture(int PictureWidth, int PictureHeight, TDeviceFormat Format);
  // Repeats the last column and row of the picture into the enlarged area, so that linear
  // filtering at its edges stays inside the picture; works in pixels or 4 x 4 blocks.
  void FillEdges(uint8_t* Bits, int Pitch, TDeviceFormat Format, int PictureWidth,
                 int PictureHeight);
  TRenderer* Owner;
};

// A PNG or JPEG picture as A8R8G8B8 pixels, rows top first.
struct TImagePixels {
  int32_t Width = 0, Height = 0;
  std::vector<uint32_t> Pixels;
};
// Reads a PNG or JPEG file. A picture outside 4..2048 in either dimension comes back with its
// size and no pixels; a file of any other kind with size 0. Library errors raise their text.
TImagePixels ReadImageFile(const std::string& FileName);

// The segment table a texture uses: plot pictures share one per size class.
std::string SegmentsName(const std::string& Name);
// The device texture size for a picture dimension (4..2048).
int32_t DeviceTextureSize(int32_t Size, bool NonPowerOfTwo);
// The transform that maps the unit square onto the rectangle (X, Y, W, H) of a texture.
TMatrix SegmentTransform(float X, float Y, float W, float H, int32_t TextureWidth,
                         int32_t TextureHeight);

class TSprite : public TContainerItem {
 public:
  explicit TSprite(TRenderer* Owner) : Owner(Owner) {}

  void Added(TContainer* Container, void* Data) override;
  void Removed(TContainer* Container) override;
  bool IsBefore(TContainerItem* Item) override;

  void SetPosition(const TVector2& P);
  void SetSize(const TVector2& S);
  void SetScale(float F);
  void SetAngle(float A);
  void SetFlipHorizontal(bool B);
  void SetFlipVertical(bool B);
  void SetColorRGB(uint32_t C);
  void SetAlpha(float A);
  void SetTexture(const std::string& Name);
  // Recomputes Matrix from the geometric fields (the renderer calls it for stale sprites).
  void UpdateMatrix();

  bool Visible = true;
  bool FlipHorizontal = false;
  bool FlipVertical = false;
  int32_t VertexBuffer = 0;
  int32_t Layer = 0;
  TVector2 Position;
  TVector2 Size;
  float Scale = 1;
  float Angle = 0;
  uint32_t Color = 0xFFFFFFFF;
  TTexture* Texture = nullptr;
  int32_t Segment = 0;
  bool MatrixValid = false;
  TMatrix Matrix;

 private:
  TRenderer* Owner;
};

class TRenderer {
 public:
  // Creates the device; fails with the start-up messages (RendererFailed set where the
  // failure means the video hardware is unusable).
  TRenderer();
  ~TRenderer();
  TRenderer(const TRenderer&) = delete;
  TRenderer& operator=(const TRenderer&) = delete;

  void RestoreDevice();
  void RenderFrame();
  void SetFullScreen(bool Value);
  TTexture* GetTexture(const std::string& Name);
  TSprite* CreateSprite(int32_t Layer);
  void FreeSprite(TSprite*& Sprite);

  bool DeviceLost = false;
  std::unique_ptr<TGraphicsSystem> Direct3D;  // the graphics system the device came from
  TDeviceFormat FullScreenFormat = dfUnknown;
  TPresentParameters PresentParameters;
  std::unique_ptr<TGraphicsDevice> Device;
  TDeviceCaps Caps;
  bool NonPowerOfTwo = false;
  std::unique_ptr<TVertexBuffer> VertexBuffers[4];
  int32_t CurrentVertexBuffer = -1;
  TViewport Viewport;
  std::unique_ptr<TContainer> Textures;
  std::unique_ptr<TContainer> Sprites;
  TTexture* CurrentTexture = nullptr;
  int32_t CurrentSegment = 0;
  uint32_t CurrentColor = 0xFFFFFFFF;

 private:
  void Create();
  void ChooseFullScreenFormat();
  void CreateDevice();
  void CreateVertexBuffers();
  void UpdatePresentParameters();
  void ApplyStates();
  void DrawSprite(TSprite& Sprite);
  void BindSegment(TSprite& Sprite);
  void TakeScreenshotIfAsked();
  void ReportScreenshot();
  void Release();

  bool ScreenshotKeyWasDown = false;
  std::string ScreenshotPath;
};

extern TRenderer* Renderer;

// Loads the textures every screen needs, so that later frames do not pay for them.
void PreloadCommonTextures();

// The file a screenshot taken now is saved to: a new name in UserFolder + "Screenshots/".
std::string NextScreenshotPath();
