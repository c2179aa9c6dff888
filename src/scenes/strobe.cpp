// The strobe shared by scenes 6 and 8.
#include "scenes/strobe.h"

#include "fx/fx.h"
#include "scenes/num.h"

namespace {

// Both figures show the same animation frame.
void DrawFigures(int frame, float zorvoX, float mekkoX) {
  DrawImage(demo.zorvoAnim[size_t(frame)], zorvoX, float(ScreenHeight / 2), 0);
  DrawImage(demo.mekkoAnim[size_t(frame)], mekkoX, float(ScreenHeight / 2), 0);
}

}  // namespace

void DrawStrobe(float zorvoX, float mekkoX) {
  SetScale(1.0f, 1.0f);
  SetAlpha(1.0f);
  // 0.5 steps hold only 0.5 .. 2.0, so the flash index runs 0, 1, 1, 2, 0.
  demo.flashFrame = Store(Ext(demo.flashFrame) + Ext(0.5f));
  if (demo.flashFrame > 2.0f) demo.flashFrame = 0.0f;
  DrawImage(demo.kivviFlash[size_t(Trunc(demo.flashFrame))], float(ScreenWidth / 2), float(ScreenHeight / 2), 0);
  // Summed in 32 bits, the fortieth 0.1 lies just below 4.0 and the next one
  // resets, so the index stays within the four frames of each animation.
  demo.animFrame = Store(Ext(demo.animFrame) + Ext(0.1f));
  if (demo.animFrame > 4.0f) demo.animFrame = 0.0f;
  const int frame = Trunc(demo.animFrame);
  DrawFigures(frame, zorvoX, mekkoX);
  FxZoomEcho(0.15f, 0.1f, 0.1f, 0.1f, 0.5f);
  DrawFigures(frame, zorvoX, mekkoX);
}
