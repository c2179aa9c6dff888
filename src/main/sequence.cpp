// The scene sequence and the whole run of the demo.
#include <cstdio>

#include "draw/platform.h"
#include "main/demo.h"
#include "scenes/scene_state.h"

void RunScenes(const std::function<void(int)>& onScene) {
  static void (*const kScenes[])() = {Scene1, Scene2, Scene3, Scene4, Scene5,
                                      Scene6, Scene7, Scene8, Scene9, Scene10};
  for (int i = 0; i < 10; ++i) {
    if (onScene) onScene(i + 1);
    kScenes[i]();
  }
}

int RunDemo() {
  ChangeToExecutableDirectory();
  int status = 0;
  try {
    if (Startup()) {
      RunScenes();
    } else {
      std::fprintf(stderr, "demo: %s\n", GraphicsError().c_str());
      status = 1;
    }
  } catch (const DemoQuit&) {
    // The window was closed or the process was asked to end: stop at once.
  }
  ShutdownPlatform();
  return status;
}
