// Chord chart, voicing helpers and the written-out themes.
#include "harmony.h"

#include <algorithm>

namespace music {
namespace {

// One chord per bar. Mostly i-VI-III-VII in A minor; the build-ups end on
// E major so that the drop resolves, and the finale lifts a tone to B minor.
const char* const kChart[] = {
    // 0-7: intro, vortex
    "Am", "F", "C", "G", "Am", "F", "C", "G",
    // 8-15: the groove settles in
    "Am", "F", "C", "G", "Am", "F", "C", "G",
    // 16-23: main beat, tune and answer
    "Am", "F", "C", "G", "Am", "F", "C", "G",
    // 24-27: build-up
    "F", "G", "Em", "E",
    // 28-29: strobe
    "Am", "F",
    // 30-37: layers pile up
    "Dm", "Am", "F", "G", "Dm", "Am", "F", "E",
    // 38-39: strobe again
    "Am", "F",
    // 40-49: second build
    "Am", "F", "C", "G", "Am", "F", "C", "G", "F", "E",
    // 50-55: finale
    "Am", "F", "C", "G", "F", "G",
    // 56-65: finale a tone higher
    "Bm", "G", "D", "A", "Bm", "G", "Bm", "G", "D", "A",
    // 66-68: last chord
    "Bm", "Bm", "Bm"};
constexpr int kChartBars = int(sizeof(kChart) / sizeof(kChart[0]));

Chord Parse(const char* name) {
  static const int kLetter[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  Chord chord;
  chord.root = kLetter[name[0] - 'A'];
  size_t i = 1;
  if (name[i] == '#') {
    chord.root = (chord.root + 1) % 12;
    ++i;
  }
  chord.minor = name[i] == 'm';
  return chord;
}

const int kMinorScale[7] = {0, 2, 3, 5, 7, 8, 10};

// Theme A, the main tune.
const std::vector<MelodyNote> kA[4] = {
    {{0, 3, 69}, {3, 3, 72}, {6, 4, 76}, {10, 2, 74}, {12, 2, 72}, {14, 2, 74}},
    {{0, 6, 69}, {6, 2, 72}, {8, 4, 77}, {12, 2, 76}, {14, 2, 74}},
    {{0, 3, 76}, {3, 3, 79}, {6, 2, 76}, {8, 4, 72}, {12, 2, 74}, {14, 2, 76}},
    {{0, 6, 74}, {6, 2, 71}, {8, 4, 67}, {12, 2, 71}, {14, 2, 74}},
};
// Theme B, the answer: climbs higher, then settles on the third of G.
const std::vector<MelodyNote> kB[4] = {
    {{0, 3, 76}, {3, 3, 81}, {6, 2, 79}, {8, 4, 76}, {12, 2, 72}, {14, 2, 74}},
    {{0, 3, 72}, {3, 3, 77}, {6, 2, 76}, {8, 4, 72}, {12, 4, 69}},
    {{0, 3, 67}, {3, 3, 72}, {6, 2, 76}, {8, 4, 79}, {12, 2, 77}, {14, 2, 76}},
    {{0, 3, 74}, {3, 3, 71}, {6, 2, 67}, {8, 8, 71}},
};
// Two bars over F and E that stop at the half bar for the break.
const std::vector<MelodyNote> kCounter[2] = {
    {{0, 6, 81}, {6, 2, 79}, {8, 4, 77}, {12, 4, 84}},
    {{0, 4, 83}, {4, 4, 80}},
};

}  // namespace

Chord ChordAt(int bar) {
  return Parse(kChart[std::clamp(bar, 0, kChartBars - 1)]);
}

std::vector<int> ChordTones(const Chord& chord, int low) {
  const int intervals[3] = {0, chord.minor ? 3 : 4, 7};
  std::vector<int> tones;
  for (int interval : intervals) {
    int pc = (chord.root + interval) % 12;
    int note = low + ((pc - low) % 12 + 12) % 12;
    tones.push_back(note);
  }
  std::sort(tones.begin(), tones.end());
  return tones;
}

int KeyAt(int bar) { return bar >= 56 ? 11 : 9; }

int ScaleShift(int pitch, int steps, int key) {
  const int rel = pitch - key;
  int octave = (rel >= 0 ? rel : rel - 11) / 12;
  const int pc = rel - octave * 12;
  int degree = 0;
  for (int d = 0; d < 7; ++d)
    if (kMinorScale[d] <= pc) degree = d;
  degree += steps;
  while (degree < 0) {
    degree += 7;
    --octave;
  }
  octave += degree / 7;
  degree %= 7;
  return key + octave * 12 + kMinorScale[degree];
}

const std::vector<MelodyNote>& ThemeBar(Theme theme, int bar) {
  switch (theme) {
    case kThemeA: return kA[bar & 3];
    case kThemeB: return kB[bar & 3];
    case kThemeCounter: break;
  }
  return kCounter[bar & 1];
}

}  // namespace music
