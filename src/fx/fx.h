// The screen-feedback effects: each copies what the target holds at the call
// into a texture and draws it back over the screen, transformed. They draw
// with OpenGL directly, in the middle of a frame, and leave every piece of
// OpenGL state as they found it, so the 2D layer's memories stay true.
//
// Usage: InitFeedback(800, 600) once after the display opens; then call any
// effect between a Cls and the next Flip.
#pragma once

// The textures and sizes every effect shares; set by InitFeedback and never
// changed afterwards.
struct FeedbackState {
  float screenW = 0.0f, screenH = 0.0f;  // the screen region copied and covered
  int texW = -1, texH = -1;              // power-of-two texture size, -1 when none fits
  unsigned feedbackTex = 0;              // the copy of the screen (or of a part of it)
  unsigned feedbackTex2 = 0;             // the small block of the mosaic
};

extern FeedbackState feedback;

// Create both feedback textures for a screen of width x height. Returns 0.
int InitFeedback(int width, int height);

// Fifteen magnified, turned copies of the frame, each multiplied by (r, g, b) and added.
int FxZoomEcho(float r, float g, float b, float dz, float angle);
// The frame replaced by count x count shrunken copies of itself.
int FxTiles(int count);
// A column of five thumbnails of the feedback texture (copy 1: of the screen now).
int FxThumbColumn(int copy, int blend, float bright, float x);
// The top-left quarter mirrored into all four quarters.
int FxKaleido(int blend, float bright);
// A size x size mosaic of the frame, added (overlay 1) or replacing it.
int FxPixelate(float size, int nearest, int overlay, float r, float g, float b);
// Red shifted by (dx, dy), green in place, blue shifted by (-dx, -dy).
int FxRgbSplit(float dx, float dy);
