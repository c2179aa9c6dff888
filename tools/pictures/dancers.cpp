// The two dancers: Mekko in her dotted, swinging dress with her four-frame
// loop, and the disco dancer in a flared suit striking a pose.
#include <cmath>

#include "figures.h"
#include "pictures.h"

namespace {

constexpr double kLine = kFigureLine;

constexpr Rgb kMekkoDress = pal::kRose;
constexpr Rgb kMekkoDots = pal::kYellow;
constexpr Rgb kMekkoHair = pal::kPlum;
constexpr Rgb kMekkoSkin = pal::kSkinBrown;

Build MekkoBuild() { return {130, 250, 98, 25, 14, 56, 52, 76, 72, 12, 15, 52}; }

void Flower(cairo_t* cr, double x, double y, double r) {
  for (int i = 0; i < 5; ++i) {
    const double a = 2 * M_PI * i / 5 - M_PI / 2;
    Circle(cr, x + std::cos(a) * r, y + std::sin(a) * r, r * 0.75);
    FillOutline(cr, pal::kYellow, pal::kInk, 2.5);
  }
  Circle(cr, x, y, r * 0.6);
  FillOutline(cr, pal::kOrange, pal::kInk, 2.5);
}

void MekkoHead(cairo_t* cr) {
  Circle(cr, 0, -50, 24);  // bun
  FillOutline(cr, kMekkoHair, pal::kInk, kLine);
  Ellipse(cr, 0, -4, 47, 47);  // hair behind the face
  FillOutline(cr, kMekkoHair, pal::kInk, kLine);
  for (double side : {-1.0, 1.0}) {
    Circle(cr, side * 36, 24, 6);
    FillOutline(cr, pal::kYellow, pal::kInk, 2.5);
  }
  Ellipse(cr, 0, 6, 37, 40);
  FillOutline(cr, kMekkoSkin, pal::kInk, kLine);
  // Fringe swept to one side.
  cairo_move_to(cr, -38, -2);
  cairo_curve_to(cr, -42, -40, 30, -52, 40, -8);
  cairo_curve_to(cr, 20, -26, -6, -20, -38, -2);
  cairo_close_path(cr);
  FillOutline(cr, kMekkoHair, pal::kInk, kLine);
  Flower(cr, 32, -30, 8);

  for (double side : {-1.0, 1.0}) {
    Ellipse(cr, side * 15, 8, 6, 8.5);
    SetColor(cr, pal::kInk);
    cairo_fill(cr);
    Circle(cr, side * 15 - 2, 5, 2.2);
    SetColor(cr, pal::kCream);
    cairo_fill(cr);
    cairo_move_to(cr, side * 20, 2);
    cairo_line_to(cr, side * 26, -3);
    SetColor(cr, pal::kInk);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    Ellipse(cr, side * 25, 22, 8, 5);
    FillTint(cr, pal::kRose, 0.75);
  }
  cairo_move_to(cr, -11, 27);
  cairo_curve_to(cr, -6, 40, 6, 40, 11, 27);
  cairo_close_path(cr);
  FillOutline(cr, Rgb8(130, 30, 60), pal::kInk, 3);
}

void DrawMekko(cairo_t* cr, const Pose& p) {
  const Build b = MekkoBuild();
  const Skeleton s = Solve(b, p);
  for (int side = 0; side < 2; ++side) {
    DrawLimb(cr, side ? s.hipR : s.hipL, side ? s.kneeR : s.kneeL, side ? s.ankleR : s.ankleL,
             b.legWidth, kMekkoSkin, kLine);
  }
  DrawShoe(cr, s.ankleL, -1, 17, pal::kYellow, kLine);
  DrawShoe(cr, s.ankleR, 1, 17, pal::kYellow, kLine);

  // Neck, then the dress: bodice and a flared, swinging skirt with dots.
  cairo_move_to(cr, s.neck.x, s.neck.y + 8);
  cairo_line_to(cr, (s.neck.x + s.head.x) / 2, (s.neck.y + s.head.y) / 2);
  StrokeOutlined(cr, kMekkoSkin, 14, pal::kInk, kLine);

  const double waist = -30, sw = p.skirt;
  auto dressPath = [&] {
    cairo_save(cr);
    TorsoFrame(cr, s);
    const double hem = 74;
    // Drawn in the same turning sense as the torso, so the overlap fills.
    cairo_move_to(cr, 20, waist);
    cairo_curve_to(cr, 40, waist + 30, 72 + sw, hem - 30, 80 + sw * 1.4, hem - 6);
    for (int i = 0; i < 5; ++i) {  // scalloped hem, right to left
      const double x0 = 80 + sw * 1.4 - 32 * i, x1 = x0 - 32;
      const double y0 = hem - 6 + (i == 0 ? 0 : 4), y1 = hem - 6 + (i == 4 ? 0 : 4);
      cairo_curve_to(cr, x0 - 4, y0 + 16, x1 + 4, y1 + 16, x1, y1);
    }
    cairo_curve_to(cr, -72 + sw, hem - 30, -40, waist + 30, -20, waist);
    cairo_close_path(cr);
    cairo_restore(cr);
    TorsoPath(cr, b, s, 2);
  };
  // Bodice and skirt overlap: a doubled outline under the fill leaves only
  // the outer edge, so the dress reads as one piece.
  dressPath();
  SetColor(cr, pal::kInk);
  cairo_set_line_width(cr, 2 * kLine);
  cairo_stroke(cr);
  dressPath();
  cairo_save(cr);
  SetColor(cr, kMekkoDress);
  cairo_fill_preserve(cr);
  cairo_clip(cr);
  TorsoFrame(cr, s);
  Rng rng(77);
  for (int row = 0; row < 9; ++row) {
    for (int col = -4; col <= 4; ++col) {
      const double x = col * 22 + (row % 2) * 11 + sw * 0.6 * row / 8.0,
                   y = -b.torso + 8 + row * 22;
      Circle(cr, x, y, rng.Uniform(3.8, 5.2));
    }
  }
  SetColor(cr, kMekkoDots);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_save(cr);
  TorsoFrame(cr, s);
  RoundRect(cr, -b.hipHalf - 8, waist - 7, 2 * (b.hipHalf + 8), 12, 6);
  FillOutline(cr, pal::kYellow, pal::kInk, 3);
  cairo_restore(cr);

  cairo_save(cr);
  cairo_translate(cr, s.head.x, s.head.y);
  cairo_rotate(cr, s.lean + s.headTilt);
  MekkoHead(cr);
  cairo_restore(cr);

  DrawArm(cr, s.shoulderL, s.elbowL, s.wristL, b.armWidth, kMekkoSkin, kMekkoDress, 0.18, kLine);
  DrawArm(cr, s.shoulderR, s.elbowR, s.wristR, b.armWidth, kMekkoSkin, kMekkoDress, 0.18, kLine);
  for (Pt w : {s.wristL, s.wristR}) {
    Circle(cr, w.x, w.y - 1, 9);
    SetColor(cr, pal::kTeal);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  }
}

constexpr Rgb kDancerSuit = pal::kTeal;
constexpr Rgb kDancerHair = pal::kOrange;
constexpr Rgb kDancerSkin = Rgb8(226, 152, 112);

Build DancerBuild() { return {110, 234, 100, 27, 15, 54, 50, 72, 68, 13, 22, 54}; }

void DancerHead(cairo_t* cr) {
  // A big round cloud of curls around the face.
  const double curls[][3] = {{0, -40, 26},  {-30, -30, 24}, {30, -30, 24}, {-44, -4, 22},
                             {44, -4, 22},  {-38, 22, 19},  {38, 22, 19},  {-16, -50, 20},
                             {16, -50, 20}, {0, -12, 40}};
  for (const auto& c : curls) Circle(cr, c[0], c[1], c[2]);
  FillOutline(cr, kDancerHair, pal::kInk, kLine);
  for (const auto& c : curls) Circle(cr, c[0], c[1], c[2] - 2.5);
  SetColor(cr, kDancerHair);
  cairo_fill(cr);
  for (double side : {-1.0, 1.0}) {
    Circle(cr, side * 34, 28, 8);
    SetColor(cr, pal::kYellow);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  }
  Ellipse(cr, 0, 8, 33, 37);
  FillOutline(cr, kDancerSkin, pal::kInk, kLine);
  // Closed, smiling eyes: lost in the music.
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, side * 20, 6);
    cairo_curve_to(cr, side * 16, -2, side * 8, -2, side * 5, 6);
    SetColor(cr, pal::kInk);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    Ellipse(cr, side * 21, 20, 7, 4.5);
    FillTint(cr, pal::kRose, 0.8);
  }
  cairo_move_to(cr, -14, 24);
  cairo_curve_to(cr, -8, 40, 8, 40, 14, 24);
  cairo_close_path(cr);
  FillOutline(cr, Rgb8(250, 244, 232), pal::kInk, 3);
}

