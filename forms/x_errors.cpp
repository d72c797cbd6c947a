#include "forms/x_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace xpexam::forms {
namespace {

XErrorHandler gPreviousHandler = nullptr;

int ToleratingLateEvents(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return gPreviousHandler ? gPreviousHandler(display, error) : 0;
}

}  // namespace

void TolerateLateXEvents() {
  static const bool installed = [] {
    gPreviousHandler = XSetErrorHandler(ToleratingLateEvents);
    return true;
  }();
  (void)installed;
}

}  // namespace xpexam::forms
