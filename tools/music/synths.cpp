// The pitched instruments: bass, pad, lead, arpeggio pluck and chord stab,
// all subtractive (band-limited saws and squares through a filter).
#include <cmath>

#include "instruments.h"

namespace music {
namespace {

// Attack, then held until release, then a linear fade of `release` seconds.
double HoldEnvelope(double t, double length, double attack, double release) {
  double a = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
  if (t > length) a *= std::max(0.0, 1.0 - (t - length) / release);
  return a;
}

// Renders samples [0, seconds) of one note; body fills l and r.
template <typename Body>
void ForEachSample(const Event& e, double seconds, Stereo& out, Body body) {
  const size_t start = ToFrame(e.time);
  const size_t n = size_t(seconds * kRate);
  for (size_t i = 0; i < n && start + i < out.Frames(); ++i) {
    float l = 0.0f, r = 0.0f;
    body(double(i) / kRate, l, r);
    out.l[start + i] += l;
    out.r[start + i] += r;
  }
}

// Several slightly detuned saws spread across the stereo field. The spread
// uses only level differences, so the mono sum stays full.
class SawStack {
 public:
  SawStack(double hz, int voices, double detuneSemis, double width, uint32_t seed) : voices_(voices) {
    Rng rng(seed);
    for (int v = 0; v < voices_; ++v) {
      const double x = voices_ > 1 ? 2.0 * v / (voices_ - 1) - 1.0 : 0.0;  // -1 .. 1
      osc_[v].SetFreq(hz * std::pow(2.0, x * detuneSemis / 12.0));
      osc_[v].SetPhase(rng.Unit());
      PanGains(x * width, gl_[v], gr_[v]);
    }
    norm_ = float(1.0 / std::sqrt(double(voices_)));
  }
  void Next(float& l, float& r) {
    l = r = 0.0f;
    for (int v = 0; v < voices_; ++v) {
      const float s = osc_[v].Saw();
      l += s * gl_[v];
      r += s * gr_[v];
    }
    l *= norm_;
    r *= norm_;
  }

