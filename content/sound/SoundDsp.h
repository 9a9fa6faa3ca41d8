// Building blocks of the sound generator: buffers, deterministic noise, oscillators,
// filters, a reverb, loop folding and a loudness meter. Everything runs at 44.1 kHz in
// single precision; nothing depends on time or on the machine, so two runs agree.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sound {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

using Mono = std::vector<float>;

struct Stereo {
  Mono left, right;
  explicit Stereo(size_t frames = 0) : left(frames), right(frames) {}
  size_t Frames() const { return left.size(); }
  void Resize(size_t frames) {
    left.resize(frames);
    right.resize(frames);
  }
};

inline size_t FramesOf(double seconds) {
  return static_cast<size_t>(seconds * kRate + 0.5);
}
double DbToGain(double db);
double GainToDb(double gain);
double MidiToHz(double midi);

// xoshiro-style generator with a fixed seed per sound, so noise is the same on every run.
class Random {
 public:
  explicit Random(uint64_t seed);
  uint64_t Next();
  double Uniform();                       // [0, 1)
  float Bipolar();                        // [-1, 1)
  double Range(double low, double high);  // [low, high)

 private:
  uint64_t State[4];
};

// Sine of a phase given in cycles, from a table: several times cheaper than std::sin
// and far below 16-bit resolution in error.
constexpr int kSineTableSize = 4096;
extern const std::array<float, kSineTableSize + 1> kSineTable;

inline float SineCycle(double phase) {
  long long whole = static_cast<long long>(phase);
  if (phase < static_cast<double>(whole)) --whole;
  const double position = (phase - static_cast<double>(whole)) * kSineTableSize;
  const int index = static_cast<int>(position);
  const float frac = static_cast<float>(position - index);
  return kSineTable[index] + (kSineTable[index + 1] - kSineTable[index]) * frac;
}

// PolyBLEP-corrected sawtooth so bright pads stay free of aliasing whistles.
class Saw {
 public:
  explicit Saw(double startPhase = 0.0) : Phase(startPhase) {}
  float Next(double hz);

 private:
  double Phase;
};

// Direct-form biquad with the usual cookbook designs.
class Biquad {
 public:
  static Biquad LowPass(double hz, double q);
  static Biquad HighPass(double hz, double q);
  static Biquad BandPass(double hz, double q);
  static Biquad HighShelf(double hz, double q, double gainDb);
  static Biquad Peak(double hz, double q, double gainDb);
  float Process(float x);
  void Reset() { X1 = X2 = Y1 = Y2 = 0.0; }

 private:
  double B0 = 1, B1 = 0, B2 = 0, A1 = 0, A2 = 0;
  double X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
  static Biquad Normalized(double b0, double b1, double b2, double a0, double a1, double a2);
};

// Topology-preserving state-variable filter: its cutoff may move every sample without
// zipper noise, which the sweeps of pads, basses and whooshes need.
class Svf {
 public:
  void Set(double hz, double q);
  float LowPass(float x);
  float BandPass(float x);
  float HighPass(float x);

 private:
  double G = 0, K = 1, A1 = 1, A2 = 0, A3 = 0;
  double Ic1 = 0, Ic2 = 0;
  void Tick(float x, double& low, double& band);
};

class OnePole {
 public:
  void SetCutoff(double hz);
  float LowPass(float x);
  float HighPass(float x) { return x - LowPass(x); }

 private:
  double Coef = 1.0, State = 0.0;
};

// Stereo plate-like reverb from parallel damped combs and series allpasses. It works on
// whole buffers; ProcessLoop treats the buffer as one period of an endless loop, so the
// tail of the end rings on into the start and the seam stays continuous.
class Reverb {
 public:
  Reverb(double roomSize, double damping);
  void ProcessLoop(const Stereo& send, Stereo& out, float wet);
  void Process(const Stereo& send, Stereo& out, float wet);

 private:
  struct Comb {
    std::vector<float> Line;
    size_t Pos = 0;
    float Store = 0;
  };
  struct Allpass {
    std::vector<float> Line;
    size_t Pos = 0;
  };
  std::vector<Comb> Combs[2];
  std::vector<Allpass> Allpasses[2];
  float Feedback, Damp;
  void Frame(float inL, float inR, float& outL, float& outR);
};

// Adds a mono voice into a stereo bus at a frame offset with an equal-power pan
// (-1 left .. +1 right).
void AddPanned(Stereo& bus, const Mono& voice, size_t at, float gain, float pan);
void AddMono(Mono& bus, const Mono& voice, size_t at, float gain);

// Periodic summation: whatever rings past the end of one period is added to its start,
// which is what an endless loop of the rendering sounds like.
Mono FoldLoop(const Mono& render, size_t period);
Stereo FoldLoop(const Stereo& render, size_t period);

void Scale(Mono& buffer, float gain);
void Scale(Stereo& buffer, float gain);
float PeakOf(const Mono& buffer);
float PeakOf(const Stereo& buffer);

// Short fades so a one-shot starts and ends exactly at silence.
void FadeEdges(Mono& buffer, double fadeInSeconds, double fadeOutSeconds);

// Loudness in dB of K-weighted mean square (averaged over channels, so a mono sound and
// the same sound on both stereo channels measure alike). The short-term figure is the
// loudest 100 ms window, the measure for effects; the loop figure averages a whole
// period, the measure for music.
double ShortTermLoudness(const Mono& buffer);
double ShortTermLoudness(const Stereo& buffer);
double LoopLoudness(const Stereo& buffer);
double LoopLoudness(const Mono& buffer);

}  // namespace sound
