#include "app/Program.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>

#include "app/EngineRegister.h"
#include "engine/EngineInput.h"
#include "engine/EngineLanguages.h"
#include "engine/EngineTimer.h"
#include "support/FakePlatform.h"

namespace {

namespace fs = std::filesystem;

// A fake desktop whose test decides what happens before each frame.
class TFrameFake : public TFakePlatform {
 public:
  bool ClaimSingleInstance() override { return FirstCopy; }
  bool CreateWindow(int X, int Y, int W, int H) override {
    return CanCreateWindow && TFakePlatform::CreateWindow(X, Y, W, H);
  }
  bool PollEvent(TPlatformEvent& Event) override {
    if (!Prepared) {
      Prepared = true;
      if (BeforeFrame) BeforeFrame(Frames);
    }
    return TFakePlatform::PollEvent(Event);
  }
  void WaitEvent() override {
    ++Waits;
    if (OnWait) OnWait();
  }
  bool KeyDown(TKey Key) override {
    if (ThrowAtFrame == Frames) throw std::runtime_error("Broken keyboard");
    return TFakePlatform::KeyDown(Key);
  }
  void EndFrame() override {
    TFakePlatform::EndFrame();
    ++Frames;
    Prepared = false;
  }
  void Push(TPlatformEventKind Kind) { Events.push_back({Kind, 0}); }

  bool FirstCopy = true;
  bool CanCreateWindow = true;
  bool Prepared = false;
  int Frames = 0, Waits = 0, ThrowAtFrame = -1;
  std::function<void(int)> BeforeFrame;
  std::function<void()> OnWait;
};

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Root = fs::temp_directory_path() /
           ("plotstead-program-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(Root);
    fs::create_directories(Root / "data/Languages/English");
    std::ofstream(Root / "data/Languages/English/Language.txt")
        << "[sidGameTitle]\nTest Town\n[sidMsgUnsupportedVideo]\nNo video\n";
    setenv("PLOTSTEAD_DATA", (Root / "data").c_str(), 1);
    SetUserDirOverride((Root / "user").string());
    Fake.Exe = Root.string() + "/";
    Register = TRegister();
    Platform = &Fake;
  }
  void TearDown() override {
    Platform = nullptr;
    unsetenv("PLOTSTEAD_DATA");
    fs::remove_all(Root);
  }
  void CloseAtFrame(int Frame) {
    Fake.BeforeFrame = [this, Frame](int Now) {
      if (Now == Frame) Fake.Push(TPlatformEventKind::Close);
    };
  }
  std::string UserFile(const char* Name) const {
    std::ifstream File(Root / "user" / Name);
    if (!File) return "(missing)";
    std::stringstream Content;
    Content << File.rdbuf();
    return Content.str();
  }
  // The log's lines without those of the media loaders, which report every picture and sound
  // this small data folder lacks; the program body's own lines are what these tests follow.
  std::string BodyLog() const {
    std::string Log = UserFile("Error.log");
    if (Log == "(missing)") return "";
    static const std::regex kMediaLine("Failed to (create|load) [a-z ]+ \"[^\"]*\".*");
    std::istringstream Lines(Log);
    std::string Line, Kept;
    while (std::getline(Lines, Line)) {
      if (!Line.empty() && Line.back() == '\r') Line.pop_back();
      if (!std::regex_match(Line, kMediaLine)) Kept += Line + "\r\n";
    }
    return Kept;
  }
  bool AllFreed() const { return !Languages && !Input && !Timer && !Fake.Window; }

 public:
  fs::path Root;
  TFrameFake Fake;
};

TEST_F(ProgramTest, CloseEndsTheRunNormally) {
  CloseAtFrame(3);
  EXPECT_EQ(RunProgram({}), ecSuccess);
  EXPECT_EQ(Fake.Frames, 3);
  EXPECT_EQ(Fake.Title, "Test Town");
  EXPECT_TRUE(AllFreed());
  EXPECT_FALSE(Running);
  EXPECT_NE(UserFile("Game.ini").find("FullScreen=1"), std::string::npos);
  EXPECT_EQ(BodyLog(), "");
  EXPECT_TRUE(Fake.IsFullScreen) << "the window opens in the mode of the settings";
}

