#include "engine/OrmelGuiControlPictures.h"

#include "engine/EngineInput.h"
#include "engine/EngineRenderer.h"
#include "engine/EngineTexts.h"

namespace {

void FreeTextItem(TText*& Text) {
  if (Text && Texts) Texts->FreeText(Text);
  Text = nullptr;
}

void FreeSpriteItem(TSprite*& Sprite) {
  if (Sprite && Renderer) Renderer->FreeSprite(Sprite);
  Sprite = nullptr;
}

TSprite* TakeSprite(int32_t Layer, float Width, float Height) {
  if (!Renderer) return nullptr;
  TSprite* Sprite = Renderer->CreateSprite(Layer);
  Sprite->SetSize({Width, Height});
  return Sprite;
}

// Position, scale and opacity of a control's sprite; returns the opacity it got.
float PlaceSprite(TSprite* Sprite, const TGuiControl& Control) {
  const float Opacity = static_cast<float>(Control.ScreenAlphaByte()) / 255.0f;
  if (!Sprite) return Opacity;
  Sprite->SetPosition(Control.ScreenPosition());
  Sprite->SetScale(Control.ScreenScale());
  Sprite->SetAlpha(Opacity);
  return Opacity;
}

}  // namespace

// ---- Picture ----

TGuiControlPicture::TGuiControlPicture(const std::string& Name, const std::string& Picture,
                                       int32_t Frame, bool NewFlipHorizontal, bool NewFlipVertical,
                                       float Left, float Top, float Width, float Height,
                                       int32_t Layer)
    : TGuiControl(Name, Left, Top, Width, Height, Layer),
      FlipHorizontal(NewFlipHorizontal),
      FlipVertical(NewFlipVertical) {
  SetPicture(Picture);
  SetFrame(Frame);
}

TGuiControlPicture::~TGuiControlPicture() {
  FreeSpriteItem(Sprite);
}

void TGuiControlPicture::Show() {
  TGuiControl::Show();
  Sprite = TakeSprite(SpriteLayer(), Width, Height);
  if (!Sprite) return;
  Sprite->SetFlipHorizontal(FlipHorizontal);
  Sprite->SetFlipVertical(FlipVertical);
}

void TGuiControlPicture::Hide() {
  FreeSpriteItem(Sprite);
  TGuiControl::Hide();
}

void TGuiControlPicture::Refresh() {
  PlaceSprite(Sprite, *this);
  if (!Sprite) return;
  Sprite->SetTexture(Picture);
  Sprite->Segment = Frame;
}

// ---- Label ----

TGuiControlLabel::TGuiControlLabel(const std::string& Name, int32_t CaptionId, uint32_t NewColor,
                                   uint8_t NewAlignment, float NewFontSize, float Left, float Top,
                                   float Width, float Height, int32_t Layer)
    : TGuiControl(Name, Left, Top, Width, Height, Layer),
      FontSize(NewFontSize),
      Alignment(NewAlignment),
      Color(NewColor) {
  SetCaptionId(CaptionId);
}

TGuiControlLabel::~TGuiControlLabel() {
  FreeTextItem(TextItem);
}

void TGuiControlLabel::Show() {
  TGuiControl::Show();
  if (Texts) Texts->CreateText(TextItem, SpriteLayer(), {Width, Height}, FontSize, Alignment);
}

void TGuiControlLabel::Hide() {
  FreeTextItem(TextItem);
  TGuiControl::Hide();
}

void TGuiControlLabel::Refresh() {
  if (!TextItem) return;
  TextItem->SetPosition(ScreenPosition());
  TextItem->SetScale(ScreenScale());
  TextItem->SetAlpha(ScreenAlpha());
  TextItem->SetColor(Color);
  TextItem->SetText(GetCaption());
}

// ---- Input field ----

TGuiControlInput::TGuiControlInput(const std::string& Name, float Left, float Top, int32_t Layer)
    : TGuiControl(Name, Left, Top, 300, 60, Layer) {
  SetPicture("Buttons");
}

TGuiControlInput::~TGuiControlInput() {
  FreeSpriteItem(Sprite);
  FreeTextItem(TextItem);
}

void TGuiControlInput::Show() {
  TGuiControl::Show();
  Sprite = TakeSprite(SpriteLayer(), Width, Height);
  if (Sprite) Sprite->SetTexture(Picture);
  if (Texts)
    Texts->CreateText(TextItem, SpriteLayer() + 1, {Width - 15, Height - 15}, FontSize, Alignment);
}

void TGuiControlInput::Hide() {
  FreeSpriteItem(Sprite);
  FreeTextItem(TextItem);
  TGuiControl::Hide();
}

// The typed text with a caret that blinks once a second.
void TGuiControlInput::Update() {
  if (!Input) return;
  TypedText.assign(Input->Text);
  TypedText += Input->PulsePhase < 0.5f ? '_' : ' ';
  SetCaption(TypedText);
}

void TGuiControlInput::Refresh() {
  const float Opacity = PlaceSprite(Sprite, *this);
  if (Sprite) {
    Sprite->SetTexture(Picture);
    Sprite->Segment = Frame;
  }
  if (!TextItem) return;
  TextItem->SetPosition(ScreenPosition());
  TextItem->SetScale(ScreenScale());
  TextItem->SetAlpha(Opacity);
  TextItem->SetText(GetCaption());
}

// ---- Recommended arrow ----

namespace {

struct TArrowTrack {
  TVector2 A, B;  // offsets from the target's centre at Pulse 0 and at Pulse 1
};
// Side 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left of the target.
const TArrowTrack ArrowTracks[4] = {
    {{-40, -40}, {-30, -30}}, {{40, -40}, {30, -30}}, {{40, 40}, {30, 30}}, {{-40, 40}, {-30, 30}}};

}  // namespace

TGuiControlRecommendedArrow::TGuiControlRecommendedArrow(int32_t Layer)
    : TGuiControl(std::string(), 0, 0, 64, 64, Layer) {}

TGuiControlRecommendedArrow::~TGuiControlRecommendedArrow() {
  FreeSpriteItem(Sprite);
}

void TGuiControlRecommendedArrow::Show() {
  TGuiControl::Show();
  Sprite = TakeSprite(SpriteLayer(), Width, Height);
  if (Sprite) Sprite->SetTexture("Arrows");
}

void TGuiControlRecommendedArrow::Hide() {
  FreeSpriteItem(Sprite);
  TGuiControl::Hide();
}

void TGuiControlRecommendedArrow::Update() {
  const TGuiControl* Target = Form ? Form->RecommendedControl : nullptr;
  if (!Form || !Form->Active || !Target || Target->Name == "Stage") {
    SetVisible(false);
    return;
  }
  SetVisible(true);
  const int32_t Side = Form->RecommendedSide;
  SetFrame(Side);
  const TArrowTrack& Track = ArrowTracks[Side >= 0 && Side <= 2 ? Side : 3];
  const float Pulse = Input ? Input->Pulse : 0.0f;
  SetCenter(Target->CenterX + Track.A.X + (Track.B.X - Track.A.X) * Pulse,
            Target->CenterY + Track.A.Y + (Track.B.Y - Track.A.Y) * Pulse);
}

void TGuiControlRecommendedArrow::Refresh() {
  PlaceSprite(Sprite, *this);
  if (Sprite) Sprite->Segment = Frame;
}
