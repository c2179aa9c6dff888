// Scene 2: the vortex at the centre, rocking, pulsing and bobbing under the
// zoom echo, spinning up from 12 s on; cuts straight in without a veil.
#include "fx/fx.h"
#include "scenes/num.h"

void Scene2() {
  demo.spin = 0.0f;
  do {
    TickClock();
    const float phase = Store(Ext(demo.elapsed) / 5);
    const float wave = Store(10 * Sin(phase));
    Flip(-1);
    Cls();

    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    // The vortex turns with last frame's spin; only the echo sees this frame's step.
    SetRotation(Store(Ext(wave) + Ext(demo.spin) * 10));
    const float scale = Store(Ext(1.0f) + Ext(wave) / 80);
    SetScale(scale, scale);
    const float x = float(ScreenWidth / 2), y = Store(ScreenHeight / 2 + Ext(wave));
    DrawImage(demo.vortex, x, y, 0);
    if (Past(12.0f)) demo.spin = Store(Ext(demo.spin) + Ext(0.3f));
    FxZoomEcho(0.15f, 0.1f, 0.1f, 0.1f, Store(Ext(0.5f) + Ext(demo.spin)));
    DrawImage(demo.vortex, x, y, 0);
  } while (!SceneEnds(14.0f));
}
