// Pixelate: the frame shrunk to a size x size block in the bottom-left corner,
// copied into the second texture and blown up again over the whole screen,
// added to the restored frame or replacing it.
#include "fx/frame.h"

int FxPixelate(float size, int nearest, int overlay, float r, float g, float b) {
  if (DrawingSkipped()) return 0;  // nothing of a skipped frame is shown
  fx::BeginEffect(false);
  fx::CopyScreen();
  glClear(GL_COLOR_BUFFER_BIT);
  fx::BeginModelView();

  // The shrinking pass draws in the 2D layer's current colour, so the mosaic is
  // tinted by whatever colour the scene last set.
  const float s = fx::CopyS(), t = fx::CopyT();
  const float bx = -1.0f + size * 2.0f / feedback.screenW, by = -1.0f + size * 2.0f / feedback.screenH;
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(-1, -1);
  glTexCoord2f(s, 0);
  glVertex2f(bx, -1);
  glTexCoord2f(s, t);
  glVertex2f(bx, by);
  glTexCoord2f(0, t);
  glVertex2f(-1, by);
  glEnd();

  const int block = int(size);
  glBindTexture(GL_TEXTURE_2D, feedback.feedbackTex2);
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, block, block);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, nearest == 1 ? GL_NEAREST : GL_LINEAR);

  glColor3f(1, 1, 1);
  glBlendFunc(GL_ONE, GL_ONE);
  if (overlay == 1) {
    glBindTexture(GL_TEXTURE_2D, feedback.feedbackTex);
    fx::DrawScreenQuad();  // the frame exactly as it was before the clear
    glEnable(GL_BLEND);
  } else {
    glDisable(GL_BLEND);
  }

  glColor3f(r, g, b);
  glBindTexture(GL_TEXTURE_2D, feedback.feedbackTex2);
  const float ms = size / float(feedback.texW), mt = size / float(feedback.texH);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(-1, -1);
  glTexCoord2f(ms, 0);
  glVertex2f(1, -1);
  glTexCoord2f(ms, mt);
  glVertex2f(1, 1);
  glTexCoord2f(0, mt);
  glVertex2f(-1, 1);
  glEnd();
  fx::EndEffect();
  return 0;
}
