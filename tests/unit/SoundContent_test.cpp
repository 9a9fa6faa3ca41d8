// Checks the generated sound effects and music in the build's Samples folder: they load
// through the game's own audio loader, nothing clips, one-shots start and end in silence,
// loops join without a step, effects stay below the music at the default volumes, the
// themes are long streamed loops, and the generator makes the same bytes on every run.
#include <gtest/gtest.h>
#include <unistd.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "app/EngineRegister.h"
#include "engine/EngineAudio.h"
#include "platform/VirtualSound.h"

namespace fs = std::filesystem;

namespace {

const std::string kSamplesDir = PLOTSTEAD_BIN_DIR "/Samples";
const fs::path kGenerator = fs::path(PLOTSTEAD_BIN_DIR) / ".." / "tools" / "plotstead-sound";
constexpr int kDefaultSfxVolume = 10;  // Game.ini defaults
constexpr int kDefaultMusicVolume = 8;

const char* const kThemes[] = {"ThemeMenu", "Theme1", "Theme2"};
const char* const kEffects[] = {"Focus",       "Click",     "Switch",    "Key",      "Select",
                                "Collected",   "Delivered", "Trained",   "Damage",   "Finish1",
                                "Finish2",     "Finish3",   "Gong",      "Demolish", "Constructing",
                                "Demolishing", "Clearing1", "Clearing2", "Fireworks"};

// One sample as the game holds it: its registration and its frames as -1..1 per channel.
struct TSound {
  std::string Name;
  bool Looped = false, Streamed = false;
  uint8_t Kind = skEffect;
  float Volume = 1;
  int Channels = 0, Rate = 0, Bits = 0;
  int64_t DeclaredFrames = 0;  // ov_pcm_total for Ogg
  bool DecodeFailed = false;
  std::vector<std::vector<float>> Channel;
  size_t Frames() const { return Channel.empty() ? 0 : Channel[0].size(); }
};

void AppendPcm16(TSound& Sound, const uint8_t* Bytes, size_t Count) {
  Sound.Channel.resize(Sound.Channels);
  for (size_t I = 0; I + 1 < Count; I += 2) {
    const int16_t Value = int16_t(Bytes[I] | Bytes[I + 1] << 8);
    Sound.Channel[(I / 2) % Sound.Channels].push_back(Value / 32768.0f);
  }
}

// Decodes a whole Ogg file through the game's stream and decoder callbacks.
void DecodeOgg(TSound& Sound, const std::string& Path) {
  std::unique_ptr<TSampleFileStream> Stream = TSampleFileStream::Open(Path);
  TDecoder Decoder;
  if (!OpenDecoder(Stream, Decoder)) {
    Sound.DecodeFailed = true;
    return;
  }
  vorbis_info* Info = ov_info(Decoder.get(), -1);
  Sound.Channels = Info->channels;
  Sound.Rate = int(Info->rate);
  Sound.Bits = 16;
  Sound.DeclaredFrames = ov_pcm_total(Decoder.get(), 0);
  std::vector<uint8_t> Chunk(1 << 16);
  long Got;
  while ((Got = ov_read(Decoder.get(), reinterpret_cast<char*>(Chunk.data()), int(Chunk.size()), 0,
                        2, 1, nullptr)) > 0)
    AppendPcm16(Sound, Chunk.data(), size_t(Got));
  if (Got < 0) Sound.DecodeFailed = true;
}

// Loads every built-in sample once through the game's audio system on a virtual device.
class SoundContent : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!fs::is_directory(kSamplesDir)) return;
    SamplesFolder = kSamplesDir + "/";
    Register.SfxVolume = kDefaultSfxVolume;
    Register.MusicVolume = kDefaultMusicVolume;
    Register.SourcePoolSize = 24;
    ErrorLog = std::make_unique<TErrorLog>();
    SoundDeviceFactory = [] { return std::make_unique<TVirtualSoundDevice>(); };
    Audio = new TAudio;
    PreloadSamples();
    LoadErrors = new std::vector<std::string>(ErrorLog->Lines);
    Sounds = new std::map<std::string, TSound>;
    for (const char* Name : kThemes) Take(Name);
    for (const char* Name : kEffects) Take(Name);
    delete Audio;
    Audio = nullptr;
    SoundDeviceFactory = nullptr;
    ErrorLog.reset();
  }

  static void TearDownTestSuite() {
    delete Sounds;
    delete LoadErrors;
    Sounds = nullptr;
    LoadErrors = nullptr;
  }

  void SetUp() override {
    if (!Sounds) GTEST_SKIP() << "no generated " << kSamplesDir << " (content build is off)";
  }

  static void Take(const std::string& Name) {
    auto* Sample = static_cast<TSample*>(Audio->Samples.Find(Name));
    if (!Sample) return;
    TSound& Sound = (*Sounds)[Name];
    Sound.Name = Name;
    Sound.Looped = Sample->Looped;
    Sound.Streamed = Sample->Streamed;
    Sound.Kind = Sample->Kind;
    Sound.Volume = Sample->Volume;
    if (Sample->Streamed) {
      DecodeOgg(Sound, Sample->FileName(".ogg"));
    } else if (Sample->Buffer) {
      const TSoundFormat& Format = Sample->Buffer->Format();
      Sound.Channels = Format.Channels;
      Sound.Rate = int(Format.Rate);
      Sound.Bits = Format.Bits;
      const auto& Bytes = static_cast<TVirtualSoundBuffer*>(Sample->Buffer.get())->Bytes();
      if (Format.Bits == 16) AppendPcm16(Sound, Bytes.data(), Bytes.size());
    }
  }

  static const TSound& Get(const std::string& Name) { return Sounds->at(Name); }

  // How loud the game plays the sample at the default volume settings, in dB.
  static double PlaybackDb(const TSound& Sound) {
    const int Steps = Sound.Kind == skMusic ? kDefaultMusicVolume : kDefaultSfxVolume;
    return TAudio::Attenuation(float(Steps) * Sound.Volume * 0.1f) / 100.0;
  }

  static std::map<std::string, TSound>* Sounds;
  static std::vector<std::string>* LoadErrors;
};

