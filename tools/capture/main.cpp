// demo-capture: the demo's own start-up and scenes, headless on a virtual
// 60 Hz clock, written out as a video, PNG stills or frames, or timed.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <functional>
#include <utility>

#include "bench.h"
#include "driver.h"
#include "main/demo.h"
#include "options.h"
#include "png_out.h"
#include "progress.h"
#include "scenes/scene_state.h"
#include "video.h"

namespace {

namespace fs = std::filesystem;

int Fail(const std::string& why) {
  std::fprintf(stderr, "demo-capture: %s\n", why.c_str());
  return 1;
}

// Run the demo with the hooks and the progress bar, and shut the platform down.
// beforeShutdown still sees the display and its OpenGL context.
CaptureResult Capture(CaptureHooks hooks, long expected,
                      const std::function<void(const CaptureResult&)>& beforeShutdown = {}) {
  Progress progress(expected);
  auto done = hooks.onFrameDone;
  hooks.onFrameDone = [&](long k) {
    if (done) done(k);
    progress.Update(k);
  };
  CaptureResult run = RunCapture(hooks);
  progress.Finish(run.frames);
  if (beforeShutdown && run.started && run.error.empty()) beforeShutdown(run);
  ShutdownPlatform();
  return run;
}

int Status(const CaptureResult& run) {
  if (run.error.empty()) return 0;
  Fail(run.error);
  return run.interrupted ? 130 : 1;
}

std::string PngPath(const std::string& dir, char prefix, int digits, long number) {
  char name[32];
  std::snprintf(name, sizeof name, "%c%0*ld.png", prefix, digits, number);
  return (fs::path(dir) / name).string();
}

void WritePng(const std::string& path, const FrameView& frame) {
  std::string error;
  if (!WriteFramePng(path, frame, error)) throw std::runtime_error(error);
}

int RunVideo(const Options& options) {
  const std::string ffmpeg = FindOnPath("ffmpeg");
  if (ffmpeg.empty()) return Fail("cannot write a video: the ffmpeg program is not on PATH (Debian: apt install ffmpeg)");
  VideoWriter writer;
  CaptureHooks hooks;
  hooks.stopAfter = options.until >= 0 ? LastFrameAtOrBefore(options.until) : -1;
  hooks.onStarted = [&] {
    const PcmData* music = demo.music ? &demo.music->pcm : nullptr;
    writer.Open(ffmpeg, options.video, ScreenWidth, ScreenHeight, music,
                hooks.stopAfter >= 0 ? hooks.stopAfter + 1 : -1);
    // Frame 0 at time 0: both buffers start black.
    static const std::vector<unsigned char> black(size_t(ScreenWidth) * ScreenHeight * 3, 0);
    writer.Write(black.data());
  };
  hooks.onFrame = [&](const FrameView& frame) { writer.Write(frame.rgb); };
  CaptureResult run = Capture(hooks, hooks.stopAfter >= 0 ? hooks.stopAfter : kDemoFrames);
  if (run.error.empty()) {
    try {
      writer.Close();
    } catch (const std::runtime_error& e) {
      run.error = e.what();
    }
  }
  if (!run.error.empty()) {
    writer.Abandon();
    std::remove(options.video.c_str());
  }
  return Status(run);
}

int RunStills(const Options& options) {
  std::vector<std::pair<long, long>> wanted;  // (frame, time asked for), by frame
  for (long t : options.stills) wanted.emplace_back(FirstFrameAtOrAfter(t), t);
  std::sort(wanted.begin(), wanted.end());
  size_t next = 0;
  CaptureHooks hooks;
  hooks.stopAfter = wanted.back().first;
  std::vector<long> frames;
  for (const auto& w : wanted) frames.push_back(w.first);
  hooks.skip = SkipAllBut(frames);
  hooks.onFrame = [&](const FrameView& frame) {
    for (; next < wanted.size() && wanted[next].first == frame.index; ++next)
      WritePng(PngPath(options.out, 't', 6, wanted[next].second), frame);
  };
  CaptureResult run = Capture(hooks, hooks.stopAfter);
  if (run.error.empty() && next < wanted.size())
    run.error = "the demo ended at frame " + std::to_string(run.frames) + " (" +
                std::to_string(FrameTime(run.frames)) + " ms), before a frame at " +
                std::to_string(wanted[next].second) + " ms";
  return Status(run);
}

int RunFrames(const Options& options) {
  CaptureHooks hooks;
  hooks.stopAfter = options.last;
  const long first = options.first;
  hooks.skip = [first](long flip) { return flip < first - kFastForwardMargin; };
  hooks.onFrame = [&](const FrameView& frame) {
    if (frame.index >= options.first && frame.index <= options.last)
      WritePng(PngPath(options.out, 'f', 5, frame.index), frame);
  };
  CaptureResult run = Capture(hooks, options.last);
  if (run.error.empty() && run.frames < options.last)
    run.error = "the demo ended at frame " + std::to_string(run.frames) + ", before frame " +
                std::to_string(options.last);
  return Status(run);
}

int RunBench(const Options& options, double launched) {
  Bench bench(launched);
  CaptureHooks hooks;
  hooks.stopAfter = options.until >= 0 ? LastFrameAtOrBefore(options.until) : -1;
  hooks.onStarted = [&] { bench.Start(); };
  hooks.onScene = [&](int scene) { bench.SceneStarts(scene); };
  // Only the first Flip reads the picture back: a sink costs a readback per frame.
  hooks.onFrame = [&](const FrameView&) { bench.FirstFlip(); };
  hooks.onFrameDone = [&](long k) {
    if (k == 1) SetFrameSink(nullptr);
    bench.FrameDone(k);
  };
  const CaptureResult run = Capture(hooks, hooks.stopAfter >= 0 ? hooks.stopAfter : kDemoFrames,
                                   [&](const CaptureResult& done) { bench.Report(stdout, done); });
  return Status(run);
}

}  // namespace

int main(int argc, char** argv) {
  const double launched = Now();
  Options options;
  std::string error;
  if (!ParseOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "demo-capture: %s\n%s", error.c_str(), UsageText());
    return 2;
  }
  if (options.mode == Mode::Help) {
    std::fputs(UsageText(), stdout);
    return 0;
  }
  // Paths on the command line are relative to where the tool was started, not
  // to its own directory, which it moves into to find data/.
  std::error_code failed;
  if (!options.video.empty()) options.video = fs::absolute(options.video, failed).string();
  if (!options.out.empty()) {
    options.out = fs::absolute(options.out, failed).string();
    fs::create_directories(options.out, failed);
    if (failed || !fs::is_directory(options.out)) return Fail("cannot create the directory " + options.out);
  }
  setenv("SDL_AUDIODRIVER", "dummy", 1);  // the capture plays no sound
  if (!ChangeToExecutableDirectory()) return Fail("cannot find the directory that holds this program");

  switch (options.mode) {
    case Mode::Video: return RunVideo(options);
    case Mode::Stills: return RunStills(options);
    case Mode::Frames: return RunFrames(options);
    case Mode::Bench: return RunBench(options, launched);
    case Mode::Help: break;
  }
  return 0;
}
