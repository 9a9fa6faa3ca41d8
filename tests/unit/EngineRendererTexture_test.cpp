#include <gmock/gmock.h>

#include <cstdlib>
#include <functional>

#include "EngineRendererFixture.h"
#include "engine/EngineLanguages.h"

namespace {

uint32_t Channel(uint32_t Pixel, int Shift) { return (Pixel >> Shift) & 255; }

// A picture whose channels all follow one diagonal ramp, alpha included, so that block
// compression can represent it closely.
std::vector<uint32_t> Gradient(int W, int H, bool Opaque) {
  std::vector<uint32_t> Pixels;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const uint32_t T = uint32_t(x + y);
      const uint32_t A = Opaque ? 255 : 255 - 6 * T;
      Pixels.push_back(A << 24 | (40 + 6 * T) << 16 | (200 - 4 * T) << 8 | (90 + 3 * T));
    }
  return Pixels;
}

// Reads back a PAM file written by ImageMagick (RGB_ALPHA tuples).
std::vector<uint32_t> ReadPam(const std::string& Path) {
  std::ifstream In(Path, std::ios::binary);
  std::string Content((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
  const size_t Start = Content.find("ENDHDR\n") + 7;
  std::vector<uint32_t> Pixels;
  for (size_t i = Start; i + 3 < Content.size(); i += 4) {
    auto B = [&](size_t k) { return uint32_t(uint8_t(Content[i + k])); };
    Pixels.push_back(B(3) << 24 | B(0) << 16 | B(1) << 8 | B(2));
  }
  return Pixels;
}

int WorstDifference(const std::vector<uint32_t>& A, const std::vector<uint32_t>& B) {
  int Worst = A.size() == B.size() ? 0 : 1000;
  for (size_t i = 0; i < A.size() && i < B.size(); ++i)
    for (int Shift : {0, 8, 16, 24})
      Worst = std::max(Worst, std::abs(int(Channel(A[i], Shift)) - int(Channel(B[i], Shift))));
  return Worst;
}

// Writes pixels as a PAM file, which ImageMagick reads with its alpha channel.
void WritePam(const std::string& Path, int W, int H, const std::vector<uint32_t>& Pixels) {
  std::string Out = "P7\nWIDTH " + std::to_string(W) + "\nHEIGHT " + std::to_string(H) +
                    "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
  for (uint32_t P : Pixels) {
    Out += char(Channel(P, 16));
    Out += char(Channel(P, 8));
    Out += char(Channel(P, 0));
    Out += char(Channel(P, 24));
  }
  std::ofstream(Path, std::ios::binary) << Out;
}

void Convert(const std::string& Arguments) {
  const std::string Command = "convert " + Arguments + " 2>&1";
  ASSERT_EQ(std::system(Command.c_str()), 0) << Command << " (ImageMagick is needed)";
}

class TextureTest : public RendererTest {
 public:
  TTexture* Load(const std::string& Name) { return MakeRendererOnce().GetTexture(Name); }

  TRenderer& MakeRendererOnce() { return Renderer ? *Renderer : MakeRenderer(); }

  void ExpectPlaceholder(TTexture* T) {
    EXPECT_EQ(T->DeviceTexture, nullptr);
    EXPECT_EQ(T->Width, 4);
    EXPECT_EQ(T->Height, 4);
    ASSERT_EQ(T->Segments.size(), 1u);
    EXPECT_EQ(T->Segments[0].Width, 4);
    EXPECT_EQ(T->Segments[0].Transform, TMatrix());
  }

  std::string LastLog() { return Log().empty() ? "" : Log().back(); }
};

}  // namespace

TEST_F(TextureTest, DdsFromAnOutsideToolLoadsWithItsPixels) {
  struct TCase {
    const char* Compression;
    bool Opaque;
    int Tolerance;
  };
  const TCase Cases[] = {{"none", false, 0}, {"dxt1", true, 12}, {"dxt5", false, 12}};
  const int W = 12, H = 8;
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Compression);
    const std::vector<uint32_t> Source = Gradient(W, H, Case.Opaque);
    const std::string Name = std::string("Picture_") + Case.Compression;
    WritePam(Folder("Textures") + "source.pam", W, H, Source);
    Convert(Folder("Textures") + "source.pam -define dds:compression=" + Case.Compression +
            " -define dds:mipmaps=0 " + Folder("Textures") + Name + ".dds");
    TTexture* T = Load(Name);
    ASSERT_NE(T->DeviceTexture, nullptr) << LastLog();
    EXPECT_EQ(T->Width, W);  // this device takes any size
    const std::vector<uint32_t> Pixels = RecordedTexture(T).DecodedPixels();
    EXPECT_LE(WorstDifference(Pixels, Source), Case.Tolerance);
    // The tool's own decoding of its file agrees with ours up to rounding.
    Convert(Folder("Textures") + Name + ".dds -type TrueColorAlpha " + Folder("Textures") + "back.pam");
    EXPECT_LE(WorstDifference(Pixels, ReadPam(Folder("Textures") + "back.pam")), 1);
  }
}

