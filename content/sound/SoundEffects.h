// The game's sound effects: short one-shots for the interface and the town, and seamless
// loops for the work going on in a plot and for the fireworks of a finished scenario.
#pragma once

#include <string>
#include <vector>

#include "SoundDsp.h"

namespace sound {

struct Effect {
  std::string Name;
  bool Looped;
  float SampleVolume;  // the factor the game applies to this sample (0.7 for "Collected")
  // Loudest 100 ms relative to the quietest theme as heard at the default volumes (dB);
  // every effect sits below the music.
  double LevelBelowMusic;
  Stereo (*Render)();
  bool TwoChannels;  // otherwise only the left channel is written, as a mono file
};

const std::vector<Effect>& Effects();

}  // namespace sound
