// The thumbnail column: five 132 x 99 pixel copies of the feedback texture
// stacked 120 pixels apart, with their left edge at x = 0.6.
#include "fx_fixture.h"

namespace {

// Pixel rows of the thumbnails from the bottom one up, measured from the top;
// each edge falls on a pixel centre, so the rows the edges touch are left out.
const struct {
  int top, bottom;  // the edges at top + 0.5 and bottom + 0.5
} kThumbs[5] = {{493, 592}, {373, 472}, {253, 352}, {133, 232}, {13, 112}};
const int kLeft = 640, kRight = 772;

class ThumbColumnTest : public FxTest {
 protected:
  // Leave `copy` in feedbackTex and `screen` on the screen.
  void Prepare(const Rgb& copy, const Rgb& screen) {
    Fill(copy, 0, 0, 800, 600);
    FxTiles(1);
    Fill(screen, 0, 0, 800, 600);
  }
};

TEST_F(ThumbColumnTest, FiveThumbnailsFillTheirPixelRectangles) {
  Prepare(kWhite, kBlack);
  FxThumbColumn(0, 0, 1.0f, 0.6f);
  int gapTop = 600;
  for (const auto& t : kThumbs) {
    EXPECT_EQ(CountNot(kWhite, kLeft, t.top + 1, kRight, t.bottom), 0) << "thumbnail at row " << t.top;
    EXPECT_EQ(CountNot(kBlack, 0, t.bottom + 1, 800, gapTop), 0) << "below the thumbnail at row " << t.top;
    gapTop = t.top;
  }
  EXPECT_EQ(CountNot(kBlack, 0, 0, 800, gapTop), 0);
  EXPECT_EQ(CountNot(kBlack, 0, 0, kLeft, 600), 0);
  EXPECT_EQ(CountNot(kBlack, kRight, 0, 800, 600), 0);
}

TEST_F(ThumbColumnTest, OnlyCopyOneTakesTheScreenNow) {
  const Rgb grey{60, 60, 60};
  for (int copy : {0, 1, 2, -1}) {
    SCOPED_TRACE(testing::Message() << "copy " << copy);
    Cls();
    DrawQuarters();
    FxTiles(1);
    Fill(grey, 0, 0, 800, 600);
    FxThumbColumn(copy, 0, 1.0f, 0.6f);
    // Each thumbnail shows the whole picture upright, quarter by quarter.
    for (const auto& t : kThumbs)
      for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column)
          EXPECT_EQ(PixelAt(kLeft + 33 + 66 * column, t.top + 25 + 50 * row), copy == 1 ? grey : kQuarter[row][column])
              << "thumbnail at row " << t.top << ", quarter " << column << ", " << row;
    EXPECT_EQ(ReadTexture(feedback.feedbackTex).At(10, 10), copy == 1 ? grey : kQuarter[1][0]);
  }
}

TEST_F(ThumbColumnTest, BlendAddsAndBrightScales) {
  const Rgb copy{100, 0, 200}, screen{60, 60, 60};
  const struct {
    int blend;
    float bright;
    Rgb inside;
  } cases[] = {{0, 1.0f, copy},           {0, 0.5f, {50, 0, 100}}, {0, 0.0f, kBlack},
               {1, 1.0f, {160, 60, 255}}, {1, 0.0f, screen},        {-2, 2.0f, {160, 60, 255}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "blend " << c.blend << ", bright " << c.bright);
    Prepare(copy, screen);
    FxThumbColumn(0, c.blend, c.bright, 0.6f);
    for (const auto& t : kThumbs) EXPECT_EQ(CountNot(c.inside, kLeft, t.top + 1, kRight, t.bottom), 0);
    EXPECT_EQ(CountNot(screen, 0, 0, kLeft, 600), 0);
    EXPECT_EQ(CountNot(screen, 0, kThumbs[1].bottom + 1, 800, kThumbs[0].top), 0);
  }
}

TEST_F(ThumbColumnTest, ColumnPastTheRightEdgeIsCutOff) {
  Prepare(kWhite, kBlack);
  FxThumbColumn(0, 0, 1.0f, 0.8f);  // from x = 720 to 852
  for (const auto& t : kThumbs) {
    EXPECT_EQ(CountNot(kWhite, 720, t.top + 1, 800, t.bottom), 0);
    EXPECT_EQ(CountNot(kBlack, 0, t.top + 1, 720, t.bottom), 0);
  }
}

}  // namespace
