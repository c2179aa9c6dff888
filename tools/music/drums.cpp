// Drum and effect sounds, all made from sine sweeps and filtered noise.
#include <cmath>

#include "instruments.h"

namespace music {
namespace {

// Calls body(i, t) for every sample of a sound of the given length that
// fits inside the track, with a short fade at the tail so nothing clicks.
template <typename Body>
void ForEachSample(const Event& e, double seconds, Stereo& out, Body body) {
  const size_t start = ToFrame(e.time);
  const size_t n = size_t(seconds * kRate);
  const size_t fade = size_t(0.008 * kRate);
  for (size_t i = 0; i < n && start + i < out.Frames(); ++i) {
    const double t = double(i) / kRate;
    const float tail = (n - i) < fade ? float(n - i) / float(fade) : 1.0f;
    float l = 0.0f, r = 0.0f;
    body(t, l, r);
    out.l[start + i] += l * tail;
    out.r[start + i] += r * tail;
  }
}

// Six square waves at unrelated frequencies: the metallic part of cymbals
// and hats. Plain (not band-limited) squares are fine here: the aliasing
// they make is buried in the noise the metal is always mixed with.
class Metal {
 public:
  explicit Metal(double base) {
    static const double kRatios[6] = {1.0, 1.3421, 1.7313, 2.1527, 2.6093, 3.0467};
    for (int k = 0; k < 6; ++k) {
      inc_[k] = base * kRatios[k] / kRate;
      phase_[k] = 0.0;
    }
  }
  float Next() {
    float sum = 0.0f;
    for (int k = 0; k < 6; ++k) {
      phase_[k] += inc_[k];
      if (phase_[k] >= 1.0) phase_[k] -= 1.0;
      sum += phase_[k] < 0.5 ? 1.0f : -1.0f;
    }
    return sum * (1.0f / 6.0f);
  }

