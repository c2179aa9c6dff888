// The 2D layer: one full-screen display, one global drawing state, images,
// rectangles, ovals, lines and points, clearing and presenting, plus the few
// services the demo takes from the same place (pictures, music, the
// millisecond clock, the Escape key, sine and cosine in degrees).
//
// Usage:
//   1. SelectGLDriver(2); HideMouse(); CreateGraphics(800, 600, 32, 60, 0);
//   2. AutoMidHandle(true); TImage* img = LoadImage("data/x.png", -1);
//   3. per frame: SetColor/SetAlpha/SetRotation/SetScale, DrawImage/DrawRect/...,
//      then Flip(-1); Cls();
//
// Everything draws into an 800 x 600 RGB target that stands for the back
// buffer; Flip presents it letterboxed to the screen. The layer keeps OpenGL's
// current colour, clear colour, blend mode, bound texture and texturing in
// step with its state and skips calls that its memories say are redundant.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "draw/sound_decode.h"

struct TDrawState {
  int color_red = 255, color_green = 255, color_blue = 255;  // as passed; drawing clamps
  float color_alpha = 1.0f;                                  // as passed; drawing clamps
  int clscolor_red = 0, clscolor_green = 0, clscolor_blue = 0;
  int blend_mode = 1;
  float tform_rot = 0.0f;  // degrees
  float tform_scale_x = 1.0f, tform_scale_y = 1.0f;
  float tform_ix = 1.0f, tform_iy = 0.0f, tform_jx = 0.0f, tform_jy = 1.0f;
};

struct TImage {
  int width = 0, height = 0;
  int flags = 0;
  int mask_r = 0, mask_g = 0, mask_b = 0;
  float handle_x = 0.0f, handle_y = 0.0f;
  std::vector<unsigned char> pixels;  // RGBA, top row first, after masking
  unsigned texture = 0;               // OpenGL name; 0 when the upload failed
  int texture_width = 0, texture_height = 0;
  float u = 0.0f, v = 0.0f;  // texture coordinates of the image's far corner
};

struct TSound {
  PcmData pcm;
  bool looped = false;
};

struct TChannel {
  TSound* sound = nullptr;
};

// Image flags.
constexpr int kImageMasked = 1;
constexpr int kImageFiltered = 2;
constexpr int kImageAutoFlags = kImageMasked | kImageFiltered;

// The current drawing state (read-only; change it through the Set operations).
const TDrawState& DrawState();

// ---- display ----------------------------------------------------------------

// Choose the OpenGL 2D driver with the flags added to every CreateGraphics.
void SelectGLDriver(int defaultFlags);
// Hide the mouse pointer over the display.
void HideMouse();
// Open the display and set the layer's OpenGL state and drawing state to their
// start values; both buffers start black. Returns false, with the reason in
// GraphicsError(), when no display can be opened.
bool CreateGraphics(int width, int height, int depth, int hertz, int flags);
const std::string& GraphicsError();
// Close the display and restore the desktop; safe to call when none is open.
void CloseGraphics();

// Clear the target to the clear colour.
void Cls();
// Present the target; with sync -1 paced to the display's 60 Hz retrace.
void Flip(int sync);

// ---- drawing state ------------------------------------------------------------

void SetClsColor(int red, int green, int blue);
void SetColor(int red, int green, int blue);
void SetAlpha(float alpha);
void SetBlend(int mode);  // 1 masked, 2 solid, 3 alpha, 4 additive, 5 multiply
void SetRotation(float degrees);
void SetScale(float scaleX, float scaleY);
void SetTransform(float ix, float iy, float jx, float jy);

// ---- drawing ------------------------------------------------------------------

void DrawImage(const TImage* image, float x, float y, int frame);
void DrawRect(float x, float y, float width, float height);
void DrawOval(float x, float y, float width, float height);
void DrawLine(float x, float y, float x2, float y2, int lastPixel);
void Plot(float x, float y);

// ---- pictures and music -----------------------------------------------------------

// While on, every image loaded gets its handle at its centre.
void AutoMidHandle(bool on);
// Load a PNG or JPEG; flags -1 mean masked and filtered. Returns nullptr (after
// one warning on stderr naming the file) when it cannot be read or decoded.
TImage* LoadImage(const std::string& path, int flags);
// Load and decode a whole OGG Vorbis file; nullptr, with a warning, on failure.
TSound* LoadSound(const std::string& path, int flags);
// Start the sound at once, at full volume; harmless for nullptr.
TChannel* Play(TSound* sound);

// ---- clock, keyboard, maths -------------------------------------------------------

// Milliseconds since the system started, as a wrapping 32-bit count.
int Millisecs();
// How often the key (27: Escape) went down since the last poll; resets the count.
int KeyHit(int key);

// Sine and cosine of an angle in degrees, evaluated in extended precision.
long double Sin(double degrees);
long double Cos(double degrees);
// Truncation toward zero; NaN gives 0 and values beyond the int range clamp.
int ToInt(double value);
