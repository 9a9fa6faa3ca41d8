// The content check over data folders made by the test: an empty one, and one where every
// name the game uses exists.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/CheckData.h"
#include "app/EngineRegister.h"
#include "engine/EngineResourceNames.h"
#include "game/OrmelMission.h"

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

std::string Le32(uint32_t V) {
  return {char(V), char(V >> 8), char(V >> 16), char(V >> 24)};
}

std::string Dds4x4() {
  std::string H(128, '\0');
  auto Put = [&](size_t At, uint32_t V) { H.replace(At, 4, Le32(V)); };
  Put(0, 0x20534444), Put(4, 124), Put(8, 0x1007), Put(12, 4), Put(16, 4);
  Put(80, 0x41), Put(88, 32), Put(92, 0xFF0000), Put(96, 0xFF00), Put(100, 0xFF),
      Put(104, 0xFF000000), Put(108, 0x1000);
  return H + std::string(64, '\x7F');
}

std::string Wav() {
  const std::string Samples(400, '\0');
  std::string Format = Le32(16) + std::string{1, 0, 1, 0} + Le32(22050) + Le32(44100) +
                       std::string{2, 0, 16, 0};
  std::string Body = "WAVEfmt " + Format + "data" + Le32(uint32_t(Samples.size())) + Samples;
  return "RIFF" + Le32(uint32_t(Body.size())) + Body;
}

std::string Path() {  // two points and no marks
  return Le32(2) + Le32(0) + Le32(0) + Le32(100) + Le32(0x000A000A) + Le32(0);
}

class CheckDataTest : public ::testing::Test {
 public:
  void SetUp() override {
    Root = fs::temp_directory_path() / ("plotstead-check-" + std::to_string(getpid()));
    fs::remove_all(Root);
    for (const char* Folder : {"Data/Textures", "Data/Branding", "Data/Paths", "Data/Samples",
                               "Data/Languages/English", "User"})
      fs::create_directories(Root / Folder);
    Write("Data/Languages/English/Language.txt", "");
    setenv("PLOTSTEAD_DATA", (Root / "Data").c_str(), 1);
    SetUserDirOverride((Root / "User").string());
  }

  void TearDown() override {
    unsetenv("PLOTSTEAD_DATA");
    SetUserDirOverride("");
    fs::remove_all(Root);
  }

  void Write(const std::string& Path, const std::string& Content) {
    std::ofstream(Root / Path, std::ios::binary) << Content;
  }

  int Check(std::string& Output) {
    ::testing::internal::CaptureStdout();
    const int Result = RunCheckData();
    Output = ::testing::internal::GetCapturedStdout();
    return Result;
  }

  fs::path Root;
};

}  // namespace

TEST_F(CheckDataTest, MissingContentIsListedAndFails) {
  std::string Output;
  EXPECT_EQ(Check(Output), 1);
  EXPECT_THAT(Output, HasSubstr("Failed to create texture \"Blank\" (Missing file)\n"));
  EXPECT_THAT(Output, HasSubstr("Failed to create texture \"Pane2Market\" (Missing file)\n"));
  EXPECT_THAT(Output, HasSubstr("Failed to create texture \"Map24\" (Missing file)\n"));
  EXPECT_THAT(Output, HasSubstr("Failed to create texture \"LanguageName0\" (Missing file)\n"));
  EXPECT_THAT(Output, HasSubstr("Failed to create texture \"DefaultFont\" (Missing file)\n"));
  EXPECT_THAT(Output, HasSubstr("Failed to create path \"Final\" (Missing file)\n"));
  EXPECT_THAT(Output, HasSubstr("Failed to load audio sample \"Click\" (Missing file)\n"));
  EXPECT_THAT(Output, ::testing::MatchesRegex("(.*\n)*Checked [0-9]+ textures, 2 fonts, 1 path and "
                                              "[0-9]+ samples: [0-9]+ failures\n"));
  EXPECT_FALSE(fs::exists(Root / "User" / "Error.log"));
}

TEST_F(CheckDataTest, CompleteContentPassesAndFontsNeedAllTheirGlyphs) {
  const TResourceNames& Names = ResourceNames();
  auto Texture = [&](const std::string& Name) { Write("Data/Textures/" + Name + ".dds", Dds4x4()); };
  for (const std::string& Name : Names.Textures) Texture(Name);
  for (const TPaneInfo& Info : PaneInfos)
    if (*Info.Texture) Texture(Info.Texture);
  for (int Map = 1; Map <= CampaignScenarioCount; ++Map) Texture(MapPictureName(Map));
  Write("Data/Languages/English/LanguageName.dds", Dds4x4());
  for (const std::string& Name : Names.Fonts) {
    Texture(Name);
    Write("Data/Textures/" + Name + ".tsg", "SEGMENTS = 256\nSEGMENT0 = 0, 0, 2, 4\n");
  }
  for (const std::string& Name : Names.Paths) Write("Data/Paths/" + Name + ".pth", Path());
  for (const std::string& Name : Names.Samples) Write("Data/Samples/" + Name + ".wav", Wav());
  for (const TActionInfo& Info : ActionInfos)
    if (Info.FinishSound && *Info.FinishSound)
      Write(std::string("Data/Samples/") + Info.FinishSound + ".wav", Wav());

  std::string Output;
  EXPECT_EQ(Check(Output), 0) << Output;
  EXPECT_THAT(Output, ::testing::EndsWith(": no failures\n"));

  Write("Data/Textures/IconsFont.tsg", "SEGMENTS = 255\nSEGMENT0 = 0, 0, 2, 4\n");
  Write("Data/Textures/DefaultFont.tsg", "SEGMENTS = 256\n");
  Write("Data/Textures/DefaultFont.dds", Dds4x4().substr(0, 4));
  EXPECT_EQ(Check(Output), 1);
  EXPECT_THAT(Output, HasSubstr("Font \"IconsFont\" has 255 segments instead of 256\n"));
  EXPECT_THAT(Output, HasSubstr("Failed to create texture \"DefaultFont\" (Stream read error)\n"));
  EXPECT_THAT(Output, ::testing::EndsWith(": 2 failures\n"));
}
