// Scene 10, the finale: two panning copies of the backdrop under the echo, the
// centred twister held at scene 9's angle, the kaleidoscope and then tiles in
// turn, pixelate, thumbnails and colour split every frame, and over all of it
// the rising scroller. A white veil opens the scene and a black one closes it.
// When it ends the program ends, and its last frame is never shown.
#include "fx/fx.h"
#include "scenes/num.h"
#include "scenes/twister.h"

namespace {

// True when elapsed / 1000 is strictly below the threshold.
bool Before(float seconds) { return Ext(demo.elapsed) / 1000.0L < Ext(seconds); }

// The veils cover 2 x ScreenHeight by 2 x ScreenWidth, more than the screen.
void DrawCover(float alpha) {
  SetAlpha(alpha);
  DrawRect(0.0f, 0.0f, float(2 * ScreenHeight), float(2 * ScreenWidth));
}

}  // namespace

void Scene10() {
  SetBlend(3);
  // The pan offsets run -1800 .. 1800 in steps of 10, the second one 1800 ahead.
  int slideA = -1800;
  int slideB = 0;
  float endFade = 0.0f;
  float openFade = 1.0f;
  float scrollerY = 0.0f;
  do {
    TickClock();
    // The opening veil counts frames, not time: it is drawn while openFade,
    // tested before it is lowered, is above zero, on 101 frames.
    if (openFade > 0.0f) {
      SetColor(255, 255, 255);
      openFade = Store(Ext(openFade) - Ext(0.01f));
      DrawCover(openFade);
    }
    // The scroller goes on last before the Flip, so no effect touches it.
    SetAlpha(1.0f);
    SetColor(255, 255, 255);
    SetScale(1.0f, Store(1 + 15 * Sin(double(Ext(demo.elapsed) / 10)) / 100));
    scrollerY = Store(Ext(scrollerY) + Ext(1.5f));
    DrawImage(demo.skroll, Store(ScreenWidth / 2 + 15 * Cos(double(Ext(demo.elapsed) / 20))),
              Store(Ext(1650.0f) - scrollerY), 0);
    Flip(-1);
    Cls();

    SetScale(2.0f, 2.0f);
    slideA += 10;
    if (slideA > 1800) slideA = -1800;
    DrawImage(demo.fonka, float(ScreenWidth / 2 + slideA), float(ScreenHeight / 2), 0);
    slideB += 10;
    if (slideB > 1800) slideB = -1800;
    DrawImage(demo.fonka, float(ScreenWidth / 2 + slideB), float(ScreenHeight / 2), 0);
    FxZoomEcho(0.15f, 0.1f, 0.1f, 0.1f, 0.1f);
    SetScale(1.0f, 1.0f);
    DrawTwister(ScreenWidth / 2, ScreenHeight, TwistPeriod(), TwisterColours::Edges);
    SetColor(255, 200, 150);
    // The windows meet without gap or overlap on whole milliseconds.
    if (Past(90.09f) && Before(98.1f)) FxKaleido(0, 1.0f);
    if (Past(98.1f) && Before(108.61f)) FxTiles(2);
    if (Past(108.61f) && Before(115.62f)) FxTiles(3);
    FxPixelate(40.0f, 1, 1, 1.0f, 1.0f, 1.0f);
    FxThumbColumn(0, 0, 1.0f, 0.6f);
    const float splitPhase = Store(Ext(demo.elapsed) / 15);
    FxRgbSplit(Store(Sin(double(4 * Ext(splitPhase))) / 40), 0.0f);
    if (Past(116.6f)) {
      SetColor(0, 0, 0);
      endFade = Store(Ext(endFade) + Ext(0.01f));
      DrawCover(endFade);
    }
  } while (!SceneEnds(120.0f));
}
