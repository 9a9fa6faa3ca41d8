// Reading samples: the file stream and the decoder callbacks over it, the WAV reader (plain
// PCM only, "fmt " followed at once by "data") and the Ogg Vorbis reader.
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <limits>
#include <stdexcept>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "engine/EngineTimer.h"

namespace {

constexpr float kShortestStreamedSeconds = 5.0f;
constexpr int kStreamingBlocks = 6;

[[noreturn]] void Fail(const char* Message) { throw std::runtime_error(Message); }

TSampleFileStream* StreamOf(void* DataSource) {
  return static_cast<std::unique_ptr<TSampleFileStream>*>(DataSource)->get();
}

size_t ReadCallback(void* Buffer, size_t Size, size_t Count, void* DataSource) {
  TSampleFileStream* Stream = StreamOf(DataSource);
  if (Size == 0 || Count == 0 || !Stream) return 0;
  if (Count > std::numeric_limits<size_t>::max() / Size) Count = std::numeric_limits<size_t>::max() / Size;
  return Stream->Read(Buffer, Size * Count) / Size;
}

int SeekCallback(void* DataSource, ogg_int64_t Offset, int Whence) {
  TSampleFileStream* Stream = StreamOf(DataSource);
  if (!Stream) return -1;
  if (Whence < 0 || Whence > 2) return 0;
  return Stream->Seek(Offset, Whence) ? 0 : -1;
}

int CloseCallback(void* DataSource) {
  static_cast<std::unique_ptr<TSampleFileStream>*>(DataSource)->reset();
  return 0;
}

long TellCallback(void* DataSource) {
  TSampleFileStream* Stream = StreamOf(DataSource);
  return Stream ? long(Stream->Tell()) : -1;
}

const ov_callbacks kCallbacks = {ReadCallback, SeekCallback, CloseCallback, TellCallback};

void ReadExact(TSampleFileStream& File, void* Buffer, size_t Bytes, const char* Message) {
  if (File.Read(Buffer, Bytes) != Bytes) Fail(Message);
}

struct TChunkHeader {
  char Id[4];
  uint32_t Size;
  bool Is(const char* Name) const { return std::memcmp(Id, Name, 4) == 0; }
};

TChunkHeader ReadChunkHeader(TSampleFileStream& File, const char* Message) {
  uint8_t Bytes[8];
  ReadExact(File, Bytes, 8, Message);
  TChunkHeader Header;
  std::memcpy(Header.Id, Bytes, 4);
  Header.Size = uint32_t(Bytes[4]) | uint32_t(Bytes[5]) << 8 | uint32_t(Bytes[6]) << 16 |
                uint32_t(Bytes[7]) << 24;
  return Header;
}

struct TWavFormat {
  uint16_t Tag, Channels;
  uint32_t Rate, BytesPerSecond;
  uint16_t BlockAlign, Bits;
};

TWavFormat ReadWavFormat(TSampleFileStream& File) {
  uint8_t B[16];
  ReadExact(File, B, 16, "Invalid structure of file");
  auto U16 = [&](int At) { return uint16_t(B[At] | B[At + 1] << 8); };
  auto U32 = [&](int At) { return uint32_t(U16(At)) | uint32_t(U16(At + 2)) << 16; };
  return {U16(0), U16(2), U32(4), U32(8), U16(12), U16(14)};
}

void CheckWavFormat(const TChunkHeader& Chunk, const TWavFormat& Format) {
  if (Chunk.Size != 16 || Format.Tag != 1) Fail("Unsupported compression format");
  if (Format.Bits != 8 && Format.Bits != 16) Fail("Unsupported bits per sample");
  if (Format.Channels == 0 || Format.Channels > 2) Fail("Unsupported number of channels");
  // Frames are cut by the block alignment, so it must describe them exactly.
  if (Format.BlockAlign != Format.Channels * Format.Bits / 8) Fail("Unsupported compression format");
}

std::unique_ptr<TSoundBuffer> CreateBuffer(TSoundDevice& Device, const TSoundFormat& Format,
                                           int64_t Bytes) {
  std::unique_ptr<TSoundBuffer> Buffer;
  if (Bytes > 0 && Bytes <= int64_t(kSoundBufferMaxBytes))
    Buffer = Device.CreateSoundBuffer(Format, uint32_t(Bytes));
  if (!Buffer) Fail("Failed to create secondary buffer");
  return Buffer;
}

uint8_t* LockWhole(TSoundBuffer& Buffer) {
  uint8_t* Memory = Buffer.Lock(0, Buffer.Size());
  if (!Memory) Fail("Failed to lock secondary buffer");
  return Memory;
}

void DecodeWhole(OggVorbis_File* Decoder, uint8_t* Memory, uint32_t Bytes) {
  uint32_t Done = 0;
  while (Done < Bytes) {
    long Got = ov_read(Decoder, reinterpret_cast<char*>(Memory + Done), int(Bytes - Done), 0, 2,
                       1, nullptr);
    if (Got < 0) Fail("Failed to decode audio data");
    if (Got == 0) break;
    Done += uint32_t(Got);
  }
}

}  // namespace

std::unique_ptr<TSampleFileStream> TSampleFileStream::Open(const std::string& FileName) {
  std::FILE* File = std::fopen(FileName.c_str(), "rb");
  if (!File) return nullptr;
  return std::unique_ptr<TSampleFileStream>(new TSampleFileStream(File));
}

TSampleFileStream::~TSampleFileStream() { std::fclose(File); }