TEST_F(TextureTest, BlockPicturesAreEdgeFilledWithTheirLastTexelColumnAndRow) {
  // 12 x 12 on a device that needs powers of two: one fill block column and row, in which
  // the first texel column (row) must repeat the picture's last one.
  Behavior.TextureCaps = kCapsPow2;
  const int W = 12;
  for (const char* Compression : {"dxt1", "dxt3", "dxt5"}) {
    SCOPED_TRACE(Compression);
    WritePam(Folder("Textures") + "source.pam", W, W, Gradient(W, W, false));
    const std::string Name = std::string("Edge_") + Compression;
    Convert(Folder("Textures") + "source.pam -define dds:compression=" + Compression +
            " -define dds:mipmaps=0 " + Folder("Textures") + Name + ".dds");
    TTexture* T = Load(Name);
    ASSERT_EQ(T->Width, 16) << LastLog();
    const std::vector<uint32_t> P = RecordedTexture(T).DecodedPixels();
    for (int i = 0; i <= W; ++i) {
      if (i < W) EXPECT_EQ(P[i * 16 + W], P[i * 16 + W - 1]) << "row " << i;
      EXPECT_EQ(P[W * 16 + i], P[(W - 1) * 16 + i]) << "column " << i;
    }
  }
}

TEST_F(TextureTest, EveryBadDdsGivesItsMessageAndAPlaceholder) {
  struct TCase {
    const char* What;
    std::function<void(TDdsFile&)> Break;
    const char* Message;
  };
  const TCase Cases[] = {
      {"magic", [](TDdsFile& F) { F.Magic = 0x20534443; }, "Invalid file format"},
      {"header size", [](TDdsFile& F) { F.Size = 123; }, "Invalid file format"},
      {"no width flag", [](TDdsFile& F) { F.Flags = 0x1003; }, "Invalid file format"},
      {"no texture caps", [](TDdsFile& F) { F.Caps = 0x8; }, "Invalid file format"},
      {"width 2049", [](TDdsFile& F) { F.Width = 2049; }, "Unsupported width or height of dds file"},
      {"height 3", [](TDdsFile& F) { F.Height = 3; }, "Unsupported width or height of dds file"},
      {"X1R5G5B5",
       [](TDdsFile& F) {
         F.FormatFlags = 0x40;
         F.Bits = 16;
         F.Masks[0] = 0x7C00, F.Masks[1] = 0x03E0, F.Masks[2] = 0x001F, F.Masks[3] = 0;
       },
       "Unsupported pixel format of dds file"},
      {"DXT2", [](TDdsFile& F) { F = TDdsFile::Blocks("DXT2", 4, 4, std::string(16, 0)); },
       "Unsupported pixel format of dds file"},
      {"24 bits", [](TDdsFile& F) { F.Bits = 24; }, "Unsupported pixel format of dds file"},
      {"wrong pitch",
       [](TDdsFile& F) {
         F.Flags |= 0x8;
         F.Pitch = 12;
       },
       "Unsupported combination of width and pixel format of dds file"},
      {"short data", [](TDdsFile& F) { F.Data.resize(60); }, "Stream read error"},
      {"block width 6", [](TDdsFile& F) { F = TDdsFile::Blocks("DXT1", 6, 8, std::string(64, 0)); },
       "Unsupported width or height of dds file"},
  };
  MakeRenderer();
  for (const TCase& Case : Cases) {
    TDdsFile File = TDdsFile::Argb(4, 4, std::vector<uint32_t>(16, 0xFF102030));
    Case.Break(File);
    const std::string Name = std::string("Bad ") + Case.What;
    WriteFile("Textures/" + Name + ".dds", File.Bytes());
    TTexture* T = Load(Name);
    EXPECT_EQ(LastLog(), "Failed to create texture \"" + Name + "\" (" + Case.Message + ")");
    ExpectPlaceholder(T);
  }
  WriteFile("Textures/Short header.dds", TDdsFile().Bytes().substr(0, 100));
  Load("Short header");
  EXPECT_EQ(LastLog(), "Failed to create texture \"Short header\" (Stream read error)");
}

