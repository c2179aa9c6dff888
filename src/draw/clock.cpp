// Time: the millisecond clock the scenes read (the system's, or one that a
// test or the capture tool installs) and the monotonic waits of the pacer.
#include <time.h>

#include <functional>

#include "draw/draw.h"
#include "draw/pacer.h"
#include "draw/platform.h"

namespace {

std::function<int()> clockSource;

}  // namespace

void SetClockSource(std::function<int()> clock) { clockSource = std::move(clock); }

int Millisecs() {
  if (clockSource) return clockSource();
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  unsigned long long ms = (unsigned long long)now.tv_sec * 1000ull + (unsigned long long)now.tv_nsec / 1000000ull;
  return int((unsigned)ms);  // wraps like a 32-bit counter
}

double MonotonicSeconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

void WaitUntil(double deadline) {
  // The kernel's sleep can overshoot by a millisecond or more, so it is only
  // trusted up to 1 ms before the deadline; the rest is a spin.
  for (;;) {
    double left = deadline - MonotonicSeconds();
    if (left <= 0) return;
    if (left > 0.001) {
      double sleep = left - 0.001;
      timespec ts{time_t(sleep), long((sleep - double(time_t(sleep))) * 1e9)};
      nanosleep(&ts, nullptr);
    }
  }
}
