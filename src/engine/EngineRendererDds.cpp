// The DDS reader: a single uncompressed or block-compressed picture read straight into the
// locked texture, and the edge fill, which for block formats works on whole 4 x 4 blocks.
#include <cstring>
#include <stdexcept>

#include "engine/EngineRenderer.h"

namespace {

constexpr uint32_t kDdsMagic = 0x20534444;  // "DDS "
constexpr uint32_t kRequiredFlags = 0x1 | 0x2 | 0x4 | 0x1000;  // caps, height, width, format
constexpr uint32_t kFlagPitch = 0x8;
constexpr uint32_t kCapsTexture = 0x1000;
constexpr uint32_t kFormatFourCC = 0x4, kFormatRgb = 0x40, kFormatAlpha = 0x1;

uint16_t Get16(const uint8_t* P) { return uint16_t(P[0] | (P[1] << 8)); }

uint32_t Get32(const uint8_t* P) {
  return uint32_t(P[0]) | (uint32_t(P[1]) << 8) | (uint32_t(P[2]) << 16) |
         (uint32_t(P[3]) << 24);
}

void Put16(uint8_t* P, uint32_t V) {
  P[0] = uint8_t(V);
  P[1] = uint8_t(V >> 8);
}

void Put32(uint8_t* P, uint32_t V) {
  for (int i = 0; i < 4; ++i) P[i] = uint8_t(V >> (8 * i));
}

void ReadExactly(std::FILE* File, void* Buffer, size_t Size) {
  if (std::fread(Buffer, 1, Size, File) != Size) throw std::runtime_error("Stream read error");
}

struct TDdsHeader {
  uint32_t Size, Flags, Height, Width, Pitch;
  uint32_t FormatFlags, FourCC, Bits, RedMask, GreenMask, BlueMask, AlphaMask, Caps;
};

TDdsHeader ParseHeader(const uint8_t* H) {
  return TDdsHeader{Get32(H + 4),  Get32(H + 8),  Get32(H + 12), Get32(H + 16), Get32(H + 20),
                    Get32(H + 80), Get32(H + 84), Get32(H + 88), Get32(H + 92),  Get32(H + 96),
                    Get32(H + 100), Get32(H + 104), Get32(H + 108)};
}

TDeviceFormat PixelFormat(const TDdsHeader& H) {
  if (H.FormatFlags & kFormatFourCC) {
    if (H.FourCC == dfDXT1 || H.FourCC == dfDXT3 || H.FourCC == dfDXT5)
      return TDeviceFormat(H.FourCC);
    return dfUnknown;
  }
  if (!(H.FormatFlags & kFormatRgb)) return dfUnknown;
  auto Masks = [&](uint32_t R, uint32_t G, uint32_t B) {
    return H.RedMask == R && H.GreenMask == G && H.BlueMask == B;
  };
  if (!(H.FormatFlags & kFormatAlpha))
    return H.Bits == 16 && Masks(0xF800, 0x07E0, 0x001F) ? dfR5G6B5 : dfUnknown;
  if (H.Bits == 16 && Masks(0x7C00, 0x03E0, 0x001F) && H.AlphaMask == 0x8000) return dfA1R5G5B5;
  if (H.Bits == 16 && Masks(0x0F00, 0x00F0, 0x000F) && H.AlphaMask == 0xF000) return dfA4R4G4B4;
  if (H.Bits == 32 && Masks(0xFF0000, 0xFF00, 0xFF) && H.AlphaMask == 0xFF000000)
    return dfA8R8G8B8;
  return dfUnknown;
}

// Each block fill moves the last texel column (row) of the neighbouring block into the first
// column (row) of the fill block by shifting its index words.
void FillBlockRight(TDeviceFormat Format, const uint8_t* Source, uint8_t* Target) {
  const int Color = Format == dfDXT1 ? 0 : 8;
  if (Format == dfDXT3) {
    Put32(Target, Get32(Source) >> 12);
    Put32(Target + 4, Get32(Source + 4) >> 12);
  } else if (Format == dfDXT5) {
    Target[0] = Source[0];
    Target[1] = Source[1];
    const uint32_t First = Get32(Source + 2) >> 9, Second = Get32(Source + 4) >> 9;
    Put32(Target + 2, First);
    Put32(Target + 4, Second);  // overlaps the first write on purpose
  }
  std::memcpy(Target + Color, Source + Color, 4);
  Put32(Target + Color + 4, Get32(Source + Color + 4) >> 6);
}

void FillBlockBelow(TDeviceFormat Format, const uint8_t* Source, uint8_t* Target) {
  const int Color = Format == dfDXT1 ? 0 : 8;
  if (Format == dfDXT3) {
    Put32(Target, Get32(Source + 4) >> 16);
  } else if (Format == dfDXT5) {
    Target[0] = Source[0];
    Target[1] = Source[1];
    Put16(Target + 2, Get16(Source + 6) >> 4);
  }
  std::memcpy(Target + Color, Source + Color, 4);
  Put32(Target + Color + 4, Get32(Source + Color + 4) >> 24);
}

}  // namespace

