// The twister shared by scenes 4, 9 and 10: its lines, faces and colours, the
// swing phase it advances, and its period.
#include "scenes/twister.h"

#include "scenes/num.h"
#include "scenes/twister_check.h"

namespace {

using TwisterTest = SceneTest;

TEST_F(TwisterTest, LineNumberFacesRampTheirRedDownTheBar) {
  demo.twistPhase = 0.0f;
  demo.twistAngle = 60.0f;
  FrameTrace trace = TraceDrawing([] { DrawTwister(300, 600, 35.0f, TwisterColours::LineNumber); });
  ExpectTwister(trace, 300, 600, 35.0f, 60.0f, 0.0f, FaceColours::LineNumber);
  EXPECT_EQ(demo.twistPhase, PhaseAfter(0.0f, 600));
  // Left as the scenes after it find it: alpha 0.8, the last face's colour, clamped.
  EXPECT_EQ(DrawState().color_alpha, 0.8f);
  EXPECT_EQ(DrawState().color_red, 600);
  EXPECT_EQ(DrawState().color_green, 50);
  EXPECT_EQ(DrawState().color_blue, 128);
}

TEST_F(TwisterTest, EdgeFacesTakeAChannelFromTheirFirstEdge) {
  demo.twistPhase = 412.345f;
  demo.twistAngle = 9876.5f;
  FrameTrace trace = TraceDrawing([] { DrawTwister(400, 600, 3.5f, TwisterColours::Edges); });
  ExpectTwister(trace, 400, 600, 3.5f, 9876.5f, 412.345f, FaceColours::Edges);
  EXPECT_EQ(demo.twistPhase, PhaseAfter(412.345f, 600));
}

void ExpectNear(const Rgb& seen, double r, double g, double b, const std::string& what) {
  EXPECT_NEAR(seen.r, r, 1.0) << what << " " << seen;
  EXPECT_NEAR(seen.g, g, 1.0) << what << " " << seen;
  EXPECT_NEAR(seen.b, b, 1.0) << what << " " << seen;
}

TEST_F(TwisterTest, DrawnBarShowsTwoFacesPerLineOverTheBackground) {
  demo.twistPhase = 0.0f;
  demo.twistAngle = 0.0f;
  // Without twist every line has its edges at 300, 500, 300 and 100, shifted
  // by at most 1.3 pixels: face 1 shows from 300 to 500 and face 4 from 100
  // to 300, at alpha 0.8 over the clear colour.
  DrawTwister(300, 600, 1e9f, TwisterColours::LineNumber);
  for (int y : {1, 100, 254, 255, 400, 599}) {
    const std::string line = "line " + std::to_string(y);
    const double red = std::min(y, 255);
    ExpectNear(PixelAt(400, y), 0.2, 0.2, 0.8 * 255 + 2, "face 1, " + line);
    ExpectNear(PixelAt(200, y), 0.8 * red + 0.2, 0.8 * 50 + 0.2, 0.8 * 128 + 2, "face 4, " + line);
    EXPECT_EQ(PixelAt(50, y), kClearColour) << line;
    EXPECT_EQ(PixelAt(550, y), kClearColour) << line;
  }
}

TEST_F(TwisterTest, PeriodSwingsBetweenOneAndSixtyNine) {
  for (auto [elapsed, period] : {std::pair{0.0f, 35.0f}, {1800.0f, 69.0f}, {5400.0f, 1.0f}}) {
    demo.elapsed = elapsed;
    EXPECT_FLOAT_EQ(TwistPeriod(), period) << elapsed;
  }
}

}  // namespace
