// Test support: the headless display, opened once per test process, and
// pixel reads of the target in screen coordinates (origin top-left).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/draw.h"
#include "draw/platform.h"

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
  bool operator!=(const Rgb& o) const { return !(*this == o); }
};
std::ostream& operator<<(std::ostream& os, const Rgb& c);

// Open the 800 x 600 headless display if it is not open yet (fails the test
// when it cannot be opened).
void OpenHeadlessDisplay();

// A fixture whose tests start on an open display with the drawing state at its
// start values, no clock, Escape or frame sink installed, and a black target.
class DisplayTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

// The pixel at (x, y), counted from the top-left corner of the target.
Rgb PixelAt(int x, int y);
// The whole target, rows top to bottom.
std::vector<unsigned char> Snapshot();
// Number of pixels of the target within the rectangle that differ from c.
int CountNot(const Rgb& c, int x0, int y0, int x1, int y1);

// A small picture written by a test, in a temporary directory that is removed
// when the test process ends.
std::string TempPath(const std::string& name);
// A picture made by a test, written as a PNG and loaded as the demo loads its
// own, with its handle at its centre.
TImage* FixturePicture(const std::string& name, int width, int height, const std::vector<unsigned char>& rgba);
// The same, of one opaque colour.
TImage* SolidPicture(const std::string& name, int width, int height, const Rgb& colour);

void WritePng(const std::string& path, int width, int height, int channels, const std::vector<unsigned char>& pixels);
void WriteJpeg(const std::string& path, int width, int height, const std::vector<unsigned char>& rgb, int quality = 100);
