// Little-endian byte streams for the saved forms of missions and profiles. The reader checks
// every read against what is left, so a short or hostile file fails with "Stream read error"
// before anything is allocated from a value it holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class TStreamWriter {
 public:
  void WriteByte(uint8_t Value) { Bytes.push_back(Value); }
  void WriteInt32(int32_t Value) { WriteUInt32(static_cast<uint32_t>(Value)); }
  void WriteUInt32(uint32_t Value);
  void WriteSingle(float Value);
  void WriteBytes(const void* Data, size_t Count);

  std::vector<uint8_t> Bytes;
};

class TStreamReader {
 public:
  TStreamReader(const uint8_t* Data, size_t Size) : Data(Data), Size(Size) {}
  explicit TStreamReader(const std::vector<uint8_t>& Bytes)
      : TStreamReader(Bytes.data(), Bytes.size()) {}

  uint8_t ReadByte();
  int32_t ReadInt32() { return static_cast<int32_t>(ReadUInt32()); }
  uint32_t ReadUInt32();
  float ReadSingle();
  void ReadBytes(void* Target, size_t Count);
  // Reads Count bytes as a string; fails before allocating when the stream is shorter.
  std::string ReadString(size_t Count);

  size_t Remaining() const { return Size - Position; }
  size_t Offset() const { return Position; }

 private:
  void Need(size_t Count) const;

  const uint8_t* Data;
  size_t Size;
  size_t Position = 0;
};

// Thrown for a stream that ends early or holds values no saved game can hold.
extern const char* const StreamReadError;
