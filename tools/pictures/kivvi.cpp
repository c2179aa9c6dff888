// Kivvi the mascot, its opening picture and the strobe backdrop (the same
// picture in a light and a dark version) shown behind the two dancers.
#include "kivvi.h"

#include <cmath>

#include "pictures.h"

KivviLook KivviDay() {
  KivviLook k;
  k.body = pal::kTeal;
  k.bodyShade = Rgb8(20, 140, 150);
  k.belly = pal::kMint;
  k.leaf = pal::kGreen;
  k.leafShade = pal::kLeaf;
  k.feet = pal::kOrange;
  k.eye = Rgb8(250, 246, 236);
  k.pupil = pal::kInk;
  k.cheek = pal::kRose;
  k.mouth = Rgb8(120, 28, 64);
  k.tongue = pal::kRose;
  k.ink = pal::kInk;
  k.shine = Rgb8(220, 255, 240);
  return k;
}

KivviLook KivviNight() {
  // Fills sink towards the night blue; the outline turns into a violet glow so
  // the shape still reads in the dark flashes of the strobe.
  KivviLook day = KivviDay();
  auto dim = [](Rgb c) { return Mix(c, pal::kNavy, 0.72); };
  KivviLook k;
  k.body = dim(day.body);
  k.bodyShade = dim(day.bodyShade);
  k.belly = dim(day.belly);
  k.leaf = dim(day.leaf);
  k.leafShade = dim(day.leafShade);
  k.feet = dim(day.feet);
  k.eye = Mix(day.eye, pal::kNavy, 0.45);
  k.pupil = pal::kNight;
  k.cheek = dim(day.cheek);
  k.mouth = dim(day.mouth);
  k.tongue = dim(day.tongue);
  k.ink = Rgb8(150, 96, 240);
  k.shine = Mix(day.shine, pal::kNavy, 0.6);
  return k;
}

namespace {

constexpr double kLine = 22.0;  // outline width at full size

// A pointed leaf from `base` towards `angle`, with its midrib.
void Leaf(cairo_t* cr, const KivviLook& k, double bx, double by, double angle, double length,
          double halfWidth) {
  const double dx = std::cos(angle), dy = std::sin(angle);
  const double nx = -dy, ny = dx;
  auto px = [&](double along, double side) {
    return bx + dx * along * length + nx * side * halfWidth;
  };
  auto py = [&](double along, double side) {
    return by + dy * along * length + ny * side * halfWidth;
  };
  cairo_move_to(cr, bx, by);
  cairo_curve_to(cr, px(0.2, 1.4), py(0.2, 1.4), px(0.75, 1.1), py(0.75, 1.1), px(1, 0), py(1, 0));
  cairo_curve_to(cr, px(0.75, -1.1), py(0.75, -1.1), px(0.2, -1.4), py(0.2, -1.4), bx, by);
  cairo_close_path(cr);
  FillOutline(cr, k.leaf, k.ink, kLine);
  cairo_move_to(cr, px(0.12, 0), py(0.12, 0));
  cairo_curve_to(cr, px(0.4, 0.15), py(0.4, 0.15), px(0.6, 0.1), py(0.6, 0.1), px(0.78, 0),
                 py(0.78, 0));
  SetColor(cr, k.leafShade);
  cairo_set_line_width(cr, kLine * 0.6);
  cairo_stroke(cr);
}

// A stubby arm: an ellipse pointing from the shoulder at `angle`.
void Arm(cairo_t* cr, const KivviLook& k, double side, double angle) {
  const double sx = side * 230, sy = 20;
  const double cx = sx + std::cos(angle) * 115, cy = sy + std::sin(angle) * 115;
  Ellipse(cr, cx, cy, 100, 56, angle);
  FillOutline(cr, k.body, k.ink, kLine);
}

void Eye(cairo_t* cr, const KivviLook& k, double x, double y, double look) {
  Ellipse(cr, x, y, 64, 84);
  FillOutline(cr, k.eye, k.ink, kLine * 0.8);
  const double px = x + 12 + look * 16, py = y + 12;
  Ellipse(cr, px, py, 40, 48);
  SetColor(cr, k.pupil);
  cairo_fill(cr);
  Circle(cr, px - 13, py - 18, 14);
  Circle(cr, px + 14, py + 18, 6);
  SetColor(cr, k.eye);
  cairo_fill(cr);
}

}  // namespace

