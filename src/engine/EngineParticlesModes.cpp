// The mode tables of the emitters: one small function per mode byte for the values a particle
// gets when it is emitted, and for how it moves, grows, turns, fades and changes colour while
// it lives. Mode bytes beyond a table fall back to its mode 0.
#include <cmath>

#include "engine/EngineParticles.h"
#include "engine/EngineRenderer.h"

namespace {

float SpreadOf(float Value) {
  return (RandomSingle() - 0.5f) * Value;
}

TVector2 Add(TVector2 A, TVector2 B) {
  return {A.X + B.X, A.Y + B.Y};
}
TVector2 Sub(TVector2 A, TVector2 B) {
  return {A.X - B.X, A.Y - B.Y};
}
TVector2 Mul(TVector2 A, float F) {
  return {A.X * F, A.Y * F};
}

template <typename TFunction, size_t N>
TFunction Pick(const TFunction (&Table)[N], uint8_t Mode) {
  return Table[Mode < N ? Mode : 0];
}

TVector2 MarkPoint(const TEmiter& E, const TEffect& Fx) {
  return E.Path ? E.Path->GetRandomMarkPoint(Fx.MarkIndex) : TVector2{0, 0};
}

// Table A: start position.
using TStartFunction = TVector2 (*)(const TEmiter&, const TEffect&);
const TStartFunction StartFunctions[] = {
    [](const TEmiter& E, const TEffect&) { return E.PointA; },
    [](const TEmiter& E, const TEffect&) {
      return TVector2{E.PointA.X + SpreadOf(E.Spread.X), E.PointA.Y + SpreadOf(E.Spread.Y)};
    },
    [](const TEmiter& E, const TEffect&) {
      return TVector2{E.PointA.X + SpreadOf(E.Spread.X), E.PointA.Y};
    },
    [](const TEmiter& E, const TEffect&) {
      return TVector2{E.PointA.X, E.PointA.Y + SpreadOf(E.Spread.Y)};
    },
    [](const TEmiter& E, const TEffect&) { return Mul(Add(E.PointA, E.PointB), 0.5f); },
    [](const TEmiter& E, const TEffect&) {
      return Mul(E.Path ? E.Path->GetRandomPoint() : TVector2{0, 0}, E.PathScale);
    },
    [](const TEmiter& E, const TEffect& Fx) { return Mul(MarkPoint(E, Fx), E.PathScale); },
    [](const TEmiter& E, const TEffect& Fx) {
      TVector2 P = E.Path ? E.Path->GetMarkPoint(Fx.MarkIndex, Fx.EmissionIndex) : TVector2{0, 0};
      return Mul(P, E.PathScale);
    },
    [](const TEmiter& E, const TEffect& Fx) {
      TVector2 P = Mul(MarkPoint(E, Fx), E.PathScale);
      return TVector2{P.X + SpreadOf(E.Spread.X), P.Y + SpreadOf(E.Spread.Y)};
    },
};

// Direction of the vector V (0 degrees up the screen, clockwise); a zero vector gives 0 and no
// direction vector at all.
void AimAlong(TParticle& P, TVector2 From, TVector2 To) {
  if (SameVector(From, To)) {
    P.Direction = 0;
    P.DirectionVector = {0, 0};
    return;
  }
  TVector2 V = Normalize(Sub(To, From));
  float Degrees = ArcCos(-V.Y) * 57.29578f;
  if (V.X < 0) Degrees = 360.0f - Degrees;
  P.Direction = Degrees;
  P.DirectionVector = Direction(Degrees);
}

void SetDirection(TParticle& P, float Degrees) {
  P.Direction = Degrees;
  P.DirectionVector = Direction(Degrees);
}

// Table B: direction.
using TDirectionFunction = void (*)(const TEmiter&, TParticle&);
const TDirectionFunction DirectionFunctions[] = {
    [](const TEmiter& E, TParticle& P) { SetDirection(P, E.Direction); },
    [](const TEmiter& E, TParticle& P) {
      SetDirection(P, WrapAngle(E.Direction + SpreadOf(E.DirectionSpread)));
    },
    [](const TEmiter&, TParticle& P) { SetDirection(P, 360.0f * RandomSingle()); },
    [](const TEmiter& E, TParticle& P) { AimAlong(P, E.PointA, P.Start); },
    [](const TEmiter& E, TParticle& P) { AimAlong(P, P.Start, E.PointA); },
    [](const TEmiter& E, TParticle& P) { AimAlong(P, P.Start, E.PointB); },
};

// Table C: distance.
using TDistanceFunction = float (*)(const TEmiter&, const TParticle&);
const TDistanceFunction DistanceFunctions[] = {
    [](const TEmiter& E, const TParticle&) { return E.Distance; },
    [](const TEmiter& E, const TParticle&) { return E.Distance + SpreadOf(E.DistanceSpread); },
    [](const TEmiter& E, const TParticle& P) { return VectorLength(Sub(P.Start, E.PointA)); },
    [](const TEmiter& E, const TParticle& P) { return VectorLength(Sub(P.Start, E.PointB)); },
    [](const TEmiter& E, const TParticle& P) {
      return VectorLength(Sub(P.Start, E.PointB)) * E.Distance;
    },
};

// Table D: size.
using TSizeFunction = TVector2 (*)(const TEmiter&, const TEffect&, const TParticle&);
const TSizeFunction SizeFunctions[] = {
    [](const TEmiter& E, const TEffect&, const TParticle&) { return E.Size; },
    [](const TEmiter& E, const TEffect&, const TParticle&) {
      return TVector2{E.Size.X + SpreadOf(E.Size2.X), E.Size.Y + SpreadOf(E.Size2.Y)};
    },
    [](const TEmiter&, const TEffect&, const TParticle& P) {
      return TVector2{P.Distance, P.Distance};
    },
    [](const TEmiter& E, const TEffect&, const TParticle& P) {
      return TVector2{P.Distance, E.Size.Y};
    },
    [](const TEmiter& E, const TEffect&, const TParticle& P) {
      return TVector2{E.Size.X, P.Distance};
    },
    [](const TEmiter& E, const TEffect& Fx, const TParticle&) {
      return TVector2{Lerp(E.Size.X, E.Size2.X, Fx.PathProgress),
                      Lerp(E.Size.Y, E.Size2.Y, Fx.PathProgress)};
    },
};

// Table E: angle.
using TAngleFunction = float (*)(const TEmiter&, const TParticle&);
const TAngleFunction AngleFunctions[] = {
    [](const TEmiter& E, const TParticle&) { return E.Angle; },
    [](const TEmiter& E, const TParticle&) { return WrapAngle(E.Angle + SpreadOf(E.AngleSpread)); },
    [](const TEmiter&, const TParticle&) { return 360.0f * RandomSingle(); },
    [](const TEmiter&, const TParticle& P) { return P.Direction; },
};

// Table F: spin.
using TSpinFunction = float (*)(const TEmiter&);
const TSpinFunction SpinFunctions[] = {
    [](const TEmiter& E) { return E.Spin; },
    [](const TEmiter& E) { return WrapAngle(E.Spin + SpreadOf(E.SpinSpread)); },
};

// Table G: opacity.
using TAlphaFunction = float (*)(const TEmiter&);
const TAlphaFunction AlphaFunctions[] = {
    [](const TEmiter& E) { return E.Alpha; },
    [](const TEmiter& E) { return Saturate(E.Alpha + SpreadOf(E.AlphaSpread)); },
};

// Table H: colour.
using TColorFunction = uint32_t (*)(const TEmiter&, const TEffect&);
const TColorFunction ColorFunctions[] = {
    [](const TEmiter& E, const TEffect&) { return E.Color; },
    [](const TEmiter& E, const TEffect&) { return LerpColor(E.Color, E.Color2, RandomSingle()); },
    [](const TEmiter& E, const TEffect& Fx) {
      return LerpColor(E.Color, E.Color2, Fx.PathProgress);
    },
};

// Table I: lifetime.
using TLifetimeFunction = float (*)(const TEmiter&, const TParticle&);
const TLifetimeFunction LifetimeFunctions[] = {
    [](const TEmiter& E, const TParticle&) { return E.Lifetime; },
    [](const TEmiter& E, const TParticle& P) { return P.Distance / E.Speed; },
};

// Table J: offset from the effect's position.
using TMotionFunction = TVector2 (*)(const TParticle&);
const TMotionFunction MotionFunctions[] = {
    [](const TParticle& P) { return P.Start; },
    [](const TParticle& P) { return Add(P.Start, Mul(P.DirectionVector, P.Age * P.Distance)); },
    [](const TParticle& P) {
      return Add(P.Start, Mul(P.DirectionVector, (1.0f - P.Age) * P.Distance));
    },
};

// Table K: size while living.
using TGrowFunction = TVector2 (*)(const TEmiter&, const TParticle&);
const TGrowFunction GrowFunctions[] = {
    [](const TEmiter&, const TParticle& P) { return P.Size; },
    [](const TEmiter& E, const TParticle& P) {
      return Mul(P.Size, 1.0f + (E.Grow - 1.0f) * P.Age);
    },
    [](const TEmiter& E, const TParticle& P) {
      if (P.Age < 0.5f) return Mul(P.Size, 1.0f + (E.Grow - 1.0f) * 2.0f * P.Age);
      return Mul(P.Size, E.Grow + (1.0f - E.Grow) * 2.0f * (P.Age - 0.5f));
    },
};

// Table L: sprite angle.
using TRotateFunction = float (*)(const TParticle&);
const TRotateFunction RotateFunctions[] = {
    [](const TParticle& P) { return P.Angle; },
    [](const TParticle& P) { return WrapAngle(P.Angle + P.Lifetime * P.Age * P.Spin); },
};

float FadeIn(const TEmiter& E, const TParticle& P) {
  return P.Age >= E.FadeIn ? P.Alpha : MapRange(P.Age, 0, E.FadeIn, 0, P.Alpha);
}
float FadeOut(const TEmiter& E, const TParticle& P) {
  return P.Age <= E.FadeOut ? P.Alpha : MapRange(P.Age, E.FadeOut, 1, P.Alpha, 0);
}

// Table M: opacity while living.
using TFadeFunction = float (*)(const TEmiter&, const TParticle&);
const TFadeFunction FadeFunctions[] = {
    [](const TEmiter&, const TParticle& P) { return P.Alpha; },
    FadeIn,
    FadeOut,
    [](const TEmiter& E, const TParticle& P) {
      return P.Age < E.FadeIn ? FadeIn(E, P) : FadeOut(E, P);
    },
};

// Table T: tint while living.
using TTintFunction = uint32_t (*)(const TEmiter&, const TParticle&);
const TTintFunction TintFunctions[] = {
    [](const TEmiter&, const TParticle& P) { return P.Color; },
    [](const TEmiter& E, const TParticle& P) { return LerpColor(P.Color, E.TintColor, P.Age); },
};

}  // namespace

