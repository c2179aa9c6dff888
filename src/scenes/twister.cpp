// The twister shared by scenes 4, 9 and 10.
#include "scenes/twister.h"

#include "scenes/num.h"

float TwistPeriod() { return Store(35 + 34 * Sin(double(Ext(demo.elapsed) / 20))); }

void DrawTwister(int centre, int lines, float twistPeriod, TwisterColours colours) {
  for (int line = 1; line <= lines; ++line) {
    const float y = float(line);
    demo.twistPhase = Store(Ext(demo.twistPhase) + Ext(0.001f));
    const float shift = Store(120 * Sin(demo.twistPhase));
    float x[4];
    for (int k = 0; k < 4; ++k)
      x[k] = Store(centre + 200 * Sin(double(Ext(y) / twistPeriod + demo.twistAngle + 90 * k)));
    SetAlpha(0.8f);
    // Each face runs from one edge to the next; it faces the viewer only where
    // its start edge lies left of its end edge.
    const int green[4] = {0, 128, 0, 50};
    const int blue[4] = {255, 255, 100, 128};
    for (int face = 0; face < 4; ++face) {
      const float from = x[face], to = x[(face + 1) % 4];
      if (colours == TwisterColours::LineNumber) {
        SetColor(face == 0 ? 0 : line, green[face], blue[face]);
      } else {
        const int edge = Trunc(Ext(from) / 10);
        SetColor(face == 0 ? 0 : edge, face == 0 ? edge : green[face], blue[face]);
      }
      if (from < to) DrawLine(Store(Ext(shift) + from), y, Store(Ext(shift) + to), y, 1);
    }
  }
}
