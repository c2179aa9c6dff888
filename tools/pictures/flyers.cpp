// The two crossings of the sky, both heading left: Kivvi flying a little
// propeller plane, and Zorvo running with a kite.
#include <cmath>

#include "figures.h"
#include "kivvi.h"
#include "pictures.h"

Canvas DrawPlane() {
  Canvas c(300, 220);
  cairo_t* cr = c.cr();

  // Scarf streaming back from the pilot, drawn first so the plane covers its root.
  cairo_move_to(cr, 160, 74);
  cairo_curve_to(cr, 190, 56, 210, 80, 244, 52);
  cairo_line_to(cr, 252, 66);
  cairo_curve_to(cr, 220, 92, 196, 74, 166, 92);
  cairo_close_path(cr);
  FillOutline(cr, pal::kRose, pal::kInk, 4);

  // Pilot: Kivvi in goggles, sitting low in the cockpit.
  cairo_save(cr);
  cairo_translate(cr, 152, 70);
  cairo_scale(cr, 0.12, 0.12);
  KivviPose pilot;
  pilot.goggles = true;
  pilot.look = -1;
  DrawKivvi(cr, KivviDay(), pilot);
  cairo_restore(cr);

  // Tail fin and tailplane.
  cairo_move_to(cr, 236, 100);
  cairo_curve_to(cr, 244, 70, 256, 50, 274, 46);
  cairo_curve_to(cr, 288, 46, 286, 60, 284, 100);
  cairo_close_path(cr);
  FillOutline(cr, pal::kBlue, pal::kInk, 4);
  cairo_move_to(cr, 258, 56);
  cairo_line_to(cr, 280, 54);
  SetColor(cr, pal::kSky);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);

  // Landing gear under the wing.
  cairo_move_to(cr, 120, 130);
  cairo_line_to(cr, 112, 176);
  cairo_move_to(cr, 150, 130);
  cairo_line_to(cr, 116, 176);
  StrokeOutlined(cr, pal::kPlum, 5, pal::kInk, 2.5);
  Circle(cr, 114, 180, 18);
  FillOutline(cr, pal::kPlum, pal::kInk, 4);
  Circle(cr, 114, 180, 8);
  FillOutline(cr, pal::kYellow, pal::kInk, 3);

  // Fuselage: a round nose tapering to the tail, with a stripe along it.
  auto body = [&] {
    cairo_move_to(cr, 60, 84);
    cairo_curve_to(cr, 120, 80, 220, 88, 290, 96);
    cairo_curve_to(cr, 294, 100, 292, 108, 286, 110);
    cairo_curve_to(cr, 220, 124, 130, 142, 64, 140);
    cairo_curve_to(cr, 40, 138, 40, 86, 60, 84);
    cairo_close_path(cr);
  };
  body();
  cairo_save(cr);
  cairo_clip_preserve(cr);
  SetColor(cr, pal::kRed);
  cairo_fill(cr);
  cairo_move_to(cr, 40, 112);
  cairo_curve_to(cr, 140, 110, 220, 102, 300, 100);
  SetColor(cr, pal::kYellow);
  cairo_set_line_width(cr, 10);
  cairo_stroke(cr);
  cairo_move_to(cr, 70, 92);
  cairo_curve_to(cr, 100, 89, 130, 89, 150, 90);
  SetColor(cr, pal::kCream, 0.7);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_restore(cr);
  body();
  SetColor(cr, pal::kInk);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);

  // Windscreen in front of the pilot.
  cairo_move_to(cr, 112, 84);
  cairo_line_to(cr, 118, 62);
  cairo_line_to(cr, 132, 64);
  cairo_line_to(cr, 130, 84);
  cairo_close_path(cr);
  SetColor(cr, pal::kSky, 0.75);
  cairo_fill_preserve(cr);
  SetColor(cr, pal::kInk);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);

  // Wing, seen edge-on with a little of its top showing.
  cairo_move_to(cr, 96, 118);
  cairo_curve_to(cr, 110, 108, 190, 108, 214, 116);
  cairo_curve_to(cr, 220, 122, 210, 130, 196, 130);
  cairo_curve_to(cr, 160, 132, 120, 134, 96, 128);
  cairo_curve_to(cr, 88, 126, 88, 120, 96, 118);
  cairo_close_path(cr);
  FillOutline(cr, pal::kYellow, pal::kInk, 4);
  cairo_move_to(cr, 110, 118);
  cairo_line_to(cr, 190, 117);
  SetColor(cr, pal::kCream, 0.8);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);

  // Engine cowling, spinner and the blur of the turning propeller.
  Ellipse(cr, 54, 112, 13, 28);
  FillOutline(cr, pal::kPlum, pal::kInk, 4);
  Ellipse(cr, 36, 112, 7, 62);
  SetColor(cr, pal::kCream, 0.3);
  cairo_fill(cr);
  for (double dy : {-44.0, 40.0}) {
    Ellipse(cr, 36, 112 + dy, 4, 15);
    SetColor(cr, pal::kCream, 0.55);
    cairo_fill(cr);
  }
  cairo_move_to(cr, 46, 100);
  cairo_curve_to(cr, 26, 102, 26, 122, 46, 124);
  cairo_close_path(cr);
  FillOutline(cr, pal::kYellow, pal::kInk, 4);
  return c;
}

