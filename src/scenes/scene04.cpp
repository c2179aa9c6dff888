// Scene 4.
#include "scenes/num.h"

void Scene4() {
  demo.fadeAlpha = 1.0f;
  SetBlend(3);
  do {
    TickClock();
    Flip(-1);
    Cls();
    DrawVeil(true);
  } while (!SceneEnds(42.0f));
}
