// The program's own directory and the end of the platform.
#include <SDL2/SDL.h>
#include <unistd.h>

#include <climits>
#include <string>

#include "draw/draw.h"
#include "draw/platform.h"

bool ChangeToExecutableDirectory() {
  char path[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return false;
  std::string dir(path, size_t(n));
  size_t slash = dir.rfind('/');
  if (slash == std::string::npos) return false;
  dir.resize(slash == 0 ? 1 : slash);
  return chdir(dir.c_str()) == 0;
}

void ShutdownPlatform() {
  CloseGraphics();
  SDL_Quit();
}
