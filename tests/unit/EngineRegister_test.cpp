#include "app/EngineRegister.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/EngineRegisterIni.h"
#include "support/FakePlatform.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& Path) {
  std::ifstream File(Path, std::ios::binary);
  std::stringstream S;
  S << File.rdbuf();
  return S.str();
}

class RegisterRun : public ::testing::Test {
 protected:
  void SetUp() override {
    Root = fs::temp_directory_path() / ("plotstead-reg-" + std::to_string(::getpid()));
    fs::remove_all(Root);
    fs::create_directories(Root / "exe" / "Languages");
    Fake.Exe = (Root / "exe").string() + "/";
    Fake.Home = Root.string() + "/";
    Platform = &Fake;
    SettingsLoaded = false;
  }
  void TearDown() override {
    Platform = nullptr;
    SetUserDirOverride("");
    fs::remove_all(Root);
  }
  void Run(const std::function<void()>& During = {}) {
    LoadRegister();
    if (During) During();
    SaveRegister();
  }
  fs::path Root;
  TFakePlatform Fake;
};

}  // namespace

TEST(WindowSize, KeepsAspectAndEightyFivePercent) {
  struct Case {
    int W, H, WindowW, WindowH;
  } Cases[] = {{1920, 1080, 1468, 918}, {1024, 768, 870, 544}, {1280, 800, 1088, 680}};
  for (const Case& C : Cases) {
    int WW, WH;
    ComputeWindowSize(C.W, C.H, WW, WH);
    EXPECT_EQ(WW, C.WindowW) << C.W << "x" << C.H;
    EXPECT_EQ(WH, C.WindowH) << C.W << "x" << C.H;
  }
}

TEST(WindowSize, LogicalScreenKeepsTheCentralAreaVisible) {
  TRegister R;
  R.DesktopWidth = 1920, R.DesktopHeight = 1080, R.WindowWidth = 1468, R.WindowHeight = 918;
  ComputeScreenSize(R);
  EXPECT_NEAR(R.AspectRatio, 1.59913f, 1e-5);
  EXPECT_FLOAT_EQ(R.LogicalWidth, 1280);
  EXPECT_NEAR(R.LogicalHeight, 800.44f, 0.01);
  R.FullScreen = true;
  ComputeScreenSize(R);
  EXPECT_NEAR(R.LogicalWidth, 1422.22f, 0.01);
  EXPECT_FLOAT_EQ(R.LogicalHeight, 800);
  R.DesktopWidth = 1024, R.DesktopHeight = 768;
  ComputeScreenSize(R);
  EXPECT_FLOAT_EQ(R.LogicalWidth, 1280);
  EXPECT_FLOAT_EQ(R.LogicalHeight, 960);
}

TEST(IniFile, ValuesAndUnknownKeysSurviveARewrite) {
  TIniFile Ini;
  Ini.Parse("; mine\n[RENDERER]\nFullScreen=yes\nGamma=2\n[AUDIO]\nSfxVolume=15\n"
            "MusicVolume=loud\n[MODS]\nfoo=bar\n");
  EXPECT_FALSE(Ini.ReadBool("RENDERER", "FullScreen", true));  // only a leading 1 is true
  EXPECT_TRUE(Ini.ReadBool("RENDERER", "Missing", true));
  EXPECT_EQ(Ini.ReadInteger("AUDIO", "SfxVolume", 10), 15);
  EXPECT_EQ(Ini.ReadInteger("AUDIO", "MusicVolume", 8), 8);
  Ini.WriteBool("RENDERER", "FullScreen", true);
  Ini.WriteInteger("AUDIO", "Extra", 3);
  Ini.WriteInteger("NEW", "Key", 1);
  EXPECT_EQ(Ini.Text(),
            "; mine\n[RENDERER]\nFullScreen=1\nGamma=2\n[AUDIO]\nSfxVolume=15\n"
            "MusicVolume=loud\nExtra=3\n[MODS]\nfoo=bar\n\n[NEW]\nKey=1\n");
}

