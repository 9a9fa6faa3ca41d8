#include "engine/EngineInput.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/EngineRegister.h"
#include "support/FakePlatform.h"

namespace {

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Platform = &Fake;
    Register = TRegister();
    Register.FullScreen = false;
    Register.WindowWidth = Register.ScreenWidth = 1000;
    Register.WindowHeight = Register.ScreenHeight = 500;
    Made = std::make_unique<TInput>();
    Made->Resume();
  }
  void TearDown() override {
    Made.reset();
    Platform = nullptr;
  }

  void Hold(std::initializer_list<TKey> Keys, bool Down = true) {
    for (TKey Key : Keys) Fake.Keys[Key] = Down;
  }
  void Release(std::initializer_list<TKey> Keys) { Hold(Keys, false); }
  void ReleaseAll() {
    for (bool& Key : Fake.Keys) Key = false;
    Fake.Buttons[kMouseLeft] = Fake.Buttons[kMouseRight] = false;
  }
  void Frame() {
    Fake.EndFrame();
    Subject().Update();
  }
  TInput& Subject() { return *Made; }

  TFakePlatform Fake;
  std::unique_ptr<TInput> Made;
};

struct TPressCase {
  const char* Name;
  std::initializer_list<TKey> Keys;
  std::function<bool(const TInput&)> Flag;
};

const TPressCase kPressCases[] = {
    {"Escape", {kKeyEscape}, [](const TInput& I) { return I.EscapePressed; }},
    {"Enter", {kKeyEnter}, [](const TInput& I) { return I.ConfirmPressed; }},
    {"Space", {kKeySpace}, [](const TInput& I) { return I.ConfirmPressed; }},
    {"F1", {kKeyF1}, [](const TInput& I) { return I.HelpPressed; }},
    {"H", {LetterKey('H')}, [](const TInput& I) { return I.HelpPressed; }},
    {"Pause", {kKeyPause}, [](const TInput& I) { return I.PausePressed; }},
    {"F11", {kKeyF11}, [](const TInput& I) { return I.FullScreenPressed; }},
    {"Alt+Enter", {kKeyAlt, kKeyEnter}, [](const TInput& I) { return I.FullScreenPressed; }},
};

TEST_F(InputTest, HeldKeyIsPressedInOneUpdateOnly) {
  for (const TPressCase& Case : kPressCases) {
    SCOPED_TRACE(Case.Name);
    ReleaseAll();
    Frame();
    Hold(Case.Keys);
    Frame();
    EXPECT_TRUE(Case.Flag(Subject()));
    for (int i = 0; i < 3; ++i) {
      Frame();
      EXPECT_FALSE(Case.Flag(Subject()));
    }
    ReleaseAll();
    Frame();
    Hold(Case.Keys);
    Frame();
    EXPECT_TRUE(Case.Flag(Subject())) << "again after a release";
  }
}

TEST_F(InputTest, ModifiersMaskEveryKeyButTheMouseAndAltEnter) {
  const std::initializer_list<TKey> kMasked[] = {
      {kKeyCtrl, kKeyEscape}, {kKeyAlt, kKeyF1}, {kKeyCtrl, LetterKey('H')},
      {kKeySuper, kKeySpace}, {kKeyCtrl, kKeyF11}, {kKeyCtrl, kKeyEnter}, {kKeySuper, kKeyPause}};
  for (auto Keys : kMasked) {
    ReleaseAll();
    Frame();
    Hold(Keys);
    Frame();
    EXPECT_FALSE(Subject().EscapePressed || Subject().ConfirmPressed || Subject().HelpPressed ||
                 Subject().PausePressed || Subject().FullScreenPressed);
  }
  ReleaseAll();
  Frame();
  Hold({kKeyAlt, kKeyEnter});
  Fake.Buttons[kMouseLeft] = true;
  Frame();
  EXPECT_TRUE(Subject().FullScreenPressed);
  EXPECT_FALSE(Subject().ConfirmPressed);
  EXPECT_TRUE(Subject().MouseClicked);
}

TEST_F(InputTest, ConfirmWhileTheOtherConfirmKeyIsHeld) {
  for (auto [First, Second] : {std::pair{kKeySpace, kKeyEnter}, std::pair{kKeyEnter, kKeySpace}}) {
    ReleaseAll();
    Frame();
    Hold({First});
    Frame();
    Frame();
    EXPECT_FALSE(Subject().ConfirmPressed);
    Hold({Second});
    Frame();
    EXPECT_TRUE(Subject().ConfirmPressed);
  }
}

TEST_F(InputTest, MouseButtonStatesFollowTheLeftButton) {
  Fake.Buttons[kMouseRight] = true;
  Frame();
  EXPECT_FALSE(Subject().MouseDown);
  Fake.Buttons[kMouseLeft] = true;
  Frame();
  EXPECT_TRUE(Subject().MouseDown && Subject().MouseClicked && !Subject().MouseWasDown);
  Frame();
  EXPECT_TRUE(Subject().MouseDown && !Subject().MouseClicked && Subject().MouseWasDown);
  Fake.Buttons[kMouseLeft] = false;
  Frame();
  EXPECT_TRUE(!Subject().MouseDown && Subject().MouseWasDown);
}

TEST_F(InputTest, EachHiddenCodeIsReportedOnceUntilAllLettersAreReleased) {
  for (int Code = 1; Code <= TInput::kCodeCount; ++Code) {
    SCOPED_TRACE(Code);
    ReleaseAll();
    Frame();
    for (char Letter : TInput::kCodes[Code - 1]) Fake.Keys[LetterKey(Letter)] = true;
    Frame();
    EXPECT_EQ(Subject().CheatCode, Code);
    for (int i = 0; i < 5; ++i) {
      Frame();
      EXPECT_EQ(Subject().CheatCode, 0);
    }
  }
}

