// Shared by the effect tests: the display with the feedback textures of an
// 800 x 600 screen and alpha blending, a few frames to feed the effects, and
// read-backs of the screen and of the feedback textures.
#pragma once

#include <GL/gl.h>

#include <vector>

#include "fx/fx.h"
#include "support/headless.h"

const Rgb kBlack{0, 0, 0};
const Rgb kWhite{255, 255, 255};

class FxTest : public DisplayTest {
 protected:
  void SetUp() override;
};

// A filled rectangle in an opaque colour.
void Fill(const Rgb& c, float x, float y, float w, float h);

// The four quarters of the screen in four colours, indexed [row from the top][column].
extern const Rgb kQuarter[2][2];
void DrawQuarters();

// A frame with detail everywhere: red rising to the right, green rising
// downwards, blue in diagonal bands, each channel at most `top`.
void DrawGradient(int top = 255);

// The pixel at (x, y) of a snapshot, counted from the top-left corner.
Rgb At(const std::vector<unsigned char>& rgb, int x, int y);

// Every texel of level 0 of a texture, row 0 first (the bottom of a copy).
struct Texels {
  int width = 0, height = 0;
  std::vector<unsigned char> rgba;
  Rgb At(int x, int y) const;
};
Texels ReadTexture(unsigned texture);
