// Scene 7: scene 5's sliding rows and echo, with kaleidoscopes and the
// thumbnail column piling up at fixed times, under a white veil.
#include "fx/fx.h"
#include "scenes/num.h"
#include "scenes/rows.h"

void Scene7() {
  demo.fadeAlpha = 1.0f;
  SlidePositions slide;
  SetBlend(3);
  // Nothing in the scene sets a colour again, so the veil is white.
  SetColor(255, 255, 255);
  do {
    TickClock();
    DrawSlidingRows(slide);
    FxZoomEcho(0.15f, 0.1f, 0.1f, Store(Sin(double(Ext(demo.elapsed) / 20)) * 10 / 100), 0.0f);
    // Each effect has its own threshold; the later ones add to the earlier.
    if (Past(56.06f)) FxKaleido(0, 1.0f);
    if (Past(57.81f)) FxKaleido(0, 2.0f);
    if (Past(59.56f)) FxThumbColumn(0, 0, 1.0f, 0.6f);
    if (Past(63.06f)) FxKaleido(0, 1.0f);
    DrawVeil(false);
    Flip(-1);
    Cls();
  } while (!SceneEnds(65.69f));
}
