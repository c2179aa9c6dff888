// The rig the cast's people are drawn on: body proportions, a pose given as
// hand and foot targets, a two-bone solver for elbows and knees, and the body
// parts every costume shares. Zorvo is exposed for the kite flyer too.
#pragma once

#include "canvas.h"

// Outline width of the people at their own size.
constexpr double kFigureLine = 4.0;

struct Pt {
  double x, y;
};

// Proportions of one character, in the units of its picture.
struct Build {
  double centerX, hipY;      // resting hip centre
  double torso;              // hip centre to neck
  double shoulder, hipHalf;  // half widths at the shoulders and the hips
  double upperArm, foreArm, thigh, shin;
  double armWidth, legWidth;
  double headLift;  // neck to head centre
};

// A pose. Hands are placed in the torso's own frame (origin at the hip
// centre, y down, turning with the lean); feet are offsets of the ankles from
// where they stand at rest. The bend signs say which way elbows and knees go.
struct Pose {
  double x = 0, y = 0;  // hip shift
  double lean = 0;      // torso tilt in radians; positive tips the head to the right
  double head = 0;      // head tilt on top of the lean
  Pt handL{0, 0}, handR{0, 0};
  Pt footL{0, 0}, footR{0, 0};
  // +1 puts the joint clockwise (on screen) of the line from root to target:
  // outwards for a left limb hanging down, inwards for one raised up.
  double elbowL = 1, elbowR = -1, kneeL = 1, kneeR = -1;
  double skirt = 0;  // sideways swing of a skirt's hem, in units
};

// The joints of a posed body. L and R are the left and right of the picture.
struct Skeleton {
  Pt hip, neck, head;
  Pt shoulderL, shoulderR, elbowL, elbowR, wristL, wristR;
  Pt hipL, hipR, kneeL, kneeR, ankleL, ankleR;
  double lean, headTilt;
};

// Where the ankles stand at rest: under the hips, on the floor.
Pt RestAnkle(const Build& b, double side);
Skeleton Solve(const Build& b, const Pose& p);
// The same pose seen in a mirror.
Pose Mirror(const Pose& p);

// Shared body parts. Each draws with the cast's ink outline of width `line`.
void DrawLimb(cairo_t* cr, Pt a, Pt joint, Pt end, double width, Rgb color, double line);
// An arm: skin from shoulder to wrist with a sleeve over the first `sleeve`
// fraction of the whole arm (0 for bare arms, 1 for long sleeves), and a hand.
void DrawArm(cairo_t* cr, Pt shoulder, Pt elbow, Pt wrist, double width, Rgb skin, Rgb sleeve,
             double sleeveFraction, double line);
void DrawShoe(cairo_t* cr, Pt ankle, double side, double size, Rgb color, double line);
// Applies the torso's frame (origin at the hip centre, turned with the lean).
void TorsoFrame(cairo_t* cr, const Skeleton& s);
// Adds the torso's outline, a rounded trapezoid from the shoulders (widened by
// shoulderExtra) to the hips, as the current path.
void TorsoPath(cairo_t* cr, const Build& b, const Skeleton& s, double shoulderExtra);

void DrawZorvo(cairo_t* cr, const Build& b, const Pose& p);
Build ZorvoBuild(double centerX, double hipY);
