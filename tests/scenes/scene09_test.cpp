// Scene 9: the windows of the tiles, the overlaid figure, the colour split and
// the echo on their milliseconds; the figure drawn before the tiles; the first
// frame's twister turned by the angle scene 4 left; the veil white on the
// first frame and rose from the second; the dancer continuing scene 4's slide.
#include <vector>

#include "scenes/scene_state.h"
#include "scenes/late.h"
#include "support/scripted.h"

namespace {

class Scene9Test : public LateSceneTest {
 protected:
  void SetUp() override {
    LateSceneTest::SetUp();
    // As scene 4 leaves them, some 840 frames in.
    demo.slideX = 840.0f;
    demo.twistPhase = 504.0f;
    demo.twistAngle = 4199.0f;
  }

  // Runs scene 9 through frames at the given times and keeps the pictures of
  // the listed Flips. From the first Flip on the veil is made invisible, so
  // Flip k + 1 shows exactly what frame k drew after its own Flip.
  std::vector<Picture> Run(const std::vector<int>& times, const std::vector<long>& keep) {
    ScriptedClock clock(times);
    ScriptedEscape escape({FlipCount() + long(times.size())});
    Recorder recorder(keep, [](long flip) {
      if (flip == 1) demo.fadeAlpha = 0.0f;
    });
    Scene9();
    EXPECT_EQ(recorder.flips(), long(times.size()));
    std::vector<Picture> out;
    for (long k : keep) out.push_back(recorder[k]);
    return out;
  }

