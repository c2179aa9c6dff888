// The shared scene record and the steps every scene's frame takes alike.
#include "scenes/num.h"

DemoState demo;

void TickClock() {
  double d = double(Millisecs()) - double(demo.startTime);
  if (d < -2147483648.0) d += 4294967296.0;
  demo.elapsed = float(d);
}

void DrawVeil(bool white) {
  if (white) SetColor(255, 255, 255);
  demo.fadeAlpha = Store(Ext(demo.fadeAlpha) - Ext(0.01f));
  SetRotation(0.0f);
  SetScale(1.0f, 1.0f);
  SetAlpha(demo.fadeAlpha);
  DrawRect(0.0f, 0.0f, float(ScreenWidth), float(ScreenHeight));
}

bool SceneEnds(float endSeconds) {
  if (Past(endSeconds)) return true;
  return KeyHit(27) > 0;
}
