// Textures: where a picture is searched, the size rule, PNG and JPEG pictures, segment
// tables, and the placeholder that stands in for a picture that could not be loaded.
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <stdexcept>

#include "app/EngineRegister.h"
#include "engine/EngineLanguages.h"
#include "engine/EngineRenderer.h"
#include "platform/SafeFile.h"

namespace {

// A segment table cannot usefully hold more pieces than a 2048 x 2048 picture has 4 x 4
// blocks; a larger count is a broken file, not a reason to exhaust memory.
constexpr int32_t kMaxSegments = 512 * 512;

bool FileExists(const std::string& Path) {
  struct stat Info;
  return stat(Path.c_str(), &Info) == 0 && S_ISREG(Info.st_mode);
}

bool IsLanguageNamePicture(const std::string& Name) {
  return (Name.size() == 13 || Name.size() == 14) && Name.compare(0, 12, "LanguageName") == 0;
}

std::string TrimControls(const std::string& S) {
  size_t Begin = 0, End = S.size();
  while (Begin < End && static_cast<unsigned char>(S[Begin]) <= 32) ++Begin;
  while (End > Begin && static_cast<unsigned char>(S[End - 1]) <= 32) --End;
  return S.substr(Begin, End - Begin);
}

// A whole decimal integer with an optional sign, leading blanks allowed.
bool ParseInt32(const std::string& S, int32_t& Value) {
  size_t i = 0;
  while (i < S.size() && S[i] == ' ') ++i;
  bool Negative = false;
  if (i < S.size() && (S[i] == '-' || S[i] == '+')) Negative = S[i++] == '-';
  if (i == S.size()) return false;
  int64_t Result = 0;
  for (; i < S.size(); ++i) {
    if (S[i] < '0' || S[i] > '9') return false;
    Result = Result * 10 + (S[i] - '0');
    if (Result > int64_t(INT32_MAX) + 1) return false;
  }
  Result = Negative ? -Result : Result;
  if (Result > INT32_MAX || Result < INT32_MIN) return false;
  Value = int32_t(Result);
  return true;
}

int32_t LanguageNumber(const std::string& Name) {
  int32_t Number = 0;
  return ParseInt32(Name.substr(12), Number) ? Number : 0;
}

std::vector<std::string> SplitLines(const std::string& Content) {
  std::vector<std::string> Lines;
  size_t Start = 0;
  for (size_t i = 0; i <= Content.size(); ++i) {
    if (i < Content.size() && Content[i] != '\r' && Content[i] != '\n') continue;
    Lines.push_back(Content.substr(Start, i - Start));
    if (i + 1 < Content.size() && Content[i] == '\r' && Content[i + 1] == '\n') ++i;
    Start = i + 1;
  }
  return Lines;
}

// "x, y, w, h": four integers separated by commas, each trimmed.
bool ParseRectangle(const std::string& Value, int32_t Numbers[4]) {
  size_t Start = 0;
  for (int i = 0; i < 4; ++i) {
    size_t Comma = i < 3 ? Value.find(',', Start) : Value.size();
    if (Comma == std::string::npos) return false;
    if (!ParseInt32(TrimControls(Value.substr(Start, Comma - Start)), Numbers[i])) return false;
    Start = Comma + 1;
  }
  return true;
}

}  // namespace

std::string SegmentsName(const std::string& Name) {
  if (Name.size() >= 5) {
    std::string Prefix = Name.substr(0, 4);
    for (char& C : Prefix)
      if (C >= 'A' && C <= 'Z') C = char(C - 'A' + 'a');
    if (Prefix == "pane" && (Name[4] == '1' || Name[4] == '2' || Name[4] == '4'))
      return std::string("Pane") + Name[4];
  }
  return Name;
}

int32_t DeviceTextureSize(int32_t Size, bool NonPowerOfTwo) {
  if (NonPowerOfTwo) return Size;
  int32_t Result = 4;
  while (Result < Size && Result < 2048) Result *= 2;
  return Result;
}

TMatrix SegmentTransform(float X, float Y, float W, float H, int32_t TextureWidth,
                         int32_t TextureHeight) {
  const float Tw = float(TextureWidth), Th = float(TextureHeight);
  TMatrix Translate;
  Translate.M[2][0] = X / Tw;
  Translate.M[2][1] = Y / Th;
  return TMatrix::Scaling(W / Tw, H / Th, 1) * Translate;
}

TTexture::TTexture(TRenderer* Owner, const std::string& TextureName) : Owner(Owner) {
  Name = TextureName;
  MakePlaceholder();
  try {
    Load();
  } catch (const std::exception& Error) {
    LogError("Failed to create texture \"" + Name + "\" (" + Error.what() + ")");
    MakePlaceholder();
  }
}

TTexture::~TTexture() = default;

void TTexture::MakePlaceholder() {
  DeviceTexture.reset();
  Width = Height = 4;
  Segments.assign(1, TTextureSegment{4, 4, TMatrix()});
}

