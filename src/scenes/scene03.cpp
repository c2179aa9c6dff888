// Scene 3: four translucent discs circling on ellipses under the zoom echo,
// with the figure, two counter-turning stars and, from 21 s, the dancer on top.
#include "fx/fx.h"
#include "scenes/num.h"

namespace {

struct DiscColour {
  int r, g, b;
};
const DiscColour kDiscColours[5] = {{0, 0, 0}, {255, 0, 0}, {255, 100, 0}, {128, 50, 0}, {128, 128, 0}};

// Offsets of the four discs from their current angles. Discs 2 and 4 mirror
// discs 1 and 3 through the integer negation of the angle.
void PlaceDiscs() {
  int* angle = demo.discAngle;
  demo.discX[1] = Trunc(300 * Sin(angle[1]));
  demo.discY[1] = Trunc(200 * Cos(angle[1]));
  demo.discX[2] = Trunc(300 * Sin(-angle[2]));
  demo.discY[2] = Trunc(200 * Cos(-angle[2]));
  demo.discX[3] = Trunc(200 * Cos(angle[3]));
  demo.discY[3] = Trunc(200 * Sin(-angle[3]));
  demo.discX[4] = Trunc(200 * Cos(-angle[4]));
  demo.discY[4] = Trunc(200 * Sin(angle[4]));
}

// Disc k fills the square at (300 + x, 300 + y); it grows as it moves right.
void DrawDisc(int k) {
  const DiscColour& c = kDiscColours[k];
  SetColor(c.r, c.g, c.b);
  const int left = ScreenWidth / 2 - 100 + demo.discX[k];
  const int top = ScreenHeight / 2 + demo.discY[k];
  const int side = demo.discX[k] / 3 + 205;
  DrawOval(float(left), float(top), float(side), float(side));
}

}  // namespace

void Scene3() {
  demo.fadeAlpha = 1.0f;
  do {
    TickClock();
    const float phase = Store(Ext(demo.elapsed) / 5);
    const float wave = Store(10 * Sin(phase));
    DrawVeil(true);
    Flip(-1);
    Cls();

    SetRotation(0.0f);
    SetAlpha(0.4f);
    SetScale(1.0f, 1.0f);
    // Five passes, each advancing one more disc before all four are drawn:
    // the later discs are drawn at their old angle in the earlier passes.
    for (int pass = 1; pass <= 5; ++pass) {
      if (pass <= 4) demo.discAngle[pass] += 2;
      PlaceDiscs();
      for (int k = 1; k <= 4; ++k) DrawDisc(k);
    }
    FxZoomEcho(0.15f, 0.1f, 0.1f, 0.1f, 0.5f);

    SetAlpha(1.0f);
    SetRotation(0.0f);
    SetColor(255, 255, 255);
    DrawImage(demo.zorvolasit, float(ScreenWidth / 2), float(ScreenHeight / 2), 0);
    SetRotation(phase);
    DrawImage(demo.stara, 160.0f, 240.0f, 0);
    SetRotation(Store(Ext(phase) * Ext(-1.0f)));
    DrawImage(demo.stara, 300.0f, 240.0f, 0);
    SetRotation(0.0f);
    if (Past(21.0f)) DrawImage(demo.tanssija, 600.0f, Store(ScreenHeight / 2 + Ext(wave)), 0);
  } while (!SceneEnds(28.0f));
}