void DrawKivvi(cairo_t* cr, const KivviLook& k, const KivviPose& pose) {
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);

  // Sprout: a curved stem with two leaves, behind the head.
  cairo_move_to(cr, 0, -270);
  cairo_curve_to(cr, -6, -310, 10, -340, 24, -356);
  StrokeOutlined(cr, k.leafShade, 18, k.ink, kLine / 2);
  Leaf(cr, k, 22, -352, -2.45, 190, 62);
  Leaf(cr, k, 26, -356, -0.62, 160, 54);

  // Feet and arms sit behind the body so its outline runs over them.
  for (double side : {-1.0, 1.0}) {
    Ellipse(cr, side * 128, 286, 98, 54, -side * 0.12);
    FillOutline(cr, k.feet, k.ink, kLine);
  }
  const double rest = 0.7, raised = -0.95;
  Arm(cr, k, -1, M_PI - rest);
  Arm(cr, k, 1, rest + (raised - rest) * pose.wave);

  // Body: a slightly wide ball, shaded on its lower right, with a shine.
  Ellipse(cr, 0, 0, 312, 294);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  SetColor(cr, k.bodyShade);
  cairo_fill(cr);
  Ellipse(cr, -34, -40, 300, 280);
  SetColor(cr, k.body);
  cairo_fill(cr);
  Ellipse(cr, 10, 150, 190, 135);
  SetColor(cr, k.belly);
  cairo_fill(cr);
  Ellipse(cr, -170, -170, 74, 38, -0.7);
  SetColor(cr, k.shine, 0.85);
  cairo_fill(cr);
  cairo_restore(cr);
  Ellipse(cr, 0, 0, 312, 294);
  SetColor(cr, k.ink);
  cairo_set_line_width(cr, kLine);
  cairo_stroke(cr);

  // Face.
  for (double side : {-1.0, 1.0}) {
    Ellipse(cr, side * 196, 62, 48, 28);
    SetColor(cr, k.cheek, 0.8);
    cairo_fill(cr);
  }
  Eye(cr, k, -108, -40, pose.look);
  Eye(cr, k, 108, -40, pose.look);

  cairo_move_to(cr, -80, 66);
  cairo_curve_to(cr, -40, 86, 40, 86, 80, 66);
  cairo_curve_to(cr, 66, 196, -66, 196, -80, 66);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  SetColor(cr, k.mouth);
  cairo_fill(cr);
  Circle(cr, 6, 190, 60);
  SetColor(cr, k.tongue);
  cairo_fill(cr);
  cairo_restore(cr);
  SetColor(cr, k.ink);
  cairo_set_line_width(cr, kLine * 0.8);
  cairo_stroke(cr);

  if (pose.goggles) {
    // Strap across the forehead with two round lenses resting on it.
    cairo_move_to(cr, -300, -150);
    cairo_curve_to(cr, -150, -200, 150, -200, 300, -150);
    StrokeOutlined(cr, pal::kBrown, 34, k.ink, kLine / 2);
    for (double side : {-1.0, 1.0}) {
      Circle(cr, side * 82, -180, 58);
      FillOutline(cr, pal::kYellow, k.ink, kLine * 0.8);
      Circle(cr, side * 82, -180, 38);
      FillOutline(cr, pal::kSky, k.ink, kLine * 0.5);
      Ellipse(cr, side * 82 - 12, -192, 14, 9, -0.6);
      SetColor(cr, pal::kCream);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

Canvas DrawKivviPicture() {
  Canvas c(1000, 1000);
  cairo_t* cr = c.cr();
  cairo_translate(cr, 500, 540);
  KivviPose pose;
  pose.wave = 1.0;
  pose.look = 0.3;
  DrawKivvi(cr, KivviDay(), pose);
  return c;
}

Canvas DrawKivviBackdrop(bool light) {
  Canvas c(800, 600);
  cairo_t* cr = c.cr();
  const double cx = 400, cy = 300;

  // Sunburst of 24 rays round the centre.
  const Rgb base = light ? Rgb8(255, 214, 110) : pal::kNavy;
  const Rgb ray = light ? Rgb8(255, 236, 176) : Rgb8(40, 34, 110);
  SetColor(cr, base);
  cairo_paint(cr);
  const int rays = 24;
  for (int i = 0; i < rays; i += 2) {
    const double a0 = 2 * M_PI * i / rays, a1 = 2 * M_PI * (i + 1) / rays;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + 1000 * std::cos(a0), cy + 1000 * std::sin(a0));
    cairo_line_to(cr, cx + 1000 * std::cos(a1), cy + 1000 * std::sin(a1));
    cairo_close_path(cr);
  }
  SetColor(cr, ray);
  cairo_fill(cr);

  // Rings behind Kivvi.
  const Rgb ring1 = light ? pal::kRose : Rgb8(60, 36, 120);
  const Rgb ring2 = light ? pal::kOrange : Rgb8(46, 30, 100);
  Circle(cr, cx, cy + 10, 270);
  FillOutline(cr, ring2, light ? pal::kInk : Rgb8(120, 80, 220), 8);
  Circle(cr, cx, cy + 10, 230);
  FillOutline(cr, ring1, light ? pal::kInk : Rgb8(120, 80, 220), 8);

  // Confetti scattered on the rays, the same places in both versions.
  Rng rng(2024);
  const Rgb colors[] = {pal::kRose, pal::kViolet, pal::kBlue, pal::kTeal, pal::kRed, pal::kGreen};
  for (int i = 0; i < 70; ++i) {
    const double x = rng.Uniform(10, 790), y = rng.Uniform(10, 590);
    const double r = rng.Uniform(6, 14), turn = rng.Uniform(0, M_PI);
    const Rgb col = colors[rng.Below(6)];
    if (std::hypot(x - cx, y - cy - 10) < 290) continue;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    RoundRect(cr, -r, -r * 0.45, 2 * r, r * 0.9, r * 0.3);
    cairo_restore(cr);
    FillOutline(cr, light ? col : Mix(col, pal::kNavy, 0.65), light ? pal::kInk : Rgb8(90, 60, 180),
                3);
  }

  cairo_translate(cr, cx, cy + 40);
  cairo_scale(cr, 0.56, 0.56);
  KivviPose pose;
  pose.wave = 1.0;
  DrawKivvi(cr, light ? KivviDay() : KivviNight(), pose);
  return c;
}