TEST_F(TextureTest, DeviceFailuresGiveTheirMessages) {
  WriteFile("Textures/Plain.dds", TDdsFile::Argb(4, 4, std::vector<uint32_t>(16, ~0u)).Bytes());
  Behavior.FailCreateTexture = true;
  ExpectPlaceholder(Load("Plain"));
  EXPECT_EQ(LastLog(), "Failed to create texture \"Plain\" (Failed to create texture)");
  delete Renderer;
  Renderer = nullptr;
  Behavior = TRecordingBehavior();
  Behavior.FailLockTexture = true;
  ExpectPlaceholder(Load("Plain"));
  EXPECT_EQ(LastLog(), "Failed to create texture \"Plain\" (Failed to lock texture surface)");
}

TEST_F(TextureTest, SixteenBitFormatsAreExpanded) {
  struct TCase {
    uint32_t Flags, Masks[4];
    uint16_t Pixel;
    uint32_t Expected;
  };
  const TCase Cases[] = {
      {0x40, {0xF800, 0x07E0, 0x001F, 0}, 0xF81F, 0xFFFF00FF},
      {0x40, {0xF800, 0x07E0, 0x001F, 0}, 0x0410, 0xFF008284},
      {0x41, {0x7C00, 0x03E0, 0x001F, 0x8000}, 0x7C00, 0x00FF0000},
      {0x41, {0x7C00, 0x03E0, 0x001F, 0x8000}, 0x83E0, 0xFF00FF00},
      {0x41, {0x0F00, 0x00F0, 0x000F, 0xF000}, 0x8F01, 0x88FF0011},
  };
  MakeRenderer();
  int Index = 0;
  for (const TCase& Case : Cases) {
    TDdsFile File;
    File.FormatFlags = Case.Flags;
    File.Bits = 16;
    std::copy(std::begin(Case.Masks), std::end(Case.Masks), File.Masks);
    for (int i = 0; i < 16; ++i) File.Data += std::string{char(Case.Pixel), char(Case.Pixel >> 8)};
    const std::string Name = "Short" + std::to_string(Index++);
    WriteFile("Textures/" + Name + ".dds", File.Bytes());
    TTexture* T = Load(Name);
    ASSERT_NE(T->DeviceTexture, nullptr) << LastLog();
    EXPECT_EQ(RecordedTexture(T).DecodedPixels()[5], Case.Expected) << std::hex << Case.Pixel;
  }
}

TEST_F(TextureTest, PaddedDeviceRowsAreFilledRowByRow) {
  Behavior.ExtraPitch = 12;
  std::vector<uint32_t> Pixels(32);
  for (uint32_t i = 0; i < 32; ++i) Pixels[i] = 0xFF000000 | i * 0x010203;
  WriteFile("Textures/Rows.dds", TDdsFile::Argb(4, 8, Pixels).Bytes());
  TTexture* T = Load("Rows");
  ASSERT_NE(T->DeviceTexture, nullptr) << LastLog();
  EXPECT_EQ(RecordedTexture(T).DecodedPixels(), Pixels);
}

