// Scene 9: the twister again, pixelated with a thumbnail column, then from
// fixed times tiles growing from 2 to 5 per side, the translucent figure, the
// colour split and the echo; the rocking dancer slides across on top, under
// the veil. It continues scene 4's slideX, twistPhase and twistAngle.
#include "fx/fx.h"
#include "scenes/num.h"
#include "scenes/twister.h"

void Scene9() {
  demo.fadeAlpha = 1.0f;
  SetBlend(3);
  do {
    TickClock();
    // The dancer and the veil take the colour in force: white on the first
    // frame, the twister's last face colour on every later one.
    SetAlpha(1.0f);
    SetScale(0.8f, 0.8f);
    const float wave = Store(10 * Sin(double(Ext(demo.elapsed) / 2)));
    SetRotation(Store(Ext(wave) / 2));
    demo.slideX = Store(Ext(demo.slideX) + Ext(2.0f));
    if (demo.slideX > 1000.0f) demo.slideX = 0.0f;
    DrawImage(demo.tanssija, Store(Ext(900.0f) - demo.slideX), Store(Ext(ScreenHeight / 2) + wave), 0);
    DrawVeil(false);
    Flip(-1);
    Cls();

    DrawTwister(300, 600, TwistPeriod(), TwisterColours::LineNumber);
    FxPixelate(40.0f, 1, 1, 1.0f, 1.0f, 1.0f);
    FxThumbColumn(0, 0, 1.0f, 0.6f);
    if (Past(73.58f)) {
      int tileCount = 2;
      // The figure goes in before the tiles, so every tile carries it.
      if (Past(77.08f)) {
        tileCount = 3;
        SetAlpha(0.4f);
        DrawImage(demo.zorvolasit, float(ScreenWidth / 2), float(ScreenHeight / 2), 0);
        SetAlpha(1.0f);
      }
      if (Past(80.58f)) tileCount = 4;
      if (Past(84.08f)) tileCount = 5;
      FxTiles(tileCount);
    }
    const float splitPhase = Store(Ext(demo.elapsed) / 15);
    if (Past(80.58f)) FxRgbSplit(Store(Sin(double(4 * Ext(splitPhase))) / 20), 0.0f);
    if (Past(84.08f)) FxZoomEcho(0.15f, 0.1f, 0.1f, Store(10 * Sin(double(Ext(demo.elapsed) / 20)) / 100), 0.0f);
    // The next frame's twister turns by this frame's time.
    demo.twistAngle = Store(Ext(demo.elapsed) / 10);
  } while (!SceneEnds(87.59f));
}
