// An independent model of the twister for the tests.
#include "scenes/twister_check.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

double SinDeg(double degrees) { return std::sin(degrees * M_PI / 180); }

struct Seen {
  const TraceLine* line;
  bool matched;
};

}  // namespace

float PhaseAfter(float phase, int lines) {
  for (int i = 0; i < lines; ++i) phase = phase + 0.001f;
  return phase;
}

float ExpectedPeriod(float elapsed) { return float(35 + 34 * SinDeg(double(elapsed) / 20)); }

void ExpectTwister(const FrameTrace& trace, float centre, int lines, float period, float angle, float phase,
                   FaceColours colours) {
  // The lines of the trace by row; each is drawn through pixel centres.
  std::map<int, std::vector<Seen>> rows;
  for (const TraceLine& l : trace.lines) {
    if (l.from.y != l.to.y) continue;
    rows[int(std::lround(l.from.y - 0.5f))].push_back(Seen{&l, false});
  }
  const int green[4] = {0, 128, 0, 50}, blue[4] = {255, 255, 100, 128};
  int checked = 0;
  for (int y = 1; y <= lines; ++y) {
    phase = phase + 0.001f;
    const double shift = 120 * SinDeg(phase);
    double x[4];
    for (int k = 0; k < 4; ++k) x[k] = centre + 200 * SinDeg(y / double(period) + angle + 90 * k);
    std::vector<Seen>& seen = rows[y];
    bool tie = false;
    size_t shown = 0;
    for (int k = 0; k < 4; ++k) {
      const double from = x[k], to = x[(k + 1) % 4];
      if (std::fabs(to - from) < 0.01) tie = true;
      if (!(from < to)) continue;
      ++shown;
      int r, g;
      if (colours == FaceColours::LineNumber) {
        r = k == 0 ? 0 : std::min(y, 255), g = green[k];
      } else {
        const int edge = int(from / 10);
        r = k == 0 ? 0 : edge, g = k == 0 ? edge : green[k];
      }
      auto match = std::find_if(seen.begin(), seen.end(), [&](const Seen& s) {
        return !s.matched && std::fabs(s.line->from.x - (shift + from + 0.5)) < 2e-3 &&
               std::fabs(s.line->to.x - (shift + to + 0.5)) < 2e-3;
      });
      if (match == seen.end()) {
        if (!tie) {
          ADD_FAILURE() << "line " << y << ": face " << k + 1 << " from " << shift + from << " to " << shift + to
                        << " missing";
        }
        continue;
      }
      match->matched = true;
      const TraceVertex& v = match->line->from;
      EXPECT_EQ(std::lround(v.r * 255), r) << "line " << y << " face " << k + 1;
      EXPECT_EQ(std::lround(v.g * 255), g) << "line " << y << " face " << k + 1;
      EXPECT_EQ(std::lround(v.b * 255), blue[k]) << "line " << y << " face " << k + 1;
      EXPECT_EQ(std::lround(v.a * 255), 204) << "line " << y << " face " << k + 1;
    }
    if (!tie) {
      EXPECT_EQ(seen.size(), shown) << "line " << y;
    }
    ++checked;
  }
  EXPECT_EQ(checked, lines);
  EXPECT_EQ(trace.points.size(), trace.lines.size()) << "every line ends on its last pixel";
}
