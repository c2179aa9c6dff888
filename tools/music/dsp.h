// Signal-processing building blocks shared by every instrument: the sample
// rate, a small seeded noise source, band-limited oscillators, filters and
// the stereo buffer that everything renders into.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace music {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

// xorshift32. Every noise source is seeded with a fixed number so that the
// whole piece comes out the same on every run.
class Rng {
 public:
  explicit Rng(uint32_t seed) : state_(seed ? seed : 0x2545F491u) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  float Unit() { return float(Next() >> 8) * (1.0f / 16777216.0f); }  // [0, 1)
  float Bipolar() { return Unit() * 2.0f - 1.0f; }                      // [-1, 1)

 private:
  uint32_t state_;
};

inline double NoteHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }
inline float DbToGain(double db) { return float(std::pow(10.0, db / 20.0)); }

// Correction that removes most of the aliasing of a hard edge at phase 0.
// t is the phase in [0, 1), dt the phase step per sample.
inline double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

// Phase accumulator with sawtooth, square and sine outputs.
class Osc {
 public:
  void SetFreq(double hz) { inc_ = hz / kRate; }
  void SetPhase(double phase) { phase_ = phase - std::floor(phase); }
  double Phase() const { return phase_; }

  float Saw() {
    const double v = 2.0 * phase_ - 1.0 - PolyBlep(phase_, inc_);
    Advance();
    return float(v);
  }
  float Square() {
    double half = phase_ + 0.5;
    if (half >= 1.0) half -= 1.0;
    const double v = (phase_ < 0.5 ? 1.0 : -1.0) + PolyBlep(phase_, inc_) - PolyBlep(half, inc_);
    Advance();
    return float(v);
  }
  float Sine() {
    const double v = std::sin(kTwoPi * phase_);
    Advance();
    return float(v);
  }

 private:
  void Advance() {
    phase_ += inc_;
    if (phase_ >= 1.0) phase_ -= 1.0;
  }
  double phase_ = 0.0;
  double inc_ = 0.0;
};

// State-variable filter in trapezoidal form: stays stable while its cutoff
// moves, which the filter sweeps rely on.
class Svf {
 public:
  void Set(double cutoffHz, double q) {
    const double fc = std::fmin(std::fmax(cutoffHz, 10.0), kRate * 0.45);
    g_ = std::tan(kPi * fc / kRate);
    k_ = 1.0 / q;
    a1_ = 1.0 / (1.0 + g_ * (g_ + k_));
    a2_ = g_ * a1_;
    a3_ = g_ * a2_;
  }
  void Process(double x) {
    const double v3 = x - ic2_;
    const double v1 = a1_ * ic1_ + a2_ * v3;
    const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    low_ = v2;
    band_ = v1;
    high_ = x - k_ * v1 - v2;
  }
  float Low(double x) { Process(x); return float(low_); }
  float Band(double x) { Process(x); return float(band_); }
  float High(double x) { Process(x); return float(high_); }

 private:
  double g_ = 0.0, k_ = 1.0, a1_ = 0.0, a2_ = 0.0, a3_ = 0.0;
  double ic1_ = 0.0, ic2_ = 0.0;
  double low_ = 0.0, band_ = 0.0, high_ = 0.0;
};

// First-order low-pass; High() gives the complementary high-pass.
class OnePole {
 public:
  void Set(double cutoffHz) { a_ = 1.0 - std::exp(-kTwoPi * cutoffHz / kRate); }
  float Low(double x) {
    z_ += a_ * (x - z_);
    return float(z_);
  }
  float High(double x) { return float(x - Low(x)); }

 private:
  double a_ = 1.0, z_ = 0.0;
};

// Exponential decay exp(-t / seconds), stepped one sample per call; much
// cheaper than calling exp for every sample.
class Decay {
 public:
  explicit Decay(double seconds, double start = 1.0) : value_(start), factor_(std::exp(-1.0 / (seconds * kRate))) {}
  double Next() {
    const double v = value_;
    value_ *= factor_;
    return v;
  }

 private:
  double value_, factor_;
};

struct Stereo {
  std::vector<float> l, r;
  explicit Stereo(size_t frames = 0) : l(frames, 0.0f), r(frames, 0.0f) {}
  size_t Frames() const { return l.size(); }
  void Clear() {
    std::fill(l.begin(), l.end(), 0.0f);
    std::fill(r.begin(), r.end(), 0.0f);
  }
};

// Constant-power pan gains for pan in [-1, 1].
inline void PanGains(double pan, float& gl, float& gr) {
  const double a = (pan + 1.0) * kPi * 0.25;
  gl = float(std::cos(a) * std::sqrt(2.0));
  gr = float(std::sin(a) * std::sqrt(2.0));
}

inline size_t ToFrame(double seconds) { return seconds <= 0.0 ? 0 : size_t(std::lround(seconds * kRate)); }

}  // namespace music
