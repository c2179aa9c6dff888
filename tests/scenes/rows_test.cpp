// The sliding rows shared by scenes 5 and 7: the backdrop, the four trains,
// their steps and where they wrap.
#include "scenes/rows.h"

#include "scenes/num.h"
#include "scenes/scene_trace.h"

namespace {

class RowsTest : public SceneTest {
 protected:
  void SetUp() override {
    SceneTest::SetUp();
    demo.kepra = SolidPicture("kepra", 200, 100, {0, 0, 200});
    demo.juna = SolidPicture("juna", 100, 40, {230, 120, 0});
  }
};

struct Drawn {
  Placement backdrop;
  std::vector<Placement> trains;
};

Drawn TraceRows(SlidePositions& slide) {
  FrameTrace trace = TraceDrawing([&] { DrawSlidingRows(slide); });
  Drawn d{};
  std::vector<TracePolygon> backdrop = PolygonsIn(trace, true, {255, 255, 255}, 127 / 255.0f);
  EXPECT_EQ(backdrop.size(), 1u);
  if (!backdrop.empty()) d.backdrop = PlaceImage(backdrop[0], *demo.kepra);
  for (const TracePolygon& p : PolygonsIn(trace, true, {255, 255, 255}, 1.0f))
    d.trains.push_back(PlaceImage(p, *demo.juna));
  EXPECT_EQ(d.trains.size(), 4u);
  return d;
}

TEST_F(RowsTest, BackdropAtHalfAlphaUnderFourStretchedTrains) {
  SetColor(255, 255, 255);
  SlidePositions slide;
  Drawn d = TraceRows(slide);
  EXPECT_NEAR(d.backdrop.x, 1, 1e-3);
  EXPECT_NEAR(d.backdrop.y, 150, 1e-3);
  EXPECT_NEAR(d.backdrop.scaleX, 1, 1e-5);
  ASSERT_EQ(d.trains.size(), 4u);
  // The first step: -510, 210 on the lower row; -530 wraps to 920 at once, and 190.
  const float x[] = {-310, 410, 1120, 390}, y[] = {430, 430, 200, 200};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(d.trains[i].x, x[i], 1e-3) << "train " << i;
    EXPECT_NEAR(d.trains[i].y, y[i], 1e-3) << "train " << i;
    EXPECT_NEAR(d.trains[i].scaleX, 1.1, 1e-5) << "train " << i;
    EXPECT_NEAR(d.trains[i].scaleY, 1.0, 1e-5) << "train " << i;
    EXPECT_NEAR(d.trains[i].rotation, 0, 1e-4) << "train " << i;
  }
  EXPECT_EQ(slide.a, -510);
  EXPECT_EQ(slide.b, 210);
  EXPECT_EQ(slide.c, 920);
  EXPECT_EQ(slide.d, 190);
  EXPECT_EQ(DrawState().color_alpha, 1.0f);
  EXPECT_EQ(DrawState().tform_scale_x, 1.1f);
}

TEST_F(RowsTest, TrainsAreDrawnAtTheirFarBoundThenWrap) {
  SetColor(255, 255, 255);
  SlidePositions slide{910, 900, -510, -500};
  Drawn at = TraceRows(slide);
  ASSERT_EQ(at.trains.size(), 4u);
  EXPECT_NEAR(at.trains[0].x, 1120, 1e-3) << "920 is still drawn";
  EXPECT_NEAR(at.trains[2].x, -320, 1e-3) << "-520 is still drawn";
  Drawn after = TraceRows(slide);
  ASSERT_EQ(after.trains.size(), 4u);
  EXPECT_NEAR(after.trains[0].x, -320, 1e-3);
  EXPECT_NEAR(after.trains[1].x, 1120, 1e-3);
  EXPECT_NEAR(after.trains[2].x, 1120, 1e-3);
  EXPECT_NEAR(after.trains[3].x, -320, 1e-3);
  EXPECT_EQ(slide.a, -520);
  EXPECT_EQ(slide.c, 920);
}

TEST_F(RowsTest, EachTrainRepeatsEvery145Steps) {
  SlidePositions slide;
  const SlidePositions start = slide;
  for (int i = 0; i < 145; ++i) DrawSlidingRows(slide);
  EXPECT_EQ(slide.a, start.a);
  EXPECT_EQ(slide.b, start.b);
  EXPECT_EQ(slide.c, start.c);
  EXPECT_EQ(slide.d, start.d);
}

}  // namespace
