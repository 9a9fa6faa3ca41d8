// Placeholder of the Audio singleton until its unit lands: silent, but callers already use
// the final signature of PlaySound.
#pragma once

#include <string>

class TSource;

class TAudio {
 public:
  TAudio() = default;
  virtual ~TAudio() = default;
  TSource* PlaySound(const void* Owner, const std::string& Name, float Volume);
};

extern TAudio* Audio;
