// Writing the generated sounds: 16-bit PCM WAV files in the plain layout the game reads
// ("fmt " of 16 bytes directly followed by "data"), and Ogg Vorbis files for the music.
#pragma once

#include <cstdint>
#include <string>

#include "SoundDsp.h"

namespace sound {

// Both return the file's bytes; SaveFile writes them under a temporary name first and
// renames, so an interrupted run never leaves a truncated sample behind.
std::string EncodeWav(const Mono& samples);
std::string EncodeWav(const Stereo& samples);
std::string EncodeOgg(const Stereo& samples, const std::string& title, uint32_t serial,
                      float quality);
void SaveFile(const std::string& path, const std::string& bytes);

}  // namespace sound
