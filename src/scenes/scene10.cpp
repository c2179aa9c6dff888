// Scene 10.
#include "scenes/num.h"

void Scene10() {
  SetBlend(3);
  do {
    TickClock();
    Flip(-1);
    Cls();
  } while (!SceneEnds(120.0f));
}
