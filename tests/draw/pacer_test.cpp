// The 60 Hz schedule Flip keeps: waiting for early frames, skipping after late
// ones, and telling when the renderer cannot keep up at all.
#include <gtest/gtest.h>

#include "draw/pacer.h"

namespace {

constexpr double P = 1.0 / 60.0;

TEST(FramePacer, EarlyFramesWaitForTheirSlot) {
  FramePacer pacer(P);
  EXPECT_DOUBLE_EQ(pacer.WaitUntil(10.0), 10.0);
  EXPECT_EQ(pacer.Presented(10.0), 0);
  EXPECT_DOUBLE_EQ(pacer.WaitUntil(10.002), 10.0 + P);
  EXPECT_EQ(pacer.Presented(10.0 + P), 0);
  // A frame a little late is shown at once and keeps the schedule.
  EXPECT_DOUBLE_EQ(pacer.WaitUntil(10.0 + 2.5 * P), 10.0 + 2.5 * P);
  EXPECT_EQ(pacer.Presented(10.0 + 2.5 * P), 0);
  EXPECT_DOUBLE_EQ(pacer.WaitUntil(10.0 + 2.6 * P), 10.0 + 3 * P);
}

TEST(FramePacer, LateFramesAreFollowedBySkipsUntilTheScheduleIsCaughtUp) {
  const struct {
    double late;  // in periods
    int skips;
  } cases[] = {{0.5, 0}, {1.0, 0}, {1.5, 1}, {2.2, 2}, {3.9, 3}, {12.0, 3}};
  for (const auto& c : cases) {
    FramePacer pacer(P);
    pacer.Presented(0.0);
    EXPECT_EQ(pacer.Presented(P + c.late * P), c.skips) << c.late;
  }
}

TEST(FramePacer, SlowRendererKeepsTheFlipCountOnScheduleWhileShowingFewerFrames) {
  // Every shown frame costs 40 ms; skipped ones cost nothing.
  FramePacer pacer(P);
  double now = 0.0;
  long flips = 0, shown = 0;
  while (now < 10.0) {
    now = std::max(now, pacer.WaitUntil(now));
    int skips = pacer.Presented(now);
    ++flips;
    ++shown;
    now += 0.040;
    for (int i = 0; i < skips; ++i, ++flips) pacer.Skipped();
  }
  EXPECT_NEAR(double(flips), now / P, 3.0) << "the per-frame steps follow the 60 Hz schedule (" << shown << " shown)";
  EXPECT_NEAR(double(shown) / double(flips), 1.0 / 2.4, 0.05);
  EXPECT_FALSE(pacer.FallingBehind());
}

TEST(FramePacer, RendererTooSlowEvenForThreeSkipsFallsBehind) {
  FramePacer pacer(P);
  double now = 0.0;
  for (int i = 0; i < 20; ++i) {
    int skips = pacer.Presented(now);
    for (int s = 0; s < skips; ++s) pacer.Skipped();
    now += 0.100;  // four frames' worth is only 67 ms
  }
  EXPECT_TRUE(pacer.FallingBehind());
}

TEST(FramePacer, DisplayRunningJustBelowSixtyHertzIsFollowedWithoutSkips) {
  FramePacer pacer(P);
  const double refresh = 1.0 / 59.94;
  int skips = 0;
  for (int i = 0; i < 60 * 60; ++i) skips += pacer.Presented(i * refresh);
  EXPECT_EQ(skips, 0);
}

TEST(WaitUntil, ReturnsAtOrJustAfterTheDeadline) {
  double start = MonotonicSeconds();
  double deadline = start + 0.005;
  WaitUntil(deadline);
  double now = MonotonicSeconds();
  EXPECT_GE(now, deadline);
  WaitUntil(now - 1.0);  // a deadline in the past returns without sleeping a second
  EXPECT_LT(MonotonicSeconds() - now, 0.5);
}

}  // namespace
