// The closing credits scroller: white text with a soft dark halo on a clear
// background. The top 450 rows stay empty so the text scrolls in from below.
#include <string>
#include <vector>

#include "pictures.h"

namespace {

constexpr int kWidth = 640, kHeight = 2400;
constexpr int kFirstLine = 550;  // well below the empty top

struct Line {
  std::string text;
  double size;  // pixel size of the font
  bool bold;
  double gap;  // space from the previous line's centre
};

std::vector<Line> CreditLines() {
  return {
      {"KIVVI", 120, true, 0},
      {"a two-minute trip", 32, false, 88},
      {"Hello, party people!", 40, true, 110},
      {"Thanks for riding along", 28, false, 52},
      {"with Kivvi and friends.", 28, false, 38},
      {"\u2605  \u2605  \u2605", 28, false, 80},
      {"a production by", 26, false, 76},
      {"PIKSELIPUURO", 56, true, 60},
      {"CODE", 24, true, 90},
      {"Nappula", 46, true, 48},
      {"GRAPHICS", 24, true, 74},
      {"Mustikka", 46, true, 48},
      {"MUSIC", 24, true, 74},
      {"Humina", 46, true, 48},
      {"DANCE MOVES", 24, true, 74},
      {"Zorvo himself", 40, true, 46},
      {"GREETINGS TO", 32, true, 104},
      {"Kahvikuppi Crew", 30, false, 54},
      {"Sininen Sukka", 30, false, 38},
      {"Pulla Posse", 30, false, 38},
      {"Hiljaiset Hiiret", 30, false, 38},
      {"Tuplapiste", 30, false, 38},
      {"Vaahtokarkki", 30, false, 38},
      {"Saunatonttu Squad", 30, false, 38},
      {"Kuutamo Kollektiivi", 30, false, 38},
      {"and everyone at the party", 28, false, 50},
      {"\u2605  \u2605  \u2605", 28, false, 84},
      {"Kivvi says bye!", 50, true, 90},
      {"See you at the next party.", 30, false, 60},
  };
}

// Adds every line of the credits to the current path.
void CreditsPath(cairo_t* cr) {
  double y = kFirstLine;
  for (const Line& line : CreditLines()) {
    y += line.gap;
    TextPath(cr, line.text, "DejaVu Sans", line.bold, line.size, kWidth / 2.0, y);
  }
}

}  // namespace

Canvas DrawCredits() {
  Canvas c(kWidth, kHeight);
  cairo_t* cr = c.cr();

  // A soft dark halo first, so the white letters read over bright scenes.
  Canvas halo(kWidth, kHeight);
  cairo_t* h = halo.cr();
  CreditsPath(h);
  SetColor(h, Rgb8(8, 6, 30));
  cairo_set_line_width(h, 12);
  cairo_stroke_preserve(h);
  cairo_fill(h);
  BoxBlur(halo.surface(), 5, 3);
  cairo_set_source_surface(cr, halo.surface(), 0, 0);
  cairo_paint_with_alpha(cr, 0.9);

  CreditsPath(cr);
  SetColor(cr, Rgb8(12, 8, 36));
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  SetColor(cr, Rgb8(255, 255, 255));
  cairo_fill(cr);
  return c;
}