TEST_F(TextureTest, PngIsEnlargedToPowersOfTwoWithItsEdgesRepeated) {
  Behavior.TextureCaps = kCapsPow2;
  const int W = 100, H = 60;
  std::vector<uint32_t> Source(W * H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) Source[y * W + x] = 0xFF000000u | uint32_t(x) << 16 | uint32_t(y) << 8 | 7;
  Source[H * W - 1] = 0x80FFFFFF;  // the corner, half transparent
  WritePam(Folder("Textures") + "wide.pam", W, H, Source);
  std::filesystem::create_directories(Root / "Languages" / "English");
  WriteFile("Languages/English/Language.txt", "");
  Languages = new TLanguages();
  Convert(Folder("Textures") + "wide.pam " + Folder("Languages") + "English/Wide.png");
  TTexture* T = Load("Wide");
  delete Languages;
  Languages = nullptr;
  ASSERT_NE(T->DeviceTexture, nullptr) << LastLog();
  EXPECT_EQ(T->Width, 128);
  EXPECT_EQ(T->Height, 64);
  EXPECT_EQ(T->GetSegmentSize(0).X, 100);
  EXPECT_EQ(T->GetSegmentSize(0).Y, 60);
  EXPECT_EQ(T->Segments[0].Transform.M[0][0], 0.78125f);
  EXPECT_EQ(T->Segments[0].Transform.M[1][1], 0.9375f);
  const std::vector<uint32_t> P = RecordedTexture(T).DecodedPixels();
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) ASSERT_EQ(P[y * 128 + x], Source[y * W + x]) << x << "," << y;
    EXPECT_EQ(P[y * 128 + 100], P[y * 128 + 99]) << y;
  }
  for (int x = 0; x <= 100; ++x) EXPECT_EQ(P[60 * 128 + x], P[59 * 128 + x]) << x;
  EXPECT_EQ(P[60 * 128 + 100], 0x80FFFFFFu);
}

TEST_F(TextureTest, JpegAndBadImages) {
  const std::vector<uint32_t> Grey(64, 0xFF808080);
  WritePam(Folder("Branding") + "grey.pam", 8, 8, Grey);
  Convert(Folder("Branding") + "grey.pam -alpha off -quality 100 " + Folder("Branding") +
          "Photo.jpg");
  TTexture* Photo = Load("Photo");
  ASSERT_NE(Photo->DeviceTexture, nullptr) << LastLog();
  const uint32_t Pixel = RecordedTexture(Photo).DecodedPixels()[27];
  EXPECT_EQ(Pixel >> 24, 255u);
  EXPECT_NEAR(int(Channel(Pixel, 8)), 128, 2);

  WritePam(Folder("Branding") + "thin.pam", 3, 8, std::vector<uint32_t>(24, ~0u));
  Convert(Folder("Branding") + "thin.pam " + Folder("Branding") + "Thin.png");
  ExpectPlaceholder(Load("Thin"));
  EXPECT_EQ(LastLog(), "Failed to create texture \"Thin\" (Unsupported width or height of image file)");

  WriteFile("Branding/Text.png", "not a picture at all");
  ExpectPlaceholder(Load("Text"));
  EXPECT_EQ(LastLog(), "Failed to create texture \"Text\" (Unsupported width or height of image file)");

  WriteFile("Branding/Broken.png", std::string("\x89PNG\r\n\x1a\n", 8) + std::string(40, 'x'));
  ExpectPlaceholder(Load("Broken"));
  EXPECT_THAT(LastLog(), ::testing::StartsWith("Failed to create texture \"Broken\" ("));
  EXPECT_GT(LastLog().size(), std::string("Failed to create texture \"Broken\" ()").size());
}

