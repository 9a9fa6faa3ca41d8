#include "platform/Platform.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "platform/InstanceGuard.h"

namespace {

namespace fs = std::filesystem;

TEST(Utf8ToWindows1252, KeepsWhatTheGameCanShowAndDropsTheRest) {
  struct TCase {
    const char* Utf8;
    const char* Expected;
  };
  const TCase kCases[] = {
      {"Anna 42!", "Anna 42!"},
      {"Zo\xC3\xAB", "Zo\xEB"},                       // two-byte Latin-1 letter
      {"\xC2\xA0\xC3\xBF", "\xA0\xFF"},               // the ends of the Latin-1 range
      {"\xE2\x82\xAC\xC5\xB8\xE2\x80\x9C", "\x80\x9F\x93"},  // euro, Y diaeresis, quote
      {"\xE6\x97\xA5x\xF0\x9F\x98\x80", "x"},         // no code: CJK and an emoji
      {"a\tb\x7F\n\xC2\x85", "ab"},                   // control characters
      {"\xC3", ""},                                   // truncated sequence
      {"\xC0\xAFok", "ok"},                           // overlong slash
      {"\xED\xA0\x80z", "z"},                         // a surrogate half
      {"\x80\xBFq", "q"},                             // stray continuation bytes
      {"\xF4\x90\x80\x80", ""},                       // beyond Unicode
  };
  for (const TCase& Case : kCases) EXPECT_EQ(Utf8ToWindows1252(Case.Utf8), Case.Expected);
}

class EnvironmentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Root = fs::temp_directory_path() /
           ("plotstead-platform-" + std::to_string(getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(Root);
    Saved[0] = Get("HOME");
    Saved[1] = Get("XDG_CONFIG_HOME");
    Saved[2] = Get("XDG_DATA_HOME");
    setenv("HOME", Root.c_str(), 1);
  }
  void TearDown() override {
    Restore("HOME", Saved[0]);
    Restore("XDG_CONFIG_HOME", Saved[1]);
    Restore("XDG_DATA_HOME", Saved[2]);
    fs::remove_all(Root);
  }
  static std::string Get(const char* Name) {
    const char* Value = getenv(Name);
    return Value ? Value : std::string(1, '\0');
  }
  static void Restore(const char* Name, const std::string& Value) {
    if (Value == std::string(1, '\0'))
      unsetenv(Name);
    else
      setenv(Name, Value.c_str(), 1);
  }
  std::string Home() const { return Root.string() + "/"; }

  fs::path Root;
  std::string Saved[3];
};

TEST_F(EnvironmentTest, XdgFoldersIgnoreRelativeValues) {
  setenv("XDG_DATA_HOME", "/srv/data", 1);
  EXPECT_EQ(XdgFolder("XDG_DATA_HOME", ".local/share/"), "/srv/data/");
  setenv("XDG_DATA_HOME", "relative/data", 1);
  EXPECT_EQ(XdgFolder("XDG_DATA_HOME", ".local/share/"), Home() + ".local/share/");
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(XdgFolder("XDG_DATA_HOME", ".local/share/"), Home() + ".local/share/");
}

TEST_F(EnvironmentTest, DocumentsFolderFromUserDirs) {
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(XdgDocumentsFolder(), Home() + "Documents/") << "no user-dirs.dirs";
  fs::create_directories(Root / ".config");
  const std::pair<const char*, std::string> kCases[] = {
      {"# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", Home() + "Dokumente/"},
      {"XDG_DESKTOP_DIR=\"$HOME/Desk\"\nXDG_DOCUMENTS_DIR=\"/data/docs\"\n", "/data/docs/"},
      {"XDG_DOCUMENTS_DIR=\"docs\"\n", Home() + "Documents/"},
      {"XDG_DOCUMENTS_DIR=\"$HOME/unterminated\n", Home() + "Documents/"},
  };
  for (const auto& [Content, Expected] : kCases) {
    std::ofstream(Root / ".config/user-dirs.dirs") << Content;
    EXPECT_EQ(XdgDocumentsFolder(), Expected) << Content;
  }
}

TEST(PlatformFolders, ExecutableFolderHoldsThisProgram) {
  std::string Folder = ExecutableFolder();
  ASSERT_FALSE(Folder.empty());
  EXPECT_EQ(Folder.back(), '/');
  EXPECT_TRUE(fs::exists(Folder + "Platform_test"));
}

// Waits up to two seconds for Count to reach Expected.
bool Reaches(const std::atomic<int>& Count, int Expected) {
  for (int i = 0; i < 200 && Count < Expected; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return Count == Expected;
}

class InstanceGuardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Folder = fs::temp_directory_path() / ("plotstead-guard-" + std::to_string(getpid()));
    fs::create_directories(Folder);
  }
  void TearDown() override { fs::remove_all(Folder); }
  fs::path Folder;
};

TEST_F(InstanceGuardTest, SecondCopyAsksTheFirstToRaise) {
  std::atomic<int> Raises = 0;
  auto First = std::make_unique<TInstanceGuard>(Folder.string());
  ASSERT_TRUE(First->Claim([&] { ++Raises; }));
  for (int Copy = 1; Copy <= 2; ++Copy) {
    TInstanceGuard Second(Folder.string());
    EXPECT_FALSE(Second.Claim([] {}));
    EXPECT_TRUE(Reaches(Raises, Copy));
  }
  First.reset();
  EXPECT_FALSE(fs::exists(Folder / "plotstead.sock")) << "the socket goes with its owner";
  TInstanceGuard Third(Folder.string());
  EXPECT_TRUE(Third.Claim([] {})) << "the lock is free again";
}

TEST_F(InstanceGuardTest, LeftoversOfACrashedCopyDoNotBlock) {
  std::ofstream(Folder / "plotstead.lock") << "old";
  std::ofstream(Folder / "plotstead.sock") << "not a socket";
  std::atomic<int> Raises = 0;
  TInstanceGuard First(Folder.string());
  ASSERT_TRUE(First.Claim([&] { ++Raises; }));
  TInstanceGuard Second(Folder.string());
  EXPECT_FALSE(Second.Claim([] {}));
  EXPECT_TRUE(Reaches(Raises, 1));
}

TEST_F(InstanceGuardTest, UnusableFoldersDoNotKeepThePlayerOut) {
  TInstanceGuard Missing((Folder / "missing").string());
  EXPECT_TRUE(Missing.Claim([] {}));
  TInstanceGuard NoFolder("");
  EXPECT_TRUE(NoFolder.Claim([] {}));
  // A folder too deep for a socket address still guards through its lock.
  fs::path Deep = Folder / std::string(120, 'd');
  fs::create_directories(Deep);
  TInstanceGuard First(Deep.string());
  ASSERT_TRUE(First.Claim([] {}));
  TInstanceGuard Second(Deep.string());
  EXPECT_FALSE(Second.Claim([] {}));
}

}  // namespace
