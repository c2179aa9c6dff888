// Zorvo: lanky, striped shirt, a violet quiff and big round glasses. His
// standing picture, his four-frame dance loop, and the drawing the kite
// flyer reuses.
#include <cmath>

#include "figures.h"
#include "pictures.h"

namespace {

constexpr double kLine = kFigureLine;

constexpr Rgb kZorvoShirt = pal::kYellow;
constexpr Rgb kZorvoStripe = pal::kOrange;
constexpr Rgb kZorvoTrousers = pal::kBlue;
constexpr Rgb kZorvoHair = pal::kViolet;
constexpr Rgb kZorvoFrames = pal::kRed;

void ZorvoHead(cairo_t* cr) {
  const Rgb skin = pal::kSkin;
  for (double side : {-1.0, 1.0}) {
    Circle(cr, side * 42, 8, 11);
    FillOutline(cr, skin, pal::kInk, kLine);
  }
  Ellipse(cr, 0, 2, 42, 49);
  FillOutline(cr, skin, pal::kInk, kLine);

  // The quiff: up the left temple, a big wave rising over to the right.
  cairo_move_to(cr, -43, 4);
  cairo_curve_to(cr, -54, -36, -34, -66, 0, -62);
  cairo_curve_to(cr, 22, -96, 76, -92, 70, -58);
  cairo_curve_to(cr, 66, -40, 52, -30, 44, -6);
  cairo_curve_to(cr, 34, -28, 6, -36, -18, -28);
  cairo_curve_to(cr, -30, -22, -38, -10, -43, 4);
  cairo_close_path(cr);
  FillOutline(cr, kZorvoHair, pal::kInk, kLine);
  cairo_move_to(cr, 8, -60);
  cairo_curve_to(cr, 24, -80, 50, -82, 58, -66);
  SetColor(cr, Mix(kZorvoHair, pal::kCream, 0.45));
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);

  // Eyebrows riding high over the frames.
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, side * 14, -33);
    cairo_curve_to(cr, side * 22, -40, side * 34, -40, side * 42, -34);
    SetColor(cr, pal::kInk);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
  }

  // The glasses: two big round lenses wider than the head.
  const double lensR = 25, lensX = 27, lensY = -1;
  cairo_move_to(cr, -lensX + lensR - 4, lensY - 4);
  cairo_curve_to(cr, -4, lensY - 12, 4, lensY - 12, lensX - lensR + 4, lensY - 4);
  StrokeOutlined(cr, kZorvoFrames, 5, pal::kInk, 2.5);
  for (double side : {-1.0, 1.0}) {
    const double x = side * lensX;
    cairo_move_to(cr, x + side * lensR, lensY);
    cairo_line_to(cr, side * 44, 4);
    StrokeOutlined(cr, kZorvoFrames, 4, pal::kInk, 2);
    Circle(cr, x, lensY, lensR);
    SetColor(cr, Rgb8(214, 236, 255));
    cairo_fill(cr);
    Circle(cr, x + 2, lensY + 3, 9);
    SetColor(cr, pal::kInk);
    cairo_fill(cr);
    Circle(cr, x - 1, lensY, 3.2);
    SetColor(cr, pal::kCream);
    cairo_fill(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, lensY, lensR - 7, M_PI * 1.05, M_PI * 1.45);
    SetColor(cr, Rgb8(255, 255, 255), 0.9);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    Circle(cr, x, lensY, lensR);
    StrokeOutlined(cr, kZorvoFrames, 6, pal::kInk, 2.5);
  }

  Ellipse(cr, 0, 30, 10, 8);
  FillOutline(cr, Rgb8(238, 150, 118), pal::kInk, 3);
  cairo_move_to(cr, -17, 39);
  cairo_curve_to(cr, -8, 48, 8, 48, 17, 39);
  SetColor(cr, pal::kInk);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
}

}  // namespace

Build ZorvoBuild(double centerX, double hipY) {
  return {centerX, hipY, 108, 30, 17, 56, 52, 76, 72, 14, 23, 56};
}