Canvas DrawKiteFlyer() {
  Canvas c(300, 220);
  cairo_t* cr = c.cr();

  // The kite rides up behind, with a tail of bows.
  const double kx = 236, ky = 58;
  cairo_move_to(cr, kx + 16, ky + 45);
  cairo_curve_to(cr, kx + 30, ky + 70, kx + 10, ky + 100, kx + 40, ky + 130);
  SetColor(cr, pal::kCream);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  const double bows[][2] = {{kx + 20, ky + 66}, {kx + 22, ky + 96}, {kx + 36, ky + 124}};
  for (int i = 0; i < 3; ++i) {
    cairo_save(cr);
    cairo_translate(cr, bows[i][0], bows[i][1]);
    cairo_rotate(cr, 0.5);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, -12, -7);
    cairo_line_to(cr, -12, 7);
    cairo_close_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 12, -7);
    cairo_line_to(cr, 12, 7);
    cairo_close_path(cr);
    cairo_restore(cr);
    FillOutline(cr, i % 2 ? pal::kYellow : pal::kRose, pal::kInk, 3);
  }

  cairo_save(cr);
  cairo_translate(cr, kx, ky);
  cairo_rotate(cr, -0.35);
  const double top = -44, bottom = 48, side = 34, cross = -10;
  const Pt corner[4] = {{0, top}, {side, cross}, {0, bottom}, {-side, cross}};
  const Rgb facet[4] = {pal::kRose, pal::kYellow, pal::kViolet, pal::kTeal};
  for (int i = 0; i < 4; ++i) {
    cairo_move_to(cr, 0, cross);
    cairo_line_to(cr, corner[i].x, corner[i].y);
    cairo_line_to(cr, corner[(i + 1) % 4].x, corner[(i + 1) % 4].y);
    cairo_close_path(cr);
    SetColor(cr, facet[i]);
    cairo_fill(cr);
  }
  cairo_move_to(cr, 0, top);
  cairo_line_to(cr, 0, bottom);
  cairo_move_to(cr, -side, cross);
  cairo_line_to(cr, side, cross);
  SetColor(cr, pal::kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  for (int i = 0; i < 4; ++i) cairo_line_to(cr, corner[i].x, corner[i].y);
  cairo_close_path(cr);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cairo_restore(cr);

  // Zorvo running to the left, one hand up holding the line.
  Pose run;
  run.lean = -0.16;
  run.head = 0.05;
  run.handR = {84, -196};
  run.elbowR = 1;
  run.handL = {-70, -50};
  run.elbowL = -1;
  run.footL = {-44, -8};
  run.footR = {46, -40};
  run.kneeR = 1;
  const double scale = 0.4;
  const Build build = ZorvoBuild(0, 250);
  const Skeleton pose = Solve(build, run);
  const double fx = 82, fy = 46;  // where the figure's box sits
  cairo_move_to(cr, fx + pose.wristR.x * scale, fy + pose.wristR.y * scale);
  cairo_curve_to(cr, fx + 80, fy + pose.wristR.y * scale - 10, kx - 60, ky + 10, kx - 4, ky - 6);
  SetColor(cr, pal::kCream);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_translate(cr, fx, fy);
  cairo_scale(cr, scale, scale);
  DrawZorvo(cr, build, run);
  cairo_restore(cr);
  return c;
}
