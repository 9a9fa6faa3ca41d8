// Placeholder of the Gui singleton; its unit fills it.
#pragma once

class TGui {
 public:
  TGui() = default;
  virtual ~TGui() = default;
};

extern TGui* Gui;
