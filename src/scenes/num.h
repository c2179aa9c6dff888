// The arithmetic every scene follows: quantities are 32-bit floats stored
// after each assignment, each formula is worked in extended precision, and time
// thresholds compare the unrounded quotient elapsed / 1000 with a 32-bit float
// constant.
//
//   demo.spin = Store(Ext(demo.spin) + 0.3f);
//   if (Past(12.0f)) ...
#pragma once

#include "draw/draw.h"
#include "scenes/scene_state.h"

using Ext = long double;

// Round a formula's extended result to the 32-bit float it is stored as.
inline float Store(Ext value) { return float(value); }

// True when elapsed / 1000 is strictly above the threshold.
inline bool Past(float seconds) { return Ext(demo.elapsed) / 1000.0L > Ext(seconds); }

// The truncating float-to-int conversion, from the formula rounded to double.
inline int Trunc(Ext value) { return ToInt(double(value)); }

// Take this frame's elapsed from the millisecond clock. A clock that wrapped
// past its 32-bit range since startTime still gives the true difference.
void TickClock();

// The fading veil: lower fadeAlpha by 0.01 and draw a full-screen rectangle in
// the current colour (white first when white is set) with that alpha.
void DrawVeil(bool white);

// The end test of every frame: the scene ends once elapsed / 1000 passes its
// end time; only while it has not is Escape polled.
bool SceneEnds(float endSeconds);
