#include "SoundEffects.h"

#include <algorithm>
#include <cmath>

#include "SoundInstruments.h"
#include "SoundSequencer.h"

namespace sound {

namespace {

Stereo Both(const Mono& mono) {
  Stereo out;
  out.left = mono;
  out.right = mono;
  return out;
}

// A sine whose pitch glides exponentially from one frequency to another over Glide
// seconds and whose level decays with time constant Tau.
Mono Chirp(double seconds, double fromHz, double toHz, double glide, double tau,
           double attack = 0.001) {
  Mono voice(FramesOf(seconds));
  double phase = 0;
  for (size_t i = 0; i < voice.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double hz = fromHz * std::pow(toHz / fromHz, std::min(t / glide, 1.0));
    voice[i] =
        static_cast<float>(SineCycle(phase) * std::exp(-t / tau) * std::min(1.0, t / attack));
    phase += hz / kRate;
  }
  FadeEdges(voice, 0.0, 0.004);
  return voice;
}

Mono Silence(double seconds) {
  return Mono(FramesOf(seconds));
}

// Mixes a voice in at a time, lengthening the sound when the voice rings past its end.
void Put(Mono& out, const Mono& voice, double at, float gain) {
  const size_t start = FramesOf(at);
  if (out.size() < start + voice.size()) out.resize(start + voice.size());
  AddMono(out, voice, start, gain);
}

double Note(const char* name) {
  return MidiToHz(ParseNote(name));
}

// --- Interface --------------------------------------------------------------------------

Stereo Focus() {
  Mono out = Chirp(0.09, 1250, 1480, 0.03, 0.016);
  Put(out, Chirp(0.06, 2500, 2960, 0.03, 0.008), 0, 0.2f);
  return Both(out);
}

Stereo Click() {
  Random random(11);
  Mono out = Chirp(0.1, 1150, 980, 0.02, 0.014);
  Put(out, Chirp(0.05, 2350, 2300, 0.02, 0.005), 0, 0.35f);
  Put(out, NoiseBurst(0.02, 0.0003, 0.003, 2000, 9000, random), 0, 0.5f);
  return Both(out);
}

Stereo Switch() {
  Mono out = Silence(0.2);
  Put(out, Chirp(0.09, 700, 690, 0.02, 0.015), 0, 0.8f);
  Put(out, Chirp(0.1, 1050, 1040, 0.02, 0.018), 0.055, 1.0f);
  return Both(out);
}

Stereo Key() {
  Random random(12);
  Mono out = NoiseBurst(0.06, 0.0004, 0.007, 1200, 6000, random);
  Put(out, Chirp(0.06, 240, 170, 0.015, 0.012), 0, 0.6f);
  return Both(out);
}

Stereo Select() {
  Mono out = Chirp(0.2, 420, 900, 0.05, 0.04, 0.003);
  Put(out, Marimba(Note("E6"), 0.5f), 0.03, 0.35f);
  return Both(out);
}

// --- Town events ------------------------------------------------------------------------

// One struck coin: a few inharmonic partials that ring briefly.
Mono Coin(double hz, float level) {
  static const double ratios[] = {1.0, 1.51, 2.02, 2.73};
  static const double decays[] = {0.3, 0.18, 0.12, 0.08};
  Mono out(FramesOf(0.9));
  for (int k = 0; k < 4; ++k)
    Put(out, Chirp(0.9, hz * ratios[k], hz * ratios[k], 1.0, decays[k], 0.0005), 0,
        level / (k + 1));
  return out;
}

Stereo Collected() {
  Random random(21);
  Mono out = Silence(1.1);
  Put(out, Bell(Note("B6"), 0.06, 0.7f), 0, 0.6f);
  Put(out, Bell(Note("E7"), 0.3, 0.8f), 0.075, 0.6f);
  for (int i = 0; i < 4; ++i) {
    const double pitch = random.Range(2600, 3400), at = 0.02 + 0.06 * i + random.Range(0, 0.02);
    Put(out, Coin(pitch, 0.12f), at, 1.0f);
  }
  return Both(out);
}

Stereo Delivered() {
  Random random(22);
  Mono out = Silence(1.2);
  Put(out, NoiseBurst(0.3, 0.002, 0.045, 60, 900, random), 0, 0.8f);
  Put(out, Chirp(0.3, 110, 80, 0.05, 0.06), 0, 0.7f);
  Put(out, Marimba(Note("G5"), 0.6f), 0.14, 0.9f);
  Put(out, Marimba(Note("C6"), 0.75f), 0.26, 0.9f);
  return Both(out);
}

Stereo Trained() {
  Mono out = Silence(1.6);
  const char* notes[] = {"C5", "E5", "G5", "C6"};
  for (int i = 0; i < 4; ++i) {
    Put(out, Marimba(Note(notes[i]), 0.5f + 0.1f * i), 0.085 * i, 0.8f);
    if (i == 3) Put(out, Bell(Note(notes[i]), 0.3, 0.6f), 0.085 * i, 0.6f);
  }
  return Both(out);
}

Stereo Damage() {
  Random random(24);
  Mono out = Silence(1.4);
  Put(out, NoiseBurst(0.7, 0.001, 0.11, 90, 2500, random), 0, 0.7f);
  Put(out, NoiseBurst(0.08, 0.0005, 0.012, 1800, 8000, random), 0, 0.5f);
  Put(out, Chirp(0.5, 140, 70, 0.2, 0.09), 0, 0.6f);
  Put(out, ElectricPiano(Note("E5"), 0.16, 0.6f), 0.1, 0.9f);
  Put(out, ElectricPiano(Note("Bb4"), 0.35, 0.55f), 0.3, 0.9f);
  return Both(out);
}

Stereo Finish1() {
  Mono out = Silence(1.5);
  Put(out, Bell(Note("G5"), 0.08, 0.6f), 0, 0.8f);
  Put(out, Bell(Note("C6"), 0.3, 0.7f), 0.11, 0.8f);
  return Both(out);
}

Stereo Finish2() {
  Random random(26);
  Mono out = Silence(1.6);
  Mono whoosh(FramesOf(0.45));
  Svf sweep;
  for (size_t i = 0; i < whoosh.size(); ++i) {
    const double t = static_cast<double>(i) / whoosh.size();
    if (i % 16 == 0) sweep.Set(400.0 * std::pow(8.0, t), 2.0);
    whoosh[i] = sweep.BandPass(random.Bipolar()) *
                static_cast<float>(std::sin(kPi * t) * std::sin(kPi * t));
  }
  Put(out, whoosh, 0, 1.0f);
  Put(out, Bell(Note("E6"), 0.25, 0.7f), 0.33, 0.6f);
  Put(out, Marimba(Note("C6"), 0.6f), 0.33, 0.6f);
  return Both(out);
}

Stereo Finish3() {
  Mono out = Silence(2.2);
  const char* notes[] = {"C5", "E5", "G5"};
  for (int i = 0; i < 3; ++i)
    Put(out, ElectricPiano(Note(notes[i]), 0.6, 0.55f + 0.05f * i), 0.07 * i, 0.8f);
  Put(out, Bell(Note("C6"), 0.5, 0.7f), 0.21, 0.7f);
  Put(out, Bell(Note("E6"), 0.5, 0.6f), 0.21, 0.5f);
  Put(out, Marimba(Note("G6"), 0.5f), 0.3, 0.4f);
  return Both(out);
}

Stereo Gong() {
  // A tuned temple bell: inharmonic partials, each a pair a fraction of a hertz apart so
  // the tone breathes as it fades.
  static const double ratios[] = {1.0, 1.52, 2.0, 2.44, 2.98, 3.5, 4.2, 5.4};
  static const double levels[] = {1.0, 0.6, 0.5, 0.35, 0.3, 0.2, 0.15, 0.1};
  static const double decays[] = {1.6, 1.2, 1.05, 0.85, 0.7, 0.55, 0.42, 0.3};
  const double base = Note("D3");
  Random random(27);
  Mono out(FramesOf(4.5));
  for (int k = 0; k < 8; ++k) {
    const double hz = base * ratios[k];
    Put(out, Chirp(4.5, hz * 0.997, hz, 0.08, decays[k], 0.004), 0,
        static_cast<float>(levels[k] * 0.5));
    Put(out, Chirp(4.5, hz + 0.7, hz + 0.7, 1.0, decays[k], 0.004), 0,
        static_cast<float>(levels[k] * 0.5));
  }
  Put(out, NoiseBurst(0.2, 0.001, 0.03, 80, 900, random), 0, 0.3f);
  FadeEdges(out, 0.0, 0.5);
  return Both(out);
}

Stereo Demolish() {
  Random random(28);
  Mono out = Silence(2.2);
  Put(out, NoiseBurst(2.0, 0.015, 0.45, 30, 350, random), 0, 1.0f);
  Put(out, NoiseBurst(1.2, 0.002, 0.22, 200, 4500, random), 0, 0.45f);
  Put(out, Chirp(0.8, 70, 45, 0.3, 0.2, 0.004), 0, 0.8f);
  for (int i = 0; i < 28; ++i) {
    const double at = random.Range(0.08, 1.5);
    const float level = static_cast<float>(0.35 * (1.0 - at / 1.7));
    const double low = random.Range(700, 2000);
    Put(out, NoiseBurst(0.04, 0.0005, 0.008, low, 7000, random), at, level);
  }
  FadeEdges(out, 0.0, 0.3);
  return Both(out);
}

// --- Loops ------------------------------------------------------------------------------
// Each loop is rendered past its end and folded, so sounds that cross the seam continue
// at the start. Steady beds of noise are rendered a little longer and crossfaded over the
// seam instead, which keeps them continuous too.

Mono NoiseBed(double period, double lowHz, double highHz, Random& random) {
  const size_t frames = FramesOf(period), fade = FramesOf(0.25);
  Mono raw = NoiseBurst(period + 0.4, 0.0, 1e9, lowHz, highHz, random);
  Mono bed(frames);
  for (size_t i = 0; i < frames; ++i) bed[i] = raw[i + FramesOf(0.05)];
  for (size_t i = 0; i < fade; ++i) {
    const double w = static_cast<double>(i) / fade;
    const float tail = raw[frames + FramesOf(0.05) + i];
    bed[i] = static_cast<float>(std::sqrt(w) * bed[i] + std::sqrt(1.0 - w) * tail);
  }
  return bed;
}

Mono Hammer(double pitch, Random& random) {
  Mono out = Chirp(0.25, 1900 * pitch, 1850 * pitch, 0.02, 0.02, 0.0003);
  Put(out, Chirp(0.1, 3150 * pitch, 3100 * pitch, 0.02, 0.009, 0.0003), 0, 0.5f);
  Put(out, Chirp(0.25, 320 * pitch, 260 * pitch, 0.03, 0.035, 0.0005), 0, 0.8f);
  Put(out, NoiseBurst(0.05, 0.0003, 0.006, 1500, 9000, random), 0, 0.5f);
  return out;
}

Mono SawStrokes(double seconds, double strokesPerSecond, Random& random) {
  Mono out = NoiseBurst(seconds, 0.0, 1e9, 1400, 4200, random);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double stroke = std::fabs(SineCycle(0.5 * strokesPerSecond * t));
    const double swell = std::sin(kPi * t / seconds);
    out[i] *= static_cast<float>(stroke * stroke * swell * 0.8);
  }
  return out;
}

Stereo Constructing() {
  Random random(31);
  const double period = 4.0;
  Mono render(FramesOf(period + 0.5));
  const double hits[] = {0.05, 0.5, 0.95, 1.4, 2.75, 3.2, 3.6};
  for (double at : hits) {
    const double pitch = random.Range(0.95, 1.05), level = random.Range(0.7, 1.0);
    Put(render, Hammer(pitch, random), at, static_cast<float>(level));
  }
  Put(render, SawStrokes(1.1, 3.0, random), 1.6, 0.5f);
  return Both(FoldLoop(render, FramesOf(period)));
}

Stereo Demolishing() {
  Random random(32);
  const double period = 4.0;
  Mono render = NoiseBed(period, 30, 260, random);
  Scale(render, 0.8f);
  render.resize(FramesOf(period + 0.6));
  for (int burst = 0; burst < 2; ++burst) {
    const double start = burst == 0 ? 0.3 : 2.3;
    for (int i = 0; i < 14; ++i)
      Put(render, NoiseBurst(0.05, 0.001, 0.012, 400, 3000, random), start + i * 0.045, 0.35f);
  }
  for (int i = 0; i < 9; ++i) {
    const double low = random.Range(150, 400), at = random.Range(0, period),
                 level = random.Range(0.3, 0.6);
    Put(render, NoiseBurst(0.35, 0.003, 0.07, low, 2500, random), at, static_cast<float>(level));
  }
  return Both(FoldLoop(render, FramesOf(period)));
}

Stereo Clearing1() {
  Random random(33);
  const double period = 3.6;
  Mono render(FramesOf(period + 0.6));
  for (double start : {0.1, 1.3, 2.5}) {
    Mono scrape = NoiseBurst(0.5, 0.0, 1e9, 700, 3200, random);
    for (size_t i = 0; i < scrape.size(); ++i)
      scrape[i] *= static_cast<float>(std::pow(std::sin(kPi * i / scrape.size()), 1.5));
    Put(render, scrape, start, 0.45f);
    for (int i = 0; i < 7; ++i) {
      const double low = random.Range(900, 2500), at = start + 0.45 + random.Range(0, 0.35);
      const double level = random.Range(0.15, 0.35);
      Put(render, NoiseBurst(0.04, 0.0005, 0.007, low, 8000, random), at,
          static_cast<float>(level));
    }
  }
  return Both(FoldLoop(render, FramesOf(period)));
}

Mono Chop(Random& random) {
  Mono out = Chirp(0.3, 190, 150, 0.04, 0.045, 0.0005);
  Put(out, Chirp(0.2, 620, 600, 0.02, 0.03, 0.0005), 0, 0.4f);
  Put(out, NoiseBurst(0.15, 0.0004, 0.025, 200, 2600, random), 0, 0.7f);
  return out;
}

Stereo Clearing2() {
  Random random(34);
  const double period = 4.8;
  Mono render = NoiseBed(period, 2500, 9000, random);
  for (size_t i = 0; i < render.size(); ++i)
    render[i] *= static_cast<float>(
        0.06 * (0.6 + 0.4 * SineCycle(2.0 * i / static_cast<double>(render.size()))));
  render.resize(FramesOf(period + 0.5));
  for (double at : {0.2, 1.35, 2.5, 3.65}) {
    const double nudge = random.Range(0, 0.04);
    Put(render, Chop(random), at + nudge, 0.9f);
  }
  for (int i = 0; i < 3; ++i)
    Put(render, Chirp(0.09, 3100, 4300, 0.06, 0.03, 0.01), 1.9 + 0.11 * i, 0.06f);
  return Both(FoldLoop(render, FramesOf(period)));
}

Stereo Fireworks() {
  Random random(35);
  const double period = 6.0;
  Stereo render(FramesOf(period + 2.0));
  Stereo send(render.Frames());
  const double bursts[] = {0.2, 1.1, 2.3, 2.9, 4.0, 5.1};
  for (double at : bursts) {
    const float pan = random.Bipolar() * 0.7f;
    Mono boom = NoiseBurst(0.8, 0.002, 0.12, 30, 700, random);
    Put(boom, Chirp(0.6, 90, 45, 0.15, 0.12, 0.002), 0, 0.8f);
    AddPanned(render, boom, FramesOf(at), 0.7f, pan);
    AddPanned(send, boom, FramesOf(at), 0.5f, pan);
    for (int i = 0; i < 40; ++i) {
      const double spread = random.Range(0, 0.9), shape = random.Range(0.3, 1.0);
      const double t = at + 0.1 + spread * shape;
      const float level = static_cast<float>(0.25 * std::exp(-(t - at) / 0.6));
      const Mono crackle = NoiseBurst(0.02, 0.0002, 0.003, 2500, 12000, random);
      const float where = std::clamp(pan + 0.5f * random.Bipolar(), -1.0f, 1.0f);
      AddPanned(render, crackle, FramesOf(t), level, where);
      AddPanned(send, crackle, FramesOf(t), level * 0.6f, where);
    }
  }
  Mono whistle = Chirp(0.7, 900, 2200, 0.65, 10.0, 0.1);
  FadeEdges(whistle, 0.2, 0.15);
  AddPanned(render, whistle, FramesOf(3.3), 0.08f, -0.3f);
  Stereo loop = FoldLoop(render, FramesOf(period));
  Reverb reverb(0.85, 0.3);
  reverb.ProcessLoop(FoldLoop(send, FramesOf(period)), loop, 0.8f);
  return loop;
}

}  // namespace

