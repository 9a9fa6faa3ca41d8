// Sound files for audio tests and benchmarks: WAV files written byte by byte (so that broken
// ones can be made too) and Ogg Vorbis files encoded with libvorbisenc, which is loaded at
// run time because the game itself only decodes.
#pragma once

#include <dlfcn.h>
#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace audiotest {

inline void PutU16(std::string& To, uint32_t V) {
  To += char(V & 0xFF);
  To += char((V >> 8) & 0xFF);
}

inline void PutU32(std::string& To, uint32_t V) {
  PutU16(To, V & 0xFFFF);
  PutU16(To, V >> 16);
}

inline void WriteFile(const std::string& Path, const std::string& Bytes) {
  std::ofstream(Path, std::ios::binary) << Bytes;
}

// A WAV file; the defaults make a valid one and each field can be spoiled.
struct TWavFields {
  std::string Riff = "RIFF", Wave = "WAVE";
  uint32_t FormatChunkSize = 16;
  uint16_t Tag = 1, Channels = 1, Bits = 16;
  uint32_t Rate = 22050;
  int BlockAlign = -1;             // -1: Channels x Bits / 8
  std::string ChunkBeforeData;     // a whole chunk placed between "fmt " and "data"
  std::string Data;                // the sample bytes
  int64_t DeclaredDataSize = -1;   // -1: the real size
};

inline std::string MakeWav(const TWavFields& S) {
  uint32_t Align = S.BlockAlign >= 0 ? uint32_t(S.BlockAlign) : S.Channels * S.Bits / 8;
  std::string Body = S.Wave + "fmt ";
  PutU32(Body, S.FormatChunkSize);
  PutU16(Body, S.Tag);
  PutU16(Body, S.Channels);
  PutU32(Body, S.Rate);
  PutU32(Body, S.Rate * Align);
  PutU16(Body, Align);
  PutU16(Body, S.Bits);
  Body.append(S.FormatChunkSize > 16 ? S.FormatChunkSize - 16 : 0, '\0');
  Body += S.ChunkBeforeData + "data";
  PutU32(Body, S.DeclaredDataSize >= 0 ? uint32_t(S.DeclaredDataSize) : uint32_t(S.Data.size()));
  Body += S.Data;
  std::string File = S.Riff;
  PutU32(File, uint32_t(Body.size()));
  return File + Body;
}

// 16-bit little-endian samples.
inline std::string Pcm16(const std::vector<int16_t>& Samples) {
  std::string Bytes(Samples.size() * 2, '\0');
  std::memcpy(Bytes.data(), Samples.data(), Bytes.size());
  return Bytes;
}

// A tone that glides, so that every stretch of it differs from every other.
inline std::vector<float> Glide(int Frames, int Channels, int Rate) {
  std::vector<float> Samples(size_t(Frames) * Channels);
  double Phase = 0;
  for (int I = 0; I < Frames; ++I) {
    double Frequency = 200.0 + 600.0 * I / Frames;
    Phase += 2 * M_PI * Frequency / Rate;
    for (int C = 0; C < Channels; ++C) Samples[size_t(I) * Channels + C] = float(0.5 * std::sin(Phase + C));
  }
  return Samples;
}

#define AUDIOTEST_VORBIS_FUNCTIONS(X)                                                     \
  X(vorbis_info_init) X(vorbis_info_clear) X(vorbis_encode_init_vbr) X(vorbis_comment_init) \
  X(vorbis_comment_clear) X(vorbis_analysis_init) X(vorbis_block_init)                     \
  X(vorbis_block_clear) X(vorbis_dsp_clear) X(vorbis_analysis_headerout)                   \
  X(vorbis_analysis_buffer) X(vorbis_analysis_wrote) X(vorbis_analysis_blockout)           \
  X(vorbis_analysis) X(vorbis_bitrate_addblock) X(vorbis_bitrate_flushpacket)              \
  X(ogg_stream_init) X(ogg_stream_clear) X(ogg_stream_packetin) X(ogg_stream_pageout)      \
  X(ogg_stream_flush) X(ogg_page_eos)

