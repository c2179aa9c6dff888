// Every picture of the demo as one drawing function; main.cpp names the files.
// Each function returns a finished canvas of the picture's own size.
#pragma once

#include "canvas.h"

// kivvi.cpp: the mascot and the strobe backdrop behind the dancers.
Canvas DrawKivviPicture();             // kivvi.png
Canvas DrawKivviBackdrop(bool light);  // kivviw.jpg (light), kivvib.jpg (dark)

// zorvo.cpp: Zorvo with his big glasses.
Canvas DrawZorvoStanding();        // zorvolasit.png
Canvas DrawZorvoDance(int frame);  // zorvoanim_000N.png, frame 0..3

// dancers.cpp: Mekko and the disco dancer.
Canvas DrawMekkoDance(int frame);  // mekkoanim_000N.png, frame 0..3
Canvas DrawDancer();               // tanssija.png

// props.cpp: the things that move about.
Canvas DrawVortex();        // vortex.png
Canvas DrawStar();          // stara.png
Canvas DrawTrain();         // juna.png
Canvas DrawSign(bool yes);  // yes.png, no.png

// flyers.cpp: the two crossings of the sky.
Canvas DrawPlane();      // lentaja.png
Canvas DrawKiteFlyer();  // lennattaja.png

// valley.cpp and panorama.cpp: the opaque backdrops.
Canvas DrawNightValley();  // kepra.jpg
Canvas DrawPanorama();     // fonka.jpg

// credits.cpp: the closing scroller.
Canvas DrawCredits();  // skroll.png
