// Scene 5.
#include "scenes/num.h"

void Scene5() {
  SetBlend(3);
  SetColor(255, 255, 255);
  demo.fadeAlpha = 1.0f;
  do {
    TickClock();
    DrawVeil(true);
    Flip(-1);
    Cls();
  } while (!SceneEnds(49.0f));
}
