#include "engine/EngineTexts.h"

#include <cstring>

#include "app/EngineRegister.h"
#include "engine/EngineRenderer.h"

TTexts* Texts = nullptr;

namespace {

bool IsInvisibleCode(uint8_t Code) { return Code == 0 || Code == 8 || Code == 13 || Code == 32; }

TVector2 Plus(const TVector2& A, const TVector2& B) { return TVector2{A.X + B.X, A.Y + B.Y}; }

TVector2 Times(float F, const TVector2& V) { return TVector2{F * V.X, F * V.Y}; }

}  // namespace

void TText::Added(TContainer*, void* Data) {
  Layer = *static_cast<const int32_t*>(Data);
  Scale = 1.0f;
  Color = 0xFFFFFF;
  Alpha = 1.0f;
}

void TText::Removed(TContainer*) {
  SetText("");
  Font = nullptr;
}

void TText::SetText(const std::string& S) {
  if (S == Text) return;
  const size_t Old = Text.size(), New = S.size();
  Text = S;
  if (New != Old) ResizeCharacters(Old, New);
  if (New == 0) return;
  for (size_t i = 0; i < New; ++i) {
    const uint8_t Code = static_cast<uint8_t>(Text[i]);
    Characters[i].Sprite->Segment = Code;
    Characters[i].Sprite->Visible = !IsInvisibleCode(Code);
  }
  Layout();
  for (TCharacter& C : Characters) C.Sprite->SetPosition(Plus(Position, Times(Scale, C.Offset)));
}

// Keeps the existing sprites and only takes or returns the difference. New sprites go to the
// front of the array and are made from the highest index down: a new sprite of equal layer is
// drawn beneath the older ones, so the array order stays the draw order and a later character
// is always drawn over an earlier one.
void TText::ResizeCharacters(size_t Old, size_t New) {
  for (size_t i = New; i < Characters.size(); ++i) Owner->FreeSprite(Characters[i].Sprite);
  Characters.resize(New);
  if (New <= Old) return;
  const size_t Growth = New - Old;
  for (size_t i = Old; i-- > 0;) Characters[i + Growth].Sprite = Characters[i].Sprite;
  const uint32_t AlphaByte = uint32_t(LerpInt(0, 255, Alpha)) & 0xFF;
  for (size_t i = Growth; i-- > 0;) {
    TSprite* Sprite = Owner->CreateSprite(Layer);
    Sprite->SetScale(Scale);
    Sprite->Color = (AlphaByte << 24) | Color;
    Sprite->Texture = Font;
    Characters[i].Sprite = Sprite;
  }
}

void TText::Layout() {
  const float LineHeight = Size * (Font ? Font->GetSegmentSize(0).Y : 0.0f);
  float PenX = 0, PenY = 0.5f * LineHeight;
  int32_t Lines = 0;
  size_t InLine = 0;
  for (size_t i = 0; i < Characters.size(); ++i) {
    ++InLine;
    const uint8_t Code = static_cast<uint8_t>(Text[i]);
    const TVector2 Glyph = Font ? Font->GetSegmentSize(Code) : TVector2{0, 0};
    const float W = Size * Glyph.X, H = Size * Glyph.Y;
    TCharacter& C = Characters[i];
    C.Sprite->SetSize(TVector2{W, H});
    if (Code != 8) {
      C.Offset = TVector2{PenX + 0.5f * W, PenY};
      if (W > 0) PenX = PenX + W - Size * Spacing;
    } else if (W > 0) {
      PenX = PenX - W + Size * Spacing;  // the back-step glyph moves the pen back
    }
    if (Code == 13 || i + 1 == Characters.size()) {
      FinishLine(i, InLine, PenX);
      ++Lines;
      InLine = 0;
      PenX = 0;
      PenY = PenY + LineHeight;
    }
  }
  PlaceVertically(Lines, LineHeight);
}