TEST_F(ProgramTest, AnErrorInAFrameEndsTheProgramAtTheNextPass) {
  Fake.ThrowAtFrame = 2;
  Fake.BeforeFrame = [this](int Now) {
    if (Now > 2) ADD_FAILURE() << "a frame ran after the error";
  };
  EXPECT_EQ(RunProgram({}), ecFailure);
  EXPECT_EQ(Fake.Frames, 3) << "the failed frame still ends";
  EXPECT_EQ(BodyLog(), "Broken keyboard\r\n");
  EXPECT_TRUE(AllFreed());
  EXPECT_EQ(Fake.LastMessageBox, "") << "frame errors show nothing on screen";
}

TEST_F(ProgramTest, InactiveWindowRunsNoFramesAndKeepsNoTime) {
  float FirstFrameAfterWait = -1;
  Fake.BeforeFrame = [&](int Now) {
    if (Now == 2) Fake.Push(TPlatformEventKind::Deactivated);
    if (Now == 3) {
      FirstFrameAfterWait = Input->FrameTime;
      Fake.Push(TPlatformEventKind::Close);
    }
  };
  Fake.OnWait = [&] {
    // Ten seconds pass while the window is away, then it comes back.
    Fake.Counter += Fake.Frequency * 10;
    if (Fake.Waits == 3) Fake.Push(TPlatformEventKind::Activated);
  };
  EXPECT_EQ(RunProgram({}), ecSuccess);
  EXPECT_EQ(Fake.Waits, 3);
  EXPECT_EQ(Fake.Frames, 3);
  EXPECT_GE(FirstFrameAfterWait, 0.0f);
  EXPECT_LT(FirstFrameAfterWait, 1.0f / 60 + 1e-6f) << "the thirty seconds away do not count";
}

TEST_F(ProgramTest, FullScreenKeyTogglesTheWindowAndTheSettings) {
  Fake.BeforeFrame = [&](int Now) {
    Fake.Keys[kKeyF11] = Now == 1;
    if (Now == 3) Fake.Push(TPlatformEventKind::Close);
  };
  EXPECT_EQ(RunProgram({}), ecSuccess);
  EXPECT_FALSE(Fake.IsFullScreen);
  EXPECT_NE(UserFile("Game.ini").find("FullScreen=0"), std::string::npos);
}

TEST_F(ProgramTest, FailedStartsLeaveTheReasonInTheLog) {
  struct TCase {
    const char* Name;
    std::function<void(ProgramTest&)> Break;
    const char* Script;  // nullptr: no script
    int ExitCode;
    const char* Log;
  };
  const TCase kCases[] = {
      {"no languages", [](ProgramTest& T) { fs::remove_all(T.Root / "data/Languages"); },
       nullptr, ecFailure, "No language found\r\n"},
      {"no window", [](ProgramTest& T) { T.Fake.CanCreateWindow = false; }, nullptr, ecFailure,
       "Failed to create window\r\n"},
      {"bad script", [](ProgramTest&) {}, "wait 1\nfly\n", ecBadScript,
       "Script line 2: unknown command \"fly\"\r\n"},
  };
  for (const TCase& Case : kCases) {
    SCOPED_TRACE(Case.Name);
    TearDown();
    Fake = TFrameFake();
    SetUp();
    Case.Break(*this);
    TProgramOptions Options;
    if (Case.Script) {
      Options.ScriptFile = (Root / "script.txt").string();
      std::ofstream(Options.ScriptFile) << Case.Script;
    }
    EXPECT_EQ(RunProgram(Options), Case.ExitCode);
    EXPECT_EQ(UserFile("Error.log"), Case.Log);
    EXPECT_TRUE(AllFreed());
    EXPECT_FALSE(Running);
    EXPECT_EQ(Fake.Frames, 0);
    EXPECT_EQ(Fake.LastMessageBox, "");
  }
}

TEST_F(ProgramTest, ASecondCopyTouchesNoFile) {
  Fake.FirstCopy = false;
  EXPECT_EQ(RunProgram({}), ecSuccess);
  EXPECT_FALSE(fs::exists(Root / "user"));
  EXPECT_FALSE(Fake.Window);
}

TEST_F(ProgramTest, CleanRunRemovesTheLogOfAFailedOne) {
  fs::create_directories(Root / "user");
  std::ofstream(Root / "user/Error.log") << "Old failure\r\n";
  CloseAtFrame(1);
  EXPECT_EQ(RunProgram({}), ecSuccess);
  EXPECT_EQ(BodyLog(), "");
}

}  // namespace
