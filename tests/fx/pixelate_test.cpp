// Pixelate: the frame shrunk to a size x size block, copied into the second
// texture and blown up again, replacing the frame or added to it.
#include <set>

#include "fx_fixture.h"

namespace {

class PixelateTest : public FxTest {};

GLint MagFilter(unsigned texture) {
  GLint filter = 0;
  glPushAttrib(GL_TEXTURE_BIT);
  glBindTexture(GL_TEXTURE_2D, texture);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filter);
  glPopAttrib();
  return filter;
}

// Pixels of a 20 x 15 cell that differ from its top-left pixel.
int CellSpread(const std::vector<unsigned char>& rgb, int column, int row) {
  const Rgb first = At(rgb, column * 20, row * 15);
  int n = 0;
  for (int y = row * 15; y < row * 15 + 15; ++y)
    for (int x = column * 20; x < column * 20 + 20; ++x) n += At(rgb, x, y) != first;
  return n;
}

TEST_F(PixelateTest, NearestMosaicReplacesTheFrameWithCellsOf20By15) {
  for (int overlay : {0, 2}) {
    SCOPED_TRACE(testing::Message() << "overlay " << overlay);
    Cls();
    DrawGradient();
    const std::vector<unsigned char> frame = Snapshot();
    FxPixelate(40.0f, 1, overlay, 1.0f, 1.0f, 1.0f);
    const std::vector<unsigned char> mosaic = Snapshot();
    const Texels block = ReadTexture(feedback.feedbackTex2);
    for (int row = 0; row < 40; ++row)
      for (int column = 0; column < 40; ++column) {
        SCOPED_TRACE(testing::Message() << "cell " << column << ", " << row << " from the top-left");
        ASSERT_EQ(CellSpread(mosaic, column, row), 0);
        // Each cell samples the frame at its centre, between two pixels of one row.
        const Rgb cell = At(mosaic, column * 20, row * 15);
        const Rgb a = At(frame, column * 20 + 9, row * 15 + 7), b = At(frame, column * 20 + 10, row * 15 + 7);
        EXPECT_NEAR(cell.r, (a.r + b.r) / 2.0, 1.0);
        EXPECT_NEAR(cell.g, (a.g + b.g) / 2.0, 1.0);
        EXPECT_NEAR(cell.b, (a.b + b.b) / 2.0, 1.0);
        // The block in feedbackTex2 starts at the bottom-left corner.
        EXPECT_EQ(block.At(column, 39 - row), cell);
      }
    EXPECT_EQ(MagFilter(feedback.feedbackTex2), GL_NEAREST);
  }
}

TEST_F(PixelateTest, OtherFilterValuesBlurTheEnlargement) {
  for (int nearest : {0, 2, 1}) {
    SCOPED_TRACE(testing::Message() << "nearest " << nearest);
    Cls();
    DrawGradient();
    FxPixelate(40.0f, nearest, 0, 1.0f, 1.0f, 1.0f);
    const std::vector<unsigned char> out = Snapshot();
    std::set<int> reds;
    for (int x = 0; x < 800; ++x) reds.insert(At(out, x, 300).r);
    if (nearest == 1) {
      EXPECT_LE(reds.size(), 40u);
      EXPECT_EQ(CellSpread(out, 17, 23), 0);
    } else {
      EXPECT_GT(reds.size(), 150u);
      EXPECT_GT(CellSpread(out, 17, 23), 100);
    }
    // The filter stays on feedbackTex2, and only there.
    EXPECT_EQ(MagFilter(feedback.feedbackTex2), nearest == 1 ? GL_NEAREST : GL_LINEAR);
    EXPECT_EQ(MagFilter(feedback.feedbackTex), GL_LINEAR);
  }
}

TEST_F(PixelateTest, OverlayAddsTheMosaicToTheFrame) {
  DrawGradient(120);
  const std::vector<unsigned char> frame = Snapshot();
  FxPixelate(40.0f, 1, 0, 1.0f, 1.0f, 1.0f);
  const std::vector<unsigned char> mosaic = Snapshot();
  Cls();
  DrawGradient(120);
  FxPixelate(40.0f, 1, 1, 1.0f, 1.0f, 1.0f);
  const std::vector<unsigned char> out = Snapshot();
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) {
      const Rgb f = At(frame, x, y), m = At(mosaic, x, y);
      ASSERT_EQ(At(out, x, y), (Rgb{f.r + m.r, f.g + m.g, f.b + m.b})) << x << ", " << y;
    }
  // feedbackTex keeps the frame as it was before the effect drew.
  const Texels copy = ReadTexture(feedback.feedbackTex);
  for (int x : {0, 321, 799})
    for (int y : {0, 222, 599}) EXPECT_EQ(copy.At(x, y), At(frame, x, 599 - y)) << "texel " << x << ", " << y;
}

TEST_F(PixelateTest, MosaicIsTintedByTheLayersColourButNotItsAlpha) {
  const Rgb frame{100, 150, 80};
  const struct {
    float alpha, r, g, b;
    Rgb expected;  // frame + frame x (255, 50, 128) / 255 x (r, g, b)
  } cases[] = {{1.0f, 1, 1, 1, {200, 179, 120}},
               {0.3f, 1, 1, 1, {200, 179, 120}},
               {0.0f, 1, 1, 1, {200, 179, 120}},
               {1.0f, 0.5f, 1, 0, {150, 179, 80}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "alpha " << c.alpha << ", r " << c.r << ", b " << c.b);
    Fill(frame, 0, 0, 800, 600);
    SetColor(255, 50, 128);
    SetAlpha(c.alpha);
    FxPixelate(40.0f, 1, 1, c.r, c.g, c.b);
    SetAlpha(1.0f);
    const Rgb got = PixelAt(400, 300);
    EXPECT_NEAR(got.r, c.expected.r, 1);
    EXPECT_NEAR(got.g, c.expected.g, 1);
    EXPECT_NEAR(got.b, c.expected.b, 1);
    EXPECT_EQ(CountNot(got, 0, 0, 800, 600), 0);
  }
}

TEST_F(PixelateTest, BlackFrameStaysBlack) {
  for (int overlay : {1, 0}) {
    Cls();
    FxPixelate(40.0f, 1, overlay, 1.0f, 1.0f, 1.0f);
    EXPECT_EQ(CountNot(kBlack, 0, 0, 800, 600), 0) << "overlay " << overlay;
  }
}

}  // namespace
