// The sliding rows of scenes 5 and 7: the backdrop at half alpha, then two
// copies of the train moving right on the lower row and two moving left on
// the upper row, 10 pixels per frame each.
#pragma once

struct SlidePositions {
  int a = -520, b = 200;  // lower row, moving right
  int c = -520, d = 200;  // upper row, moving left
};

// Advance the four positions and draw the backdrop and the four trains.
// Leaves scale (1.1, 1.0) and alpha 1.0.
void DrawSlidingRows(SlidePositions& slide);
