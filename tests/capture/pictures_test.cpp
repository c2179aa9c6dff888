// PNG output of demo-capture: frames and stills are 800 x 600 8-bit RGB,
// identical from run to run, and a still is the frame at or after its time.
#include <gtest/gtest.h>

#include <cstdio>

#include "run.h"
#include "support/headless.h"

namespace {

std::string FramePath(const std::string& dir, long k) {
  char name[32];
  std::snprintf(name, sizeof name, "/f%05ld.png", k);
  return dir + name;
}

std::string StillPath(const std::string& dir, long t) {
  char name[32];
  std::snprintf(name, sizeof name, "/t%06ld.png", t);
  return dir + name;
}

// The first frame k (from 1) whose time floor(k * 1000 / 60) is at or after t.
long FrameAt(long t) {
  long k = 1;
  while (k * 1000 / 60 < t) ++k;
  return k;
}

TEST(CapturePictures, TwoCapturesOfTheSameFramesAreIdentical) {
  const std::string a = TempPath("frames-a"), b = TempPath("frames-b");
  for (const std::string& dir : {a, b}) {
    Outcome run = Capture("--frames 28-31 --out '" + dir + "'");
    ASSERT_EQ(run.status, 0) << run.output;
  }
  for (long k = 28; k <= 31; ++k) {
    Picture first = ReadPicture(FramePath(a, k));
    ASSERT_EQ(first.width, 800) << "frame " << k;
    EXPECT_EQ(first.height, 600);
    EXPECT_EQ(first.bitDepth, 8);
    EXPECT_EQ(first.colorType, 2) << "8-bit RGB, no alpha";
    EXPECT_EQ(FileBytes(FramePath(a, k)), FileBytes(FramePath(b, k))) << "frame " << k;
  }
  EXPECT_TRUE(FileBytes(FramePath(a, 27)).empty()) << "nothing before the range";
  EXPECT_TRUE(FileBytes(FramePath(a, 32)).empty()) << "nothing after the range";
}

TEST(CapturePictures, StillIsTheFirstFrameAtOrAfterItsTime) {
  // Frame times: 16, 33, 50, ..., 483 (frame 29), 500 (frame 30), 516 (frame 31).
  const long times[] = {0, 16, 17, 499, 500, 501};
  const std::string stills = TempPath("stills"), frames = TempPath("frames");
  Outcome run = Capture("--stills 501,0,17,500,16,499 --out '" + stills + "'");
  ASSERT_EQ(run.status, 0) << run.output;
  run = Capture("--frames 1-31 --out '" + frames + "'");
  ASSERT_EQ(run.status, 0) << run.output;
  for (long t : times) {
    Picture still = ReadPicture(StillPath(stills, t));
    Picture frame = ReadPicture(FramePath(frames, FrameAt(t)));
    ASSERT_EQ(still.width, 800) << "still at " << t << " ms";
    EXPECT_TRUE(still.pixels == frame.pixels) << "still at " << t << " ms should be frame " << FrameAt(t);
  }
}

// Stills skip the frames before the ones asked for; in the scenes that draw
// over the last frame or read back the feedback texture, the frame shown comes
// out the same as when twenty more frames before it are drawn.
TEST(CapturePictures, FastForwardedStillsEqualFramesDrawnFromEarlier) {
  const long times[] = {36000, 64000, 85000, 110000};  // scenes 4, 7, 9 and 10
  const std::string stills = TempPath("late-stills");
  Outcome run = Capture("--stills 36000,64000,85000,110000 --out '" + stills + "'");
  ASSERT_EQ(run.status, 0) << run.output;
  for (long t : times) {
    const long k = FrameAt(t);
    const std::string frames = TempPath("late-frames-" + std::to_string(t));
    run = Capture("--frames " + std::to_string(k - 20) + "-" + std::to_string(k) + " --out '" + frames + "'");
    ASSERT_EQ(run.status, 0) << run.output;
    Picture still = ReadPicture(StillPath(stills, t));
    Picture frame = ReadPicture(FramePath(frames, k));
    ASSERT_EQ(still.width, 800) << t;
    EXPECT_TRUE(still.pixels == frame.pixels) << "still at " << t << " ms differs from frame " << k;
  }
}

}  // namespace
