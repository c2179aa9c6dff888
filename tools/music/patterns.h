// Building blocks of the arrangement: a score builder that takes positions
// in bars, and the drum patterns, bass lines, chords, arpeggios and melody
// phrases that the sections are made of.
#pragma once

#include "harmony.h"
#include "song.h"

namespace music {

constexpr double kStep = 1.0 / 16.0;  // a sixteenth, in bars

// Adds events to a score; positions and lengths are in bars.
class Builder {
 public:
  explicit Builder(Score& score) : score_(score) {}
  void Hit(Part part, double bar, float velocity, float tone = 0.5f, float pitch = 0.0f) {
    Note(part, bar, 0.0, pitch, velocity, tone);
  }
  void Note(Part part, double bar, double bars, float pitch, float velocity, float tone) {
    Event e;
    e.time = BarTime(bar);
    e.length = bars * kBarSeconds;
    e.pitch = pitch;
    e.velocity = velocity;
    e.tone = tone;
    score_.parts[part].push_back(e);
  }

 private:
  Score& score_;
};

// Drum patterns for one bar; `until` is the sixteenth where the pattern stops.
void Kicks(Builder& b, int bar, float vel, int until = 16);
void Backbeat(Builder& b, Part part, int bar, float vel, int until = 16);  // beats 2 and 4
void ClosedHats(Builder& b, int bar, bool sixteenths, float vel, int until = 16);
void OpenHats(Builder& b, int bar, float vel, int until = 16);  // on the off-beats
void Ride(Builder& b, int bar, float vel, int until = 16);

// Evenly spaced hits from `from` to `to` (in bars), velocity ramping.
void Roll(Builder& b, Part part, double from, double to, int perBar, float v0, float v1, float tone);
// Toms falling down the second half of a bar, with snares on the last two sixteenths.
void TomFill(Builder& b, int bar, float vel);
void Riser(Builder& b, double from, double to, float vel);
// Sub boom and crash together, for the big downbeats.
void Impact(Builder& b, int bar, float vel);

enum BassStyle { kBassOffbeat, kBassRolling, kBassEighths, kBassHold };

// The bar's chord root in one of the bass figures.
void Bass(Builder& b, int bar, BassStyle style, float tone, float vel = 1.0f, int until = 16);
// The bar's chord held for `bars` bars.
void Pad(Builder& b, int bar, double bars, float tone, float vel);
// Sixteenths over the bar's chord.
void Arp(Builder& b, int bar, float tone, float vel, int until = 16);
// Syncopated chord hits.
void Stabs(Builder& b, int bar, float tone, float vel);
// One bar of a theme on the lead, moved by `transpose` semitones; with
// `harmony` a quieter voice follows a third below in the key of the bar.
void Melody(Builder& b, Theme theme, int themeBar, int bar, int transpose, float vel, float tone,
            bool harmony = false);

}  // namespace music