void TTexture::Load() {
  if (IsLanguageNamePicture(Name)) {
    const int32_t Number = LanguageNumber(Name);
    const std::string Base =
        (Languages ? Languages->GetFolder(Number) : LanguagesFolder) + "LanguageName";
    if (!FileExists(Base + ".dds")) throw std::runtime_error("Missing file");
    LoadDds(Base + ".dds");
    if (FileExists(Base + ".tsg")) LoadSegments(Base + ".tsg");
    return;
  }
  const std::string Language = Languages ? Languages->Language.Folder : std::string();
  const std::string Segments = SegmentsName(Name);
  struct TCandidate {
    std::string File;
    bool Dds;
    std::string Table;
  };
  std::vector<TCandidate> Candidates = {{TexturesFolder + Name + ".dds", true,
                                         TexturesFolder + Segments + ".tsg"}};
  if (!Language.empty()) {
    Candidates.push_back({Language + Name + ".dds", true, Language + Segments + ".tsg"});
    Candidates.push_back({Language + Name + ".png", false, Language + Segments + ".tsg"});
  }
  Candidates.push_back({BrandingFolder + Name + ".jpg", false, ""});
  Candidates.push_back({BrandingFolder + Name + ".png", false, ""});
  Candidates.push_back({BrandingFolder + Name + ".dds", true, ""});
  for (const TCandidate& Candidate : Candidates) {
    if (!FileExists(Candidate.File)) continue;
    if (Candidate.Dds)
      LoadDds(Candidate.File);
    else
      LoadImage(Candidate.File);
    if (!Candidate.Table.empty() && FileExists(Candidate.Table)) LoadSegments(Candidate.Table);
    return;
  }
  throw std::runtime_error("Missing file");
}

TVector2 TTexture::GetSegmentSize(int32_t Index) const {
  if (Index < 0 || Index >= int32_t(Segments.size())) return TVector2{0, 0};
  return TVector2{Segments[Index].Width, Segments[Index].Height};
}

void TTexture::PrepareDeviceTexture(int PictureWidth, int PictureHeight, TDeviceFormat Format) {
  Width = DeviceTextureSize(PictureWidth, Owner->NonPowerOfTwo);
  Height = DeviceTextureSize(PictureHeight, Owner->NonPowerOfTwo);
  TTextureSegment Whole{float(PictureWidth), float(PictureHeight), TMatrix()};
  if (Width != PictureWidth || Height != PictureHeight)
    Whole.Transform = TMatrix::Scaling(float(PictureWidth) / float(Width),
                                       float(PictureHeight) / float(Height), 0);
  Segments.assign(1, Whole);
  DeviceTexture.reset();
  DeviceTexture = Owner->Device->CreateTexture(Width, Height, Format);
  if (!DeviceTexture) throw std::runtime_error("Failed to create texture");
}

void TTexture::LoadImage(const std::string& FileName) {
  TImagePixels Image = ReadImageFile(FileName);
  if (Image.Pixels.empty() || Image.Width < 4 || Image.Width > 2048 || Image.Height < 4 ||
      Image.Height > 2048)
    throw std::runtime_error("Unsupported width or height of image file");
  PrepareDeviceTexture(Image.Width, Image.Height, dfA8R8G8B8);
  uint8_t* Bits = nullptr;
  int Pitch = 0;
  if (!DeviceTexture->LockRect(Bits, Pitch)) throw std::runtime_error("Failed to lock texture surface");
  const size_t RowSize = size_t(Image.Width) * 4;
  if (size_t(Pitch) < RowSize) {
    DeviceTexture->UnlockRect();
    throw std::runtime_error("Failed to lock texture surface");
  }
  if (size_t(Pitch) == RowSize) {
    std::memcpy(Bits, Image.Pixels.data(), RowSize * Image.Height);
  } else {
    for (int32_t y = 0; y < Image.Height; ++y)
      std::memcpy(Bits + size_t(y) * Pitch, Image.Pixels.data() + size_t(y) * Image.Width,
                  RowSize);
  }
  FillEdges(Bits, Pitch, dfA8R8G8B8, Image.Width, Image.Height);
  DeviceTexture->UnlockRect();
}

void TTexture::LoadSegments(const std::string& FileName) {
  std::string Content;
  if (!ReadWholeFile(FileName, Content)) {
    LogError("Failed to load texture segments \"" + Name + ".tsg\"");
    return;
  }
  ApplySegments(Content);
}

void TTexture::ApplySegments(const std::string& Content) {
  for (const std::string& Line : SplitLines(Content)) {
    const size_t Equals = Line.find('=');
    if (Equals == std::string::npos || Equals == 0) continue;
    const std::string Key = TrimControls(Line.substr(0, Equals));
    const std::string Value = TrimControls(Line.substr(Equals + 1));
    bool Valid = true;
    if (Key == "SEGMENTS") {
      int32_t Count = 0;
      Valid = ParseInt32(Value, Count) && Count <= kMaxSegments;
      if (Valid) {
        const TTextureSegment Whole = Segments[0];
        Segments.assign(size_t(std::max(Count, 1)), Whole);
      }
    } else if (Key.compare(0, 7, "SEGMENT") == 0) {
      int32_t Index = 0, Rect[4];
      Valid = ParseInt32(Key.substr(7), Index) && ParseRectangle(Value, Rect);
      if (Valid && Index >= 0 && Index < int32_t(Segments.size()))
        Segments[Index] = TTextureSegment{
            float(Rect[2]), float(Rect[3]),
            SegmentTransform(float(Rect[0]), float(Rect[1]), float(Rect[2]), float(Rect[3]),
                             Width, Height)};
    }
    if (!Valid) {
      LogError("Failed to load texture segments \"" + Name + ".tsg\"");
      return;
    }
  }
}
