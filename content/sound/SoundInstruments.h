// The synthesized instruments shared by the music and the effects. Each call renders one
// note as a mono voice that starts at its attack and ends once it has died away to
// silence; Gate is how long the key is held (seconds), Velocity 0..1 sets loudness and
// brightness. Levels are chosen so a single note peaks well below full scale.
#pragma once

#include "SoundDsp.h"

namespace sound {

Mono ElectricPiano(double hz, double gate, float velocity);  // two-operator FM with a tine
Mono Bell(double hz, double gate, float velocity);           // inharmonic FM, celesta-like
Mono Marimba(double hz, float velocity);                     // struck bar, three modes
Mono Pluck(double hz, double gate, float velocity, float brightness,
           Random& random);                                          // plucked string
Mono Bass(double hz, double gate, float velocity);                   // round plucked bass
Mono Pad(double hz, double gate, float velocity, Random& random);    // soft detuned saws
Mono Flute(double hz, double gate, float velocity, Random& random);  // breathy sine lead

Mono Kick(float velocity);
Mono Snare(float velocity, Random& random);
Mono Clap(float velocity, Random& random);
Mono HiHat(float velocity, bool open, Random& random);
Mono Shaker(float velocity, Random& random);
Mono Rim(float velocity);
Mono Brush(float velocity, Random& random);

// Filtered noise with an attack and an exponential decay: the raw material of knocks,
// scrapes, rustles and crashes.
Mono NoiseBurst(double seconds, double attack, double decay, double lowHz, double highHz,
                Random& random);

}  // namespace sound
