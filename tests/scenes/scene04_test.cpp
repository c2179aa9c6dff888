// Scene 4: the twister's angle from frame to frame, the sprites and their
// wraps, the sign's choice, the echo's threshold, the mosaic's tint and the
// state the scene leaves for scene 9.
#include <cmath>

#include "scenes/scene_trace.h"
#include "scenes/twister_check.h"

namespace {

const Rgb kFlier{250, 250, 250}, kRider{0, 250, 250}, kNo{250, 0, 0}, kYes{0, 250, 0};

class Scene4Test : public SceneTest {
 protected:
  void SetUp() override {
    SceneTest::SetUp();
    demo.lennattaja = SolidPicture("lennattaja", 120, 60, kFlier);
    demo.lentaja = SolidPicture("lentaja", 80, 100, kRider);
    demo.signImages = {SolidPicture("no", 60, 20, kNo), SolidPicture("yes", 20, 60, kYes)};
  }
};

double SinDeg(double d) { return std::sin(d * M_PI / 180); }

// The three sprites of a traced frame, in drawing order; the mosaic's own
// white quads come after them.
struct Sprites {
  Placement flier, rider, sign;
  bool yes;
};

Sprites SpritesOf(const FrameAfter& frame) {
  std::vector<TracePolygon> images = PolygonsIn(frame.trace, true, {255, 255, 255}, 1.0f);
  EXPECT_EQ(images.size(), 5u);
  if (images.size() < 3) return Sprites{};
  // The two signs differ in shape: "no" is wide, "yes" tall.
  const Bounds b = BoundsOf(images[2]);
  const bool yes = b.y1 - b.y0 > b.x1 - b.x0;
  return Sprites{PlaceImage(images[0], *demo.lennattaja), PlaceImage(images[1], *demo.lentaja),
                 PlaceImage(images[2], *demo.signImages[yes ? 1 : 0]), yes};
}

TEST_F(Scene4Test, FirstTwisterUsesTheStartAngleThenTheFrameBeforesTime) {
  std::vector<FrameAfter> frames = RunFrames(Scene4, {30000, 30017}, {0, 1});
  ASSERT_EQ(frames.size(), 2u);
  {
    SCOPED_TRACE("first frame");
    ExpectTwister(frames[0].trace, 300, 600, ExpectedPeriod(30000), 60.0f, 0.0f, FaceColours::LineNumber);
  }
  EXPECT_EQ(frames[0].demo.twistAngle, 3000.0f);
  {
    SCOPED_TRACE("second frame");
    ExpectTwister(frames[1].trace, 300, 600, ExpectedPeriod(30017), 3000.0f, PhaseAfter(0.0f, 600),
                  FaceColours::LineNumber);
  }
  EXPECT_EQ(frames[1].demo.twistAngle, 3001.7f);
}

TEST_F(Scene4Test, SpritesCrossFromTheRightAndWrapPastAThousand) {
  demo.slideX = 999.0f;
  demo.slideX2 = 998.0f;
  const std::vector<int> times = {30100, 30117};
  std::vector<FrameAfter> frames = RunFrames(Scene4, times, {0, 1});
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].demo.slideX, 1000.0f);
  EXPECT_EQ(frames[0].demo.slideX2, 1000.0f);
  EXPECT_EQ(frames[1].demo.slideX, 0.0f);
  EXPECT_EQ(frames[1].demo.slideX2, 0.0f);
  const float flierX[] = {-100, 900}, riderX[] = {-100, 900};
  for (size_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(times[i]);
    const double e = times[i];
    const double wave = 10 * SinDeg(e / 2), swing = 30 * SinDeg(e / 4), tilt = 45 * std::cos(e / 4 * M_PI / 180);
    Sprites s = SpritesOf(frames[i]);
    EXPECT_NEAR(s.flier.x, flierX[i], 1e-3);
    EXPECT_NEAR(s.flier.y, 445, 1e-3);
    EXPECT_NEAR(s.flier.rotation, 0, 1e-4);
    EXPECT_NEAR(s.flier.scaleX, 0.7, 1e-5);
    EXPECT_NEAR(s.rider.x, riderX[i] + swing, 1e-3);
    EXPECT_NEAR(s.rider.y, 130 + wave, 1e-3);
    EXPECT_NEAR(s.rider.rotation, tilt / 2, 1e-3);
    EXPECT_NEAR(s.rider.scaleY, 0.7, 1e-5);
    // The sign stands 100 pixels right of and 80 above the rider, upright.
    EXPECT_NEAR(s.sign.x, s.rider.x + 100, 1e-3);
    EXPECT_NEAR(s.sign.y, s.rider.y - 80, 1e-3);
    EXPECT_NEAR(s.sign.rotation, 0, 1e-4);
    EXPECT_NEAR(s.sign.scaleX, 0.7, 1e-5);
  }
}