  // What a frame at this time draws after its Flip, after one earlier frame.
  Picture EffectsAt(int elapsed) { return Run({70000, elapsed, elapsed}, {3})[0]; }
};

// The tiles repeat the picture every 600 / n rows: the largest n whose repeat holds.
int TileCount(const Picture& p) {
  for (int n = 5; n >= 2; --n)
    if (RowShiftMismatch(p, 600 / n, 0, 800) < 2000) return n;
  return 0;
}

// The split rebuilds the picture on a screen cleared to 1, 1, 10 from red and
// blue copies shifted apart, so one edge strip lacks red and the other blue;
// without it the figure's rose tint keeps both channels lit everywhere.
bool SplitEdges(const Picture& p) {
  int n = 0;
  for (int y = 0; y < 600; ++y)
    for (int x : {0, 1, 2, 3, 796, 797, 798, 799}) {
      Rgb c = p.At(x, y);
      n += c.r <= 1 || c.b <= 10;
    }
  return n > 4000;
}

TEST_F(Scene9Test, EffectsFollowTheirWindowsToTheMillisecond) {
  // A white figure covering the screen: drawn at alpha 0.4 in rose, it lifts
  // red above 100 and blue above 50 everywhere.
  demo.zorvolasit = SolidPicture("cover", 800, 600, Rgb{255, 255, 255});
  const struct {
    int elapsed;
    int tiles;  // 0: the picture does not repeat
    bool figure;
    int split, echo;  // 1 drawn, 0 not, -1 not told apart at this time
  } cases[] = {
      {73580, 0, false, 0, 0}, {73581, 2, false, 0, 0}, {77080, 2, false, 0, 0},
      {77081, 3, true, 0, 0},  {80580, 3, true, 0, 0},  {80581, 4, true, 1, 0},
      {84080, 4, true, 1, 0},
      // The echo's shrinking copies break the five-fold repeat.
      {84081, 0, true, 1, -1},
      // At 86.4 s the echo's depth step and the split's shift are both 0: the
      // echo adds 15 exact copies, keeping the repeat and tripling blue.
      {86400, 5, true, -1, 1},
  };
  for (const auto& c : cases) {
    const Picture p = EffectsAt(c.elapsed);
    EXPECT_EQ(TileCount(p), c.tiles) << c.elapsed;
    EXPECT_EQ(MinChannel(p, 0, 40, 0, 760, 600) > 100, c.figure) << c.elapsed;
    if (c.split >= 0) {
      EXPECT_EQ(SplitEdges(p), c.split == 1) << c.elapsed;
    }
    if (c.echo >= 0) {
      EXPECT_EQ(MinChannel(p, 2, 40, 0, 760, 600) > 120, c.echo == 1) << c.elapsed;
    }
  }
}

TEST_F(Scene9Test, FigureGoesInBeforeTheTilesSoEveryTileCarriesIt) {
  std::vector<Picture> with, without;
  for (int elapsed : {77080, 77081}) {
    demo = DemoState();
    demo.zorvolasit = SolidPicture("figure", 200, 200, Rgb{255, 255, 255});
    with.push_back(EffectsAt(elapsed));
    demo = DemoState();
    without.push_back(EffectsAt(elapsed));
  }
  EXPECT_EQ(with[0].rgb, without[0].rgb) << "no figure at 77080";
  // At 77081 the figure, 300 .. 500 by 200 .. 400 on the screen, shows in the
  // middle of each of the 3 x 3 tiles, the top-left one included.
  EXPECT_NE(with[1].At(133, 100), without[1].At(133, 100));
  EXPECT_NE(with[1].At(400, 300), without[1].At(400, 300));
  EXPECT_NE(with[1].At(666, 500), without[1].At(666, 500));
  EXPECT_EQ(with[1].At(133, 20), without[1].At(133, 20));
}

TEST_F(Scene9Test, FirstTwisterTurnsByTheAngleScene4Left) {
  std::vector<std::vector<Picture>> runs;
  for (float angle : {4199.0f, 4250.0f}) {
    demo.twistPhase = 504.0f;
    demo.twistAngle = angle;
    runs.push_back(Run({70500, 70600, 70700}, {2, 3}));
    EXPECT_EQ(demo.twistAngle, 7070.0f) << "each frame ends with elapsed / 10";
  }
  EXPECT_NE(runs[0][0].rgb, runs[1][0].rgb) << "the first frame's twister uses the carried angle";
  EXPECT_EQ(runs[0][1].rgb, runs[1][1].rgb) << "the second one uses the first frame's elapsed / 10";
}

TEST_F(Scene9Test, VeilTurnsFromWhiteToRoseAndTheDancerIsTintedRose) {
  demo.tanssija = SolidPicture("dancer", 50, 50, Rgb{255, 255, 255});
  demo.slideX = 400.0f;
  SetColor(255, 255, 255);  // as scene 8 leaves it
  // Multiples of 360 ms leave the dancer upright and level at y 300.
  ScriptedClock clock({72000, 72360, 72720});
  ScriptedEscape escape({FlipCount() + 3});
  Recorder recorder({1, 2, 3}, [](long flip) {
    if (flip == 2) demo.fadeAlpha = 0.0f;
  });
  Scene9();
  // The first veil, white at 0.99, over the clear colour.
  EXPECT_EQ(recorder[1].At(700, 100), (Rgb{252, 252, 252}));
  // The second, in the twister's last colour 255, 50, 128 at 0.98.
  const Rgb rose = recorder[2].At(700, 100);
  EXPECT_GE(rose.r, 249);
  EXPECT_NEAR(rose.g, 50, 4);
  EXPECT_NEAR(rose.b, 126, 4);
  // With the third veil invisible the dancer shows, tinted by that colour, at
  // 900 - slideX, slideX having gone on by 2 per frame from 400.
  EXPECT_EQ(demo.slideX, 406.0f);
  EXPECT_EQ(recorder[3].At(494, 300), (Rgb{255, 50, 128}));
}

TEST_F(Scene9Test, SlideWrapsOnlyAbove1000) {
  demo.slideX = 998.0f;
  std::vector<float> slides;
  ScriptedClock clock({70000, 70100, 70200});
  ScriptedEscape escape({FlipCount() + 3});
  Recorder recorder({}, [&slides](long) { slides.push_back(demo.slideX); });
  Scene9();
  EXPECT_EQ(slides, (std::vector<float>{1000.0f, 0.0f, 2.0f}));
}

}  // namespace
