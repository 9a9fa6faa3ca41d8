// The real SDL window on a private X server (Xvfb): its title, the close button, a second copy
// and a polite kill. The test talks to the X server through libX11 loaded at run time, so the
// test program needs no X11 link of its own.
#include <gtest/gtest.h>
// After gtest: Xlib's macros (None, Status, Bool) would break its headers.
#include <X11/Xlib.h>
#include <dlfcn.h>
#undef None
#undef Status
#undef Bool
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

bool WaitFor(const std::function<bool()>& Condition, double Seconds) {
  const auto End = std::chrono::steady_clock::now() + std::chrono::duration<double>(Seconds);
  while (std::chrono::steady_clock::now() < End) {
    if (Condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return Condition();
}

// Starts a program that dies with the test, so a failing test never leaves a game or an X
// server behind holding CTest's output pipe.
pid_t Spawn(const std::vector<std::string>& Arguments, const std::vector<std::string>& Extra,
            int OutputFd = -1) {
  std::vector<std::string> Environment = Extra;
  for (char** Entry = environ; *Entry; ++Entry) Environment.push_back(*Entry);
  std::vector<char*> Argv, Envp;
  for (const std::string& A : Arguments) Argv.push_back(const_cast<char*>(A.c_str()));
  for (const std::string& E : Environment) Envp.push_back(const_cast<char*>(E.c_str()));
  Argv.push_back(nullptr);
  Envp.push_back(nullptr);
  const pid_t Parent = getpid();
  const pid_t Pid = fork();
  if (Pid != 0) return Pid;
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != Parent) _exit(127);
  if (OutputFd >= 0) dup2(OutputFd, 3);
  execvpe(Argv[0], Argv.data(), Envp.data());
  _exit(127);
}

// The exit status, or -1 while it runs after Seconds, or 128 + signal.
int WaitExit(pid_t Pid, double Seconds) {
  int Raw = 0, Result = -1;
  WaitFor([&] {
    if (waitpid(Pid, &Raw, WNOHANG) != Pid) return false;
    Result = WIFEXITED(Raw) ? WEXITSTATUS(Raw) : 128 + WTERMSIG(Raw);
    return true;
  }, Seconds);
  return Result;
}

// The few Xlib calls the test needs.
struct TX11 {
  void* Library = dlopen("libX11.so.6", RTLD_NOW);
  template <typename T>
  T Get(const char* Name) {
    return reinterpret_cast<T>(Library ? dlsym(Library, Name) : nullptr);
  }
  decltype(&XOpenDisplay) OpenDisplay = Get<decltype(&XOpenDisplay)>("XOpenDisplay");
  decltype(&XCloseDisplay) CloseDisplay = Get<decltype(&XCloseDisplay)>("XCloseDisplay");
  decltype(&XDefaultRootWindow) DefaultRoot =
      Get<decltype(&XDefaultRootWindow)>("XDefaultRootWindow");
  decltype(&XQueryTree) QueryTree = Get<decltype(&XQueryTree)>("XQueryTree");
  decltype(&XFree) Free = Get<decltype(&XFree)>("XFree");
  decltype(&XInternAtom) InternAtom = Get<decltype(&XInternAtom)>("XInternAtom");
  decltype(&XGetWindowProperty) GetProperty = Get<decltype(&XGetWindowProperty)>("XGetWindowProperty");
  decltype(&XSendEvent) SendEvent = Get<decltype(&XSendEvent)>("XSendEvent");
  decltype(&XFlush) Flush = Get<decltype(&XFlush)>("XFlush");
  decltype(&XSetErrorHandler) SetErrorHandler =
      Get<decltype(&XSetErrorHandler)>("XSetErrorHandler");
  bool Ready() const { return OpenDisplay && CloseDisplay && DefaultRoot && QueryTree && Free &&
                              InternAtom && GetProperty && SendEvent && Flush && SetErrorHandler; }
};

class SdlShellTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    int Pipe[2];
    ASSERT_EQ(pipe(Pipe), 0);
    Server = Spawn({"Xvfb", "-displayfd", "3", "-screen", "0", "1280x800x24", "-nolisten", "tcp"},
                   {}, Pipe[1]);
    close(Pipe[1]);
    ASSERT_GT(Server, 0) << "Xvfb is missing: scripts/test installs the xvfb package";
    std::string Number;
    char Ch;
    while (read(Pipe[0], &Ch, 1) == 1 && Ch != '\n') Number += Ch;
    close(Pipe[0]);
    ASSERT_FALSE(Number.empty()) << "Xvfb did not start";
    Display = ":" + Number;
  }
  static void TearDownTestSuite() {
    if (Server > 0) {
      kill(Server, SIGTERM);
      WaitExit(Server, 10);
    }
  }
  void SetUp() override {
    ASSERT_TRUE(X.Ready()) << "libX11.so.6 not found";
    // A window can vanish between listing and reading it; Xlib would end the test for that.
    X.SetErrorHandler([](::Display*, XErrorEvent*) { return 0; });
    Connection = X.OpenDisplay(Display.c_str());
    ASSERT_NE(Connection, nullptr);
    User = fs::temp_directory_path() /
           ("plotstead-sdl-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(User);
  }
  void TearDown() override {
    for (pid_t Pid : Games) {
      if (WaitExit(Pid, 0) == -1) {
        kill(Pid, SIGKILL);
        WaitExit(Pid, 5);
      }
    }
    if (Connection) X.CloseDisplay(Connection);
    fs::remove_all(User);
  }

  pid_t StartGame(std::vector<std::string> Options = {}) {
    std::vector<std::string> Arguments = {std::string(PLOTSTEAD_BIN_DIR) + "/plotstead",
                                          "--user-dir", User.string()};
    Arguments.insert(Arguments.end(), Options.begin(), Options.end());
    // No sound card on a test machine: the dummy device keeps the audio path working. In a
    // sanitizer build the leak check is left to the headless runs: the GL driver's compiled
    // code and D-Bus keep allocations until the process ends.
    pid_t Pid = Spawn(Arguments, {"DISPLAY=" + Display, "SDL_AUDIODRIVER=dummy",
                                  "LSAN_OPTIONS=detect_leaks=0"});
    Games.push_back(Pid);
    return Pid;
  }

  std::string Title(Window W) {
    Atom Type;
    int Format;
    unsigned long Count, After;
    unsigned char* Data = nullptr;
    Atom Name = X.InternAtom(Connection, "_NET_WM_NAME", False);
    std::string Result;
    if (X.GetProperty(Connection, W, Name, 0, 256, False, AnyPropertyType, &Type, &Format, &Count,
                      &After, &Data) == Success && Data) {
      Result.assign(reinterpret_cast<char*>(Data), Count);
      X.Free(Data);
    }
    return Result;
  }

  // Top-level windows titled Plotstead (without a window manager they are the root's
  // children).
  std::vector<Window> GameWindows() {
    Window Root, Parent, *Children = nullptr;
    unsigned Count = 0;
    std::vector<Window> Found;
    if (!X.QueryTree(Connection, X.DefaultRoot(Connection), &Root, &Parent, &Children, &Count))
      return Found;
    for (unsigned i = 0; i < Count; ++i)
      if (Title(Children[i]) == "Plotstead") Found.push_back(Children[i]);
    if (Children) X.Free(Children);
    return Found;
  }

  bool WaitForWindow() {
    return WaitFor([&] { return !GameWindows().empty(); }, 30);
  }

  // The window may still be replaced while the renderer starts, so the close button is
  // pressed on every game window until the game ends.
  int CloseAndWait(pid_t Game) {
    for (int Attempt = 0; Attempt < 30; ++Attempt) {
      for (Window W : GameWindows()) PressCloseButton(W);
      int Exit = WaitExit(Game, 1);
      if (Exit != -1) return Exit;
    }
    return -1;
  }

  void PressCloseButton(Window W) {
    XEvent Event = {};
    Event.xclient.type = ClientMessage;
    Event.xclient.window = W;
    Event.xclient.message_type = X.InternAtom(Connection, "WM_PROTOCOLS", False);
    Event.xclient.format = 32;
    Event.xclient.data.l[0] = static_cast<long>(X.InternAtom(Connection, "WM_DELETE_WINDOW", False));
    Event.xclient.data.l[1] = CurrentTime;
    X.SendEvent(Connection, W, False, NoEventMask, &Event);
    X.Flush(Connection);
  }

  void ExpectNormalEnd() {
    EXPECT_TRUE(fs::exists(User / "Game.ini"));
    std::ifstream Log(User / "Error.log");
    std::string Text((std::istreambuf_iterator<char>(Log)), std::istreambuf_iterator<char>());
    EXPECT_FALSE(Log.is_open()) << "Error.log: " << Text;
  }

  static inline pid_t Server = -1;
  static inline std::string Display;
  TX11 X;
  ::Display* Connection = nullptr;
  fs::path User;
  std::vector<pid_t> Games;
};