const std::vector<Effect>& Effects() {
  static const std::vector<Effect> effects = {
      {"Focus", false, 1.0f, -10, Focus, false},
      {"Click", false, 1.0f, -6, Click, false},
      {"Switch", false, 1.0f, -6, Switch, false},
      {"Key", false, 1.0f, -8, Key, false},
      {"Select", false, 1.0f, -5, Select, false},
      {"Collected", false, 0.7f, -2, Collected, false},
      {"Delivered", false, 1.0f, -2, Delivered, false},
      {"Trained", false, 1.0f, -2, Trained, false},
      {"Damage", false, 1.0f, -1.5, Damage, false},
      {"Finish1", false, 1.0f, -3, Finish1, false},
      {"Finish2", false, 1.0f, -2, Finish2, false},
      {"Finish3", false, 1.0f, -1.5, Finish3, false},
      {"Gong", false, 1.0f, -1, Gong, false},
      {"Demolish", false, 1.0f, -1.5, Demolish, false},
      {"Constructing", true, 1.0f, -6, Constructing, false},
      {"Demolishing", true, 1.0f, -6, Demolishing, false},
      {"Clearing1", true, 1.0f, -6, Clearing1, false},
      {"Clearing2", true, 1.0f, -6, Clearing2, false},
      {"Fireworks", true, 1.0f, -3, Fireworks, true},
  };
  return effects;
}

}  // namespace sound
