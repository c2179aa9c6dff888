// The sliding rows shared by scenes 5 and 7.
#include "scenes/rows.h"

#include "scenes/num.h"

namespace {

// A position p draws the train centred at p + 200; positions run -520 .. 920
// and wrap after being drawn at their far bound.
void Right(int& p, float y) {
  p += 10;
  if (p > 920) p = -520;
  DrawImage(demo.juna, float(p + 200), y, 0);
}

void Left(int& p, float y) {
  p -= 10;
  if (p < -520) p = 920;
  DrawImage(demo.juna, float(p + 200), y, 0);
}

}  // namespace

void DrawSlidingRows(SlidePositions& slide) {
  SetScale(1.0f, 1.0f);
  SetAlpha(0.5f);
  DrawImage(demo.kepra, 1.0f, 150.0f, 0);
  SetAlpha(1.0f);
  SetScale(1.1f, 1.0f);
  Right(slide.a, 430.0f);
  Right(slide.b, 430.0f);
  Left(slide.c, 200.0f);
  Left(slide.d, 200.0f);
}
