// Scene 3: the twenty disc squares of a frame, the offsets' truncation, the
// counter-turning stars, the dancer's threshold and a drawn frame.
#include <cmath>

#include "scenes/scene_trace.h"

namespace {

const Rgb kFigure{20, 220, 40}, kStar{240, 240, 20}, kDancer{30, 60, 250};

struct Square {
  int x, y, side;
  Rgb colour;
  bool operator==(const Square& o) const { return x == o.x && y == o.y && side == o.side && colour == o.colour; }
};
std::ostream& operator<<(std::ostream& os, const Square& s) {
  return os << "(" << s.x << ", " << s.y << ", " << s.side << ") " << s.colour;
}

const Rgb kRed{255, 0, 0}, kOrange{255, 100, 0}, kBrown{128, 50, 0}, kOlive{128, 128, 0};

class Scene3Test : public SceneTest {
 protected:
  void SetUp() override {
    SceneTest::SetUp();
    demo.zorvolasit = SolidPicture("zorvolasit", 60, 90, kFigure);
    demo.stara = SolidPicture("stara", 40, 10, kStar);
    demo.tanssija = SolidPicture("tanssija", 50, 70, kDancer);
  }
};

// The discs of a traced frame, in drawing order: the untextured ovals at alpha 0.4.
std::vector<Square> Discs(const FrameAfter& frame) {
  std::vector<Square> out;
  for (const TracePolygon& p : frame.trace.polygons) {
    const TraceVertex& v = p.v.front();
    if (p.textured || std::lround(v.a * 255) != 102) continue;
    Bounds b = BoundsOf(p);
    EXPECT_NEAR(b.x1 - b.x0, b.y1 - b.y0, 1e-3) << "a disc fills a square";
    out.push_back(Square{int(std::lround(b.x0)), int(std::lround(b.y0)), int(std::lround(b.x1 - b.x0)),
                         Rgb{int(std::lround(v.r * 255)), int(std::lround(v.g * 255)), int(std::lround(v.b * 255))}});
  }
  return out;
}

TEST_F(Scene3Test, FirstFrameDrawsEachDiscAtItsOldAngleUntilItsPassAdvancesIt) {
  std::vector<FrameAfter> frames = RunFrames(Scene3, {14100}, {0});
  const Square d1{310, 499, 208, kRed};
  const Square d2old{300, 500, 205, kOrange}, d2{290, 499, 202, kOrange};
  const Square d3old{500, 300, 271, kBrown}, d3{499, 294, 271, kBrown};
  const Square d4old{500, 300, 271, kOlive}, d4{499, 306, 271, kOlive};
  const std::vector<Square> expected = {
      d1, d2old, d3old, d4old,  // pass 1 advances disc 1
      d1, d2, d3old, d4old,     // pass 2 advances disc 2
      d1, d2, d3, d4old,        // pass 3
      d1, d2, d3, d4,           // pass 4
      d1, d2, d3, d4,           // pass 5 advances nothing
  };
  EXPECT_EQ(Discs(frames[0]), expected);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(frames[0].demo.discAngle[k], 2) << "disc " << k;
  // 200 x Sin(-2) = -6.98 truncates toward zero, and so does -10 / 3.
  EXPECT_EQ(frames[0].demo.discY[3], -6);
  EXPECT_EQ(frames[0].demo.discX[2], -10);
}

TEST_F(Scene3Test, WholeProductsTruncateToThemselves) {
  // Angles 28 on entry reach 30: 300 x Sin(30) is 150 exactly.
  for (int k = 1; k <= 4; ++k) demo.discAngle[k] = 28;
  std::vector<FrameAfter> frames = RunFrames(Scene3, {14100}, {0});
  const DemoState& d = frames[0].demo;
  EXPECT_EQ(d.discX[1], 150);
  EXPECT_EQ(d.discX[2], -150);
  EXPECT_EQ(d.discY[1], 173);
  EXPECT_EQ(d.discY[3], -100);
  EXPECT_EQ(d.discY[4], 100);
  std::vector<Square> discs = Discs(frames[0]);
  ASSERT_EQ(discs.size(), 20u);
  EXPECT_EQ(discs[16], (Square{450, 473, 255, kRed}));
  EXPECT_EQ(discs[17], (Square{150, 473, 155, kOrange}));
  EXPECT_EQ(discs[18], (Square{473, 200, 262, kBrown}));
  EXPECT_EQ(discs[19], (Square{473, 400, 262, kOlive}));
}

// The images of a traced frame: the figure, the two stars and perhaps the dancer.
std::vector<TracePolygon> Images(const FrameAfter& frame) {
  return PolygonsIn(frame.trace, true, {255, 255, 255}, 1.0f);
}

TEST_F(Scene3Test, StarsTurnByThePhaseInOppositeDirections) {
  // 20250 ms: phase 4050 degrees, a quarter turn past whole turns; 18000 ms: whole turns.
  std::vector<FrameAfter> frames = RunFrames(Scene3, {20250, 18000}, {0, 1});
  for (size_t f = 0; f < 2; ++f) {
    std::vector<TracePolygon> images = Images(frames[f]);
    ASSERT_EQ(images.size(), 3u);
    Placement figure = PlaceImage(images[0], *demo.zorvolasit);
    EXPECT_NEAR(figure.x, 400, 1e-3);
    EXPECT_NEAR(figure.y, 300, 1e-3);
    EXPECT_NEAR(figure.rotation, 0, 1e-4);
    Placement left = PlaceImage(images[1], *demo.stara), right = PlaceImage(images[2], *demo.stara);
    EXPECT_NEAR(left.x, 160, 1e-3);
    EXPECT_NEAR(left.y, 240, 1e-3);
    EXPECT_NEAR(right.x, 300, 1e-3);
    EXPECT_NEAR(right.y, 240, 1e-3);
    const double turn = f == 0 ? 90 : 0;
    EXPECT_NEAR(left.rotation, turn, 1e-2);
    EXPECT_NEAR(right.rotation, -turn, 1e-2);
    EXPECT_EQ(frames[f].state.tform_rot, 0.0f);
  }
}

TEST_F(Scene3Test, DancerAppearsOnlyPastTwentyOneSeconds) {
  // 21150 ms: the wave is -10 (phase 4230 degrees).
  std::vector<FrameAfter> frames = RunFrames(Scene3, {21000, 21001, 21150}, {0, 1, 2});
  EXPECT_EQ(Images(frames[0]).size(), 3u) << "no dancer at exactly 21000 ms";
  std::vector<TracePolygon> images = Images(frames[2]);
  ASSERT_EQ(Images(frames[1]).size(), 4u);
  ASSERT_EQ(images.size(), 4u);
  Placement dancer = PlaceImage(images[3], *demo.tanssija);
  EXPECT_NEAR(dancer.x, 600, 1e-3);
  EXPECT_NEAR(dancer.y, 290, 1e-3);
  EXPECT_NEAR(dancer.rotation, 0, 1e-4);
}

TEST_F(Scene3Test, DrawnFrameShowsTheDiscsUnderTheFigures) {
  RunFrames(Scene3, {21150});
  // The images are drawn last, opaque and unechoed.
  EXPECT_EQ(PixelAt(400, 300), kFigure);
  EXPECT_EQ(PixelAt(160, 240), kStar);
  EXPECT_EQ(PixelAt(300, 240), kStar);
  EXPECT_EQ(PixelAt(600, 290), kDancer);
  // The discs carry no blue: where they lie, red leads and blue stays near
  // the clear colour's, however much of them the echo adds.
  for (auto [x, y] : {std::pair{400, 560}, {700, 440}, {560, 380}}) {
    const Rgb p = PixelAt(x, y);
    EXPECT_GT(p.r, 100) << x << ", " << y << ": " << p;
    EXPECT_GE(p.r, p.g) << x << ", " << y << ": " << p;
    EXPECT_LT(p.b, 30) << x << ", " << y << ": " << p;
  }
  // Left of the discs only the clear colour, a little brightened by the echo.
  const Rgb empty = PixelAt(60, 400);
  EXPECT_LT(empty.r, 20) << empty;
  EXPECT_GE(empty.b, kClearColour.b) << empty;
}

}  // namespace
