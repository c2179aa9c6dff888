// Test support: the headless display and small fixture files.
#include "support/headless.h"

#include <GL/gl.h>
#include <jpeglib.h>
#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

std::ostream& operator<<(std::ostream& os, const Rgb& c) {
  return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

void OpenHeadlessDisplay() {
  static bool open = false;
  if (open) return;
  SetHeadless(true);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  ASSERT_TRUE(CreateGraphics(800, 600, 32, 60, 0)) << GraphicsError();
  open = true;
  // Close the display before the process ends, so the driver's threads are
  // gone by the time a leak check stops the world.
  std::atexit(ShutdownPlatform);
}

void DisplayTest::SetUp() {
  OpenHeadlessDisplay();
  SetClockSource(nullptr);
  SetEscapeSource(nullptr);
  SetFrameSink(nullptr);
  ResetDrawingState();
  Cls();
}

void DisplayTest::TearDown() {
  SetClockSource(nullptr);
  SetEscapeSource(nullptr);
  SetFrameSink(nullptr);
}

Rgb PixelAt(int x, int y) {
  unsigned char p[3] = {0, 0, 0};
  glReadPixels(x, 599 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, p);
  return Rgb{p[0], p[1], p[2]};
}

std::vector<unsigned char> Snapshot() {
  std::vector<unsigned char> rgb;
  ReadTarget(rgb);
  return rgb;
}

int CountNot(const Rgb& c, int x0, int y0, int x1, int y1) {
  std::vector<unsigned char> rgb = Snapshot();
  int n = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const unsigned char* p = &rgb[(size_t(y) * 800 + x) * 3];
      if (p[0] != c.r || p[1] != c.g || p[2] != c.b) ++n;
    }
  return n;
}

namespace {

struct TempDir {
  std::filesystem::path path;
  TempDir() {
    char pattern[] = "/tmp/demo-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    path = made ? made : "/tmp";
  }
  ~TempDir() {
    std::error_code ignored;
    if (path != "/tmp") std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

std::string TempPath(const std::string& name) {
  static TempDir dir;
  return (dir.path / name).string();
}

void WritePng(const std::string& path, int width, int height, int channels, const std::vector<unsigned char>& pixels) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, file);
  int type = channels == 4 ? PNG_COLOR_TYPE_RGBA : channels == 3 ? PNG_COLOR_TYPE_RGB
             : channels == 2 ? PNG_COLOR_TYPE_GRAY_ALPHA : PNG_COLOR_TYPE_GRAY;
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, type, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < height; ++y)
    png_write_row(png, const_cast<png_bytep>(pixels.data() + size_t(y) * width * channels));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(file);
}

void WriteJpeg(const std::string& path, int width, int height, const std::vector<unsigned char>& rgb, int quality) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  jpeg_compress_struct cinfo;
  jpeg_error_mgr errors;
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file);
  cinfo.image_width = JDIMENSION(width);
  cinfo.image_height = JDIMENSION(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.data() + size_t(cinfo.next_scanline) * width * 3);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  std::fclose(file);
}

TImage* FixturePicture(const std::string& name, int width, int height, const std::vector<unsigned char>& rgba) {
  const std::string path = TempPath(name + ".png");
  WritePng(path, width, height, 4, rgba);
  AutoMidHandle(true);
  TImage* image = LoadImage(path, -1);
  AutoMidHandle(false);
  EXPECT_NE(image, nullptr) << name;
  return image;
}

TImage* SolidPicture(const std::string& name, int width, int height, const Rgb& colour) {
  std::vector<unsigned char> rgba(size_t(width) * height * 4);
  for (size_t i = 0; i < rgba.size(); i += 4) {
    rgba[i] = (unsigned char)colour.r;
    rgba[i + 1] = (unsigned char)colour.g;
    rgba[i + 2] = (unsigned char)colour.b;
    rgba[i + 3] = 255;
  }
  return FixturePicture(name, width, height, rgba);
}
