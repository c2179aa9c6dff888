// Skipped frames: what they draw (nothing) and keep (all state), that showing
// a frame after skipped ones gives the very pixels of a full render, and that
// on a slow renderer the 60 Hz schedule holds while fewer frames are shown.
#include <GL/gl.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "draw/frames.h"
#include "draw/pacer.h"
#include "fx/fx.h"
#include "main/demo.h"
#include "scenes/num.h"
#include "scenes/scene_state.h"
#include "support/headless.h"
#include "support/scripted.h"

namespace {

class FramesTest : public DisplayTest {
 protected:
  // Reopen the display paced as on a desktop; TearDown reopens it unpaced.
  void OpenPaced() {
    SetPacing(true);
    paced_ = true;
    ASSERT_TRUE(CreateGraphics(800, 600, 32, 60, 0));
  }
  void TearDown() override {
    SetSkipPolicy(nullptr);
    SetFrameHook(nullptr);
    SetPacing(false);
    if (paced_) {
      EXPECT_TRUE(CreateGraphics(800, 600, 32, 60, 0));
    }
    DisplayTest::TearDown();
  }

 private:
  bool paced_ = false;
};

TEST_F(FramesTest, SkippedFrameDrawsNothingButKeepsEveryStateChange) {
  InitFeedback(800, 600);
  SetBlend(3);
  SetSkipPolicy([](long flip) { return flip == 2; });
  long shown = 0;
  SetFrameSink([&](const FrameView&) { ++shown; });
  Flip(-1);  // presents frame 1; frame 2 is skipped
  ASSERT_TRUE(DrawingSkipped());
  SetColor(10, 20, 30);
  SetAlpha(0.5f);
  SetRotation(30);
  SetScale(2, 2);
  SetBlend(4);
  SetClsColor(0, 0, 9);
  Cls();
  DrawRect(0, 0, 800, 600);
  DrawOval(0, 0, 100, 100);
  DrawLine(0, 5, 700, 5, 1);
  Plot(3, 3);
  FxZoomEcho(1, 1, 1, 0, 0);
  FxTiles(2);
  FxPixelate(40, 1, 1, 1, 1, 1);
  FxRgbSplit(0.05f, 0);
  FxKaleido(1, 1);
  FxThumbColumn(1, 1, 1, 0.6f);
  EXPECT_EQ(CountNot(Rgb{0, 0, 9}, 0, 0, 800, 600), 0) << "only the clear may reach the target";
  const TDrawState& s = DrawState();
  EXPECT_EQ(s.color_red, 10);
  EXPECT_EQ(s.color_alpha, 0.5f);
  EXPECT_EQ(s.tform_scale_x, 2.0f);
  EXPECT_EQ(s.blend_mode, 4);
  EXPECT_EQ(Memory().blend, 4);
  GLfloat colour[4];
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_NEAR(colour[1], 20 / 255.0f, 1e-6f);
  GLint dst = 0;
  glGetIntegerv(GL_BLEND_DST, &dst);
  EXPECT_EQ(dst, GL_ONE) << "the blend mode was applied while skipping";
  Flip(-1);  // the skipped frame: nothing presented
  EXPECT_FALSE(DrawingSkipped());
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(PresentCount(), 1);
  EXPECT_EQ(FlipCount(), 2);
  DrawRect(0, 0, 10, 10);
  EXPECT_NE(PixelAt(1, 1), (Rgb{0, 0, 9})) << "drawing is back after the skipped frame";
}

// The demo's virtual 60 Hz clock, as the capture tool reads it.
int VirtualClock() { return int(FlipCount() * 1000 / 60); }

struct Shot {
  std::vector<unsigned char> rgb;
  long frame = 0;
};

// Run one scene from the state start-up leaves, with the scene clock starting
// at `from` ms, until frame `want` is presented; frames before `firstDrawn`
// are skipped.
Shot RunTo(void (*scene)(), int from, long want, long firstDrawn) {
  Shot shot;
  EXPECT_TRUE(Startup());
  InitFeedback(800, 600);  // fresh feedback textures: nothing is left from a run before
  demo.startTime = float(-from);
  SetClockSource(VirtualClock);
  SetSkipPolicy([firstDrawn](long flip) { return flip < firstDrawn; });
  SetFrameSink([&](const FrameView& f) {
    if (f.index == want) shot = Shot{std::vector<unsigned char>(f.rgb, f.rgb + 800 * 600 * 3), f.index};
  });
  SetEscapeSource([&] { return FlipCount() >= want ? 1 : 0; });
  scene();
  SetFrameSink(nullptr);
  SetEscapeSource(nullptr);
  SetSkipPolicy(nullptr);
  SetClockSource(nullptr);
  return shot;
}

// Frames of the scenes that draw over the last frame before their Flip or
// read back the feedback texture, shown after skipped frames, equal the same
// frames of a full render.
TEST_F(FramesTest, FrameShownAfterSkippedOnesEqualsTheFullRender) {
  ASSERT_EQ(chdir(DEMO_BUILD_DIR), 0);
  const struct {
    const char* name;
    void (*scene)();
    int from;  // ms on the scene clock where the run starts
  } cases[] = {{"scene 4", Scene4, 34500}, {"scene 7", Scene7, 63000}, {"scene 9", Scene9, 84000},
               {"scene 10", Scene10, 116000}};
  const long want = 40;
  for (const auto& c : cases) {
    Shot full = RunTo(c.scene, c.from, want, 1);
    Shot skipped = RunTo(c.scene, c.from, want, want - 2);
    ASSERT_EQ(full.frame, want) << c.name;
    ASSERT_EQ(skipped.frame, want) << c.name;
    EXPECT_TRUE(full.rgb == skipped.rgb) << c.name << ": the frame differs after skipping";
  }
}

// A renderer that needs at least 40 ms for every frame it shows, on the real clock.
TEST_F(FramesTest, SlowRendererKeepsTheSixtyHertzScheduleShowingFewerFrames) {
  OpenPaced();
  InitFeedback(800, 600);
  SetBlend(3);
  demo = DemoState();
  using Clock = std::chrono::steady_clock;
  struct Present {
    Clock::time_point at;
    long flips;
  };
  std::vector<Present> presents;
  presents.reserve(400);
  // Each shown frame takes 40 ms from the end of the one before: the hook
  // notes when the frame was presented, then sleeps out the rest of the 40 ms.
  Clock::time_point lastEnd = Clock::now();
  SetFrameHook([&] {
    presents.push_back({Clock::now(), FlipCount()});
    std::this_thread::sleep_until(lastEnd + std::chrono::milliseconds(40));
    lastEnd = Clock::now();
  });
  // Two seconds of scene 1's own frame: the veil, Flip and Cls. Its picture
  // and echo are left out so that the hook, not this machine's load, sets the
  // cost of a shown frame.
  demo.fadeAlpha = 1.0f;
  demo.startTime = float(Millisecs());
  do {
    TickClock();
    DrawVeil(true);
    Flip(-1);
    Cls();
  } while (!SceneEnds(2.0f));
  ASSERT_GT(presents.size(), 10u);
  // The frames counted so far follow the 60 Hz schedule from the first
  // present: never ahead of it and, once the first frames (which also pay for
  // the driver compiling its pipelines) are caught up with, never behind by
  // more than the frames the renderer had no time to show.
  auto lag = [&](const Present& p) {
    double scheduled = std::chrono::duration<double>(p.at - presents.front().at).count() * 60;
    return scheduled - double(p.flips - presents.front().flips);
  };
  const double most = FramePacer::kMaxSkips + 1.5;
  size_t lastBehind = 0;
  for (size_t i = 0; i < presents.size(); ++i) {
    EXPECT_GE(lag(presents[i]), -1.0) << "ahead of the schedule at present " << i;
    if (lag(presents[i]) > most) lastBehind = i;
  }
  EXPECT_LT(lastBehind, presents.size() / 2) << "still falling behind after the first half";
  long flips = FlipCount(), shown = PresentCount();
  EXPECT_NEAR(double(shown) / double(flips), 1 / 2.4, 0.1) << shown << " of " << flips << " shown";
  EXPECT_LT(demo.fadeAlpha, 0.0f) << "the veil is gone 100 frame periods after the start";
}

TEST_F(FramesTest, FastRendererShowsEveryFrame) {
  OpenPaced();
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 60; ++i) {
    Cls();
    Flip(-1);
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(seconds, 59 / 60.0) << "presents are paced to 60 a second";
  // A scheduler hiccup on a busy machine may cost a frame; a skipping pacer would cost many.
  EXPECT_GE(PresentCount(), FlipCount() - 2);
}

}  // namespace
