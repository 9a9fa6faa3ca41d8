// A small sequencer for the music: note and chord names, melodies written as text, and an
// arrangement that places rendered voices on a beat grid with a little human drift, then
// mixes a dry and a reverb bus into one seamless loop.
#pragma once

#include <string>
#include <vector>

#include "SoundDsp.h"

namespace sound {

// "C4" is MIDI 60; sharps with '#', flats with 'b' ("F#5", "Bb3"). Throws on anything else.
int ParseNote(const std::string& name);

struct Chord {
  int Root = 0;                // pitch class, 0 = C
  std::vector<int> Intervals;  // semitones above the root, ascending
};

// Symbols such as "F", "Am7", "Bbmaj7", "C7sus4", "D7", "F#m", "Gadd9".
Chord ParseChord(const std::string& symbol);

// The chord's tones from Lowest upward (several octaves if needed), Count of them.
std::vector<int> ChordTones(const Chord& chord, int lowest, int count);
// The chord root at or above Lowest, and the fifth above that root.
int RootAbove(const Chord& chord, int lowest);

struct NoteEvent {
  double Beat = 0;   // start
  double Beats = 0;  // length
  int Midi = 0;
};

struct ChordSpan {
  double Beat = 0;
  double Beats = 0;
  Chord Harmony;
};

// Space-separated "name:length" tokens with lengths in beats ("1", "0.5", "2/3"); "-" is a
// rest and "|" a bar line, which must fall on a whole bar so slips show up at once.
std::vector<NoteEvent> ParseMelody(const std::string& text, double startBeat, double beatsPerBar);
std::vector<ChordSpan> ParseChords(const std::string& text, double startBeat, double beatsPerBar);

class Arrangement {
 public:
  Arrangement(double bpm, double loopBeats, uint64_t seed);

  double Seconds(double beat) const { return beat * 60.0 / Bpm; }
  double BeatSeconds() const { return 60.0 / Bpm; }
  Random& Dice() { return Rng; }
  // Velocity with a small random spread, so repeated notes never sound stamped.
  float Vary(float velocity, float spread = 0.06f);

  // Places a voice at a beat (wrapping into the loop), optionally nudged by up to
  // Drift seconds, with a pan and a reverb send amount.
  void Place(const Mono& voice, double beat, float gain, float pan, float send,
             double drift = 0.004);

  // The finished period: both buses folded into the loop and the reverb run around it.
  Stereo Mix(double roomSize, double damping, float wet);

 private:
  double Bpm;
  size_t LoopFrames;
  Random Rng;
  Stereo Dry, Send;
};

}  // namespace sound
