// Zoom echo: fifteen copies of the frame, each one step further along the view
// axis and turned one step further about it under a perspective projection,
// multiplied by a colour and added.
#include "fx/frame.h"

int FxZoomEcho(float r, float g, float b, float dz, float angle) {
  if (DrawingSkipped()) return 0;  // nothing of a skipped frame is shown
  fx::BeginEffect(true);
  // A 4:3 frustum whose plane at z = -1 covers the screen exactly.
  glFrustum(-0.01f, 0.01f, -0.0075f, 0.0075f, 0.01f, 1135);
  fx::CopyScreen();
  fx::BeginModelView();
  glBlendFunc(GL_ONE, GL_ONE);
  const float s = fx::CopyS(), t = fx::CopyT();
  for (int layer = 1; layer <= 15; ++layer) {
    // The transforms accumulate: layer i sits at z = -1 + i dz, turned by i angle.
    glTranslatef(0, 0, dz);
    glRotatef(angle, 0, 0, 1);
    glColor3f(r, g, b);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(-1, -0.75f, -1);
    glTexCoord2f(s, 0);
    glVertex3f(1, -0.75f, -1);
    glTexCoord2f(s, t);
    glVertex3f(1, 0.75f, -1);
    glTexCoord2f(0, t);
    glVertex3f(-1, 0.75f, -1);
    glEnd();
  }
  fx::EndEffect();
  return 0;
}
