// PNG output through libpng. No time or text chunks are written, so the same
// frame always gives the same bytes.
#include "png_out.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>

namespace {

void PngFail(png_structp png, png_const_charp message) {
  auto* why = static_cast<std::string*>(png_get_error_ptr(png));
  if (why) *why = message;
  png_longjmp(png, 1);
}

void PngWarn(png_structp, png_const_charp) {}

// Everything the longjmp path reads lives outside the function's own frame.
bool WriteRows(FILE* file, const FrameView& frame, std::string* why) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, why, PngFail, PngWarn);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file);
  png_set_IHDR(png, info, png_uint_32(frame.width), png_uint_32(frame.height), 8, PNG_COLOR_TYPE_RGB,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  const size_t stride = size_t(frame.width) * 3;
  for (int y = 0; y < frame.height; ++y) png_write_row(png, frame.rgb + stride * size_t(y));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool WriteFramePng(const std::string& path, const FrameView& frame, std::string& error) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) {
    error = "cannot write " + path + ": " + std::strerror(errno);
    return false;
  }
  std::string why;
  bool written = WriteRows(file, frame, &why);
  if (std::fclose(file) != 0 && written) {
    written = false;
    why = std::strerror(errno);
  }
  if (!written) error = "cannot write " + path + ": " + (why.empty() ? "PNG encoding failed" : why);
  return written;
}