std::map<std::string, TSound>* SoundContent::Sounds = nullptr;
std::vector<std::string>* SoundContent::LoadErrors = nullptr;

// --- Loudness: K-weighted mean square, the broadcast measure of how loud a sound seems ---

class Biquad {
 public:
  Biquad(double B0, double B1, double B2, double A0, double A1, double A2)
      : B{B0 / A0, B1 / A0, B2 / A0}, A{A1 / A0, A2 / A0} {}
  double Run(double X) {
    const double Y = B[0] * X + B[1] * X1 + B[2] * X2 - A[0] * Y1 - A[1] * Y2;
    X2 = X1, X1 = X, Y2 = Y1, Y1 = Y;
    return Y;
  }

 private:
  double B[3], A[2], X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
};

std::vector<double> WeightedSquares(const std::vector<float>& X, int Rate) {
  const double Pi = 3.14159265358979323846;
  const double Ws = 2 * Pi * 1500.0 / Rate, Sa = std::pow(10.0, 4.0 / 40.0), Q = std::sqrt(0.5);
  const double C = std::cos(Ws), Al = std::sin(Ws) / (2 * Q), R = 2 * std::sqrt(Sa) * Al;
  Biquad Shelf(Sa * ((Sa + 1) + (Sa - 1) * C + R), -2 * Sa * ((Sa - 1) + (Sa + 1) * C),
               Sa * ((Sa + 1) + (Sa - 1) * C - R), (Sa + 1) - (Sa - 1) * C + R,
               2 * ((Sa - 1) - (Sa + 1) * C), (Sa + 1) - (Sa - 1) * C - R);
  const double Wh = 2 * Pi * 38.0 / Rate, Ch = std::cos(Wh), Ah = std::sin(Wh);  // Q = 0.5
  Biquad HighPass((1 + Ch) / 2, -(1 + Ch), (1 + Ch) / 2, 1 + Ah, -2 * Ch, 1 - Ah);
  std::vector<double> Squares(X.size());
  for (size_t I = 0; I < X.size(); ++I) {
    const double Y = HighPass.Run(Shelf.Run(X[I]));
    Squares[I] = Y * Y;
  }
  return Squares;
}

