// Frame pacing: the 60 Hz schedule that Flip keeps. Every Flip has an ideal
// time, one period after the one before, from the first present on. A present
// that is early waits for its time; one that comes more than a period late
// makes the frames after it be skipped (drawn with no drawing, never shown)
// until the schedule is caught up, at most three in a row, so the scenes'
// per-frame steps keep pace with the music on a slow renderer.
//
// Pure arithmetic on a monotonic time in seconds, so it can be tested without
// a display.
#pragma once

class FramePacer {
 public:
  explicit FramePacer(double period = 1.0 / 60.0, double waitPeriod = 0.0)
      : period_(period), waitPeriod_(waitPeriod > 0 ? waitPeriod : period) {}

  static constexpr int kMaxSkips = 3;

  // A frame is about to be presented at `now`: the time to wait for before
  // presenting it (never later than its ideal time, and never a time already
  // past when the frame is on time).
  double WaitUntil(double now) {
    if (!anchored_) {
      anchored_ = true;
      ideal_ = now;
      waitFor_ = now;
    }
    return waitFor_ > now ? waitFor_ : now;
  }

  // The frame was presented at `now` (after any wait); returns how many of the
  // frames that follow are to be skipped. Call once per presented frame.
  int Presented(double now) {
    double late = now - ideal_;
    int behind = late > period_ ? int(late / period_) : 0;
    // Presents that a display paces at its own rate, a hair below 60 Hz, drift
    // behind the schedule by a fraction of a period a minute; that is not a
    // slow renderer, so the schedule follows the display instead of skipping.
    bool displayPaced = havePresent_ && interval_ > 0 && interval_ < period_ * 1.02;
    if (displayPaced && behind == 1) {
      ideal_ = now;
      behind = 0;
    }
    int skips = behind < kMaxSkips ? behind : kMaxSkips;
    if (behind > kMaxSkips) {
      ++saturated_;
    } else {
      saturated_ = 0;
    }
    double sinceLast = havePresent_ ? now - lastPresent_ : 0.0;
    if (havePresent_ && skippedSince_ == 0) interval_ = interval_ > 0 ? 0.9 * interval_ + 0.1 * sinceLast : sinceLast;
    havePresent_ = true;
    lastPresent_ = now;
    skippedSince_ = 0;
    Advance();
    waitFor_ = lastPresent_ + waitPeriod_ * (1 + skips);
    if (waitFor_ > ideal_ + period_ * skips) waitFor_ = ideal_ + period_ * skips;
    return skips;
  }

  // A frame was skipped: its Flip passes its place in the schedule.
  void Skipped() {
    ++skippedSince_;
    Advance();
  }

  // True once the renderer has stayed too slow to keep up even with three
  // skips per present for a while: the demo is falling behind its music.
  bool FallingBehind() const { return saturated_ >= 8; }

 private:
  void Advance() { ideal_ += period_; }

  double period_;
  double waitPeriod_;
  double ideal_ = 0.0;      // ideal time of the next Flip
  double waitFor_ = 0.0;    // earliest time to present the next shown frame
  double lastPresent_ = 0.0;
  double interval_ = 0.0;   // smoothed time between consecutive presents
  int skippedSince_ = 0;
  int saturated_ = 0;
  bool anchored_ = false;
  bool havePresent_ = false;
};

// Sleep until the monotonic clock reaches the deadline: a coarse sleep that
// stops short of it, then a spin for the last stretch.
void WaitUntil(double deadline);
// Seconds on the monotonic clock.
double MonotonicSeconds();
