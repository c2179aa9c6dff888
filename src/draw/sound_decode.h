// Music decoding: a whole OGG Vorbis file into signed 16-bit PCM.
//
// Depends on libogg and libvorbisfile only. Mono stays mono; stereo stays
// stereo; more channels are mixed down to stereo.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct PcmData {
  int rate = 0;                  // samples per second
  int channels = 0;              // 1 or 2
  std::vector<int16_t> samples;  // interleaved, frames * channels values
  size_t Frames() const { return channels ? samples.size() / size_t(channels) : 0; }
};

// Decode an OGG Vorbis stream held in memory. On failure returns false and says
// why. When only part of the stream could be decoded, returns true with what was
// decoded and leaves a warning in error.
bool DecodeOggVorbis(const unsigned char* data, size_t size, PcmData& out, std::string& error);

// Read a whole file and decode it.
bool DecodeOggVorbisFile(const std::string& path, PcmData& out, std::string& error);
