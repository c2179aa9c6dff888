// The things that move about the screen: the vortex, the star, the train and
// the NO / YES sign that rides beside the plane.
#include <cmath>

#include "kivvi.h"
#include "pictures.h"

namespace {

// Paints `draw` into a blurred copy under the canvas's current content, as a
// soft glow of the given alpha.
template <typename Draw>
void AddGlow(Canvas& c, int radius, double alpha, Draw draw) {
  Canvas glow(c.width(), c.height());
  draw(glow.cr());
  BoxBlur(glow.surface(), radius, 3);
  cairo_t* cr = c.cr();
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OVER);
  cairo_set_source_surface(cr, glow.surface(), 0, 0);
  cairo_paint_with_alpha(cr, alpha);
  cairo_restore(cr);
}

}  // namespace

Canvas DrawVortex() {
  Canvas c(512, 512);
  cairo_t* cr = c.cr();
  const double cx = 256, cy = 256, inner = 10, outer = 252;
  cairo_push_group(cr);
  Circle(cr, cx, cy, outer);
  SetColor(cr, Rgb8(40, 28, 120));
  cairo_fill(cr);

  // Six logarithmic-spiral arms; each is the band between two spirals.
  const int arms = 6;
  const double growth = 0.32, width = 0.55 * 2 * M_PI / arms;
  const Rgb colors[3] = {pal::kViolet, pal::kBlue, pal::kRose};
  for (int i = 0; i < arms; ++i) {
    const double phase = 2 * M_PI * i / arms;
    const int steps = 120;
    auto point = [&](int j, double offset) {
      const double r = inner * std::pow(outer * 1.15 / inner, double(j) / steps);
      const double a = phase + offset + std::log(r / inner) / growth;
      return std::make_pair(cx + r * std::cos(a), cy + r * std::sin(a));
    };
    for (int j = 0; j <= steps; ++j) {
      auto [x, y] = point(j, 0);
      j == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
    for (int j = steps; j >= 0; --j) {
      auto [x, y] = point(j, width);
      cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    FillOutline(cr, colors[i % 3], pal::kInk, 5);
    // A light line along the arm's leading edge.
    for (int j = steps / 6; j <= steps; ++j) {
      auto [x, y] = point(j, width * 0.22);
      j == steps / 6 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
    SetColor(cr, Mix(colors[i % 3], pal::kCream, 0.55), 0.9);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  }

  // The eye of the vortex.
  Circle(cr, cx, cy, 40);
  FillOutline(cr, pal::kOrange, pal::kInk, 6);
  Circle(cr, cx, cy, 24);
  FillOutline(cr, pal::kYellow, pal::kInk, 4);
  Ellipse(cr, cx - 7, cy - 8, 8, 5, -0.6);
  FillTint(cr, pal::kCream, 0.95);
  cairo_pop_group_to_source(cr);

  // Fade the outer rim to nothing, so the square never shows when it spins.
  cairo_pattern_t* fade = cairo_pattern_create_radial(cx, cy, 0, cx, cy, outer);
  cairo_pattern_add_color_stop_rgba(fade, 0.0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(fade, 0.62, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(fade, 1.0, 0, 0, 0, 0);
  cairo_mask(cr, fade);
  cairo_pattern_destroy(fade);

  AddGlow(c, 10, 0.7, [&](cairo_t* g) {
    Circle(g, cx, cy, 60);
    SetColor(g, pal::kYellow);
    cairo_fill(g);
  });
  return c;
}

namespace {

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner) {
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + M_PI * i / 5, r = i % 2 ? inner : outer;
    const double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
    i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

}  // namespace

Canvas DrawStar() {
  Canvas c(128, 128);
  cairo_t* cr = c.cr();
  const double cx = 64, cy = 67, outer = 47, inner = 21;
  // Faceted: each point has a lit and a shaded half.
  for (int i = 0; i < 10; ++i) {
    const double a0 = -M_PI / 2 + M_PI * i / 5, a1 = -M_PI / 2 + M_PI * (i + 1) / 5;
    const double r0 = i % 2 ? inner : outer, r1 = i % 2 ? outer : inner;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + r0 * std::cos(a0), cy + r0 * std::sin(a0));
    cairo_line_to(cr, cx + r1 * std::cos(a1), cy + r1 * std::sin(a1));
    cairo_close_path(cr);
    SetColor(cr, i % 2 ? pal::kYellow : Rgb8(255, 170, 40));
    cairo_fill(cr);
  }
  StarPath(cr, cx, cy, outer, inner);
  SetColor(cr, pal::kInk);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  Ellipse(cr, cx - 12, cy - 10, 6, 3.5, -0.7);
  FillTint(cr, pal::kCream, 0.95);
  AddGlow(c, 4, 0.65, [&](cairo_t* g) {
    StarPath(g, cx, cy, outer + 3, inner + 3);
    SetColor(g, pal::kYellow);
    cairo_fill(g);
  });
  return c;
}

namespace {

void Wheel(cairo_t* cr, double x, double y, double r, double turn) {
  Circle(cr, x, y, r);
  FillOutline(cr, pal::kYellow, pal::kInk, 4);
  for (int i = 0; i < 4; ++i) {
    const double a = turn + M_PI * i / 4;
    cairo_move_to(cr, x + std::cos(a) * r * 0.7, y + std::sin(a) * r * 0.7);
    cairo_line_to(cr, x - std::cos(a) * r * 0.7, y - std::sin(a) * r * 0.7);
  }
  SetColor(cr, pal::kOrange);
  cairo_set_line_width(cr, r > 15 ? 4 : 3);
  cairo_stroke(cr);
  Circle(cr, x, y, r * 0.28);
  FillOutline(cr, pal::kRed, pal::kInk, 3);
}

// A small Kivvi looking out of a window, clipped to it.
void Passenger(cairo_t* cr, double x, double y, double w, double h, double look) {
  RoundRect(cr, x, y, w, h, 6);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  SetColor(cr, pal::kSky);
  cairo_fill(cr);
  cairo_translate(cr, x + w / 2, y + h * 0.9);
  cairo_scale(cr, w / 720, w / 720);
  KivviPose pose;
  pose.look = look;
  DrawKivvi(cr, KivviDay(), pose);
  cairo_restore(cr);
  RoundRect(cr, x, y, w, h, 6);
  SetColor(cr, pal::kInk);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
}

void Carriage(cairo_t* cr, double x0, double x1, Rgb body, double look, int windows) {
  RoundRect(cr, x0 - 4, 28, x1 - x0 + 8, 16, 8);  // roof
  FillOutline(cr, pal::kPlum, pal::kInk, 4);
  RoundRect(cr, x0, 38, x1 - x0, 78, 10);
  FillOutline(cr, body, pal::kInk, 4);
  cairo_rectangle(cr, x0 + 2, 96, x1 - x0 - 4, 9);
  SetColor(cr, pal::kYellow);
  cairo_fill(cr);
  const double span = x1 - x0, w = 38;
  for (int i = 0; i < windows; ++i)
    Passenger(cr, x0 + 14 + i * (span - 28 - w) / (windows - 1), 48, w, 38, i == 1 ? -look : look);
  if (span < 150) {
    for (double wx : {x0 + 30, x1 - 30}) Wheel(cr, wx, 124, 14, wx * 0.05);
  } else {
    for (double wx : {x0 + 30, x0 + 58, x1 - 58, x1 - 30}) Wheel(cr, wx, 124, 14, wx * 0.05);
  }
}

// A locomotive facing left, its cab ending at x = 236: cowcatcher, frame,
// boiler, chimney, cab.
void Locomotive(cairo_t* cr) {
  cairo_move_to(cr, 8, 138);
  cairo_line_to(cr, 34, 106);
  cairo_line_to(cr, 40, 138);
  cairo_close_path(cr);
  FillOutline(cr, pal::kOrange, pal::kInk, 4);
  RoundRect(cr, 26, 100, 206, 20, 6);
  FillOutline(cr, pal::kPlum, pal::kInk, 4);

  cairo_move_to(cr, 50, 14);
  cairo_line_to(cr, 80, 14);
  cairo_line_to(cr, 72, 34);
  cairo_line_to(cr, 70, 56);
  cairo_line_to(cr, 60, 56);
  cairo_line_to(cr, 58, 34);
  cairo_close_path(cr);
  FillOutline(cr, pal::kPlum, pal::kInk, 4);
  RoundRect(cr, 46, 10, 38, 9, 4);
  FillOutline(cr, pal::kYellow, pal::kInk, 4);
  cairo_move_to(cr, 108, 52);
  cairo_curve_to(cr, 108, 30, 134, 30, 134, 52);
  cairo_close_path(cr);
  FillOutline(cr, pal::kYellow, pal::kInk, 4);

  RoundRect(cr, 28, 50, 140, 54, 24);
  FillOutline(cr, pal::kRed, pal::kInk, 4);
  for (double bx : {72.0, 104.0, 138.0}) {
    cairo_rectangle(cr, bx, 52, 8, 50);
    SetColor(cr, pal::kYellow);
    cairo_fill(cr);
  }
  Ellipse(cr, 70, 62, 28, 5, 0);
  FillTint(cr, pal::kCream, 0.6);
  RoundRect(cr, 28, 50, 140, 54, 24);
  SetColor(cr, pal::kInk);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  Circle(cr, 30, 66, 10);  // headlamp
  FillOutline(cr, pal::kCream, pal::kInk, 4);
  Circle(cr, 28, 66, 5);
  FillTint(cr, pal::kYellow, 1);

  RoundRect(cr, 160, 34, 70, 70, 6);
  FillOutline(cr, pal::kRed, pal::kInk, 4);
  RoundRect(cr, 154, 22, 82, 16, 7);
  FillOutline(cr, pal::kPlum, pal::kInk, 4);
  Passenger(cr, 174, 46, 42, 36, -0.9);  // the driver looks ahead

  Wheel(cr, 50, 126, 13, 0.2);
  Wheel(cr, 94, 118, 22, 0.5);
  Wheel(cr, 146, 118, 22, 0.9);
  Wheel(cr, 202, 124, 15, 0.1);
  cairo_move_to(cr, 94 + 10, 114);
  cairo_line_to(cr, 146 + 10, 114);
  StrokeOutlined(cr, pal::kCream, 5, pal::kInk, 2.5);
}

}  // namespace

// A locomotive at each end, so the train reads right whichever way its row
// slides across the screen.
Canvas DrawTrain() {
  Canvas c(600, 150);
  cairo_t* cr = c.cr();

  // The coupling first, so the car and the cabs cover its ends.
  cairo_move_to(cr, 226, 108);
  cairo_line_to(cr, 374, 108);
  StrokeOutlined(cr, pal::kPlum, 6, pal::kInk, 3);

  Carriage(cr, 242, 358, pal::kTeal, 0.8, 2);
  Locomotive(cr);
  cairo_save(cr);
  cairo_translate(cr, 600, 0);
  cairo_scale(cr, -1, 1);
  Locomotive(cr);
  cairo_restore(cr);
  return c;
}

Canvas DrawSign(bool yes) {
  Canvas c(160, 100);
  cairo_t* cr = c.cr();
  const Rgb color = yes ? pal::kGreen : pal::kRed;
  // A speech bubble whose tail points down-left, towards the plane.
  auto bubble = [&] {
    RoundRect(cr, 10, 8, 140, 64, 20);
    cairo_move_to(cr, 34, 68);
    cairo_line_to(cr, 14, 92);
    cairo_line_to(cr, 62, 68);
    cairo_close_path(cr);
  };
  bubble();
  SetColor(cr, pal::kInk);
  cairo_set_line_width(cr, 10);
  cairo_stroke(cr);
  bubble();
  SetColor(cr, color);
  cairo_fill(cr);
  cairo_move_to(cr, 26, 22);
  cairo_curve_to(cr, 40, 15, 70, 14, 92, 15);
  SetColor(cr, pal::kCream, 0.7);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);

  TextPath(cr, yes ? "YES" : "NO", "DejaVu Sans", true, 46, 80, 42);
  SetColor(cr, pal::kInk);
  cairo_set_line_width(cr, 8);
  cairo_stroke_preserve(cr);
  SetColor(cr, pal::kCream);
  cairo_fill(cr);
  return c;
}