TEST_F(Scene4Test, SignFollowsTheWavesSignAndKeepsItAtZero) {
  struct Case {
    int before, elapsed;
    bool yes;
  } cases[] = {
      {1, 100, false},  // wave 10 Sin(50) > 0
      {0, 500, true},   // wave 10 Sin(250) < 0
      {1, 0, true},     // wave exactly 0 keeps the frame before's
      {0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "index " << c.before << " at " << c.elapsed << " ms");
    demo.signIndex = c.before;
    std::vector<FrameAfter> frames = RunFrames(Scene4, {c.elapsed}, {0});
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].demo.signIndex, c.yes ? 1 : 0);
    EXPECT_EQ(SpritesOf(frames[0]).yes, c.yes);
  }
}

TEST_F(Scene4Test, EchoJoinsOnlyPastThirtyFiveSeconds) {
  std::vector<FrameAfter> frames = RunFrames(Scene4, {35000, 35001}, {0, 1});
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_TRUE(EchoLayers(frames[0].trace, 0.15f, 0.1f, 0.1f).empty());
  std::vector<EchoLayer> layers = EchoLayers(frames[1].trace, 0.15f, 0.1f, 0.1f);
  ASSERT_FALSE(layers.empty());
  EXPECT_NEAR(layers[0].turn, 0.5, 1e-3);
  EXPECT_NEAR(layers[0].magnification, 1 / 0.9, 1e-3);
}

TEST_F(Scene4Test, MosaicIsShrunkInTheLastFaceColour) {
  std::vector<FrameAfter> frames = RunFrames(Scene4, {30000}, {0});
  // The shrinking pass is the only quad drawn in the twister's last colour.
  EXPECT_EQ(PolygonsIn(frames[0].trace, true, {255, 50, 128}, 0.8f).size(), 1u);
}

TEST_F(Scene4Test, LeavesTheTwisterAndSlidersForSceneNine) {
  std::vector<FrameAfter> frames = RunFrames(Scene4, {41950, 41967, 41983});
  ASSERT_EQ(frames.size(), 3u);
  const DemoState& d = frames.back().demo;
  EXPECT_EQ(d.slideX, 3.0f);
  EXPECT_EQ(d.slideX2, 6.0f);
  EXPECT_EQ(d.twistPhase, PhaseAfter(0.0f, 1800)) << "advanced in 32-bit steps, never wrapped";
  EXPECT_EQ(d.twistAngle, 4198.3f);
  const TDrawState& s = frames.back().state;
  EXPECT_EQ(s.blend_mode, 3);
  EXPECT_EQ(s.color_red, 600);
  EXPECT_EQ(s.color_green, 50);
  EXPECT_EQ(s.color_blue, 128);
  EXPECT_EQ(s.color_alpha, 0.8f);
  EXPECT_EQ(s.tform_rot, 0.0f);
  EXPECT_EQ(s.tform_scale_x, 1.0f);
  EXPECT_EQ(s.tform_scale_y, 1.0f);
}

