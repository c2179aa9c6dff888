// Keyboard and window events: Escape presses are counted between polls (a key
// held down counts once, auto-repeat never), and closing the window or a
// request to end the process unwinds the demo through DemoQuit.
#include <SDL2/SDL.h>

#include "draw/layer.h"

namespace {

int escapeHits = 0;
bool hidden = false;
std::function<int()> escapeSource;

}  // namespace

namespace layer {

void PumpEvents() {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    switch (event.type) {
      case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_ESCAPE && !event.key.repeat) ++escapeHits;
        break;
      case SDL_QUIT:
        throw DemoQuit{};
      case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_MINIMIZED || event.window.event == SDL_WINDOWEVENT_HIDDEN)
          hidden = true;
        if (event.window.event == SDL_WINDOWEVENT_RESTORED || event.window.event == SDL_WINDOWEVENT_SHOWN ||
            event.window.event == SDL_WINDOWEVENT_EXPOSED)
          hidden = false;
        break;
      default:
        break;
    }
  }
}

void ResetInput() {
  escapeHits = 0;
  hidden = false;
}

bool WindowHidden() { return hidden; }

}  // namespace layer

void SetEscapeSource(std::function<int()> hits) { escapeSource = std::move(hits); }

int KeyHit(int key) {
  if (key != 27) return 0;
  layer::PumpEvents();
  if (escapeSource) escapeHits += escapeSource();
  int hits = escapeHits;
  escapeHits = 0;
  return hits;
}
