// The display: an SDL window with an OpenGL compatibility context, an
// 800 x 600 RGB render target that stands for the back buffer, and Flip,
// which hands the picture to a sink, presents it letterboxed at 4:3 and paces
// the loop to 60 frames per second.
#include <SDL2/SDL.h>
#include <dlfcn.h>
#include <link.h>

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "draw/layer.h"
#include "draw/frames.h"
#include "draw/pacer.h"

namespace layer {
void PumpEvents();
void ResetInput();
bool WindowHidden();
bool skipping = false;
}  // namespace layer

namespace {

struct GLFramebufferApi {
  PFNGLGENFRAMEBUFFERSPROC GenFramebuffers;
  PFNGLBINDFRAMEBUFFERPROC BindFramebuffer;
  PFNGLDELETEFRAMEBUFFERSPROC DeleteFramebuffers;
  PFNGLGENRENDERBUFFERSPROC GenRenderbuffers;
  PFNGLBINDRENDERBUFFERPROC BindRenderbuffer;
  PFNGLDELETERENDERBUFFERSPROC DeleteRenderbuffers;
  PFNGLRENDERBUFFERSTORAGEPROC RenderbufferStorage;
  PFNGLFRAMEBUFFERRENDERBUFFERPROC FramebufferRenderbuffer;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC CheckFramebufferStatus;
  PFNGLBLITFRAMEBUFFERPROC BlitFramebuffer;
  PFNGLCLEARBUFFERFVPROC ClearBufferfv;
};

struct Display {
  SDL_Window* window = nullptr;
  SDL_GLContext context = nullptr;
  GLFramebufferApi gl{};
  GLuint framebuffer = 0, renderbuffer = 0;
  int width = 0, height = 0;
  bool paced = false;
  FramePacer pacer;
};

// Why the frame being drawn is not shown.
enum class Skip { None, CatchUp, Policy, Hidden };

Display display;
bool headless = false;
bool hideMouse = false;
int driverFlags = 0;
std::string lastError;
long flips = 0;
long presents = 0;
bool pacingInHeadless = false;
bool warnedBehind = false;
Skip skip = Skip::None;
int catchUpLeft = 0;
std::function<bool(long)> skipPolicy;
std::function<void()> frameHook;
std::function<void(const FrameView&)> frameSink;
std::vector<unsigned char> readRows, frameRows;

#if defined(__SANITIZE_ADDRESS__)
// Leak checking runs at exit, after the OpenGL driver's libraries have been
// unloaded, which leaves their allocations with no module name to suppress
// them by. Sanitizer builds keep those libraries loaded to the end.
void PinDriverLibraries() {
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void*) {
        const char* name = info->dlpi_name;
        for (const char* part : {"_dri.so", "libEGL_mesa", "libGLX_mesa", "libglapi", "libgallium", "libLLVM"})
          if (name && std::strstr(name, part)) dlopen(name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
        return 0;
      },
      nullptr);
}
#endif

bool Fail(const std::string& why) {
  lastError = why;
  CloseGraphics();
  return false;
}

template <typename T>
bool Load(T& slot, const char* name) {
  slot = reinterpret_cast<T>(SDL_GL_GetProcAddress(name));
  return slot != nullptr;
}

bool LoadFramebufferApi(GLFramebufferApi& gl) {
  return Load(gl.GenFramebuffers, "glGenFramebuffers") && Load(gl.BindFramebuffer, "glBindFramebuffer") &&
         Load(gl.DeleteFramebuffers, "glDeleteFramebuffers") && Load(gl.GenRenderbuffers, "glGenRenderbuffers") &&
         Load(gl.BindRenderbuffer, "glBindRenderbuffer") && Load(gl.DeleteRenderbuffers, "glDeleteRenderbuffers") &&
         Load(gl.RenderbufferStorage, "glRenderbufferStorage") &&
         Load(gl.FramebufferRenderbuffer, "glFramebufferRenderbuffer") &&
         Load(gl.CheckFramebufferStatus, "glCheckFramebufferStatus") && Load(gl.BlitFramebuffer, "glBlitFramebuffer") &&
         Load(gl.ClearBufferfv, "glClearBufferfv");
}

// Swap interval that gives one present per 1/hertz s on this display, or 0
// when its refresh rate is not a whole multiple of hertz.
int MatchingSwapInterval(int hertz) {
  SDL_DisplayMode mode;
  int index = SDL_GetWindowDisplayIndex(display.window);
  if (hertz <= 0 || index < 0 || SDL_GetCurrentDisplayMode(index, &mode) != 0 || mode.refresh_rate <= 0) return 0;
  int interval = (mode.refresh_rate + hertz / 2) / hertz;
  if (interval < 1 || std::abs(mode.refresh_rate - interval * hertz) > 1) return 0;
  return interval;
}

