// Scene 6: the flashing backdrop with the animated pair, zorvo left of centre
// and mekko right of it. No set-up and no veil; each frame is shown by the
// next frame's Flip.
#include "scenes/num.h"
#include "scenes/strobe.h"

void Scene6() {
  do {
    TickClock();
    Flip(-1);
    Cls();
    DrawStrobe(230.0f, 550.0f);
  } while (!SceneEnds(52.5f));
}
