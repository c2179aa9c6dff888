// Fuzz target: the picture decoder on arbitrary bytes (PNG seeds).
#include <cstddef>
#include <cstdint>
#include <string>

#include "draw/image_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Pixmap pixmap;
  std::string error;
  if (DecodeImage(data, size, pixmap, error) &&
      pixmap.pixels.size() != size_t(pixmap.width) * size_t(pixmap.height) * size_t(pixmap.channels))
    __builtin_trap();
  return 0;
}