 private:
  static constexpr int kMax = 7;
  int voices_;
  Osc osc_[kMax];
  float gl_[kMax], gr_[kMax];
  float norm_ = 1.0f;
};

}  // namespace

void RenderBass(const Event& e, Stereo& out) {
  const double hz = NoteHz(e.pitch);
  Osc saw, square, sine;
  saw.SetFreq(hz);
  square.SetFreq(hz);
  square.SetPhase(0.25);
  sine.SetFreq(hz);
  Svf lp;
  const double base = 110.0 + 650.0 * e.tone;
  const double sweep = 250.0 + 2600.0 * e.tone * e.tone;
  int counter = 0;
  ForEachSample(e, e.length + 0.03, out, [&](double t, float& l, float& r) {
    if ((counter++ & 7) == 0) lp.Set(base + sweep * std::exp(-t / 0.07), 1.5);
    const double buzz = lp.Low(saw.Saw() * 0.7 + square.Square() * 0.4);
    const double env = HoldEnvelope(t, e.length, 0.003, 0.03);
    l = r = float((buzz * 0.9 + sine.Sine() * 0.55) * env * e.velocity);
  });
}

void RenderPad(const Event& e, Stereo& out) {
  SawStack stack(NoteHz(e.pitch), 5, 0.16, 0.7, EventSeed(kPad, e) + uint32_t(e.pitch));
  Svf lpL, lpR;
  const double cutoff = 380.0 + 4200.0 * e.tone * e.tone;
  lpL.Set(cutoff, 0.8);
  lpR.Set(cutoff, 0.8);
  const double release = 0.5;
  ForEachSample(e, e.length + release, out, [&](double t, float& l, float& r) {
    float sl, sr;
    stack.Next(sl, sr);
    const double env = HoldEnvelope(t, e.length, 0.3, release) * e.velocity;
    l = float(lpL.Low(sl) * env);
    r = float(lpR.Low(sr) * env);
  });
}

void RenderLead(const Event& e, Stereo& out) {
  const double hz = NoteHz(e.pitch);
  Osc a, b, sub, vib;
  b.SetPhase(0.37);
  sub.SetFreq(hz * 0.5);
  vib.SetFreq(5.4);
  Svf lpL, lpR;
  const double cutoff = 900.0 + 5200.0 * std::pow(e.tone, 1.5);
  const double release = 0.14;
  Decay settle(0.2);
  int counter = 0;
  ForEachSample(e, e.length + release, out, [&](double t, float& l, float& r) {
    // Vibrato fades in on held notes only.
    const double depth = 0.13 * std::min(1.0, std::max(0.0, (t - 0.22) / 0.3));
    const double f = hz * std::pow(2.0, depth * vib.Sine() / 12.0);
    a.SetFreq(f * 1.0035);
    b.SetFreq(f / 1.0035);
    if ((counter++ & 15) == 0) {
      const double c = cutoff + 2400.0 * std::exp(-t / 0.12);
      lpL.Set(c, 1.1);
      lpR.Set(c, 1.1);
    }
    const double sa = a.Saw(), sb = b.Saw(), ss = sub.Square() * 0.3;
    const double fall = settle.Next();
    double env = t < 0.006 ? t / 0.006 : 0.72 + 0.28 * fall;
    env *= HoldEnvelope(t, e.length, 0.0, release) * e.velocity;
    l = float(lpL.Low(sa * 0.62 + sb * 0.38 + ss) * env);
    r = float(lpR.Low(sa * 0.38 + sb * 0.62 + ss) * env);
  });
}

void RenderArp(const Event& e, Stereo& out) {
  const double hz = NoteHz(e.pitch);
  Osc square, saw;
  square.SetFreq(hz);
  saw.SetFreq(hz * 1.002);
  Svf lp;
  const double peak = 700.0 + 6500.0 * e.tone * e.tone;
  // Alternate sixteenths lean a little left and right.
  const long step = std::lround(e.time / kStepSeconds);
  float gl, gr;
  PanGains(step % 2 ? 0.3 : -0.3, gl, gr);
  int counter = 0;
  Decay pluck(0.15);
  ForEachSample(e, e.length + 0.3, out, [&](double t, float& l, float& r) {
    if ((counter++ & 7) == 0) lp.Set(250.0 + peak * std::exp(-t / 0.07), 2.2);
    const double env = std::min(1.0, t / 0.002) * pluck.Next() *
                       HoldEnvelope(t, e.length, 0.0, 0.3);
    const float v = float(lp.Low(square.Square() * 0.6 + saw.Saw() * 0.4) * env * e.velocity);
    l = v * gl;
    r = v * gr;
  });
}

void RenderStab(const Event& e, Stereo& out) {
  SawStack stack(NoteHz(e.pitch), 7, 0.22, 0.6, EventSeed(kStab, e) + uint32_t(e.pitch));
  Svf lpL, lpR;
  const double base = 900.0 + 3000.0 * e.tone;
  int counter = 0;
  const double release = 0.25;
  Decay hit(0.12);
  ForEachSample(e, e.length + release, out, [&](double t, float& l, float& r) {
    if ((counter++ & 15) == 0) {
      const double c = base + 5000.0 * e.tone * std::exp(-t / 0.09);
      lpL.Set(c, 1.0);
      lpR.Set(c, 1.0);
    }
    float sl, sr;
    stack.Next(sl, sr);
    const double env = std::min(1.0, t / 0.003) * (0.35 + 0.65 * hit.Next()) *
                       HoldEnvelope(t, e.length, 0.0, release) * e.velocity;
    l = float(lpL.Low(sl) * env);
    r = float(lpR.Low(sr) * env);
  });
}

}  // namespace music
