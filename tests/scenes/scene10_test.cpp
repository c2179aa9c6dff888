// Scene 10: the kaleidoscope and tiles windows on their milliseconds, the
// opening veil counted in frames and the closing veil in time with its clamp,
// the scroller's start and rise, the 361-frame pan, and Escape ending the
// program without showing the last drawing.
#include <cstdlib>
#include <vector>

#include "scenes/scene_state.h"
#include "scenes/late.h"
#include "support/scripted.h"

namespace {

class Scene10Test : public LateSceneTest {
 protected:
  void SetUp() override {
    LateSceneTest::SetUp();
    // As scene 9 leaves them.
    demo.twistPhase = 1100.0f;
    demo.twistAngle = 8758.0f;
  }

  // A backdrop of diagonal stripes over a vertical ramp, so that no two rows
  // of the picture look alike.
  static TImage* Backdrop(int width) {
    std::vector<unsigned char> rgba;
    for (int y = 0; y < 300; ++y)
      for (int x = 0; x < width; ++x) {
        const int g = 10 + 30 * (((x + y) / 7) % 2) + y / 15;
        rgba.insert(rgba.end(), {30, (unsigned char)g, 30, 255});
      }
    return FixturePicture("backdrop" + std::to_string(width), width, 300, rgba);
  }

