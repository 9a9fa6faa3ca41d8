#include <cmath>

#include "engine/EngineRenderer.h"

void TSprite::Added(TContainer*, void* Data) {
  Visible = true;
  FlipHorizontal = false;
  FlipVertical = false;
  VertexBuffer = 0;
  Layer = *static_cast<const int32_t*>(Data);
  Scale = 1.0f;
  Angle = 0.0f;
  Color = 0xFFFFFFFF;
  MatrixValid = false;  // a reused sprite must never show its previous user's matrix
}

void TSprite::Removed(TContainer*) {
  Texture = nullptr;
  Segment = 0;
}

// Sorted insertion puts a new sprite in front of the first one whose layer is not lower, so
// among equal layers the newest is drawn first, beneath the older ones.
bool TSprite::IsBefore(TContainerItem* Item) {
  return Layer < static_cast<TSprite*>(Item)->Layer;
}

void TSprite::SetPosition(const TVector2& P) {
  if (MatrixValid && P.X == Position.X && P.Y == Position.Y) return;
  Position = P;
  MatrixValid = false;
}

void TSprite::SetSize(const TVector2& S) {
  if (MatrixValid && S.X == Size.X && S.Y == Size.Y) return;
  Size = S;
  MatrixValid = false;
}

void TSprite::SetScale(float F) {
  if (MatrixValid && F == Scale) return;
  Scale = F;
  MatrixValid = false;
}

void TSprite::SetAngle(float A) {
  if (MatrixValid && A == Angle) return;
  Angle = A;
  MatrixValid = false;
}

namespace {

int32_t QuadVariant(bool FlipHorizontal, bool FlipVertical) {
  return (FlipHorizontal ? 1 : 0) + (FlipVertical ? 2 : 0);
}

}  // namespace

void TSprite::SetFlipHorizontal(bool B) {
  if (B == FlipHorizontal) return;
  FlipHorizontal = B;
  VertexBuffer = QuadVariant(FlipHorizontal, FlipVertical);
}

void TSprite::SetFlipVertical(bool B) {
  if (B == FlipVertical) return;
  FlipVertical = B;
  VertexBuffer = QuadVariant(FlipHorizontal, FlipVertical);
}

void TSprite::SetColorRGB(uint32_t C) { Color = (Color & 0xFF000000u) | (C & 0x00FFFFFFu); }

void TSprite::SetAlpha(float A) {
  const uint32_t Alpha = uint32_t(LerpInt(0, 255, A)) & 0xFF;
  Color = (Alpha << 24) | (Color & 0x00FFFFFFu);
}

void TSprite::SetTexture(const std::string& Name) {
  if (Name.empty()) {
    Texture = nullptr;
    return;
  }
  if (Texture && Texture->Name == Name) return;
  Texture = Owner->GetTexture(Name);
}

// World matrix S x R x T: scale the unit quad, turn it (a positive angle turns clockwise on
// the screen, hence the negative factor), and move it to the position with y negated, which
// turns the y-up device space into the y-down logical space.
void TSprite::UpdateMatrix() {
  const float Theta = Angle * -0.017453292f;
  const float C = std::cos(Theta), S = std::sin(Theta);
  const float Sx = Size.X * Scale, Sy = Size.Y * Scale;
  Matrix = TMatrix();
  Matrix.M[0][0] = Sx * C;
  Matrix.M[0][1] = Sx * S;
  Matrix.M[1][0] = -Sy * S;
  Matrix.M[1][1] = Sy * C;
  Matrix.M[3][0] = Position.X;
  Matrix.M[3][1] = -Position.Y;
  MatrixValid = true;
}