// A pixel of the pixelated picture: the pixel o plus its block's sample
// tinted by 255, 50, 128, where the block's sample is o as well.
Rgb Mosaicked(double r, double g, double b) {
  auto add = [](double c, double tint) {
    return int(std::min(255.0, std::round(c) + std::floor(std::round(c) * tint / 255)));
  };
  return Rgb{add(r, 255), add(g, 50), add(b, 128)};
}

TEST_F(Scene4Test, DrawnFrameShowsTheTintedMosaicOverTheTwisterAndTheSpritesOnTop) {
  demo.slideX = 500.0f;
  demo.slideX2 = 500.0f;
  std::vector<int> times;
  for (int i = 0; i < 101; ++i) times.push_back(30000 + 17 * i);
  std::vector<unsigned char> shown;
  SetFrameSink([&](const FrameView& f) { shown.assign(f.rgb, f.rgb + 800 * 600 * 3); });
  std::vector<FrameAfter> frames = RunFrames(Scene4, times);
  ASSERT_EQ(frames.size(), 101u);
  ASSERT_LT(frames.back().demo.fadeAlpha, 0.0f) << "the veil has faded";

  // Away from the bar the mosaic of the clear colour adds (1, 1, 10) tinted:
  // green drops to nothing and blue to half.
  const Rgb away = Mosaicked(1, 1, 10);
  for (int y : {50, 300, 550}) EXPECT_EQ(PixelAt(720, y), away) << "row " << y;

  // Well inside a face, the pixel and its block's sample are both the face
  // colour at alpha 0.8 over the clear colour. Below line 255 the faces'
  // red no longer ramps, so a sample some lines away has the same colour.
  const float period = ExpectedPeriod(float(times.back()));
  const float angle = frames[99].demo.twistAngle;
  float phase = frames[99].demo.twistPhase;
  const int green[4] = {0, 128, 0, 50}, blue[4] = {255, 255, 100, 128};
  int faces = 0;
  for (int y = 1; y <= 599; ++y) {
    phase = phase + 0.001f;
    if (y < 270 || y % 50 != 25) continue;
    const double shift = 120 * SinDeg(phase);
    double x[4];
    for (int k = 0; k < 4; ++k) x[k] = 300 + 200 * SinDeg(y / double(period) + angle + 90 * k);
    for (int k = 0; k < 4; ++k) {
      const double from = shift + x[k], to = shift + x[(k + 1) % 4];
      if (to - from < 80) continue;
      const int mid = int((from + to) / 2);
      const int red = k == 0 ? 0 : std::min(y, 255);
      const Rgb expected = Mosaicked(0.8 * red + 0.2 * 1, 0.8 * green[k] + 0.2 * 1, 0.8 * blue[k] + 0.2 * 10);
      const Rgb seen = PixelAt(mid, y);
      EXPECT_NEAR(seen.r, expected.r, 3) << "face " << k + 1 << " at " << mid << ", " << y << ": " << seen;
      EXPECT_NEAR(seen.g, expected.g, 3) << "face " << k + 1 << " at " << mid << ", " << y << ": " << seen;
      EXPECT_NEAR(seen.b, expected.b, 3) << "face " << k + 1 << " at " << mid << ", " << y << ": " << seen;
      ++faces;
    }
  }
  EXPECT_GE(faces, 6);

  // The presented frame adds this frame's sprites, untouched by the effects.
  ASSERT_EQ(shown.size(), 800u * 600 * 3);
  auto shownAt = [&](int px, int py) {
    const unsigned char* p = &shown[(size_t(py) * 800 + px) * 3];
    return Rgb{p[0], p[1], p[2]};
  };
  // slideX is 600 in the last frame: the flier is centred at (300, 445).
  EXPECT_EQ(shownAt(300, 445), kFlier);
  EXPECT_EQ(shownAt(270, 445), kFlier);
}

}  // namespace