void TText::FinishLine(size_t Last, size_t InLine, float PenX) {
  const float LineWidth = PenX + Size * Spacing;
  const float Box = BoxSize.X;
  const size_t First = Last + 1 - InLine;
  if (Box >= LineWidth) {
    float Shift;
    if (Alignment == 0 || Alignment == 3 || Alignment == 6)
      Shift = -0.5f * Box;
    else if (Alignment == 1 || Alignment == 4 || Alignment == 7)
      Shift = (Box - LineWidth) * 0.5f - 0.5f * Box;
    else
      Shift = (Box - LineWidth) - 0.5f * Box;
    for (size_t i = First; i <= Last; ++i) Characters[i].Offset.X += Shift;
    return;
  }
  const float Ratio = Box / LineWidth;
  for (size_t i = First; i <= Last; ++i) {
    TCharacter& C = Characters[i];
    C.Offset.X = Ratio * C.Offset.X - 0.5f * Box;
    C.Sprite->SetSize(TVector2{Ratio * C.Sprite->Size.X, C.Sprite->Size.Y});
  }
}

void TText::PlaceVertically(int32_t Lines, float LineHeight) {
  const float TotalHeight = float(Lines) * LineHeight;
  const float Box = BoxSize.Y;
  if (Box >= TotalHeight) {
    float Shift;
    if (Alignment <= 2)
      Shift = -0.5f * Box;
    else if (Alignment <= 5)
      Shift = (Box - TotalHeight) * 0.5f - 0.5f * Box;
    else
      Shift = (Box - TotalHeight) - 0.5f * Box;
    for (TCharacter& C : Characters) C.Offset.Y += Shift;
    return;
  }
  const float Ratio = Box / TotalHeight;
  for (TCharacter& C : Characters) {
    C.Offset.Y = Ratio * C.Offset.Y - 0.5f * Box;
    C.Sprite->SetSize(TVector2{C.Sprite->Size.X, Ratio * C.Sprite->Size.Y});
  }
}

void TText::SetPosition(const TVector2& P) {
  if (std::memcmp(&P, &Position, sizeof(P)) == 0) return;
  const TVector2 Delta{P.X - Position.X, P.Y - Position.Y};
  Position = P;
  for (TCharacter& C : Characters) C.Sprite->SetPosition(Plus(C.Sprite->Position, Delta));
}

void TText::SetScale(float F) {
  if (F == Scale) return;
  Scale = F;
  for (TCharacter& C : Characters) {
    C.Sprite->SetPosition(Plus(Position, Times(F, C.Offset)));
    C.Sprite->SetScale(F);
  }
}

void TText::SetColor(uint32_t RGB) {
  RGB &= 0xFFFFFF;
  if (RGB == Color) return;
  Color = RGB;
  for (TCharacter& C : Characters) C.Sprite->SetColorRGB(RGB);
}

void TText::SetAlpha(float A) {
  if (A == Alpha) return;
  Alpha = A;
  for (TCharacter& C : Characters) C.Sprite->SetAlpha(A);
}

TTexts::TTexts(TRenderer* Owner) : Owner(Owner) {
  Items = std::make_unique<TContainer>([Owner] { return new TText(Owner); },
                                       Register.TextPoolSize);
}

TTexts::TTexts() : TTexts(Renderer) {}

TTexts::~TTexts() { Items.reset(); }

void TTexts::Take(TText*& Text, int32_t Layer, const TVector2& BoxSize, float Size,
                  uint8_t Alignment, const std::string& FontName) {
  if (Text) return;
  Text = static_cast<TText*>(Items->AddNew("", &Layer, ipFirst));
  Text->BoxSize = BoxSize;
  Text->Size = Size;
  Text->Alignment = Alignment;
  Text->Spacing = 4.0f;
  Text->Font = Owner->GetTexture(FontName);
}

void TTexts::CreateText(TText*& Text, int32_t Layer, const TVector2& BoxSize, float Size,
                        uint8_t Alignment) {
  Take(Text, Layer, BoxSize, Size, Alignment, "DefaultFont");
}

void TTexts::CreateIconText(TText*& Text, int32_t Layer, const TVector2& BoxSize, float Size,
                            uint8_t Alignment) {
  Take(Text, Layer, BoxSize, Size, Alignment, "IconsFont");
}

void TTexts::FreeText(TText*& Text) {
  if (!Text) return;
  Items->Remove(Text);
  Text = nullptr;
}
