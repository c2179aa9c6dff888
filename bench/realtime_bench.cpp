// bench-realtime: the whole demo on the real clock, paced and skipping frames
// as on a desktop, on the headless display. Prints per scene when it started
// against its nominal time, how many frames a second the scenes stepped
// through (their per-frame steps) and how many were drawn and presented.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <GL/gl.h>

#include "draw/frames.h"
#include "draw/platform.h"
#include "main/demo.h"
#include "scenes/scene_state.h"

namespace {

struct Mark {
  int scene;
  float elapsed;  // scene clock at the scene's first frame
  long flips, presents;
};

// The time each scene starts at when the one before runs to its end.
const float kNominalStart[11] = {0, 0, 7, 14, 28, 42, 49, 52.5f, 65.69f, 70, 87.59f};

}  // namespace

int main() {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  ChangeToExecutableDirectory();
  SetHeadless(true);
  SetPacing(true);
  if (!Startup()) {
    std::fprintf(stderr, "bench-realtime: %s\n", GraphicsError().c_str());
    return 1;
  }
  std::vector<Mark> marks;
  RunScenes([&](int scene) { marks.push_back({scene, float(Millisecs()) - demo.startTime, FlipCount(), PresentCount()}); });
  marks.push_back({11, float(Millisecs()) - demo.startTime, FlipCount(), PresentCount()});

  std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
  std::printf("%-6s %10s %10s %12s %12s\n", "scene", "starts s", "late ms", "stepped/s", "shown/s");
  for (size_t i = 0; i + 1 < marks.size(); ++i) {
    const Mark& a = marks[i];
    const Mark& b = marks[i + 1];
    const double seconds = (b.elapsed - a.elapsed) / 1000.0;
    std::printf("%-6d %10.3f %10.0f %12.1f %12.1f\n", a.scene, a.elapsed / 1000.0,
                a.elapsed - kNominalStart[a.scene] * 1000.0, double(b.flips - a.flips) / seconds,
                double(b.presents - a.presents) / seconds);
  }
  const Mark& end = marks.back();
  std::printf("whole run: %.3f s, %ld frames stepped (%.1f/s), %ld shown (%.1f/s)\n", end.elapsed / 1000.0,
              end.flips, end.flips / (end.elapsed / 1000.0), end.presents, end.presents / (end.elapsed / 1000.0));
  ShutdownPlatform();
  return 0;
}
