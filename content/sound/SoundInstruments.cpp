#include "SoundInstruments.h"

#include <algorithm>
#include <cmath>

namespace sound {

namespace {

constexpr double kSilence =
    9.21;  // ln(10000): an exponential falls by 80 dB in this many time constants

// Per-sample factor of an exponential decay with time constant Tau seconds.
double DecayFactor(double tau) {
  return std::exp(-1.0 / (tau * kRate));
}

// Frames until a note has died away: the natural decay or the release after the gate,
// whichever ends first.
size_t VoiceFrames(double gate, double release, double naturalTau) {
  const double byRelease = gate + release * kSilence;
  const double byDecay = naturalTau > 0 ? naturalTau * kSilence : byRelease;
  return FramesOf(std::min(byRelease, byDecay)) + 1;
}

// Tracks the key: 1 while held, then falls exponentially; the voice's last frames are
// faded so every note ends exactly at zero.
class Gate {
 public:
  Gate(double gateSeconds, double releaseTau)
      : Held(FramesOf(gateSeconds)), Factor(DecayFactor(releaseTau)) {}
  float Next() {
    if (Frame++ >= Held) Level *= Factor;
    return static_cast<float>(Level);
  }

 private:
  size_t Held, Frame = 0;
  double Factor, Level = 1.0;
};

float Attack(size_t frame, double seconds) {
  if (seconds <= 0) return 1.0f;
  const double t = frame / (seconds * kRate);
  return t >= 1.0 ? 1.0f : static_cast<float>(t);
}

void Finish(Mono& voice) {
  FadeEdges(voice, 0.0, 0.004);
}

}  // namespace

Mono ElectricPiano(double hz, double gate, float velocity) {
  const double tau = std::clamp(1.8 * std::sqrt(220.0 / hz), 0.5, 3.0);
  Mono voice(VoiceFrames(gate, 0.12, tau));
  const double amp = 0.22 * (0.35 + 0.65 * velocity);
  // The tine partial sits 14 times above the note; above the audible band it would only alias.
  const double tineStrength = 14.0 * hz < 18000.0 ? 1.6 : 0.0;
  double carrier = 0, modulator = 0, level = 1, index = 0.9 * velocity + 0.35,
         tine = tineStrength * velocity;
  const double levelDecay = DecayFactor(tau), indexDecay = DecayFactor(0.45),
               tineDecay = DecayFactor(0.012);
  Gate key(gate, 0.12);
  for (size_t i = 0; i < voice.size(); ++i) {
    const double mod = (index + 0.12) * SineCycle(modulator) + tine * SineCycle(14.0 * modulator);
    voice[i] = static_cast<float>(amp * level * SineCycle(carrier + mod / kTwoPi)) *
               Attack(i, 0.002) * key.Next();
    carrier += hz / kRate;
    modulator += hz / kRate;
    level *= levelDecay;
    index *= indexDecay;
    tine *= tineDecay;
  }
  Finish(voice);
  return voice;
}

Mono Bell(double hz, double gate, float velocity) {
  const double tau = std::clamp(1.2 * std::sqrt(440.0 / hz), 0.35, 2.5);
  Mono voice(VoiceFrames(gate + 0.6, 0.25, tau));
  const double amp = 0.18 * (0.3 + 0.7 * velocity);
  // High notes get a gentler modulation so their upper sidebands stay below half the rate.
  double phase = 0, level = 1, index = (1.4 + 1.4 * velocity) * std::min(1.0, 1500.0 / hz),
         shimmer = 1;
  const double levelDecay = DecayFactor(tau), indexDecay = DecayFactor(0.18),
               shimmerDecay = DecayFactor(tau * 0.4);
  Gate key(gate + 0.6, 0.25);
  for (size_t i = 0; i < voice.size(); ++i) {
    const double fm = index * SineCycle(3.5 * phase) / kTwoPi;
    const double partials = SineCycle(phase + fm) + 0.25 * shimmer * SineCycle(2.0 * phase);
    voice[i] = static_cast<float>(amp * level * partials) * Attack(i, 0.001) * key.Next();
    phase += hz / kRate;
    level *= levelDecay;
    index *= indexDecay;
    shimmer *= shimmerDecay;
  }
  Finish(voice);
  return voice;
}

Mono Marimba(double hz, float velocity) {
  const double tau = std::clamp(0.32 * std::sqrt(262.0 / hz), 0.08, 0.5);
  Mono voice(FramesOf(tau * kSilence) + 1);
  const double amp = 0.3 * (0.3 + 0.7 * velocity);
  double phase = 0, fundamental = 1, second = 0.35 * velocity + 0.1, third = 0.12 * velocity;
  const double d1 = DecayFactor(tau), d2 = DecayFactor(tau * 0.16), d3 = DecayFactor(0.012);
  for (size_t i = 0; i < voice.size(); ++i) {
    const double sum = fundamental * SineCycle(phase) + second * SineCycle(3.93 * phase) +
                       third * SineCycle(9.2 * phase);
    voice[i] = static_cast<float>(amp * sum) * Attack(i, 0.0008);
    phase += hz / kRate;
    fundamental *= d1;
    second *= d2;
    third *= d3;
  }
  Finish(voice);
  return voice;
}

Mono Pluck(double hz, double gate, float velocity, float brightness, Random& random) {
  // Karplus-Strong: a noise burst circulating in a delay line one period long, softened a
  // little on every pass by averaging neighbours. After the gate a finger damps the string.
  const double delay = static_cast<double>(kRate) / hz - 0.5;  // the averaging adds half a frame
  const double tau = std::clamp(1.4 * std::sqrt(196.0 / hz), 0.3, 3.0);
  Mono voice(VoiceFrames(gate, 0.05, tau));
  const size_t excitation = std::min(voice.size(), static_cast<size_t>(std::ceil(delay)) + 1);
  // Two gentle low passes shape the pick: the first pass through the string keeps the
  // burst's full crest, so a raw burst would make a spike far above the note it starts.
  OnePole tone, soften;
  tone.SetCutoff(400.0 + 9000.0 * brightness * (0.4 + 0.6 * velocity));
  soften.SetCutoff(std::min(4.0 * hz + 2000.0, 12000.0));
  double mean = 0;
  for (size_t n = 0; n < excitation; ++n)
    mean += voice[n] = soften.LowPass(tone.LowPass(random.Bipolar()));
  mean /= excitation;
  float peak = 1e-6f;
  for (size_t n = 0; n < excitation; ++n)
    peak = std::max(peak, std::fabs(voice[n] -= static_cast<float>(mean)));
  for (size_t n = 0; n < excitation; ++n) voice[n] /= peak;
  const float heldLoss = static_cast<float>(std::exp(-1.0 / (tau * hz)));
  const float dampedLoss = static_cast<float>(std::exp(-1.0 / (0.04 * hz)));
  const size_t held = FramesOf(gate);
  for (size_t n = excitation; n < voice.size(); ++n) {
    const double position = n - delay;
    const size_t k = static_cast<size_t>(position);
    const float frac = static_cast<float>(position - k);
    const float current = voice[k] + (voice[k + 1] - voice[k]) * frac;
    const float before = voice[k - 1] + (voice[k] - voice[k - 1]) * frac;
    voice[n] = 0.5f * (current + before) * (n < held ? heldLoss : dampedLoss);
  }
  Scale(voice, static_cast<float>(0.3 * (0.3 + 0.7 * velocity)));
  FadeEdges(voice, 0.002, 0.004);
  return voice;
}

Mono Bass(double hz, double gate, float velocity) {
  Mono voice(VoiceFrames(gate, 0.05, 1.2));
  const double amp = 0.32 * (0.4 + 0.6 * velocity);
  double phase = 0;
  double levels[4] = {1.0, 0.55, 0.28, 0.14};
  double decays[4];
  for (int k = 0; k < 4; ++k) decays[k] = DecayFactor(1.2 / std::pow(k + 1.0, 0.9));
  Gate key(gate, 0.05);
  for (size_t i = 0; i < voice.size(); ++i) {
    double sum = 0;
    for (int k = 0; k < 4; ++k) {
      sum += levels[k] * SineCycle((k + 1) * phase);
      levels[k] *= decays[k];
    }
    voice[i] = static_cast<float>(amp * std::tanh(1.3 * sum) / std::tanh(1.3)) * Attack(i, 0.004) *
               key.Next();
    phase += hz / kRate;
  }
  Finish(voice);
  return voice;
}

Mono Pad(double hz, double gate, float velocity, Random& random) {
  const double attack = 0.7, release = 0.6;
  Mono voice(VoiceFrames(gate, release, 0.0));
  Saw saws[3] = {Saw(random.Uniform()), Saw(random.Uniform()), Saw(random.Uniform())};
  const double detune[3] = {1.0, std::pow(2.0, 7.0 / 1200), std::pow(2.0, -8.0 / 1200)};
  const double lfoRate = random.Range(0.15, 0.3), lfoStart = random.Uniform();
  Svf filter;
  Gate key(gate, release);
  const double amp = 0.07 * (0.5 + 0.5 * velocity);
  for (size_t i = 0; i < voice.size(); ++i) {
    if (i % 32 == 0) {
      const double lfo = SineCycle(lfoStart + lfoRate * i / kRate);
      filter.Set(std::min(hz * 2.5 + 700.0 + 250.0 * lfo, 4000.0), 0.6);
    }
    const float raw =
        saws[0].Next(hz * detune[0]) + saws[1].Next(hz * detune[1]) + saws[2].Next(hz * detune[2]);
    const double env = std::min(1.0, i / (attack * kRate));
    voice[i] =
        static_cast<float>(amp * env * env * (3.0 - 2.0 * env)) * filter.LowPass(raw) * key.Next();
  }
  Finish(voice);
  return voice;
}

Mono Flute(double hz, double gate, float velocity, Random& random) {
  Mono voice(VoiceFrames(gate, 0.09, 0.0));
  const double amp = 0.2 * (0.4 + 0.6 * velocity);
  Svf breathFilter;
  breathFilter.Set(hz * 2.0, 1.5);
  const double vibratoStart = random.Uniform();
  double phase = 0;
  Gate key(gate, 0.09);
  for (size_t i = 0; i < voice.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double depth = 0.0035 * std::clamp((t - 0.2) / 0.4, 0.0, 1.0);
    const double pitch = hz * (1.0 + depth * SineCycle(vibratoStart + 5.2 * t));
    const double tone =
        SineCycle(phase) + 0.16 * SineCycle(2.0 * phase) + 0.05 * SineCycle(3.0 * phase);
    const double chiff = 0.05 + 0.25 * std::exp(-t / 0.04);
    const double breath = chiff * breathFilter.BandPass(random.Bipolar());
    voice[i] = static_cast<float>(amp * (tone + breath)) * Attack(i, 0.045) * key.Next();
    phase += pitch / kRate;
  }
  Finish(voice);
  return voice;
}

// --- Percussion -------------------------------------------------------------------------

Mono NoiseBurst(double seconds, double attack, double decay, double lowHz, double highHz,
                Random& random) {
  Mono voice(FramesOf(seconds));
  Biquad high = Biquad::HighPass(lowHz, 0.7071), low = Biquad::LowPass(highHz, 0.7071);
  const double factor = DecayFactor(decay);
  double level = 1.0;
  for (size_t i = 0; i < voice.size(); ++i) {
    voice[i] =
        low.Process(high.Process(random.Bipolar())) * static_cast<float>(level) * Attack(i, attack);
    if (i >= attack * kRate) level *= factor;
  }
  FadeEdges(voice, 0.0, 0.005);
  return voice;
}

Mono Kick(float velocity) {
  Mono voice(FramesOf(0.45));
  double phase = 0, level = 0.55 * (0.4 + 0.6 * velocity);
  const double decay = DecayFactor(0.16);
  for (size_t i = 0; i < voice.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    voice[i] = static_cast<float>(level * SineCycle(phase)) * Attack(i, 0.0015);
    phase += (50.0 + 80.0 * std::exp(-t / 0.028)) / kRate;
    level *= decay;
  }
  Finish(voice);
  return voice;
}

Mono Snare(float velocity, Random& random) {
  Mono voice = NoiseBurst(0.35, 0.001, 0.07, 900.0, 6000.0, random);
  Scale(voice, 0.28f * (0.3f + 0.7f * velocity));
  double phase = 0, level = 0.18 * velocity;
  const double decay = DecayFactor(0.045);
  for (size_t i = 0; i < voice.size(); ++i) {
    voice[i] += static_cast<float>(level * SineCycle(phase));
    phase += 190.0 / kRate;
    level *= decay;
  }
  Finish(voice);
  return voice;
}

Mono Clap(float velocity, Random& random) {
  Mono voice(FramesOf(0.3));
  for (int burst = 0; burst < 3; ++burst) {
    const Mono hit = NoiseBurst(burst == 2 ? 0.25 : 0.02, 0.0005, burst == 2 ? 0.06 : 0.006, 800.0,
                                3000.0, random);
    AddMono(voice, hit, FramesOf(0.009 * burst), 0.35f * (0.3f + 0.7f * velocity));
  }
  Finish(voice);
  return voice;
}

Mono HiHat(float velocity, bool open, Random& random) {
  Mono voice = NoiseBurst(open ? 0.5 : 0.12, 0.0005, open ? 0.12 : 0.022, 7000.0, 15000.0, random);
  Scale(voice, 0.35f * (0.25f + 0.75f * velocity));
  return voice;
}

Mono Shaker(float velocity, Random& random) {
  Mono voice = NoiseBurst(0.16, 0.012, 0.035, 4500.0, 11000.0, random);
  Scale(voice, 0.3f * (0.25f + 0.75f * velocity));
  return voice;
}

Mono Rim(float velocity) {
  Mono voice(FramesOf(0.12));
  double p1 = 0, p2 = 0, l1 = 0.22 * velocity, l2 = 0.14 * velocity;
  const double d1 = DecayFactor(0.012), d2 = DecayFactor(0.025);
  for (size_t i = 0; i < voice.size(); ++i) {
    voice[i] = static_cast<float>(l1 * SineCycle(p1) + l2 * SineCycle(p2)) * Attack(i, 0.0005);
    p1 += 1750.0 / kRate;
    p2 += 820.0 / kRate;
    l1 *= d1;
    l2 *= d2;
  }
  Finish(voice);
  return voice;
}

Mono Brush(float velocity, Random& random) {
  Mono voice = NoiseBurst(0.45, 0.03, 0.09, 1500.0, 7000.0, random);
  Scale(voice, 0.22f * (0.3f + 0.7f * velocity));
  return voice;
}

}  // namespace sound
