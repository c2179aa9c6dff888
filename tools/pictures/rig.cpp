// The figure rig: solving a pose into joints and drawing the body parts the
// cast's costumes have in common.
#include <algorithm>
#include <cmath>

#include "figures.h"

namespace {

Pt Rotate(Pt v, double a) {
  const double c = std::cos(a), s = std::sin(a);
  return {v.x * c - v.y * s, v.x * s + v.y * c};
}

Pt Add(Pt a, Pt b) { return {a.x + b.x, a.y + b.y}; }

// Two-bone reach from `root` towards `target`: returns the middle joint and
// sets `end`. A target out of reach straightens the limb towards it.
Pt Reach(Pt root, Pt target, double l1, double l2, double bend, Pt& end) {
  double dx = target.x - root.x, dy = target.y - root.y;
  double d = std::hypot(dx, dy);
  if (d < 1e-6) {
    dx = 0;
    dy = 1;
    d = 1e-6;
  }
  const double ux = dx / d, uy = dy / d;
  const double reach = std::clamp(d, std::abs(l1 - l2) + 1e-3, l1 + l2 - 1e-3);
  const double cosA = std::clamp((l1 * l1 + reach * reach - l2 * l2) / (2 * l1 * reach), -1.0, 1.0);
  const Pt dir = Rotate({ux, uy}, bend * std::acos(cosA));
  const Pt joint = {root.x + dir.x * l1, root.y + dir.y * l1};
  const double jx = target.x - joint.x, jy = target.y - joint.y;
  const double jd = std::max(std::hypot(jx, jy), 1e-6);
  end = {joint.x + jx / jd * l2, joint.y + jy / jd * l2};
  return joint;
}

}  // namespace

Pt RestAnkle(const Build& b, double side) {
  return {b.centerX + side * (b.hipHalf + 3), b.hipY + b.thigh + b.shin - 3};
}

Skeleton Solve(const Build& b, const Pose& p) {
  Skeleton s;
  s.lean = p.lean;
  s.headTilt = p.head;
  s.hip = {b.centerX + p.x, b.hipY + p.y};
  auto world = [&](Pt local) { return Add(s.hip, Rotate(local, p.lean)); };
  s.neck = world({0, -b.torso});
  s.head = Add(s.neck, Rotate({0, -b.headLift}, p.lean + p.head));
  s.shoulderL = world({-b.shoulder, -b.torso + 10});
  s.shoulderR = world({b.shoulder, -b.torso + 10});
  s.hipL = world({-b.hipHalf, 0});
  s.hipR = world({b.hipHalf, 0});
  s.elbowL = Reach(s.shoulderL, world(p.handL), b.upperArm, b.foreArm, p.elbowL, s.wristL);
  s.elbowR = Reach(s.shoulderR, world(p.handR), b.upperArm, b.foreArm, p.elbowR, s.wristR);
  s.kneeL = Reach(s.hipL, Add(RestAnkle(b, -1), p.footL), b.thigh, b.shin, p.kneeL, s.ankleL);
  s.kneeR = Reach(s.hipR, Add(RestAnkle(b, 1), p.footR), b.thigh, b.shin, p.kneeR, s.ankleR);
  return s;
}

Pose Mirror(const Pose& p) {
  Pose m = p;
  m.x = -p.x;
  m.lean = -p.lean;
  m.head = -p.head;
  m.handL = {-p.handR.x, p.handR.y};
  m.handR = {-p.handL.x, p.handL.y};
  m.footL = {-p.footR.x, p.footR.y};
  m.footR = {-p.footL.x, p.footL.y};
  m.elbowL = -p.elbowR;
  m.elbowR = -p.elbowL;
  m.kneeL = -p.kneeR;
  m.kneeR = -p.kneeL;
  m.skirt = -p.skirt;
  return m;
}

void DrawLimb(cairo_t* cr, Pt a, Pt joint, Pt end, double width, Rgb color, double line) {
  cairo_move_to(cr, a.x, a.y);
  cairo_line_to(cr, joint.x, joint.y);
  cairo_line_to(cr, end.x, end.y);
  StrokeOutlined(cr, color, width, pal::kInk, line);
}

void DrawArm(cairo_t* cr, Pt shoulder, Pt elbow, Pt wrist, double width, Rgb skin, Rgb sleeve,
             double sleeveFraction, double line) {
  DrawLimb(cr, shoulder, elbow, wrist, width, skin, line);
  if (sleeveFraction > 0) {
    // The sleeve ends part of the way along the arm; its round end reads as a cuff.
    const double upper = std::hypot(elbow.x - shoulder.x, elbow.y - shoulder.y);
    const double lower = std::hypot(wrist.x - elbow.x, wrist.y - elbow.y);
    const double at = std::min(sleeveFraction, 1.0) * (upper + lower);
    cairo_move_to(cr, shoulder.x, shoulder.y);
    if (at <= upper) {
      const double t = at / upper;
      cairo_line_to(cr, shoulder.x + (elbow.x - shoulder.x) * t,
                    shoulder.y + (elbow.y - shoulder.y) * t);
    } else {
      const double t = (at - upper) / lower;
      cairo_line_to(cr, elbow.x, elbow.y);
      cairo_line_to(cr, elbow.x + (wrist.x - elbow.x) * t, elbow.y + (wrist.y - elbow.y) * t);
    }
    StrokeOutlined(cr, sleeve, width + 4, pal::kInk, line);
  }
  Circle(cr, wrist.x, wrist.y, width * 0.72);
  FillOutline(cr, skin, pal::kInk, line);
}

void DrawShoe(cairo_t* cr, Pt ankle, double side, double size, Rgb color, double line) {
  const double x = ankle.x + side * size * 0.45, y = ankle.y + size * 0.32;
  cairo_move_to(cr, x - size, y + size * 0.45);
  cairo_curve_to(cr, x - size * 1.05, y - size * 0.55, x + size * 1.05, y - size * 0.55, x + size,
                 y + size * 0.45);
  cairo_close_path(cr);
  FillOutline(cr, color, pal::kInk, line);
  Ellipse(cr, x - side * size * 0.25, y - size * 0.12, size * 0.35, size * 0.14);
  FillTint(cr, pal::kCream, 0.55);
}

void TorsoFrame(cairo_t* cr, const Skeleton& s) {
  cairo_translate(cr, s.hip.x, s.hip.y);
  cairo_rotate(cr, s.lean);
}

void TorsoPath(cairo_t* cr, const Build& b, const Skeleton& s, double shoulderExtra) {
  cairo_save(cr);
  TorsoFrame(cr, s);
  const double top = -b.torso + 4, sw = b.shoulder + shoulderExtra, hw = b.hipHalf + 8;
  cairo_new_sub_path(cr);
  cairo_move_to(cr, -hw, 6);
  cairo_curve_to(cr, -hw - 2, -b.torso * 0.4, -sw - 2, top + 24, -sw, top + 12);
  cairo_curve_to(cr, -sw + 2, top, -sw * 0.5, top - 4, 0, top - 4);
  cairo_curve_to(cr, sw * 0.5, top - 4, sw - 2, top, sw, top + 12);
  cairo_curve_to(cr, sw + 2, top + 24, hw + 2, -b.torso * 0.4, hw, 6);
  cairo_curve_to(cr, hw * 0.5, 10, -hw * 0.5, 10, -hw, 6);
  cairo_close_path(cr);
  cairo_restore(cr);
}
