// Mixdown of all parts and the master chain.
#include "mixer.h"

#include <algorithm>
#include <cmath>

#include "effects.h"
#include "instruments.h"

namespace music {
namespace {

struct Channel {
  float gain;    // fader
  float pan;     // -1 left .. 1 right
  float reverb;  // send to the reverb bus
  float duck;    // how deep the part dips under each kick, 0..1
};

// Kick, bass, boom and snare stay in the centre; only the lighter parts are
// placed off-centre, and none by much.
const Channel kChannels[kPartCount] = {
    /* kick   */ {0.32f, 0.00f, 0.00f, 0.00f},
    /* snare  */ {0.50f, 0.00f, 0.16f, 0.00f},
    /* clap   */ {0.55f, 0.00f, 0.20f, 0.00f},
    /* closed */ {0.36f, 0.18f, 0.04f, 0.00f},
    /* open   */ {0.22f, -0.14f, 0.08f, 0.20f},
    /* ride   */ {0.16f, -0.25f, 0.08f, 0.00f},
    /* crash  */ {0.32f, 0.00f, 0.12f, 0.00f},
    /* tom    */ {0.34f, 0.00f, 0.20f, 0.00f},
    /* boom   */ {0.35f, 0.00f, 0.00f, 0.00f},
    /* riser  */ {0.16f, 0.00f, 0.25f, 0.00f},
    /* bass   */ {0.38f, 0.00f, 0.00f, 0.65f},
    /* pad    */ {0.10f, 0.00f, 0.35f, 0.55f},
    /* lead   */ {0.25f, 0.00f, 0.22f, 0.15f},
    /* arp    */ {0.20f, 0.00f, 0.18f, 0.35f},
    /* stab   */ {0.13f, 0.00f, 0.22f, 0.30f},
};

// Level into the limiter: the loudest bars get about a decibel of limiting,
// so the quieter sections keep their distance from the loud ones.
constexpr double kMasterGain = 0.6;

// Gain under the kicks: drops within 3 ms of each kick and swells back over
// the next quarter of a second, which gives pads and bass their pulse.
std::vector<float> DuckCurve(const std::vector<Event>& kicks, size_t frames) {
  std::vector<float> shape(frames, 0.0f);
  const size_t attack = size_t(0.003 * kRate), hold = size_t(0.26 * kRate);
  for (const Event& k : kicks) {
    const size_t start = ToFrame(k.time);
    for (size_t i = 0; i < hold && start + i < frames; ++i) {
      const double down = std::min(1.0, double(i) / attack);
      const double up = 1.0 - double(i) / hold;
      const float v = float(down * up * up * std::min(1.0f, k.velocity));
      shape[start + i] = std::max(shape[start + i], v);
    }
  }
  return shape;
}

float FadeGain(double t) {
  if (t <= kFadeStart) return 1.0f;
  if (t >= kFadeEnd) return 0.0f;
  const double x = 1.0 - (t - kFadeStart) / (kFadeEnd - kFadeStart);
  return float(x * x);
}

}  // namespace

Stereo MixSong(const Score& score, MixReport& report) {
  const size_t frames = ToFrame(kSongSeconds);
  Stereo master(frames), track(frames), reverbIn(frames);
  std::vector<float> echoIn(frames, 0.0f);
  const std::vector<float> duck = DuckCurve(score.parts[kKick], frames);

  for (int p = 0; p < kPartCount; ++p) {
    const Part part = Part(p);
    const Channel& ch = kChannels[p];
    if (score.parts[p].empty()) continue;
    // Only the stretch from the first note to the end of the last one's
    // tail (no sound rings longer than kTail) needs clearing and mixing.
    constexpr double kTail = 4.0;
    double first = kSongSeconds, last = 0.0;
    for (const Event& e : score.parts[p]) {
      first = std::min(first, e.time);
      last = std::max(last, e.time + e.length + kTail);
    }
    const size_t begin = std::min(frames, ToFrame(first)), end = std::min(frames, ToFrame(last));
    std::fill(track.l.begin() + long(begin), track.l.begin() + long(end), 0.0f);
    std::fill(track.r.begin() + long(begin), track.r.begin() + long(end), 0.0f);
    for (const Event& e : score.parts[p]) RenderEvent(part, e, track);
    float gl, gr;
    PanGains(ch.pan, gl, gr);
    const float* tl = track.l.data();
    const float* tr = track.r.data();
    const float* dk = duck.data();
    float* ml = master.l.data();
    float* mr = master.r.data();
    float* vl = reverbIn.l.data();
    float* vr = reverbIn.r.data();
    float* ei = echoIn.data();
    // In blocks, so the echo send is looked up once per block.
    constexpr size_t kBlock = 256;
    for (size_t at = begin; at < end; at += kBlock) {
      const float echo = EchoSend(part, double(at) / kRate) * 0.5f;
      const size_t stop = std::min(end, at + kBlock);
      for (size_t i = at; i < stop; ++i) {
        const float g = ch.gain * (1.0f - ch.duck * dk[i]);
        const float l = tl[i] * g * gl, r = tr[i] * g * gr;
        ml[i] += l;
        mr[i] += r;
        vl[i] += l * ch.reverb;
        vr[i] += r * ch.reverb;
        ei[i] += (l + r) * echo;
      }
    }
  }

  // Echo first, so the repeats also get a little room.
  Echo echo(3.0 * kStepSeconds, 0.42, 3800.0);
  Reverb reverb(0.84, 0.32);
  for (size_t i = 0; i < frames; ++i) {
    float el, er, rl, rr;
    echo.Process(echoIn[i], el, er);
    const float wet = (reverbIn.l[i] + reverbIn.r[i]) * 0.5f + (el + er) * 0.15f;
    reverb.Process(wet, rl, rr);
    const float pump = 1.0f - 0.3f * duck[i];
    master.l[i] += (el + rl * 0.9f) * pump;
    master.r[i] += (er + rr * 0.9f) * pump;
  }

  // Rumble and DC out at the bottom; at the top, take away what the encoder
  // would cut anyway, so that its own cut doesn't make the peaks ring over.
  HighPass(master, 24.0);
  LowPass(master, 15500.0);
  for (size_t i = 0; i < frames; ++i) {
    master.l[i] = float(master.l[i] * kMasterGain);
    master.r[i] = float(master.r[i] * kMasterGain);
  }
  report.limiterDb = Limit(master, kCeiling, 0.003, 0.15);

  report.peak = 0.0;
  for (size_t i = 0; i < frames; ++i) {
    const float f = FadeGain(double(i) / kRate);
    master.l[i] *= f;
    master.r[i] *= f;
    report.peak = std::max<double>(report.peak, std::max(std::fabs(master.l[i]), std::fabs(master.r[i])));
  }
  return master;
}

}  // namespace music
