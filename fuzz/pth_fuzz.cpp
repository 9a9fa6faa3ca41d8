// Feeds arbitrary bytes to the ".pth" reader and walks whatever it accepted.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

#include "engine/EngineParticles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  TPath Path;
  try {
    Path.LoadFromBytes(std::string(reinterpret_cast<const char*>(Data), Size));
  } catch (const std::exception&) {
    return 0;
  }
  const int32_t Marks = static_cast<int32_t>(Path.Marks.size());
  for (int32_t Mark = -1; Mark <= Marks; ++Mark) {
    const int32_t Count = Path.GetMarkCount(Mark);
    for (int32_t Index = -1; Index <= Count && Index < 64; ++Index) Path.GetMarkPoint(Mark, Index);
    Path.GetRandomMarkPoint(Mark);
  }
  Path.GetRandomPoint();
  return 0;
}
