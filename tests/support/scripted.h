// Scripted services for tests: a millisecond clock that returns given readings
// one per call, and Escape hits pressed during given frames.
#pragma once

#include <memory>
#include <vector>

#include "draw/platform.h"

// Installs a clock that returns the readings in order, one per call. Once they
// are used up it returns a reading far past the end of the demo, so a scene
// that outlives its script ends instead of hanging; overruns() tells.
class ScriptedClock {
 public:
  explicit ScriptedClock(std::vector<int> readings);
  ~ScriptedClock();
  int calls() const { return state_->next; }
  int overruns() const { return state_->overruns; }

 private:
  struct State {
    std::vector<int> readings;
    int next = 0;
    int overruns = 0;
  };
  std::shared_ptr<State> state_;
};

// Installs an Escape source: each entry is a frame number (FlipCount() while
// that frame is drawn, 1 for the first); a hit pressed in frame k is reported
// by the first poll made while FlipCount() >= k.
class ScriptedEscape {
 public:
  explicit ScriptedEscape(std::vector<long> hitFrames);
  ~ScriptedEscape();
  int polls() const { return state_->polls; }

 private:
  struct State {
    std::vector<long> pending;
    int polls = 0;
  };
  std::shared_ptr<State> state_;
};

// Readings for frames at the given elapsed milliseconds, after a start-up
// reading of startTime (the clock value the scenes measure from).
std::vector<int> Readings(int startTime, const std::vector<int>& elapsed);
