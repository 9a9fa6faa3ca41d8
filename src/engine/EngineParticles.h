// Placeholder of the Particles singleton; its unit fills it.
#pragma once

class TParticles {
 public:
  TParticles() = default;
  virtual ~TParticles() = default;
};

extern TParticles* Particles;
