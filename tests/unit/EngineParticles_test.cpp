#include "engine/EngineParticles.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <vector>

#include "EngineGuiTestWorld.h"
#include "game/OrmelGuiFormMission.h"

namespace {

class ParticlesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RandomSeed(7);
    SetupMissionEffects();
  }

  std::vector<TParticle*> Living() {
    std::vector<TParticle*> Result;
    Particles->Instances.ForEach(
        [&](TContainerItem* Item) { Result.push_back(static_cast<TParticle*>(Item)); });
    return Result;
  }

  TPath* MakePath(std::vector<TPathPoint> Points, std::vector<TPathMark> Marks = {}) {
    auto* Path = new TPath;
    std::string Bytes;
    auto Put = [&](const void* Data, size_t Size) {
      Bytes.append(static_cast<const char*>(Data), Size);
    };
    int32_t N = static_cast<int32_t>(Points.size()), M = static_cast<int32_t>(Marks.size());
    Put(&N, 4);
    Put(Points.data(), Points.size() * 8);
    Put(&M, 4);
    Put(Marks.data(), Marks.size() * 8);
    Path->LoadFromBytes(Bytes);
    Particles->Paths.Add(Path, nullptr, ipFirst);
    return Path;
  }

  TGuiTestWorld World;
};

TEST_F(ParticlesTest, ClickWaveEmitsOnceGrowsAndReturnsToThePool) {
  const int SpritesBefore = World.SpritesInUse();
  TEffect* Effect = Particles->StartEffect(this, "ClickWave", {10, 20}, 5, 1.0f, 1.0f);
  EXPECT_TRUE(Effect->Active);
  EXPECT_EQ(Particles->Instances.Count, 0) << "the first emission waits for the next update";

  const float Dt = 1.0f / 60;
  Particles->Update(Dt);
  ASSERT_EQ(Particles->Instances.Count, 1);
  TSprite* Sprite = Living()[0]->Sprite;
  EXPECT_FLOAT_EQ(Sprite->Position.X, 10);
  EXPECT_FLOAT_EQ(Sprite->Position.Y, 20);
  EXPECT_NEAR(Sprite->Size.X, 2 * (1 + 9 * (Dt / 0.3f)), 1e-4);

  float Time = Dt, Largest = 0;
  int Frames = 1;
  while (Particles->Instances.Count > 0 && Frames < 30) {
    Largest = std::max(Largest, Living()[0]->Sprite->Size.X);
    Particles->Update(Dt);
    Time += Dt;
    ++Frames;
    if (Time > 0.26f) EXPECT_FALSE(Effect->Active) << "no emission after 0.25 s";
    EXPECT_LE(Particles->Instances.Count, 1);
  }
  EXPECT_EQ(Particles->Instances.Count, 0);
  EXPECT_NEAR(Time, 0.3f, 2 * Dt) << "the particle lives 0.3 s";
  EXPECT_NEAR(Largest, 20.0f, 1.0f);
  EXPECT_EQ(Particles->Effects.Count, 0) << "the effect frees itself with its last particle";
  EXPECT_EQ(World.SpritesInUse(), SpritesBefore);
}

TEST_F(ParticlesTest, FireworksBurstOnceWithLifetimeFromDistanceAndSpeed) {
  Particles->StartEffect(this, "Fireworks1", {0, 0}, 0, 1.0f, 1.0f);
  Particles->Update(1.0f / 60);
  ASSERT_EQ(Particles->Instances.Count, 50);
  for (TParticle* P : Living()) {
    EXPECT_GE(P->Distance, 55.0f);
    EXPECT_LE(P->Distance, 85.0f);
    EXPECT_NEAR(P->Lifetime, P->Distance / 110.0f, 1e-5);
    EXPECT_FLOAT_EQ(P->Angle, P->Direction) << "drawn along its flight";
  }
  int Previous = 50;
  for (int i = 0; i < 60; ++i) {
    Particles->Update(1.0f / 60);
    EXPECT_LE(Particles->Instances.Count, Previous) << "no second burst";
    Previous = Particles->Instances.Count;
  }
  EXPECT_EQ(Particles->Instances.Count, 0);
}

TEST_F(ParticlesTest, DustSpreadsTheEmissionsOfALongFrameOverIt) {
  Particles->StartEffect(this, "DustyJob", {0, 0}, 0, 1.0f, 1.0f);
  Particles->Update(0.1f);
  std::vector<float> Ages;
  for (TParticle* P : Living()) Ages.push_back(P->Age);
  ASSERT_GE(Ages.size(), 2u);
  ASSERT_LE(Ages.size(), 3u);
  std::sort(Ages.begin(), Ages.end());
  for (size_t i = 1; i < Ages.size(); ++i)
    EXPECT_NEAR(Ages[i] - Ages[i - 1], 0.04f, 1e-4) << "one interval apart";

  int Emitted = static_cast<int>(Ages.size());
  for (int i = 1; i < 10; ++i) {
    const int Before = Particles->Instances.Count;
    Particles->Update(0.1f);
    const int New = Particles->Instances.Count - Before;
    EXPECT_TRUE(New == 2 || New == 3) << New;
    Emitted += New;
  }
  EXPECT_NEAR(Emitted, 25, 1) << "25 particles a second";
}