TEST_F(RegisterRun, FirstRunWritesDefaultsAndNoLog) {
  SetUserDirOverride((Root / "user").string());
  Run([] {
    EXPECT_TRUE(Register.FullScreen);
    EXPECT_EQ(Register.SfxVolume, 10);
    EXPECT_EQ(Register.MusicVolume, 8);
    EXPECT_EQ(Register.WindowWidth, 1468);
    EXPECT_EQ(Register.SpritePoolSize, 3072);
    EXPECT_EQ(LanguagesFolder, ExeFolder + "Languages/");
  });
  EXPECT_EQ(ReadFile(Root / "user" / "Game.ini"),
            "[RENDERER]\nFullScreen=1\n\n[AUDIO]\nSfxVolume=10\nMusicVolume=8\n");
  EXPECT_FALSE(fs::exists(Root / "user" / "Error.log"));
  EXPECT_TRUE(fs::is_directory(Root / "user" / "Saves"));
}

TEST_F(RegisterRun, SettingsAreClampedKeptAndErrorLogComesAndGoes) {
  SetUserDirOverride((Root / "user").string());
  fs::create_directories(Root / "user");
  std::ofstream(Root / "user" / "Game.ini") << "[AUDIO]\nSfxVolume=15\nMusicVolume=x\n[OTHER]\nk=v\n";
  Run([] {
    EXPECT_EQ(Register.SfxVolume, 10);
    EXPECT_EQ(Register.MusicVolume, 8);
    LogError("Something failed");
  });
  EXPECT_EQ(ReadFile(Root / "user" / "Error.log"), "Something failed\r\n");
  EXPECT_NE(ReadFile(Root / "user" / "Game.ini").find("[OTHER]\nk=v"), std::string::npos);
  Run();
  EXPECT_FALSE(fs::exists(Root / "user" / "Error.log"));  // a clean run removes the old log
}

TEST_F(RegisterRun, UnreadableSettingsAreNeverOverwritten) {
  SetUserDirOverride((Root / "user").string());
  fs::create_directories(Root / "user" / "Game.ini");  // a folder cannot be read as a file
  Run();
  EXPECT_FALSE(SettingsLoaded);
  EXPECT_TRUE(fs::is_directory(Root / "user" / "Game.ini"));
  EXPECT_NE(ReadFile(Root / "user" / "Error.log").find("Game.ini"), std::string::npos);
}

TEST_F(RegisterRun, XdgFoldersAndTheOldFolderMovesOnce) {
  fs::create_directories(Root / "Documents" / "My Games" / "Plotstead" / "Saves");
  std::ofstream(Root / "Documents" / "My Games" / "Plotstead" / "Saves" / "Players.sav") << "old";
  Run();
  EXPECT_EQ(UserFolder, Fake.Home + "data/Hollowmere/Plotstead/");
  EXPECT_EQ(SettingsFolder, Fake.Home + "config/Hollowmere/Plotstead/");
  EXPECT_EQ(LogFolder, Fake.Home + "state/Hollowmere/Plotstead/");
  EXPECT_EQ(ReadFile(fs::path(UserFolder) / "Saves" / "Players.sav"), "old");
  EXPECT_FALSE(fs::exists(Root / "Documents" / "My Games" / "Plotstead"));
  EXPECT_TRUE(fs::exists(fs::path(SettingsFolder) / "Game.ini"));

  fs::create_directories(Root / "Documents" / "My Games" / "Plotstead");
  Run();
  EXPECT_TRUE(fs::exists(Root / "Documents" / "My Games" / "Plotstead"));  // left alone now
}

TEST_F(RegisterRun, MissingExeFolderFailsWithoutWritingAnything) {
  Fake.Exe = "";
  try {
    LoadRegister();
    FAIL();
  } catch (const std::runtime_error& E) {
    EXPECT_STREQ(E.what(), "Failed to determine .exe location");
  }
  ExeFolder.clear();
  SaveRegister();
  EXPECT_FALSE(fs::exists(Root / "data"));
}
