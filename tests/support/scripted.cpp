// Scripted clock and Escape hits.
#include "support/scripted.h"

#include <algorithm>

ScriptedClock::ScriptedClock(std::vector<int> readings) : state_(std::make_shared<State>()) {
  state_->readings = std::move(readings);
  auto state = state_;
  SetClockSource([state] {
    if (state->next < int(state->readings.size())) return state->readings[size_t(state->next++)];
    ++state->overruns;
    return 1000000000;
  });
}

ScriptedClock::~ScriptedClock() { SetClockSource(nullptr); }

ScriptedEscape::ScriptedEscape(std::vector<long> hitFrames) : state_(std::make_shared<State>()) {
  state_->pending = std::move(hitFrames);
  auto state = state_;
  SetEscapeSource([state] {
    ++state->polls;
    long now = FlipCount();
    auto due = std::stable_partition(state->pending.begin(), state->pending.end(),
                                     [now](long frame) { return frame > now; });
    int hits = int(state->pending.end() - due);
    state->pending.erase(due, state->pending.end());
    return hits;
  });
}

ScriptedEscape::~ScriptedEscape() { SetEscapeSource(nullptr); }

std::vector<int> Readings(int startTime, const std::vector<int>& elapsed) {
  std::vector<int> out;
  out.reserve(elapsed.size());
  for (int e : elapsed) out.push_back(startTime + e);
  return out;
}
