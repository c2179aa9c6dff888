// The scene clock and the scene sequence: end times, late entry, Escape
// semantics, the veil's fade, and the clock origin.
#include <functional>

#include "fx/fx.h"
#include "main/demo.h"
#include "scenes/scene_state.h"
#include "support/headless.h"
#include "support/scripted.h"

namespace {

struct SceneCase {
  const char* name;
  void (*run)();
  int lastRunning;  // the largest elapsed that does not end the scene
};

const SceneCase kScenes[] = {
    {"scene 1", Scene1, 7000},   {"scene 2", Scene2, 14000},   {"scene 3", Scene3, 28000},
    {"scene 4", Scene4, 42000},  {"scene 5", Scene5, 49000},   {"scene 6", Scene6, 52500},
    {"scene 7", Scene7, 65690},  {"scene 8", Scene8, 70000},   {"scene 9", Scene9, 87589},
    {"scene 10", Scene10, 120000},
};

class SequenceTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    demo = DemoState();
    InitFeedback(800, 600);
  }
};

TEST_F(SequenceTest, EachSceneEndsOnTheFirstFramePastItsEndTime) {
  for (const SceneCase& c : kScenes) {
    long before = FlipCount();
    ScriptedClock clock({c.lastRunning - 1, c.lastRunning, c.lastRunning + 1});
    c.run();
    EXPECT_EQ(FlipCount() - before, 3) << c.name;
    EXPECT_EQ(clock.overruns(), 0) << c.name;
  }
}

TEST_F(SequenceTest, SceneEnteredLateDrawsOneFrameAndPollsNothing) {
  for (const SceneCase& c : kScenes) {
    long before = FlipCount();
    ScriptedClock clock({c.lastRunning + 5000});
    ScriptedEscape escape({});
    c.run();
    EXPECT_EQ(FlipCount() - before, 1) << c.name;
    EXPECT_EQ(escape.polls(), 0) << c.name;
  }
}

TEST_F(SequenceTest, EscapeInTheFrameThatEndsByTimeEndsTheNextSceneAfterOneFrame) {
  ScriptedClock clock({100, 7001, 7100, 7200, 7300});
  ScriptedEscape escape({FlipCount() + 2});  // pressed while scene 1's last frame is drawn
  Scene1();
  long before = FlipCount();
  Scene2();
  EXPECT_EQ(FlipCount() - before, 1);
}

TEST_F(SequenceTest, TwoHitsInOneFrameEndOneScene) {
  ScriptedClock clock({100, 200, 300, 14001});
  const long start = FlipCount();
  ScriptedEscape escape({start + 1, start + 1});
  Scene1();
  EXPECT_EQ(FlipCount() - start, 1);
  Scene2();
  EXPECT_EQ(FlipCount() - start, 4) << "scene 2 should run to its end time";
}

TEST_F(SequenceTest, TenEscapesPlayOneFrameOfEachSceneWithoutPresentingTheLast) {
  std::vector<int> readings(10, 1000);
  ScriptedClock clock(readings);
  const long start = FlipCount();
  std::vector<long> hits;
  for (long k = 1; k <= 10; ++k) hits.push_back(start + k);
  ScriptedEscape escape(hits);
  long presented = 0;
  SetFrameSink([&](const FrameView&) { ++presented; });
  RunScenes();
  EXPECT_EQ(FlipCount() - start, 10);
  EXPECT_EQ(presented, 10);
  EXPECT_EQ(clock.overruns(), 0);
}

TEST_F(SequenceTest, VeilFadesByOneHundredthPerFrame) {
  std::vector<int> elapsed;
  for (int i = 0; i < 101; ++i) elapsed.push_back(100 + i);
  ScriptedClock clock(elapsed);
  ScriptedEscape escape({FlipCount() + 101});
  std::vector<int> shown;
  SetFrameSink([&](const FrameView& f) { shown.push_back(f.rgb[(300 * 800 + 400) * 3]); });
  SetBlend(3);  // as start-up leaves it
  Scene1();
  ASSERT_EQ(shown.size(), 101u);
  // Frame k presents the veil at alpha 1 - k/100 over the black of the frame before.
  EXPECT_EQ(shown[0], 252);
  EXPECT_EQ(shown[1], 249);
  EXPECT_EQ(shown[2], 247);
  EXPECT_EQ(shown[98], 2);
  EXPECT_EQ(shown[99], 0) << "the 100th veil is already invisible";
  EXPECT_LT(demo.fadeAlpha, 0.0f) << "negative from the 101st frame on";
}

TEST_F(SequenceTest, HundredthVeilAlphaIsStillPositive) {
  std::vector<int> elapsed(100, 100);
  ScriptedClock clock(elapsed);
  ScriptedEscape escape({FlipCount() + 100});
  Scene1();
  EXPECT_GT(demo.fadeAlpha, 0.0f);
  EXPECT_LT(demo.fadeAlpha, 1e-6f);
}

TEST_F(SequenceTest, ClockThatWrapsPastItsRangeKeepsCounting) {
  demo.startTime = float(2147483000);  // stored as 2147483008
  // 992 ms later the 32-bit counter has wrapped to a negative reading.
  ScriptedClock clock({int(2147484000ll - 4294967296ll), int(2147491009ll - 4294967296ll)});
  const long start = FlipCount();
  Scene1();
  EXPECT_EQ(FlipCount() - start, 2);
  EXPECT_EQ(demo.elapsed, 8001.0f);
}

TEST_F(SequenceTest, StartupSetsTheStateTheScenesStartFrom) {
  // A clock reading above 2^24 ms is stored as the nearest float, so every
  // scene boundary moves by the same millisecond.
  ScriptedClock clock({16777217, 16784216, 16784217});
  testing::internal::CaptureStderr();
  ASSERT_TRUE(Startup());
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(demo.startTime, 16777216.0f);
  EXPECT_EQ(DrawState().blend_mode, 3);
  EXPECT_EQ(DrawState().clscolor_blue, 10);
  EXPECT_EQ(demo.twistAngle, 60.0f);
  EXPECT_EQ(feedback.texW, 1024);
  EXPECT_EQ(feedback.screenH, 600.0f);
  long before = FlipCount();
  Scene1();
  EXPECT_EQ(FlipCount() - before, 2) << "elapsed 7000 then 7001 from the rounded origin";
}

}  // namespace
