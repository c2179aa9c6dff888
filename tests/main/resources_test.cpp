// The frame loop takes nothing it does not give back: every scene runs its
// frames without allocating, and neither memory nor OpenGL objects grow from
// frame to frame.
#include <GL/gl.h>
#include <unistd.h>

#include <cstdio>

#include "main/demo.h"
#include "scenes/scene_state.h"
#include "support/allocations.h"
#include "support/headless.h"
#include "support/scripted.h"

namespace {

long ResidentKiB() {
  long pages = 0, resident = 0;
  std::FILE* f = std::fopen("/proc/self/statm", "r");
  if (f) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

int TextureNames() {
  int n = 0;
  for (GLuint name = 1; name < 4096; ++name) n += glIsTexture(name) ? 1 : 0;
  return n;
}

struct SceneRun {
  const char* name;
  void (*scene)();
  int from;  // ms on the scene clock where the run enters it
};

// Each scene entered where its busiest effects run.
const SceneRun kRuns[] = {{"scene 1", Scene1, 6500},   {"scene 2", Scene2, 12500},  {"scene 3", Scene3, 22000},
                          {"scene 4", Scene4, 36000},  {"scene 5", Scene5, 48000},  {"scene 6", Scene6, 50000},
                          {"scene 7", Scene7, 64000},  {"scene 8", Scene8, 68000},  {"scene 9", Scene9, 85000},
                          {"scene 10", Scene10, 117000}};

class ResourcesTest : public DisplayTest {};

TEST_F(ResourcesTest, FramesAllocateNothingAndNothingGrows) {
  ASSERT_EQ(chdir(DEMO_BUILD_DIR), 0);
  testing::internal::CaptureStderr();
  ASSERT_TRUE(Startup());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "every file of data/ should load";
  const int textures = TextureNames();
  EXPECT_EQ(textures, 25 + 2) << "one texture per picture load and the two feedback textures";

  const long frames = 24, warmUp = 4;
  long residentAfterFirstPass = 0;
  for (int pass = 0; pass < 2; ++pass) {
    for (const SceneRun& run : kRuns) {
      std::vector<int> readings;
      for (long k = 0; k < frames; ++k) readings.push_back(run.from + int(k * 1000 / 60));
      ScriptedClock clock(readings);
      demo.startTime = 0.0f;
      const long start = FlipCount();
      ScriptedEscape escape({start + frames});
      long allocated = -1, worst = 0;
      SetFrameSink([&](const FrameView& f) {
        const long now = AllocationsSoFar();
        if (f.index - start > warmUp && allocated >= 0) worst = std::max(worst, now - allocated);
        allocated = now;
      });
      run.scene();
      SetFrameSink(nullptr);
      EXPECT_EQ(worst, 0) << run.name << ": allocations in one frame";
      EXPECT_EQ(clock.overruns(), 0) << run.name;
    }
    if (pass == 0) residentAfterFirstPass = ResidentKiB();
  }
  // A second pass over every scene needs no more memory and no more textures.
  // (AddressSanitizer holds freed memory back for a while, so there only its
  // leak check speaks for memory.)
#if !defined(__SANITIZE_ADDRESS__)
  EXPECT_LT(ResidentKiB() - residentAfterFirstPass, 4096) << "KiB grown over the second pass";
#else
  (void)residentAfterFirstPass;
#endif
  EXPECT_EQ(TextureNames(), textures);
}

}  // namespace
