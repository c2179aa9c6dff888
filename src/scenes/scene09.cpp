// Scene 9.
#include "scenes/num.h"

void Scene9() {
  demo.fadeAlpha = 1.0f;
  SetBlend(3);
  do {
    TickClock();
    DrawVeil(false);
    Flip(-1);
    Cls();
  } while (!SceneEnds(87.59f));
}
