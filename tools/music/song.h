// The piece as data: tempo and length, the instrument parts, and the score
// (every note and drum hit with its time) that the arrangement produces.
#pragma once

#include <vector>

namespace music {

// 960/7 beats per minute makes a four-beat bar exactly 1.75 s, so bar n
// starts at n * 1.75 s, which is where the picture changes.
constexpr double kBpm = 960.0 / 7.0;
constexpr double kBarSeconds = 240.0 / kBpm;
constexpr double kStepSeconds = kBarSeconds / 16.0;  // one sixteenth note

constexpr double kSongSeconds = 121.0;
constexpr double kFadeStart = 116.6;  // the picture fades to black from here
constexpr double kFadeEnd = 120.0;    // silent from here to the end of the file

inline double BarTime(double bar) { return bar * kBarSeconds; }

enum Part {
  kKick,
  kSnare,
  kClap,
  kClosedHat,
  kOpenHat,
  kRide,
  kCrash,
  kTom,
  kBoom,   // sub-bass impact on the big downbeats
  kRiser,  // filtered noise sweep leading into a bar
  kBass,
  kPad,
  kLead,
  kArp,
  kStab,
  kPartCount
};

struct Event {
  double time = 0.0;    // seconds from the start
  double length = 0.0;  // seconds the note is held (tonal parts, risers)
  float pitch = 0.0f;   // MIDI note number (tonal parts, toms)
  float velocity = 1.0f;
  float tone = 0.5f;  // 0 dark .. 1 bright; each instrument reads it its own way
};

struct Score {
  std::vector<Event> parts[kPartCount];
};

// Builds the whole arrangement, bar by bar.
Score Arrange();

// How much of a part goes to the echo bus at a given time: the lead gets a
// long echo in some sections and hardly any in others.
float EchoSend(Part part, double seconds);

}  // namespace music