struct TVorbisEncoderLibrary {
#define AUDIOTEST_DECLARE(Name) decltype(&::Name) Name = nullptr;
  AUDIOTEST_VORBIS_FUNCTIONS(AUDIOTEST_DECLARE)
#undef AUDIOTEST_DECLARE

  TVorbisEncoderLibrary() {
    void* Library = dlopen("libvorbisenc.so.2", RTLD_NOW | RTLD_GLOBAL);
    if (!Library) throw std::runtime_error("libvorbisenc.so.2 is not installed");
#define AUDIOTEST_LOAD(Name)                                              \
  Name = reinterpret_cast<decltype(Name)>(dlsym(Library, #Name));         \
  if (!Name) throw std::runtime_error("libvorbisenc lacks " #Name);
    AUDIOTEST_VORBIS_FUNCTIONS(AUDIOTEST_LOAD)
#undef AUDIOTEST_LOAD
  }

  static TVorbisEncoderLibrary& Get() {
    static TVorbisEncoderLibrary Instance;
    return Instance;
  }
};

// Encodes interleaved samples (-1..1) into an Ogg Vorbis file held in memory.
inline std::string EncodeOgg(const std::vector<float>& Samples, int Channels, int Rate,
                             float Quality = 0.2f) {
  TVorbisEncoderLibrary& V = TVorbisEncoderLibrary::Get();
  vorbis_info Info;
  vorbis_comment Comment;
  vorbis_dsp_state Dsp;
  vorbis_block Block;
  ogg_stream_state Stream;
  ogg_page Page;
  ogg_packet Packet;
  std::string Out;
  auto Drain = [&](bool Flush) {
    while ((Flush ? V.ogg_stream_flush(&Stream, &Page) : V.ogg_stream_pageout(&Stream, &Page)) != 0) {
      Out.append(reinterpret_cast<char*>(Page.header), size_t(Page.header_len));
      Out.append(reinterpret_cast<char*>(Page.body), size_t(Page.body_len));
    }
  };
  V.vorbis_info_init(&Info);
  if (V.vorbis_encode_init_vbr(&Info, Channels, Rate, Quality) != 0)
    throw std::runtime_error("vorbis encoder refused the format");
  V.vorbis_comment_init(&Comment);
  V.vorbis_analysis_init(&Dsp, &Info);
  V.vorbis_block_init(&Dsp, &Block);
  V.ogg_stream_init(&Stream, 1);
  ogg_packet Header, CommentHeader, Codebooks;
  V.vorbis_analysis_headerout(&Dsp, &Comment, &Header, &CommentHeader, &Codebooks);
  V.ogg_stream_packetin(&Stream, &Header);
  V.ogg_stream_packetin(&Stream, &CommentHeader);
  V.ogg_stream_packetin(&Stream, &Codebooks);
  Drain(true);
  size_t Frames = Samples.size() / size_t(Channels);
  for (size_t Done = 0;;) {
    int Count = int(std::min<size_t>(1024, Frames - Done));
    if (Count > 0) {
      float** Buffer = V.vorbis_analysis_buffer(&Dsp, Count);
      for (int I = 0; I < Count; ++I)
        for (int C = 0; C < Channels; ++C) Buffer[C][I] = Samples[(Done + I) * Channels + C];
    }
    V.vorbis_analysis_wrote(&Dsp, Count);
    Done += size_t(Count);
    while (V.vorbis_analysis_blockout(&Dsp, &Block) == 1) {
      V.vorbis_analysis(&Block, nullptr);
      V.vorbis_bitrate_addblock(&Block);
      while (V.vorbis_bitrate_flushpacket(&Dsp, &Packet)) {
        V.ogg_stream_packetin(&Stream, &Packet);
        Drain(false);
      }
    }
    if (Count == 0) break;
  }
  Drain(true);
  V.ogg_stream_clear(&Stream);
  V.vorbis_block_clear(&Block);
  V.vorbis_dsp_clear(&Dsp);
  V.vorbis_comment_clear(&Comment);
  V.vorbis_info_clear(&Info);
  return Out;
}

inline std::string MakeOgg(double Seconds, int Channels = 1, int Rate = 8000) {
  int Frames = int(std::lround(Seconds * Rate));
  return EncodeOgg(Glide(Frames, Channels, Rate), Channels, Rate);
}

}  // namespace audiotest
