// The feedback textures and the frame shared by every effect.
#include <initializer_list>

#include "fx/frame.h"

FeedbackState feedback;

int InitFeedback(int width, int height) {
  feedback.screenW = float(width);
  feedback.screenH = float(height);
  feedback.texW = -1;
  feedback.texH = -1;
  for (int c = 256; c <= 2048; c *= 2) {
    if (c >= width && feedback.texW == -1) feedback.texW = c;
    if (c >= height && feedback.texH == -1) feedback.texH = c;
  }
  glPushAttrib(0xFFFFF);
  glGenTextures(1, &feedback.feedbackTex);
  glGenTextures(1, &feedback.feedbackTex2);
  for (GLuint texture : {feedback.feedbackTex, feedback.feedbackTex2}) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, feedback.texW, feedback.texH, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
  }
  glPopAttrib();
  return 0;
}

namespace fx {

void BeginEffect(bool blend) {
  glPushAttrib(0xFFFFF);
  glEnable(GL_TEXTURE_2D);
  if (blend) {
    glEnable(GL_BLEND);
  } else {
    glDisable(GL_BLEND);
  }
  glDisable(GL_DEPTH_TEST);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
}

void CopyScreen() {
  glBindTexture(GL_TEXTURE_2D, feedback.feedbackTex);
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, int(feedback.screenW), int(feedback.screenH));
}

void BeginModelView() {
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
}

void EndEffect() {
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glPopAttrib();
}

void DrawScreenQuad() {
  const float s = CopyS(), t = CopyT();
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(-1, -1);
  glTexCoord2f(s, 0);
  glVertex2f(1, -1);
  glTexCoord2f(s, t);
  glVertex2f(1, 1);
  glTexCoord2f(0, t);
  glVertex2f(-1, 1);
  glEnd();
}

}  // namespace fx
