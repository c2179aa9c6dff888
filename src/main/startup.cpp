// Start-up: the display, the feedback textures, the 25 picture loads of 23
// files, the music, the scene variables' first values, the scene clock and the
// start of the music, in that order. The music is decoded on a second thread
// while the display opens and the pictures load; LoadSound takes the result.
#include <algorithm>

#include "draw/platform.h"
#include "fx/fx.h"
#include "main/demo.h"
#include "scenes/scene_state.h"

bool Startup() {
  PrefetchSound("data/tusmu.ogg");
  demo.spin = demo.slideX = demo.slideX2 = demo.twistPhase = demo.flashFrame = demo.animFrame = 0.0f;
  demo.signIndex = 0;

  SelectGLDriver(2);
  HideMouse();
  if (!CreateGraphics(ScreenWidth, ScreenHeight, 32, 60, 0)) return false;
  AutoMidHandle(true);
  InitFeedback(800, 600);
  SetClsColor(1, 1, 10);

  demo.kivvi = LoadImage("data/kivvi.png", -1);
  demo.vortex = LoadImage("data/vortex.png", -1);
  demo.zorvolasit = LoadImage("data/zorvolasit.png", -1);
  demo.stara = LoadImage("data/stara.png", -1);
  demo.tanssija = LoadImage("data/tanssija.png", -1);
  demo.juna = LoadImage("data/juna.png", -1);
  demo.kepra = LoadImage("data/kepra.jpg", -1);
  demo.lentaja = LoadImage("data/lentaja.png", -1);
  demo.lennattaja = LoadImage("data/lennattaja.png", -1);

  demo.signImages = {LoadImage("data/no.png", -1), LoadImage("data/yes.png", -1)};
  for (int i = 0; i < 4; ++i) demo.zorvoAnim[i] = LoadImage("data/zorvoanim_000" + std::to_string(i) + ".png", -1);
  for (int i = 0; i < 4; ++i) demo.mekkoAnim[i] = LoadImage("data/mekkoanim_000" + std::to_string(i) + ".png", -1);
  // Each flash picture is loaded twice: four distinct images from two files.
  for (int i = 0; i < 4; ++i) demo.kivviFlash[i] = LoadImage(i % 2 ? "data/kivvib.jpg" : "data/kivviw.jpg", -1);

  demo.fonka = LoadImage("data/fonka.jpg", -1);
  demo.skroll = LoadImage("data/skroll.png", -1);
  demo.music = LoadSound("data/tusmu.ogg", 0);

  demo.twistAngle = 60.0f;
  std::fill(std::begin(demo.discAngle), std::end(demo.discAngle), 0);
  std::fill(std::begin(demo.discX), std::end(demo.discX), 0);
  std::fill(std::begin(demo.discY), std::end(demo.discY), 0);
  SetBlend(3);
  demo.startTime = float(Millisecs());
  Play(demo.music);
  return true;
}