void TTexture::FillEdges(uint8_t* Bits, int Pitch, TDeviceFormat Format, int PictureWidth,
                         int PictureHeight) {
  const bool Block = IsBlockFormat(Format);
  const int Unit = Block ? 4 : 1;
  const int Bytes = BytesPerUnit(Format);
  int UnitsAcross = PictureWidth / Unit;
  const int UnitsDown = PictureHeight / Unit;
  if (Width > PictureWidth) {
    for (int Row = 0; Row < UnitsDown; ++Row) {
      uint8_t* Last = Bits + size_t(Row) * Pitch + size_t(UnitsAcross - 1) * Bytes;
      if (Block)
        FillBlockRight(Format, Last, Last + Bytes);
      else
        std::memcpy(Last + Bytes, Last, Bytes);
    }
    ++UnitsAcross;
  }
  if (Height > PictureHeight) {
    for (int Column = 0; Column < UnitsAcross; ++Column) {
      const uint8_t* Above = Bits + size_t(UnitsDown - 1) * Pitch + size_t(Column) * Bytes;
      uint8_t* Below = Bits + size_t(UnitsDown) * Pitch + size_t(Column) * Bytes;
      if (Block)
        FillBlockBelow(Format, Above, Below);
      else
        std::memcpy(Below, Above, Bytes);
    }
  }
}

void TTexture::LoadDds(const std::string& FileName) {
  std::FILE* File = std::fopen(FileName.c_str(), "rb");
  if (!File) throw std::runtime_error("Cannot open file \"" + FileName + "\"");
  try {
    LoadDds(File);
  } catch (...) {
    std::fclose(File);
    throw;
  }
  std::fclose(File);
}

void TTexture::LoadDds(std::FILE* File) {
  uint8_t Raw[128];
  ReadExactly(File, Raw, 4);
  if (Get32(Raw) != kDdsMagic) throw std::runtime_error("Invalid file format");
  ReadExactly(File, Raw + 4, 124);
  const TDdsHeader H = ParseHeader(Raw);
  if (H.Size != 124 || (H.Flags & kRequiredFlags) != kRequiredFlags || !(H.Caps & kCapsTexture))
    throw std::runtime_error("Invalid file format");
  if (H.Width < 4 || H.Width > 2048 || H.Height < 4 || H.Height > 2048)
    throw std::runtime_error("Unsupported width or height of dds file");
  const TDeviceFormat Format = PixelFormat(H);
  if (Format == dfUnknown) throw std::runtime_error("Unsupported pixel format of dds file");
  const bool Block = IsBlockFormat(Format);
  // Whole blocks only: a partial block column would shift every following row of the file.
  if (Block && (H.Width % 4 != 0 || H.Height % 4 != 0))
    throw std::runtime_error("Unsupported width or height of dds file");
  const int UnitsAcross = int(Block ? H.Width / 4 : H.Width);
  const int UnitsDown = int(Block ? H.Height / 4 : H.Height);
  const size_t RowSize = size_t(UnitsAcross) * BytesPerUnit(Format);
  if ((H.Flags & kFlagPitch) && H.Pitch != RowSize)
    throw std::runtime_error("Unsupported combination of width and pixel format of dds file");

  PrepareDeviceTexture(int(H.Width), int(H.Height), Format);
  uint8_t* Bits = nullptr;
  int Pitch = 0;
  if (!DeviceTexture->LockRect(Bits, Pitch)) throw std::runtime_error("Failed to lock texture surface");
  struct TUnlock {
    TDeviceTexture* Texture;
    ~TUnlock() { Texture->UnlockRect(); }
  } Unlock{DeviceTexture.get()};
  if (size_t(Pitch) < RowSize) throw std::runtime_error("Failed to lock texture surface");
  if (size_t(Pitch) == RowSize) {
    ReadExactly(File, Bits, RowSize * UnitsDown);
  } else {
    for (int Row = 0; Row < UnitsDown; ++Row) ReadExactly(File, Bits + size_t(Row) * Pitch, RowSize);
  }
  FillEdges(Bits, Pitch, Format, int(H.Width), int(H.Height));
}
