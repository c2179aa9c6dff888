// Loading pictures: decode, mask pure black in pictures without alpha, set the
// handle, and upload one power-of-two texture per picture.
#include <algorithm>
#include <cstdio>
#include <memory>

#include "draw/image_decode.h"
#include "draw/layer.h"
#include "draw/pacer.h"

namespace {

bool autoMidHandle = false;

// Every picture lives until the program ends; owned here so it is released then.
std::vector<std::unique_ptr<TImage>> loadedImages;

int NextPowerOfTwo(int v) {
  int p = 1;
  while (p < v) p <<= 1;
  return p;
}

// RGBA from the decoded pixels. Without an alpha channel of its own a masked
// picture makes every pixel of exactly the mask colour transparent and gives it
// the average colour of its non-black neighbours, so filtering at the edge of a
// transparent area does not bleed black into the picture.
void ToRgba(const Pixmap& in, bool masked, std::vector<unsigned char>& out) {
  const int w = in.width, h = in.height;
  out.assign(size_t(w) * h * 4, 0);
  if (in.channels == 4) {
    out = in.pixels;
    return;
  }
  const unsigned char* src = in.pixels.data();
  auto isBlack = [&](int x, int y) {
    const unsigned char* p = src + (size_t(y) * w + x) * 3;
    return p[0] == 0 && p[1] == 0 && p[2] == 0;
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const unsigned char* p = src + (size_t(y) * w + x) * 3;
      unsigned char* q = out.data() + (size_t(y) * w + x) * 4;
      if (!masked || !isBlack(x, y)) {
        q[0] = p[0], q[1] = p[1], q[2] = p[2], q[3] = 255;
        continue;
      }
      int sum[3] = {0, 0, 0}, count = 0;
      for (int ny = y - 1; ny <= y + 1; ++ny) {
        for (int nx = x - 1; nx <= x + 1; ++nx) {
          if (nx < 0 || ny < 0 || nx >= w || ny >= h || (nx == x && ny == y) || isBlack(nx, ny)) continue;
          const unsigned char* n = src + (size_t(ny) * w + nx) * 3;
          sum[0] += n[0], sum[1] += n[1], sum[2] += n[2];
          ++count;
        }
      }
      for (int c = 0; c < 3; ++c) q[c] = (unsigned char)(count ? sum[c] / count : 0);
      q[3] = 0;
    }
  }
}

bool TextureSizeAccepted(int w, int h) {
  GLint max = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max);
  if (w > max || h > max) return false;
  glTexImage2D(GL_PROXY_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  GLint got = 0;
  glGetTexLevelParameteriv(GL_PROXY_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &got);
  return got == w;
}

// Box-filter the picture down to w x h (only used when the texture had to shrink).
std::vector<unsigned char> Shrink(const std::vector<unsigned char>& rgba, int sw, int sh, int w, int h) {
  std::vector<unsigned char> out(size_t(w) * h * 4);
  for (int y = 0; y < h; ++y) {
    int y0 = int(long(y) * sh / h), y1 = std::max(y0 + 1, int(long(y + 1) * sh / h));
    for (int x = 0; x < w; ++x) {
      int x0 = int(long(x) * sw / w), x1 = std::max(x0 + 1, int(long(x + 1) * sw / w));
      unsigned long sum[4] = {0, 0, 0, 0};
      for (int yy = y0; yy < y1; ++yy)
        for (int xx = x0; xx < x1; ++xx)
          for (int c = 0; c < 4; ++c) sum[c] += rgba[(size_t(yy) * sw + xx) * 4 + c];
      unsigned long n = unsigned(y1 - y0) * unsigned(x1 - x0);
      for (int c = 0; c < 4; ++c) out[(size_t(y) * w + x) * 4 + c] = (unsigned char)(sum[c] / n);
    }
  }
  return out;
}

// The picture occupies the texels from (0, 0); its last column and row are
// repeated once beyond it, so linear filtering at its far edges never reads
// texels that hold nothing.
void Upload(TImage& image) {
  int tw = NextPowerOfTwo(image.width), th = NextPowerOfTwo(image.height);
  while (!TextureSizeAccepted(tw, th) && (tw > 1 || th > 1)) {
    if (tw > 1) tw /= 2;
    if (th > 1) th /= 2;
  }
  int w = std::min(image.width, tw), h = std::min(image.height, th);
  const std::vector<unsigned char>* source = &image.pixels;
  std::vector<unsigned char> shrunk;
  if (w != image.width || h != image.height) {
    shrunk = Shrink(image.pixels, image.width, image.height, w, h);
    source = &shrunk;
  }
  std::vector<unsigned char> texels(size_t(tw) * th * 4, 0);
  for (int y = 0; y < h; ++y) {
    std::copy_n(source->data() + size_t(y) * w * 4, size_t(w) * 4, texels.data() + size_t(y) * tw * 4);
    if (w < tw) std::copy_n(texels.data() + (size_t(y) * tw + w - 1) * 4, 4, texels.data() + (size_t(y) * tw + w) * 4);
  }
  if (h < th) {
    size_t rowBytes = size_t(std::min(w + 1, tw)) * 4;
    std::copy_n(texels.data() + size_t(h - 1) * tw * 4, rowBytes, texels.data() + size_t(h) * tw * 4);
  }

  GLuint name = 0;
  glGenTextures(1, &name);
  if (!name) return;
  layer::BindTexture(name);
  GLint filter = (image.flags & kImageFiltered) ? GL_LINEAR : GL_NEAREST;
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, tw, th, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
  image.texture = name;
  image.texture_width = tw;
  image.texture_height = th;
  image.u = float(w) / float(tw);
  image.v = float(h) / float(th);
}

}  // namespace

void AutoMidHandle(bool on) { autoMidHandle = on; }

LoadTimings& LoadTimes() {
  static LoadTimings timings;
  return timings;
}

TImage* LoadImage(const std::string& path, int flags) {
  const double started = MonotonicSeconds();
  Pixmap decoded;
  std::string error;
  if (!DecodeImageFile(path, decoded, error)) {
    std::fprintf(stderr, "warning: cannot load picture %s: %s\n", path.c_str(), error.c_str());
    LoadTimes().imageDecode += MonotonicSeconds() - started;
    return nullptr;
  }
  loadedImages.push_back(std::make_unique<TImage>());
  TImage* image = loadedImages.back().get();
  image->flags = flags == -1 ? kImageAutoFlags : flags;
  image->width = decoded.width;
  image->height = decoded.height;
  ToRgba(decoded, image->flags & kImageMasked, image->pixels);
  if (autoMidHandle) {
    image->handle_x = float(image->width) * 0.5f;
    image->handle_y = float(image->height) * 0.5f;
  }
  const double decodedAt = MonotonicSeconds();
  Upload(*image);
  LoadTimes().imageDecode += decodedAt - started;
  LoadTimes().textureUpload += MonotonicSeconds() - decodedAt;
  return image;
}
