#include "SoundThemes.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "SoundInstruments.h"
#include "SoundSequencer.h"

namespace sound {

namespace {

// Renders one note: frequency, held seconds, velocity.
using Voice = std::function<Mono(double hz, double gate, float velocity)>;

struct Part {
  float Gain = 1, Pan = 0, Send = 0.3f;
};

void PlayLine(Arrangement& song, const std::vector<NoteEvent>& notes, const Voice& voice, Part part,
              float velocity, double legato, int transpose = 0) {
  for (const NoteEvent& n : notes) {
    const double gate = song.Seconds(n.Beats) * legato;
    song.Place(voice(MidiToHz(n.Midi + transpose), gate, song.Vary(velocity)), n.Beat, part.Gain,
               part.Pan, part.Send);
  }
}

void PlayLine(Arrangement& song, const std::string& melody, double startBeat, const Voice& voice,
              Part part, float velocity, double legato, int transpose = 0) {
  PlayLine(song, ParseMelody(melody, startBeat, 4), voice, part, velocity, legato, transpose);
}

// Sustained chords, one voice per chord tone, spread across the stereo field.
void PlayPads(Arrangement& song, const std::vector<ChordSpan>& spans, int lowest, float gain,
              float velocity) {
  for (const ChordSpan& span : spans) {
    const std::vector<int> tones = ChordTones(span.Harmony, lowest, 4);
    for (size_t i = 0; i < tones.size(); ++i) {
      const float pan = -0.45f + 0.3f * static_cast<float>(i);
      const Mono voice =
          Pad(MidiToHz(tones[i]), song.Seconds(span.Beats) + 0.05, velocity, song.Dice());
      song.Place(voice, span.Beat, gain, pan, 0.5f, 0.0);
    }
  }
}

// Broken chords: Pattern picks chord tones (counted from Lowest upward) on a grid of Step beats.
void PlayArpeggio(Arrangement& song, const std::vector<ChordSpan>& spans,
                  const std::vector<int>& pattern, double step, int lowest, const Voice& voice,
                  Part part, float velocity, double gateBeats) {
  for (const ChordSpan& span : spans) {
    const std::vector<int> tones = ChordTones(span.Harmony, lowest, 6);
    int k = 0;
    for (double t = 0; t < span.Beats - 1e-6; t += step, ++k) {
      const bool onBeat = std::fmod(t, 1.0) < 1e-6;
      const float v = song.Vary(velocity * (onBeat ? 1.0f : 0.8f));
      const int tone = tones[pattern[k % pattern.size()]];
      song.Place(voice(MidiToHz(tone), song.Seconds(gateBeats), v), span.Beat + t, part.Gain,
                 part.Pan, part.Send);
    }
  }
}

// One bass figure per chord: (offset in beats, semitones above the root, length, velocity).
struct BassStep {
  double Offset;
  int Interval;
  double Beats;
  float Velocity;
};

void PlayBass(Arrangement& song, const std::vector<ChordSpan>& spans,
              const std::vector<BassStep>& figure, Part part) {
  for (const ChordSpan& span : spans) {
    const int root = RootAbove(span.Harmony, 36);
    for (const BassStep& s : figure) {
      if (s.Offset >= span.Beats - 1e-6) continue;
      const double beats = std::min(s.Beats, span.Beats - s.Offset);
      const Mono voice =
          Bass(MidiToHz(root + s.Interval), song.Seconds(beats) * 0.95, song.Vary(s.Velocity));
      song.Place(voice, span.Beat + s.Offset, part.Gain, part.Pan, part.Send);
    }
  }
}

// A drum line: one character per step, '.' silent, digits 1..9 a velocity of 0.1..0.9.
using Hit = std::function<Mono(float velocity)>;

void PlayDrums(Arrangement& song, const std::string& steps, double stepBeats, double startBeat,
               int bars, double barBeats, const Hit& hit, Part part) {
  for (int bar = 0; bar < bars; ++bar)
    for (size_t i = 0; i < steps.size(); ++i) {
      if (steps[i] < '1' || steps[i] > '9') continue;
      const float velocity = song.Vary((steps[i] - '0') * 0.1f, 0.1f);
      song.Place(hit(velocity), startBeat + bar * barBeats + i * stepBeats, part.Gain, part.Pan,
                 part.Send);
    }
}

std::vector<ChordSpan> Chords(const std::string& text, double startBeat) {
  return ParseChords(text, startBeat, 4);
}

}  // namespace

// --- ThemeMenu --------------------------------------------------------------------------
// Four bars of intro, a flute tune (A), its answer (A'), a bridge where a celesta takes the
// tune (B) and a four-bar close that leans back into the intro.

Stereo ComposeThemeMenu() {
  Arrangement song(80.0, 32 * 4, 0x6D656E75);
  Random& dice = song.Dice();
  const auto intro = Chords("Fmaj7:4 | Bbmaj7:4 | Fmaj7:4 | C7sus4:2 C7:2", 0);
  const auto a = Chords("F:4 | Am7:4 | Bbmaj7:4 | C:4 | Dm7:4 | Am7:4 | Gm7:4 | C7sus4:2 C7:2", 16);
  const auto a2 = Chords("F:4 | Am7:4 | Bbmaj7:4 | C:4 | Dm7:4 | Gm7:4 | C7:4 | F:4", 48);
  const auto b =
      Chords("Bbmaj7:4 | C:4 | Am7:4 | Dm7:4 | Gm7:4 | C:4 | Am7:2 Dm7:2 | Gm7:2 C7:2", 80);
  const auto close = Chords("Bbmaj7:4 | Am7:4 | Gm7:4 | C7sus4:4", 112);

  for (const auto* section : {&intro, &a, &a2, &b, &close})
    PlayPads(song, *section, 53, 0.55f, 0.6f);

  const Voice piano = [](double hz, double gate, float v) { return ElectricPiano(hz, gate, v); };
  const Part pianoPart{0.65f, 0.3f, 0.35f};
  PlayArpeggio(song, intro, {0, 1, 2, 3, 4, 3, 2, 1}, 0.5, 57, piano, pianoPart, 0.5f, 0.9);
  PlayArpeggio(song, a, {0, 1, 2, 3, 4, 3, 2, 1}, 0.5, 57, piano, pianoPart, 0.45f, 0.9);
  PlayArpeggio(song, a2, {0, 2, 1, 3, 2, 4, 3, 1}, 0.5, 57, piano, pianoPart, 0.45f, 0.9);
  PlayArpeggio(song, b, {0, 1, 2, 3, 4, 3, 2, 1}, 0.5, 60, piano, pianoPart, 0.38f, 0.9);
  PlayArpeggio(song, close, {0, 2, 4, 2}, 1.0, 57, piano, pianoPart, 0.45f, 1.6);

  const Part bassPart{0.55f, 0.0f, 0.1f};
  const std::vector<BassStep> walk = {{0, 0, 1.9, 0.7f}, {2, 7, 1.9, 0.55f}};
  const std::vector<BassStep> lift = {
      {0, 0, 1.9, 0.7f}, {2, 7, 1.4, 0.55f}, {3.5, 12, 0.45, 0.45f}};
  PlayBass(song, intro, walk, bassPart);
  PlayBass(song, a, walk, bassPart);
  PlayBass(song, a2, lift, bassPart);
  PlayBass(song, b, lift, bassPart);
  PlayBass(song, close, {{0, 0, 3.8, 0.6f}}, bassPart);

  const Voice flute = [&dice](double hz, double gate, float v) { return Flute(hz, gate, v, dice); };
  const Part flutePart{1.0f, -0.15f, 0.45f};
  PlayLine(song,
           "A4:1 C5:1 F5:1.5 E5:0.5 | E5:1 C5:1 A4:2 | D5:1 F5:1 A5:1.5 G5:0.5 | G5:3 -:1 | "
           "F5:1 E5:0.5 D5:0.5 A4:1 D5:1 | C5:1.5 E5:0.5 A5:2 | G5:1 F5:1 D5:1 Bb4:1 | C5:3 -:1",
           16, flute, flutePart, 0.65f, 0.92);
  PlayLine(song,
           "A4:1 C5:1 F5:1.5 E5:0.5 | E5:1 G5:1 C5:1 A4:1 | D5:1 F5:1 A5:1 Bb5:1 | C6:2 G5:2 | "
           "A5:1.5 G5:0.5 F5:1 D5:1 | D5:1.5 F5:0.5 G5:2 | E5:1 G5:1 Bb5:1 E5:1 | F5:3 -:1",
           48, flute, flutePart, 0.7f, 0.92);
  PlayLine(song, "D5:4 | E5:4 | C5:4 | A4:4 | Bb4:4 | C5:4 | C5:2 A4:2 | Bb4:2 Bb4:2", 80, flute,
           {0.55f, -0.3f, 0.5f}, 0.4f, 0.95);
  PlayLine(song, "D5:4 | C5:4 | Bb4:2 D5:2 | C5:3 -:1", 112, flute, flutePart, 0.55f, 0.95);

  const Voice celesta = [](double hz, double gate, float v) { return Bell(hz, gate, v); };
  PlayLine(song, "-:2 C6:2 | -:2 D6:2 | -:2 A5:1 C6:1 | G5:4", 0, celesta, {0.45f, 0.35f, 0.6f},
           0.5f, 0.8);
  PlayLine(song,
           "-:0.5 F5:0.5 A5:0.5 C6:0.5 D6:1 C6:1 | -:0.5 E5:0.5 G5:0.5 C6:0.5 E6:1 D6:1 | C6:1 "
           "A5:1 E5:1 G5:1 | "
           "F5:1.5 A5:0.5 D6:2 | -:0.5 D5:0.5 F5:0.5 Bb5:0.5 D6:1 C6:1 | G5:1 E5:1 C5:1 E5:1 | "
           "E5:1 C5:1 F5:1 A5:1 | G5:2 E5:2",
           80, celesta, {1.1f, 0.2f, 0.5f}, 0.6f, 0.8);

  const Hit shaker = [&dice](float v) { return Shaker(v, dice); };
  PlayDrums(song, "2424242424242424", 0.25, 48, 16, 4, shaker, {1.5f, 0.4f, 0.15f});
  return song.Mix(0.8, 0.4, 0.8f);
}

// --- Theme1 -----------------------------------------------------------------------------
// Intro groove, tune (A), a lifted middle (B), the tune varied (A'), a drum-less bridge and
// a tag that runs back into the intro.

Stereo ComposeTheme1() {
  Arrangement song(116.0, 36 * 4, 0x7468656D31);
  Random& dice = song.Dice();
  const auto intro = Chords("G:4 | Em7:4 | Cmaj7:4 | D:4", 0);
  const auto a = Chords("G:4 | D:4 | Em7:4 | C:4 | G:4 | Em7:4 | Am7:4 | D:4", 16);
  const auto b = Chords("Cmaj7:4 | D:4 | Bm7:4 | Em7:4 | Am7:4 | D7:4 | G:4 | D7sus4:2 D:2", 48);
  const auto a2 = Chords("G:4 | D:4 | Em7:4 | C:4 | G:4 | Em7:4 | Am7:4 | D:4", 80);
  const auto bridge = Chords("Em7:4 | Cmaj7:4 | Am7:4 | D7sus4:2 D:2", 112);
  const auto tag = Chords("G:4 | Em7:4 | C:4 | D:4", 128);

  const Voice marimba = [](double hz, double, float v) { return Marimba(hz, v); };
  const Part marimbaPart{0.6f, -0.35f, 0.25f};
  const std::vector<int> ostinato = {0, 2, 1, 3, 0, 2, 1, 2};
  for (const auto* section : {&intro, &a, &b, &a2, &tag})
    PlayArpeggio(song, *section, ostinato, 0.5, 55, marimba, marimbaPart, 0.55f, 0.5);
  PlayArpeggio(song, bridge, {0, 2, 3, 2}, 1.0, 55, marimba, marimbaPart, 0.45f, 1.0);
  for (const auto* section : {&a, &a2, &tag})
    PlayArpeggio(song, *section, {3, 2}, 2.0, 67, marimba, {0.5f, 0.45f, 0.3f}, 0.35f, 1.0);

  const Part bassPart{0.5f, 0.0f, 0.08f};
  const std::vector<BassStep> bounce = {{0, 0, 0.9, 0.75f},
                                        {1.5, 0, 0.4, 0.5f},
                                        {2, 7, 0.9, 0.65f},
                                        {3, 12, 0.4, 0.5f},
                                        {3.5, 7, 0.4, 0.5f}};
  for (const auto* section : {&intro, &a, &b, &a2, &tag})
    PlayBass(song, *section, bounce, bassPart);
  PlayBass(song, bridge, {{0, 0, 1.9, 0.6f}, {2, 7, 1.9, 0.5f}}, bassPart);

  const Voice piano = [](double hz, double gate, float v) { return ElectricPiano(hz, gate, v); };
  const Part compPart{0.6f, 0.3f, 0.3f};
  for (const auto* section : {&a, &a2}) {
    for (const ChordSpan& span : *section)
      for (double offset : {1.5, 3.5})
        for (int tone : ChordTones(span.Harmony, 60, 3))
          song.Place(piano(MidiToHz(tone), song.Seconds(0.3), song.Vary(0.45f)), span.Beat + offset,
                     compPart.Gain, compPart.Pan, compPart.Send, 0.002);
  }
  PlayPads(song, b, 55, 0.75f, 0.55f);
  PlayPads(song, bridge, 55, 0.9f, 0.6f);

  // The lead doubles piano and celesta an octave apart: the piano sings, the celesta sparkles.
  const Voice celesta = [](double hz, double gate, float v) { return Bell(hz, gate, v); };
  const auto lead = [&](const std::string& melody, double start, float velocity) {
    PlayLine(song, melody, start, piano, {1.2f, -0.1f, 0.35f}, velocity, 0.85);
    PlayLine(song, melody, start, celesta, {0.35f, 0.15f, 0.4f}, velocity * 0.8f, 0.6, 12);
  };
  lead(
      "D5:0.5 G5:0.5 B5:0.5 A5:0.5 G5:1 D5:1 | F#5:0.5 A5:0.5 F#5:0.5 E5:0.5 D5:2 | "
      "E5:0.5 G5:0.5 B5:0.5 D6:0.5 B5:1 G5:1 | A5:1 G5:0.5 E5:0.5 G5:2 | "
      "D5:0.5 G5:0.5 B5:0.5 A5:0.5 G5:1 B5:1 | D6:0.5 B5:0.5 G5:0.5 E5:0.5 B5:2 | "
      "C6:0.5 B5:0.5 A5:0.5 G5:0.5 E5:1 A5:1 | F#5:1.5 E5:0.5 D5:2",
      16, 0.7f);
  lead(
      "G5:1.5 E5:0.5 B5:1 G5:1 | A5:1.5 F#5:0.5 D6:1 A5:1 | B5:0.5 A5:0.5 F#5:0.5 D5:0.5 F#5:1 "
      "A5:1 | G5:3 -:1 | "
      "C6:1.5 A5:0.5 E5:1 A5:1 | F#5:0.5 A5:0.5 D6:0.5 C6:0.5 A5:1 F#5:1 | "
      "G5:0.5 B5:0.5 D6:1 B5:0.5 G5:0.5 D5:1 | A5:1 G5:1 F#5:1 E5:1",
      48, 0.65f);
  lead(
      "D5:0.5 G5:0.5 B5:0.5 A5:0.5 G5:1 D5:1 | F#5:0.5 A5:0.5 D6:0.5 C6:0.5 A5:2 | "
      "B5:0.5 G5:0.5 E5:0.5 G5:0.5 B5:1 D6:1 | E6:1 D6:0.5 C6:0.5 G5:2 | "
      "B5:0.5 A5:0.5 G5:0.5 D5:0.5 G5:1 B5:1 | D6:1 B5:0.5 G5:0.5 E5:2 | "
      "C6:0.5 B5:0.5 A5:0.5 G5:0.5 F#5:1 A5:1 | F#5:1 E5:0.5 F#5:0.5 G5:2",
      80, 0.72f);
  PlayLine(song, "B5:2 G5:2 | E5:2 G5:2 | C6:2 A5:2 | A5:2 F#5:2", 112, celesta,
           {0.8f, 0.2f, 0.55f}, 0.55f, 0.9);

  const Hit kick = [](float v) { return Kick(v); };
  const Hit clap = [&dice](float v) { return Clap(v, dice); };
  const Hit hat = [&dice](float v) { return HiHat(v, false, dice); };
  const Hit openHat = [&dice](float v) { return HiHat(v, true, dice); };
  const Hit shaker = [&dice](float v) { return Shaker(v, dice); };
  const Hit snare = [&dice](float v) { return Snare(v, dice); };
  const Hit rim = [](float v) { return Rim(v); };
  const Part kickPart{0.5f, 0.0f, 0.05f}, clapPart{1.2f, 0.1f, 0.25f}, hatPart{0.9f, 0.35f, 0.1f};
  const Part shakerPart{0.8f, -0.4f, 0.1f};
  PlayDrums(song, "3.4.3.4.3.4.3.5.", 0.25, 0, 4, 4, hat, hatPart);
  PlayDrums(song, "2121212121212121", 0.25, 0, 4, 4, shaker, shakerPart);
  PlayDrums(song, "8.......7.......", 0.25, 8, 2, 4, kick, kickPart);
  for (double start : {16.0, 48.0, 80.0, 128.0}) {
    const int bars = start == 128.0 ? 4 : 8;
    PlayDrums(song, "8.......7.3.....", 0.25, start, bars, 4, kick, kickPart);
    PlayDrums(song, "....6.......6...", 0.25, start, bars, 4, clap, clapPart);
    PlayDrums(song, "3.5.3.5.3.5.3.5.", 0.25, start, bars, 4, hat, hatPart);
    PlayDrums(song, "2121212121212121", 0.25, start, bars, 4, shaker, shakerPart);
    PlayDrums(song, "..............4.", 0.25, start + 12, bars / 4, 16, openHat, hatPart);
  }
  PlayDrums(song, "............3456", 0.25, 76, 1, 4, snare, clapPart);
  PlayDrums(song, "....5.......5...", 0.25, 112, 4, 4, rim, {0.7f, 0.2f, 0.3f});
  PlayDrums(song, "2121212121212121", 0.25, 112, 4, 4, shaker, shakerPart);
  return song.Mix(0.7, 0.45, 0.6f);
}

// --- Theme2 -----------------------------------------------------------------------------
// A shuffle in compound time: every beat splits in three. Intro, whistled tune (A), its
// answer (A') and a middle (B) where a pizzicato line leads under long whistle notes.

Stereo ComposeTheme2() {
  Arrangement song(96.0, 28 * 4, 0x7468656D32);
  Random& dice = song.Dice();
  const auto intro = Chords("D:4 | G:4 | D:4 | A7:4", 0);
  const auto a = Chords("D:4 | Bm:4 | G:4 | A:4 | D:4 | Bm:4 | Em7:4 | A7:4", 16);
  const auto a2 = Chords("D:4 | Bm:4 | G:4 | A:4 | G:4 | A:4 | D:4 | D:4", 48);
  const auto b = Chords("G:4 | A:4 | F#m:4 | Bm:4 | Em7:4 | A:4 | D:4 | A7:4", 80);

  const Part bassPart{0.5f, 0.0f, 0.08f};
  const std::vector<BassStep> oomPah = {
      {0, 0, 0.9, 0.75f}, {2, 7, 0.9, 0.6f}, {3.0 + 2.0 / 3, 12, 0.3, 0.4f}};
  const std::vector<BassStep> walking = {
      {0, 0, 0.9, 0.72f}, {1, 4, 0.9, 0.55f}, {2, 7, 0.9, 0.62f}, {3, 9, 0.9, 0.55f}};
  for (const auto* section : {&intro, &a, &a2}) PlayBass(song, *section, oomPah, bassPart);
  PlayBass(song, b, walking, bassPart);

  // Guitar: a strum on the back beats, each string a few milliseconds after the last,
  // and a lighter upstroke on the last third of the beat.
  const Part guitarPart{0.7f, -0.4f, 0.25f};
  for (const auto* section : {&intro, &a, &a2, &b})
    for (const ChordSpan& span : *section) {
      const std::vector<int> tones = ChordTones(span.Harmony, 55, 4);
      for (double offset : {1.0, 1.0 + 2.0 / 3, 3.0, 3.0 + 2.0 / 3}) {
        const bool up = offset != std::floor(offset);
        for (size_t s = 0; s < tones.size(); ++s) {
          const size_t string = up ? tones.size() - 1 - s : s;
          const float velocity = song.Vary(up ? 0.35f : 0.6f);
          const double nudge = 0.012 * s / song.BeatSeconds();
          song.Place(Pluck(MidiToHz(tones[string]), song.Seconds(0.3), velocity, 0.55f, dice),
                     span.Beat + offset + nudge, guitarPart.Gain, guitarPart.Pan, guitarPart.Send,
                     0.002);
        }
      }
    }
  PlayPads(song, intro, 50, 0.5f, 0.5f);
  PlayPads(song, b, 50, 0.55f, 0.5f);

  const Voice whistle = [&dice](double hz, double gate, float v) {
    return Flute(hz, gate, v, dice);
  };
  const Part whistlePart{1.1f, -0.1f, 0.4f};
  const std::string tune =
      "F#5:2/3 A5:1/3 D6:2/3 A5:1/3 F#5:2/3 A5:1/3 D5:1 | B5:2/3 A5:1/3 F#5:2/3 D5:1/3 F#5:2 | "
      "G5:2/3 A5:1/3 B5:2/3 G5:1/3 D6:2/3 B5:1/3 G5:1 | A5:2/3 B5:1/3 C#6:2/3 B5:1/3 A5:2 | ";
  PlayLine(
      song,
      tune +
          "F#5:2/3 A5:1/3 D6:2/3 A5:1/3 F#5:2/3 A5:1/3 D6:1 | D6:2/3 C#6:1/3 B5:2/3 A5:1/3 F#5:2 | "
          "G5:2/3 F#5:1/3 E5:2/3 G5:1/3 B5:2/3 A5:1/3 G5:1 | E5:2/3 F#5:1/3 G5:2/3 E5:1/3 A5:2",
      16, whistle, whistlePart, 0.7f, 0.85);
  PlayLine(
      song,
      "F#5:2/3 A5:1/3 D6:2/3 A5:1/3 F#5:2/3 A5:1/3 D5:1 | B5:2/3 A5:1/3 F#5:2/3 D5:1/3 F#5:2 | "
      "G5:2/3 B5:1/3 D6:2/3 E6:1/3 D6:2/3 B5:1/3 G5:1 | E6:2/3 D6:1/3 C#6:2/3 B5:1/3 A5:2 | "
      "B5:2/3 A5:1/3 G5:2/3 B5:1/3 D6:2 | C#6:2/3 B5:1/3 A5:2/3 C#6:1/3 E6:2 | "
      "D6:2/3 A5:1/3 F#5:2/3 A5:1/3 D5:2 | -:4",
      48, whistle, whistlePart, 0.72f, 0.85);
  PlayLine(song,
           "B5:2 D6:2 | C#6:2 E6:2 | C#6:2 A5:2 | B5:2 F#5:2 | G5:2 B5:2 | A5:2 C#6:2 | D6:2 A5:2 "
           "| G5:2 E5:2",
           80, whistle, {0.4f, -0.25f, 0.5f}, 0.45f, 0.95);

  const Voice pizzicato = [&dice](double hz, double gate, float v) {
    return Pluck(hz, gate, v, 0.45f, dice);
  };
  const Part pizzPart{2.0f, 0.35f, 0.3f};
  const std::string third = ":1/3 ";
  const auto run = [&](std::initializer_list<const char*> notes, const char* last) {
    std::string line;
    for (const char* n : notes) line += n + third;
    return line + last + ":1 | ";
  };
  PlayLine(song, run({"A5", "F#5", "D5", "F#5", "A5", "D6", "A5", "F#5", "D5"}, "A4"), 76,
           pizzicato, pizzPart, 0.6f, 0.5);
  PlayLine(song,
           run({"B4", "D5", "G5", "B5", "G5", "D5", "B4", "D5", "G5"}, "B5") +
               run({"C#5", "E5", "A5", "C#6", "A5", "E5", "C#5", "E5", "A5"}, "C#6") +
               "C#5:1/3 F#5:1/3 A5:1/3 C#6:1/3 A5:1/3 F#5:1/3 A5:2/3 F#5:1/3 C#5:1 | "
               "D5:1/3 F#5:1/3 B5:1/3 D6:1/3 B5:1/3 F#5:1/3 D6:2 | " +
               run({"E5", "G5", "B5", "E5", "G5", "B5", "D6", "B5", "G5"}, "E5") +
               run({"E5", "A5", "C#6", "E5", "A5", "C#6", "E6", "C#6", "A5"}, "E5") +
               run({"D5", "F#5", "A5", "D6", "A5", "F#5", "D5", "F#5", "A5"}, "D6") +
               run({"C#5", "E5", "G5", "A5", "G5", "E5", "C#5", "E5", "G5"}, "A5"),
           80, pizzicato, pizzPart, 0.62f, 0.5);

  const Hit kick = [](float v) { return Kick(v); };
  const Hit brush = [&dice](float v) { return Brush(v, dice); };
  const Hit shaker = [&dice](float v) { return Shaker(v, dice); };
  const Hit rim = [](float v) { return Rim(v); };
  const double third3 = 1.0 / 3;
  PlayDrums(song, "624624624624", third3, 0, 28, 4, shaker, {0.7f, 0.4f, 0.1f});
  PlayDrums(song, "...6.....6..", third3, 0, 28, 4, brush, {1.1f, 0.15f, 0.25f});
  PlayDrums(song, "7.....6.....", third3, 16, 24, 4, kick, {0.5f, 0.0f, 0.05f});
  PlayDrums(song, "...........4", third3, 16, 24, 4, rim, {1.2f, -0.2f, 0.2f});
  return song.Mix(0.7, 0.45, 0.6f);
}

}  // namespace sound
