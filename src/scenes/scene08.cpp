// Scene 8.
#include "scenes/num.h"

void Scene8() {

  do {
    TickClock();
    Flip(-1);
    Cls();
  } while (!SceneEnds(70.0f));
}
