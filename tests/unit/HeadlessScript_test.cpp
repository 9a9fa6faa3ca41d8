#include "platform/headless/HeadlessScript.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"

namespace {

TEST(HeadlessScriptParse, BadLinesNameTheirLine) {
  struct TCase {
    const char* Line;
    const char* Reason;
  };
  const TCase kCases[] = {
      {"jump 3", "unknown command \"jump\""},
      {"wait", "wait takes one argument"},
      {"wait -1", "\"-1\" is not a number of 0 or more"},
      {"wait 3x", "\"3x\" is not a number"},
      {"wait 99999999999", "is not a number"},
      {"move 10", "move takes two arguments"},
      {"click 1 2 3", "click takes two arguments"},
      {"key Tab", "unknown key \"Tab\""},
      {"key Alt+", "unknown key \"\""},
      {"key", "key takes one argument"},
      {"down now", "down takes no arguments"},
      {"type", "type needs a text"},
      {"screenshot   # no file", "screenshot needs a file name"},
      {"Quit", "unknown command \"Quit\""},
  };
  for (const TCase& Case : kCases) {
    SCOPED_TRACE(Case.Line);
    try {
      ParseScript("# a comment\nwait 1\n" + std::string(Case.Line) + "\nquit\n");
      ADD_FAILURE() << "accepted";
    } catch (const TScriptError& Error) {
      EXPECT_EQ(Error.Line, 3);
      std::string Message = Error.what();
      EXPECT_EQ(Message.rfind("Script line 3: ", 0), 0u) << Message;
      EXPECT_NE(Message.find(Case.Reason), std::string::npos) << Message;
    }
  }
  EXPECT_THROW(ParseScript(std::string("wait 1\nty\0pe x\n", 14)), TScriptError);
}

TEST(HeadlessScriptParse, CommentsBlanksAndArguments) {
  const std::vector<TScriptCommand> Commands = ParseScript(
      "  # set-up\r\n"
      "\r\n"
      "wait 30   # frames\r\n"
      "click -5 812\r\n"
      "key alt+Enter\n"
      "key h\n"
      "type Zo\xC3\xAB \xE2\x82\xAC#1  # the name\n"
      "screenshot out dir/shot#2.png\n"
      "\tquit");
  ASSERT_EQ(Commands.size(), 7u);
  EXPECT_EQ(Commands[0].Op, TScriptOp::Wait);
  EXPECT_EQ(Commands[0].Count, 30);
  EXPECT_EQ(Commands[0].Line, 3);
  EXPECT_EQ(Commands[1].Op, TScriptOp::Click);
  EXPECT_EQ(Commands[1].X, -5);
  EXPECT_EQ(Commands[1].Y, 812);
  EXPECT_EQ(Commands[2].Keys, (std::vector<TKey>{kKeyAlt, kKeyEnter}));
  EXPECT_EQ(Commands[3].Keys, (std::vector<TKey>{LetterKey('H')}));
  EXPECT_EQ(Commands[4].Text, "Zo\xEB \x80#1");
  EXPECT_EQ(Commands[5].Text, "out dir/shot#2.png");
  EXPECT_EQ(Commands[6].Op, TScriptOp::Quit);
  EXPECT_EQ(Commands[6].Line, 9);
}

// What the player shows in each frame it plays.
struct TFrameState {
  bool Mouse = false;
  std::vector<TKey> Keys;
  int X = 0, Y = 0;
  std::string Typed, Screenshot;
  bool Quit = false;
  bool operator==(const TFrameState&) const = default;
};

std::vector<TFrameState> Play(TScriptPlayer& Player, int MaxFrames = 50) {
  std::vector<TFrameState> Frames;
  const TKey Watched[] = {kKeyAlt, kKeyEnter, kKeyEscape, kKeyBackspace};
  for (int i = 0; i < MaxFrames; ++i) {
    Player.BeginFrame();
    TFrameState State;
    State.Quit = Player.QuitRequested();
    State.Mouse = Player.MouseDown();
    for (TKey Key : Watched)
      if (Player.KeyDown(Key)) State.Keys.push_back(Key);
    State.X = Player.CursorX();
    State.Y = Player.CursorY();
    State.Typed = Player.TakeTypedText();
    State.Screenshot = Player.Screenshot();
    Frames.push_back(State);
    if (State.Quit) break;
    Player.EndFrame();
  }
  return Frames;
}

TEST(HeadlessScriptPlayer, CommandsMapOntoFrames) {
  TScriptPlayer Player;
  Player.Start(ParseScript(
      "move 100 200\nclick 10 20\nkey Alt+Enter\nwait 3\ntype Hi\nscreenshot a.png\ndown\n"
      "move 30 40\nup\nkey Backspace\nquit\nwait 5\n"));
  const std::vector<TFrameState> Expected = {
      {true, {}, 10, 20, "", "", false},                     // click presses
      {false, {}, 10, 20, "", "", false},                    // and releases
      {false, {kKeyAlt, kKeyEnter}, 10, 20, "", "", false},  // key presses
      {false, {}, 10, 20, "", "", false},                    // and releases
      {false, {}, 10, 20, "", "", false},                    // wait 3
      {false, {}, 10, 20, "", "", false},
      {false, {}, 10, 20, "", "", false},
      {false, {}, 10, 20, "Hi", "a.png", false},  // typed text goes with the next frame
      {true, {}, 10, 20, "", "", false},          // down
      {false, {}, 30, 40, "", "", false},         // move does not end the frame, up does
      {false, {kKeyBackspace}, 30, 40, "\b", "", false},
      {false, {}, 30, 40, "", "", false},
      {false, {}, 30, 40, "", "", true},
  };
  EXPECT_EQ(Play(Player), Expected);
  EXPECT_EQ(Player.FramesRun(), 12);
}

TEST(HeadlessScriptPlayer, RunEndsWithTheScriptOrTheFrameLimit) {
  struct TCase {
    const char* Script;  // nullptr: no script
    int Limit;
    int Frames;  // frames run before the player asks to quit
  };
  const TCase kCases[] = {
      {"wait 4", -1, 4},  {"key Escape", -1, 2}, {"", -1, 0},         {"wait 0\nquit", -1, 0},
      {"wait 100", 10, 10}, {nullptr, 10, 10},     {nullptr, 0, 0},     {"move 1 1", -1, 0},
  };
  for (const TCase& Case : kCases) {
    SCOPED_TRACE(Case.Script ? Case.Script : "(no script)");
    TScriptPlayer Player;
    Player.LimitFrames(Case.Limit);
    if (Case.Script) Player.Start(ParseScript(Case.Script));
    std::vector<TFrameState> Frames = Play(Player, 200);
    EXPECT_TRUE(Frames.back().Quit);
    EXPECT_EQ(Player.FramesRun(), Case.Frames);
  }
}

TEST(HeadlessScriptLayout, LayoutPointsInClientPixels) {
  struct TCase {
    int Width, Height, LayoutX, LayoutY, X, Y;
  };
  const TCase kCases[] = {
      {1280, 800, 0, 0, 0, 0},       {1280, 800, 1279, 799, 1279, 799},
      {1088, 680, 640, 400, 544, 340}, {1088, 680, 1280, 800, 1088, 680},
      {1920, 1080, 0, 0, 96, 0},     {1920, 1080, 640, 400, 960, 540},
      {1024, 768, 0, 0, 0, 64},      {1024, 768, 1280, 800, 1024, 704},
  };
  for (const TCase& Case : kCases) {
    int X, Y;
    LayoutToClient(Case.LayoutX, Case.LayoutY, Case.Width, Case.Height, X, Y);
    EXPECT_EQ(X, Case.X) << Case.Width << "x" << Case.Height << " " << Case.LayoutX;
    EXPECT_EQ(Y, Case.Y) << Case.Width << "x" << Case.Height << " " << Case.LayoutY;
  }
}

std::vector<TPlatformEvent> TakeEvents(THeadlessPlatform& Headless) {
  std::vector<TPlatformEvent> Events;
  TPlatformEvent Event;
  while (Headless.PollEvent(Event)) Events.push_back(Event);
  return Events;
}

TEST(HeadlessPlatform, VirtualClockEventsAndInput) {
  THeadlessPlatform Headless({"/tmp/plotstead-user", -1});
  EXPECT_EQ(Headless.ConfigHome(), "/tmp/plotstead-user/config/");
  EXPECT_EQ(Headless.DocumentsFolder(), "/tmp/plotstead-user/Documents/");
  Headless.CreateWindow(0, 0, 1088, 680);
  Headless.StartScript(ParseScript("type A\xC3\xA9\nclick 1280 800\nkey Backspace\n"));

  std::vector<TPlatformEvent> Events = TakeEvents(Headless);
  ASSERT_EQ(Events.size(), 2u);
  EXPECT_EQ(Events[1].Kind, TPlatformEventKind::Char);
  EXPECT_EQ(Events[1].Char, 0xE9);
  EXPECT_TRUE(Headless.MouseButtonDown(kMouseLeft));
  EXPECT_FALSE(Headless.MouseButtonDown(kMouseRight));
  int X, Y;
  Headless.CursorPosition(X, Y);
  EXPECT_EQ(X, 1088);
  EXPECT_EQ(Y, 680);
  EXPECT_TRUE(TakeEvents(Headless).empty()) << "one step per frame";
  const int64_t Before = Headless.PerformanceCounter();
  Headless.EndFrame();
  EXPECT_EQ(Headless.PerformanceCounter() - Before, Headless.PerformanceFrequency() / 60);

  EXPECT_TRUE(TakeEvents(Headless).empty());
  EXPECT_FALSE(Headless.MouseButtonDown(kMouseLeft));
  Headless.EndFrame();
  Events = TakeEvents(Headless);
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_EQ(Events[0].Char, 8);
  EXPECT_TRUE(Headless.KeyDown(kKeyBackspace));
  Headless.EndFrame();
  EXPECT_TRUE(TakeEvents(Headless).empty());
  Headless.EndFrame();
  Events = TakeEvents(Headless);
  ASSERT_EQ(Events.size(), 1u);
  EXPECT_EQ(Events[0].Kind, TPlatformEventKind::Close);
  Headless.EndFrame();
  EXPECT_TRUE(TakeEvents(Headless).empty()) << "Close is reported once";
}

TEST(HeadlessPlatform, FullScreenUsesTheDesktop) {
  THeadlessPlatform Headless({"", 5});
  int Width, Height;
  Headless.DesktopSize(Width, Height);
  Headless.CreateWindow(0, 0, 1088, 680);
  Headless.SetWindowMode(true, 1088, 680);
  EXPECT_EQ(Headless.ClientWidth(), Width);
  EXPECT_EQ(Headless.ClientHeight(), Height);
  Headless.SetWindowMode(false, 1088, 680);
  EXPECT_EQ(Headless.ClientWidth(), 1088);
  int Frames = 0;
  while (TakeEvents(Headless).empty()) {
    Headless.EndFrame();
    ++Frames;
  }
  EXPECT_EQ(Frames, 5);
}

}  // namespace
