// The twister: a four-faced vertical bar drawn as one horizontal line per row,
// twisted along its height by twistAngle and twistPeriod and swung sideways by
// twistPhase. Scenes 4 and 9 colour its faces by the line number, scene 10 by
// the positions of its edges.
#pragma once

enum class TwisterColours { LineNumber, Edges };

// Draw lines y = 1 .. lines of the bar centred at x = centre + its swing,
// advancing demo.twistPhase by 0.001 per line. Leaves the alpha at 0.8 and the
// colour of the last face set.
void DrawTwister(int centre, int lines, float twistPeriod, TwisterColours colours);

// The divisor of the line number in the twist, from this frame's elapsed: 1 to 69.
float TwistPeriod();
