// The moonlit valley behind one scene: stars, a ringed planet, the moon over
// the mountains and a lake, and a little town on the shore. Only its right
// half and lower two thirds are on screen, so that is where the moon and the
// town are.
#include <cmath>

#include "pictures.h"

namespace {

// A four-pointed twinkle.
void Sparkle(cairo_t* cr, double x, double y, double r, Rgb c, double alpha) {
  cairo_move_to(cr, x, y - r);
  cairo_curve_to(cr, x + r * 0.15, y - r * 0.15, x + r * 0.15, y - r * 0.15, x + r, y);
  cairo_curve_to(cr, x + r * 0.15, y + r * 0.15, x + r * 0.15, y + r * 0.15, x, y + r);
  cairo_curve_to(cr, x - r * 0.15, y + r * 0.15, x - r * 0.15, y + r * 0.15, x - r, y);
  cairo_curve_to(cr, x - r * 0.15, y - r * 0.15, x - r * 0.15, y - r * 0.15, x, y - r);
  cairo_close_path(cr);
  SetColor(cr, c, alpha);
  cairo_fill(cr);
}

// A little gabled house standing on `ground`, with lit windows.
void House(cairo_t* cr, Rng& rng, double x, double ground, double w, double h, Rgb wall, Rgb roof) {
  cairo_rectangle(cr, x, ground - h, w, h + 20);
  FillOutline(cr, wall, pal::kInk, 4);
  cairo_move_to(cr, x - 8, ground - h + 2);
  cairo_line_to(cr, x + w / 2, ground - h - w * 0.45);
  cairo_line_to(cr, x + w + 8, ground - h + 2);
  cairo_close_path(cr);
  FillOutline(cr, roof, pal::kInk, 4);
  const int cols = w > 60 ? 3 : 2;
  const double ww = 12, gap = (w - cols * ww) / (cols + 1);
  for (int i = 0; i < cols; ++i) {
    const bool lit = rng.Below(4) != 0;
    RoundRect(cr, x + gap + i * (ww + gap), ground - h + 12, ww, 16, 2);
    FillOutline(cr, lit ? pal::kYellow : Rgb8(40, 40, 96), pal::kInk, 3);
  }
}

void Pine(cairo_t* cr, double x, double ground, double h, Rgb c) {
  for (int tier = 0; tier < 3; ++tier) {
    const double top = ground - h + tier * h * 0.26, base = top + h * 0.42,
                 half = h * (0.2 + 0.08 * tier);
    cairo_move_to(cr, x, top);
    cairo_line_to(cr, x + half, base);
    cairo_line_to(cr, x - half, base);
    cairo_close_path(cr);
  }
  FillOutline(cr, c, pal::kInk, 3);
}

}  // namespace

