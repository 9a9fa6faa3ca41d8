// Checks the pictures the generator wrote into the build's data folders: file formats as the
// game's loaders read them, the frame tables the screens rely on, the fonts' line rule, the
// map grounds against the scenario layouts, the fireworks path, and that a second run of the
// generator writes the same bytes.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "game/OrmelMission.h"

namespace fs = std::filesystem;

namespace {

const fs::path Bin = PLOTSTEAD_BIN_DIR;

std::string ReadAll(const fs::path& Path) {
  std::ifstream File(Path, std::ios::binary);
  std::ostringstream Out;
  Out << File.rdbuf();
  return Out.str();
}

uint32_t U32(const std::string& B, size_t At) {
  uint32_t V;
  std::memcpy(&V, B.data() + At, 4);
  return V;
}

struct TRect {
  int X, Y, W, H;
};

struct TPicture {
  std::string Error;  // empty when the file is a DDS the game accepts
  int Width = 0, Height = 0;
  std::vector<uint32_t> Argb;
  std::vector<TRect> Segments;  // empty without a segment table

  uint32_t At(int X, int Y) const { return Argb[size_t(Y) * Width + X]; }
  bool HasInk(const TRect& R) const {
    for (int Y = R.Y; Y < R.Y + R.H; ++Y)
      for (int X = R.X; X < R.X + R.W; ++X)
        if ((At(X, Y) >> 24) > 8) return true;
    return false;
  }
};

// The uncompressed A8R8G8B8 subset of DDS, checked field by field as the loader checks it.
TPicture ReadDds(const fs::path& Path) {
  TPicture P;
  const std::string B = ReadAll(Path);
  if (B.size() < 128) return P.Error = "short or missing: " + Path.string(), P;
  if (U32(B, 0) != 0x20534444 || U32(B, 4) != 124) return P.Error = "bad magic or header", P;
  if ((U32(B, 8) & 0x1007) != 0x1007 || !(U32(B, 108) & 0x1000)) return P.Error = "flags", P;
  P.Height = int(U32(B, 12));
  P.Width = int(U32(B, 16));
  if (P.Width < 4 || P.Height < 4 || P.Width > 2048 || P.Height > 2048) return P.Error = "size", P;
  if ((U32(B, 8) & 0x8) && U32(B, 20) != uint32_t(P.Width) * 4) return P.Error = "pitch", P;
  if (U32(B, 80) != 0x41 || U32(B, 88) != 32 || U32(B, 92) != 0xFF0000 || U32(B, 96) != 0xFF00 ||
      U32(B, 100) != 0xFF || U32(B, 104) != 0xFF000000)
    return P.Error = "pixel format", P;
  if (B.size() != 128 + size_t(P.Width) * P.Height * 4) return P.Error = "data length", P;
  P.Argb.resize(size_t(P.Width) * P.Height);
  std::memcpy(P.Argb.data(), B.data() + 128, P.Argb.size() * 4);
  return P;
}

std::vector<TRect> ReadTsg(const fs::path& Path) {
  std::vector<TRect> Segments;
  std::istringstream In(ReadAll(Path));
  std::string Line;
  while (std::getline(In, Line)) {
    int Count, Index, X, Y, W, H;
    if (std::sscanf(Line.c_str(), "SEGMENTS = %d", &Count) == 1) Segments.assign(Count, {0, 0, 0, 0});
    else if (std::sscanf(Line.c_str(), "SEGMENT%d = %d, %d, %d, %d", &Index, &X, &Y, &W, &H) == 5 &&
             Index >= 0 && Index < int(Segments.size()))
      Segments[Index] = {X, Y, W, H};
  }
  return Segments;
}

// As the game finds a texture: its DDS in Textures/, plot pictures sharing PaneN.tsg.
TPicture Texture(const std::string& Name) {
  TPicture P = ReadDds(Bin / "Textures" / (Name + ".dds"));
  const std::string Table = Name.rfind("Pane", 0) == 0 ? Name.substr(0, 5) : Name;
  const fs::path Tsg = Bin / "Textures" / (Table + ".tsg");
  if (fs::exists(Tsg)) P.Segments = ReadTsg(Tsg);
  return P;
}

void ExpectSegmentsInside(const std::string& Name, const TPicture& P) {
  for (size_t I = 0; I < P.Segments.size(); ++I) {
    const TRect& S = P.Segments[I];
    EXPECT_TRUE(S.X >= 0 && S.Y >= 0 && S.X + S.W <= P.Width && S.Y + S.H <= P.Height)
        << Name << " segment " << I << " leaves the picture";
    for (size_t J = 0; J < I; ++J) {
      const TRect& T = P.Segments[J];
      const bool Apart = S.X + S.W <= T.X || T.X + T.W <= S.X || S.Y + S.H <= T.Y || T.Y + T.H <= S.Y;
      EXPECT_TRUE(Apart) << Name << " segments " << J << " and " << I << " overlap";
    }
  }
}

struct TFrames {
  std::string Name;
  std::vector<std::array<int, 2>> Sizes;  // one entry per segment
  std::vector<int> Empty;                 // segments meant to hold no picture
};

std::vector<std::array<int, 2>> Repeat(int Count, int W, int H) {
  return std::vector<std::array<int, 2>>(Count, {W, H});
}

std::vector<std::array<int, 2>> Join(std::vector<std::array<int, 2>> A, const std::vector<std::array<int, 2>>& B) {
  A.insert(A.end(), B.begin(), B.end());
  return A;
}

std::vector<TFrames> FrameTable() {
  std::vector<TFrames> T = {
      {"Faces", Repeat(8, 120, 160), {}},
      {"Arrows", Repeat(4, 64, 64), {}},
      {"Buttons",
       {{300, 60}, {300, 60}, {300, 60}, {300, 60}, {200, 60}, {200, 60}, {200, 40}, {200, 40},
        {60, 60}, {60, 60}, {200, 60}, {200, 60}},
       {}},
      {"Dot", Repeat(2, 48, 48), {}},
      {"Progress", Repeat(64, 60, 60), {63}},
      {"ActionButtonColors", Repeat(16, 60, 60), {}},
      {"ActionButtonIcons", Repeat(84, 40, 40), {0, 2, 30, 41, 42, 44, 72, 83}},
      {"LicenseIcons", Join(Repeat(3, 80, 80), Repeat(38, 60, 60)), {}},
      {"Trophies", Repeat(40, 60, 120), {}},
      {"Chapters", Repeat(6, 400, 220), {}},
  };
  for (const TPaneInfo& Info : PaneInfos) {
    if (!Info.Texture || !*Info.Texture) continue;
    const int Frames = (Info.Texture[4] - '0') * 4;
    T.push_back({Info.Texture, Repeat(Frames, 252, 152), {}});
  }
  return T;
}

TEST(ArtContent, FramedTexturesFollowTheirTables) {
  for (const TFrames& F : FrameTable()) {
    SCOPED_TRACE(F.Name);
    const TPicture P = Texture(F.Name);
    ASSERT_EQ(P.Error, "");
    ASSERT_EQ(P.Segments.size(), F.Sizes.size());
    for (size_t I = 0; I < F.Sizes.size(); ++I) {
      EXPECT_EQ(P.Segments[I].W, F.Sizes[I][0]) << "segment " << I;
      EXPECT_EQ(P.Segments[I].H, F.Sizes[I][1]) << "segment " << I;
      const bool Empty = std::find(F.Empty.begin(), F.Empty.end(), int(I)) != F.Empty.end();
      EXPECT_EQ(P.HasInk(P.Segments[I]), !Empty) << "segment " << I;
    }
    ExpectSegmentsInside(F.Name, P);
  }
}

TEST(ArtContent, PlotFramesStandOnAFullGroundDiamond) {
  // Every plot covers its whole ground diamond (252 x 126, centred 13 below the frame's
  // centre), so plots placed over lakes or rivers in the sandbox maps hide the water.
  for (const char* Name : {"Pane2BuildingPlot", "Pane4House2", "Pane2Forest3", "Pane1Station"}) {
    const TPicture P = Texture(Name);
    ASSERT_EQ(P.Error, "") << Name;
    for (const TRect& S : P.Segments)
      for (auto [Dx, Dy] : {std::pair{0, 0}, {-110, 0}, {110, 0}, {0, -52}, {0, 55}}) {
        const int X = S.X + 126 + Dx, Y = S.Y + 89 + Dy;
        EXPECT_EQ(P.At(X, Y) >> 24, 255u) << Name << " at " << Dx << ", " << Dy;
      }
  }
}

TEST(ArtContent, SinglePicturesHaveTheirSizes) {
  const std::map<std::string, std::array<int, 2>> Sizes = {
      {"FormMenu", {1300, 820}}, {"FormPanel", {1300, 820}}, {"FormMission", {1300, 820}},
      {"GameLogo", {600, 220}},  {"Dialog66", {660, 300}},   {"Dialog68", {680, 620}},
      {"Dialog100", {1000, 620}}, {"Talk", {620, 220}},      {"Selector", {252, 126}},
      {"Damage", {40, 40}}};
  for (const auto& [Name, Size] : Sizes) {
    const TPicture P = Texture(Name);
    ASSERT_EQ(P.Error, "") << Name;
    EXPECT_EQ(P.Width, Size[0]) << Name;
    EXPECT_EQ(P.Height, Size[1]) << Name;
    EXPECT_TRUE(P.Segments.empty()) << Name << " should be one picture";
  }
  const TPicture Blank = Texture("Blank");
  ASSERT_EQ(Blank.Error, "");
  for (uint32_t Pixel : Blank.Argb) EXPECT_EQ(Pixel, 0xFF000000u);
  EXPECT_EQ(ReadDds(Bin / "Languages" / "English" / "LanguageName.dds").Error, "");
  EXPECT_EQ(ReadAll(Bin / "Branding" / "Splash1.png").substr(1, 3), "PNG");
}

TEST(ArtContent, FrameOfMissionScreenLeavesTheMapAreaSeeThrough) {
  // The map shows through between the bands; picture pixel = layout + 10.
  const TPicture P = Texture("FormMission");
  ASSERT_EQ(P.Error, "");
  EXPECT_EQ(P.At(650, 40) >> 24, 255u);   // top band
  EXPECT_EQ(P.At(650, 790) >> 24, 255u);  // bottom band
  for (auto [X, Y] : {std::pair{650, 300}, {650, 600}, {500, 200}, {800, 500}})
    EXPECT_LT(P.At(X, Y) >> 24, 40u) << X << ", " << Y;
}

TEST(ArtContent, FontsHoldEveryCodeOnOneLineHeight) {
  for (const char* Name : {"DefaultFont", "IconsFont"}) {
    SCOPED_TRACE(Name);
    const TPicture P = Texture(Name);
    ASSERT_EQ(P.Error, "");
    ASSERT_EQ(P.Segments.size(), 256u);
    const int Line = P.Segments[0].H;
    EXPECT_GE(Line, 28);
    EXPECT_LE(Line, 36);
    for (const TRect& S : P.Segments) {
      EXPECT_EQ(S.H, Line);
      EXPECT_GE(S.W, 4);  // the 4 pixels the layout takes back after every glyph
    }
    ExpectSegmentsInside(Name, P);
  }
  const TPicture Font = Texture("DefaultFont");
  for (int Code = 1; Code < 256; ++Code) {
    const bool Invisible = Code == 8 || Code == 13 || Code == 32 || Code == 127 || Code == 160 ||
                           Code == 0x81 || Code == 0x8D || Code == 0x8F || Code == 0x90 || Code == 0x9D;
    if (Code >= 1 && Code <= 31 && !Invisible) EXPECT_TRUE(Font.HasInk(Font.Segments[Code])) << Code;
    if (Code >= 33 && !Invisible) EXPECT_TRUE(Font.HasInk(Font.Segments[Code])) << Code;
  }
  // The small back-step steps back less than a whole icon, so the mark after it sits on
  // the icon's lower right rather than on top of it.
  EXPECT_LT(Font.Segments[8].W - 4, Font.Segments[1].W - 4);
  EXPECT_GT(Font.Segments[8].W - 4, 0);
  const TPicture Icons = Texture("IconsFont");
  for (int Code = 16; Code <= 29; ++Code) EXPECT_TRUE(Icons.HasInk(Icons.Segments[Code])) << Code;
}

TEST(ArtContent, MapGroundsPaintTheGroundKindsOfTheirLayouts) {
  int Checked = 0;
  for (int N = 1; N <= CampaignScenarioCount; ++N) {
    const TPicture P = Texture("Map" + std::to_string(N));
    ASSERT_EQ(P.Error, "") << N;
    ASSERT_EQ(P.Width, 1280);
    ASSERT_EQ(P.Height, 640);
    const TMapLayout& Layout = MapLayout(N);
    for (int X = 0; X < 5; ++X)
      for (int Y = 0; Y < 5; ++Y) {
        // Mean colour of a small square at the cell's centre (flowers and pebbles average out).
        int R = 0, G = 0, B = 0;
        const int Cx = 640 + 126 * (X + Y) - 504, Cy = 320 + 63 * (Y - X);
        for (int Dy = -7; Dy <= 7; ++Dy)
          for (int Dx = -7; Dx <= 7; ++Dx) {
            const uint32_t C = P.At(Cx + Dx, Cy + Dy);
            R += (C >> 16) & 0xFF, G += (C >> 8) & 0xFF, B += C & 0xFF;
          }
        R /= 225, G /= 225, B /= 225;
        const uint8_t Kind = Layout[X][Y].Kind;
        SCOPED_TRACE("map " + std::to_string(N) + " cell " + std::to_string(X) + "," + std::to_string(Y));
        if (Kind == pkLake || Kind == pkRiver) {
          EXPECT_GT(B, R + 40);
          EXPECT_GT(B, G);
          ++Checked;
        } else if (Kind == pkRailroad || Kind == pkRock) {
          EXPECT_FALSE(G > R + 25 && G > B + 25) << "green where the ground should be bare";
          ++Checked;
        } else if (Kind == pkGrass) {
          EXPECT_GT(G, R);
          EXPECT_GT(G, B);
          ++Checked;
        }
      }
  }
  EXPECT_GT(Checked, 40);
}

TEST(ArtContent, FinalPathHoldsBurstPointsOverTheSky) {
  const std::string B = ReadAll(Bin / "Paths" / "Final.pth");
  ASSERT_GE(B.size(), 8u);
  const int32_t N = int32_t(U32(B, 0));
  ASSERT_GE(N, 2);
  ASSERT_GE(B.size(), 8 + 8 * size_t(N));
  const int32_t M = int32_t(U32(B, 4 + 8 * size_t(N)));
  ASSERT_EQ(B.size(), 8 + 8 * size_t(N) + 8 * size_t(M));
  float Last = -1;
  for (int32_t I = 0; I < N; ++I) {
    float Position;
    int16_t X, Y;
    std::memcpy(&Position, B.data() + 4 + 8 * I, 4);
    std::memcpy(&X, B.data() + 8 + 8 * I, 2);
    std::memcpy(&Y, B.data() + 10 + 8 * I, 2);
    EXPECT_GE(Position, Last);
    Last = Position;
    // The end dialog multiplies by 4; the bursts must land on screen, above its middle.
    EXPECT_LE(std::abs(X * 4), 640);
    EXPECT_LT(Y * 4, 0);
    EXPECT_GE(Y * 4, -400);
  }
  EXPECT_GT(Last, 0.0f);  // a path with a span is valid
  for (int32_t K = 0; K < M; ++K) {
    const int32_t First = int32_t(U32(B, 8 + 8 * size_t(N) + 8 * K));
    const int32_t Count = int32_t(U32(B, 12 + 8 * size_t(N) + 8 * K));
    EXPECT_TRUE(First >= 0 && Count >= 0 && First + Count <= N);
  }
}

TEST(ArtContent, SecondRunWritesTheSameFiles) {
  const fs::path Tool = Bin.parent_path() / "tools" / "plotstead-art";
  ASSERT_TRUE(fs::exists(Tool)) << Tool;
  const fs::path Out = fs::temp_directory_path() / ("plotstead-art-" + std::to_string(::getpid()));
  fs::remove_all(Out);
  const std::string Command = Tool.string() + " " + Out.string() + " " + (Out / "gallery.png").string() + " > /dev/null";
  ASSERT_EQ(std::system(Command.c_str()), 0);
  int Compared = 0;
  for (const char* Folder : {"Textures", "Paths", "Branding"})
    for (const auto& Entry : fs::directory_iterator(Out / Folder)) {
      const fs::path Built = Bin / Folder / Entry.path().filename();
      EXPECT_TRUE(ReadAll(Entry.path()) == ReadAll(Built)) << Built << " differs between runs";
      ++Compared;
    }
  EXPECT_TRUE(ReadAll(Out / "Languages" / "English" / "LanguageName.dds") ==
              ReadAll(Bin / "Languages" / "English" / "LanguageName.dds"));
  EXPECT_GT(Compared, 70);
  fs::remove_all(Out);
}

}  // namespace
