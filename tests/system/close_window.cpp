// Sending WM_DELETE_WINDOW to every top-level window, kept apart from the
// tests because the X headers define macros that clash with GoogleTest.
#include <X11/Xlib.h>

#include <string>

bool CloseWindows(const std::string& display) {
  Display* d = XOpenDisplay(display.c_str());
  if (!d) return false;
  Atom protocols = XInternAtom(d, "WM_PROTOCOLS", False), del = XInternAtom(d, "WM_DELETE_WINDOW", False);
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count);
  for (unsigned i = 0; i < count; ++i) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = children[i];
    e.xclient.message_type = protocols;
    e.xclient.format = 32;
    e.xclient.data.l[0] = long(del);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, children[i], False, NoEventMask, &e);
  }
  if (children) XFree(children);
  XCloseDisplay(d);
  return true;
}
