// Frame pacing: the 60 Hz schedule that Flip keeps when the display's own
// retrace cannot pace the demo (a 75, 120 or 144 Hz monitor, or no control of
// the swap interval). Pure arithmetic on a monotonic time in seconds, so it can
// be tested without a display.
#pragma once

class FramePacer {
 public:
  explicit FramePacer(double period = 1.0 / 60.0) : period_(period) {}

  // The time the present that is about to happen should wait for, given the
  // time now. The first call anchors the schedule at now. A present that comes
  // more than one period late starts a new schedule from now instead of
  // rushing the frames that follow.
  double Deadline(double now) {
    if (!anchored_) {
      anchored_ = true;
      next_ = now;
    } else if (now > next_ + period_) {
      next_ = now;
    }
    double deadline = next_;
    next_ += period_;
    return deadline;
  }

  double Period() const { return period_; }

 private:
  double period_;
  double next_ = 0.0;
  bool anchored_ = false;
};

// Sleep until the monotonic clock reaches the deadline: a coarse sleep that
// stops short of it, then a spin for the last stretch.
void WaitUntil(double deadline);
// Seconds on the monotonic clock.
double MonotonicSeconds();
