// The zoom echo: fifteen tinted copies of the frame added on top, each pushed
// one step further along the view axis and turned one step further about it.
#include "fx_fixture.h"

namespace {

class ZoomEchoTest : public FxTest {};

// A pixel and what the echo leaves there.
struct Sample {
  int x, y;
  Rgb expected;
};

void ExpectSamples(const std::vector<Sample>& samples) {
  std::vector<unsigned char> rgb = Snapshot();
  for (const Sample& s : samples) EXPECT_EQ(At(rgb, s.x, s.y), s.expected) << "at " << s.x << ", " << s.y;
}

TEST_F(ZoomEchoTest, StillLayersAddFifteenTimesTheTint) {
  const struct {
    Rgb frame, expected;
  } cases[] = {{{40, 60, 100}, {130, 150, 250}}, {{0, 0, 0}, {0, 0, 0}}, {{200, 100, 10}, {255, 250, 25}}};
  for (const auto& c : cases) {
    Fill(c.frame, 0, 0, 800, 600);
    FxZoomEcho(0.15f, 0.1f, 0.1f, 0.0f, 0.0f);
    EXPECT_EQ(CountNot(c.expected, 0, 0, 800, 600), 0) << "frame " << c.frame << ", centre " << PixelAt(400, 300);
  }
}

TEST_F(ZoomEchoTest, ZoomingInShowsNineLayersTheLastTenTimesLarger) {
  // An 8 x 6 marker on the centre; layer i magnifies it 1 / (1 - i / 10) times,
  // so its half-width of 4 pixels grows to 4.4, 5, 5.7, 6.7, 8, 10, 13.3, 20 and 40.
  Fill({100, 100, 100}, 396, 297, 8, 6);
  FxZoomEcho(0.15f, 0.1f, 0.1f, 0.1f, 0.0f);
  auto layers = [](int marker, int n) { return Rgb{marker + 15 * n, marker + 10 * n, marker + 10 * n}; };
  ExpectSamples({
      {401, 300, layers(100, 9)}, {398, 300, layers(100, 9)},  // the marker under every layer
      {411, 300, layers(0, 3)},   {388, 300, layers(0, 3)},    // 3.3, 5 and 10 times
      {415, 300, layers(0, 2)},   {384, 300, layers(0, 2)},    // 5 and 10 times
      {430, 300, layers(0, 1)},   {369, 300, layers(0, 1)},    // 10 times only
      {450, 300, layers(0, 0)},   {349, 300, layers(0, 0)},
      {400, 312, layers(0, 2)},   {400, 287, layers(0, 2)},    // half-height 3: 15 and 30
      {400, 322, layers(0, 1)},   {400, 277, layers(0, 1)},
      {400, 335, layers(0, 0)},   {400, 264, layers(0, 0)},
  });
  // The tenth layer and beyond lie at or before the near plane.
  EXPECT_EQ(CountNot(kBlack, 0, 0, 800, 260), 0);
  EXPECT_EQ(CountNot(kBlack, 0, 340, 800, 600), 0);
}

TEST_F(ZoomEchoTest, ZoomingOutShowsAllFifteenLayersSmaller) {
  // Layer i shrinks the frame 1 + i / 10 times: all fifteen cover the middle,
  // three reach 300 pixels out, none reaches 380.
  Fill({40, 60, 0}, 0, 0, 800, 600);
  FxZoomEcho(0.15f, 0.1f, 0.1f, -0.1f, 0.0f);
  auto layers = [](int n) { return Rgb{40 + 6 * n, 60 + 6 * n, 0}; };
  ExpectSamples({{400, 300, layers(15)}, {500, 300, layers(15)}, {700, 300, layers(3)}, {99, 300, layers(3)},
                 {780, 300, layers(0)},  {400, 10, layers(0)},    {400, 589, layers(0)}});
}

TEST_F(ZoomEchoTest, QuarterTurnsKeepTheScreensShape) {
  // With 90 degrees per layer the eight layers on their side cover only the
  // middle 600 columns: the frustum keeps the screen's 4 : 3 shape.
  Fill({100, 100, 100}, 0, 0, 800, 600);
  FxZoomEcho(0.05f, 0.05f, 0.05f, 0.0f, 90.0f);
  const Rgb all{175, 175, 175}, upright{135, 135, 135};
  ExpectSamples({{95, 300, upright}, {105, 300, all}, {400, 5, all}, {694, 594, all}, {705, 300, upright}});
}

TEST_F(ZoomEchoTest, PositiveAnglesTurnCounterClockwise) {
  // A marker 100 pixels right of the centre; the first layer, turned by 10
  // degrees, shows it 17 pixels above or below its row.
  const struct {
    float angle;
    int litY, darkY;
  } cases[] = {{10.0f, 282, 317}, {-10.0f, 317, 282}};
  for (const auto& c : cases) {
    Cls();
    Fill(kWhite, 497, 297, 6, 6);
    FxZoomEcho(0.15f, 0.1f, 0.1f, 0.0f, c.angle);
    EXPECT_EQ(PixelAt(498, c.litY), (Rgb{38, 26, 26})) << "angle " << c.angle;
    EXPECT_EQ(PixelAt(498, c.darkY), kBlack) << "angle " << c.angle;
  }
}

TEST_F(ZoomEchoTest, StepsThatReachTheViewerAddNothing) {
  for (float dz : {1.0f, 1.5f}) {
    Cls();
    DrawGradient();
    const std::vector<unsigned char> before = Snapshot();
    FxZoomEcho(0.15f, 0.1f, 0.1f, dz, 7.0f);
    EXPECT_TRUE(Snapshot() == before) << "dz " << dz;
  }
}

}  // namespace
