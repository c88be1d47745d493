// Presses a window's close button the way a window manager does: sends the window the
// WM_DELETE_WINDOW message. Usage: zamknij_okno WINDOW_ID (decimal, as xdotool prints it).
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  Display* d = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
  if (!d) {
    std::fprintf(stderr, "usage: zamknij_okno WINDOW_ID, on a display\n");
    return 2;
  }
  XEvent e = {};
  e.xclient.type = ClientMessage;
  e.xclient.window = (Window)std::strtoul(argv[1], nullptr, 10);
  e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
  const bool wyslane = XSendEvent(d, e.xclient.window, False, NoEventMask, &e) != 0;
  XSync(d, False);
  XCloseDisplay(d);
  return wyslane ? 0 : 1;
}