std::vector<double> ChannelMeanSquares(const TSound& Sound) {
  std::vector<double> Sum(Sound.Frames());
  for (const auto& Channel : Sound.Channel) {
    const std::vector<double> Squares = WeightedSquares(Channel, Sound.Rate);
    for (size_t I = 0; I < Sum.size(); ++I) Sum[I] += Squares[I] / Sound.Channels;
  }
  return Sum;
}

double ToDb(double MeanSquare) {
  return 10.0 * std::log10(std::max(MeanSquare, 1e-20));
}

// Music: the mean over the whole loop, skipping the filter's first second.
double MeanLoudness(const TSound& Sound) {
  const std::vector<double> Squares = ChannelMeanSquares(Sound);
  double Sum = 0;
  const size_t From = std::min(Squares.size(), size_t(Sound.Rate));
  for (size_t I = From; I < Squares.size(); ++I) Sum += Squares[I];
  return ToDb(Sum / double(std::max<size_t>(1, Squares.size() - From)));
}

// Effects: the loudest 100 ms, so a short sharp sound counts at its full strength.
double LoudestWindow(const TSound& Sound) {
  const std::vector<double> Squares = ChannelMeanSquares(Sound);
  const size_t Window = size_t(Sound.Rate / 10);
  double Sum = 0, Best = 0;
  for (size_t I = 0; I < Squares.size(); ++I) {
    Sum += Squares[I];
    if (I >= Window) Sum -= Squares[I - Window];
    Best = std::max(Best, Sum);
  }
  return ToDb(Best / double(Window));
}

std::string ReadBytes(const fs::path& Path) {
  std::ifstream File(Path, std::ios::binary);
  std::ostringstream Content;
  Content << File.rdbuf();
  return Content.str();
}

// --- Tests ------------------------------------------------------------------------------

TEST_F(SoundContent, EverySampleLoadsThroughTheGamesLoader) {
  for (const std::string& Line : *LoadErrors) ADD_FAILURE() << Line;
  for (const char* Name : kEffects) {
    SCOPED_TRACE(Name);
    ASSERT_TRUE(Sounds->count(Name));
    const TSound& Sound = Get(Name);
    // An .ogg of the same name would be read instead of the WAV.
    EXPECT_TRUE(fs::exists(kSamplesDir + "/" + Name + ".wav"));
    EXPECT_FALSE(fs::exists(kSamplesDir + "/" + Name + ".ogg"));
    EXPECT_EQ(Sound.Bits, 16);
    EXPECT_EQ(Sound.Rate, 44100);
    EXPECT_GT(Sound.Frames(), 0u);
    // The plain 44-byte header: RIFF, WAVE, a 16-byte "fmt " and then "data".
    const std::string Head = ReadBytes(kSamplesDir + "/" + Name + ".wav").substr(0, 44);
    EXPECT_EQ(Head.substr(12, 8), std::string("fmt \x10\0\0\0", 8));
    EXPECT_EQ(Head.substr(36, 4), "data");
  }
  for (const char* Name : kThemes) {
    SCOPED_TRACE(Name);
    ASSERT_TRUE(Sounds->count(Name));
    EXPECT_TRUE(Get(Name).Streamed) << "music shorter than five seconds is not streamed";
  }
}

TEST_F(SoundContent, ThemesAreStereoLoopsOfAMinuteOrMoreThatDecodeFully) {
  for (const char* Name : kThemes) {
    SCOPED_TRACE(Name);
    const TSound& Sound = Get(Name);
    EXPECT_FALSE(Sound.DecodeFailed);
    EXPECT_EQ(Sound.Channels, 2);
    EXPECT_EQ(Sound.Rate, 44100);
    EXPECT_EQ(int64_t(Sound.Frames()), Sound.DeclaredFrames);
    EXPECT_GE(double(Sound.Frames()) / Sound.Rate, 60.0);
  }
}