TEST_F(InputTest, HiddenCodesNeedAFullReleaseAndNoModifier) {
  ReleaseAll();
  Frame();
  Hold({LetterKey('Q'), LetterKey('P'), LetterKey('A')});
  Frame();
  EXPECT_EQ(Subject().CheatCode, 2);
  // Letting go of one letter and taking the next code's letter does not count: Q and P
  // were never released.
  Release({LetterKey('A')});
  Frame();
  Hold({LetterKey('S')});
  Frame();
  EXPECT_EQ(Subject().CheatCode, 0);
  ReleaseAll();
  Frame();
  Hold({kKeyCtrl, LetterKey('Q'), LetterKey('P'), LetterKey('S')});
  Frame();
  EXPECT_EQ(Subject().CheatCode, 0);
  Release({kKeyCtrl});
  Frame();
  EXPECT_EQ(Subject().CheatCode, 3);
}

TEST_F(InputTest, CodesShareLettersAsDesigned) {
  int Letters = 0;
  for (char Letter = 'A'; Letter <= 'Z'; ++Letter) {
    bool Used = false;
    for (const auto& Code : TInput::kCodes)
      for (char L : Code) Used = Used || L == Letter;
    Letters += Used;
  }
  EXPECT_EQ(Letters, 8);
  for (int Code = 1; Code < 5; ++Code) {
    EXPECT_EQ(TInput::kCodes[Code][0], TInput::kCodes[1][0]);
    EXPECT_EQ(TInput::kCodes[Code][1], TInput::kCodes[1][1]);
  }
  for (const auto& Code : TInput::kCodes)
    for (char L : Code) EXPECT_NE(L, 'H') << "H is the help key";
}

TEST_F(InputTest, ClockPulseAndResumeAfterInactivity) {
  Frame();
  EXPECT_FLOAT_EQ(Subject().FrameTime, 1.0f / 60);
  EXPECT_EQ(Subject().FrameTimeMs, 16);
  // Half a second in: the pulse peaks; a new second wraps the phase.
  Fake.Counter = Fake.Frequency * 10 + Fake.Frequency / 2;
  Subject().Update();
  EXPECT_NEAR(Subject().Pulse, 1.0f, 1e-5);
  Fake.Counter = Fake.Frequency * 11 + Fake.Frequency / 10;
  Subject().Update();
  EXPECT_TRUE(Subject().SecondTick);
  EXPECT_NEAR(Subject().Pulse, 0.2f, 1e-5);

  Subject().Suspend();
  Fake.Counter += Fake.Frequency * 10;
  Subject().Update();
  EXPECT_NEAR(Subject().Pulse, 0.2f, 1e-5) << "a suspended input samples nothing";
  Subject().Resume();
  Fake.Counter += Fake.Frequency / 60;
  Subject().Update();
  EXPECT_FLOAT_EQ(Subject().FrameTime, 1.0f / 60);
}

TEST_F(InputTest, MousePositionInsideAndOutsideTheWindow) {
  struct TCase {
    bool FullScreen;
    int X, Y;
    bool Inside;
    float MouseX, MouseY;
  };
  const TCase kCases[] = {
      {false, 250, 100, true, 0.25f, 0.2f},     {false, 0, 0, true, 0.0f, 0.0f},
      {false, 1000, 100, false, 1.0f, 0.2f},    {false, 100, -20, false, 0.1f, -0.04f},
      {true, -5, 2000, true, -0.005f, 4.0f},
  };
  for (const TCase& Case : kCases) {
    Register.FullScreen = Case.FullScreen;
    Fake.CursorX = Case.X;
    Fake.CursorY = Case.Y;
    Frame();
    EXPECT_EQ(Subject().MouseInside, Case.Inside) << Case.X << "," << Case.Y;
    EXPECT_FLOAT_EQ(Subject().MouseX, Case.MouseX);
    EXPECT_FLOAT_EQ(Subject().MouseY, Case.MouseY);
  }
}

TEST_F(InputTest, LineEditorKeepsToItsLimit) {
  Subject().KeyChar('x');
  EXPECT_EQ(Subject().Text, "") << "idle editor";
  Subject().BeginTextInput(-3);
  EXPECT_EQ(Subject().MaxLength, 3);
  Subject().KeyChar(8);
  for (uint8_t Ch : {'A', 'n', 'n', 'a'}) Subject().KeyChar(Ch);
  EXPECT_EQ(Subject().Text, "Ann");
  Subject().KeyChar(8);
  Subject().KeyChar(13);
  Subject().KeyChar(19);
  Subject().KeyChar(0xE9);
  EXPECT_EQ(Subject().Text, "An\xE9");
  EXPECT_EQ(Subject().EndTextInput(), "An\xE9");
  EXPECT_FALSE(Subject().TextInput);
  EXPECT_EQ(Subject().MaxLength, 0);
  EXPECT_EQ(Subject().Text, "");
}

TEST(InputCreation, FailsWithoutACounter) {
  TFakePlatform Fake;
  Fake.Frequency = 0;
  Platform = &Fake;
  try {
    TInput Subject;
    FAIL() << "created without a counter";
  } catch (const std::runtime_error& Error) {
    EXPECT_EQ(std::string(Error.what()).rfind("Failed to create timer - error code ", 0), 0u);
  }
  Fake.Frequency = 1000;
  TInput Subject;
  EXPECT_TRUE(Subject.Suspended);
  Platform = nullptr;
}

}  // namespace