Canvas DrawNightValley() {
  Canvas c(1600, 900);
  cairo_t* cr = c.cr();
  FillVerticalGradient(cr, 0, 700,
                       {{0.0, Rgb8(10, 10, 36)},
                        {0.45, Rgb8(34, 28, 100)},
                        {0.78, Rgb8(100, 50, 146)},
                        {0.95, Rgb8(200, 86, 136)}},
                       0, 0, 1600, 900);

  Rng rng(1987);
  for (int i = 0; i < 320; ++i) {
    const double x = rng.Uniform(0, 1600), y = rng.Uniform(0, 640);
    const double r = rng.Uniform(1.0, 2.6);
    Circle(cr, x, y, r);
    SetColor(cr, rng.Below(3) ? pal::kCream : pal::kYellow, rng.Uniform(0.5, 1.0) * (1 - y / 900));
    cairo_fill(cr);
  }
  for (int i = 0; i < 26; ++i) {
    const double x = rng.Uniform(20, 1580), y = rng.Uniform(20, 560);
    Sparkle(cr, x, y, rng.Uniform(6, 14), rng.Below(2) ? pal::kCream : pal::kSky, 0.9);
  }

  // A ringed planet far up on the left, and a shooting star over the town.
  const double px = 340, py = 190;
  auto ring = [&] {
    Ellipse(cr, px, py, 120, 26, -0.3);
    SetColor(cr, pal::kYellow);
    cairo_set_line_width(cr, 10);
    cairo_stroke(cr);
  };
  ring();
  Circle(cr, px, py, 60);
  FillOutline(cr, pal::kViolet, pal::kInk, 5);
  cairo_save(cr);
  Circle(cr, px, py, 58);
  cairo_clip(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  Circle(cr, px - 18, py - 20, 60);
  cairo_rectangle(cr, px - 70, py - 70, 140, 140);
  SetColor(cr, pal::kPlum, 0.8);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_save(cr);  // the front half of the ring passes over the planet
  cairo_save(cr);
  cairo_translate(cr, px, py);
  cairo_rotate(cr, -0.3);
  cairo_rectangle(cr, -140, 0, 280, 60);
  cairo_restore(cr);  // the path stays; the ring is drawn untransformed
  cairo_clip(cr);
  ring();
  cairo_restore(cr);

  cairo_move_to(cr, 930, 330);
  cairo_line_to(cr, 1080, 392);
  cairo_pattern_t* trail = cairo_pattern_create_linear(930, 330, 1080, 392);
  cairo_pattern_add_color_stop_rgba(trail, 0, 1, 0.95, 0.84, 0);
  cairo_pattern_add_color_stop_rgba(trail, 1, 1, 0.95, 0.84, 0.9);
  cairo_set_source(cr, trail);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_pattern_destroy(trail);
  Sparkle(cr, 1082, 393, 12, pal::kCream, 1);

  // The moon with its halo, high over the right side.
  const double mx = 1270, my = 420;
  cairo_pattern_t* halo = cairo_pattern_create_radial(mx, my, 90, mx, my, 260);
  cairo_pattern_add_color_stop_rgba(halo, 0, 1, 0.9, 0.7, 0.35);
  cairo_pattern_add_color_stop_rgba(halo, 1, 1, 0.9, 0.7, 0);
  Circle(cr, mx, my, 260);
  cairo_set_source(cr, halo);
  cairo_fill(cr);
  cairo_pattern_destroy(halo);
  Circle(cr, mx, my, 100);
  FillOutline(cr, Rgb8(255, 236, 184), pal::kInk, 6);
  const double craters[][3] = {
      {-30, -24, 22}, {34, 10, 16}, {-8, 40, 13}, {40, -40, 9}, {-50, 22, 8}};
  for (const auto& k : craters) {
    Circle(cr, mx + k[0], my + k[1], k[2]);
    FillOutline(cr, Rgb8(236, 204, 150), Rgb8(214, 176, 128), 3);
  }

  // Mountains in two ranges.
  RidgePath(cr, -10, 1610, 900, [](double x) {
    return 560 + 40 * std::sin(x * 0.004 + 1.0) + 22 * std::sin(x * 0.011 + 2.0) +
           8 * std::sin(x * 0.031);
  });
  FillOutline(cr, Rgb8(78, 52, 140), pal::kInk, 4);
  RidgePath(cr, -10, 1610, 900, [](double x) {
    return 630 + 28 * std::sin(x * 0.006 + 4.0) + 16 * std::sin(x * 0.017 + 1.0);
  });
  FillOutline(cr, Rgb8(48, 36, 108), pal::kInk, 4);

  // The lake with the moon's reflection breaking on it.
  cairo_rectangle(cr, 0, 690, 1600, 110);
  SetColor(cr, Rgb8(30, 40, 118));
  cairo_fill(cr);
  for (int i = 0; i < 9; ++i) {
    const double y = 700 + i * 11, half = 70 - i * 5 + rng.Uniform(-10, 10);
    cairo_move_to(cr, mx - half, y);
    cairo_line_to(cr, mx + half, y);
    SetColor(cr, Rgb8(255, 236, 184), 0.75 - i * 0.06);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  }
  for (int i = 0; i < 60; ++i) {
    const double x = rng.Uniform(0, 1600), y = rng.Uniform(696, 790), len = rng.Uniform(10, 40);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + len, y);
    SetColor(cr, pal::kSky, 0.35);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }

  // A little sailboat on the moonlit water.
  const double sx = 1180, sy = 742;
  cairo_move_to(cr, sx - 34, sy);
  cairo_line_to(cr, sx + 34, sy);
  cairo_line_to(cr, sx + 22, sy + 14);
  cairo_line_to(cr, sx - 24, sy + 14);
  cairo_close_path(cr);
  FillOutline(cr, pal::kRed, pal::kInk, 4);
  cairo_move_to(cr, sx - 2, sy - 4);
  cairo_line_to(cr, sx - 2, sy - 62);
  cairo_line_to(cr, sx + 30, sy - 8);
  cairo_close_path(cr);
  FillOutline(cr, pal::kCream, pal::kInk, 4);
  cairo_move_to(cr, sx - 8, sy - 8);
  cairo_line_to(cr, sx - 8, sy - 48);
  cairo_line_to(cr, sx - 30, sy - 8);
  cairo_close_path(cr);
  FillOutline(cr, pal::kYellow, pal::kInk, 4);

  // The shore hill with the town on it, trees between the houses.
  auto shore = [](double x) {
    return 770 + 26 * std::sin(x * 0.005 + 0.5) + 10 * std::sin(x * 0.013);
  };
  RidgePath(cr, -10, 1610, 910, shore);
  FillOutline(cr, Rgb8(26, 30, 70), pal::kInk, 4);
  const Rgb walls[] = {Rgb8(232, 120, 96), Rgb8(120, 150, 220), Rgb8(236, 190, 110),
                       Rgb8(150, 110, 200)};
  const Rgb roofs[] = {pal::kRed, pal::kPlum, Rgb8(200, 80, 60), pal::kBlue};
  double x = 40;
  int n = 0;
  while (x < 1560) {
    const double w = rng.Uniform(50, 86);
    if (x + w > mx - 110 && x < mx + 90) {  // keep the moon's reflection clear
      x += 30;
      continue;
    }
    if (x > 860 || rng.Below(3) == 0) {
      House(cr, rng, x, shore(x + w / 2) + 22, w, rng.Uniform(40, 64), walls[n % 4],
            roofs[(n + 1) % 4]);
      ++n;
    } else {
      Pine(cr, x + w / 2, shore(x + w / 2) + 20, rng.Uniform(60, 96), Rgb8(40, 110, 100));
    }
    x += w + rng.Uniform(14, 40);
    if (rng.Below(3) == 0) {
      Pine(cr, x - 6, shore(x) + 26, rng.Uniform(50, 80), Rgb8(34, 96, 90));
      x += 20;
    }
  }
  FillVerticalGradient(cr, 850, 900, {{0.0, Rgb8(20, 22, 60)}, {1.0, Rgb8(14, 14, 42)}}, 0, 850,
                       1600, 50);
  return c;
}