TEST_F(SoundContent, NothingClipsAndOneShotsBeginAndEndInSilence) {
  for (const auto& [Name, Sound] : *Sounds) {
    SCOPED_TRACE(Name);
    for (const auto& Channel : Sound.Channel) {
      float Peak = 0;
      for (float X : Channel) Peak = std::max(Peak, std::fabs(X));
      EXPECT_LT(Peak, 0.98f);  // decoded music included: the codec's overshoot stays inside
      if (Sound.Looped || Channel.empty()) continue;
      EXPECT_LE(std::fabs(Channel.front()), 0.002f) << "starts with a click";
      EXPECT_LE(std::fabs(Channel.back()), 0.002f) << "ends with a click";
    }
  }
}

// Where a loop wraps, the jump from its last frame to its first must look like the
// frame-to-frame changes around it: no larger than all but the largest 1% of them. A loop
// cut through ringing notes instead of wrapping them into its start jumps well beyond that.
TEST_F(SoundContent, LoopsJoinWithoutAStep) {
  int Loops = 0;
  for (const auto& [Name, Sound] : *Sounds) {
    if (!Sound.Looped) continue;
    ++Loops;
    SCOPED_TRACE(Name);
    for (const auto& X : Sound.Channel) {
      const size_t N = X.size(), Near = 2048;
      ASSERT_GT(N, 4 * Near);
      std::vector<float> Steps;
      for (size_t I = 1; I < Near; ++I) {
        Steps.push_back(std::fabs(X[I] - X[I - 1]));
        Steps.push_back(std::fabs(X[N - I] - X[N - I - 1]));
      }
      std::sort(Steps.begin(), Steps.end());
      const float Usual = Steps[Steps.size() * 99 / 100];
      EXPECT_LE(std::fabs(X[0] - X[N - 1]), Usual + 2.0f / 32768);
    }
  }
  EXPECT_EQ(Loops, 8);
}

TEST_F(SoundContent, EffectsStayBelowTheMusicAtTheDefaultVolumes) {
  double QuietestMusic = 1e9;
  for (const char* Name : kThemes)
    QuietestMusic = std::min(QuietestMusic, MeanLoudness(Get(Name)) + PlaybackDb(Get(Name)));
  for (const char* Name : kEffects) {
    const TSound& Sound = Get(Name);
    EXPECT_LE(LoudestWindow(Sound) + PlaybackDb(Sound), QuietestMusic) << Name;
    // ... yet loud enough to be heard over it.
    EXPECT_GE(LoudestWindow(Sound) + PlaybackDb(Sound), QuietestMusic - 20.0) << Name;
  }
}

TEST_F(SoundContent, GeneratorWritesTheSameBytesOnEveryRun) {
  if (!fs::exists(kGenerator)) GTEST_SKIP() << "no generator at " << kGenerator;
  const fs::path Scratch =
      fs::temp_directory_path() / ("plotstead-sound-" + std::to_string(::getpid()));
  fs::remove_all(Scratch);
  for (const char* Run : {"a", "b"}) {
    const std::string Command =
        "'" + kGenerator.string() + "' '" + (Scratch / Run).string() + "' > /dev/null";
    ASSERT_EQ(std::system(Command.c_str()), 0) << Command;
  }
  std::vector<std::string> Names;
  for (const auto& Entry : fs::directory_iterator(Scratch / "a"))
    Names.push_back(Entry.path().filename());
  EXPECT_EQ(Names.size(), std::size(kThemes) + std::size(kEffects));
  for (const std::string& Name : Names) {
    const std::string Made = ReadBytes(Scratch / "a" / Name);
    EXPECT_EQ(Made, ReadBytes(Scratch / "b" / Name)) << Name << " differs between two runs";
    EXPECT_EQ(Made, ReadBytes(kSamplesDir + "/" + Name)) << Name << " in the build is stale";
  }
  fs::remove_all(Scratch);
}

}  // namespace
