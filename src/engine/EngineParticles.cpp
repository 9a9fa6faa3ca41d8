#include "engine/EngineParticles.h"

#include <cmath>
#include <stdexcept>

#include "app/EngineRegister.h"
#include "engine/EngineInput.h"
#include "engine/EngineRenderer.h"
#include "platform/SafeFile.h"

TParticles* Particles = nullptr;

namespace {

// An emitter may name itself, or a chain of emitters may loop back; effects follow child names
// only this deep so that such a chain ends instead of exhausting the stack.
constexpr int kMaxChildDepth = 8;

}  // namespace

void TEmiter::CopyParameters(const TEmiter& Parent) {
  static_cast<TEmiterParameters&>(*this) = static_cast<const TEmiterParameters&>(Parent);
}

void TEffect::Added(TContainer* Container, void* Data) {
  Emiter = static_cast<TEmiter*>(Data);
  Persistent = false;
  Active = false;
  ParticleCount = 0;
  Scale = 1.0f;
  Alpha = 1.0f;
  Child = nullptr;
  Parent = nullptr;
  if (!Emiter) return;
  if (Emiter->DurationMode == 1) {
    Duration = Emiter->Duration;
  } else if (Emiter->DurationMode == 2 && Emiter->Path && Emiter->Path->Valid &&
             Emiter->PathStep != 0) {
    Duration = Emiter->Path->Span / (Emiter->PathStep / Emiter->PathScale) * Emiter->Interval *
               Emiter->Passes;
  }
}

void TEffect::Removed(TContainer* Container) {
  SetChild(nullptr);
  if (Parent && Parent->Child == this) Parent->Child = nullptr;
  Parent = nullptr;
  Owner = nullptr;
  Duration = 0;
}

void TEffect::SetChild(TEffect* NewChild) {
  if (Child && Child->Parent == this) Child->Parent = nullptr;
  Child = NewChild;
  if (Child) Child->Parent = this;
}

void TParticle::Added(TContainer* Container, void* Data) {
  Effect = static_cast<TEffect*>(Data);
  ++Effect->ParticleCount;
  if (!Sprite && Renderer) Sprite = Renderer->CreateSprite(Effect->Layer);
  Age = 0;
}

void TParticle::Removed(TContainer* Container) {
  if (Sprite && Renderer) Renderer->FreeSprite(Sprite);
  Sprite = nullptr;
  if (Effect) --Effect->ParticleCount;
  Effect = nullptr;
}

TParticles::TParticles(int32_t EffectPoolSize, int32_t ParticlePoolSize)
    : Effects([] { return new TEffect; }, EffectPoolSize),
      Instances([] { return new TParticle; }, ParticlePoolSize) {}

TParticles::~TParticles() {
  // Particles first: they count down their effects and give their sprites back.
  Instances.Clear();
  Effects.Clear();
}

TPath* TParticles::GetPath(const std::string& Name) {
  if (auto* Found = static_cast<TPath*>(Paths.Find(Name))) return Found;
  auto* Path = new TPath;
  Path->Name = Name;
  Paths.Add(Path, nullptr, ipFirst);
  try {
    std::string Bytes;
    bool Missing = false;
    if (!ReadWholeFile(PathsFolder + Name + ".pth", Bytes, &Missing))
      throw std::runtime_error(Missing ? "Missing file" : "Stream read error");
    Path->LoadFromBytes(Bytes);
  } catch (const std::exception& Error) {
    LogError("Failed to create path \"" + Name + "\" (" + Error.what() + ")");
    Path->Clear();
  }
  return Path;
}

TEmiter* TParticles::AddEmiter(const std::string& Name, const std::string& ParentName) {
  auto* Emiter = new TEmiter;
  Emiter->Name = Name;
  if (TEmiter* Parent = FindEmiter(ParentName)) Emiter->CopyParameters(*Parent);
  Emiters.Add(Emiter, nullptr, ipFirst);
  return Emiter;
}

TEmiter* TParticles::FindEmiter(const std::string& Name) {
  return static_cast<TEmiter*>(Emiters.Find(Name));
}

TEffect* TParticles::TakeEffect(TEmiter* Emiter) {
  return static_cast<TEffect*>(Effects.AddNew(std::string(), Emiter, ipFirst));
}

TEffect* TParticles::StartEffect(const void* Owner, const std::string& Name, TVector2 Position,
                                 int32_t Layer, float Scale, float Alpha) {
  return StartEffectChain(Owner, Name, Position, Layer, Scale, Alpha, 0);
}

TEffect* TParticles::StartEffectChain(const void* Owner, const std::string& Name, TVector2 Position,
                                      int32_t Layer, float Scale, float Alpha, int Depth) {
  TEmiter* Emiter = FindEmiter(Name);
  TEffect* Effect = TakeEffect(Emiter);
  Effect->Owner = Owner;
  Effect->Layer = Layer;
  SetEffectPosition(Effect, Position);
  SetEffectScale(Effect, Scale);
  SetEffectAlpha(Effect, Alpha);
  SetEffectActive(Effect, true);
  if (Emiter && !Emiter->ChildName.empty() && Depth < kMaxChildDepth)
    Effect->SetChild(StartEffectChain(Owner, Emiter->ChildName, Position,
                                      Layer + Emiter->ChildLayerOffset, Scale, Alpha, Depth + 1));
  return Effect;
}

void TParticles::StartLoopEffect(TEffect*& Effect, const std::string& Name, int32_t Layer) {
  if (!Effect) Effect = CreateLoopChain(Name, Layer, 0);
}

