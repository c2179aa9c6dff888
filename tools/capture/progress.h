// A one-line progress bar on stderr for long runs: frames done, frames per
// second and the time left. Silent when stderr is not a terminal.
#pragma once

class Progress {
 public:
  explicit Progress(long total);
  // Redraw for this many frames done, at most a few times a second.
  void Update(long done);
  // Draw the final state and end the line.
  void Finish(long done);

 private:
  void Draw(long done, double now);

  bool enabled_;
  long total_;
  long firstDone_ = -1;  // frames done at the first update
  double started_ = 0;
  double drawn_ = 0;
};
