// Running the demo headless on a virtual 60 Hz clock: the same Startup() and
// the same ten scenes as the demo, with every Flip one frame of 1/60 s and
// Escape never hit, so every run gives identical frames.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "draw/platform.h"

// The time of frame k, in milliseconds: what the clock reads once the k-th
// Flip has happened.
inline long FrameTime(long k) { return k * 1000 / 60; }
// The first frame whose time is at or after t.
inline long FirstFrameAtOrAfter(long t) { return t <= 0 ? 1 : (3 * t + 49) / 50; }
// The last frame whose time is at or before t.
inline long LastFrameAtOrBefore(long t) { return (3 * (t + 1) + 49) / 50 - 1; }
// Frames in the whole demo: the last scene ends at the first clock reading
// past 120000 ms, in the frame that holds this Flip.
constexpr long kDemoFrames = 7202;

struct CaptureHooks {
  std::function<void()> onStarted;                 // after Startup, before the first scene
  std::function<void(int)> onScene;                // scene number, just before it starts
  std::function<void(const FrameView&)> onFrame;   // each presented picture (set: one readback per Flip)
  std::function<void(long)> onFrameDone;           // frame k's work is over (next clock reading or the end)
  long stopAfter = -1;                             // end the run once this frame is done; -1 runs it all
  std::function<bool(long)> skip;                  // frames for which it is true run but are not drawn
};

// Frames drawn before each one asked for when fast-forwarding.
constexpr long kFastForwardMargin = 2;

// Skip every frame but those in [w - kFastForwardMargin, w] for a wanted w
// (wanted sorted ascending).
std::function<bool(long)> SkipAllBut(std::vector<long> wanted);

struct CaptureResult {
  bool started = false;      // Startup opened the display
  bool interrupted = false;  // the process was asked to end
  long frames = 0;           // Flips made
  double startupSeconds = 0; // Startup() alone
  std::string error;         // why the run failed, when it did
};

// Run start-up and the scenes with the hooks installed; a hook may throw
// std::runtime_error to end the run with that message.
CaptureResult RunCapture(const CaptureHooks& hooks);

// Seconds on a monotonic clock.
double Now();
