// Thumbnail column: five small copies of the feedback texture stacked near the
// right edge, like a strip of preview frames.
#include "fx/frame.h"

int FxThumbColumn(int copy, int blend, float bright, float x) {
  if (DrawingSkipped()) return 0;  // nothing of a skipped frame is shown
  fx::BeginEffect(blend != 0);
  glBindTexture(GL_TEXTURE_2D, feedback.feedbackTex);
  if (copy == 1) fx::CopyScreen();
  fx::BeginModelView();
  glBlendFunc(GL_ONE, GL_ONE);
  glColor3f(bright, bright, bright);
  glTranslatef(x, -0.975f, 0);
  const float s = fx::CopyS(), t = fx::CopyT();
  for (int i = 0; i < 5; ++i) {
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(0, 0);
    glTexCoord2f(s, 0);
    glVertex2f(0.33f, 0);
    glTexCoord2f(s, t);
    glVertex2f(0.33f, 0.33f);
    glTexCoord2f(0, t);
    glVertex2f(0, 0.33f);
    glEnd();
    glTranslatef(0, 0.4f, 0);
  }
  fx::EndEffect();
  return 0;
}
