// The colour split: the frame rebuilt on a cleared screen, red shifted by
// (dx, dy), green in place, blue shifted by (-dx, -dy).
#include "fx_fixture.h"

namespace {

class RgbSplitTest : public FxTest {};

TEST_F(RgbSplitTest, WhiteLineSplitsIntoThreeColours) {
  const struct {
    float dx, dy;
    bool vertical;  // a vertical line at x = 400, or a horizontal one at y = 300
    int shift;      // pixels the red line moves right or up
  } cases[] = {{0.05f, 0.0f, true, 20}, {1.0f / 40, 0.0f, true, 10}, {-0.05f, 0.0f, true, -20},
               {0.0f, 0.1f, false, 30}, {0.0f, 0.0f, true, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "dx " << c.dx << ", dy " << c.dy);
    Cls();
    if (c.vertical) {
      Fill(kWhite, 400, 0, 1, 600);
    } else {
      Fill(kWhite, 0, 300, 800, 1);
    }
    FxRgbSplit(c.dx, c.dy);
    // Walk across the line: along row 300 for a vertical line, down column 400
    // for a horizontal one, where up is towards smaller rows.
    const std::vector<unsigned char> out = Snapshot();
    const int line = c.vertical ? 400 : 300, red = line + (c.vertical ? c.shift : -c.shift), blue = 2 * line - red;
    for (int p = 0; p < (c.vertical ? 800 : 600); ++p) {
      const Rgb got = c.vertical ? At(out, p, 300) : At(out, 400, p);
      EXPECT_EQ(got, (Rgb{p == red ? 255 : 0, p == line ? 255 : 0, p == blue ? 255 : 0})) << "at " << p;
    }
  }
}

TEST_F(RgbSplitTest, ClearColourLiftsEveryPixel) {
  SetClsColor(1, 1, 10);
  Cls();
  Fill({100, 150, 200}, 100, 100, 200, 200);
  Fill({250, 250, 250}, 500, 100, 200, 200);
  FxRgbSplit(0.0f, 0.0f);
  EXPECT_EQ(PixelAt(200, 200), (Rgb{101, 151, 210}));
  EXPECT_EQ(PixelAt(600, 200), (Rgb{251, 251, 255}));
  EXPECT_EQ(PixelAt(50, 500), (Rgb{2, 2, 20}));
}

TEST_F(RgbSplitTest, PureGreenFrameOnlyGainsTheClearColour) {
  SetClsColor(1, 1, 10);
  const float shifts[][2] = {{0.05f, 0.0f}, {-0.03f, 0.2f}, {0.5f, -0.5f}};
  for (const auto& s : shifts) {
    Fill({0, 180, 0}, 0, 0, 800, 600);
    FxRgbSplit(s[0], s[1]);
    EXPECT_EQ(CountNot({1, 181, 10}, 0, 0, 800, 600), 0) << "dx " << s[0] << ", dy " << s[1];
  }
}

}  // namespace
