// Scenes 6 and 8: the flash and animation index sequences, which picture each
// index draws where, and scene 8 carrying on scene 6's counters with the two
// figures' places exchanged.
#include <functional>
#include <string>
#include <vector>

#include "scenes/scene_state.h"
#include "scenes/late.h"
#include "support/scripted.h"

namespace {

// Distinct colours per list entry, so a pixel tells which entry was drawn.
const Rgb kFlash[4] = {{90, 0, 0}, {0, 90, 0}, {0, 0, 90}, {90, 90, 90}};
const Rgb kZorvo[4] = {{250, 10, 10}, {10, 250, 10}, {10, 10, 250}, {250, 250, 10}};
const Rgb kMekko[4] = {{250, 10, 250}, {10, 250, 250}, {120, 120, 120}, {250, 120, 10}};

// The flash entry at the centre, told by which channels are lit: the echo
// brightens the lit channels and leaves the dark ones at 0.
int FlashEntry(Rgb c) {
  const bool r = c.r > 45, g = c.g > 45, b = c.b > 45;
  if (r && g && b) return 3;
  if (r && !g && !b) return 0;
  if (!r && g && !b) return 1;
  if (!r && !g && b) return 2;
  return -1;
}

// The index each counter gives after its step-th step from 0.0.
int FlashIndex(int step) {
  const int cycle[5] = {0, 1, 1, 2, 0};
  return cycle[(step - 1) % 5];
}

int AnimIndex(int step) {
  // 41 steps per cycle: 9 of index 0, 10 of 1, 11 of 2, 10 of 3, then the reset.
  const int position = (step - 1) % 41 + 1;
  if (position <= 9 || position == 41) return 0;
  if (position <= 19) return 1;
  if (position <= 30) return 2;
  return 3;
}

struct Shown {
  int flash;
  Rgb left, right;  // at x 230 and 550
  float flashFrame, animFrame;
};

class StrobeTest : public LateSceneTest {
 protected:
  void SetUp() override {
    LateSceneTest::SetUp();
    for (int i = 0; i < 4; ++i) {
      demo.kivviFlash[i] = SolidPicture("flash" + std::to_string(i), 200, 200, kFlash[i]);
      demo.zorvoAnim[i] = SolidPicture("zorvo" + std::to_string(i), 40, 40, kZorvo[i]);
      demo.mekkoAnim[i] = SolidPicture("mekko" + std::to_string(i), 40, 40, kMekko[i]);
    }
  }

  // Records, at every Flip, what the frame before it drew and the counters it left.
  static std::function<void(long)> Watch(std::vector<Shown>& shown) {
    return [&shown](long) {
      shown.push_back({FlashEntry(PixelAt(400, 300)), PixelAt(230, 300), PixelAt(550, 300), demo.flashFrame,
                       demo.animFrame});
    };
  }

  // Checks that shown[first], shown[first + 1], ... are the frames of the
  // counters' steps step0 + 1, step0 + 2, ..., with zorvo on the given side.
  static void ExpectSteps(const std::vector<Shown>& shown, size_t first, size_t last, int step0, bool zorvoLeft) {
    for (size_t i = first; i <= last; ++i) {
      const int step = step0 + int(i - first) + 1;
      const int anim = AnimIndex(step);
      EXPECT_EQ(shown[i].flash, FlashIndex(step)) << "step " << step;
      EXPECT_EQ(zorvoLeft ? shown[i].left : shown[i].right, kZorvo[anim]) << "step " << step;
      EXPECT_EQ(zorvoLeft ? shown[i].right : shown[i].left, kMekko[anim]) << "step " << step;
    }
  }
};

TEST_F(StrobeTest, Scene6RunsTheFiveAndFortyOneFrameCycles) {
  ScriptedClock clock(Frames({{50000, 94}, {52501, 1}}));
  std::vector<Shown> shown;
  Recorder recorder({}, Watch(shown));
  Scene6();
  ASSERT_EQ(shown.size(), 95u);
  // Flip 1 presents what was there before the scene; Flip k + 1 presents frame k.
  ExpectSteps(shown, 1, 94, 0, true);
  EXPECT_EQ(shown[4].flashFrame, 2.0f) << "2.0 itself is kept and selects entry 2";
  EXPECT_EQ(shown[5].flashFrame, 0.0f);
  EXPECT_EQ(shown[40].animFrame, 3.99999833f) << "the fortieth 0.1 summed in 32 bits";
  EXPECT_EQ(shown[41].animFrame, 0.0f);
  EXPECT_EQ(shown[82].animFrame, 0.0f) << "the cycle is 41 frames long";
}

TEST_F(StrobeTest, Scene8CarriesOnScene6sCountersWithTheFiguresExchanged) {
  // 23 frames of scene 6, one of scene 7, 60 of scene 8.
  ScriptedClock clock(Frames({{50000, 22}, {52501, 1}, {66000, 1}, {68000, 59}, {70001, 1}}));
  std::vector<Shown> shown;
  Recorder recorder({25}, Watch(shown));
  Scene6();
  Scene7();
  Scene8();
  ASSERT_EQ(shown.size(), 84u);
  ExpectSteps(shown, 1, 22, 0, true);
  // Scene 7 ends with Flip and Cls, so scene 8's first Flip shows the clear colour.
  const Picture& first = recorder[25];
  int notClear = 0;
  for (size_t i = 0; i < first.rgb.size(); i += 3)
    notClear += first.rgb[i] != 1 || first.rgb[i + 1] != 1 || first.rgb[i + 2] != 10;
  EXPECT_EQ(notClear, 0);
  ExpectSteps(shown, 25, 83, 23, false);
}

}  // namespace
