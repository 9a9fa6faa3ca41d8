// Particle effects: paths read from ".pth" files, emitters (named parameter sets whose mode
// bytes pick the functions that place, move, grow, turn, fade and tint each particle), running
// effects and their particles, both taken from pools made at start-up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/EngineClasses.h"
#include "engine/EngineTimer.h"

class TSprite;
class TTexture;

// Uniform random numbers shared by the effects, the path point choice and the screens that
// scatter effects: a single in [0, 1) and an integer in 0 .. N - 1 (0 when N < 1).
float RandomSingle();
int32_t RandomInteger(int32_t N);
void RandomSeed(uint32_t Seed);

#pragma pack(push, 1)
struct TPathPoint {
  float Position;  // distance along the path; the last point's value is the path's span
  int16_t X, Y;    // logical pixels relative to the effect's origin
};
struct TPathMark {
  int32_t First;  // index of the mark's first point
  int32_t Count;
};
#pragma pack(pop)
static_assert(sizeof(TPathPoint) == 8 && sizeof(TPathMark) == 8);

class TPath : public TContainerItem {
 public:
  // Parses the ".pth" layout (point count, points, mark count, marks; little-endian). A file
  // that ends early raises "Stream read error"; counts that are negative or marks that reach
  // outside the points raise "Invalid path data". On failure the path is left untouched.
  void LoadFromBytes(const std::string& Bytes);
  void Clear();

  TVector2 GetRandomPoint() const;
  int32_t GetMarkCount(int32_t Mark) const;
  TVector2 GetRandomMarkPoint(int32_t Mark) const;
  TVector2 GetMarkPoint(int32_t Mark, int32_t Index) const;

  std::vector<TPathPoint> Points;
  std::vector<TPathMark> Marks;
  bool Valid = false;
  float Span = 0;

 private:
  void UpdateSpan();
  bool HasMark(int32_t Mark) const;
};

// The parameters of an emitter, apart from its name and child; a parent's set is copied whole.
struct TEmiterParameters {
  float Prewarm = 0;
  TPath* Path = nullptr;
  float PathScale = 1.0f;
  bool PathForward = true;
  float PathStep = 0;
  uint8_t PathWrapMode = 0;
  float Interval = 1.0f;
  uint8_t CountMode = 0;
  int32_t Count = 1;
  float CountFactor = 0;
  uint8_t DurationMode = 0;
  float Duration = 0;
  float Passes = 1.0f;
  TTexture* Texture = nullptr;
  int32_t Segment = 0;
  uint8_t PositionMode = 0;
  TVector2 PointA{0, 0};
  TVector2 Spread{0, 0};
  TVector2 PointB{0, 0};
  uint8_t DirectionMode = 0;
  float Direction = 0;
  float DirectionSpread = 0;
  uint8_t DistanceMode = 0;
  float Distance = 0;
  float DistanceSpread = 0;
  uint8_t SizeMode = 0;
  TVector2 Size{1, 1};
  TVector2 Size2{0, 0};
  uint8_t AngleMode = 0;
  float Angle = 0;
  float AngleSpread = 0;
  uint8_t SpinMode = 0;
  float Spin = 0;
  float SpinSpread = 0;
  uint8_t AlphaMode = 0;
  float Alpha = 1.0f;
  float AlphaSpread = 0;
  uint8_t ColorMode = 0;
  uint32_t Color = 0xFFFFFFFF;
  uint32_t Color2 = 0;
  uint8_t LifetimeMode = 0;
  float Lifetime = 1.0f;
  float Speed = 1.0f;
  uint8_t MotionMode = 0;
  uint8_t GrowMode = 0;
  float Grow = 0;
  uint8_t RotateMode = 0;
  uint8_t FadeMode = 0;
  float FadeIn = 0;
  float FadeOut = 0;
  uint8_t TintMode = 0;
  uint32_t TintColor = 0;
};

class TEmiter : public TContainerItem, public TEmiterParameters {
 public:
  // Copies every parameter of Parent except the name and the child fields.
  void CopyParameters(const TEmiter& Parent);

