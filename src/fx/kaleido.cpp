// Kaleidoscope: the top-left quarter of the frame drawn into all four
// quarters, mirrored so that they meet at the centre of the screen.
#include "fx/frame.h"

namespace {

struct Corner {
  float x, y, s, t;
};

}  // namespace

int FxKaleido(int blend, float bright) {
  if (DrawingSkipped()) return 0;  // nothing of a skipped frame is shown
  fx::BeginEffect(blend != 0);
  const int w = int(feedback.screenW / 2.0f), h = int(feedback.screenH / 2.0f);
  glBindTexture(GL_TEXTURE_2D, feedback.feedbackTex);
  // Window rows count from the bottom, so (0, h) starts the upper half.
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, h, w, h);
  fx::BeginModelView();
  glBlendFunc(GL_ONE, GL_ONE);
  glColor3f(bright, bright, bright);
  const float s = feedback.screenW / float(feedback.texW) / 2.0f;
  const float t = feedback.screenH / float(feedback.texH) / 2.0f;
  const Corner quads[4][4] = {
      {{-1, 0, 0, 0}, {0, 0, s, 0}, {0, 1, s, t}, {-1, 1, 0, t}},   // top-left, as copied
      {{0, 0, s, 0}, {1, 0, 0, 0}, {1, 1, 0, t}, {0, 1, s, t}},     // top-right, mirrored left to right
      {{-1, -1, 0, t}, {0, -1, s, t}, {0, 0, s, 0}, {-1, 0, 0, 0}}, // bottom-left, mirrored top to bottom
      {{0, -1, s, t}, {1, -1, 0, t}, {1, 0, 0, 0}, {0, 0, s, 0}},   // bottom-right, mirrored both ways
  };
  glBegin(GL_QUADS);
  for (const auto& quad : quads) {
    for (const Corner& c : quad) {
      glTexCoord2f(c.s, c.t);
      glVertex2f(c.x, c.y);
    }
  }
  glEnd();
  fx::EndEffect();
  return 0;
}
