// Scene 4: the twister over the fading veil, echoed from 35 s and laid under
// its tinted mosaic every frame, with two fliers and a yes/no sign crossing
// the screen on top of it.
#include "fx/fx.h"
#include "scenes/num.h"
#include "scenes/twister.h"

void Scene4() {
  demo.fadeAlpha = 1.0f;
  SetBlend(3);
  do {
    TickClock();
    // The sprites go over the previous pass's twister and effects, so the
    // effects never touch them.
    SetAlpha(1.0f);
    SetScale(0.7f, 0.7f);
    SetColor(255, 255, 255);
    SetRotation(0.0f);
    const float wave = Store(10 * Sin(double(Ext(demo.elapsed) / 2)));
    demo.slideX = Store(Ext(demo.slideX) + 1);
    if (demo.slideX > 1000) demo.slideX = 0.0f;
    DrawImage(demo.lennattaja, Store(900 - Ext(demo.slideX)), float(ScreenHeight / 2 + 145), 0);

    SetScale(0.7f, 0.7f);
    SetColor(255, 255, 255);
    const float tilt = Store(45 * Cos(double(Ext(demo.elapsed) / 4)));
    const float swing = Store(30 * Sin(double(Ext(demo.elapsed) / 4)));
    SetRotation(Store(Ext(tilt) / 2));
    demo.slideX2 = Store(Ext(demo.slideX2) + 2);
    if (demo.slideX2 > 1000) demo.slideX2 = 0.0f;
    DrawImage(demo.lentaja, Store(900 - Ext(demo.slideX2) + swing), Store(130 + Ext(wave)), 0);
    SetRotation(0.0f);
    // A wave of exactly 0 keeps the sign of the frame before.
    if (wave > 0) demo.signIndex = 0;
    if (wave < 0) demo.signIndex = 1;
    DrawImage(demo.signImages[size_t(demo.signIndex)], Store(1000 - Ext(demo.slideX2) + swing),
              Store(50 + Ext(wave)), 0);
    Flip(-1);
    Cls();

    DrawVeil(true);
    SetAlpha(1.0f);
    DrawTwister(300, 600, TwistPeriod(), TwisterColours::LineNumber);
    if (Past(35.0f)) FxZoomEcho(0.15f, 0.1f, 0.1f, 0.1f, 0.5f);
    // The mosaic's shrinking pass draws in the last face colour, 255, 50, 128.
    FxPixelate(40.0f, 1, 1, 1.0f, 1.0f, 1.0f);
    // The next frame's twister turns to this frame's time.
    demo.twistAngle = Store(Ext(demo.elapsed) / 10);
  } while (!SceneEnds(42.0f));
}
