// Harmony and melody: the chord of every bar, how chords are voiced for each
// instrument, and the lead's themes written out note by note.
#pragma once

#include <vector>

namespace music {

struct Chord {
  int root = 9;  // pitch class, 0 = C
  bool minor = true;
};

// The chord that sounds in a bar (bars past the end hold the last chord).
Chord ChordAt(int bar);

// The chord's three tones placed in [low, low + 12), sorted upwards.
std::vector<int> ChordTones(const Chord& chord, int low);

// Pitch class of the key a bar is in: A minor, lifted to B minor for the
// last part of the finale.
int KeyAt(int bar);

// Moves a note by whole scale steps within the natural minor scale of
// key (notes outside the scale move from the scale note just below them).
int ScaleShift(int pitch, int steps, int key);

struct MelodyNote {
  int step;    // sixteenth within the bar
  int length;  // in sixteenths, may run past the bar
  int pitch;   // MIDI, written in A minor
};

enum Theme {
  kThemeA,       // the main tune, four bars over Am F C G
  kThemeB,       // its answer, four bars over the same chords
  kThemeCounter  // two bars over F E, closing the layered section
};

// One bar (0-based within the theme) of a theme.
const std::vector<MelodyNote>& ThemeBar(Theme theme, int bar);

}  // namespace music