void DrawDancerFigure(cairo_t* cr, const Pose& p) {
  const Build b = DancerBuild();
  const Skeleton s = Solve(b, p);
  for (int side = 0; side < 2; ++side) {
    const Pt hip = side ? s.hipR : s.hipL, knee = side ? s.kneeR : s.kneeL;
    const Pt ankle = side ? s.ankleR : s.ankleL;
    DrawLimb(cr, hip, knee, ankle, b.legWidth, kDancerSuit, kLine);
    // Flared trouser bottoms, with platform shoes peeking out in front.
    const double sx = side ? 1 : -1;
    cairo_move_to(cr, ankle.x - 11, ankle.y - 16);
    cairo_line_to(cr, ankle.x - 19, ankle.y + 2);
    cairo_curve_to(cr, ankle.x - 6, ankle.y + 6, ankle.x + 6, ankle.y + 6, ankle.x + 19,
                   ankle.y + 2);
    cairo_line_to(cr, ankle.x + 11, ankle.y - 16);
    cairo_close_path(cr);
    FillOutline(cr, kDancerSuit, pal::kInk, kLine);
    DrawShoe(cr, {ankle.x, ankle.y + 5}, sx, 19, pal::kRed, kLine);
  }
  cairo_move_to(cr, s.neck.x, s.neck.y + 8);
  cairo_line_to(cr, (s.neck.x + s.head.x) / 2, (s.neck.y + s.head.y) / 2);
  StrokeOutlined(cr, kDancerSkin, 14, pal::kInk, kLine);
  cairo_save(cr);
  TorsoFrame(cr, s);
  RoundRect(cr, -b.hipHalf - 10, -22, 2 * (b.hipHalf + 10), 34, 14);
  FillOutline(cr, kDancerSuit, pal::kInk, kLine);
  cairo_restore(cr);
  TorsoPath(cr, b, s, 0);
  FillOutline(cr, kDancerSuit, pal::kInk, kLine);

  cairo_save(cr);
  TorsoFrame(cr, s);
  // Wide pointed collar, a deep neckline and a shiny belt.
  const double top = -b.torso;
  cairo_move_to(cr, -8, top - 2);
  cairo_line_to(cr, 0, top + 30);
  cairo_line_to(cr, 8, top - 2);
  cairo_close_path(cr);
  FillOutline(cr, kDancerSkin, pal::kInk, 3);
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, side * 6, top - 2);
    cairo_line_to(cr, side * 30, top + 2);
    cairo_line_to(cr, side * 14, top + 26);
    cairo_close_path(cr);
    FillOutline(cr, pal::kYellow, pal::kInk, 3);
  }
  RoundRect(cr, -b.hipHalf - 10, -30, 2 * (b.hipHalf + 10), 13, 5);
  FillOutline(cr, pal::kYellow, pal::kInk, 3);
  Circle(cr, 0, -23.5, 7);
  FillOutline(cr, pal::kRose, pal::kInk, 3);
  cairo_restore(cr);

  cairo_save(cr);
  cairo_translate(cr, s.head.x, s.head.y);
  cairo_rotate(cr, s.lean + s.headTilt);
  DancerHead(cr);
  cairo_restore(cr);

  DrawArm(cr, s.shoulderL, s.elbowL, s.wristL, b.armWidth, kDancerSkin, kDancerSuit, 0.8, kLine);
  DrawArm(cr, s.shoulderR, s.elbowR, s.wristR, b.armWidth, kDancerSkin, kDancerSuit, 0.8, kLine);
}

}  // namespace

