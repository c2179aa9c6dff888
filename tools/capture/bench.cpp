// Timing the demo: the GPU is drained at the end of every frame, so each
// frame's time is what it cost to render, not what the driver queued.
#include "bench.h"

#include <GL/gl.h>

#include <sys/resource.h>

#include <algorithm>

#include "draw/platform.h"

namespace {

struct Stats {
  double median = 0, p95 = 0, worst = 0;
};

// Nearest-rank percentiles of the frame times, in milliseconds.
Stats Summarise(std::vector<double> seconds) {
  Stats s;
  if (seconds.empty()) return s;
  std::sort(seconds.begin(), seconds.end());
  const size_t n = seconds.size();
  s.median = seconds[(n - 1) / 2] * 1000;
  s.p95 = seconds[std::min(n - 1, (n * 95 + 99) / 100 - 1)] * 1000;
  s.worst = seconds.back() * 1000;
  return s;
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

}  // namespace

Bench::Bench(double launched) : launched_(launched) {
  std::fill(std::begin(sceneStart_), std::end(sceneStart_), -1L);
  frameSeconds_.reserve(size_t(kDemoFrames) + 1024);  // no allocation while the scenes run
}

void Bench::Start() {
  glFinish();
  last_ = Now();
  cpuAtStart_ = CpuSeconds();
}

void Bench::FirstFlip() {
  glFinish();
  firstFlip_ = Now() - launched_;
}

void Bench::SceneStarts(int scene) {
  if (scene >= 1 && scene <= 10) sceneStart_[scene] = FlipCount();
}

void Bench::FrameDone(long k) {
  glFinish();
  const double now = Now();
  // Two Flips without a clock reading between them share the time evenly.
  const long missing = k - long(frameSeconds_.size());
  for (long i = 0; i < missing; ++i) frameSeconds_.push_back((now - last_) / double(missing));
  last_ = now;
}

void Bench::Report(FILE* out, const CaptureResult& run) const {
  const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  const long frames = long(frameSeconds_.size());
  std::fprintf(out, "demo-capture --bench: %ld frames at 800 x 600\n\n", frames);
  std::fprintf(out, "scene  frames  median ms  p95 ms  worst ms\n");
  double total = 0;
  for (double s : frameSeconds_) total += s;
  for (int scene = 1; scene <= 10; ++scene) {
    const long from = sceneStart_[scene];
    if (from < 0 || from >= frames) {
      std::fprintf(out, "%5d  %6d  %9s  %6s  %8s\n", scene, 0, "-", "-", "-");
      continue;
    }
    long to = frames;
    for (int next = scene + 1; next <= 10; ++next)
      if (sceneStart_[next] >= 0) {
        to = std::min(sceneStart_[next], frames);
        break;
      }
    // Frame k belongs to the scene that made the k-th Flip.
    Stats s = Summarise(std::vector<double>(frameSeconds_.begin() + from, frameSeconds_.begin() + to));
    std::fprintf(out, "%5d  %6ld  %9.2f  %6.2f  %8.2f\n", scene, to - from, s.median, s.p95, s.worst);
  }
  Stats all = Summarise(frameSeconds_);
  std::fprintf(out, "  all  %6ld  %9.2f  %6.2f  %8.2f\n\n", frames, all.median, all.p95, all.worst);
  std::fprintf(out, "whole run: %ld frames in %.2f s (%.2f s of CPU), %.1f frames per second\n", frames, total,
               CpuSeconds() - cpuAtStart_, total > 0 ? double(frames) / total : 0.0);
  std::fprintf(out, "           (a 60 Hz frame has 16.67 ms)\n\n");

  const LoadTimings& t = LoadTimes();
  const double ms = 1000;
  if (firstFlip_ >= 0) std::fprintf(out, "start-up: %.1f ms from launch to the first Flip\n", firstFlip_ * ms);
  std::fprintf(out, "  Startup()          %8.1f ms\n", run.startupSeconds * ms);
  std::fprintf(out, "    image decoding   %8.1f ms\n", t.imageDecode * ms);
  std::fprintf(out, "    texture upload   %8.1f ms\n", t.textureUpload * ms);
  std::fprintf(out, "    music decoding   %8.1f ms (start-up waited %.1f ms for it)\n", t.musicDecode * ms,
               t.musicWait * ms);
  std::fprintf(out, "    display and rest %8.1f ms\n",
               (run.startupSeconds - t.imageDecode - t.textureUpload - t.musicWait) * ms);
  std::fprintf(out, "renderer: %s\n", renderer ? renderer : "(unknown)");
}
