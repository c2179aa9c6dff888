// Frames and read-backs shared by the effect tests.
#include "fx_fixture.h"

const Rgb kQuarter[2][2] = {{{255, 0, 0}, {0, 255, 0}}, {{0, 0, 255}, {255, 255, 255}}};

void FxTest::SetUp() {
  DisplayTest::SetUp();
  if (feedback.texW != 1024 || feedback.texH != 1024 || feedback.screenW != 800.0f ||
      !glIsTexture(feedback.feedbackTex) || !glIsTexture(feedback.feedbackTex2))
    InitFeedback(800, 600);
  SetBlend(3);
}

void Fill(const Rgb& c, float x, float y, float w, float h) {
  SetColor(c.r, c.g, c.b);
  DrawRect(x, y, w, h);
}

void DrawQuarters() {
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 2; ++column) Fill(kQuarter[row][column], column * 400.0f, row * 300.0f, 400, 300);
  SetColor(255, 255, 255);
}

void DrawGradient(int top) {
  for (int x = 0; x < 800; x += 4) {
    SetColor(x * top / 800, 0, 0);
    DrawRect(float(x), 0, 4, 600);
  }
  SetBlend(4);  // additive: the green rows and blue bands add to the red columns
  for (int y = 0; y < 600; y += 3) {
    SetColor(0, y * top / 600, 0);
    DrawRect(0, float(y), 800, 3);
  }
  SetRotation(45);
  for (int band = 0; band < 40; ++band) {
    SetColor(0, 0, band % 2 ? top : top / 3);
    DrawRect(float(band * 40), -400, 25, 1400);
  }
  SetRotation(0);
  SetBlend(3);
  SetColor(255, 255, 255);
}

Rgb At(const std::vector<unsigned char>& rgb, int x, int y) {
  const unsigned char* p = &rgb[(size_t(y) * 800 + x) * 3];
  return Rgb{p[0], p[1], p[2]};
}

Rgb Texels::At(int x, int y) const {
  const unsigned char* p = &rgba[(size_t(y) * width + x) * 4];
  return Rgb{p[0], p[1], p[2]};
}

Texels ReadTexture(unsigned texture) {
  Texels t;
  glPushAttrib(GL_TEXTURE_BIT);
  glBindTexture(GL_TEXTURE_2D, texture);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &t.width);
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &t.height);
  t.rgba.resize(size_t(t.width) * t.height * 4);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, t.rgba.data());
  glPopAttrib();
  return t;
}
