// Scene 1: the bob and pulse of the kivvi, the spin from 6 s on, the echo's
// twist, and the picture at the centre of a drawn frame.
#include "scenes/scene_trace.h"

namespace {

const Rgb kKivvi{40, 200, 90};

class Scene1Test : public SceneTest {
 protected:
  void SetUp() override {
    SceneTest::SetUp();
    demo.kivvi = SolidPicture("kivvi", 100, 60, kKivvi);
  }
};

// Both drawings of the kivvi, read from a traced frame.
std::vector<Placement> Kivvis(const FrameAfter& frame) {
  std::vector<Placement> out;
  for (const TracePolygon& p : PolygonsIn(frame.trace, true, {255, 255, 255}, 1.0f))
    out.push_back(PlaceImage(p, *demo.kivvi));
  return out;
}

TEST_F(Scene1Test, KivviBobsAndPulsesWithTheWave) {
  struct Case {
    int elapsed;
    float y, scale;
  } cases[] = {{0, 300, 0.3f}, {450, 310, 0.4f}, {900, 300, 0.3f}, {1350, 290, 0.2f}};
  std::vector<int> elapsed;
  std::set<size_t> traced;
  for (const Case& c : cases) traced.insert(elapsed.size()), elapsed.push_back(c.elapsed);
  std::vector<FrameAfter> frames = RunFrames(Scene1, elapsed, traced);
  ASSERT_EQ(frames.size(), std::size(cases));
  for (size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(cases[i].elapsed);
    std::vector<Placement> kivvis = Kivvis(frames[i]);
    ASSERT_EQ(kivvis.size(), 2u);
    for (const Placement& k : kivvis) {
      EXPECT_NEAR(k.x, 400, 1e-3);
      EXPECT_NEAR(k.y, cases[i].y, 1e-3);
      EXPECT_NEAR(k.scaleX, cases[i].scale, 1e-5);
      EXPECT_NEAR(k.scaleY, cases[i].scale, 1e-5);
      EXPECT_NEAR(k.rotation, 1.0, 1e-4) << "turned by 1 degree before the spin starts";
    }
    EXPECT_FLOAT_EQ(frames[i].state.tform_scale_x, cases[i].scale);
    EXPECT_EQ(frames[i].state.tform_rot, 1.0f);
  }
}

TEST_F(Scene1Test, SpinStartsInTheFirstFramePastSixSeconds) {
  std::vector<FrameAfter> frames = RunFrames(Scene1, {5999, 6000, 6001, 6017}, {1, 2});
  ASSERT_EQ(frames.size(), 4u);
  EXPECT_EQ(frames[0].demo.spin, 0.0f);
  EXPECT_EQ(frames[1].demo.spin, 0.0f) << "6000 ms is not past 6 s";
  EXPECT_EQ(frames[2].demo.spin, 0.3f);
  EXPECT_EQ(frames[3].demo.spin, 0.6f);

  // At 6000 ms the echo turns each layer by 1 degree.
  std::vector<EchoLayer> still = EchoLayers(frames[1].trace, 0.15f, 0.1f, 0.1f);
  ASSERT_FALSE(still.empty());
  EXPECT_NEAR(still[0].turn, 1.0, 1e-3);

  // The first frame past it already includes the step in both the picture's
  // rotation (1 + 0.3 x 10) and the echo's angle (1 + 0.3).
  EXPECT_EQ(frames[2].state.tform_rot, 4.0f);
  for (const Placement& k : Kivvis(frames[2])) EXPECT_NEAR(k.rotation, 4.0, 1e-4);
  std::vector<EchoLayer> layers = EchoLayers(frames[2].trace, 0.15f, 0.1f, 0.1f);
  ASSERT_GE(layers.size(), 3u);
  for (size_t i = 0; i < layers.size(); ++i) {
    EXPECT_NEAR(layers[i].turn, 1.3 * double(i + 1), 1e-3) << "layer " << i + 1;
    EXPECT_NEAR(layers[i].magnification, 1 / (1 - 0.1 * double(i + 1)), 1e-3) << "layer " << i + 1;
  }
}

TEST_F(Scene1Test, DrawnFrameShowsTheKivviOverItsEcho) {
  // 450 ms: the kivvi is centred at (400, 310) at scale 0.4, 40 x 24 pixels.
  RunFrames(Scene1, {450});
  EXPECT_EQ(PixelAt(400, 310), kKivvi);
  EXPECT_EQ(PixelAt(415, 318), kKivvi);
  // Outside the sharp copy the echo adds magnified, reddish copies of it.
  const Rgb echo = PixelAt(400, 340);
  EXPECT_NE(echo, kKivvi);
  EXPECT_GT(echo.g, kClearColour.g + 20) << echo;
  // Far from the centre only the clear colour is echoed.
  const Rgb corner = PixelAt(5, 5);
  EXPECT_LT(corner.g, 10) << corner;
  EXPECT_GE(corner.b, kClearColour.b) << corner;
}

TEST_F(Scene1Test, FirstPresentedFrameIsTheVeilOverBlack) {
  // The target starts black, as the newly opened display leaves it.
  SetClsColor(0, 0, 0);
  Cls();
  SetClsColor(kClearColour.r, kClearColour.g, kClearColour.b);
  std::vector<Rgb> shown;
  SetFrameSink([&](const FrameView& f) {
    const unsigned char* p = f.rgb + (300 * 800 + 400) * 3;
    shown.push_back({p[0], p[1], p[2]});
  });
  RunFrames(Scene1, {0, 17});
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0], (Rgb{252, 252, 252})) << "white at alpha 0.99 over black";
  // The second shows the first frame's kivvi under the veil at 0.98.
  EXPECT_NE(shown[1], shown[0]);
  EXPECT_GT(shown[1].r, 245);
}

}  // namespace
