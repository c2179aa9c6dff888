// Drawing through the current matrix, colour and blend mode: images as one
// textured quad, rectangles, ovals as one convex polygon, one-pixel lines and
// points. Positions are pixels, origin top-left, y down.
#include <cmath>

#include "draw/layer.h"

using layer::state;

namespace {

// A point given relative to the drawing position, mapped by the drawing matrix.
inline void Vertex(float px, float py, float tx, float ty) {
  glVertex2f(px * state.tform_ix + py * state.tform_iy + tx, px * state.tform_jx + py * state.tform_jy + ty);
}

}  // namespace

void Cls() { glClear(GL_COLOR_BUFFER_BIT); }

void DrawImage(const TImage* image, float x, float y, int /*frame*/) {
  if (!image || !image->texture || layer::skipping) return;
  layer::SetTexturing(true);
  layer::BindTexture(image->texture);
  float left = -image->handle_x, top = -image->handle_y;
  float right = float(image->width) - image->handle_x, bottom = float(image->height) - image->handle_y;
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  Vertex(left, top, x, y);
  glTexCoord2f(image->u, 0.0f);
  Vertex(right, top, x, y);
  glTexCoord2f(image->u, image->v);
  Vertex(right, bottom, x, y);
  glTexCoord2f(0.0f, image->v);
  Vertex(left, bottom, x, y);
  glEnd();
}

void DrawRect(float x, float y, float width, float height) {
  if (layer::skipping) return;
  layer::SetTexturing(false);
  glBegin(GL_QUADS);
  Vertex(0.0f, 0.0f, x, y);
  Vertex(width, 0.0f, x, y);
  Vertex(width, height, x, y);
  Vertex(0.0f, height, x, y);
  glEnd();
}

void DrawOval(float x, float y, float width, float height) {
  if (layer::skipping) return;
  layer::SetTexturing(false);
  float xr = width * 0.5f, yr = height * 0.5f;
  int n = ToInt(double(std::fabs(xr)) + double(std::fabs(yr)));
  if (n < 12) n = 12;
  n &= ~3;
  glBegin(GL_POLYGON);
  for (int i = 0; i < n; ++i) {
    float a = float(i) * 360.0f / float(n);
    Vertex(float(xr + Cos(a) * xr), float(yr - Sin(a) * yr), x, y);
  }
  glEnd();
}

void Plot(float x, float y) {
  if (layer::skipping) return;
  layer::SetTexturing(false);
  glBegin(GL_POINTS);
  glVertex2f(x + 0.5f, y + 0.5f);
  glEnd();
}

void DrawLine(float x, float y, float x2, float y2, int lastPixel) {
  if (layer::skipping) return;
  layer::SetTexturing(false);
  float dx = x2 - x, dy = y2 - y;
  float ex = dx * state.tform_ix + dy * state.tform_iy + x;
  float ey = dx * state.tform_jx + dy * state.tform_jy + y;
  glBegin(GL_LINES);
  glVertex2f(x + 0.5f, y + 0.5f);
  glVertex2f(ex + 0.5f, ey + 0.5f);
  glEnd();
  if (lastPixel) Plot(ex, ey);
}
