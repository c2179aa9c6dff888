// The kaleidoscope: the top-left quarter drawn into all four quarters, mirrored
// so that they meet at the centre.
#include "fx_fixture.h"

namespace {

class KaleidoTest : public FxTest {};

TEST_F(KaleidoTest, DotLandsInAllFourQuartersMirrored) {
  Fill(kWhite, 100, 50, 1, 1);
  FxKaleido(0, 1.0f);
  for (int x : {100, 699})
    for (int y : {50, 549}) EXPECT_EQ(PixelAt(x, y), kWhite) << x << ", " << y;
  EXPECT_EQ(CountNot(kBlack, 0, 0, 800, 600), 4);
}

TEST_F(KaleidoTest, QuarterIsMirroredPixelForPixel) {
  DrawGradient();
  Fill(kWhite, 30, 20, 50, 7);
  const std::vector<unsigned char> frame = Snapshot();
  FxKaleido(0, 1.0f);
  const std::vector<unsigned char> out = Snapshot();
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x) {
      const Rgb quarter = At(frame, x, y);
      ASSERT_EQ(At(out, x, y), quarter) << x << ", " << y;
      ASSERT_EQ(At(out, 799 - x, y), quarter) << x << ", " << y;
      ASSERT_EQ(At(out, x, 599 - y), quarter) << x << ", " << y;
      ASSERT_EQ(At(out, 799 - x, 599 - y), quarter) << x << ", " << y;
    }
}

TEST_F(KaleidoTest, BlendKeepsTheOtherQuartersUnderneath) {
  const Rgb mark{0, 90, 40}, dot{100, 0, 0};
  for (int blend : {0, 1, 5}) {
    SCOPED_TRACE(testing::Message() << "blend " << blend);
    Cls();
    Fill(dot, 100, 50, 10, 10);
    Fill(mark, 600, 100, 20, 20);  // top-right
    Fill(mark, 100, 400, 20, 20);  // bottom-left
    Fill(mark, 690, 540, 20, 20);  // bottom-right, under the mirrored dot
    FxKaleido(blend, 1.0f);
    const Rgb kept = blend ? mark : kBlack;
    EXPECT_EQ(PixelAt(610, 110), kept);
    EXPECT_EQ(PixelAt(110, 410), kept);
    EXPECT_EQ(PixelAt(705, 555), kept);
    EXPECT_EQ(PixelAt(695, 545), (blend ? Rgb{100, 90, 40} : dot));  // added over the mark
    EXPECT_EQ(PixelAt(105, 55), (blend ? Rgb{200, 0, 0} : dot));     // the quarter on itself
  }
}

TEST_F(KaleidoTest, SecondCallChangesNothing) {
  DrawQuarters();
  DrawGradient(120);
  FxKaleido(0, 1.0f);
  const std::vector<unsigned char> once = Snapshot();
  FxKaleido(0, 1.0f);
  EXPECT_TRUE(Snapshot() == once);
}

TEST_F(KaleidoTest, BrightAboveOneActsAsOne) {
  std::vector<unsigned char> pictures[3];
  const float brights[3] = {1.0f, 2.0f, 0.5f};
  for (int i = 0; i < 3; ++i) {
    Cls();
    DrawGradient(200);
    FxKaleido(0, brights[i]);
    pictures[i] = Snapshot();
  }
  EXPECT_TRUE(pictures[1] == pictures[0]);
  EXPECT_EQ(At(pictures[2], 200, 200).r, At(pictures[0], 200, 200).r / 2);
}

TEST_F(KaleidoTest, CopyReplacesOnlyTheLowerLeftOfTheTexture) {
  DrawQuarters();
  FxTiles(1);  // the whole quarters frame in feedbackTex
  Cls();
  DrawGradient();
  const std::vector<unsigned char> frame = Snapshot();
  FxKaleido(0, 1.0f);
  const Texels copy = ReadTexture(feedback.feedbackTex);
  // Texel row 0 holds the screen row just above the middle.
  for (int x : {0, 150, 399})
    for (int y : {0, 123, 299}) EXPECT_EQ(copy.At(x, y), At(frame, x, 299 - y)) << "texel " << x << ", " << y;
  EXPECT_EQ(copy.At(400, 0), kQuarter[1][1]);
  EXPECT_EQ(copy.At(799, 299), kQuarter[1][1]);
  EXPECT_EQ(copy.At(0, 300), kQuarter[0][0]);
  EXPECT_EQ(copy.At(399, 599), kQuarter[0][0]);
  EXPECT_EQ(copy.At(400, 300), kQuarter[0][1]);
  EXPECT_EQ(copy.At(799, 599), kQuarter[0][1]);
}

}  // namespace
