// Image decoding: PNG and JPEG files into 8-bit RGB or RGBA pixels.
//
// Depends on libpng and libjpeg only; knows nothing of OpenGL or the display,
// so the loaders can be tested and fuzzed on their own. The format is taken
// from the file's first bytes, never from its name.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct Pixmap {
  int width = 0;
  int height = 0;
  int channels = 0;                   // 3: RGB, no alpha of its own; 4: RGBA
  std::vector<unsigned char> pixels;  // rows top to bottom, width * channels bytes each
};

// Largest picture the loaders accept: either side above this, or more decoded
// bytes than kMaxImageBytes, is refused before any pixel memory is taken.
constexpr int kMaxImageSide = 16384;
constexpr size_t kMaxImageBytes = size_t(256) << 20;

// Decode a PNG or JPEG held in memory. On failure returns false and says why in error.
bool DecodeImage(const unsigned char* data, size_t size, Pixmap& out, std::string& error);

// Read a whole file and decode it.
bool DecodeImageFile(const std::string& path, Pixmap& out, std::string& error);

// Read a whole file into bytes; false with a reason when it cannot be read.
bool ReadFileBytes(const std::string& path, std::vector<unsigned char>& out, std::string& error);
