#include "SoundFiles.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace sound {

namespace {

void PutU16(std::string& out, uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void PutU32(std::string& out, uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

int16_t ToPcm(float x) {
  const float scaled = std::round(std::clamp(x, -1.0f, 1.0f) * 32767.0f);
  return static_cast<int16_t>(scaled);
}

std::string WavBytes(const Mono* channels[], int channelCount, size_t frames) {
  const uint32_t blockAlign = 2 * channelCount;
  const uint32_t dataSize = static_cast<uint32_t>(frames * blockAlign);
  std::string out;
  out.reserve(44 + dataSize);
  out += "RIFF";
  PutU32(out, 36 + dataSize);
  out += "WAVE";
  out += "fmt ";
  PutU32(out, 16);
  PutU16(out, 1);  // PCM
  PutU16(out, channelCount);
  PutU32(out, kRate);
  PutU32(out, kRate * blockAlign);
  PutU16(out, blockAlign);
  PutU16(out, 16);
  out += "data";
  PutU32(out, dataSize);
  for (size_t i = 0; i < frames; ++i)
    for (int ch = 0; ch < channelCount; ++ch)
      PutU16(out, static_cast<uint16_t>(ToPcm((*channels[ch])[i])));
  return out;
}

void AppendPage(std::string& out, const ogg_page& page) {
  out.append(reinterpret_cast<const char*>(page.header), page.header_len);
  out.append(reinterpret_cast<const char*>(page.body), page.body_len);
}

// Owns the libvorbis and libogg state of one encoding so every exit path clears it.
class OggEncoder {
 public:
  OggEncoder(const std::string& title, uint32_t serial, float quality) {
    vorbis_info_init(&Info);
    if (vorbis_encode_init_vbr(&Info, 2, kRate, quality) != 0)
      throw std::runtime_error("vorbis_encode_init_vbr failed");
    vorbis_comment_init(&Comment);
    vorbis_comment_add_tag(&Comment, "TITLE", title.c_str());
    vorbis_comment_add_tag(&Comment, "ARTIST", "Plotstead");
    vorbis_analysis_init(&Dsp, &Info);
    vorbis_block_init(&Dsp, &Block);
    ogg_stream_init(&Stream, static_cast<int>(serial));
  }

  ~OggEncoder() {
    ogg_stream_clear(&Stream);
    vorbis_block_clear(&Block);
    vorbis_dsp_clear(&Dsp);
    vorbis_comment_clear(&Comment);
    vorbis_info_clear(&Info);
  }

  std::string Encode(const Stereo& samples) {
    WriteHeaders();
    const size_t chunk = 4096;
    for (size_t at = 0; at < samples.Frames(); at += chunk) {
      const size_t n = std::min(chunk, samples.Frames() - at);
      float** buffer = vorbis_analysis_buffer(&Dsp, static_cast<int>(n));
      std::copy_n(samples.left.begin() + at, n, buffer[0]);
      std::copy_n(samples.right.begin() + at, n, buffer[1]);
      vorbis_analysis_wrote(&Dsp, static_cast<int>(n));
      Drain();
    }
    vorbis_analysis_wrote(&Dsp, 0);
    Drain();
    return std::move(Bytes);
  }

 private:
  vorbis_info Info;
  vorbis_comment Comment;
  vorbis_dsp_state Dsp;
  vorbis_block Block;
  ogg_stream_state Stream;
  std::string Bytes;

  void WriteHeaders() {
    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&Dsp, &Comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&Stream, &identification);
    ogg_stream_packetin(&Stream, &comments);
    ogg_stream_packetin(&Stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&Stream, &page) != 0) AppendPage(Bytes, page);
  }

  void Drain() {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&Dsp, &Block) == 1) {
      vorbis_analysis(&Block, nullptr);
      vorbis_bitrate_addblock(&Block);
      while (vorbis_bitrate_flushpacket(&Dsp, &packet) != 0) {
        ogg_stream_packetin(&Stream, &packet);
        while (ogg_stream_pageout(&Stream, &page) != 0) AppendPage(Bytes, page);
      }
    }
  }
};

}  // namespace

std::string EncodeWav(const Mono& samples) {
  const Mono* channels[] = {&samples};
  return WavBytes(channels, 1, samples.size());
}

std::string EncodeWav(const Stereo& samples) {
  const Mono* channels[] = {&samples.left, &samples.right};
  return WavBytes(channels, 2, samples.Frames());
}

std::string EncodeOgg(const Stereo& samples, const std::string& title, uint32_t serial,
                      float quality) {
  OggEncoder encoder(title, serial, quality);
  return encoder.Encode(samples);
}

void SaveFile(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".part";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) throw std::runtime_error("cannot write " + temporary);
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0)
    throw std::runtime_error("cannot rename " + temporary);
}

}  // namespace sound
