// Scene 7.
#include "scenes/num.h"

void Scene7() {
  demo.fadeAlpha = 1.0f;
  SetBlend(3);
  SetColor(255, 255, 255);
  do {
    TickClock();
    DrawVeil(false);
    Flip(-1);
    Cls();
  } while (!SceneEnds(65.69f));
}
