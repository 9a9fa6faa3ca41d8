// plotstead-sound OUTDIR: synthesizes every sound effect and music theme of the game into
// OUTDIR (WAV for effects and plot loops, Ogg Vorbis for the themes). The output depends
// only on this program, never on the time or the machine's state.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <limits>
#include <string>

#include "SoundDsp.h"
#include "SoundEffects.h"
#include "SoundFiles.h"
#include "SoundThemes.h"

namespace {

using namespace sound;

struct Theme {
  const char* Name;
  Stereo (*Compose)();
  float SampleVolume;  // the factor the game applies to this theme
  uint32_t Serial;     // Ogg stream serial number, fixed for reproducible files
};

const Theme kThemes[] = {
    {"ThemeMenu", ComposeThemeMenu, 1.0f, 0x504C0001},
    {"Theme1", ComposeTheme1, 0.7f, 0x504C0002},
    {"Theme2", ComposeTheme2, 0.7f, 0x504C0003},
};

// The game's default volume settings (steps of 0..10) and its attenuation table in
// hundredths of a decibel, indexed by 20 - round(20 x gain) with ties to even.
constexpr int kDefaultEffectSteps = 10;
constexpr int kDefaultMusicSteps = 8;
constexpr int kAttenuation[21] = {0,     -70,   -140,  -210,  -280,  -350,  -420,
                                  -490,  -560,  -630,  -700,  -780,  -870,  -970,
                                  -1080, -1200, -1500, -1900, -2400, -3000, -10000};

double PlaybackDb(int steps, float sampleVolume) {
  const float gain = std::min(1.0f, steps * sampleVolume * 0.1f);
  const int index = 20 + static_cast<int>(std::nearbyint(-20.0f * gain));
  return kAttenuation[index] / 100.0;
}

constexpr double kMusicLoudness = -17.0;  // K-weighted dB of a whole theme loop
constexpr float kMusicPeak = 0.79f;       // room for the codec's overshoot
constexpr float kEffectPeak = 0.89f;

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Brings a sound to a loudness, lowering it further when its peak would pass Limit.
void Level(Stereo& sound, double measured, double target, float limit) {
  const float gain = static_cast<float>(DbToGain(target - measured));
  Scale(sound, std::min(gain, limit / std::max(PeakOf(sound), 1e-6f)));
}

double MakeThemes(const std::string& folder) {
  double quietest = std::numeric_limits<double>::max();
  for (const Theme& theme : kThemes) {
    const auto start = std::chrono::steady_clock::now();
    Stereo music = theme.Compose();
    Level(music, LoopLoudness(music), kMusicLoudness, kMusicPeak);
    const double heard = LoopLoudness(music) + PlaybackDb(kDefaultMusicSteps, theme.SampleVolume);
    quietest = std::min(quietest, heard);
    SaveFile(folder + theme.Name + ".ogg", EncodeOgg(music, theme.Name, theme.Serial, 0.4f));
    std::printf("%-13s %6.1f s  peak %5.1f dBFS  heard at %6.1f dB  made in %.2f s\n", theme.Name,
                music.Frames() / double(kRate), GainToDb(PeakOf(music)), heard, Seconds(start));
  }
  return quietest;
}

// A one-shot stops where it has died away: the frames after its last one above -70 dB of
// its peak are dropped, and the last 20 ms fade out so it ends at silence.
void TrimOneShot(Stereo& sound) {
  const float quiet = PeakOf(sound) * static_cast<float>(DbToGain(-70.0));
  size_t end = sound.Frames();
  while (end > 1 && std::fabs(sound.left[end - 1]) < quiet &&
         std::fabs(sound.right[end - 1]) < quiet)
    --end;
  sound.Resize(end);
  FadeEdges(sound.left, 0.0, 0.02);
  FadeEdges(sound.right, 0.0, 0.02);
}

void MakeEffects(const std::string& folder, double musicHeard) {
  for (const Effect& effect : Effects()) {
    const auto start = std::chrono::steady_clock::now();
    Stereo sound = effect.Render();
    if (!effect.Looped) TrimOneShot(sound);
    const double playback = PlaybackDb(kDefaultEffectSteps, effect.SampleVolume);
    Level(sound, ShortTermLoudness(sound), musicHeard + effect.LevelBelowMusic - playback,
          kEffectPeak);
    SaveFile(folder + effect.Name + ".wav",
             effect.TwoChannels ? EncodeWav(sound) : EncodeWav(sound.left));
    std::printf("%-13s %6.2f s  peak %5.1f dBFS  heard %5.1f dB below the music  made in %.2f s\n",
                effect.Name.c_str(), sound.Frames() / double(kRate), GainToDb(PeakOf(sound)),
                musicHeard - (ShortTermLoudness(sound) + playback), Seconds(start));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: plotstead-sound OUTDIR\n");
    return 2;
  }
  try {
    const auto start = std::chrono::steady_clock::now();
    std::filesystem::create_directories(argv[1]);
    const std::string folder = std::string(argv[1]) + "/";
    const double musicHeard = MakeThemes(folder);
    MakeEffects(folder, musicHeard);
    std::printf("sounds made in %.2f s\n", Seconds(start));
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "plotstead-sound: %s\n", e.what());
    return 1;
  }
}
