// The progress bar: redrawn in place with a carriage return, only on a terminal.
#include "progress.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "driver.h"

Progress::Progress(long total) : enabled_(isatty(STDERR_FILENO) == 1), total_(std::max(total, 1L)) {}

void Progress::Update(long done) {
  if (!enabled_) return;
  const double now = Now();
  // The rate counts from the first frame on, so start-up does not drag it down.
  if (firstDone_ < 0) {
    firstDone_ = done;
    started_ = now;
    return;
  }
  if (now - drawn_ < 0.2) return;
  Draw(done, now);
}

void Progress::Finish(long done) {
  if (!enabled_ || firstDone_ < 0) return;
  Draw(done, Now());
  std::fputc('\n', stderr);
}

void Progress::Draw(long done, double now) {
  drawn_ = now;
  const long shown = std::min(done, total_);
  const double seconds = now - started_;
  const double fps = seconds > 0 && firstDone_ >= 0 ? double(done - firstDone_) / seconds : 0;
  const long left = fps > 0 ? long(double(total_ - shown) / fps + 0.5) : 0;
  char bar[31];
  const int filled = int(30 * shown / total_);
  for (int i = 0; i < 30; ++i) bar[i] = i < filled ? '#' : '.';
  bar[30] = '\0';
  std::fprintf(stderr, "\r[%s] %ld/%ld frames  %.1f fps  %ld:%02ld left ", bar, shown, total_, fps, left / 60,
               left % 60);
  std::fflush(stderr);
}
