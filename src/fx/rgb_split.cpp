// Colour split: the frame rebuilt on a cleared screen from three additive
// copies, red shifted by (dx, dy), green in place and blue shifted the other way.
#include "fx/frame.h"

int FxRgbSplit(float dx, float dy) {
  if (DrawingSkipped()) return 0;  // nothing of a skipped frame is shown
  fx::BeginEffect(true);
  fx::CopyScreen();
  fx::BeginModelView();
  glClear(GL_COLOR_BUFFER_BIT);
  glBlendFunc(GL_ONE, GL_ONE);
  const float shifts[3][2] = {{dx, dy}, {0, 0}, {-dx, -dy}};
  const float colors[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  for (int k = 0; k < 3; ++k) {
    glPushMatrix();
    glTranslatef(shifts[k][0], shifts[k][1], 0);
    glColor3f(colors[k][0], colors[k][1], colors[k][2]);
    fx::DrawScreenQuad();
    glPopMatrix();
  }
  fx::EndEffect();
  return 0;
}