 private:
  double inc_[6], phase_[6];
};

}  // namespace

void RenderKick(const Event& e, Stereo& out) {
  Rng rng(EventSeed(kKick, e));
  OnePole clickLp;
  clickLp.Set(3500.0);
  const double decay = 0.10 + 0.16 * e.tone;
  double phase = 0.0;
  const double norm = 1.0 / std::tanh(1.7);
  Decay drop(0.032), snap(0.004), fall(decay), click(0.0025);
  ForEachSample(e, 0.12 + 3.0 * decay, out, [&](double t, float& l, float& r) {
    const double hz = 46.0 + 115.0 * drop.Next() + 240.0 * snap.Next();
    phase += hz / kRate;
    const double amp = t < 0.012 ? 1.0 : fall.Next();
    const double body = std::tanh(1.7 * std::sin(kTwoPi * phase) * amp) * norm;
    const double tick = clickLp.Low(rng.Bipolar()) * click.Next() * 0.6;
    l = r = float((body + tick) * e.velocity);
  });
}

void RenderSnare(const Event& e, Stereo& out) {
  Rng rng(EventSeed(kSnare, e));
  Svf hp, bp;
  hp.Set(1800.0, 0.7);
  bp.Set(4200.0, 1.2);
  const double noiseDecay = 0.03 + 0.08 * e.tone;
  double phase = 0.0;
  Decay drop(0.012), ring(0.045), hiss(noiseDecay);
  ForEachSample(e, 0.05 + 4.0 * noiseDecay, out, [&](double t, float& l, float& r) {
    const double hz = 178.0 + 90.0 * drop.Next();
    phase += hz / kRate;
    const double body = std::sin(kTwoPi * phase) * ring.Next();
    const double n = rng.Bipolar();
    // A short ramp on the noise keeps the crack from being a single spike.
    const double noise = (hp.High(n) * 0.7 + bp.Band(n) * 0.8) * hiss.Next() * std::min(1.0, t / 0.0008);
    l = r = float((body * 0.55 + noise * 0.75) * e.velocity);
  });
}

void RenderClap(const Event& e, Stereo& out) {
  Rng rng(EventSeed(kClap, e));
  Svf bp, hp;
  bp.Set(1250.0, 1.3);
  hp.Set(700.0, 0.7);
  ForEachSample(e, 0.35, out, [&](double t, float& l, float& r) {
    // Three quick bursts, then the tail of the room.
    double env = 0.0;
    for (int k = 0; k < 3; ++k) {
      const double start = 0.0105 * k;
      if (t >= start) env = std::max(env, std::exp(-(t - start) / 0.0035));
    }
    if (t >= 0.03) env = std::max(env, 0.85 * std::exp(-(t - 0.03) / 0.075));
    const double n = hp.High(rng.Bipolar());
    const float v = float(bp.Band(n) * 2.2 * env * e.velocity);
    l = v;
    r = v;
  });
}

void RenderHat(const Event& e, bool open, Stereo& out) {
  Rng rng(EventSeed(open ? kOpenHat : kClosedHat, e));
  Svf hp, bp;
  hp.Set(7600.0, 0.8);
  bp.Set(10500.0, 1.0);
  Metal metal(410.0);
  const double decay = open ? 0.12 + 0.1 * e.tone : 0.018 + 0.03 * e.tone;
  Decay env(decay);
  ForEachSample(e, 0.01 + 4.0 * decay, out, [&](double, float& l, float& r) {
    const double x = rng.Bipolar() * 0.8 + metal.Next() * 0.5;
    const double v = (hp.High(x) * 0.7 + bp.Band(x) * 0.6) * env.Next();
    l = r = float(v * e.velocity);
  });
}

void RenderRide(const Event& e, Stereo& out) {
  Rng rng(EventSeed(kRide, e));
  Svf hp, bp;
  hp.Set(5000.0, 0.7);
  bp.Set(8200.0, 0.9);
  Metal metal(520.0);
  Decay ring(0.35, 0.8), ping(0.02, 0.4);
  ForEachSample(e, 1.2, out, [&](double, float& l, float& r) {
    const double x = metal.Next() * 0.7 + rng.Bipolar() * 0.6;
    const double env = ring.Next() + ping.Next();
    const double v = (bp.Band(x) * 0.9 + hp.High(x) * 0.4) * env;
    l = r = float(v * e.velocity);
  });
}

void RenderCrash(const Event& e, Stereo& out) {
  // Separate noise on each side makes the crash wide without any phase
  // trick: the two sides are unrelated, so the mono sum loses nothing.
  Rng rngL(EventSeed(kCrash, e)), rngR(EventSeed(kCrash, e) ^ 0x5BD1E995u);
  Svf hpL, hpR;
  hpL.Set(3200.0, 0.7);
  hpR.Set(3200.0, 0.7);
  Metal metal(370.0);
  OnePole dullL, dullR;
  Decay top(1.2), body(0.75);
  int counter = 0;
  ForEachSample(e, 2.8, out, [&](double t, float& l, float& r) {
    // The top end dies away sooner than the body.
    const double bright = top.Next();
    if ((counter++ & 31) == 0) {
      dullL.Set(16000.0 * bright + 4000.0);
      dullR.Set(16000.0 * bright + 4000.0);
    }
    const double env = body.Next() * std::min(1.0, t / 0.002);
    const double m = metal.Next() * 0.45;
    l = float(dullL.Low(hpL.High(rngL.Bipolar() + m)) * env * e.velocity);
    r = float(dullR.Low(hpR.High(rngR.Bipolar() + m)) * env * e.velocity);
  });
}

void RenderTom(const Event& e, Stereo& out) {
  Rng rng(EventSeed(kTom, e));
  OnePole lp;
  lp.Set(2000.0);
  const double base = NoteHz(e.pitch);
  double phase = 0.0;
  Decay drop(0.04), ring(0.16), hit(0.02);
  ForEachSample(e, 0.55, out, [&](double, float& l, float& r) {
    phase += base * (1.0 + 0.55 * drop.Next()) / kRate;
    const double body = std::sin(kTwoPi * phase) * ring.Next();
    const double skin = lp.Low(rng.Bipolar()) * hit.Next() * 0.4;
    l = r = float((body + skin) * e.velocity);
  });
}

void RenderBoom(const Event& e, Stereo& out) {
  Rng rng(EventSeed(kBoom, e));
  OnePole lp;
  lp.Set(900.0);
  double phase = 0.0;
  Decay drop(0.09), ring(0.8), hit(0.06);
  ForEachSample(e, 3.2, out, [&](double t, float& l, float& r) {
    phase += (33.0 + 38.0 * drop.Next()) / kRate;
    const double body = std::sin(kTwoPi * phase) * ring.Next() * std::min(1.0, t / 0.004);
    const double thump = lp.Low(rng.Bipolar()) * hit.Next() * 0.8;
    l = r = float(std::tanh(1.3 * (body + thump)) * e.velocity);
  });
}

void RenderRiser(const Event& e, Stereo& out) {
  Rng rngL(EventSeed(kRiser, e)), rngR(EventSeed(kRiser, e) ^ 0x27D4EB2Fu);
  Svf bpL, bpR;
  const double length = e.length;
  int counter = 0;
  double phase = 0.0;
  ForEachSample(e, length, out, [&](double t, float& l, float& r) {
    const double p = t / length;
    if ((counter++ & 15) == 0) {
      const double hz = 280.0 * std::pow(36.0, p);  // about five octaves up
      bpL.Set(hz, 2.2);
      bpR.Set(hz * 1.06, 2.2);
    }
    // A faint rising whistle under the noise.
    phase += 180.0 * std::pow(8.0, p) / kRate;
    const double whistle = std::sin(kTwoPi * phase) * 0.12;
    const double amp = p * p * e.velocity;
    l = float((bpL.Band(rngL.Bipolar()) * 1.4 + whistle) * amp);
    r = float((bpR.Band(rngR.Bipolar()) * 1.4 + whistle) * amp);
  });
}

void RenderEvent(Part part, const Event& e, Stereo& out) {
  switch (part) {
    case kKick: RenderKick(e, out); break;
    case kSnare: RenderSnare(e, out); break;
    case kClap: RenderClap(e, out); break;
    case kClosedHat: RenderHat(e, false, out); break;
    case kOpenHat: RenderHat(e, true, out); break;
    case kRide: RenderRide(e, out); break;
    case kCrash: RenderCrash(e, out); break;
    case kTom: RenderTom(e, out); break;
    case kBoom: RenderBoom(e, out); break;
    case kRiser: RenderRiser(e, out); break;
    case kBass: RenderBass(e, out); break;
    case kPad: RenderPad(e, out); break;
    case kLead: RenderLead(e, out); break;
    case kArp: RenderArp(e, out); break;
    case kStab: RenderStab(e, out); break;
    case kPartCount: break;
  }
}

}  // namespace music
