// Loading pictures: masking of pure black, alpha kept, handles, and the
// padded power-of-two texture.
#include <GL/gl.h>

#include "support/headless.h"

namespace {

using Bytes = std::vector<unsigned char>;

class ImageTest : public DisplayTest {};

Bytes TexturePixels(const TImage& image) {
  Bytes texels(size_t(image.texture_width) * image.texture_height * 4);
  glBindTexture(GL_TEXTURE_2D, image.texture);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  glBindTexture(GL_TEXTURE_2D, Memory().texture);
  return texels;
}

TEST_F(ImageTest, PureBlackBecomesTransparentWithItsNeighboursAverage) {
  // 3 x 3 RGB without alpha; the expected RGBA of every pixel after masking.
  const Bytes rgb = {10, 20, 30, 0, 0, 0,  1,  1,  1,  0, 0, 0, 0, 0, 0,
                     40, 50, 60, 100, 0, 0, 0, 0, 0, 0, 0, 0};
  const int expected[9][4] = {{10, 20, 30, 255}, {17, 23, 30, 0}, {1, 1, 1, 255},
                              {55, 10, 15, 0},   {37, 17, 22, 0}, {40, 50, 60, 255},
                              {100, 0, 0, 255},  {70, 25, 30, 0}, {40, 50, 60, 0}};
  std::string path = TempPath("mask.png");
  WritePng(path, 3, 3, 3, rgb);
  TImage* image = LoadImage(path, -1);
  ASSERT_NE(image, nullptr);
  ASSERT_EQ(image->pixels.size(), 36u);
  for (int i = 0; i < 9; ++i)
    for (int c = 0; c < 4; ++c) EXPECT_EQ(image->pixels[size_t(i) * 4 + c], expected[i][c]) << "pixel " << i;
}

TEST_F(ImageTest, WithoutTheMaskFlagBlackStaysOpaque) {
  std::string path = TempPath("black.png");
  WritePng(path, 2, 1, 3, Bytes(6, 0));
  TImage* image = LoadImage(path, kImageFiltered);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels[3], 255);
}

TEST_F(ImageTest, JpegBlackIsTransparentAndNearBlackOpaque) {
  // Left 16 columns (0, 0, 0), right 16 columns (1, 1, 1): whole blocks, so
  // the compression keeps both exactly.
  Bytes rgb(32 * 16 * 3, 0);
  for (int y = 0; y < 16; ++y)
    for (int x = 16; x < 32; ++x)
      for (int c = 0; c < 3; ++c) rgb[(size_t(y) * 32 + x) * 3 + c] = 1;
  std::string path = TempPath("halves.jpg");
  WriteJpeg(path, 32, 16, rgb);
  TImage* image = LoadImage(path, -1);
  ASSERT_NE(image, nullptr);
  SetBlend(3);
  SetClsColor(200, 0, 0);
  Cls();
  SetScale(4, 4);
  DrawImage(image, 0, 0, 0);
  EXPECT_EQ(PixelAt(20, 30), (Rgb{200, 0, 0})) << "black should be transparent";
  EXPECT_EQ(PixelAt(100, 30), (Rgb{1, 1, 1})) << "near black should be drawn";
}

TEST_F(ImageTest, PictureWithAlphaKeepsItsOwnAlphaBlackIncluded) {
  const Bytes rgba = {0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 128, 9, 9, 9, 255};
  std::string path = TempPath("alpha.png");
  WritePng(path, 2, 2, 4, rgba);
  TImage* image = LoadImage(path, -1);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->pixels, rgba);
  SetBlend(3);
  SetClsColor(0, 0, 200);
  Cls();
  SetScale(10, 10);
  DrawImage(image, 0, 0, 0);
  EXPECT_EQ(PixelAt(2, 2), (Rgb{0, 0, 0})) << "opaque black is drawn";
}

TEST_F(ImageTest, GreyPicturesExpandToRgbAndGreyAlphaKeepsAlpha) {
  std::string grey = TempPath("grey.png"), greyAlpha = TempPath("greyalpha.png");
  WritePng(grey, 2, 1, 1, {0, 77});
  WritePng(greyAlpha, 1, 1, 2, {0, 50});
  TImage* g = LoadImage(grey, -1);
  TImage* ga = LoadImage(greyAlpha, -1);
  ASSERT_NE(g, nullptr);
  ASSERT_NE(ga, nullptr);
  EXPECT_EQ(g->pixels, (Bytes{77, 77, 77, 0, 77, 77, 77, 255}));
  EXPECT_EQ(ga->pixels, (Bytes{0, 0, 0, 50}));
}

TEST_F(ImageTest, TextureIsPowerOfTwoWithTheLastRowAndColumnRepeated) {
  Bytes rgba;
  for (int i = 0; i < 9; ++i) rgba.insert(rgba.end(), {(unsigned char)(10 * i + 5), 1, 2, 255});
  std::string path = TempPath("pad.png");
  WritePng(path, 3, 3, 4, rgba);
  TImage* image = LoadImage(path, -1);
  ASSERT_NE(image, nullptr);
  ASSERT_EQ(image->texture_width, 4);
  ASSERT_EQ(image->texture_height, 4);
  EXPECT_EQ(image->u, 0.75f);
  EXPECT_EQ(image->v, 0.75f);
  Bytes t = TexturePixels(*image);
  auto red = [&](int x, int y) { return int(t[(size_t(y) * 4 + x) * 4]); };
  for (int y = 0; y < 3; ++y) EXPECT_EQ(red(3, y), red(2, y)) << "row " << y;
  for (int x = 0; x < 3; ++x) EXPECT_EQ(red(x, 3), red(x, 2)) << "column " << x;
  EXPECT_EQ(red(3, 3), 85);  // the picture's bottom-right pixel
}

TEST_F(ImageTest, TextureSizesFollowThePictureSize) {
  const struct {
    int w, h, tw, th;
  } cases[] = {{800, 1, 1024, 1}, {1, 1, 1, 1}, {33, 20, 64, 32}, {256, 257, 256, 512}};
  for (const auto& c : cases) {
    std::string path = TempPath("size" + std::to_string(c.w) + "x" + std::to_string(c.h) + ".png");
    WritePng(path, c.w, c.h, 4, Bytes(size_t(c.w) * c.h * 4, 255));
    TImage* image = LoadImage(path, -1);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->texture_width, c.tw) << c.w << " x " << c.h;
    EXPECT_EQ(image->texture_height, c.th) << c.w << " x " << c.h;
    EXPECT_EQ(image->u, float(c.w) / float(c.tw));
  }
}

TEST_F(ImageTest, MissingPictureWarnsOnceNamingTheFile) {
  testing::internal::CaptureStderr();
  TImage* image = LoadImage("no/such/picture.png", -1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(image, nullptr);
  EXPECT_NE(err.find("no/such/picture.png"), std::string::npos) << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
}

}  // namespace
