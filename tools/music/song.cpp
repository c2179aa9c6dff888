// The arrangement: which parts play in which bars, and how. Every change of
// the picture falls on a bar line (or, once, a half bar), and the music
// changes there too: a section starts, a layer enters or leaves, a fill or
// a break leads in.
#include "song.h"

#include "patterns.h"

namespace music {
namespace {

// 0-7 s: white flash, then the bobbing mascot. Pads and a soft arpeggio.
void Intro(Builder& b) {
  Impact(b, 0, 0.7f);
  for (int bar = 0; bar < 4; ++bar) {
    Pad(b, bar, 1.0, 0.22f + 0.07f * bar, 0.8f);
    Arp(b, bar, 0.18f + 0.06f * bar, 0.6f);
  }
  Riser(b, 3, 4, 0.5f);
}

// 7-14 s: the vortex. Kick and bass come in; from 12 s the spin speeds up
// under a riser and a snare roll.
void Vortex(Builder& b) {
  for (int bar = 4; bar < 8; ++bar) {
    const int until = bar == 7 ? 8 : 16;
    Pad(b, bar, 1.0, 0.42f, 0.8f);
    Arp(b, bar, 0.3f + 0.05f * (bar - 4), 0.7f);
    Kicks(b, bar, 0.7f, until);
    Bass(b, bar, kBassOffbeat, 0.25f, 0.85f, until);
    if (bar >= 6) ClosedHats(b, bar, false, 0.7f, until);
  }
  Riser(b, 12.0 / kBarSeconds, 8, 0.8f);
  Roll(b, kSnare, 7.5, 8, 16, 0.2f, 0.7f, 0.3f);
}

// 14-28 s: the groove settles; the dancer at bar 12 brings claps, open hats
// and the arpeggio.
void Groove(Builder& b) {
  Impact(b, 8, 0.6f);
  for (int bar = 8; bar < 16; ++bar) {
    const bool dancer = bar >= 12;
    const int until = bar == 15 ? 8 : 16;
    Kicks(b, bar, 0.9f, until);
    Bass(b, bar, kBassRolling, dancer ? 0.5f : 0.4f, 0.9f, until);
    Pad(b, bar, 1.0, 0.5f, 0.75f);
    ClosedHats(b, bar, true, 0.7f, until);
    if (dancer) {
      OpenHats(b, bar, 0.8f, until);
      Backbeat(b, kClap, bar, 0.85f, until);
      Arp(b, bar, 0.45f, 0.75f);
    }
  }
  TomFill(b, 15, 0.9f);
}

// 28-42 s: the main beat with the tune; the echo at bar 20 brings the answer
// phrase with long repeats, the pads and the arpeggio back in.
void MainBeat(Builder& b) {
  Impact(b, 16, 0.8f);
  b.Hit(kCrash, 20, 0.8f);
  for (int bar = 16; bar < 24; ++bar) {
    const bool echo = bar >= 20;
    Kicks(b, bar, 1.0f);
    Backbeat(b, kSnare, bar, 0.9f);
    Backbeat(b, kClap, bar, 0.6f);
    ClosedHats(b, bar, true, 0.85f);
    OpenHats(b, bar, 0.85f);
    Bass(b, bar, kBassRolling, 0.6f);
    Melody(b, echo ? kThemeB : kThemeA, bar % 4, bar, 0, 0.9f, 0.55f);
    if (echo) {
      Pad(b, bar, 1.0, 0.55f, 0.85f);
      Arp(b, bar, 0.55f, 0.8f);
      Ride(b, bar, 0.8f);
    }
  }
}

// 42-49 s: the tiles split 2x2, 3x3, 4x4 on bars 25, 26, 27: the snare
// doubles its speed on each, the kick and bass come back, the filters open.
void BuildUp(Builder& b) {
  for (int bar = 24; bar < 28; ++bar) {
    const int k = bar - 24;
    Pad(b, bar, 1.0, 0.3f + 0.22f * k, 0.85f);
    Arp(b, bar, 0.3f + 0.2f * k, 0.75f, bar == 27 ? 12 : 16);
  }
  Roll(b, kSnare, 24, 25, 4, 0.3f, 0.35f, 0.5f);
  Roll(b, kSnare, 25, 26, 8, 0.4f, 0.5f, 0.4f);
  Roll(b, kSnare, 26, 27, 16, 0.5f, 0.62f, 0.3f);
  Roll(b, kSnare, 27, 27.75, 16, 0.65f, 0.8f, 0.25f);
  Roll(b, kSnare, 27.75, 28, 32, 0.6f, 0.9f, 0.15f);
  ClosedHats(b, 25, false, 0.7f);
  Kicks(b, 25, 0.6f);
  Kicks(b, 26, 0.7f);
  Kicks(b, 27, 1.0f, 12);
  Bass(b, 26, kBassEighths, 0.3f, 0.7f);
  Bass(b, 27, kBassRolling, 0.6f, 1.0f, 12);
  ClosedHats(b, 26, false, 0.8f);
  ClosedHats(b, 27, true, 0.8f, 12);
  OpenHats(b, 27, 0.8f, 12);
  Riser(b, 25, 28, 0.9f);
}

// The strobe: two short, loud bars (28-29 and again 38-39).
void Strobe(Builder& b, int first) {
  Impact(b, first, 1.0f);
  for (int bar = first; bar < first + 2; ++bar) {
    Kicks(b, bar, 1.0f);
    Backbeat(b, kSnare, bar, 1.0f);
    Backbeat(b, kClap, bar, 0.85f);
    ClosedHats(b, bar, true, 1.0f);
    OpenHats(b, bar, 1.0f);
    Bass(b, bar, kBassRolling, 0.85f);
    Stabs(b, bar, 0.8f, 0.9f);
    Pad(b, bar, 1.0, 0.7f, 0.8f);
    Arp(b, bar, 0.7f, 0.8f);
    Melody(b, kThemeA, bar - first, bar, 0, 1.0f, 0.8f);
  }
}

// 52.5-65.7 s: trains and kaleidoscopes. Pads and arpeggio alone, then the
// kick (bar 32), bass (33), hats and claps (34), the lead and snare (36),
// and at bar 37.5 everything stops for a tom fill.
void Layers(Builder& b) {
  for (int bar = 30; bar < 38; ++bar) {
    const bool last = bar == 37;
    const int until = last ? 8 : 16;
    // Pads and arpeggio sit back until the beat is complete at bar 34.
    const float backing = bar >= 34 ? 0.85f : 0.65f;
    Pad(b, bar, last ? 0.5 : 1.0, 0.35f + 0.04f * (bar - 30), backing);
    Arp(b, bar, 0.5f, backing, until);
    if (bar >= 32) Kicks(b, bar, bar >= 34 ? 1.0f : 0.6f, until);
    if (bar >= 33) Bass(b, bar, bar >= 36 ? kBassRolling : kBassOffbeat, 0.5f, bar >= 34 ? 0.9f : 0.8f, until);
    if (bar >= 34) {
      ClosedHats(b, bar, true, 0.7f, until);
      OpenHats(b, bar, 0.7f, until);
      Backbeat(b, kClap, bar, 0.7f, until);
    }
    if (bar >= 36) {
      Melody(b, kThemeCounter, bar - 36, bar, 0, 1.0f, 0.6f);
      Backbeat(b, kSnare, bar, 0.8f, until);
      Ride(b, bar, 0.8f, until);
    }
  }
  Impact(b, 36, 0.6f);
  TomFill(b, 37, 0.95f);
  Riser(b, 37.5, 38, 0.6f);
}

// 70-87.6 s: the second twister; layers join every two bars (42 bass and
// arpeggio, 44 claps and the answer phrase, 46 snare roll and ride), then
// at 48 the beat drops out and a long lead note rides the roll and riser
// into the finale.
void SecondBuild(Builder& b) {
  for (int bar = 40; bar < 50; ++bar) {
    const int k = bar - 40;
    Pad(b, bar, 1.0, 0.3f + 0.05f * k, 0.85f);
    if (bar < 48) {
      // The kick grows with each new layer.
      Kicks(b, bar, bar >= 46 ? 1.0f : bar >= 44 ? 0.75f : bar >= 42 ? 0.6f : 0.45f);
      ClosedHats(b, bar, bar >= 42, 0.8f);
    }
    if (bar >= 42) Arp(b, bar, 0.35f + 0.04f * k, 0.8f);
    if (bar >= 42 && bar < 48)
      Bass(b, bar, bar >= 46 ? kBassRolling : kBassOffbeat, 0.35f + 0.05f * k, bar >= 46 ? 1.0f : 0.8f);
    if (bar >= 44 && bar < 48) {
      Backbeat(b, kClap, bar, 0.85f);
      OpenHats(b, bar, 0.85f);
      Melody(b, kThemeB, bar - 44, bar, 0, 0.85f, 0.35f);
    }
    if (bar >= 46 && bar < 48) Ride(b, bar, 0.9f);
  }
  b.Hit(kCrash, 44, 0.6f);
  b.Hit(kCrash, 48, 0.7f);
  Roll(b, kSnare, 46, 48, 8, 0.4f, 0.6f, 0.4f);
  Roll(b, kSnare, 48, 49, 8, 0.4f, 0.55f, 0.3f);
  Roll(b, kSnare, 49, 50, 16, 0.45f, 0.95f, 0.25f);
  b.Note(kLead, 48, 0.95, 81, 0.8f, 0.5f);
  b.Note(kLead, 49, 0.45, 80, 0.85f, 0.6f);
  b.Note(kLead, 49.5, 0.45, 83, 0.9f, 0.7f);
  Riser(b, 46, 50, 1.0f);
}

// Full band for the finale; the lifted half adds stabs and ride and opens
// up the hats, bass and pads.
void FullBand(Builder& b, int bar, int until, bool lifted) {
  const float lift = lifted ? 1.0f : 0.0f;
  Kicks(b, bar, 1.0f, until);
  Backbeat(b, kSnare, bar, 1.0f, until);
  Backbeat(b, kClap, bar, 0.8f, until);
  ClosedHats(b, bar, true, 0.75f + 0.25f * lift, until);
  OpenHats(b, bar, 0.75f + 0.25f * lift, until);
  Bass(b, bar, kBassRolling, 0.7f + 0.25f * lift, 1.0f, until);
  Pad(b, bar, 1.0, 0.7f + 0.1f * lift, 0.8f + 0.1f * lift);
  Arp(b, bar, 0.7f, 0.8f);
  if (lifted) {
    Ride(b, bar, 0.9f, until);
    Stabs(b, bar, 0.7f, 1.0f);
  }
}

// 87.6-120 s: the finale under the credits. The tune returns (bar 50), a
// tone higher with a harmony line (56); a breakdown (62) builds again and
// the last chord lands on bar 66, ringing into the fade.
void Finale(Builder& b) {
  Impact(b, 50, 1.0f);
  static const int kThemeBars[6] = {0, 1, 2, 3, 1, 3};
  for (int bar = 50; bar < 56; ++bar) {
    FullBand(b, bar, bar == 55 ? 8 : 16, false);
    Melody(b, kThemeA, kThemeBars[bar - 50], bar, 0, 0.9f, 0.7f);
  }
  TomFill(b, 55, 1.0f);

  Impact(b, 56, 1.0f);
  for (int bar = 56; bar < 62; ++bar) {
    FullBand(b, bar, 16, true);
    const Theme theme = bar < 60 ? kThemeA : kThemeB;
    Melody(b, theme, (bar - 56) % 4, bar, 2, 1.0f, 0.85f, true);
    Melody(b, theme, (bar - 56) % 4, bar, 14, 0.35f, 0.6f);  // a soft octave above
  }

  b.Hit(kCrash, 62, 0.7f);
  for (int bar = 62; bar < 66; ++bar) {
    Pad(b, bar, 1.0, 0.6f, 0.9f);
    Arp(b, bar, 0.55f, 0.8f, bar == 65 ? 12 : 16);
    Melody(b, kThemeB, bar - 62, bar, 2, 0.9f, 0.6f);
    if (bar >= 64) {
      Kicks(b, bar, 0.95f, bar == 65 ? 12 : 16);
      Bass(b, bar, kBassOffbeat, 0.5f, 1.0f, bar == 65 ? 12 : 16);
      ClosedHats(b, bar, false, 0.8f, bar == 65 ? 12 : 16);
    }
  }
  Roll(b, kSnare, 64, 65, 8, 0.3f, 0.5f, 0.4f);
  Roll(b, kSnare, 65, 65.75, 16, 0.5f, 0.85f, 0.25f);
  Riser(b, 64, 66, 0.9f);

  // The last chord: B minor held into the fade, the lead on the root.
  Impact(b, 66, 0.8f);
  Pad(b, 66, 3.0, 0.65f, 1.0f);
  for (int note : ChordTones(ChordAt(66), 60)) b.Note(kStab, 66, 0.4, float(note), 0.9f, 0.8f);
  b.Note(kLead, 66, 2.5, 83, 0.9f, 0.6f);
  b.Note(kLead, 66, 2.5, 78, 0.5f, 0.5f);
  for (int bar = 66; bar < 69; ++bar) Arp(b, bar, 0.5f - 0.1f * (bar - 66), 0.7f - 0.15f * (bar - 66));
}

}  // namespace

Score Arrange() {
  Score score;
  Builder b(score);
  Intro(b);
  Vortex(b);
  Groove(b);
  MainBeat(b);
  BuildUp(b);
  Strobe(b, 28);
  Layers(b);
  Strobe(b, 38);
  SecondBuild(b);
  Finale(b);
  return score;
}

float EchoSend(Part part, double seconds) {
  const double bar = seconds / kBarSeconds;
  switch (part) {
    case kLead:
      if ((bar >= 20 && bar < 24) || (bar >= 44 && bar < 50) || bar >= 62) return 0.45f;
      return 0.12f;
    case kArp:
      return 0.25f;
    case kStab:
      return 0.12f;
    default:
      return 0.0f;
  }
}

}  // namespace music
