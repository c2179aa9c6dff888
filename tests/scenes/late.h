// Helpers for the tests of scenes 6 to 10: a fixture that starts every test
// from the state start-up leaves, solid fixture pictures, a recorder of the
// presented pictures, and measures of what the screen effects leave behind.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/headless.h"

// One presented picture, rows top to bottom, RGB.
struct Picture {
  std::vector<unsigned char> rgb;
  Rgb At(int x, int y) const;
};

// Starts on a fresh scene record (startTime 0, so clock readings are elapsed
// milliseconds), new feedback textures, mid-handled loading and the drawing
// state start-up leaves: blend mode 3, clear colour 1, 1, 10.
class LateSceneTest : public DisplayTest {
 protected:
  void SetUp() override;
};


// Keeps the pictures presented by the Flips it is told to keep, counted from 1
// for the first Flip after it was made, and calls a hook at every Flip (after
// the picture is taken) with that count.
class Recorder {
 public:
  explicit Recorder(std::vector<long> keep, std::function<void(long)> onFlip = nullptr);
  ~Recorder();
  const Picture& operator[](long flip) const;
  long flips() const;

 private:
  struct State {
    long base = 0;
    long last = 0;
    std::vector<long> keep;
    std::function<void(long)> onFlip;
    std::map<long, Picture> kept;
  };
  std::shared_ptr<State> state_;
};

// Elapsed readings: count frames at each time, in order.
std::vector<int> Frames(const std::vector<std::pair<int, int>>& runs);

// Pixels, among columns [x0, x1) of the whole height, whose largest channel
// difference from the pixel shift rows further down exceeds 8.
int RowShiftMismatch(const Picture& p, int shift, int x0, int x1);
// The same against the pixel mirrored about the horizontal centre line, over the top half.
int MirrorMismatch(const Picture& p, int x0, int x1);
// Smallest value of one channel (0 red, 1 green, 2 blue) over a rectangle.
int MinChannel(const Picture& p, int channel, int x0, int y0, int x1, int y1);
