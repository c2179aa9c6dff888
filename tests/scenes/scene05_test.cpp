// Scene 5: the first frame's trains, the echo's swinging depth, the tiling
// thresholds to the millisecond, and drawn frames with and without tiles.
#include <cmath>

#include "scenes/scene_trace.h"

namespace {

const Rgb kBackdrop{0, 0, 200}, kTrain{230, 120, 0};

class Scene5Test : public SceneTest {
 protected:
  void SetUp() override {
    SceneTest::SetUp();
    demo.kepra = SolidPicture("kepra", 200, 100, kBackdrop);
    demo.juna = SolidPicture("juna", 100, 40, kTrain);
  }
};

TEST_F(Scene5Test, FirstFrameMovesEveryTrainOneStep) {
  std::vector<FrameAfter> frames = RunFrames(Scene5, {42100}, {0});
  std::vector<TracePolygon> trains = PolygonsIn(frames[0].trace, true, {255, 255, 255}, 1.0f);
  ASSERT_EQ(trains.size(), 4u);
  const float x[] = {-310, 410, 1120, 390}, y[] = {430, 430, 200, 200};
  for (size_t i = 0; i < 4; ++i) {
    Placement p = PlaceImage(trains[i], *demo.juna);
    EXPECT_NEAR(p.x, x[i], 1e-3) << "train " << i;
    EXPECT_NEAR(p.y, y[i], 1e-3) << "train " << i;
    EXPECT_NEAR(p.scaleX, 1.1, 1e-5) << "train " << i;
  }
  // The veil comes last, white at 0.99, over the whole screen.
  const TracePolygon& veil = frames[0].trace.polygons.back();
  EXPECT_FALSE(veil.textured);
  EXPECT_NEAR(veil.v.front().a, 252 / 255.0, 1e-6);
  const Bounds b = BoundsOf(veil);
  EXPECT_NEAR(b.x0, 0, 1e-3);
  EXPECT_NEAR(b.y0, 0, 1e-3);
  EXPECT_NEAR(b.x1, 800, 1e-3);
  EXPECT_NEAR(b.y1, 600, 1e-3);
  // The frame ends with Flip and Cls, and with the state scene 6 draws with.
  EXPECT_EQ(CountNot(kClearColour, 0, 0, 800, 600), 0);
  const TDrawState& s = frames[0].state;
  EXPECT_EQ(s.color_red, 255);
  EXPECT_EQ(s.color_green, 255);
  EXPECT_EQ(s.color_blue, 255);
  EXPECT_EQ(s.tform_rot, 0.0f);
  EXPECT_EQ(s.tform_scale_x, 1.0f);
}

TEST_F(Scene5Test, EchoDepthSwingsWithTheClockAndNeverTurns) {
  // Sin(elapsed / 20) is 1 at 45000 ms, 0 at 46800 and -1 at 48600.
  const std::vector<int> times = {45000, 46800, 48600};
  std::vector<FrameAfter> frames = RunFrames(Scene5, times, {0, 1, 2});
  const double dz[] = {0.1, 0.0, -0.1};
  for (size_t f = 0; f < 3; ++f) {
    std::vector<EchoLayer> layers = EchoLayers(frames[f].trace, 0.15f, 0.1f, 0.1f);
    // Layers at or behind the eye are not drawn; at depth step 0 all fifteen
    // coincide and read back as one.
    ASSERT_EQ(layers.size(), dz[f] > 0 ? 9u : dz[f] < 0 ? 15u : 1u) << times[f];
    for (size_t i = 0; i < layers.size(); ++i) {
      EXPECT_NEAR(layers[i].turn, 0, 1e-4) << times[f];
      EXPECT_NEAR(layers[i].magnification, 1 / (1 - dz[f] * double(i + 1)), 1e-4) << times[f] << " layer " << i + 1;
    }
  }
}

TEST_F(Scene5Test, TilesGrowAtTheirThresholds) {
  // The 32-bit constant 43.8 lies just below 43.8, so 43800 ms already tiles;
  // 45.56 and 47.29 lie just above theirs, so their own milliseconds do not.
  struct Case {
    int elapsed, tiles;
  } cases[] = {{43799, 0}, {43800, 2}, {45560, 2}, {45561, 3}, {47290, 3}, {47291, 4}, {49000, 4}};
  std::vector<int> times;
  std::set<size_t> traced;
  for (const Case& c : cases) traced.insert(times.size()), times.push_back(c.elapsed);
  std::vector<FrameAfter> frames = RunFrames(Scene5, times, traced);
  ASSERT_EQ(frames.size(), std::size(cases));
  for (size_t i = 0; i < frames.size(); ++i)
    EXPECT_EQ(TileQuads(frames[i].trace), cases[i].tiles * cases[i].tiles) << cases[i].elapsed << " ms";
}

// The presented picture at (x, y).
Rgb At(const std::vector<unsigned char>& rgb, int x, int y) {
  const unsigned char* p = &rgb[(size_t(y) * 800 + x) * 3];
  return Rgb{p[0], p[1], p[2]};
}

TEST_F(Scene5Test, DrawnFramesShowTheRowsAndThenTheirTiles) {
  std::vector<int> times;
  for (int i = 0; i < 101; ++i) times.push_back(42001 + 17 * i);
  std::vector<unsigned char> shown;
  SetFrameSink([&](const FrameView& f) { shown.assign(f.rgb, f.rgb + 800 * 600 * 3); });
  RunFrames(Scene5, times);
  ASSERT_EQ(shown.size(), 800u * 600 * 3);
  // After 101 steps the first trains are centred at 690 on the lower row and
  // 120 on the upper one; the veil has faded. The echo only adds to them.
  for (auto [x, y] : {std::pair{690, 430}, {120, 200}}) {
    const Rgb p = At(shown, x, y);
    EXPECT_GE(p.r, kTrain.r) << x << ", " << y << ": " << p;
    EXPECT_GE(p.g, kTrain.g) << x << ", " << y << ": " << p;
    EXPECT_LT(p.b, 40) << x << ", " << y << ": " << p;
  }
  // The backdrop shows at half alpha where no train covers it, plus its echo.
  const Rgb backdrop = At(shown, 50, 100);
  EXPECT_GE(backdrop.b, 105) << backdrop;
  EXPECT_LT(backdrop.b, 200) << backdrop;
  EXPECT_LT(backdrop.r, 40) << backdrop;
  // Below the rows only the clear colour and its echo.
  EXPECT_LT(At(shown, 400, 580).r, 20);

  // 47.3 s: four by four identical tiles of 200 x 150, veil and all.
  RunFrames(Scene5, {47300});
  ASSERT_EQ(shown.size(), 800u * 600 * 3);
  int differ = 0, lit = 0;
  for (int y = 0; y < 150; y += 7)
    for (int x = 0; x < 200; x += 7) {
      const Rgb first = At(shown, x, y);
      if (first != Rgb{255, 255, 255}) ++lit;
      for (int ty = 0; ty < 4; ++ty)
        for (int tx = 0; tx < 4; ++tx) differ += At(shown, x + 200 * tx, y + 150 * ty) != first;
    }
  EXPECT_EQ(differ, 0);
  EXPECT_GT(lit, 0) << "the tiles are not all veil";
}

}  // namespace