  // Runs scene 10 through frames at the given times (escaping after the last)
  // and keeps the pictures of the listed Flips.
  static void Run(const std::vector<int>& times, Recorder& recorder) {
    ScriptedClock clock(times);
    ScriptedEscape escape({FlipCount() + long(times.size())});
    Scene10();
    EXPECT_EQ(recorder.flips(), long(times.size()));
  }
};

// The mosaic of 20 x 15 pixel blocks added over the 3 x 3 tiles does not
// repeat with them, but it is constant inside each block: the difference of
// two neighbours in one block comes from the picture beneath alone. Counts
// the green differences that do not repeat shift rows further down.
int NeighbourShiftMismatch(const Picture& p, int shift) {
  int n = 0;
  for (int y = 0; y + shift < 600; ++y)
    for (int x = 0; x < 620; ++x) {
      if (x % 20 == 19) continue;
      const int a = p.At(x + 1, y).g - p.At(x, y).g;
      const int b = p.At(x + 1, y + shift).g - p.At(x, y + shift).g;
      n += std::abs(a - b) > 6;
    }
  return n;
}

TEST_F(Scene10Test, KaleidoscopeAndTilesTakeTurnsOnTheirMilliseconds) {
  demo.fonka = Backdrop(1000);
  const struct {
    int elapsed;
    bool kaleido, tiles2, tiles3;
  } cases[] = {
      {90089, false, false, false}, {90090, true, false, false},  {98099, true, false, false},
      {98100, false, true, false},  {108610, false, true, false}, {108611, false, false, true},
      {115620, false, false, true}, {115621, false, false, false},
  };
  // After the opening veil's 101 frames, Flip k + 1 shows frame k's effects.
  std::vector<int> times = Frames({{85000, 101}});
  std::vector<long> keep;
  for (const auto& c : cases) {
    times.push_back(c.elapsed);
    keep.push_back(long(times.size()) + 1);
  }
  times.push_back(115621);
  Recorder recorder(keep);
  Run(times, recorder);
  for (size_t i = 0; i < keep.size(); ++i) {
    const Picture& p = recorder[keep[i]];
    const auto& c = cases[i];
    // The colour split shifts only sideways and the thumbnails stand right of
    // column 620, so the symmetry and the repeats hold exactly left of it.
    EXPECT_EQ(MirrorMismatch(p, 0, 620) < 1000, c.kaleido) << c.elapsed;
    EXPECT_EQ(RowShiftMismatch(p, 300, 0, 620) < 1000, c.tiles2) << c.elapsed;
    EXPECT_EQ(NeighbourShiftMismatch(p, 200) < 1000, c.tiles3) << c.elapsed;
  }
}

// Red at (40, 300): left of the twister and the thumbnails, where a white
// backdrop wide enough to cover it in every frame keeps the picture white.
int EdgeRed(const Picture& p) { return p.At(40, 300).r; }

TEST_F(Scene10Test, ClosingVeilBeginsAt116600) {
  demo.fonka = SolidPicture("white", 1000, 300, Rgb{255, 255, 255});
  // Fifty frames at one time: the white opening veil at 0.5 over a picture
  // untouched at 116599, and at 116600 over one the black veil has darkened
  // to 0.49 (alpha bytes 127 and 124).
  const struct {
    int elapsed, red;
  } cases[] = {{116599, 255}, {116600, 193}};
  for (const auto& c : cases) {
    Recorder recorder({50});
    Run(Frames({{c.elapsed, 50}}), recorder);
    EXPECT_NEAR(EdgeRed(recorder[50]), c.red, 1) << c.elapsed;
  }
}

TEST_F(Scene10Test, OpeningVeilFadesByFramesWhileTheClosingOneClamps) {
  demo.fonka = SolidPicture("white", 1000, 300, Rgb{255, 255, 255});
  Recorder recorder({1, 2, 50, 99, 100, 101, 102, 110});
  Run(Frames({{119000, 110}}), recorder);
  // Flip k shows the white veil at 1 - k / 100 over frame k - 1, which the
  // black veil has darkened to (k - 1) / 100; both alpha bytes truncated. The
  // white one is gone from the hundredth frame on; the black one reaches
  // 254 / 255 in frame 100 and is clamped to 1 from frame 101 on.
  const struct {
    long flip;
    int red;
  } expected[] = {{1, 252}, {2, 254}, {50, 193}, {99, 8}, {100, 3}, {101, 1}, {102, 0}, {110, 0}};
  for (const auto& e : expected) EXPECT_NEAR(EdgeRed(recorder[e.flip]), e.red, e.red < 5 ? 0 : 1) << "Flip " << e.flip;
}

TEST_F(Scene10Test, ScrollerStartsAt1648AndAHalfAndRisesByOneAndAHalf) {
  // 16 x 2400: the top 100 rows blue, the rest red.
  std::vector<unsigned char> rgba;
  for (int y = 0; y < 2400; ++y)
    for (int x = 0; x < 16; ++x) {
      const unsigned char top = y < 100 ? 255 : 0;
      rgba.insert(rgba.end(), {(unsigned char)(255 - top), 0, top, 255});
    }
  demo.skroll = FixturePicture("scroller", 16, 2400, rgba);
  Recorder recorder({1, 2});
  // At 108 s the vertical scale is 1.0 and the scroller's centre is at x 415.
  Run({108000, 108000}, recorder);
  const Rgb blue{0, 0, 255}, red{255, 0, 0};
  auto veiled = [](Rgb c) { return c.g > 100; };
  // Centre 1648.5: the picture's top edge at 448.5, its colour edge at 548.5.
  const Picture& first = recorder[1];
  EXPECT_TRUE(veiled(first.At(415, 447)));
  EXPECT_EQ(first.At(415, 450), blue);
  EXPECT_EQ(first.At(415, 547), blue);
  EXPECT_EQ(first.At(415, 549), red);
  EXPECT_EQ(first.At(421, 560), red);
  EXPECT_TRUE(veiled(first.At(405, 560)));
  // Centre 1647.0.
  const Picture& second = recorder[2];
  EXPECT_TRUE(veiled(second.At(415, 446)));
  EXPECT_EQ(second.At(415, 447), blue);
  EXPECT_EQ(second.At(415, 546), blue);
  EXPECT_EQ(second.At(415, 547), red);
}

TEST_F(Scene10Test, PanCyclesIn361FramesWithTheCopiesHalfACycleApart) {
  // 500 wide at scale 2: one copy on the screen at a time in the frames compared.
  demo.fonka = Backdrop(500);
  // The twister's swing is held still, so only the pan changes between frames.
  Recorder recorder({101, 281, 282, 461, 462}, [](long) { demo.twistPhase = 1100.0f; });
  Run(Frames({{85000, 462}}), recorder);
  // Flip k + 1 shows frame k. Frame 100 has the first copy at x -400; frame 281
  // the second copy there; frame 461 the first one again.
  const Picture& base = recorder[101];
  EXPECT_EQ(recorder[282].rgb, base.rgb);
  EXPECT_EQ(recorder[462].rgb, base.rgb);
  EXPECT_NE(recorder[281].rgb, base.rgb);
  EXPECT_NE(recorder[461].rgb, base.rgb);
}

TEST_F(Scene10Test, EscapeEndsTheFinaleLeavingItsLastDrawingUnshown) {
  ScriptedClock clock({100000, 100100, 100200, 100300});
  ScriptedEscape escape({FlipCount() + 3});
  Recorder recorder({});
  Scene10();
  EXPECT_EQ(recorder.flips(), 3);
  EXPECT_EQ(clock.calls(), 3);
  // The third frame's drawing after its Flip stays in the target, never presented.
  EXPECT_GT(CountNot(Rgb{1, 1, 10}, 0, 0, 800, 600), 10000);
  EXPECT_EQ(demo.twistAngle, 8758.0f) << "scene 10 only reads the angle scene 9 left";
}

}  // namespace
