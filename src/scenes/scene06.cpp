// Scene 6.
#include "scenes/num.h"

void Scene6() {

  do {
    TickClock();
    Flip(-1);
    Cls();
  } while (!SceneEnds(52.5f));
}
