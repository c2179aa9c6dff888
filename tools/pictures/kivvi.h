// Kivvi, the mascot: a round teal creature with a sprout on its head. Drawn by
// the mascot picture, the strobe backdrop, the plane's pilot and the train's
// passengers, so every appearance is the same character.
#pragma once

#include "canvas.h"

// The colours one Kivvi is painted in.
struct KivviLook {
  Rgb body, bodyShade, belly, leaf, leafShade, feet, eye, pupil, cheek, mouth, tongue, ink, shine;
};

KivviLook KivviDay();    // the normal colours
KivviLook KivviNight();  // the dark strobe version: dim fills, glowing outline

struct KivviPose {
  double wave = 0.0;     // 0: both arms down, 1: one arm raised high in a wave
  double look = 0.0;     // pupils from -1 (left) to 1 (right)
  bool goggles = false;  // flying goggles pushed up on the forehead
};

// Draws Kivvi with its body centred on the origin and a body radius of about
// 300 units; the whole figure spans x -380..380 and y -480..350 (the sprout on
// top, the feet below). Callers translate and scale.
void DrawKivvi(cairo_t* cr, const KivviLook& look, const KivviPose& pose);