Canvas DrawMekkoDance(int frame) {
  // A swaying twirl: arms up in a V with the skirt swung out, arms wide, the
  // mirrored V, hands on the hips; the skirt swings through the loop.
  Pose arch;
  arch.lean = -0.08;
  arch.head = -0.1;
  arch.handL = {-78, -176};
  arch.handR = {80, -180};
  arch.elbowL = -1;
  arch.elbowR = 1;
  arch.footR = {10, -12};
  arch.skirt = 14;
  Pose wide;
  wide.y = 8;
  wide.head = 0.12;
  wide.handL = {-108, -118};
  wide.handR = {108, -118};
  wide.elbowL = -1;
  wide.elbowR = 1;
  wide.footL = {-6, 0};
  wide.footR = {6, 0};
  Pose hips = wide;
  hips.head = -0.12;
  hips.handL = {-22, -26};
  hips.handR = {22, -26};
  hips.elbowL = 1;
  hips.elbowR = -1;
  const Pose poses[4] = {arch, wide, Mirror(arch), hips};

  Canvas c(260, 420);
  DrawMekko(c.cr(), poses[frame & 3]);
  return c;
}

Canvas DrawDancer() {
  Pose p;
  p.lean = -0.1;
  p.x = -4;
  p.head = 0.1;
  p.handR = {120, -250};
  p.elbowR = 1;
  p.handL = {-24, -12};
  p.footL = {-18, 0};
  p.footR = {30, -14};
  Canvas c(220, 400);
  DrawDancerFigure(c.cr(), p);
  return c;
}
