// Tiles: the frame replaced by a grid of count x count shrunken copies of itself.
#include "fx/frame.h"

int FxTiles(int count) {
  if (DrawingSkipped()) return 0;  // nothing of a skipped frame is shown
  fx::BeginEffect(false);
  const float n = float(count);
  fx::CopyScreen();
  fx::BeginModelView();
  glColor3f(1, 1, 1);
  const float s = fx::CopyS(), t = fx::CopyT();
  const float last = n - 1.0f;
  glBegin(GL_QUADS);
  for (float row = 0.0f; row <= last; row += 1.0f) {
    const float y0 = -1.0f + row / n * 2.0f, y1 = -1.0f + (row + 1.0f) / n * 2.0f;
    for (float column = 0.0f; column <= last; column += 1.0f) {
      const float x0 = -1.0f + column / n * 2.0f, x1 = -1.0f + (column + 1.0f) / n * 2.0f;
      glTexCoord2f(0, 0);
      glVertex2f(x0, y0);
      glTexCoord2f(s, 0);
      glVertex2f(x1, y0);
      glTexCoord2f(s, t);
      glVertex2f(x1, y1);
      glTexCoord2f(0, t);
      glVertex2f(x0, y1);
    }
  }
  glEnd();
  fx::EndEffect();
  return 0;
}
