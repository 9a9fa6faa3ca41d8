// Placeholder of the Renderer singleton; its unit fills it.
#pragma once

class TRenderer {
 public:
  TRenderer() = default;
  virtual ~TRenderer() = default;
};

extern TRenderer* Renderer;
