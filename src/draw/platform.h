// The seams of the platform: what tests and the capture tool replace so the
// same demo code runs without a display, on a scripted or virtual clock, with
// scripted Escape hits, handing every presented frame to a sink.
//
// Usage:
//   SetHeadless(true);                 // before CreateGraphics: no window, no pacing
//   SetClockSource([] { return t; });  // nullptr restores the system clock
//   SetEscapeSource([] { return 0; }); // extra hits reported at each poll
//   SetFrameSink([](const FrameView& f) { ... });
#pragma once

#include <functional>
#include <string>
#include <vector>

// One presented picture: rows top to bottom, 3 bytes (RGB) per pixel.
struct FrameView {
  const unsigned char* rgb;
  int width;
  int height;
  long index;  // 1 for the picture of the first Flip, 2 for the second, ...
};

// Thrown out of Flip or KeyHit when the window is closed or the process is
// asked to end (Ctrl+C, SIGTERM): the demo unwinds and exits cleanly.
struct DemoQuit {};

void SetHeadless(bool headless);

void SetClockSource(std::function<int()> clock);
void SetEscapeSource(std::function<int()> hits);
void SetFrameSink(std::function<void(const FrameView&)> sink);

// Number of Flips since the display opened (the presents of CreateGraphics do not count).
long FlipCount();

// Copy the target as it is now: rows top to bottom, RGB.
void ReadTarget(std::vector<unsigned char>& rgb);

// The layer's memories of the OpenGL state it applied last, for tests.
struct LayerMemory {
  int blend;         // mode last applied, -1 before the first
  unsigned texture;  // texture last bound
  int texturing;     // 1 on, 0 off, -1 unknown
};
const LayerMemory& Memory();

// Make the directory that holds the running executable the current one, so
// data/ beside it is found wherever the program was started from.
bool ChangeToExecutableDirectory();

// Close the display and the audio output and shut the platform down,
// restoring the desktop.
void ShutdownPlatform();

// Put the layer's OpenGL state and the drawing state back to the values the
// display opened with, as CreateGraphics leaves them (for tests).
void ResetDrawingState();

// Seconds spent loading so far, summed over every load (for the capture tool's
// start-up report; assign {} to start counting afresh).
struct LoadTimings {
  double imageDecode = 0;    // reading, decoding and masking pictures
  double textureUpload = 0;  // building and uploading their textures
  double musicDecode = 0;    // decoding music, on the prefetch thread where one ran
  double musicWait = 0;      // how long LoadSound held up its caller (the wait, or the whole decode)
};
LoadTimings& LoadTimes();

// Start decoding a sound file on a second thread; the next LoadSound of the
// same path takes its result (same sound, same warnings) instead of decoding.
void PrefetchSound(const std::string& path);
