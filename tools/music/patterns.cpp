// Drum patterns, bass figures, chord voicings, arpeggios and melody phrases.
#include "patterns.h"

#include <cmath>

namespace music {

void Kicks(Builder& b, int bar, float vel, int until) {
  for (int s = 0; s < until; s += 4) b.Hit(kKick, bar + s * kStep, vel, 0.6f);
}

void Backbeat(Builder& b, Part part, int bar, float vel, int until) {
  for (int s = 4; s < until; s += 8) b.Hit(part, bar + s * kStep, vel);
}

void ClosedHats(Builder& b, int bar, bool sixteenths, float vel, int until) {
  static const float kAccent[4] = {0.5f, 0.32f, 1.0f, 0.38f};
  for (int s = 0; s < until; ++s) {
    if (!sixteenths && s % 4 != 2) continue;
    b.Hit(kClosedHat, bar + s * kStep, vel * kAccent[s % 4], s % 4 == 2 ? 0.7f : 0.3f);
  }
}

void OpenHats(Builder& b, int bar, float vel, int until) {
  for (int s = 2; s < until; s += 4) b.Hit(kOpenHat, bar + s * kStep, vel, 0.5f);
}

void Ride(Builder& b, int bar, float vel, int until) {
  for (int s = 0; s < until; s += 2) b.Hit(kRide, bar + s * kStep, vel * (s % 4 == 0 ? 1.0f : 0.7f));
}

void Roll(Builder& b, Part part, double from, double to, int perBar, float v0, float v1, float tone) {
  const int n = int(std::lround((to - from) * perBar));
  for (int k = 0; k < n; ++k) {
    const float x = n > 1 ? float(k) / float(n - 1) : 1.0f;
    b.Hit(part, from + double(k) / perBar, v0 + (v1 - v0) * x, tone);
  }
}

void TomFill(Builder& b, int bar, float vel) {
  static const int kSteps[6] = {8, 10, 11, 12, 13, 14};
  static const float kPitch[6] = {52, 50, 47, 45, 43, 40};
  for (int k = 0; k < 6; ++k) b.Hit(kTom, bar + kSteps[k] * kStep, vel * (0.8f + 0.04f * k), 0.5f, kPitch[k]);
  b.Hit(kSnare, bar + 14 * kStep, vel * 0.8f, 0.4f);
  b.Hit(kSnare, bar + 15 * kStep, vel, 0.5f);
}

void Riser(Builder& b, double from, double to, float vel) { b.Note(kRiser, from, to - from, 0.0f, vel, 0.5f); }

void Impact(Builder& b, int bar, float vel) {
  b.Hit(kBoom, bar, vel);
  b.Hit(kCrash, bar, vel);
}

// Chord root between A1 and G#2.
int BassRoot(int bar) { return 33 + (ChordAt(bar).root + 3) % 12; }

void Bass(Builder& b, int bar, BassStyle style, float tone, float vel, int until) {
  const int root = BassRoot(bar);
  switch (style) {
    case kBassOffbeat:
      for (int s = 2; s < until; s += 4) b.Note(kBass, bar + s * kStep, 1.7 * kStep, root, vel, tone);
      break;
    case kBassRolling:
      // Three sixteenths after every kick, the middle one an octave up.
      for (int s = 0; s < until; ++s)
        if (s % 4 != 0) b.Note(kBass, bar + s * kStep, 0.85 * kStep, root + (s % 4 == 2 ? 12 : 0), vel, tone);
      break;
    case kBassEighths:
      for (int s = 0; s < until; s += 2) b.Note(kBass, bar + s * kStep, 1.6 * kStep, root, vel * (s % 4 ? 0.8f : 1.0f), tone);
      break;
    case kBassHold:
      b.Note(kBass, bar, until * kStep, root, vel, tone);
      break;
  }
}

// Close triad around middle C with the root doubled above.
void Pad(Builder& b, int bar, double bars, float tone, float vel) {
  const Chord chord = ChordAt(bar);
  for (int note : ChordTones(chord, 55)) b.Note(kPad, bar, bars, float(note), vel, tone);
  b.Note(kPad, bar, bars, float(67 + (chord.root + 5) % 12), vel * 0.7f, tone);
}

// Sixteenths running up and down two octaves of the chord; the ten-step
// figure drifts against the bar, which keeps it from sounding looped.
void Arp(Builder& b, int bar, float tone, float vel, int until) {
  static const int kFigure[10] = {0, 1, 2, 3, 4, 5, 4, 3, 2, 1};
  const std::vector<int> t = ChordTones(ChordAt(bar), 64);
  const int notes[6] = {t[0], t[1], t[2], t[0] + 12, t[1] + 12, t[2] + 12};
  for (int s = 0; s < until; ++s) {
    const int note = notes[kFigure[(bar * 16 + s) % 10]];
    b.Note(kArp, bar + s * kStep, 0.9 * kStep, float(note), vel * (s % 4 == 0 ? 1.0f : 0.72f), tone);
  }
}

// Syncopated chord hits for the strobe and the lifted finale.
void Stabs(Builder& b, int bar, float tone, float vel) {
  static const int kRhythm[6] = {0, 3, 6, 8, 11, 14};
  const std::vector<int> t = ChordTones(ChordAt(bar), 60);
  for (int s : kRhythm)
    for (int note : {t[0], t[1], t[2], t[0] + 12}) b.Note(kStab, bar + s * kStep, 1.3 * kStep, float(note), vel, tone);
}

void Melody(Builder& b, Theme theme, int themeBar, int bar, int transpose, float vel, float tone,
            bool harmony) {
  for (const MelodyNote& n : ThemeBar(theme, themeBar)) {
    const int pitch = n.pitch + transpose;
    const double at = bar + n.step * kStep, len = (n.length - 0.15) * kStep;
    b.Note(kLead, at, len, float(pitch), vel, tone);
    if (harmony) b.Note(kLead, at, len, float(ScaleShift(pitch, -2, KeyAt(bar))), vel * 0.55f, tone * 0.8f);
  }
}

}  // namespace music
