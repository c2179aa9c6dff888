// The drawing state: colour, alpha, clear colour, blend mode and the drawing
// matrix, each stored as passed and applied to OpenGL at once, with the blend
// mode, texture binding and texturing compared with what was applied last.
#include <cmath>

#include "draw/layer.h"

namespace layer {

TDrawState state;
LayerMemory memory{-1, 0xFFFFFFFFu, -1};
unsigned char colorBytes[4] = {255, 255, 255, 255};

void ApplyColor() { glColor4ub(colorBytes[0], colorBytes[1], colorBytes[2], colorBytes[3]); }

void SetTexturing(bool on) {
  if (memory.texturing == int(on)) return;
  if (on) {
    glEnable(GL_TEXTURE_2D);
  } else {
    glDisable(GL_TEXTURE_2D);
  }
  memory.texturing = int(on);
}

void BindTexture(unsigned texture) {
  if (memory.texture == texture) return;
  glBindTexture(GL_TEXTURE_2D, texture);
  memory.texture = texture;
}

void ForgetMemory() { memory = LayerMemory{-1, 0xFFFFFFFFu, -1}; }

}  // namespace layer

using layer::state;

namespace {

unsigned char ClampByte(int v) { return (unsigned char)(v < 0 ? 0 : v > 255 ? 255 : v); }

}  // namespace

const TDrawState& DrawState() { return state; }
const LayerMemory& Memory() { return layer::memory; }

void SetClsColor(int red, int green, int blue) {
  state.clscolor_red = red;
  state.clscolor_green = green;
  state.clscolor_blue = blue;
  glClearColor(ClampByte(red) / 255.0f, ClampByte(green) / 255.0f, ClampByte(blue) / 255.0f, 1.0f);
}

void SetColor(int red, int green, int blue) {
  state.color_red = red;
  state.color_green = green;
  state.color_blue = blue;
  layer::colorBytes[0] = ClampByte(red);
  layer::colorBytes[1] = ClampByte(green);
  layer::colorBytes[2] = ClampByte(blue);
  layer::ApplyColor();
}

void SetAlpha(float alpha) {
  state.color_alpha = alpha;
  float clamped = alpha > 1.0f ? 1.0f : alpha >= 0.0f ? alpha : 0.0f;  // NaN fails both tests: 0
  layer::colorBytes[3] = (unsigned char)(int)(double(clamped) * 255.0);
  layer::ApplyColor();
}

void SetBlend(int mode) {
  state.blend_mode = mode;
  if (layer::memory.blend == mode) return;
  layer::memory.blend = mode;
  switch (mode) {
    case 1:
      glDisable(GL_BLEND);
      glEnable(GL_ALPHA_TEST);
      glAlphaFunc(GL_GEQUAL, 0.5f);
      break;
    case 3:
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      glDisable(GL_ALPHA_TEST);
      break;
    case 4:
      glEnable(GL_BLEND);
      glBlendFunc(GL_SRC_ALPHA, GL_ONE);
      glDisable(GL_ALPHA_TEST);
      break;
    case 5:
      glEnable(GL_BLEND);
      glBlendFunc(GL_DST_COLOR, GL_ZERO);
      glDisable(GL_ALPHA_TEST);
      break;
    default:  // 2, solid, and any unknown mode
      glDisable(GL_BLEND);
      glDisable(GL_ALPHA_TEST);
      break;
  }
}

void SetTransform(float ix, float iy, float jx, float jy) {
  state.tform_ix = ix;
  state.tform_iy = iy;
  state.tform_jx = jx;
  state.tform_jy = jy;
}

namespace {

void UpdateMatrix() {
  float s = float(Sin(state.tform_rot));
  long double c = Cos(state.tform_rot);
  SetTransform(float(c * state.tform_scale_x), float(-s * state.tform_scale_y),
               float(s * state.tform_scale_x), float(c * state.tform_scale_y));
}

}  // namespace

void SetRotation(float degrees) {
  state.tform_rot = degrees;
  UpdateMatrix();
}

void SetScale(float scaleX, float scaleY) {
  state.tform_scale_x = scaleX;
  state.tform_scale_y = scaleY;
  UpdateMatrix();
}

long double Sin(double degrees) { return sinl((long double)degrees * (long double)0.017453292519943295); }
long double Cos(double degrees) { return cosl((long double)degrees * (long double)0.017453292519943295); }

int ToInt(double value) {
  if (!(value == value)) return 0;
  if (value >= 2147483647.0) return 2147483647;
  if (value <= -2147483648.0) return -2147483647 - 1;
  return int(value);
}
