// An event sent to a window that is already gone, as SDL's wake-up of its event wait can be:
// the program must survive the server's BadWindow, while other X errors still reach the
// handler that was there before. Exit 77 when there is no display.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>

#include "forms/x_errors.h"

namespace {
int gOtherErrors = 0;
int CountOther(Display*, XErrorEvent*) {
  ++gOtherErrors;
  return 0;
}
}  // namespace

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 77;
  XSetErrorHandler(CountOther);
  xpexam::forms::TolerateLateXEvents();
  // A window made and destroyed: its id names nothing any more.
  const Window gone = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
  XDestroyWindow(display, gone);
  XEvent event;
  std::memset(&event, 0, sizeof event);
  event.xclient.type = ClientMessage;
  event.xclient.window = gone;
  event.xclient.format = 8;
  XSendEvent(display, gone, False, NoEventMask, &event);
  XSync(display, False);
  if (gOtherErrors != 0) {
    std::puts("FAIL: the late event's BadWindow reached the earlier handler");
    return 1;
  }
  XMapWindow(display, gone);  // BadWindow of another request: not the one to let pass
  XSync(display, False);
  if (gOtherErrors != 1) {
    std::puts("FAIL: another X error did not reach the earlier handler");
    return 1;
  }
  XCloseDisplay(display);
  std::puts("ok");
  return 0;
}
