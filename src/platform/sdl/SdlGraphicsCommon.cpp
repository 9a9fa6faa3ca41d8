// Pieces every graphics backend shares: matrices, format facts, the software decoder of the
// 16-bit and block-compressed formats, and PNG encoding of frames.
#include <png.h>

#include <cstring>

#include "platform/PlatformGraphics.h"

TGraphicsSystemFactory GraphicsSystemFactory;

std::unique_ptr<TGraphicsSystem> CreateGraphicsSystem() {
  if (GraphicsSystemFactory) return GraphicsSystemFactory();
  return CreateSdlGraphicsSystem();
}

TMatrix TMatrix::Scaling(float X, float Y, float Z) {
  TMatrix Result;
  Result.M[0][0] = X;
  Result.M[1][1] = Y;
  Result.M[2][2] = Z;
  return Result;
}

bool TMatrix::operator==(const TMatrix& Other) const {
  return std::memcmp(M, Other.M, sizeof(M)) == 0;
}

TMatrix operator*(const TMatrix& A, const TMatrix& B) {
  TMatrix Result;
  for (int Row = 0; Row < 4; ++Row)
    for (int Column = 0; Column < 4; ++Column) {
      float Sum = 0;
      for (int k = 0; k < 4; ++k) Sum += A.M[Row][k] * B.M[k][Column];
      Result.M[Row][Column] = Sum;
    }
  return Result;
}

bool IsBlockFormat(TDeviceFormat Format) {
  return Format == dfDXT1 || Format == dfDXT3 || Format == dfDXT5;
}

int BytesPerUnit(TDeviceFormat Format) {
  switch (Format) {
    case dfA8R8G8B8:
    case dfX8R8G8B8:
      return 4;
    case dfR5G6B5:
    case dfX1R5G5B5:
    case dfA1R5G5B5:
    case dfA4R4G4B4:
      return 2;
    case dfDXT1:
      return 8;
    case dfDXT3:
    case dfDXT5:
      return 16;
    default:
      return 0;
  }
}

namespace {

uint16_t Read16(const uint8_t* P) { return uint16_t(P[0] | (P[1] << 8)); }

uint32_t Read32(const uint8_t* P) {
  return uint32_t(P[0]) | (uint32_t(P[1]) << 8) | (uint32_t(P[2]) << 16) |
         (uint32_t(P[3]) << 24);
}

uint32_t Expand(uint32_t Value, int Bits) {
  // Repeats the high bits into the low ones, so that the largest value becomes 255.
  uint32_t Shifted = Value << (8 - Bits);
  return Shifted | (Shifted >> Bits);
}

uint32_t Argb(uint32_t A, uint32_t R, uint32_t G, uint32_t B) {
  return (A << 24) | (R << 16) | (G << 8) | B;
}

uint32_t FromR5G6B5(uint16_t P) {
  return Argb(255, Expand(P >> 11, 5), Expand((P >> 5) & 63, 6), Expand(P & 31, 5));
}

uint32_t Decode16(TDeviceFormat Format, uint16_t P) {
  switch (Format) {
    case dfR5G6B5:
      return FromR5G6B5(P);
    case dfX1R5G5B5:
    case dfA1R5G5B5: {
      uint32_t A = Format == dfX1R5G5B5 || (P & 0x8000) ? 255 : 0;
      return Argb(A, Expand((P >> 10) & 31, 5), Expand((P >> 5) & 31, 5), Expand(P & 31, 5));
    }
    default:  // A4R4G4B4
      return Argb(((P >> 12) & 15) * 17, ((P >> 8) & 15) * 17, ((P >> 4) & 15) * 17,
                  (P & 15) * 17);
  }
}

// The four colours of a colour block; Opaque forces the four-colour mode (DXT3 and DXT5).
void ColorTable(const uint8_t* Block, bool Opaque, uint32_t Table[4]) {
  const uint16_t C0 = Read16(Block), C1 = Read16(Block + 2);
  Table[0] = FromR5G6B5(C0);
  Table[1] = FromR5G6B5(C1);
  auto Mix = [&](int W0, int W1, int Sum) {
    uint32_t Result = 0xFF000000u;
    for (int Shift = 0; Shift <= 16; Shift += 8) {
      uint32_t A = (Table[0] >> Shift) & 255, B = (Table[1] >> Shift) & 255;
      Result |= ((A * W0 + B * W1 + Sum / 2) / Sum) << Shift;
    }
    return Result;
  };
  if (Opaque || C0 > C1) {
    Table[2] = Mix(2, 1, 3);
    Table[3] = Mix(1, 2, 3);
  } else {
    Table[2] = Mix(1, 1, 2);
    Table[3] = 0;  // transparent black
  }
}

void AlphaTable(uint8_t A0, uint8_t A1, uint8_t Table[8]) {
  Table[0] = A0;
  Table[1] = A1;
  if (A0 > A1) {
    for (int i = 1; i < 7; ++i) Table[i + 1] = uint8_t(((7 - i) * A0 + i * A1 + 3) / 7);
  } else {
    for (int i = 1; i < 5; ++i) Table[i + 1] = uint8_t(((5 - i) * A0 + i * A1 + 2) / 5);
    Table[6] = 0;
    Table[7] = 255;
  }
}

void DecodeBlock(TDeviceFormat Format, const uint8_t* Block, uint32_t Texels[16]) {
  const uint8_t* ColorBlock = Format == dfDXT1 ? Block : Block + 8;
  uint32_t Colors[4];
  ColorTable(ColorBlock, Format != dfDXT1, Colors);
  const uint32_t Indices = Read32(ColorBlock + 4);
  for (int i = 0; i < 16; ++i) Texels[i] = Colors[(Indices >> (2 * i)) & 3];
  if (Format == dfDXT3) {
    for (int i = 0; i < 16; ++i) {
      uint32_t A = (Block[i / 2] >> (4 * (i & 1))) & 15;
      Texels[i] = (Texels[i] & 0x00FFFFFF) | ((A * 17) << 24);
    }
  } else if (Format == dfDXT5) {
    uint8_t Alphas[8];
    AlphaTable(Block[0], Block[1], Alphas);
    uint64_t Bits = 0;
    for (int i = 0; i < 6; ++i) Bits |= uint64_t(Block[2 + i]) << (8 * i);
    for (int i = 0; i < 16; ++i)
      Texels[i] = (Texels[i] & 0x00FFFFFF) | (uint32_t(Alphas[(Bits >> (3 * i)) & 7]) << 24);
  }
}

void DecodeBlocks(TDeviceFormat Format, const uint8_t* Data, int Pitch, int Width, int Height,
                  uint32_t* Pixels) {
  const int Bytes = BytesPerUnit(Format);
  uint32_t Texels[16];
  for (int By = 0; By < Height / 4; ++By)
    for (int Bx = 0; Bx < Width / 4; ++Bx) {
      DecodeBlock(Format, Data + size_t(By) * Pitch + size_t(Bx) * Bytes, Texels);
      for (int y = 0; y < 4; ++y)
        std::memcpy(Pixels + size_t(By * 4 + y) * Width + Bx * 4, Texels + y * 4,
                    4 * sizeof(uint32_t));
    }
}

}  // namespace

