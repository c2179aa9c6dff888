// The 60 Hz schedule Flip keeps when the display cannot pace the demo.
#include <gtest/gtest.h>

#include "draw/pacer.h"

namespace {

TEST(FramePacer, KeepsASixtyHertzScheduleFromTheFirstPresent) {
  FramePacer pacer(1.0 / 60.0);
  EXPECT_DOUBLE_EQ(pacer.Deadline(10.0), 10.0);
  // A fast frame waits for its slot; a slightly slow one does not push the schedule.
  EXPECT_DOUBLE_EQ(pacer.Deadline(10.001), 10.0 + 1.0 / 60.0);
  EXPECT_DOUBLE_EQ(pacer.Deadline(10.0 + 2.5 / 60.0), 10.0 + 2.0 / 60.0);
  EXPECT_DOUBLE_EQ(pacer.Deadline(10.0 + 2.6 / 60.0), 10.0 + 3.0 / 60.0);
}

TEST(FramePacer, PresentFarBehindStartsANewScheduleInsteadOfRushing) {
  FramePacer pacer(1.0 / 60.0);
  pacer.Deadline(0.0);
  double late = 0.5;  // a stall of half a second
  EXPECT_DOUBLE_EQ(pacer.Deadline(late), late);
  EXPECT_DOUBLE_EQ(pacer.Deadline(late + 0.001), late + 1.0 / 60.0);
}

TEST(FramePacer, WaitUntilReturnsAtOrJustAfterTheDeadline) {
  double start = MonotonicSeconds();
  double deadline = start + 0.005;
  WaitUntil(deadline);
  double now = MonotonicSeconds();
  EXPECT_GE(now, deadline);
  EXPECT_LT(now, deadline + 0.002);
  WaitUntil(now - 1.0);  // a deadline in the past returns at once
  EXPECT_LT(MonotonicSeconds() - now, 0.001);
}

}  // namespace
