// Rectangles, images, ovals and lines land on the pixels they should.
#include <GL/gl.h>

#include "support/headless.h"

namespace {

const Rgb kWhite{255, 255, 255};
const Rgb kBlack{0, 0, 0};

class PrimitivesTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    SetBlend(3);
  }
};

// The smallest rectangle holding every pixel that is not black.
struct Box {
  int x0 = 800, y0 = 600, x1 = -1, y1 = -1, count = 0;
};

Box LitBox() {
  std::vector<unsigned char> rgb = Snapshot();
  Box b;
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) {
      const unsigned char* p = &rgb[(size_t(y) * 800 + x) * 3];
      if (p[0] || p[1] || p[2]) {
        b.x0 = std::min(b.x0, x), b.y0 = std::min(b.y0, y);
        b.x1 = std::max(b.x1, x), b.y1 = std::max(b.y1, y);
        ++b.count;
      }
    }
  return b;
}

TEST_F(PrimitivesTest, RotatedRectangleTurnsAboutItsCorner) {
  SetRotation(90);
  SetScale(1, 1);
  DrawRect(100, 100, 50, 10);
  Box b = LitBox();
  EXPECT_EQ(b.x0, 90);
  EXPECT_EQ(b.x1, 99);
  EXPECT_EQ(b.y0, 100);
  EXPECT_EQ(b.y1, 149);
  EXPECT_EQ(b.count, 500);
}

TEST_F(PrimitivesTest, MidHandledOddImageIsCentredOnItsPosition) {
  std::string path = TempPath("white33x20.png");
  WritePng(path, 33, 20, 4, std::vector<unsigned char>(33 * 20 * 4, 255));
  AutoMidHandle(true);
  TImage* image = LoadImage(path, -1);
  AutoMidHandle(false);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->handle_x, 16.5f);
  EXPECT_EQ(image->handle_y, 10.0f);
  DrawImage(image, 100, 100, 0);
  // It covers x 83.5 to 116.5 and y 90 to 110: pixel centres 84.5 .. 115.5,
  // plus column 83 whose centre lies on the left edge.
  Box b = LitBox();
  EXPECT_EQ(b.x0, 83);
  EXPECT_EQ(b.x1, 115);
  EXPECT_EQ(b.y0, 90);
  EXPECT_EQ(b.y1, 109);
  EXPECT_EQ(b.count, 33 * 20);
  EXPECT_EQ(PixelAt(100, 100), kWhite);
}

TEST_F(PrimitivesTest, ImageHandleIsTheTopLeftCornerWithoutMidHandle) {
  std::string path = TempPath("white4x4.png");
  WritePng(path, 4, 4, 4, std::vector<unsigned char>(4 * 4 * 4, 255));
  TImage* image = LoadImage(path, -1);
  ASSERT_NE(image, nullptr);
  DrawImage(image, 10, 20, 0);
  Box b = LitBox();
  EXPECT_EQ(b.x0, 10);
  EXPECT_EQ(b.y0, 20);
  EXPECT_EQ(b.count, 16);
}

int OvalVertices(float w, float h) {
  std::vector<GLfloat> buffer(4096);
  glFeedbackBuffer(GLsizei(buffer.size()), GL_2D, buffer.data());
  glRenderMode(GL_FEEDBACK);
  DrawOval(200, 200, w, h);
  GLint used = glRenderMode(GL_RENDER);
  // The driver hands the convex polygon back as a fan of triangles, each a
  // token, a vertex count of 3 and three (x, y) pairs: n vertices make n - 2.
  int triangles = 0;
  for (GLint i = 0; i + 1 < used; i += 2 + 2 * GLint(buffer[size_t(i) + 1])) {
    if (buffer[size_t(i)] != GL_POLYGON_TOKEN) return -1;
    ++triangles;
  }
  return triangles + 2;
}

TEST_F(PrimitivesTest, OvalVertexCountGrowsWithItsSize) {
  EXPECT_EQ(OvalVertices(10, 10), 12);
  EXPECT_EQ(OvalVertices(30, 20), 24);
  EXPECT_EQ(OvalVertices(100, 100), 100);
  EXPECT_EQ(OvalVertices(27, 0), 12);
  EXPECT_EQ(OvalVertices(31, 0), 12);  // 15 rounds down to a multiple of 4
}

TEST_F(PrimitivesTest, OvalIsInscribedInItsRectangle) {
  DrawOval(100, 100, 40, 20);
  Box b = LitBox();
  EXPECT_GE(b.x0, 100);
  EXPECT_LE(b.x1, 139);
  EXPECT_GE(b.y0, 100);
  EXPECT_LE(b.y1, 119);
  EXPECT_EQ(PixelAt(120, 110), kWhite);
  EXPECT_EQ(PixelAt(101, 101), kBlack);  // outside the ellipse, inside the rectangle
}

TEST_F(PrimitivesTest, LineWithLastPixelLightsBothEnds) {
  DrawLine(10, 10, 20, 10, 1);
  for (int x = 10; x <= 20; ++x) EXPECT_EQ(PixelAt(x, 10), kWhite) << "x " << x;
  EXPECT_EQ(PixelAt(9, 10), kBlack);
  EXPECT_EQ(PixelAt(21, 10), kBlack);
  EXPECT_EQ(LitBox().count, 11);
}

TEST_F(PrimitivesTest, LineWithoutLastPixelStopsShortOfItsEnd) {
  DrawLine(10, 10, 20, 10, 0);
  EXPECT_EQ(PixelAt(20, 10), kBlack);
  EXPECT_EQ(LitBox().count, 10);
}

TEST_F(PrimitivesTest, LineEndPixelIsBlendedTwiceWhereTheSegmentCoversIt) {
  SetAlpha(0.5f);
  DrawLine(10, 10, 10, 20, 1);  // vertical: the segment ends short, the point adds the end
  DrawLine(30, 10, 40, 10, 1);
  Rgb single = PixelAt(35, 10);
  EXPECT_EQ(single.r, 127);
  EXPECT_EQ(PixelAt(40, 10), single);
}

TEST_F(PrimitivesTest, PlotLightsOnePixelIgnoringTheMatrix) {
  SetRotation(45);
  SetScale(3, 3);
  Plot(50, 60);
  Box b = LitBox();
  EXPECT_EQ(b.count, 1);
  EXPECT_EQ(b.x0, 50);
  EXPECT_EQ(b.y0, 60);
}

TEST_F(PrimitivesTest, DrawingAnImageThatFailedToLoadIsHarmless) {
  DrawImage(nullptr, 100, 100, 0);
  TImage empty;
  DrawImage(&empty, 100, 100, 0);
  EXPECT_EQ(LitBox().count, 0);
}

}  // namespace