TEffect* TParticles::CreateLoopChain(const std::string& Name, int32_t Layer, int Depth) {
  TEmiter* Emiter = FindEmiter(Name);
  TEffect* Effect = TakeEffect(Emiter);
  Effect->Persistent = true;
  Effect->Layer = Layer;
  if (Emiter && !Emiter->ChildName.empty() && Depth < kMaxChildDepth)
    Effect->SetChild(
        CreateLoopChain(Emiter->ChildName, Layer + Emiter->ChildLayerOffset, Depth + 1));
  return Effect;
}

void TParticles::StopLoopEffect(TEffect*& Effect) {
  if (!Effect) return;
  TEffect* Child = Effect->Child;
  if (Child) StopLoopEffect(Child);
  FreeParticlesOf(Effect);
  Effects.Remove(Effect);
  Effect = nullptr;
}

void TParticles::FreeParticlesOf(TEffect* Effect) {
  Instances.ForEach([&](TContainerItem* Item) {
    if (static_cast<TParticle*>(Item)->Effect == Effect) Instances.Remove(Item);
  });
}

void TParticles::SetEffectActive(TEffect* Effect, bool B) {
  if (!Effect || !Effect->Emiter || Effect->Active == B) return;
  Effect->Active = B;
  if (B) {
    const TEmiter& E = *Effect->Emiter;
    if (E.Path && E.Path->Valid) {
      Effect->Forward = E.PathForward;
      Effect->PathProgress = Effect->Forward ? 0.0f : 1.0f;
      Effect->MarkIndex = Floor(Effect->PathProgress * E.Path->Span);
    } else {
      Effect->Forward = true;
      Effect->PathProgress = 0;
      Effect->MarkIndex = -1;
    }
    Effect->Timer = E.Interval;
    Effect->Remaining = Effect->Duration;
    if (E.Prewarm > 0) UpdateEffect(Effect, E.Prewarm);
  }
  SetEffectActive(Effect->Child, B);
}

void TParticles::SetEffectPosition(TEffect* Effect, TVector2 P) {
  for (; Effect; Effect = Effect->Child) Effect->Position = P;
}

void TParticles::SetEffectScale(TEffect* Effect, float S) {
  for (; Effect; Effect = Effect->Child) Effect->Scale = S;
}

void TParticles::SetEffectAlpha(TEffect* Effect, float A) {
  for (; Effect; Effect = Effect->Child) Effect->Alpha = A;
}

void TParticles::UpdateEffect(TEffect* Effect, float Dt) {
  const TEmiter& E = *Effect->Emiter;
  if (E.DurationMode != 0) {
    Effect->Remaining -= Dt;
    if (Effect->Remaining <= 0) {
      SetEffectActive(Effect, false);
      return;
    }
  }
  Effect->Timer += Dt;
  if (!(E.Interval > 0)) {
    // Without a positive interval the emission loop would never end: emit once per update.
    Effect->Timer = 0;
    Emit(Effect);
    AdvanceAlongPath(Effect);
    return;
  }
  while (Effect->Timer >= E.Interval) {
    Effect->Timer -= E.Interval;
    Emit(Effect);
    AdvanceAlongPath(Effect);
  }
}

int32_t TParticles::EmissionCount(const TEffect* Effect) const {
  const TEmiter& E = *Effect->Emiter;
  const int32_t MarkCount = E.Path ? E.Path->GetMarkCount(Effect->MarkIndex) : 0;
  switch (E.CountMode) {
    case 1:
      return MarkCount;
    case 2:
      return Floor(static_cast<float>(MarkCount) * E.CountFactor);
    default:
      return E.Count;
  }
}

void TParticles::Emit(TEffect* Effect) {
  const int32_t Count = EmissionCount(Effect);
  for (Effect->EmissionIndex = 0; Effect->EmissionIndex < Count; ++Effect->EmissionIndex) {
    auto* Particle = static_cast<TParticle*>(Instances.AddNew(std::string(), Effect, ipFirst));
    InitParticle(Particle);
    UpdateParticle(Particle, Effect->Timer);
  }
}

void TParticles::AdvanceAlongPath(TEffect* Effect) {
  const TEmiter& E = *Effect->Emiter;
  if (!E.Path || !E.Path->Valid) return;
  const float Step = (E.PathStep / E.PathScale) / E.Path->Span;
  float P = Effect->PathProgress + (Effect->Forward ? Step : -Step);
  switch (E.PathWrapMode) {
    case 1:
      P = Frac(P);
      if (P < 0) P += 1.0f;
      break;
    case 2:
      if (P > 1.0f) {
        Effect->Forward = false;
        P = 1.0f - Frac(P);
      } else if (P < 0) {
        Effect->Forward = true;
        P = std::abs(Frac(P));
      }
      break;
    default:
      P = Saturate(P);
      break;
  }
  Effect->PathProgress = P;
  Effect->MarkIndex = Floor(P * E.Path->Span);
}

void TParticles::Update() {
  Update(Input ? Input->FrameTime : 0.0f);
}

void TParticles::Update(float FrameTime) {
  Instances.ForEach(
      [&](TContainerItem* Item) { UpdateParticle(static_cast<TParticle*>(Item), FrameTime); });
  Effects.ForEach([&](TContainerItem* Item) {
    auto* Effect = static_cast<TEffect*>(Item);
    if (!Effect->Active) {
      if (!Effect->Persistent && Effect->ParticleCount == 0) Effects.Remove(Effect);
      return;
    }
    UpdateEffect(Effect, FrameTime);
  });
}
