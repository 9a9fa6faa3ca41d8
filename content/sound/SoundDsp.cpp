#include "SoundDsp.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace sound {

double DbToGain(double db) {
  return std::pow(10.0, db / 20.0);
}
double GainToDb(double gain) {
  return 20.0 * std::log10(std::max(gain, 1e-12));
}
double MidiToHz(double midi) {
  return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

// --- Random -------------------------------------------------------------------------

namespace {
uint64_t SplitMix(uint64_t& x) {
  uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
uint64_t Rotl(uint64_t x, int k) {
  return (x << k) | (x >> (64 - k));
}
}  // namespace

Random::Random(uint64_t seed) {
  for (uint64_t& s : State) s = SplitMix(seed);
}

uint64_t Random::Next() {
  const uint64_t result = Rotl(State[1] * 5, 7) * 9;
  const uint64_t t = State[1] << 17;
  State[2] ^= State[0];
  State[3] ^= State[1];
  State[1] ^= State[2];
  State[0] ^= State[3];
  State[2] ^= t;
  State[3] = Rotl(State[3], 45);
  return result;
}

double Random::Uniform() {
  return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}
float Random::Bipolar() {
  return static_cast<float>(Uniform() * 2.0 - 1.0);
}
double Random::Range(double low, double high) {
  return low + (high - low) * Uniform();
}

// --- Oscillators ------------------------------------------------------------------------

const std::array<float, kSineTableSize + 1> kSineTable = [] {
  std::array<float, kSineTableSize + 1> table{};
  for (int i = 0; i <= kSineTableSize; ++i)
    table[i] = static_cast<float>(std::sin(kTwoPi * i / kSineTableSize));
  return table;
}();

namespace {
double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}
}  // namespace

float Saw::Next(double hz) {
  const double dt = hz / kRate;
  const double value = 2.0 * Phase - 1.0 - PolyBlep(Phase, dt);
  Phase += dt;
  if (Phase >= 1.0) Phase -= 1.0;
  return static_cast<float>(value);
}

// --- Filters ----------------------------------------------------------------------------

Biquad Biquad::Normalized(double b0, double b1, double b2, double a0, double a1, double a2) {
  Biquad f;
  f.B0 = b0 / a0;
  f.B1 = b1 / a0;
  f.B2 = b2 / a0;
  f.A1 = a1 / a0;
  f.A2 = a2 / a0;
  return f;
}

Biquad Biquad::LowPass(double hz, double q) {
  const double w = kTwoPi * hz / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
  return Normalized((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::HighPass(double hz, double q) {
  const double w = kTwoPi * hz / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
  return Normalized((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::BandPass(double hz, double q) {
  const double w = kTwoPi * hz / kRate, c = std::cos(w), alpha = std::sin(w) / (2 * q);
  return Normalized(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

Biquad Biquad::HighShelf(double hz, double q, double gainDb) {
  const double a = std::pow(10.0, gainDb / 40.0), w = kTwoPi * hz / kRate;
  const double c = std::cos(w), alpha = std::sin(w) / (2 * q), sa = 2 * std::sqrt(a) * alpha;
  return Normalized(a * ((a + 1) + (a - 1) * c + sa), -2 * a * ((a - 1) + (a + 1) * c),
                    a * ((a + 1) + (a - 1) * c - sa), (a + 1) - (a - 1) * c + sa,
                    2 * ((a - 1) - (a + 1) * c), (a + 1) - (a - 1) * c - sa);
}

Biquad Biquad::Peak(double hz, double q, double gainDb) {
  const double a = std::pow(10.0, gainDb / 40.0), w = kTwoPi * hz / kRate;
  const double c = std::cos(w), alpha = std::sin(w) / (2 * q);
  return Normalized(1 + alpha * a, -2 * c, 1 - alpha * a, 1 + alpha / a, -2 * c, 1 - alpha / a);
}

float Biquad::Process(float x) {
  const double y = B0 * x + B1 * X1 + B2 * X2 - A1 * Y1 - A2 * Y2;
  X2 = X1;
  X1 = x;
  Y2 = Y1;
  Y1 = y;
  return static_cast<float>(y);
}

void Svf::Set(double hz, double q) {
  hz = std::clamp(hz, 10.0, kRate * 0.45);
  G = std::tan(kPi * hz / kRate);
  K = 1.0 / q;
  A1 = 1.0 / (1.0 + G * (G + K));
  A2 = G * A1;
  A3 = G * A2;
}

void Svf::Tick(float x, double& low, double& band) {
  const double v3 = x - Ic2;
  const double v1 = A1 * Ic1 + A2 * v3;
  const double v2 = Ic2 + A2 * Ic1 + A3 * v3;
  Ic1 = 2 * v1 - Ic1;
  Ic2 = 2 * v2 - Ic2;
  low = v2;
  band = v1;
}

float Svf::LowPass(float x) {
  double low, band;
  Tick(x, low, band);
  return static_cast<float>(low);
}

float Svf::BandPass(float x) {
  double low, band;
  Tick(x, low, band);
  return static_cast<float>(band);
}

float Svf::HighPass(float x) {
  double low, band;
  Tick(x, low, band);
  return static_cast<float>(x - K * band - low);
}

void OnePole::SetCutoff(double hz) {
  Coef = 1.0 - std::exp(-kTwoPi * hz / kRate);
}

float OnePole::LowPass(float x) {
  State += Coef * (x - State);
  return static_cast<float>(State);
}

// --- Reverb -----------------------------------------------------------------------------

namespace {
constexpr int kCombTuning[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr int kAllpassTuning[] = {556, 441, 341, 225};
constexpr int kStereoSpread = 23;
constexpr float kAllpassFeedback = 0.5f;
constexpr float kInputGain = 0.015f;
}  // namespace

Reverb::Reverb(double roomSize, double damping)
    : Feedback(static_cast<float>(0.7 + 0.28 * roomSize)), Damp(static_cast<float>(damping)) {
  for (int ch = 0; ch < 2; ++ch) {
    const int spread = ch * kStereoSpread;
    for (int len : kCombTuning) Combs[ch].push_back(Comb{std::vector<float>(len + spread)});
    for (int len : kAllpassTuning)
      Allpasses[ch].push_back(Allpass{std::vector<float>(len + spread)});
  }
}

void Reverb::Frame(float inL, float inR, float& outL, float& outR) {
  const float input[2] = {(inL + inR) * kInputGain, (inL + inR) * kInputGain};
  float result[2];
  for (int ch = 0; ch < 2; ++ch) {
    float sum = 0;
    for (Comb& c : Combs[ch]) {
      const float y = c.Line[c.Pos];
      c.Store = y * (1 - Damp) + c.Store * Damp;
      c.Line[c.Pos] = input[ch] + c.Store * Feedback;
      if (++c.Pos == c.Line.size()) c.Pos = 0;
      sum += y;
    }
    for (Allpass& a : Allpasses[ch]) {
      const float buffered = a.Line[a.Pos];
      a.Line[a.Pos] = sum + buffered * kAllpassFeedback;
      if (++a.Pos == a.Line.size()) a.Pos = 0;
      sum = buffered - sum;
    }
    result[ch] = sum;
  }
  outL = result[0];
  outR = result[1];
}

void Reverb::Process(const Stereo& send, Stereo& out, float wet) {
  for (size_t i = 0; i < send.Frames(); ++i) {
    float l, r;
    Frame(send.left[i], send.right[i], l, r);
    out.left[i] += l * wet;
    out.right[i] += r * wet;
  }
}

void Reverb::ProcessLoop(const Stereo& send, Stereo& out, float wet) {
  // Run the last seconds of the loop first so the reverb enters the period in exactly
  // the state it leaves it in; eight seconds let the tail fall far below 16-bit noise.
  const size_t frames = send.Frames();
  const size_t warm = std::min(frames, FramesOf(8.0));
  float l, r;
  for (size_t i = frames - warm; i < frames; ++i) Frame(send.left[i], send.right[i], l, r);
  Process(send, out, wet);
}

// --- Mixing and loops ------------------------------------------------------------------

void AddPanned(Stereo& bus, const Mono& voice, size_t at, float gain, float pan) {
  const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * kPi / 4.0;
  const float gl = static_cast<float>(std::cos(angle) * std::sqrt(2.0)) * gain;
  const float gr = static_cast<float>(std::sin(angle) * std::sqrt(2.0)) * gain;
  const size_t end = std::min(bus.Frames(), at + voice.size());
  for (size_t i = at; i < end; ++i) {
    bus.left[i] += voice[i - at] * gl;
    bus.right[i] += voice[i - at] * gr;
  }
}

void AddMono(Mono& bus, const Mono& voice, size_t at, float gain) {
  const size_t end = std::min(bus.size(), at + voice.size());
  for (size_t i = at; i < end; ++i) bus[i] += voice[i - at] * gain;
}

Mono FoldLoop(const Mono& render, size_t period) {
  Mono loop(period);
  for (size_t i = 0; i < render.size(); ++i) loop[i % period] += render[i];
  return loop;
}

Stereo FoldLoop(const Stereo& render, size_t period) {
  Stereo loop;
  loop.left = FoldLoop(render.left, period);
  loop.right = FoldLoop(render.right, period);
  return loop;
}

void Scale(Mono& buffer, float gain) {
  for (float& x : buffer) x *= gain;
}

void Scale(Stereo& buffer, float gain) {
  Scale(buffer.left, gain);
  Scale(buffer.right, gain);
}

float PeakOf(const Mono& buffer) {
  float peak = 0;
  for (float x : buffer) peak = std::max(peak, std::fabs(x));
  return peak;
}

float PeakOf(const Stereo& buffer) {
  return std::max(PeakOf(buffer.left), PeakOf(buffer.right));
}

void FadeEdges(Mono& buffer, double fadeInSeconds, double fadeOutSeconds) {
  const size_t fadeIn = std::min(buffer.size(), FramesOf(fadeInSeconds));
  const size_t fadeOut = std::min(buffer.size(), FramesOf(fadeOutSeconds));
  for (size_t i = 0; i < fadeIn; ++i) buffer[i] *= static_cast<float>(i) / fadeIn;
  for (size_t i = 0; i < fadeOut; ++i)
    buffer[buffer.size() - 1 - i] *= static_cast<float>(i) / fadeOut;
}

// --- Loudness ---------------------------------------------------------------------------

namespace {
// The two-stage K weighting: a high shelf for the head's effect and a high pass that
// discounts the bass the ear hears weakly.
std::vector<double> WeightedSquares(const Mono& x, bool warmAsLoop) {
  Biquad shelf = Biquad::HighShelf(1500.0, 0.7071, 4.0);
  Biquad highPass = Biquad::HighPass(38.0, 0.5);
  if (warmAsLoop) {
    const size_t warm = std::min(x.size(), FramesOf(2.0));
    for (size_t i = x.size() - warm; i < x.size(); ++i) highPass.Process(shelf.Process(x[i]));
  }
  std::vector<double> squares(x.size());
  for (size_t i = 0; i < x.size(); ++i) {
    const double y = highPass.Process(shelf.Process(x[i]));
    squares[i] = y * y;
  }
  return squares;
}

double MaxWindowMean(const std::vector<double>& squares) {
  const size_t window = FramesOf(0.1);
  if (squares.size() <= window) {
    double sum = 0;
    for (double s : squares) sum += s;
    return sum / window;
  }
  double sum = 0, best = 0;
  for (size_t i = 0; i < squares.size(); ++i) {
    sum += squares[i];
    if (i >= window) sum -= squares[i - window];
    best = std::max(best, sum);
  }
  return best / window;
}

double Mean(const std::vector<double>& squares) {
  double sum = 0;
  for (double s : squares) sum += s;
  return squares.empty() ? 0.0 : sum / squares.size();
}

double ToDb(double meanSquare) {
  return 10.0 * std::log10(std::max(meanSquare, 1e-20));
}
}  // namespace

double ShortTermLoudness(const Mono& buffer) {
  return ToDb(MaxWindowMean(WeightedSquares(buffer, false)));
}

double ShortTermLoudness(const Stereo& buffer) {
  auto left = WeightedSquares(buffer.left, false);
  const auto right = WeightedSquares(buffer.right, false);
  for (size_t i = 0; i < left.size(); ++i) left[i] = 0.5 * (left[i] + right[i]);
  return ToDb(MaxWindowMean(left));
}

double LoopLoudness(const Mono& buffer) {
  return ToDb(Mean(WeightedSquares(buffer, true)));
}

double LoopLoudness(const Stereo& buffer) {
  return ToDb(
      0.5 * (Mean(WeightedSquares(buffer.left, true)) + Mean(WeightedSquares(buffer.right, true))));
}

}  // namespace sound
