// Scene 2: the vortex's rocking, pulse and bob, the spin reset and its
// one-frame lag behind the echo's angle, and the vortex in a drawn frame.
#include "scenes/scene_trace.h"

namespace {

const Rgb kVortex{200, 60, 220};

class Scene2Test : public SceneTest {
 protected:
  void SetUp() override {
    SceneTest::SetUp();
    demo.vortex = SolidPicture("vortex", 120, 80, kVortex);
  }
};

std::vector<Placement> Vortices(const FrameAfter& frame) {
  std::vector<Placement> out;
  for (const TracePolygon& p : PolygonsIn(frame.trace, true, {255, 255, 255}, 1.0f))
    out.push_back(PlaceImage(p, *demo.vortex));
  return out;
}

void ExpectVortices(const FrameAfter& frame, float y, float rotation, float scale) {
  std::vector<Placement> vortices = Vortices(frame);
  ASSERT_EQ(vortices.size(), 2u);
  for (const Placement& v : vortices) {
    EXPECT_NEAR(v.x, 400, 1e-3);
    EXPECT_NEAR(v.y, y, 1e-3);
    EXPECT_NEAR(v.rotation, rotation, 1e-3);
    EXPECT_NEAR(v.scaleX, scale, 1e-5);
    EXPECT_NEAR(v.scaleY, scale, 1e-5);
  }
}

double FirstEchoTurn(const FrameAfter& frame) {
  std::vector<EchoLayer> layers = EchoLayers(frame.trace, 0.15f, 0.1f, 0.1f);
  EXPECT_FALSE(layers.empty());
  return layers.empty() ? 0 : layers[0].turn;
}

TEST_F(Scene2Test, FirstFrameRocksByTheWaveAloneWhateverSpinSceneOneLeft) {
  demo.spin = 18.0f;
  // 450 ms: the wave is +10, so the vortex sits at y 310, turned 10 degrees, scaled 1.125.
  std::vector<FrameAfter> frames = RunFrames(Scene2, {450}, {0});
  ASSERT_EQ(frames.size(), 1u);
  ExpectVortices(frames[0], 310, 10, 1.125f);
  EXPECT_NEAR(FirstEchoTurn(frames[0]), 0.5, 1e-3);
  EXPECT_EQ(frames[0].demo.spin, 0.0f);
}

TEST_F(Scene2Test, VortexFollowsTheEchoesSpinOneFrameLater) {
  // Multiples of 900 ms put the wave at 0.
  std::vector<FrameAfter> frames = RunFrames(Scene2, {12000, 12600, 13500, 14400}, {0, 1, 2, 3});
  ASSERT_EQ(frames.size(), 4u);
  EXPECT_NEAR(FirstEchoTurn(frames[0]), 0.5, 1e-3) << "12000 ms is not past 12 s";
  EXPECT_EQ(frames[0].demo.spin, 0.0f);

  // The first frame past 12 s: the echo turns by 0.8, both vortices still by the wave alone.
  EXPECT_EQ(frames[1].demo.spin, 0.3f);
  EXPECT_NEAR(FirstEchoTurn(frames[1]), 0.8, 1e-3);
  ExpectVortices(frames[1], 300, 0, 1.0f);

  // A frame later the vortex turns by the 0.3 of the frame before; the echo is a step ahead.
  EXPECT_NEAR(FirstEchoTurn(frames[2]), 1.1, 1e-3);
  ExpectVortices(frames[2], 300, 3, 1.0f);
  ExpectVortices(frames[3], 300, 6, 1.0f);
  EXPECT_FLOAT_EQ(frames[3].state.tform_rot, 6.0f);
}

TEST_F(Scene2Test, DrawnFrameShowsTheVortexAtTheCentre) {
  // 1350 ms: the wave is -10, the vortex 105 x 70 at (400, 290), turned -10 degrees.
  RunFrames(Scene2, {1350});
  EXPECT_EQ(PixelAt(400, 290), kVortex);
  EXPECT_EQ(PixelAt(440, 290), kVortex);
  EXPECT_EQ(PixelAt(400, 318), kVortex);
  EXPECT_NE(PixelAt(400, 330), kVortex) << "beyond the sharp copy";
}

}  // namespace