void DrawZorvo(cairo_t* cr, const Build& b, const Pose& p) {
  const Skeleton s = Solve(b, p);
  DrawLimb(cr, s.hipL, s.kneeL, s.ankleL, b.legWidth, kZorvoTrousers, kLine);
  DrawLimb(cr, s.hipR, s.kneeR, s.ankleR, b.legWidth, kZorvoTrousers, kLine);
  DrawShoe(cr, s.ankleL, -1, 25, pal::kRed, kLine);
  DrawShoe(cr, s.ankleR, 1, 25, pal::kRed, kLine);

  cairo_move_to(cr, s.neck.x, s.neck.y + 8);
  cairo_line_to(cr, (s.neck.x + s.head.x) / 2, (s.neck.y + s.head.y) / 2);
  StrokeOutlined(cr, pal::kSkin, 16, pal::kInk, kLine);

  cairo_save(cr);
  TorsoFrame(cr, s);
  RoundRect(cr, -b.hipHalf - 10, -22, 2 * (b.hipHalf + 10), 34, 14);
  FillOutline(cr, kZorvoTrousers, pal::kInk, kLine);
  cairo_restore(cr);

  // Striped shirt.
  TorsoPath(cr, b, s, 0);
  cairo_save(cr);
  SetColor(cr, kZorvoShirt);
  cairo_fill_preserve(cr);
  cairo_clip(cr);
  TorsoFrame(cr, s);
  for (double y = -b.torso + 22; y < 10; y += 20) cairo_rectangle(cr, -60, y, 120, 9);
  SetColor(cr, kZorvoStripe);
  cairo_fill(cr);
  cairo_restore(cr);
  TorsoPath(cr, b, s, 0);
  SetColor(cr, pal::kInk);
  cairo_set_line_width(cr, kLine);
  cairo_stroke(cr);
  cairo_save(cr);
  TorsoFrame(cr, s);
  cairo_move_to(cr, -15, -b.torso);
  cairo_line_to(cr, 0, -b.torso + 16);
  cairo_line_to(cr, 15, -b.torso);
  cairo_close_path(cr);
  FillOutline(cr, pal::kCream, pal::kInk, 3);
  cairo_restore(cr);

  cairo_save(cr);
  cairo_translate(cr, s.head.x, s.head.y);
  cairo_rotate(cr, s.lean + s.headTilt);
  ZorvoHead(cr);
  cairo_restore(cr);

  DrawArm(cr, s.shoulderL, s.elbowL, s.wristL, b.armWidth, pal::kSkin, kZorvoShirt, 0.34, kLine);
  DrawArm(cr, s.shoulderR, s.elbowR, s.wristR, b.armWidth, pal::kSkin, kZorvoShirt, 0.34, kLine);
}

Canvas DrawZorvoStanding() {
  Canvas c(300, 450);
  cairo_t* cr = c.cr();
  cairo_translate(cr, 150, 0);
  cairo_scale(cr, 1.06, 1.06);
  Pose p;
  p.lean = -0.03;
  p.head = 0.1;
  p.handL = {-26, -12};
  p.handR = {50, -162};
  p.elbowR = 1;
  p.footL = {-6, 0};
  p.footR = {8, 0};
  DrawZorvo(cr, ZorvoBuild(0, 252), p);
  return c;
}

Canvas DrawZorvoDance(int frame) {
  // Step and point: up pointing right, down raising the roof, up pointing
  // left, down with a clap, and round again.
  Pose up;
  up.x = 6;
  up.lean = 0.1;
  up.head = 0.05;
  up.handR = {112, -226};
  up.elbowR = 1;
  up.handL = {-26, -12};
  up.footL = {-12, 0};
  up.footR = {14, -10};
  Pose pump;
  pump.y = 14;
  pump.head = -0.08;
  pump.handL = {-60, -184};
  pump.handR = {60, -180};
  pump.elbowL = -1;
  pump.elbowR = 1;
  pump.footL = {-8, 0};
  pump.footR = {8, 0};
  Pose clap = pump;
  clap.head = 0.08;
  clap.handL = {-5, -72};
  clap.handR = {5, -72};
  clap.elbowL = 1;
  clap.elbowR = -1;
  const Pose poses[4] = {up, pump, Mirror(up), clap};

  Canvas c(260, 420);
  cairo_t* cr = c.cr();
  // A little smaller than standing, so the raised arm and the quiff stay inside.
  cairo_translate(cr, 130, 420);
  cairo_scale(cr, 0.94, 0.94);
  cairo_translate(cr, -130, -420);
  DrawZorvo(cr, ZorvoBuild(130, 250), poses[frame & 3]);
  return c;
}
