// Times each screen-feedback effect per call on the current OpenGL: the
// headless 800 x 600 target, a frame like the scenes draw, then many calls of
// each effect with the scenes' arguments, each call closed by glFinish.
//
// Usage: bench-fx [calls per effect, default 200]
#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

#include "draw/draw.h"
#include "draw/platform.h"
#include "fx/fx.h"

namespace {

// A picture from the demo's data/ beside the executable, or none.
TImage* OptionalImage(const char* path) { return std::filesystem::exists(path) ? LoadImage(path, -1) : nullptr; }

// A turning backdrop, two sprites, a twister-like column of lines and
// translucent ovals, so the effects copy and draw a full, busy frame.
void DrawFrame(TImage* backdrop, TImage* sprite, int frame) {
  Cls();
  SetBlend(3);
  SetAlpha(1.0f);
  SetColor(255, 255, 255);
  if (backdrop) {
    SetRotation(float(frame));
    SetScale(1.7f, 1.7f);
    DrawImage(backdrop, 400, 300, 0);
  } else {
    for (int y = 0; y < 600; y += 20) {
      SetColor(y / 3, 40, 255 - y / 3);
      DrawRect(0, float(y), 800, 20);
    }
  }
  if (sprite) {
    SetColor(255, 255, 255);
    SetRotation(float(frame * 3));
    SetScale(0.35f, 0.35f);
    DrawImage(sprite, 220, 300, 0);
    SetRotation(0.0f);
    DrawImage(sprite, 600, 200, 0);
  }
  SetRotation(0.0f);
  SetScale(1.0f, 1.0f);
  for (int y = 0; y < 600; ++y) {
    SetColor(255, (y * 3 + frame) % 256, 128);
    const float x = 400.0f + 80.0f * float(Sin((y + frame) * 0.8));
    DrawLine(x - 50, float(y), x + 50, float(y), 1);
  }
  SetAlpha(0.5f);
  for (int i = 0; i < 24; ++i) {
    SetColor(60 * i % 256, 255 - 10 * i, 40 + 8 * i);
    DrawOval(float(i * 31 % 700), float(i * 53 % 520), 90, 70);
  }
  SetAlpha(1.0f);
}

// The nearest-rank percentile p (0 to 1) of the timings.
double Percentile(std::vector<double> ms, double p) {
  std::sort(ms.begin(), ms.end());
  const size_t rank = size_t(std::ceil(p * double(ms.size())));
  return ms[std::min(std::max<size_t>(rank, 1), ms.size()) - 1];
}

}  // namespace

int main(int argc, char** argv) {
  const int calls = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  SetHeadless(true);
  ChangeToExecutableDirectory();
  if (!CreateGraphics(800, 600, 32, 60, 0)) {
    std::fprintf(stderr, "bench-fx: %s\n", GraphicsError().c_str());
    return 1;
  }
  AutoMidHandle(true);
  InitFeedback(800, 600);
  SetClsColor(1, 1, 10);
  SetBlend(3);
  TImage* backdrop = OptionalImage("data/vortex.png");
  TImage* sprite = OptionalImage("data/kivvi.png");

  const struct {
    const char* name;
    std::function<void()> run;
  } effects[] = {
      {"FxZoomEcho(.15, .1, .1, 0.1, 2)", [] { FxZoomEcho(0.15f, 0.1f, 0.1f, 0.1f, 2.0f); }},
      {"FxZoomEcho(.15, .1, .1, -0.1, 2)", [] { FxZoomEcho(0.15f, 0.1f, 0.1f, -0.1f, 2.0f); }},
      {"FxTiles(3)", [] { FxTiles(3); }},
      {"FxThumbColumn(0, 0, 1, 0.6)", [] { FxThumbColumn(0, 0, 1.0f, 0.6f); }},
      {"FxKaleido(0, 1)", [] { FxKaleido(0, 1.0f); }},
      {"FxPixelate(40, 1, 1, 1, 1, 1)", [] { FxPixelate(40.0f, 1, 1, 1.0f, 1.0f, 1.0f); }},
      {"FxRgbSplit(0.05, 0)", [] { FxRgbSplit(0.05f, 0.0f); }},
  };

  std::printf("renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
  std::printf("frame: %s, %d calls per effect\n\n", backdrop && sprite ? "demo pictures" : "primitives only", calls);
  std::printf("%-34s %10s %10s\n", "effect", "median ms", "p95 ms");
  std::vector<double> ms(static_cast<size_t>(calls));
  for (const auto& effect : effects) {
    for (int i = 0; i < 5; ++i) effect.run();  // first calls build the driver's state
    for (int i = 0; i < calls; ++i) {
      DrawFrame(backdrop, sprite, i);
      glFinish();
      const auto start = std::chrono::steady_clock::now();
      effect.run();
      glFinish();
      ms[size_t(i)] = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    std::printf("%-34s %10.3f %10.3f\n", effect.name, Percentile(ms, 0.5), Percentile(ms, 0.95));
  }
  CloseGraphics();
  return 0;
}
