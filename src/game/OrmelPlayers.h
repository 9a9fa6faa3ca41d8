// Placeholder of the Players singleton; its unit fills it.
#pragma once

class TPlayers {
 public:
  TPlayers() = default;
  virtual ~TPlayers() = default;
};

extern TPlayers* Players;