TEST_F(SdlShellTest, CloseButtonEndsTheGameNormally) {
  pid_t Game = StartGame();
  ASSERT_TRUE(WaitForWindow()) << "no window titled Plotstead";
  EXPECT_EQ(CloseAndWait(Game), 0);
  ExpectNormalEnd();
}

TEST_F(SdlShellTest, SecondCopyLeavesOneProcess) {
  pid_t First = StartGame();
  ASSERT_TRUE(WaitForWindow());
  pid_t Second = StartGame();
  EXPECT_EQ(WaitExit(Second, 20), 0);
  EXPECT_EQ(WaitExit(First, 1), -1) << "the first copy must keep running";
  EXPECT_TRUE(WaitFor([&] { return GameWindows().size() == 1; }, 10)) << "one game window";
  EXPECT_FALSE(fs::exists(User / "Game.ini")) << "the second copy wrote settings";
  EXPECT_EQ(CloseAndWait(First), 0);
  ExpectNormalEnd();
}

TEST_F(SdlShellTest, ScriptsAndSignalsEndTheGameNormally) {
  std::ofstream(fs::temp_directory_path() / "plotstead-sdl-quit.txt") << "wait 30\nkey F11\nwait 5\nquit\n";
  pid_t Scripted =
      StartGame({"--script", (fs::temp_directory_path() / "plotstead-sdl-quit.txt").string()});
  EXPECT_EQ(WaitExit(Scripted, 30), 0);
  ExpectNormalEnd();
  std::ifstream Settings(User / "Game.ini");
  std::string Text((std::istreambuf_iterator<char>(Settings)), std::istreambuf_iterator<char>());
  EXPECT_NE(Text.find("FullScreen=0"), std::string::npos) << "F11 left full screen";

  pid_t Stopped = StartGame();
  ASSERT_TRUE(WaitForWindow());
  kill(Stopped, SIGTERM);
  EXPECT_EQ(WaitExit(Stopped, 30), 0);
  ExpectNormalEnd();
}

}  // namespace
