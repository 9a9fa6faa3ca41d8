#include "engine/OrmelGuiControlButtons.h"

#include "engine/EngineAudio.h"
#include "engine/EngineRenderer.h"
#include "engine/EngineTexts.h"

namespace {

struct TLinkStyle {
  uint8_t Alignment;
  float FontSize;
};
const TLinkStyle LinkStyles[] = {{4, 0.78125f}, {3, 0.78125f}, {5, 0.78125f}, {3, 0.625f}};

struct TBumpStyle {
  float Width, Height, FontSize;
  int32_t Frame;
};
const TBumpStyle BumpStyles[] = {
    {300, 60, 0.9375f, 3}, {200, 60, 0.9375f, 5},  {200, 40, 0.78125f, 7},
    {60, 60, 0.9375f, 9},  {200, 60, 0.9375f, 11}, {300, 60, 0.9375f, 1},
};
const TBumpStyle BumpSelStyles[] = {
    {300, 60, 0.9375f, 1}, {300, 60, 0.9375f, 3}, {200, 60, 0.9375f, 5}};

// A style outside its table leaves everything at zero.
template <typename T, size_t N>
T StyleOf(const T (&Table)[N], int32_t Style) {
  return Style >= 0 && static_cast<size_t>(Style) < N ? Table[Style] : T{};
}

constexpr float kDisabledTextFactor = 0.5f;
constexpr float kHotGrowth = 1.05f;
constexpr float kPressedShift = 2.0f;

void PlayButtonSound(const TGuiControlButton* Button, const char* Name) {
  if (Audio && Button->Enabled) Audio->PlaySound(Button, Name, 1.0f);
}

void FreeTextItem(TText*& Text) {
  if (Text && Texts) Texts->FreeText(Text);
  Text = nullptr;
}

void FreeSpriteItem(TSprite*& Sprite) {
  if (Sprite && Renderer) Renderer->FreeSprite(Sprite);
  Sprite = nullptr;
}

}  // namespace

// ---- Link ----

TGuiControlButtonLink::TGuiControlButtonLink(const std::string& Name, int32_t Style,
                                             int32_t CaptionId, TGuiClickHandler OnClick,
                                             float Left, float Top, float Width, float Height,
                                             int32_t Layer)
    : TGuiControlButton(Name, std::string(), std::move(OnClick), Left, Top, Width, Height, Layer) {
  const TLinkStyle S = StyleOf(LinkStyles, Style);
  Alignment = S.Alignment;
  FontSize = S.FontSize;
  SetCaptionId(CaptionId);
}

TGuiControlButtonLink::~TGuiControlButtonLink() {
  FreeTextItem(TextItem);
}

void TGuiControlButtonLink::Show() {
  TGuiControlButton::Show();
  if (Texts) Texts->CreateText(TextItem, SpriteLayer(), {Width, Height}, FontSize, Alignment);
}

void TGuiControlButtonLink::Hide() {
  FreeTextItem(TextItem);
  TGuiControlButton::Hide();
}

void TGuiControlButtonLink::MouseEnter() {
  TGuiControlButton::MouseEnter();
  PlayButtonSound(this, "Focus");
}

void TGuiControlButtonLink::MouseDown() {
  TGuiControlButton::MouseDown();
  PlayButtonSound(this, "Click");
}

void TGuiControlButtonLink::Refresh() {
  if (!TextItem) return;
  TVector2 P = ScreenPosition();
  if (Down && Enabled) P = {P.X + kPressedShift, P.Y + kPressedShift};
  TextItem->SetPosition(P);
  TextItem->SetScale(ScreenScale());
  TextItem->SetAlpha(ScreenAlpha() * (Enabled ? 1.0f : kDisabledTextFactor));
  TextItem->SetColor(Hot && Enabled ? HotColor : NormalColor);
  TextItem->SetText(GetCaption());
}

// ---- Bump ----

TGuiControlButtonBump::TGuiControlButtonBump(const std::string& Name, int32_t Style,
                                             int32_t CaptionId, TGuiClickHandler OnClick,
                                             float Left, float Top, int32_t Layer)
    : TGuiControlButtonBump(Name, std::string(), std::move(OnClick), Left, Top,
                            StyleOf(BumpStyles, Style).Width, StyleOf(BumpStyles, Style).Height,
                            Layer) {
  const TBumpStyle S = StyleOf(BumpStyles, Style);
  ApplyStyle(S.FontSize, S.Frame, CaptionId);
}

