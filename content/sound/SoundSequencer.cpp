#include "SoundSequencer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>

namespace sound {

namespace {

// Letter plus accidental in semitones above C of the letter's octave: "Cb" is -1, "B#" 12.
int Spelled(const std::string& text, size_t& pos) {
  static const int letters[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
  if (pos >= text.size() || text[pos] < 'A' || text[pos] > 'G')
    throw std::runtime_error("bad pitch in '" + text + "'");
  int semitones = letters[text[pos++] - 'A'];
  if (pos < text.size() && text[pos] == '#')
    ++semitones, ++pos;
  else if (pos < text.size() && text[pos] == 'b')
    --semitones, ++pos;
  return semitones;
}

double ParseLength(const std::string& text) {
  const size_t slash = text.find('/');
  try {
    if (slash == std::string::npos) return std::stod(text);
    return std::stod(text.substr(0, slash)) / std::stod(text.substr(slash + 1));
  } catch (const std::exception&) {
    throw std::runtime_error("bad length '" + text + "'");
  }
}

// Calls Each(name, beat, length) for every token; checks that bar lines fall on bars.
template <typename Handler>
void WalkTokens(const std::string& text, double startBeat, double beatsPerBar, Handler each) {
  std::istringstream tokens(text);
  std::string token;
  double beat = startBeat;
  while (tokens >> token) {
    if (token == "|") {
      const double bars = (beat - startBeat) / beatsPerBar;
      if (std::fabs(bars - std::round(bars)) > 1e-6)
        throw std::runtime_error("bar line off the bar at beat " + std::to_string(beat) + " in '" +
                                 text + "'");
      continue;
    }
    const size_t colon = token.rfind(':');
    if (colon == std::string::npos)
      throw std::runtime_error("token without length '" + token + "'");
    const double length = ParseLength(token.substr(colon + 1));
    each(token.substr(0, colon), beat, length);
    beat += length;
  }
}

}  // namespace

int ParseNote(const std::string& name) {
  size_t pos = 0;
  const int semitones = Spelled(name, pos);
  if (pos >= name.size() || !std::isdigit(static_cast<unsigned char>(name[pos])))
    throw std::runtime_error("note without octave '" + name + "'");
  return 12 * (std::stoi(name.substr(pos)) + 1) + semitones;
}

Chord ParseChord(const std::string& symbol) {
  static const std::map<std::string, std::vector<int>> qualities = {
      {"", {0, 4, 7}},
      {"m", {0, 3, 7}},
      {"7", {0, 4, 7, 10}},
      {"maj7", {0, 4, 7, 11}},
      {"m7", {0, 3, 7, 10}},
      {"sus4", {0, 5, 7}},
      {"sus2", {0, 2, 7}},
      {"7sus4", {0, 5, 7, 10}},
      {"6", {0, 4, 7, 9}},
      {"m6", {0, 3, 7, 9}},
      {"add9", {0, 2, 4, 7}},
      {"m9", {0, 2, 3, 7, 10}},
      {"maj9", {0, 2, 4, 7, 11}},
      {"dim", {0, 3, 6}},
  };
  size_t pos = 0;
  Chord chord;
  chord.Root = (Spelled(symbol, pos) + 12) % 12;
  const auto quality = qualities.find(symbol.substr(pos));
  if (quality == qualities.end()) throw std::runtime_error("unknown chord '" + symbol + "'");
  chord.Intervals = quality->second;
  return chord;
}

std::vector<int> ChordTones(const Chord& chord, int lowest, int count) {
  std::vector<int> tones;
  for (int midi = lowest; static_cast<int>(tones.size()) < count; ++midi) {
    const int interval = ((midi - chord.Root) % 12 + 12) % 12;
    for (int i : chord.Intervals)
      if (i % 12 == interval) {
        tones.push_back(midi);
        break;
      }
  }
  return tones;
}

int RootAbove(const Chord& chord, int lowest) {
  int midi = lowest;
  while (((midi - chord.Root) % 12 + 12) % 12 != 0) ++midi;
  return midi;
}

std::vector<NoteEvent> ParseMelody(const std::string& text, double startBeat, double beatsPerBar) {
  std::vector<NoteEvent> notes;
  WalkTokens(text, startBeat, beatsPerBar,
             [&](const std::string& name, double beat, double length) {
               if (name != "-") notes.push_back({beat, length, ParseNote(name)});
             });
  return notes;
}

std::vector<ChordSpan> ParseChords(const std::string& text, double startBeat, double beatsPerBar) {
  std::vector<ChordSpan> spans;
  WalkTokens(text, startBeat, beatsPerBar,
             [&](const std::string& name, double beat, double length) {
               spans.push_back({beat, length, ParseChord(name)});
             });
  return spans;
}

// --- Arrangement ------------------------------------------------------------------------

Arrangement::Arrangement(double bpm, double loopBeats, uint64_t seed)
    : Bpm(bpm),
      LoopFrames(FramesOf(loopBeats * 60.0 / bpm)),
      Rng(seed),
      Dry(LoopFrames),
      Send(LoopFrames) {}

float Arrangement::Vary(float velocity, float spread) {
  return std::clamp(velocity * (1.0f + spread * Rng.Bipolar()), 0.0f, 1.0f);
}

void Arrangement::Place(const Mono& voice, double beat, float gain, float pan, float send,
                        double drift) {
  const double seconds = Seconds(beat) + drift * Rng.Bipolar();
  const long long frame = std::llround(seconds * kRate);
  const size_t at =
      static_cast<size_t>(((frame % static_cast<long long>(LoopFrames)) + LoopFrames) % LoopFrames);
  if (at + voice.size() > Dry.Frames()) {
    Dry.Resize(at + voice.size());
    Send.Resize(at + voice.size());
  }
  AddPanned(Dry, voice, at, gain, pan);
  if (send > 0) AddPanned(Send, voice, at, gain * send, pan);
}

Stereo Arrangement::Mix(double roomSize, double damping, float wet) {
  Stereo loop = FoldLoop(Dry, LoopFrames);
  const Stereo send = FoldLoop(Send, LoopFrames);
  Reverb reverb(roomSize, damping);
  reverb.ProcessLoop(send, loop, wet);
  return loop;
}

}  // namespace sound