void InitParticle(TParticle* P) {
  const TEffect& Fx = *P->Effect;
  const TEmiter& E = *Fx.Emiter;
  if (P->Sprite) {
    P->Sprite->Texture = E.Texture;
    P->Sprite->Segment = E.Segment;
  }
  P->Start = Pick(StartFunctions, E.PositionMode)(E, Fx);
  Pick(DirectionFunctions, E.DirectionMode)(E, *P);
  P->Distance = Pick(DistanceFunctions, E.DistanceMode)(E, *P);
  P->Size = Pick(SizeFunctions, E.SizeMode)(E, Fx, *P);
  P->Angle = Pick(AngleFunctions, E.AngleMode)(E, *P);
  P->Spin = Pick(SpinFunctions, E.SpinMode)(E);
  P->Alpha = Pick(AlphaFunctions, E.AlphaMode)(E);
  P->Color = Pick(ColorFunctions, E.ColorMode)(E, Fx);
  P->Lifetime = Pick(LifetimeFunctions, E.LifetimeMode)(E, *P);
  // A lifetime that is zero, negative or not a number would never end (or end backwards): such
  // a particle lives one instant, as one of lifetime 0 does.
  if (P->Lifetime > 0 && std::isfinite(P->Lifetime)) {
    P->Rate = 1.0f / P->Lifetime;
  } else {
    P->Lifetime = 0.000001f;
    P->Rate = 1000000.0f;
  }
}

bool UpdateParticle(TParticle* P, float Dt) {
  P->Age += Dt * P->Rate;
  if (P->Age > 1.0f) {
    P->Container->Remove(P);
    return false;
  }
  TSprite* Sprite = P->Sprite;
  if (!Sprite) return true;
  const TEffect& Fx = *P->Effect;
  const TEmiter& E = *Fx.Emiter;
  TVector2 Offset = Pick(MotionFunctions, E.MotionMode)(*P);
  Sprite->SetPosition(Add(Fx.Position, Mul(Offset, Fx.Scale)));
  Sprite->SetSize(Pick(GrowFunctions, E.GrowMode)(E, *P));
  Sprite->SetScale(Fx.Scale);
  Sprite->SetAngle(Pick(RotateFunctions, E.RotateMode)(*P));
  Sprite->SetAlpha(Saturate(Pick(FadeFunctions, E.FadeMode)(E, *P) * Fx.Alpha));
  Sprite->SetColorRGB(Pick(TintFunctions, E.TintMode)(E, *P));
  return true;
}
