// Scene 5: the backdrop and four trains sliding along two rows, under a zoom
// echo whose depth swings, tiled 2 x 2 to 4 x 4 from 43.8 s, and the fading
// white veil over everything.
#include "fx/fx.h"
#include "scenes/num.h"
#include "scenes/rows.h"

void Scene5() {
  SlidePositions slide;
  SetBlend(3);
  SetColor(255, 255, 255);
  demo.fadeAlpha = 1.0f;
  do {
    TickClock();
    DrawSlidingRows(slide);
    FxZoomEcho(0.15f, 0.1f, 0.1f, Store(Sin(double(Ext(demo.elapsed) / 20)) * 10 / 100), 0.0f);
    if (Past(43.8f)) {
      int tileCount = 2;
      if (Past(45.56f)) tileCount = 3;
      if (Past(47.29f)) tileCount = 4;
      FxTiles(tileCount);
    }
    DrawVeil(true);
    Flip(-1);
    Cls();
  } while (!SceneEnds(49.0f));
}
