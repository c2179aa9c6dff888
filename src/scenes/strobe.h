// The strobe of scenes 6 and 8: the flash pictures alternating at the centre,
// two four-frame figure animations beside them, the zoom echo over all of it
// and the figures again on top. The two scenes differ only in which figure
// stands on which side, and they share the two frame counters.
#pragma once

// Advance demo.flashFrame and demo.animFrame and draw one strobe frame with
// the zorvo figure centred at zorvoX and the mekko figure at mekkoX. Leaves
// scale 1.0 and alpha 1.0.
void DrawStrobe(float zorvoX, float mekkoX);
