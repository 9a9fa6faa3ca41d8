// Paths: point lists with marks, read from ".pth" files, and the random source of the effects.
#include <cstring>
#include <random>
#include <stdexcept>

#include "engine/EngineParticles.h"

namespace {

std::mt19937& RandomEngine() {
  static std::mt19937 Engine(0x5EED);
  return Engine;
}

class TByteReader {
 public:
  explicit TByteReader(const std::string& Bytes) : Bytes(Bytes) {}

  int32_t ReadInt32() {
    int32_t Value;
    Read(&Value, sizeof Value);
    return Value;
  }

  // Checks that Count records of RecordSize bytes remain before anything is allocated, so a
  // file that claims millions of points costs nothing.
  template <typename T>
  void ReadRecords(std::vector<T>& Records, int32_t Count) {
    if (Count < 0) throw std::runtime_error("Invalid path data");
    if (static_cast<uint64_t>(Count) * sizeof(T) > Bytes.size() - Offset)
      throw std::runtime_error("Stream read error");
    Records.resize(static_cast<size_t>(Count));
    Read(Records.data(), static_cast<size_t>(Count) * sizeof(T));
  }

 private:
  void Read(void* Target, size_t Size) {
    if (Size > Bytes.size() - Offset) throw std::runtime_error("Stream read error");
    if (Size) std::memcpy(Target, Bytes.data() + Offset, Size);
    Offset += Size;
  }

  const std::string& Bytes;
  size_t Offset = 0;
};

TVector2 PointAsVector(const TPathPoint& Point) {
  return {static_cast<float>(Point.X), static_cast<float>(Point.Y)};
}

}  // namespace

float RandomSingle() {
  return static_cast<float>(RandomEngine()() >> 8) * (1.0f / 16777216.0f);
}

int32_t RandomInteger(int32_t N) {
  if (N < 1) return 0;
  return static_cast<int32_t>(
      (static_cast<uint64_t>(RandomEngine()()) * static_cast<uint64_t>(N)) >> 32);
}

void RandomSeed(uint32_t Seed) {
  RandomEngine().seed(Seed);
}

void TPath::LoadFromBytes(const std::string& Bytes) {
  TByteReader Reader(Bytes);
  std::vector<TPathPoint> NewPoints;
  std::vector<TPathMark> NewMarks;
  Reader.ReadRecords(NewPoints, Reader.ReadInt32());
  Reader.ReadRecords(NewMarks, Reader.ReadInt32());
  for (const TPathMark& Mark : NewMarks) {
    const int64_t End = static_cast<int64_t>(Mark.First) + Mark.Count;
    if (Mark.First < 0 || Mark.Count < 0 || End > static_cast<int64_t>(NewPoints.size()))
      throw std::runtime_error("Invalid path data");
  }
  Points = std::move(NewPoints);
  Marks = std::move(NewMarks);
  UpdateSpan();
}

void TPath::Clear() {
  Points.clear();
  Marks.clear();
  UpdateSpan();
}

void TPath::UpdateSpan() {
  Span = Points.empty() ? 0.0f : Points.back().Position;
  Valid = Span > 0 && Points.size() >= 2;
}

bool TPath::HasMark(int32_t Mark) const {
  return Mark >= 0 && static_cast<size_t>(Mark) < Marks.size();
}

TVector2 TPath::GetRandomPoint() const {
  if (Points.empty()) return {0, 0};
  return PointAsVector(Points[RandomInteger(static_cast<int32_t>(Points.size()))]);
}

int32_t TPath::GetMarkCount(int32_t Mark) const {
  return HasMark(Mark) ? Marks[Mark].Count : 0;
}

TVector2 TPath::GetRandomMarkPoint(int32_t Mark) const {
  if (!HasMark(Mark) || Marks[Mark].Count <= 0) return {0, 0};
  return GetMarkPoint(Mark, RandomInteger(Marks[Mark].Count));
}

TVector2 TPath::GetMarkPoint(int32_t Mark, int32_t Index) const {
  if (!HasMark(Mark) || Index < 0 || Index >= Marks[Mark].Count) return {0, 0};
  const int64_t Point = static_cast<int64_t>(Marks[Mark].First) + Index;
  if (Point < 0 || Point >= static_cast<int64_t>(Points.size())) return {0, 0};
  return PointAsVector(Points[static_cast<size_t>(Point)]);
}
