// The drawing state: clamping of colour and alpha, the drawing matrix, and
// the blend mode and texture memories that skip redundant OpenGL calls.
#include <GL/gl.h>

#include <cmath>
#include <limits>

#include "support/headless.h"

namespace {

struct GLColor {
  int r, g, b, a;
};

GLColor CurrentColor() {
  GLfloat c[4];
  glGetFloatv(GL_CURRENT_COLOR, c);
  auto byte = [](float v) { return int(std::lround(v * 255.0f)); };
  return {byte(c[0]), byte(c[1]), byte(c[2]), byte(c[3])};
}

class StateTest : public DisplayTest {};

TEST_F(StateTest, StartValuesMatchAFreshDisplay) {
  const TDrawState& s = DrawState();
  EXPECT_EQ(s.color_red, 255);
  EXPECT_EQ(s.color_alpha, 1.0f);
  EXPECT_EQ(s.clscolor_red + s.clscolor_green + s.clscolor_blue, 0);
  EXPECT_EQ(s.blend_mode, 1);
  EXPECT_EQ(s.tform_scale_x, 1.0f);
  EXPECT_EQ(s.tform_ix, 1.0f);
  EXPECT_EQ(s.tform_iy, 0.0f);
  EXPECT_EQ(Memory().blend, 1);
  EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
  EXPECT_EQ(PixelAt(0, 0), (Rgb{0, 0, 0}));
}

TEST_F(StateTest, ColourIsStoredAsPassedAndClampedForDrawing) {
  SetColor(300, -5, 128);
  EXPECT_EQ(DrawState().color_red, 300);
  EXPECT_EQ(DrawState().color_green, -5);
  GLColor c = CurrentColor();
  EXPECT_EQ(c.r, 255);
  EXPECT_EQ(c.g, 0);
  EXPECT_EQ(c.b, 128);
  SetBlend(3);
  DrawRect(10, 10, 5, 5);
  EXPECT_EQ(PixelAt(12, 12), (Rgb{255, 0, 128}));
}

TEST_F(StateTest, AlphaByteIsTheTruncatedClampedAlpha) {
  const struct {
    float alpha;
    int byte;
  } cases[] = {{0.5f, 127}, {1.0f, 255}, {1.2f, 255}, {-0.01f, 0},
               {0.99f, 252}, {0.98f, 249}, {0.97f, 247}, {std::numeric_limits<float>::quiet_NaN(), 0}};
  for (const auto& c : cases) {
    SetAlpha(c.alpha);
    EXPECT_EQ(CurrentColor().a, c.byte) << "alpha " << c.alpha;
  }
  SetAlpha(-0.01f);
  EXPECT_EQ(DrawState().color_alpha, -0.01f);
}

TEST_F(StateTest, TransparentDrawsLeaveTheScreenUnchanged) {
  SetBlend(3);
  SetColor(10, 20, 30);
  DrawRect(0, 0, 50, 50);
  SetColor(255, 255, 255);
  SetAlpha(-0.01f);
  DrawRect(0, 0, 50, 50);
  EXPECT_EQ(PixelAt(25, 25), (Rgb{10, 20, 30}));
}

TEST_F(StateTest, ClearColourIsClampedAndCleared) {
  SetClsColor(1, 1, 10);
  Cls();
  EXPECT_EQ(PixelAt(400, 300), (Rgb{1, 1, 10}));
  SetClsColor(-4, 999, 128);
  Cls();
  EXPECT_EQ(PixelAt(0, 599), (Rgb{0, 255, 128}));
  EXPECT_EQ(DrawState().clscolor_green, 999);
}

TEST_F(StateTest, BlendModesApplyTheirOpenGLState) {
  const struct {
    int mode;
    bool blend, alphaTest;
    GLint src, dst;
  } cases[] = {
      {1, false, true, 0, 0},
      {2, false, false, 0, 0},
      {3, true, false, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA},
      {4, true, false, GL_SRC_ALPHA, GL_ONE},
      {5, true, false, GL_DST_COLOR, GL_ZERO},
      {9, false, false, 0, 0},
  };
  for (const auto& c : cases) {
    SetBlend(c.mode);
    EXPECT_EQ(DrawState().blend_mode, c.mode);
    EXPECT_EQ(bool(glIsEnabled(GL_BLEND)), c.blend) << "mode " << c.mode;
    EXPECT_EQ(bool(glIsEnabled(GL_ALPHA_TEST)), c.alphaTest) << "mode " << c.mode;
    if (c.blend) {
      GLint src = 0, dst = 0;
      glGetIntegerv(GL_BLEND_SRC, &src);
      glGetIntegerv(GL_BLEND_DST, &dst);
      EXPECT_EQ(src, c.src) << "mode " << c.mode;
      EXPECT_EQ(dst, c.dst) << "mode " << c.mode;
    }
  }
}

TEST_F(StateTest, RepeatedBlendModeMakesNoOpenGLCall) {
  SetBlend(3);
  glDisable(GL_BLEND);  // behind the layer's back
  SetBlend(3);
  EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "the second SetBlend 3 reached OpenGL";
  SetBlend(2);
  SetBlend(3);
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
}

TEST_F(StateTest, MaskedModeDropsFragmentsBelowHalfAlpha) {
  SetBlend(1);
  SetAlpha(0.49f);
  DrawRect(0, 0, 10, 10);
  EXPECT_EQ(PixelAt(5, 5), (Rgb{0, 0, 0}));
  SetAlpha(0.5f);  // alpha byte 127, just below half
  DrawRect(0, 0, 10, 10);
  EXPECT_EQ(PixelAt(5, 5), (Rgb{0, 0, 0}));
  SetAlpha(0.51f);
  DrawRect(0, 0, 10, 10);
  EXPECT_EQ(PixelAt(5, 5), (Rgb{255, 255, 255}));
}

TEST_F(StateTest, DrawingMatrixFollowsRotationAndScale) {
  SetRotation(90);
  SetScale(2, 3);
  const TDrawState& s = DrawState();
  EXPECT_NEAR(s.tform_ix, 0.0f, 1e-6f);
  EXPECT_EQ(s.tform_iy, -3.0f);
  EXPECT_EQ(s.tform_jx, 2.0f);
  EXPECT_NEAR(s.tform_jy, 0.0f, 1e-6f);
  SetRotation(0);
  EXPECT_EQ(s.tform_ix, 2.0f);
  EXPECT_EQ(s.tform_jy, 3.0f);
  EXPECT_EQ(s.tform_iy, -0.0f);
}

TEST(DegreesAndTruncation, SineCosineAndIntegerConversion) {
  EXPECT_EQ(double(Sin(90)), 1.0);
  EXPECT_NEAR(double(Cos(60)), 0.5, 1e-15);
  // Worked in extended precision, 300 x Sin(30) rounds to exactly 150.
  EXPECT_EQ(double(300 * Sin(30)), 150.0);
  const struct {
    double in;
    int out;
  } cases[] = {{2.7, 2}, {-2.7, -2}, {127.5, 127}, {-0.5, 0}, {1e12, 2147483647}, {-1e12, -2147483647 - 1},
               {std::numeric_limits<double>::quiet_NaN(), 0}};
  for (const auto& c : cases) EXPECT_EQ(ToInt(c.in), c.out) << c.in;
}

}  // namespace
