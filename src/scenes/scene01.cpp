// Scene 1: the kivvi at the centre, bobbing and pulsing, trailed by a reddish
// zoom echo, spinning up from 6 s on; opens on the fading white veil.
#include "fx/fx.h"
#include "scenes/num.h"

void Scene1() {
  demo.fadeAlpha = 1.0f;
  do {
    TickClock();
    const float phase = Store(Ext(demo.elapsed) / 5);
    const float wave = Store(10 * Sin(phase));
    DrawVeil(true);
    Flip(-1);
    Cls();

    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    const float scale = Store(Ext(0.3f) + Ext(wave) / 100);
    SetScale(scale, scale);
    if (Past(6.0f)) demo.spin = Store(Ext(demo.spin) + Ext(0.3f));
    SetRotation(Store(Ext(1.0f) + Ext(demo.spin) * 10));
    const float x = float(ScreenWidth / 2), y = Store(ScreenHeight / 2 + Ext(wave));
    DrawImage(demo.kivvi, x, y, 0);
    FxZoomEcho(0.15f, 0.1f, 0.1f, 0.1f, Store(Ext(1.0f) + Ext(demo.spin)));
    // A sharp copy over its own echo.
    DrawImage(demo.kivvi, x, y, 0);
  } while (!SceneEnds(7.0f));
}