size_t TSampleFileStream::Read(void* Buffer, size_t Bytes) { return std::fread(Buffer, 1, Bytes, File); }

bool TSampleFileStream::Seek(int64_t Offset, int Whence) {
  static const int Origins[3] = {SEEK_SET, SEEK_CUR, SEEK_END};
  return fseeko(File, off_t(Offset), Origins[Whence]) == 0;
}

int64_t TSampleFileStream::Tell() { return int64_t(ftello(File)); }

int64_t TSampleFileStream::Size() {
  int64_t Here = Tell();
  if (Here < 0 || fseeko(File, 0, SEEK_END) != 0) return -1;
  int64_t End = Tell();
  fseeko(File, off_t(Here), SEEK_SET);
  return End;
}

void TDecoderDeleter::operator()(OggVorbis_File* Decoder) const {
  ov_clear(Decoder);
  delete Decoder;
}

bool OpenDecoder(std::unique_ptr<TSampleFileStream>& Stream, TDecoder& Decoder) {
  Decoder.reset();
  if (!Stream) return false;
  auto* State = new OggVorbis_File;
  // On failure the library has already cleaned up its state without closing the stream.
  if (ov_open_callbacks(&Stream, State, nullptr, 0, kCallbacks) < 0) {
    delete State;
    Stream.reset();
    return false;
  }
  Decoder.reset(State);
  return true;
}

std::string TSample::FileName(const char* Extension) const {
  return SamplesFolder + Name + Extension;
}

void TSample::Load(TSoundDevice& Device) {
  std::error_code Error;
  if (std::filesystem::exists(FileName(".ogg"), Error)) {
    LoadOgg(Device, FileName(".ogg"));
  } else if (std::filesystem::exists(FileName(".wav"), Error)) {
    Streamed = false;
    LoadWav(Device, FileName(".wav"));
  } else {
    Fail("Missing file");
  }
}

void TSample::LoadWav(TSoundDevice& Device, const std::string& Path) {
  std::unique_ptr<TSampleFileStream> File = TSampleFileStream::Open(Path);
  if (!File) Fail("Missing file");
  TChunkHeader Riff = ReadChunkHeader(*File, "Invalid file type");
  char Wave[4] = {};
  if (!Riff.Is("RIFF") || File->Read(Wave, 4) != 4 || std::memcmp(Wave, "WAVE", 4) != 0)
    Fail("Invalid file type");
  TChunkHeader FormatChunk = ReadChunkHeader(*File, "Invalid structure of file");
  if (!FormatChunk.Is("fmt ")) Fail("Invalid structure of file");
  TWavFormat Format = ReadWavFormat(*File);
  CheckWavFormat(FormatChunk, Format);
  TChunkHeader Data = ReadChunkHeader(*File, "Invalid structure of file");
  if (!Data.Is("data")) Fail("Invalid structure of file");
  // A data size beyond the end of the file would make a buffer of stale silence (or of
  // gigabytes, for a damaged header); such a file is broken.
  if (int64_t(Data.Size) > File->Size() - File->Tell()) Fail("Invalid structure of file");

  if (Format.BytesPerSecond != 0) Duration = float(Data.Size) / float(Format.BytesPerSecond);
  BlockAlign = Format.BlockAlign;
  Length = int32_t(Data.Size / Format.BlockAlign);
  Buffer = CreateBuffer(Device, {Format.Channels, Format.Rate, Format.Bits}, Data.Size);
  uint8_t* Memory = LockWhole(*Buffer);
  ReadExact(*File, Memory, Data.Size, "Invalid structure of file");
  Buffer->Unlock();
}

void TSample::LoadOgg(TSoundDevice& Device, const std::string& Path) {
  std::unique_ptr<TSampleFileStream> File = TSampleFileStream::Open(Path);
  TDecoder OggDecoder;
  if (!OpenDecoder(File, OggDecoder)) Fail("Failed to open ogg file");
  vorbis_info* Info = ov_info(OggDecoder.get(), -1);
  if (!Info || Info->channels > 2) Fail("Unsupported number of channels");
  TSoundFormat Format{uint16_t(Info->channels), uint32_t(Info->rate), 16};
  int64_t BytesPerSecond = int64_t(Format.BlockAlign()) * Info->rate;
  int64_t Frames = ov_pcm_total(OggDecoder.get(), 0);
  if (Frames < 0) Fail("Failed to open ogg file");

  // No file holds 2^40 frames; the bound keeps a forged length from overflowing.
  int64_t DataSize = std::min<int64_t>(Frames, int64_t(1) << 40) * Format.BlockAlign();
  Duration = float(DataSize) / float(BytesPerSecond);
  int64_t BufferSize = DataSize;
  int64_t Block = 0;
  if (Streamed && Duration >= kShortestStreamedSeconds) {
    Block = int64_t(Floor(float(Info->rate) * 0.5f)) * Format.BlockAlign();
    BufferSize = kStreamingBlocks * Block;
    Duration = float(BufferSize) / float(BytesPerSecond);
  } else {
    Streamed = false;
  }
  BlockAlign = int32_t(Format.BlockAlign());
  Length = int32_t(std::min<int64_t>(BufferSize / BlockAlign, INT32_MAX));
  Buffer = CreateBuffer(Device, Format, BufferSize);
  BlockSize = int32_t(Block);
  if (Streamed) return;
  uint8_t* Memory = LockWhole(*Buffer);
  DecodeWhole(OggDecoder.get(), Memory, Buffer->Size());
  Buffer->Unlock();
}