// Show the target on the window, scaled to fit at its own aspect with black bars.
void Present() {
  GLFramebufferApi& gl = display.gl;
  int dw = 0, dh = 0;
  SDL_GL_GetDrawableSize(display.window, &dw, &dh);
  gl.BindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  const GLfloat black[4] = {0, 0, 0, 1};
  gl.ClearBufferfv(GL_COLOR, 0, black);
  if (dw > 0 && dh > 0) {
    long w = dw, h = long(dw) * display.height / display.width;
    if (h > dh) h = dh, w = long(dh) * display.width / display.height;
    GLint x = GLint((dw - w) / 2), y = GLint((dh - h) / 2);
    gl.BlitFramebuffer(0, 0, display.width, display.height, x, y, x + GLint(w), y + GLint(h), GL_COLOR_BUFFER_BIT,
                       GL_LINEAR);
  }
  SDL_GL_SwapWindow(display.window);
  gl.BindFramebuffer(GL_DRAW_FRAMEBUFFER, display.framebuffer);
}

void ReadRows(std::vector<unsigned char>& out) {
  const size_t row = size_t(display.width) * 3;
  readRows.resize(row * display.height);
  out.resize(row * display.height);
  glReadPixels(0, 0, display.width, display.height, GL_RGB, GL_UNSIGNED_BYTE, readRows.data());
  for (int y = 0; y < display.height; ++y)
    std::copy_n(readRows.data() + row * (display.height - 1 - y), row, out.data() + row * y);
}

// The layer's OpenGL state, and the drawing state at its start values, each
// applied as its own operation would apply it.
void ResetLayerState(int width, int height) {
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, width, height, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_SCISSOR_TEST);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_CULL_FACE);
  glDisable(GL_LIGHTING);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  layer::ForgetMemory();
  layer::SetTexturing(false);
  layer::state = TDrawState();
  SetColor(255, 255, 255);
  SetAlpha(1.0f);
  SetClsColor(0, 0, 0);
  SetBlend(1);
  SetRotation(0.0f);
  SetScale(1.0f, 1.0f);
}

// Whether the frame that the Flip with this index presents is drawn and shown.
void DecideNextFrame(long flip) {
  if (skipPolicy && skipPolicy(flip)) {
    skip = Skip::Policy;
  } else if (catchUpLeft > 0) {
    --catchUpLeft;
    skip = Skip::CatchUp;
  } else if (!headless && layer::WindowHidden()) {
    skip = Skip::Hidden;  // nothing would be seen; keep the schedule, save the work
  } else {
    skip = Skip::None;
  }
  layer::skipping = skip != Skip::None;
}

}  // namespace

bool DrawingSkipped() { return layer::skipping; }
void SetSkipPolicy(std::function<bool(long)> policy) { skipPolicy = std::move(policy); }
void SetPacing(bool on) { pacingInHeadless = on; }
void SetFrameHook(std::function<void()> hook) { frameHook = std::move(hook); }
long PresentCount() { return presents; }

void SelectGLDriver(int defaultFlags) { driverFlags = defaultFlags; }

void HideMouse() {
  hideMouse = true;
  if (display.window) SDL_ShowCursor(SDL_DISABLE);
}

void SetHeadless(bool on) { headless = on; }
void SetFrameSink(std::function<void(const FrameView&)> sink) { frameSink = std::move(sink); }
long FlipCount() { return flips; }
const std::string& GraphicsError() { return lastError; }

bool CreateGraphics(int width, int height, int depth, int hertz, int flags) {
  CloseGraphics();
  lastError.clear();
  (void)(flags | driverFlags);  // the display is always double-buffered
  if (headless) SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "offscreen", SDL_HINT_OVERRIDE);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
    return Fail(std::string("no display available (") + SDL_GetError() + ")");
  // Without a desktop SDL falls back to drivers that show nothing; the demo
  // would then play unseen, so that counts as no display unless asked for.
  const char* driver = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  bool invisible = driver && (!std::strcmp(driver, "offscreen") || !std::strcmp(driver, "dummy"));
  if (!headless && invisible && !(asked && std::strstr(asked, driver)))
    return Fail("no display available (no X11 or Wayland desktop to open a window on)");

  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
  SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);

  Uint32 windowFlags = SDL_WINDOW_OPENGL | SDL_WINDOW_ALLOW_HIGHDPI;
  if (headless) {
    windowFlags |= SDL_WINDOW_HIDDEN;
  } else if (depth != 0) {
    windowFlags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  }
  display.window = SDL_CreateWindow("demo", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                    windowFlags);
  if (!display.window) return Fail(std::string("cannot open a window (") + SDL_GetError() + ")");
  display.context = SDL_GL_CreateContext(display.window);
  if (!display.context) return Fail(std::string("cannot create an OpenGL context (") + SDL_GetError() + ")");
  if (!LoadFramebufferApi(display.gl)) return Fail("the OpenGL driver offers no framebuffer objects");
