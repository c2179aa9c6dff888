// Ogg Vorbis encoding of the finished mix.
#pragma once

#include <cstdint>
#include <string>

#include "dsp.h"

namespace music {

// A fixed stream serial number keeps the file identical from run to run.
constexpr int kOggSerial = 0x7475736D;

// Encodes stereo samples at kRate with variable bit rate of the given
// quality (-0.1 .. 1.0) and writes the file. On failure returns false and
// says why.
bool WriteOggVorbis(const std::string& path, const Stereo& pcm, float quality, std::string& error);

}  // namespace music
