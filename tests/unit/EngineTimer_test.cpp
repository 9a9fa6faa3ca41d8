#include "engine/EngineTimer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(Timer, ZeroDurationPhaseFinishesInsideAddPhase) {
  TTimer T;
  bool Got = false;
  TPhase* P = T.AddPhase(new TPhaseSetBoolean(&T, "", false, 0, true, [&](bool V) { Got = V; }));
  EXPECT_EQ(P, nullptr);
  EXPECT_TRUE(Got);
  EXPECT_EQ(T.Phases.Count, 0);
  EXPECT_EQ(T.AddPhase(nullptr), nullptr);
}

TEST(Timer, LerpReportsEveryFrameAndEndsExactlyAtTo) {
  TTimer T;
  std::vector<float> Seen;
  T.AddPhase(new TPhaseLerpSingle(&T, "fade", false, 0.5f, 0, 1, [&](float V) { Seen.push_back(V); }));
  for (int Frame = 0; Frame < 8; ++Frame) T.Update(0.1f);
  ASSERT_EQ(Seen.size(), 6u);
  const float Expected[] = {0, 0.2f, 0.4f, 0.6f, 0.8f, 1.0f};
  for (size_t i = 0; i < Seen.size(); ++i) EXPECT_NEAR(Seen[i], Expected[i], 1e-5) << i;
  EXPECT_EQ(Seen.back(), 1.0f);
  EXPECT_EQ(T.Phases.Count, 0);  // removed the frame after it finished
}

TEST(Timer, RemovedPhaseNeverCallsItsHandlerAndOnlyOneIsRemoved) {
  TTimer T;
  int Calls = 0;
  int Owner = 0;
  T.AddPhase(new TPhaseCall(&Owner, "hint", false, 1, [&] { ++Calls; }));
  T.AddPhase(new TPhaseCall(&Owner, "hint", false, 1, [&] { ++Calls; }));
  T.AddPhase(new TPhaseCall(&T, "hint", false, 1, [&] { ++Calls; }));
  T.RemovePhase(&Owner, "hint");
  EXPECT_EQ(T.Phases.Count, 2);
  T.RemovePhases(&T);
  EXPECT_EQ(T.Phases.Count, 1);
  for (int i = 0; i < 20; ++i) T.Update(0.1f);
  EXPECT_EQ(Calls, 1);
}

TEST(Timer, LoopingPhaseSpendsOneFrameFinishedPerPeriod) {
  TTimer T;
  int Calls = 0;
  T.AddPhase(new TPhaseCall(&T, "", true, 1.0f, [&] { ++Calls; }));
  // 0.25 s frames: 4 frames to finish, then one frame finished before it restarts.
  for (int Frame = 0; Frame < 20; ++Frame) T.Update(0.25f);
  EXPECT_EQ(Calls, 4);
}

TEST(Timer, DestroyingTheTimerCancelsSilently) {
  int Calls = 0;
  {
    TTimer T;
    T.AddPhase(new TPhaseSetString(&T, "", false, 1, "x", [&](const std::string&) { ++Calls; }));
  }
  EXPECT_EQ(Calls, 0);
}

TEST(FormatTime, ClockTexts) {
  const std::pair<int, const char*> Cases[] = {
      {0, "0:00"},  {5, "0:05"},       {59, "0:59"},       {60, "1:00"},       {65, "1:05"},
      {600, "10:00"}, {3599, "59:59"}, {3600, "1:00:00"}, {3665, "1:01:05"}, {36000, "10:00:00"}};
  for (auto [Seconds, Text] : Cases) EXPECT_EQ(FormatTime(Seconds), Text) << Seconds;
}

TEST(Numeric, RoundingFunctions) {
  EXPECT_EQ(Floor(2.7f), 2);
  EXPECT_EQ(Floor(3.0f), 3);
  EXPECT_EQ(Floor(-0.5f), -1);
  EXPECT_EQ(Floor(2.999995f), 3);  // within 0.00001 below an integer
  for (float Whole : {255.0f, 257.0f, 375.0f, 100001.0f}) EXPECT_EQ(Floor(Whole), int(Whole));
  EXPECT_EQ(Floor(375.7f), 375);
  EXPECT_EQ(LerpInt(0, 5, 0.5f), 2);   // 2.5 ties to even
  EXPECT_EQ(LerpInt(0, 7, 0.5f), 4);   // 3.5 ties to even
  EXPECT_EQ(LerpInt(10, 20, 0.25f), 12);
  EXPECT_EQ(EnsureRange(15, 0, 10), 10);
  EXPECT_EQ(EnsureRange(-3, 0, 10), 0);
  EXPECT_EQ(EnsureRange(5, 8, 2), 8);  // Lo wins when Lo > Hi
  EXPECT_EQ(LerpColor(0x80000000u, 0x00FF8040u, 0.5f), 0x80804020u);
  EXPECT_FLOAT_EQ(MapRange(15, 10, 20, 0, 100), 50);
  EXPECT_FLOAT_EQ(MapRange(25, 10, 20, 0, 100), 100);
  EXPECT_FLOAT_EQ(Frac(-1.25f), -0.25f);
  EXPECT_FLOAT_EQ(WrapAngle(370), 10);
}

TEST(Numeric, DirectionPointsUpAtZeroAndTurnsClockwise) {
  TVector2 Up = Direction(0), Right = Direction(90);
  EXPECT_NEAR(Up.X, 0, 1e-6);
  EXPECT_NEAR(Up.Y, -1, 1e-6);
  EXPECT_NEAR(Right.X, 1, 1e-6);
  EXPECT_NEAR(Right.Y, 0, 1e-6);
  TVector2 V = Normalize({3, 4});
  EXPECT_FLOAT_EQ(VectorLength(V), 1);
  EXPECT_TRUE(SameVector({0.1f, 2}, {0.1f, 2}));
  EXPECT_FALSE(SameVector({0.0f, 1}, {-0.0f, 1}));
}