TEST_F(ParticlesTest, ParticlesWithoutAPositiveLifetimeDieAtTheirFirstUpdate) {
  struct TCase {
    const char* Name;
    uint8_t LifetimeMode;
    float Lifetime, Speed;
  } const Cases[] = {
      {"zero", 0, 0.0f, 1.0f},
      {"negative", 0, -1.0f, 1.0f},
      {"not a number", 0, std::numeric_limits<float>::quiet_NaN(), 1.0f},
      {"distance at speed zero", 1, 1.0f, 0.0f},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    TEmiter* E = Particles->AddEmiter(Case.Name);
    E->LifetimeMode = Case.LifetimeMode;
    E->Lifetime = Case.Lifetime;
    E->Speed = Case.Speed;
    E->Distance = 10;
    Particles->StartEffect(this, Case.Name, {0, 0}, 0, 1, 1);
    Particles->Update(0.1f);
    EXPECT_EQ(Particles->Instances.Count, 0);
  }
}

TEST_F(ParticlesTest, PathWrapModes) {
  TPath* Path = MakePath({{0, 0, 0}, {10, 100, 0}});
  ASSERT_TRUE(Path->Valid);
  struct TCase {
    uint8_t Mode;
    std::vector<float> Progress;
    std::vector<bool> Forward;
  } const Cases[] = {
      {0, {0.3f, 0.6f, 0.9f, 1.0f, 1.0f}, {true, true, true, true, true}},
      {1, {0.3f, 0.6f, 0.9f, 0.2f, 0.5f}, {true, true, true, true, true}},
      {2,
       {0.3f, 0.6f, 0.9f, 0.8f, 0.5f, 0.2f, 0.1f, 0.4f},
       {true, true, true, false, false, false, true, true}},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(static_cast<int>(Case.Mode));
    TEmiter* E = Particles->AddEmiter("Walker" + std::to_string(Case.Mode));
    E->Path = Path;
    E->PathStep = 3;  // 0.3 of the span per emission
    E->PathWrapMode = Case.Mode;
    E->Lifetime = 0.5f;
    TEffect* Effect = Particles->StartEffect(this, E->Name, {0, 0}, 0, 1, 1);
    for (size_t i = 0; i < Case.Progress.size(); ++i) {
      Particles->Update(i == 0 ? 0.0f : 1.0f);  // one emission per update
      EXPECT_NEAR(Effect->PathProgress, Case.Progress[i], 1e-5) << "step " << i;
      EXPECT_EQ(Effect->Forward, Case.Forward[i]) << "step " << i;
      EXPECT_EQ(Effect->MarkIndex, Floor(Effect->PathProgress * 10)) << "step " << i;
    }
    Particles->SetEffectActive(Effect, false);
  }
}

TEST_F(ParticlesTest, MarkPointsStayInsideTheirMark) {
  TPath* Path = MakePath({{0, 1, 1}, {1, 2, 2}, {2, 3, 3}}, {{1, 2}, {0, 0}});
  struct TCase {
    int32_t Mark, Index;
    float X;
  } const Cases[] = {{0, 0, 2}, {0, 1, 3}, {0, 2, 0}, {0, -1, 0}, {1, 0, 0}, {2, 0, 0}, {-1, 0, 0}};
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(testing::Message() << Case.Mark << "," << Case.Index);
    EXPECT_EQ(Path->GetMarkPoint(Case.Mark, Case.Index).X, Case.X);
  }
  EXPECT_EQ(Path->GetMarkCount(0), 2);
  EXPECT_EQ(Path->GetMarkCount(2), 0);
  EXPECT_EQ(Path->GetRandomMarkPoint(1).X, 0) << "an empty mark";
  for (int i = 0; i < 20; ++i) {
    const float X = Path->GetRandomMarkPoint(0).X;
    EXPECT_TRUE(X == 2 || X == 3) << X;
  }
  TPath Empty;
  EXPECT_EQ(Empty.GetRandomPoint().X, 0);
  EXPECT_EQ(Empty.GetRandomPoint().Y, 0);
}