TEST_F(TextureTest, SegmentTableRules) {
  struct TCase {
    const char* Table;
    size_t Count;
    int Changed;    // index of a segment that must be the rectangle 1, 2, 3, 4; -1 none
    int Whole;      // index of a segment that must still be the whole picture; -1 none
    bool Logged;
  };
  const TCase Cases[] = {
      {"SEGMENTS = 3\nSEGMENT1 = 1, 2, 3, 4\n", 3, 1, 2, false},
      {"SEGMENTS=4\r\nSEGMENT 2 = 1,2,3,4\r\nSEGMENT5 = 10, 20, 30\r\nSEGMENT3 = 1,2,3,4", 4, 2, 3, true},
      {"SEGMENTS = 0", 1, -1, 0, false},
      {"SEGMENTS = 4\nSEGMENT9 = 1, 2, 3, 4\nSEGMENT-1 = 1, 2, 3, 4", 4, -1, 3, false},
      {"SEGMENTS = 2\nSEGMENT1 = 1, 2, 3, 4\nSEGMENTS = 3", 3, -1, 1, false},
      {"=SEGMENTS = 5\n  SEGMENTS\t=  2 \n# note\nsegments = 7\nOTHER=x\nSEGMENT1 = 1, 2, 3, 4", 2, 1, -1, false},
      {"SEGMENTS = x", 1, -1, 0, true},
      {"SEGMENTS = 2\nSEGMENTX = 1, 2, 3, 4", 2, -1, 1, true},
      {"SEGMENTS = 2\nSEGMENT1 = 1, 2, 3, 4, 5", 2, -1, 1, true},
      {"SEGMENTS = 99999999\nSEGMENT0 = 1, 2, 3, 4", 1, -1, 0, true},
  };
  MakeRenderer();
  int Index = 0;
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Table);
    const std::string Name = "Table" + std::to_string(Index++);
    WriteFile("Textures/" + Name + ".dds", TDdsFile::Argb(8, 16, std::vector<uint32_t>(128, ~0u)).Bytes());
    WriteFile("Textures/" + Name + ".tsg", Case.Table);
    const size_t LogBefore = Log().size();
    TTexture* T = Load(Name);
    ASSERT_EQ(T->Segments.size(), Case.Count);
    if (Case.Changed >= 0) {
      const TTextureSegment& S = T->Segments[Case.Changed];
      EXPECT_EQ(S.Width, 3);
      EXPECT_EQ(S.Height, 4);
      EXPECT_EQ(S.Transform, SegmentTransform(1, 2, 3, 4, 8, 16));
      EXPECT_FLOAT_EQ(S.Transform.M[2][0], 1.0f / 8);   // u = 0 lands on x = 1
      EXPECT_FLOAT_EQ(S.Transform.M[1][1], 4.0f / 16);  // v runs over 4 of 16 rows
    }
    if (Case.Whole >= 0) {
      EXPECT_EQ(T->Segments[Case.Whole].Width, 8);
      EXPECT_EQ(T->Segments[Case.Whole].Transform, TMatrix());
    }
    EXPECT_EQ(Log().size() - LogBefore, Case.Logged ? 1u : 0u);
    if (Case.Logged) EXPECT_EQ(LastLog(), "Failed to load texture segments \"" + Name + ".tsg\"");
  }
}

TEST_F(TextureTest, SegmentSizesOutsideTheTableAreZero) {
  WriteFile("Textures/Two.dds", TDdsFile::Argb(4, 4, std::vector<uint32_t>(16, ~0u)).Bytes());
  WriteFile("Textures/Two.tsg", "SEGMENTS = 2\nSEGMENT1 = 0, 0, 2, 3");
  TTexture* T = Load("Two");
  for (int32_t Index : {-1, 2, 1000}) {
    EXPECT_EQ(T->GetSegmentSize(Index).X, 0) << Index;
    EXPECT_EQ(T->GetSegmentSize(Index).Y, 0) << Index;
  }
  EXPECT_EQ(T->GetSegmentSize(1).Y, 3);
}

TEST_F(TextureTest, PlotPicturesShareSegmentTablesBySize) {
  const std::pair<const char*, const char*> Cases[] = {
      {"Pane4House2", "Pane4"}, {"Pane2Market", "Pane2"}, {"pane1x", "Pane1"},
      {"PANE2", "Pane2"},       {"Pane3House", "Pane3House"}, {"pane", "pane"},
      {"Panel", "Panel"},       {"Pane", "Pane"},         {"", ""}};
  for (auto [Name, Table] : Cases) EXPECT_EQ(SegmentsName(Name), Table) << Name;

  WriteFile("Textures/Pane4House2.dds", TDdsFile::Argb(8, 8, std::vector<uint32_t>(64, ~0u)).Bytes());
  WriteFile("Textures/Pane4.tsg", "SEGMENTS = 16\nSEGMENT3 = 0, 0, 4, 4\nSEGMENT7 = 1,2,3");
  WriteFile("Textures/Pane4House2.tsg", "SEGMENTS = 2");
  TTexture* T = Load("Pane4House2");
  EXPECT_EQ(T->Segments.size(), 16u);
  EXPECT_EQ(T->Segments[3].Width, 4);
  EXPECT_EQ(LastLog(), "Failed to load texture segments \"Pane4House2.tsg\"");
}

