// Placeholder of the Texts singleton; its unit fills it.
#pragma once

class TTexts {
 public:
  TTexts() = default;
  virtual ~TTexts() = default;
};

extern TTexts* Texts;