class PathFileTest : public ParticlesTest {
 protected:
  void SetUp() override {
    ParticlesTest::SetUp();
    Folder =
        std::filesystem::temp_directory_path() / ("plotstead-paths-" + std::to_string(::getpid()));
    std::filesystem::create_directories(Folder);
    PathsFolder = Folder.string() + "/";
  }
  void TearDown() override { std::filesystem::remove_all(Folder); }

  void Write(const std::string& Name, const std::vector<int32_t>& Words) {
    std::ofstream File(Folder / (Name + ".pth"), std::ios::binary);
    File.write(reinterpret_cast<const char*>(Words.data()), Words.size() * 4);
  }

  std::filesystem::path Folder;
};

int32_t Bits(float F) {
  int32_t W;
  std::memcpy(&W, &F, 4);
  return W;
}

TEST_F(PathFileTest, LoadingRules) {
  const int32_t Point = 0x00020001;  // X 1, Y 2
  struct TCase {
    const char* Name;
    std::vector<int32_t> Words;  // empty: no file
    bool Valid;
    size_t Points;
    const char* Error;  // expected log message, nullptr for none
  } const Cases[] = {
      {"Good", {2, Bits(0), Point, Bits(5), Point, 1, 0, 2}, true, 2, nullptr},
      {"OnePoint", {1, Bits(5), Point, 0}, false, 1, nullptr},
      {"ZeroSpan", {2, Bits(0), Point, Bits(0), Point, 0}, false, 2, nullptr},
      {"Short", {2, Bits(0), Point, Bits(5)}, false, 0, "Stream read error"},
      {"NoMarkCount", {2, Bits(0), Point, Bits(5), Point}, false, 0, "Stream read error"},
      {"Huge", {0x7FFFFFFF, Bits(0), Point}, false, 0, "Stream read error"},
      {"Negative", {-1, 0}, false, 0, "Invalid path data"},
      {"MarkOutside", {2, Bits(0), Point, Bits(5), Point, 1, 1, 2}, false, 0, "Invalid path data"},
      {"Missing", {}, false, 0, "Missing file"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    if (!Case.Words.empty()) Write(Case.Name, Case.Words);
    ErrorLog->Lines.clear();
    TPath* Path = Particles->GetPath(Case.Name);
    EXPECT_EQ(Path->Valid, Case.Valid);
    EXPECT_EQ(Path->Points.size(), Case.Points);
    if (Case.Error) {
      ASSERT_EQ(ErrorLog->Lines.size(), 1u);
      EXPECT_EQ(ErrorLog->Lines[0],
                std::string("Failed to create path \"") + Case.Name + "\" (" + Case.Error + ")");
      EXPECT_TRUE(Path->Marks.empty());
      EXPECT_EQ(Path->Span, 0);
    } else {
      EXPECT_TRUE(ErrorLog->Lines.empty());
    }
    EXPECT_EQ(Particles->GetPath(Case.Name), Path) << "loaded once";
  }
}

TEST_F(ParticlesTest, LoopEffectChainStartsInactiveAndStopsAtOnce) {
  TEmiter* Smoke = Particles->AddEmiter("Smoke");
  Smoke->ChildName = "Sparks";
  Smoke->ChildLayerOffset = 5;
  Smoke->Interval = 0.1f;
  Particles->AddEmiter("Sparks", "Smoke")->ChildName.clear();
  const int SpritesBefore = World.SpritesInUse();

  TEffect* Effect = nullptr;
  Particles->StartLoopEffect(Effect, "Smoke", 100);
  ASSERT_NE(Effect, nullptr);
  ASSERT_NE(Effect->Child, nullptr);
  TEffect* First = Effect;
  Particles->StartLoopEffect(Effect, "Smoke", 100);
  EXPECT_EQ(Effect, First) << "a running loop effect is kept";
  EXPECT_EQ(Effect->Child->Layer, 105);
  EXPECT_EQ(Effect->Child->Emiter->Interval, 0.1f) << "copied from its parent emitter";
  Particles->Update(1.0f);
  EXPECT_EQ(Particles->Effects.Count, 2) << "inactive persistent effects stay";
  EXPECT_EQ(Particles->Instances.Count, 0);

  Particles->SetEffectActive(Effect, true);
  Particles->SetEffectPosition(Effect, {7, 8});
  EXPECT_TRUE(Effect->Child->Active);
  EXPECT_EQ(Effect->Child->Position.X, 7);
  Particles->Update(0.25f);
  EXPECT_EQ(Particles->Instances.Count, 6);

  Particles->StopLoopEffect(Effect);
  EXPECT_EQ(Effect, nullptr);
  EXPECT_EQ(Particles->Instances.Count, 0);
  EXPECT_EQ(Particles->Effects.Count, 0);
  EXPECT_EQ(World.SpritesInUse(), SpritesBefore);
}

TEST_F(ParticlesTest, ChildThatEndsFirstIsNotTouchedThroughItsParentAfterwards) {
  TEmiter* Long = Particles->AddEmiter("Long");
  Long->DurationMode = 1;
  Long->Duration = 1.0f;
  Long->Count = 0;
  Long->ChildName = "Short";
  TEmiter* Short = Particles->AddEmiter("Short", "Long");
  Short->Duration = 0.1f;
  TEffect* Parent = Particles->StartEffect(this, "Long", {0, 0}, 0, 1, 1);
  TEffect* FormerChild = Parent->Child;
  ASSERT_NE(FormerChild, nullptr);
  Particles->Update(0.2f);
  Particles->Update(0.2f);
  EXPECT_EQ(Parent->Child, nullptr) << "the child went back to the pool";

  // The pooled child object serves the next effect; the parent ending must leave it alone.
  TEffect* Other = Particles->StartEffect(this, "DustyJob", {0, 0}, 0, 1, 1);
  ASSERT_EQ(Other, FormerChild);
  Particles->Update(0.7f);
  EXPECT_FALSE(Parent->Active);
  EXPECT_TRUE(Other->Active);
}

TEST_F(ParticlesTest, EmittersThatWouldNeverStopAreBounded) {
  TEmiter* Loop = Particles->AddEmiter("Loop");
  Loop->ChildName = "Loop";
  Loop->Count = 0;
  Particles->StartEffect(this, "Loop", {0, 0}, 0, 1, 1);
  EXPECT_LE(Particles->Effects.Count, 10) << "a chain that names itself ends";

  TEmiter* Eager = Particles->AddEmiter("Eager");
  Eager->Interval = 0;
  Particles->StartEffect(this, "Eager", {0, 0}, 0, 1, 1);
  Particles->Update(0.1f);
  EXPECT_EQ(Particles->Instances.Count, 1) << "no interval: one emission per update";
}

TEST_F(ParticlesTest, UnknownEmitterGivesAnEffectThatFreesItself) {
  TEffect* Effect = Particles->StartEffect(this, "Nothing", {0, 0}, 0, 1, 1);
  EXPECT_FALSE(Effect->Active);
  Particles->Update(0.1f);
  EXPECT_EQ(Particles->Effects.Count, 0);
}

TEST_F(ParticlesTest, DirectionTowardsAndAwayFromPoints) {
  struct TCase {
    uint8_t Mode;
    TVector2 A, B;
    float Direction, VX, VY;
  } const Cases[] = {
      {3, {0, 0}, {20, 0}, 90, 1, 0},    // away from A (start at the midpoint (10, 0))
      {4, {0, 0}, {20, 0}, 270, -1, 0},  // towards A
      {5, {0, 0}, {0, 20}, 180, 0, 1},   // towards B, from (0, 10): down the screen
      {3, {4, 4}, {4, 4}, 0, 0, 0},      // start on the point: no direction
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(static_cast<int>(Case.Mode));
    TEmiter* E = Particles->AddEmiter("Aim");
    E->PositionMode = 4;
    E->PointA = Case.A;
    E->PointB = Case.B;
    E->DirectionMode = Case.Mode;
    Particles->StartEffect(this, "Aim", {0, 0}, 0, 1, 1);
    Particles->Update(0.01f);
    ASSERT_EQ(Particles->Instances.Count, 1);
    TParticle* P = Living()[0];
    EXPECT_NEAR(P->Direction, Case.Direction, 1e-3);
    EXPECT_NEAR(P->DirectionVector.X, Case.VX, 1e-5);
    EXPECT_NEAR(P->DirectionVector.Y, Case.VY, 1e-5);
    Particles->Instances.Clear();
    Particles->Effects.Clear();
    Particles->Emiters.Remove(E);
  }
}

TEST_F(ParticlesTest, BuiltInCopiesKeepTheirParentsParameters) {
  const TEmiter* Demolish = Particles->FindEmiter("Demolish");
  ASSERT_NE(Demolish, nullptr);
  EXPECT_EQ(Demolish->Interval, 0.04f);
  EXPECT_EQ(Demolish->Segment, 5);
  EXPECT_EQ(Demolish->DurationMode, 1);
  const TEmiter* Fireworks3 = Particles->FindEmiter("Fireworks3");
  ASSERT_NE(Fireworks3, nullptr);
  EXPECT_EQ(Fireworks3->Color2, 0x0000FFu);
  EXPECT_EQ(Fireworks3->Count, 50);

  Particles->StartEffect(this, "Demolish", {0, 0}, 0, 1, 1);
  EXPECT_EQ(Particles->Instances.Count, 13) << "half a second of dust at once";
}

}  // namespace
