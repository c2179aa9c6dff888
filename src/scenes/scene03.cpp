// Scene 3.
#include "scenes/num.h"

void Scene3() {
  demo.fadeAlpha = 1.0f;
  do {
    TickClock();
    DrawVeil(true);
    Flip(-1);
    Cls();
  } while (!SceneEnds(28.0f));
}
