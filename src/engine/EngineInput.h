// Placeholder of the Input singleton; its unit fills it.
#pragma once

class TInput {
 public:
  TInput() = default;
  virtual ~TInput() = default;
};

extern TInput* Input;
