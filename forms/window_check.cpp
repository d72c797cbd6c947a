#include "forms/window_check.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "forms/graphics.h"

namespace xpexam::forms {
namespace {

bool gXFailed = false;
int NoteXError(Display*, XErrorEvent*) {
  gXFailed = true;
  return 0;
}

}  // namespace

WindowCheck::WindowCheck(SDL_Window* window) : window_(window) {
  const char* file = std::getenv("XPEXAM_WINDOW_CHECK");
  if (!file || !*file) return;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window_, &info) || info.subsystem != SDL_SYSWM_X11) return;
  file_ = file;
  atom_ = XInternAtom(info.info.x11.display, "_XPEXAM_WINDOW_CHECK", False);
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

bool WindowCheck::IsRequest(const SDL_Event& e) const {
  if (!Enabled() || e.type != SDL_SYSWMEVENT || e.syswm.msg->subsystem != SDL_SYSWM_X11) return false;
  const XEvent& x = e.syswm.msg->msg.x11.event;
  return x.type == PropertyNotify && x.xproperty.atom == atom_ && x.xproperty.state == PropertyNewValue;
}

void WindowCheck::Answer(const Canvas& frame) {
  const std::string answer = Check(frame);
  // Whole or not at all: the test polls for the file.
  const std::string part = file_ + ".part";
  std::ofstream(part, std::ios::binary | std::ios::trunc) << answer << "\n";
  std::rename(part.c_str(), file_.c_str());
}

std::string WindowCheck::Check(const Canvas& frame) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window_, &info)) return "unviewable: no window";
  Display* d = info.info.x11.display;
  const ::Window w = info.info.x11.window;
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable) return "unviewable";
  if (a.width != frame.Width() || a.height != frame.Height())
    return "size " + std::to_string(a.width) + "x" + std::to_string(a.height) + ", frame " +
           std::to_string(frame.Width()) + "x" + std::to_string(frame.Height());
  // A window partly off the screen cannot be read: an X error, not the end of the program.
  XSync(d, False);
  gXFailed = false;
  XErrorHandler before = XSetErrorHandler(NoteXError);
  XImage* image = XGetImage(d, w, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
  XSync(d, False);
  XSetErrorHandler(before);
  if (!image || gXFailed) {
    if (image) XDestroyImage(image);
    return "unviewable: the window cannot be read";
  }
  std::vector<uint32_t> shown(static_cast<size_t>(a.width) * a.height);
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      shown[static_cast<size_t>(y) * a.width + x] = static_cast<uint32_t>(XGetPixel(image, x, y));
  XDestroyImage(image);
  return Compare(frame, shown.data(), a.width, a.width, a.height);
}

std::string WindowCheck::Compare(const Canvas& frame, const uint32_t* shown, int shown_stride_px, int width,
                                 int height) {
  const unsigned char* data = frame.Data();
  const int stride = frame.Stride();
  long count = 0;
  int x1 = width, y1 = height, x2 = -1, y2 = -1, fx = -1, fy = -1;
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    const uint32_t* seen = shown + static_cast<size_t>(y) * shown_stride_px;
    for (int x = 0; x < width; ++x) {
      if (((row[x] ^ seen[x]) & 0xFFFFFF) == 0) continue;
      ++count;
      if (fy < 0) fx = x, fy = y;
      x1 = std::min(x1, x), x2 = std::max(x2, x);
      y1 = std::min(y1, y), y2 = std::max(y2, y);
    }
  }
  if (count == 0) return "same " + std::to_string(width) + "x" + std::to_string(height);
  return "differ " + std::to_string(count) + " pixels at " + std::to_string(x1) + "," + std::to_string(y1) + " " +
         std::to_string(x2 - x1 + 1) + "x" + std::to_string(y2 - y1 + 1) + " (first at " + std::to_string(fx) + "," +
         std::to_string(fy) + ")";
}

}  // namespace xpexam::forms