  std::string ChildName;
  int32_t ChildLayerOffset = 0;
};

class TEffect : public TContainerItem {
 public:
  void Added(TContainer* Container, void* Data) override;  // Data: the emitter or null
  void Removed(TContainer* Container) override;

  void SetChild(TEffect* NewChild);

  TEffect* Child = nullptr;
  const void* Owner = nullptr;
  TEmiter* Emiter = nullptr;
  bool Persistent = false;
  float Duration = 0;
  bool Active = false;
  int32_t ParticleCount = 0;
  int32_t Layer = 0;
  TVector2 Position{0, 0};
  float Scale = 1.0f;
  float Alpha = 1.0f;
  bool Forward = true;
  float PathProgress = 0;
  int32_t MarkIndex = -1;
  int32_t EmissionIndex = 0;
  float Timer = 0;
  float Remaining = 0;
  // The effect whose Child this one is; kept so that neither of the two is left pointing at an
  // effect that went back to the pool and may already serve someone else.
  TEffect* Parent = nullptr;
};

class TParticle : public TContainerItem {
 public:
  void Added(TContainer* Container, void* Data) override;  // Data: the effect
  void Removed(TContainer* Container) override;

  TEffect* Effect = nullptr;
  TSprite* Sprite = nullptr;
  TVector2 Start{0, 0};
  float Direction = 0;
  TVector2 DirectionVector{0, 0};
  float Distance = 0;
  TVector2 Size{0, 0};
  float Angle = 0;
  float Spin = 0;
  float Alpha = 0;
  uint32_t Color = 0;
  float Lifetime = 0;
  float Rate = 0;
  float Age = 0;
};

class TParticles {
 public:
  TParticles(int32_t EffectPoolSize = 96, int32_t ParticlePoolSize = 1536);
  virtual ~TParticles();
  TParticles(const TParticles&) = delete;
  TParticles& operator=(const TParticles&) = delete;

  // The path of that name, read from the paths folder on first use; never null. A path that
  // cannot be read is logged and stays empty.
  TPath* GetPath(const std::string& Name);
  TEmiter* AddEmiter(const std::string& Name, const std::string& ParentName = "");
  TEmiter* FindEmiter(const std::string& Name);

  TEffect* StartEffect(const void* Owner, const std::string& Name, TVector2 Position, int32_t Layer,
                       float Scale, float Alpha);
  void StartLoopEffect(TEffect*& Effect, const std::string& Name, int32_t Layer);
  void StopLoopEffect(TEffect*& Effect);

  void SetEffectActive(TEffect* Effect, bool B);
  void SetEffectPosition(TEffect* Effect, TVector2 P);
  void SetEffectScale(TEffect* Effect, float S);
  void SetEffectAlpha(TEffect* Effect, float A);

  // Once per frame, with the frame time of the input.
  void Update();
  // The same with an explicit time step (Update passes Input->FrameTime).
  void Update(float FrameTime);

  TContainer Paths;
  TContainer Emiters;
  TContainer Effects;
  TContainer Instances;

 private:
  TEffect* TakeEffect(TEmiter* Emiter);
  TEffect* StartEffectChain(const void* Owner, const std::string& Name, TVector2 Position,
                            int32_t Layer, float Scale, float Alpha, int Depth);
  TEffect* CreateLoopChain(const std::string& Name, int32_t Layer, int Depth);
  int32_t EmissionCount(const TEffect* Effect) const;
  void UpdateEffect(TEffect* Effect, float Dt);
  void Emit(TEffect* Effect);
  void AdvanceAlongPath(TEffect* Effect);
  void FreeParticlesOf(TEffect* Effect);
};

// Gives a newly emitted particle its start values from the emitter's mode functions.
void InitParticle(TParticle* Particle);
// Brings a particle's sprite up to date for its age after Dt more seconds; returns false when
// the particle died (it has then gone back to its pool).
bool UpdateParticle(TParticle* Particle, float Dt);

extern TParticles* Particles;
