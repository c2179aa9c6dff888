// The demo's main sequence: start-up, then the ten scenes. The demo executable
// and the capture tool both run it, so there is one demo, not two.
#pragma once

#include <functional>

// Open the display, create the feedback textures, load every picture and the
// music, give the scene variables their first values, start the scene clock and
// the music. False when no display could be opened.
bool Startup();

// Play scenes 1 to 10, each once, in order; onScene, when given, is called
// with each scene's number just before it starts.
void RunScenes(const std::function<void(int)>& onScene = {});

// Both, from the executable's own directory, with the platform shut down at
// the end. Returns the process exit status.
int RunDemo();
