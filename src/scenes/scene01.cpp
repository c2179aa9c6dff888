// Scene 1.
#include "scenes/num.h"

void Scene1() {
  demo.fadeAlpha = 1.0f;
  do {
    TickClock();
    DrawVeil(true);
    Flip(-1);
    Cls();
  } while (!SceneEnds(7.0f));
}
