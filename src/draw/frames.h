// Which frames are shown. A frame is everything drawn from just after one Flip
// up to the next. On a renderer too slow for 60 frames a second Flip skips
// frames to stay on the 60 Hz schedule (see pacer.h); the capture tool skips
// the frames before the ones it wants. A skipped frame runs the scenes as
// always, but the drawing operations and effects issue no drawing (the state
// operations still apply), and its Flip presents nothing.
//
// Usage (tests and tools):
//   SetSkipPolicy([](long flip) { return flip < 500; });  // fast-forward
//   SetPacing(true); SetFrameHook([] { sleep 40 ms; });   // a slow renderer
#pragma once

#include <functional>

// True while the frame being drawn will not be shown.
bool DrawingSkipped();

// Skip every frame for which skip(k) is true, k being the index of the Flip
// that would present it (1 for the first frame).
void SetSkipPolicy(std::function<bool(long flip)> skip);

// Pace presents to 60 Hz and skip frames to keep up, as on a desktop; the
// headless display does neither unless this turns it on.
void SetPacing(bool on);

// Called after each presented frame; tests slow the renderer down with it.
void SetFrameHook(std::function<void()> hook);

// Number of frames presented since the display opened.
long PresentCount();
