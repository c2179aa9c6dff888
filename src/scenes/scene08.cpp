// Scene 8: scene 6's strobe with the figures' places exchanged, continuing
// its flash and animation counters.
#include "scenes/num.h"
#include "scenes/strobe.h"

void Scene8() {
  do {
    TickClock();
    Flip(-1);
    Cls();
    DrawStrobe(550.0f, 230.0f);
  } while (!SceneEnds(70.0f));
}