TGuiControlButtonBump::TGuiControlButtonBump(const std::string& Name, const std::string& Group,
                                             TGuiClickHandler OnClick, float Left, float Top,
                                             float Width, float Height, int32_t Layer)
    : TGuiControlButton(Name, Group, std::move(OnClick), Left, Top, Width, Height, Layer) {}

TGuiControlButtonBump::~TGuiControlButtonBump() {
  FreeSpriteItem(Sprite);
  FreeTextItem(TextItem);
}

void TGuiControlButtonBump::ApplyStyle(float NewFontSize, int32_t NewFrame, int32_t CaptionId) {
  FontSize = NewFontSize;
  Frame = NewFrame;
  Alignment = FontSize > 0 ? 4 : 0;
  SetPicture("Buttons");
  SetCaptionId(CaptionId);
}

void TGuiControlButtonBump::Show() {
  TGuiControlButton::Show();
  if (Renderer) {
    Sprite = Renderer->CreateSprite(SpriteLayer());
    Sprite->SetSize({Width, Height});
    Sprite->SetTexture(Picture);
  }
  if (Texts)
    Texts->CreateText(TextItem, SpriteLayer() + 1, {Width - 25, Height - 15}, FontSize, Alignment);
}

void TGuiControlButtonBump::Hide() {
  FreeSpriteItem(Sprite);
  FreeTextItem(TextItem);
  TGuiControlButton::Hide();
}

void TGuiControlButtonBump::MouseEnter() {
  TGuiControlButton::MouseEnter();
  PlayButtonSound(this, "Focus");
}

void TGuiControlButtonBump::MouseDown() {
  TGuiControlButton::MouseDown();
  PlayButtonSound(this, "Click");
}

TVector2 TGuiControlButtonBump::SpritePosition() const {
  TVector2 P = ScreenPosition();
  if (Down && Enabled) P = {P.X + kPressedShift, P.Y + kPressedShift};
  return P;
}

const std::string& TGuiControlButtonBump::DisplayText() {
  return GetCaption();
}

void TGuiControlButtonBump::Refresh() {
  const TVector2 P = SpritePosition();
  const float S = ScreenScale() * (Hot && Enabled ? kHotGrowth : 1.0f);
  const int32_t AlphaByte = ScreenAlphaByte();
  if (Sprite) {
    Sprite->SetPosition(P);
    Sprite->SetScale(S);
    Sprite->SetAlpha(static_cast<float>(AlphaByte) / 255.0f);
    Sprite->SetTexture(Picture);
    Sprite->Segment = Enabled ? Frame : Frame - 1;
  }
  if (TextItem) {
    TextItem->SetPosition(P);
    TextItem->SetScale(S);
    TextItem->SetAlpha(static_cast<float>(AlphaByte) / 255.0f *
                       (Enabled ? 1.0f : kDisabledTextFactor));
    TextItem->SetText(DisplayText());
  }
}

// ---- BumpSel ----

TGuiControlButtonBumpSel::TGuiControlButtonBumpSel(const std::string& Name, int32_t Style,
                                                   const std::string& Group, int32_t CaptionId,
                                                   TGuiClickHandler OnClick, float Left, float Top,
                                                   int32_t Layer)
    : TGuiControlButtonBump(Name, Group, std::move(OnClick), Left, Top,
                            StyleOf(BumpSelStyles, Style).Width,
                            StyleOf(BumpSelStyles, Style).Height, Layer) {
  const TBumpStyle S = StyleOf(BumpSelStyles, Style);
  ApplyStyle(S.FontSize, S.Frame, CaptionId);
}

void TGuiControlButtonBumpSel::MouseDown() {
  if (Enabled && !Down && Audio) Audio->PlaySound(this, "Switch", 1.0f);
  TGuiControlButton::MouseDown();
}

TVector2 TGuiControlButtonBumpSel::SpritePosition() const {
  return ScreenPosition();
}

// The selected option wears the two marker glyphs (codes 28 and 29) around its caption.
const std::string& TGuiControlButtonBumpSel::DisplayText() {
  if (!Down) return GetCaption();
  MarkedCaption.assign(1, '\x1C');
  MarkedCaption += ' ';
  MarkedCaption += GetCaption();
  MarkedCaption += ' ';
  MarkedCaption += '\x1D';
  return MarkedCaption;
}
