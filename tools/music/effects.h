// Effects used by the mixer: a stereo reverb, a ping-pong echo, and the
// master's high-pass and peak limiter.
#pragma once

#include <vector>

#include "dsp.h"

namespace music {

// A bank of damped feedback combs followed by allpass diffusers, with
// different delay lengths on each side for width.
class Reverb {
 public:
  Reverb(double feedback, double damping);
  // One mono input sample in, one stereo sample out (wet only).
  void Process(float in, float& l, float& r);

 private:
  struct Comb {
    std::vector<float> buf;
    size_t pos = 0;
    float lowpass = 0.0f;
  };
  struct Allpass {
    std::vector<float> buf;
    size_t pos = 0;
  };
  float Side(float in, Comb* combs, Allpass* allpasses);

  static constexpr int kCombs = 8;
  static constexpr int kAllpasses = 4;
  Comb combL_[kCombs], combR_[kCombs];
  Allpass apL_[kAllpasses], apR_[kAllpasses];
  std::vector<float> predelay_;
  size_t prePos_ = 0;
  float feedback_, damping_;
  Svf lowCut_;
};

// Echo that bounces between left and right; each repeat is darker.
class Echo {
 public:
  Echo(double seconds, double feedback, double cutoffHz);
  void Process(float in, float& l, float& r);

 private:
  std::vector<float> left_, right_;
  size_t pos_ = 0;
  float feedback_;
  OnePole dark_;
  OnePole thin_;
};

// Second-order high-pass and low-pass on both channels.
void HighPass(Stereo& s, double cutoffHz);
void LowPass(Stereo& s, double cutoffHz);

// Brings every sample peak (and the estimated peak halfway between samples)
// down to `ceiling` with a look-ahead gain that never overshoots, then
// recovers with the given release. Returns the deepest reduction in dB.
double Limit(Stereo& s, double ceiling, double lookaheadSeconds, double releaseSeconds);

}  // namespace music
