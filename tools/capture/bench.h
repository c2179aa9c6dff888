// The whole-demo benchmark: every frame timed to a glFinish, grouped by scene,
// and the start-up split into its parts.
#pragma once

#include <cstdio>
#include <vector>

#include "driver.h"

class Bench {
 public:
  explicit Bench(double launched);
  // The scenes are about to start: finish what start-up queued and start timing.
  void Start();
  void SceneStarts(int scene);
  // The first Flip: the moment start-up ends for someone watching.
  void FirstFlip();
  // Frame k's work is over: wait for the GPU and take its time.
  void FrameDone(long k);
  // Print the per-scene table, the frame rate, the start-up split and the renderer.
  void Report(FILE* out, const CaptureResult& run) const;

 private:
  double launched_;
  double last_ = 0;
  double firstFlip_ = -1;   // seconds from launch to the first Flip
  double cpuAtStart_ = 0;   // process CPU seconds when the scenes started
  long sceneStart_[11] = {};  // Flips made before each scene (1 to 10) started; -1 when it did not
  std::vector<double> frameSeconds_;  // frame k at index k - 1
};
