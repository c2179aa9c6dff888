// Scene 2.
#include "scenes/num.h"

void Scene2() {
  demo.spin = 0.0f;
  do {
    TickClock();
    Flip(-1);
    Cls();
  } while (!SceneEnds(14.0f));
}
