// Tiles: the frame replaced by count x count copies of itself, each shrunk to one tile.
#include "fx_fixture.h"

namespace {

class TilesTest : public FxTest {};

// After the quarters frame is tiled into n x n copies, the screen is a grid of
// 2n x 2n cells, each one quarter of a copy in that quarter's colour.
void ExpectQuarterGrid(int n) {
  const int w = 400 / n, h = 300 / n;
  for (int row = 0; row < 2 * n; ++row)
    for (int column = 0; column < 2 * n; ++column)
      EXPECT_EQ(CountNot(kQuarter[row % 2][column % 2], column * w, row * h, (column + 1) * w, (row + 1) * h), 0)
          << n << " x " << n << " tiles, cell " << column << ", " << row << " from the top-left";
}

TEST_F(TilesTest, TwoByTwoShowsFourWholeCopies) {
  DrawQuarters();
  Fill({255, 255, 0}, 0, 590, 10, 10);  // marks the bottom-left corner of the frame
  FxTiles(2);
  for (int x : {0, 400})
    for (int y : {300, 0}) {
      EXPECT_EQ(CountNot({255, 255, 0}, x, y + 295, x + 5, y + 300), 0) << "copy at " << x << ", " << y;
      EXPECT_EQ(PixelAt(x + 7, y + 292), kQuarter[1][0]) << "copy at " << x << ", " << y;
    }
  Cls();
  DrawQuarters();
  FxTiles(2);
  ExpectQuarterGrid(2);
}

TEST_F(TilesTest, TwiceInAFrameGivesFourByFour) {
  DrawQuarters();
  FxTiles(2);
  FxTiles(2);
  ExpectQuarterGrid(4);
}

TEST_F(TilesTest, OneTileLeavesTheFrameUnchanged) {
  DrawGradient();
  const std::vector<unsigned char> before = Snapshot();
  FxTiles(1);
  EXPECT_TRUE(Snapshot() == before);
}

TEST_F(TilesTest, NoTilesLeaveTheScreenButStillCopyIt) {
  for (int count : {0, -1, -3}) {
    SCOPED_TRACE(testing::Message() << "count " << count);
    Cls();
    DrawQuarters();
    FxTiles(1);  // feedbackTex now holds the quarters
    Cls();
    DrawGradient();
    const std::vector<unsigned char> before = Snapshot();
    FxTiles(count);
    EXPECT_TRUE(Snapshot() == before);
    // The copy holds the gradient, texel row 0 being the bottom row of the screen.
    const Texels copy = ReadTexture(feedback.feedbackTex);
    for (int x : {0, 123, 799})
      for (int y : {0, 301, 599}) EXPECT_EQ(copy.At(x, y), At(before, x, 599 - y)) << "texel " << x << ", " << y;
  }
}

}  // namespace
