// Reverb, echo, high-pass and the look-ahead peak limiter.
#include "effects.h"

#include <cmath>
#include <deque>

namespace music {

namespace {
// Delay lengths in samples, all prime so the echoes don't pile up on the
// same instants; the right side uses its own set.
const int kCombLeft[8] = {1153, 1223, 1297, 1361, 1433, 1499, 1567, 1637};
const int kCombRight[8] = {1171, 1249, 1307, 1381, 1447, 1511, 1583, 1657};
const int kAllpassLeft[4] = {557, 439, 347, 233};
const int kAllpassRight[4] = {571, 449, 353, 241};
constexpr float kAllpassGain = 0.5f;
}  // namespace

Reverb::Reverb(double feedback, double damping)
    : predelay_(size_t(0.022 * kRate), 0.0f), feedback_(float(feedback)), damping_(float(damping)) {
  for (int k = 0; k < kCombs; ++k) {
    combL_[k].buf.assign(size_t(kCombLeft[k]), 0.0f);
    combR_[k].buf.assign(size_t(kCombRight[k]), 0.0f);
  }
  for (int k = 0; k < kAllpasses; ++k) {
    apL_[k].buf.assign(size_t(kAllpassLeft[k]), 0.0f);
    apR_[k].buf.assign(size_t(kAllpassRight[k]), 0.0f);
  }
  // Low notes stay out of the reverb so the bottom end stays tight and centred.
  lowCut_.Set(280.0, 0.7);
}

float Reverb::Side(float in, Comb* combs, Allpass* allpasses) {
  float sum = 0.0f;
  for (int k = 0; k < kCombs; ++k) {
    Comb& c = combs[k];
    const float y = c.buf[c.pos];
    c.lowpass = y * (1.0f - damping_) + c.lowpass * damping_;
    c.buf[c.pos] = in + c.lowpass * feedback_;
    if (++c.pos == c.buf.size()) c.pos = 0;
    sum += y;
  }
  float x = sum * 0.125f;
  for (int k = 0; k < kAllpasses; ++k) {
    Allpass& a = allpasses[k];
    const float delayed = a.buf[a.pos];
    const float w = x + kAllpassGain * delayed;
    a.buf[a.pos] = w;
    if (++a.pos == a.buf.size()) a.pos = 0;
    x = delayed - kAllpassGain * w;
  }
  return x;
}

void Reverb::Process(float in, float& l, float& r) {
  const float delayed = predelay_[prePos_];
  predelay_[prePos_] = lowCut_.High(in);
  if (++prePos_ == predelay_.size()) prePos_ = 0;
  l = Side(delayed, combL_, apL_);
  r = Side(delayed, combR_, apR_);
}

Echo::Echo(double seconds, double feedback, double cutoffHz)
    : left_(size_t(seconds * kRate), 0.0f), right_(size_t(seconds * kRate), 0.0f), feedback_(float(feedback)) {
  dark_.Set(cutoffHz);
  thin_.Set(200.0);
}

void Echo::Process(float in, float& l, float& r) {
  // The input enters the left line; the left line feeds the right, and the
  // right feeds back into the left, so repeats alternate sides.
  const float a = left_[pos_];
  const float b = right_[pos_];
  const float back = thin_.High(dark_.Low(b));
  left_[pos_] = in + back * feedback_;
  right_[pos_] = a;
  if (++pos_ == left_.size()) pos_ = 0;
  l = a;
  r = b;
}

void HighPass(Stereo& s, double cutoffHz) {
  Svf fl, fr;
  fl.Set(cutoffHz, 0.7071);
  fr.Set(cutoffHz, 0.7071);
  for (size_t i = 0; i < s.Frames(); ++i) {
    s.l[i] = fl.High(s.l[i]);
    s.r[i] = fr.High(s.r[i]);
  }
}

void LowPass(Stereo& s, double cutoffHz) {
  Svf fl, fr;
  fl.Set(cutoffHz, 0.7071);
  fr.Set(cutoffHz, 0.7071);
  for (size_t i = 0; i < s.Frames(); ++i) {
    s.l[i] = fl.Low(s.l[i]);
    s.r[i] = fr.Low(s.r[i]);
  }
}

double Limit(Stereo& s, double ceiling, double lookaheadSeconds, double releaseSeconds) {
  const size_t n = s.Frames();
  if (n == 0) return 0.0;
  auto peak = [&](size_t i) { return std::max(std::fabs(s.l[i]), std::fabs(s.r[i])); };
  auto midpoint = [&](const std::vector<float>& x, size_t i) {
    // Cubic estimate of the signal halfway between samples i and i + 1.
    const double a = i > 0 ? x[i - 1] : x[i];
    const double d = i + 2 < n ? x[i + 2] : x[i + 1];
    return std::fabs((-a + 9.0 * x[i] + 9.0 * x[i + 1] - d) / 16.0);
  };

  // The gain each sample needs on its own.
  std::vector<float> need(n, 1.0f);
  for (size_t i = 0; i < n; ++i) {
    double p = peak(i);
    if (i + 1 < n) p = std::max(p, std::max(midpoint(s.l, i), midpoint(s.r, i)));
    if (i > 0) p = std::max(p, std::max(midpoint(s.l, i - 1), midpoint(s.r, i - 1)));
    if (p > ceiling) need[i] = float(ceiling / p);
  }

  // Smallest need over the window [k, k + L) ...
  const size_t window = std::max<size_t>(1, size_t(lookaheadSeconds * kRate));
  std::vector<float> ahead(n);
  std::deque<size_t> mins;
  for (size_t k = n; k-- > 0;) {
    while (!mins.empty() && need[mins.back()] >= need[k]) mins.pop_back();
    mins.push_back(k);
    while (mins.front() >= k + window) mins.pop_front();
    ahead[k] = need[mins.front()];
  }

  // ... averaged over the L windows that cover each sample. Every one of
  // those windows contains the sample, so the average never exceeds what
  // the sample needs, and the gain ramps down smoothly ahead of a peak.
  double sum = 0.0, env = 1.0, deepest = 1.0;
  const double recover = 1.0 - std::exp(-1.0 / (releaseSeconds * kRate));
  for (size_t i = 0; i < n; ++i) {
    sum += ahead[i];
    if (i >= window) sum -= ahead[i - window];
    const double gain = i + 1 >= window ? sum / double(window) : (sum + double(window - i - 1)) / double(window);
    env = gain < env ? gain : env + (gain - env) * recover;
    deepest = std::min(deepest, env);
    s.l[i] = float(std::max(-ceiling, std::min(ceiling, s.l[i] * env)));
    s.r[i] = float(std::max(-ceiling, std::min(ceiling, s.r[i] * env)));
  }
  return 20.0 * std::log10(deepest);
}

}  // namespace music