#if defined(__SANITIZE_ADDRESS__)
  PinDriverLibraries();
#endif

  GLFramebufferApi& gl = display.gl;
  display.width = width;
  display.height = height;
  gl.GenRenderbuffers(1, &display.renderbuffer);
  gl.BindRenderbuffer(GL_RENDERBUFFER, display.renderbuffer);
  gl.RenderbufferStorage(GL_RENDERBUFFER, GL_RGB8, width, height);
  gl.GenFramebuffers(1, &display.framebuffer);
  gl.BindFramebuffer(GL_FRAMEBUFFER, display.framebuffer);
  gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, display.renderbuffer);
  if (gl.CheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
    return Fail("the OpenGL driver cannot render into an 800 x 600 RGB target");

  if (hideMouse) SDL_ShowCursor(SDL_DISABLE);
  layer::ResetInput();
  ResetLayerState(width, height);
  flips = 0;
  presents = 0;
  catchUpLeft = 0;
  warnedBehind = false;

  // Both buffers start black: clear and present twice without waiting.
  if (!headless) SDL_GL_SetSwapInterval(0);
  for (int i = 0; i < 2; ++i) {
    Cls();
    if (!headless) Present();
  }

  const double period = 1.0 / (hertz > 0 ? hertz : 60);
  display.paced = hertz > 0 && (!headless || pacingInHeadless);
  display.pacer = FramePacer(period);
  if (!headless) {
    int interval = MatchingSwapInterval(hertz);
    if (interval > 0 && SDL_GL_SetSwapInterval(interval) == 0) {
      // The retrace paces the loop; the wait stays as a slightly looser cap
      // for when presents stop blocking (a hidden or minimised window).
      display.pacer = FramePacer(period, period * 0.99);
    } else {
      SDL_GL_SetSwapInterval(1);
    }
  }
  DecideNextFrame(1);
  return true;
}

void CloseGraphics() {
  if (display.context) {
    SDL_GL_MakeCurrent(display.window, display.context);
    if (display.framebuffer) display.gl.DeleteFramebuffers(1, &display.framebuffer);
    if (display.renderbuffer) display.gl.DeleteRenderbuffers(1, &display.renderbuffer);
    SDL_GL_DeleteContext(display.context);
  }
  if (display.window) SDL_DestroyWindow(display.window);
  bool wasOpen = display.window != nullptr;
  display = Display();
  if (wasOpen || SDL_WasInit(SDL_INIT_VIDEO)) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
}

void Flip(int sync) {
  if (!display.window) return;
  ++flips;
  if (skip == Skip::None || skip == Skip::Hidden) {
    if (skip == Skip::None && frameSink) {
      ReadRows(frameRows);
      frameSink(FrameView{frameRows.data(), display.width, display.height, flips});
    }
    if (display.paced && sync != 0) WaitUntil(display.pacer.WaitUntil(MonotonicSeconds()));
    if (skip == Skip::None) {
      if (!headless) Present();
      ++presents;
    }
    if (display.paced) {
      catchUpLeft = display.pacer.Presented(MonotonicSeconds());
      if (display.pacer.FallingBehind() && !warnedBehind) {
        warnedBehind = true;
        std::fprintf(stderr, "warning: drawing is too slow for 15 frames a second; the demo falls behind its music\n");
      }
    }
    if (frameHook) frameHook();
  } else if (skip == Skip::CatchUp) {
    display.pacer.Skipped();
  }
  DecideNextFrame(flips + 1);
  layer::PumpEvents();
}

void ResetDrawingState() {
  if (display.window) ResetLayerState(display.width, display.height);
}

void ReadTarget(std::vector<unsigned char>& rgb) {
  if (!display.window) {
    rgb.clear();
    return;
  }
  ReadRows(rgb);
}