TEST_F(TextureTest, SearchOrderOverTheDataFolders) {
  auto Dds = [](uint32_t W) { return TDdsFile::Argb(W, 4, std::vector<uint32_t>(W * 4, ~0u)).Bytes(); };
  auto Png = [&](const std::string& Path, int W) {
    WritePam(Folder("Branding") + "p.pam", W, 4, std::vector<uint32_t>(W * 4, ~0u));
    Convert(Folder("Branding") + "p.pam " + Path);
  };
  std::filesystem::create_directories(Root / "Languages" / "English");
  WriteFile("Languages/English/Language.txt", "");
  const std::string English = Folder("Languages") + "English/";
  // Each name exists in the listed places; the width tells which file was taken.
  WriteFile("Textures/A.dds", Dds(8));
  WriteFile("Textures/A.tsg", "SEGMENTS = 2");
  WriteFile("Languages/English/A.dds", Dds(12));
  WriteFile("Languages/English/B.dds", Dds(12));
  WriteFile("Languages/English/B.tsg", "SEGMENTS = 3");
  Png(English + "B.png", 16);
  Png(English + "C.png", 16);
  WriteFile("Languages/English/C.tsg", "SEGMENTS = 4");
  Png(Folder("Branding") + "C.jpg", 20);
  Png(Folder("Branding") + "D.png", 24);
  WriteFile("Branding/D.dds", Dds(28));
  WriteFile("Branding/D.tsg", "SEGMENTS = 5");
  WriteFile("Branding/E.dds", Dds(28));
  Png(Folder("Branding") + "F.jpg", 20);
  Png(Folder("Branding") + "F.png", 24);
  Languages = new TLanguages();
  MakeRenderer();
  const struct {
    const char* Name;
    int Width;
    size_t Segments;
  } Cases[] = {{"A", 8, 2}, {"B", 12, 3}, {"C", 16, 4}, {"D", 24, 1}, {"E", 28, 1}, {"F", 20, 1}};
  for (const auto& Case : Cases) {
    TTexture* T = Load(Case.Name);
    EXPECT_EQ(T->Width, Case.Width) << Case.Name;
    EXPECT_EQ(T->Segments.size(), Case.Segments) << Case.Name;
  }
  delete Languages;
  Languages = nullptr;
  EXPECT_TRUE(Log().empty()) << LastLog();
  ExpectPlaceholder(Load("G"));
  EXPECT_EQ(LastLog(), "Failed to create texture \"G\" (Missing file)");
}

TEST_F(TextureTest, LanguageNamePicturesComeFromTheirLanguageFolder) {
  for (const char* Language : {"Alpha", "Beta"}) {
    WriteFile(std::string("Languages/") + Language + "/Language.txt", "");
  }
  auto Dds = [](uint32_t W) { return TDdsFile::Argb(W, 4, std::vector<uint32_t>(W * 4, ~0u)).Bytes(); };
  WriteFile("Languages/Alpha/LanguageName.dds", Dds(8));
  WriteFile("Languages/Beta/LanguageName.dds", Dds(12));
  WriteFile("Languages/Beta/LanguageName.tsg", "SEGMENTS = 2");
  WriteFile("Languages/LanguageName.dds", Dds(16));
  WriteFile("Textures/LanguageName.dds", Dds(20));
  WriteFile("Textures/LanguageName123.dds", Dds(24));
  Languages = new TLanguages();
  MakeRenderer();
  const struct {
    const char* Name;
    int Width;
  } Cases[] = {{"LanguageName0", 8},  {"LanguageName1", 12},  {"LanguageNameX", 8},
               {"LanguageName7", 16}, {"LanguageName", 20},   {"LanguageName123", 24},
               {"LanguageName01", 12}};
  for (const auto& Case : Cases) EXPECT_EQ(Load(Case.Name)->Width, Case.Width) << Case.Name;
  EXPECT_EQ(Load("LanguageName1")->Segments.size(), 2u);
  std::filesystem::remove(Root / "Languages" / "LanguageName.dds");
  ExpectPlaceholder(Load("LanguageName5"));
  EXPECT_EQ(LastLog(), "Failed to create texture \"LanguageName5\" (Missing file)");
  delete Languages;
  Languages = nullptr;
}
