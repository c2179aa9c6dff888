// The frame loop driver: installs the virtual clock, a silent Escape and the
// frame sink, then runs the demo's own sequence until it ends or the last
// frame asked for is done.
#include "driver.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

#include "draw/draw.h"
#include "draw/frames.h"
#include "main/demo.h"

namespace {

// Thrown out of the clock to leave the scenes once the last frame wanted is done.
struct StopCapture {};

// The clock's reading at frame 0; any whole number below 2^24 gives the same frames.
constexpr int kClockBase = 0;

}  // namespace

std::function<bool(long)> SkipAllBut(std::vector<long> wanted) {
  return [wanted = std::move(wanted)](long flip) {
    auto next = std::lower_bound(wanted.begin(), wanted.end(), flip);  // the first wanted at or after flip
    return next == wanted.end() || *next - flip > kFastForwardMargin;
  };
}

double Now() {
  using Clock = std::chrono::steady_clock;
  return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

CaptureResult RunCapture(const CaptureHooks& hooks) {
  CaptureResult result;
  long reported = 0;  // the last frame whose end was reported
  auto frameDone = [&](long k) {
    reported = k;
    if (hooks.onFrameDone) hooks.onFrameDone(k);
    if (hooks.stopAfter >= 0 && k >= hooks.stopAfter) throw StopCapture{};
  };
  SetHeadless(true);
  SetEscapeSource([] { return 0; });
  SetClockSource([&] {
    const long k = FlipCount();
    if (k != reported) frameDone(k);
    return kClockBase + int(FrameTime(k));
  });
  if (hooks.onFrame) SetFrameSink(hooks.onFrame);
  // Skipped frames run every scene step but draw nothing, and every frame
  // starts from a cleared target, so the frames after them come out the same.
  if (hooks.skip) SetSkipPolicy(hooks.skip);

  try {
    const double started = Now();
    result.started = Startup();
    result.startupSeconds = Now() - started;
    if (!result.started) {
      result.error = "cannot open the headless display: " + GraphicsError();
    } else {
      if (hooks.onStarted) hooks.onStarted();
      if (hooks.stopAfter != 0) RunScenes(hooks.onScene);
      if (FlipCount() != reported) frameDone(FlipCount());
    }
  } catch (const StopCapture&) {
  } catch (const DemoQuit&) {
    result.interrupted = true;
    result.error = "interrupted";
  } catch (const std::runtime_error& e) {
    result.error = e.what();
  }
  result.frames = FlipCount();
  SetSkipPolicy(nullptr);
  SetFrameSink(nullptr);
  SetClockSource(nullptr);
  SetEscapeSource(nullptr);
  return result;
}
