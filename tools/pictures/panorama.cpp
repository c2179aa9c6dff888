// The evening city panorama: sunset sky, hills, a skyline and a lit street.
// Shown as copies side by side, so everything repeats every kPeriod columns
// and the first and last columns are the same.
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "pictures.h"

namespace {

constexpr double kPeriod = 899;  // the panorama repeats every 899 columns: 0 and 899 match

// Draws `draw` at x, and again one period to either side, so anything that
// crosses an edge comes back on the other.
void Wrapped(cairo_t* cr, const std::function<void(double)>& draw, double x) {
  for (double shift : {-kPeriod, 0.0, kPeriod}) {
    cairo_save(cr);
    draw(x + shift);
    cairo_restore(cr);
  }
}

double Wave(double x, std::initializer_list<std::array<double, 3>> waves) {
  double y = 0;
  for (const auto& w : waves) y += w[0] * std::sin(2 * M_PI * w[1] * x / kPeriod + w[2]);
  return y;
}

}  // namespace

Canvas DrawPanorama() {
  Canvas c(900, 300);
  cairo_t* cr = c.cr();
  FillVerticalGradient(cr, 0, 240,
                       {{0.0, Rgb8(36, 26, 100)},
                        {0.55, Rgb8(150, 50, 140)},
                        {0.85, Rgb8(240, 110, 90)},
                        {1.0, Rgb8(255, 160, 80)}},
                       0, 0, 900, 300);
  Rng rng(4242);

  // First stars in the darkening top of the sky.
  for (int i = 0; i < 70; ++i) {
    const double sx = rng.Uniform(0, kPeriod), sy = rng.Uniform(4, 110), r = rng.Uniform(0.8, 1.8);
    const double alpha = 0.9 * (1 - sy / 120);
    Wrapped(
        cr,
        [&](double x) {
          Circle(cr, x, sy, r);
          SetColor(cr, pal::kCream, alpha);
          cairo_fill(cr);
        },
        sx);
  }

  // The setting sun, striped across its lower half.
  Wrapped(
      cr,
      [&](double x) {
        cairo_rectangle(cr, x - 80, 110, 160, 62);
        for (int i = 0; i < 5; ++i) cairo_rectangle(cr, x - 80, 174 + i * 10, 160, 7 - i);
        cairo_clip(cr);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 130, 0, 230);
        cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.86, 0.3);
        cairo_pattern_add_color_stop_rgb(g, 1, 1, 0.45, 0.35);
        Circle(cr, x, 190, 72);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
      },
      610);

  // Long flat clouds.
  for (int i = 0; i < 7; ++i) {
    const double cx = rng.Uniform(0, kPeriod), cy = rng.Uniform(30, 140), w = rng.Uniform(60, 130);
    Wrapped(
        cr,
        [&](double x) {
          RoundRect(cr, x - w / 2, cy, w, 12, 6);
          RoundRect(cr, x - w / 4, cy - 8, w * 0.45, 14, 7);
          SetColor(cr, Rgb8(255, 120, 160), 0.7);
          cairo_fill(cr);
          cairo_move_to(cr, x - w / 4 + 6, cy - 5);
          cairo_line_to(cr, x + w * 0.15, cy - 5);
          SetColor(cr, Rgb8(255, 200, 190), 0.7);
          cairo_set_line_width(cr, 2.5);
          cairo_stroke(cr);
        },
        cx);
  }

  // Hills behind the city; every wave fits the period a whole number of times.
  auto hills = [](double x) { return 180 + Wave(x, {{22, 2, 1.0}, {12, 5, 2.0}, {5, 11, 0.3}}); };
  Wrapped(
      cr,
      [&](double x) {
        cairo_translate(cr, x, 0);
        RidgePath(cr, 0, kPeriod, 310, [&](double t) { return hills(t); });
        FillOutline(cr, Rgb8(104, 46, 148), pal::kInk, 3);
      },
      0);

  // A striped hot-air balloon drifting over the hills.
  Wrapped(
      cr,
      [&](double x) {
        const double y = 64;
        cairo_move_to(cr, x - 9, y + 34);
        cairo_line_to(cr, x - 6, y + 46);
        cairo_move_to(cr, x + 9, y + 34);
        cairo_line_to(cr, x + 6, y + 46);
        SetColor(cr, pal::kInk);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        RoundRect(cr, x - 8, y + 44, 16, 11, 3);
        FillOutline(cr, pal::kBrown, pal::kInk, 2.5);
        auto envelope = [&] {
          cairo_move_to(cr, x - 10, y + 34);
          cairo_curve_to(cr, x - 44, y + 6, x - 34, y - 34, x, y - 34);
          cairo_curve_to(cr, x + 34, y - 34, x + 44, y + 6, x + 10, y + 34);
          cairo_close_path(cr);
        };
        envelope();
        cairo_save(cr);
        cairo_clip_preserve(cr);
        SetColor(cr, pal::kYellow);
        cairo_fill(cr);
        for (double dx : {-22.0, 6.0}) {
          Ellipse(cr, x + dx + 8, y, 7, 40);
        }
        SetColor(cr, pal::kRose);
        cairo_fill(cr);
        cairo_restore(cr);
        envelope();
        SetColor(cr, pal::kInk);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
      },
      250);

  // The city: buildings side by side round the whole period.
  std::vector<std::array<double, 3>> blocks;  // x, width, height
  for (double x = 0; x < kPeriod;) {
    double w = rng.Uniform(26, 58);
    if (x + w > kPeriod - 20) w = kPeriod - x;  // the last one closes the loop
    blocks.push_back({x, w, rng.Uniform(44, 118)});
    x += w;
  }
  const Rgb towers[] = {Rgb8(44, 30, 96), Rgb8(60, 36, 116), Rgb8(34, 26, 80)};
  const double street = 258;
  for (size_t i = 0; i < blocks.size(); ++i) {
    const auto [bx, bw, bh] = blocks[i];
    const Rgb tone = towers[i % 3];
    const bool antenna = rng.Below(3) == 0;
    std::vector<bool> lit;
    for (int k = 0; k < 64; ++k) lit.push_back(rng.Below(100) < 42);
    Wrapped(
        cr,
        [&](double x) {
          if (antenna) {
            cairo_move_to(cr, x + bw / 2, street - bh);
            cairo_line_to(cr, x + bw / 2, street - bh - 16);
            SetColor(cr, pal::kInk);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            Circle(cr, x + bw / 2, street - bh - 17, 2.5);
            SetColor(cr, pal::kRed);
            cairo_fill(cr);
          }
          cairo_rectangle(cr, x + 1, street - bh, bw - 2, bh + 10);
          FillOutline(cr, tone, pal::kInk, 3);
          int k = 0;
          for (double wy = street - bh + 8; wy < street - 12; wy += 12) {
            for (double wx = x + 6; wx < x + bw - 9; wx += 10) {
              if (lit[k++ % lit.size()]) {
                cairo_rectangle(cr, wx, wy, 5, 7);
              }
            }
          }
          SetColor(cr, (i % 2) ? pal::kYellow : Rgb8(255, 170, 90));
          cairo_fill(cr);
        },
        bx);
  }

  // The street with lamps and a dashed middle line.
  cairo_rectangle(cr, 0, street, 900, 300 - street);
  SetColor(cr, Rgb8(28, 22, 64));
  cairo_fill(cr);
  cairo_move_to(cr, 0, street);
  cairo_line_to(cr, 900, street);
  SetColor(cr, pal::kInk);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  for (int i = 0; i < 31; ++i) {
    Wrapped(
        cr,
        [&](double x) {
          cairo_rectangle(cr, x, 281, 14, 3);
          SetColor(cr, Rgb8(255, 200, 120), 0.8);
          cairo_fill(cr);
        },
        i * kPeriod / 31);
  }
  for (int i = 0; i < 9; ++i) {
    Wrapped(
        cr,
        [&](double x) {
          cairo_pattern_t* g = cairo_pattern_create_radial(x, 240, 0, x, 240, 26);
          cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.85, 0.4, 0.55);
          cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.85, 0.4, 0);
          Circle(cr, x, 240, 26);
          cairo_set_source(cr, g);
          cairo_fill(cr);
          cairo_pattern_destroy(g);
          cairo_move_to(cr, x, 272);
          cairo_line_to(cr, x, 242);
          StrokeOutlined(cr, Rgb8(70, 60, 130), 3, pal::kInk, 1.5);
          Circle(cr, x, 240, 5);
          FillOutline(cr, pal::kYellow, pal::kInk, 2);
        },
        50 + i * kPeriod / 9);
  }
  return c;
}
