// The twister's lines checked against its geometry worked out here on its
// own, in double precision: line y (1 to lines) is shifted by 120 Sin of the
// swing phase after y steps of 0.001 (each step a 32-bit float addition) and
// has its edges at centre + 200 Sin(y / period + angle + 90 k), k = 0 .. 3;
// face k runs from edge k to edge k + 1 and shows where that is rightwards.
#pragma once

#include "scenes/scene_trace.h"

enum class FaceColours { LineNumber, Edges };

// Every line of the bar, with its colours and end points, at alpha 0.8.
void ExpectTwister(const FrameTrace& trace, float centre, int lines, float period, float angle, float phase,
                   FaceColours colours);

// The phase after `lines` more steps of 0.001.
float PhaseAfter(float phase, int lines);

// 35 + 34 Sin(elapsed / 20), as the scenes store it.
float ExpectedPeriod(float elapsed);
