// Renders the score part by part and mixes it down: levels, panning,
// ducking under the kick, reverb and echo buses, then the master chain
// (high-pass, limiter, fade-out).
#pragma once

#include "dsp.h"
#include "song.h"

namespace music {

struct MixReport {
  double limiterDb = 0.0;  // deepest gain reduction of the master limiter
  double peak = 0.0;       // highest sample magnitude of the result
};

// The master's sample peaks are held at -2 dBFS: encoding adds about half a
// decibel on the sharpest drum hits (more between samples), and the decoded
// file has to stay below -1 dBFS.
constexpr double kCeiling = 0.7943;

Stereo MixSong(const Score& score, MixReport& report);

}  // namespace music