void DecodeToArgb(TDeviceFormat Format, const uint8_t* Data, int Pitch, int Width, int Height,
                  uint32_t* Pixels) {
  if (IsBlockFormat(Format)) return DecodeBlocks(Format, Data, Pitch, Width, Height, Pixels);
  for (int y = 0; y < Height; ++y) {
    const uint8_t* Row = Data + size_t(y) * Pitch;
    uint32_t* Out = Pixels + size_t(y) * Width;
    for (int x = 0; x < Width; ++x) {
      switch (Format) {
        case dfA8R8G8B8:
          Out[x] = Read32(Row + 4 * x);
          break;
        case dfX8R8G8B8:
          Out[x] = Read32(Row + 4 * x) | 0xFF000000u;
          break;
        default:
          Out[x] = Decode16(Format, Read16(Row + 2 * x));
      }
    }
  }
}

namespace {

void AppendToString(png_structp Png, png_bytep Data, png_size_t Length) {
  auto* Out = static_cast<std::string*>(png_get_io_ptr(Png));
  Out->append(reinterpret_cast<const char*>(Data), Length);
}

void PngError(png_structp Png, png_const_charp Message) {
  *static_cast<std::string*>(png_get_error_ptr(Png)) = Message;
  png_longjmp(Png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

}  // namespace

bool EncodePng(const uint32_t* Pixels, int Width, int Height, std::string& Out,
               std::string& Error) {
  Out.clear();
  std::vector<uint8_t> Row(size_t(Width) * 3);
  png_structp Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &Error, PngError, PngWarning);
  png_infop Info = Png ? png_create_info_struct(Png) : nullptr;
  if (!Info) {
    png_destroy_write_struct(&Png, nullptr);
    Error = "Out of memory";
    return false;
  }
  if (setjmp(png_jmpbuf(Png))) {
    png_destroy_write_struct(&Png, &Info);
    return false;
  }
  png_set_write_fn(Png, &Out, AppendToString, nullptr);
  png_set_IHDR(Png, Info, png_uint_32(Width), png_uint_32(Height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(Png, Info);
  for (int y = 0; y < Height; ++y) {
    const uint32_t* Source = Pixels + size_t(y) * Width;
    for (int x = 0; x < Width; ++x) {
      Row[3 * x] = uint8_t(Source[x] >> 16);
      Row[3 * x + 1] = uint8_t(Source[x] >> 8);
      Row[3 * x + 2] = uint8_t(Source[x]);
    }
    png_write_row(Png, Row.data());
  }
  png_write_end(Png, Info);
  png_destroy_write_struct(&Png, &Info);
  return true;
}
