// Shared drawing kit for the picture generator: the cast's palette, a small
// seeded random source, cairo canvases with helpers for outlined shapes, text
// through pango, a box blur, and the PNG and JPEG writers.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

struct Rgb {
  double r, g, b;
};

constexpr Rgb Rgb8(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

// Linear blend: t = 0 gives a, t = 1 gives b.
Rgb Mix(Rgb a, Rgb b, double t);

// The palette every picture draws from. Saturated mid-tones with a few light
// highlights: they read on the demo's near-black blue and glow, rather than
// burn out, under its additive echoes.
namespace pal {
constexpr Rgb kInk = Rgb8(30, 20, 54);  // outlines
constexpr Rgb kNight = Rgb8(8, 8, 26);  // the darkest colour in the cast, never pure black
constexpr Rgb kNavy = Rgb8(24, 22, 72);
constexpr Rgb kCream = Rgb8(255, 242, 214);
constexpr Rgb kYellow = Rgb8(255, 206, 62);
constexpr Rgb kOrange = Rgb8(255, 138, 40);
constexpr Rgb kRed = Rgb8(232, 52, 72);
constexpr Rgb kRose = Rgb8(255, 84, 150);
constexpr Rgb kPlum = Rgb8(100, 44, 116);
constexpr Rgb kViolet = Rgb8(136, 78, 216);
constexpr Rgb kBlue = Rgb8(60, 112, 232);
constexpr Rgb kSky = Rgb8(120, 196, 255);
constexpr Rgb kTeal = Rgb8(30, 192, 176);
constexpr Rgb kMint = Rgb8(156, 240, 206);
constexpr Rgb kGreen = Rgb8(104, 196, 64);
constexpr Rgb kLeaf = Rgb8(60, 150, 60);
constexpr Rgb kSkin = Rgb8(248, 190, 150);
constexpr Rgb kSkinBrown = Rgb8(184, 116, 80);
constexpr Rgb kBrown = Rgb8(128, 76, 50);
}  // namespace pal

// A small deterministic generator (xorshift32): the same seed gives the same
// pictures on every run and every machine.
class Rng {
 public:
  explicit Rng(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
  uint32_t Next();
  double Uniform(double lo, double hi);  // in [lo, hi)
  int Below(int n);                      // in [0, n)

 private:
  uint32_t state_;
};

// An ARGB32 cairo surface with its drawing context, cleared to transparent.
// Round caps and joins are the default for every stroke in the cast.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(Canvas&& other) noexcept;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  Canvas& operator=(Canvas&&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0);

// Path builders: each starts a new sub-path and leaves it for the caller to paint.
void Circle(cairo_t* cr, double x, double y, double r);
void Ellipse(cairo_t* cr, double x, double y, double rx, double ry, double angle = 0.0);
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);

// Fills the current path, then strokes its edge in ink; the path is consumed.
void FillOutline(cairo_t* cr, Rgb fill, Rgb ink, double lineWidth);
// Strokes the current path twice, wide in ink and then narrower in colour, which
// gives a limb or a rope with a clean outline; the path is consumed.
void StrokeOutlined(cairo_t* cr, Rgb color, double width, Rgb ink, double outline);
// Paints the current path as a highlight or shadow shape of the given alpha.
void FillTint(cairo_t* cr, Rgb c, double alpha);

// Fills the rectangle (x, y, w, h) with a top-to-bottom gradient running from
// y0 to y1 through the given (offset, colour) stops.
void FillVerticalGradient(cairo_t* cr, double y0, double y1,
                          std::initializer_list<std::pair<double, Rgb>> stops, double x, double y,
                          double w, double h);
// A ridge line height(x) across [x0, x1], closed down to `bottom`, as the current path.
void RidgePath(cairo_t* cr, double x0, double x1, double bottom,
               const std::function<double(double)>& height);

// Text as a cairo path, with its ink box centred on (cx, cy). family is a
// fontconfig family name, px the font's pixel size.
void TextPath(cairo_t* cr, const std::string& text, const char* family, bool bold, double px,
              double cx, double cy);

// Frees the font caches that pango, cairo and fontconfig keep for the whole
// process, so leak checkers see a clean exit. Call once, after the last text.
void ReleaseFontCaches();

// Blurs a surface in place with `passes` box blurs of the given radius (three
// passes come close to a gaussian). Works on premultiplied pixels, so it is
// right for translucent layers too.
void BoxBlur(cairo_surface_t* surface, int radius, int passes);

// Writers. The PNG keeps the alpha channel. The JPEG is written opaque and has
// no pure black pixel after decoding, because the demo's loader makes pure
// black transparent: dark pixels are lifted just enough and the encoded file is
// decoded again to check.
bool WritePng(const Canvas& canvas, const std::string& path, std::string& error);
bool WriteJpeg(const Canvas& canvas, const std::string& path, int quality, std::string& error);
