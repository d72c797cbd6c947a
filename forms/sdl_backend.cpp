#include "forms/sdl_backend.h"

#include <cairo.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <iostream>
#include <stdexcept>

#include "forms/pointer_shapes.h"
#include "forms/runtime.h"
#include "forms/x_errors.h"

// Last: Xlib's macros would clash with the names above.
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace xpexam::forms {

namespace {

// A picture as an SDL surface with straight alpha (cairo keeps it premultiplied).
SDL_Surface* StraightSurfaceOf(const Picture& pic) {
  const int w = pic.Width(), h = pic.Height();
  if (w <= 0 || h <= 0) return nullptr;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return nullptr;
  cairo_surface_flush(pic.Surface());
  const unsigned char* src = cairo_image_surface_get_data(pic.Surface());
  const int src_stride = cairo_image_surface_get_stride(pic.Surface());
  for (int y = 0; y < h; ++y) {
    const auto* in = reinterpret_cast<const uint32_t*>(src + y * src_stride);
    auto* out = reinterpret_cast<uint32_t*>(static_cast<unsigned char*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < w; ++x) {
      const uint32_t p = in[x], a = p >> 24;
      auto straight = [&](int shift) { return std::min<uint32_t>(255, ((p >> shift & 255) * 255 + a / 2) / a) << shift; };
      out[x] = a == 0 ? 0 : a == 255 ? p : a << 24 | straight(16) | straight(8) | straight(0);
    }
  }
  return surface;
}

// A colour cursor from a decoded picture, with its hot spot.
SDL_Cursor* CursorOfPicture(const Picture& pic) {
  SDL_Surface* surface = StraightSurfaceOf(pic);
  if (!surface) return nullptr;
  auto [hx, hy] = pic.HotSpot().value_or(std::pair{0, 0});
  SDL_Cursor* cursor = SDL_CreateColorCursor(surface, std::clamp(hx, 0, pic.Width() - 1), std::clamp(hy, 0, pic.Height() - 1));
  SDL_FreeSurface(surface);
  return cursor;
}

// Titles the window. SDL writes the old-style name (WM_NAME, WM_ICON_NAME) as Latin-1 text that
// holds UTF-8 bytes; a window manager that reads those shows a Chinese title garbled, so they are
// written again as UTF-8 text.
void SetTitle(SDL_Window* window, const std::string& title) {
  SDL_SetWindowTitle(window, title.c_str());
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  Display* display = info.info.x11.display;
  char* text = const_cast<char*>(title.c_str());
  XTextProperty name;
  if (Xutf8TextListToTextProperty(display, &text, 1, XUTF8StringStyle, &name) != Success) return;
  XSetWMName(display, info.info.x11.window, &name);
  XSetWMIconName(display, info.info.x11.window, &name);
  XFree(name.value);
  XFlush(display);
}

// The smallest host window is the program's smallest screen: below it the home screen's own
// buttons and the bar's end button are cut off. A smaller window asked for (a notice alone) and a
// smaller display set the bound lower.
constexpr int kMinWidth = 800;
constexpr int kMinHeight = 600;

}  // namespace

SdlBackend::SdlBackend(const SdlOptions& options) {
  // Before SDL starts: SDL chains to the handler it finds, and puts it back when it quits.
  TolerateLateXEvents();
  // The program ends only by its own End; a terminal's Ctrl+C still kills it outright.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_WINDOWS_NO_CLOSE_ON_ALT_F4, "1");
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // The input method draws its own composition and candidates: the program shows committed text only.
  SDL_SetHint(SDL_HINT_IME_INTERNAL_EDITING, "1");
  SDL_SetHint(SDL_HINT_IME_SHOW_UI, "1");
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // The window's own surface, not a texture behind it: no GL stack for a 2D program.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) throw std::runtime_error(SDL_GetError());
  // Without a display SDL falls back to drivers that show nothing: the program would run unseen.
  const std::string driver = SDL_GetCurrentVideoDriver();
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  if ((driver == "offscreen" || driver == "dummy") && !(asked && *asked)) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw std::runtime_error("no display (DISPLAY is not set)");
  }

  int w = std::max(options.width, 1), h = std::max(options.height, 1);
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0) {
    w = std::min(w, usable.w);
    h = std::min(h, usable.h);
  }
  window_ = SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                             SDL_WINDOW_SHOWN | SDL_WINDOW_RESIZABLE);
  if (!window_) {
    std::string why = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw std::runtime_error(why);
  }
  SetTitle(window_, options.title);
  smallest_w_ = std::min(kMinWidth, w);
  smallest_h_ = std::min(kMinHeight, h);
  SDL_SetWindowMinimumSize(window_, smallest_w_, smallest_h_);
  if (!SDL_GetWindowSurface(window_)) {
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
      std::string why = SDL_GetError();
      SDL_DestroyWindow(window_);
      SDL_QuitSubSystem(SDL_INIT_VIDEO);
      throw std::runtime_error(why);
    }
  }
  FitDisplay();
  SDL_GetWindowSize(window_, &width_, &height_);
  input_ = SdlInput(static_cast<Uint16>(SDL_GetModState()));
  input_.SetScreen(width_, height_);
  SDL_StartTextInput();
  check_ = std::make_unique<WindowCheck>(window_);
  Redraw();
}

SdlBackend::~SdlBackend() {
  SDL_StopTextInput();
  SDL_SetCursor(SDL_GetDefaultCursor());
  if (custom_cursor_) SDL_FreeCursor(custom_cursor_);
  for (SDL_Cursor* c : standard_cursors_)
    if (c) SDL_FreeCursor(c);
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  SDL_DestroyWindow(window_);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

int64_t SdlBackend::NowMs() { return static_cast<int64_t>(SDL_GetTicks64()); }

Backend::Wait SdlBackend::WaitEvent(int64_t deadline_ms, InputEvent& out) {
  FollowFocus();
  while (true) {
    SDL_Event e;
    if (!SDL_PollEvent(&e)) {
      const int64_t now = NowMs();
      if (deadline_ms != kNoDeadline && now >= deadline_ms) return Wait::kTimeout;
      const int timeout = deadline_ms == kNoDeadline ? -1 : static_cast<int>(std::min<int64_t>(deadline_ms - now, INT_MAX));
      if (!SDL_WaitEventTimeout(&e, timeout)) {
        if (timeout < 0) return Wait::kExhausted;  // the event queue failed: no input will come
        continue;
      }
    }
    if (e.type == SDL_SYSWMEVENT) {
      if (check_->IsRequest(e)) {
        // Whatever changed is on the screen first: the frame composed is the one presented.
        PresentIfChanged();
        check_->Answer(ComposeScreen());
      }
      continue;
    }
    // The new size is the runtime's to lay the windows out for; the next frame has it.
    if (HandleHostEvent(e) == Host::kResized) {
      out = InputEvent{};
      out.type = EventType::kScreenSize;
      out.x = width_;
      out.y = height_;
      return Wait::kEvent;
    }
    std::optional<InputEvent> event = input_.Translate(e);
    if (!event) continue;
    if (event->type == EventType::kMouseMove) {
      // Only the last of a run of moves matters.
      SDL_Event next;
      if (SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 && next.type == SDL_MOUSEMOTION)
        continue;
    }
    out = std::move(*event);
    return Wait::kEvent;
  }
}

void SdlBackend::FollowFocus() {
  // The input method shows its candidates under the control that gets the typing.
  const Form* f = ActiveForm();
  const Control* c = f ? f->ActiveControl() : nullptr;
  const Rect r = c ? c->ScreenRect() : Rect{};
  if (r == text_rect_) return;
  text_rect_ = r;
  SDL_Rect area{r.x, r.y, r.w, r.h};
  SDL_SetTextInputRect(&area);
}

SdlBackend::Host SdlBackend::HandleHostEvent(const SDL_Event& e) {
  if (e.type != SDL_WINDOWEVENT) return Host::kNone;
  // A window manager tells the size of its frame only once it has framed the window.
  if (!borders_known_ && (e.window.event == SDL_WINDOWEVENT_SHOWN || e.window.event == SDL_WINDOWEVENT_MOVED ||
                          e.window.event == SDL_WINDOWEVENT_EXPOSED))
    FitDisplay();
  switch (e.window.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      // SDL makes a new, empty surface even when the size came back to the old one: the next
      // frame is composed and sent whole.
      shown_surface_ = nullptr;
      detail::Invalidate();
      width_ = std::max(e.window.data1, 1);
      height_ = std::max(e.window.data2, 1);
      input_.SetScreen(width_, height_);
      return Host::kResized;
    case SDL_WINDOWEVENT_EXPOSED:
      Redraw();
      return Host::kNone;
    default:
      return Host::kNone;
  }
}

void SdlBackend::FitDisplay() {
  // A window manager's frame counts against the display: a decorated 1024x768 window does not
  // fit a 1024x768 screen, so the drawing area gives way (the virtual screen follows it).
  SDL_Rect usable;
  const int display = SDL_GetWindowDisplayIndex(window_);
  int top = 0, left = 0, bottom = 0, right = 0;
  if (SDL_GetDisplayUsableBounds(std::max(display, 0), &usable) != 0 || usable.w <= 0 || usable.h <= 0) return;
  if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) != 0) top = left = bottom = right = 0;
  borders_known_ = top > 0 || left > 0 || bottom > 0 || right > 0;
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  const int room_w = std::max(1, usable.w - left - right), room_h = std::max(1, usable.h - top - bottom);
  SDL_SetWindowMinimumSize(window_, std::min(smallest_w_, room_w), std::min(smallest_h_, room_h));
  const int fit_w = std::min(w, room_w), fit_h = std::min(h, room_h);
  if (fit_w == w && fit_h == h) return;
  SDL_SetWindowSize(window_, fit_w, fit_h);
  // Centred with its frame (the position is the drawing area's).
  SDL_SetWindowPosition(window_, usable.x + left + (usable.w - left - right - fit_w) / 2,
                        usable.y + top + (usable.h - top - bottom - fit_h) / 2);
}

void SdlBackend::Present(const Canvas& frame) { PresentChanged(frame, {{0, 0, frame.Width(), frame.Height()}}); }

void SdlBackend::PresentChanged(const Canvas& frame, const std::vector<Rect>& changed) {
  if (!renderer_) {
    // Its size follows the window's; a frame composed for another size is not shown.
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface) {
      std::cerr << "forms: cannot draw into the window: " << SDL_GetError() << "\n";
      return;
    }
    // A new surface (the window was resized, perhaps back to the frame's size) holds nothing yet.
    const std::vector<Rect> whole{{0, 0, frame.Width(), frame.Height()}};
    const std::vector<Rect>& upload = surface == shown_surface_ ? changed : whole;
    shown_surface_ = surface;
    std::vector<SDL_Rect> rects;
    SDL_Surface* source = nullptr;
    const bool same_layout = surface->format->BytesPerPixel == 4 &&
                             (surface->format->format == SDL_PIXELFORMAT_ARGB8888 ||
                              surface->format->format == SDL_PIXELFORMAT_RGB888);
    const auto* data = frame.Data();
    const int stride = frame.Stride();
    for (const Rect& r : upload) {
      const int x1 = std::max(r.x, 0), y1 = std::max(r.y, 0);
      const int x2 = std::min({r.x + r.w, frame.Width(), surface->w}), y2 = std::min({r.y + r.h, frame.Height(), surface->h});
      if (x2 <= x1 || y2 <= y1) continue;
      SDL_Rect area{x1, y1, x2 - x1, y2 - y1};
      if (same_layout) {
        for (int y = y1; y < y2; ++y)
          std::memcpy(static_cast<unsigned char*>(surface->pixels) + y * surface->pitch + x1 * 4, data + y * stride + x1 * 4,
                      static_cast<size_t>(area.w) * 4);
      } else {
        if (!source)
          source = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<unsigned char*>(data), frame.Width(), frame.Height(), 32,
                                                      stride, SDL_PIXELFORMAT_ARGB8888);
        if (!source) break;
        SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
        SDL_Rect to = area;
        SDL_BlitSurface(source, &area, surface, &to);
      }
      rects.push_back(area);
    }
    if (source) SDL_FreeSurface(source);
    if (!rects.empty()) SDL_UpdateWindowSurfaceRects(window_, rects.data(), static_cast<int>(rects.size()));
    return;
  }
  if (!texture_ || texture_w_ != frame.Width() || texture_h_ != frame.Height()) {
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, frame.Width(),
                                 frame.Height());
    if (!texture_) {
      std::cerr << "forms: cannot create the screen texture: " << SDL_GetError() << "\n";
      return;
    }
    SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
    texture_w_ = frame.Width();
    texture_h_ = frame.Height();
  }
  SDL_UpdateTexture(texture_, nullptr, frame.Data(), frame.Stride());
  Redraw();
}

void SdlBackend::Redraw() {
  if (!renderer_) {
    // The surface keeps the last frame: show it again.
    if (SDL_GetWindowSurface(window_)) SDL_UpdateWindowSurface(window_);
    return;
  }
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  if (texture_) {
    const SDL_Rect to{0, 0, texture_w_, texture_h_};
    SDL_RenderCopy(renderer_, texture_, nullptr, &to);
  }
  SDL_RenderPresent(renderer_);
}

void SdlBackend::SetHostWindow(const std::string& title, const PicturePtr& icon) {
  if (!title.empty()) SetTitle(window_, title);
  if (SDL_Surface* surface = icon ? StraightSurfaceOf(*icon) : nullptr) {
    SDL_SetWindowIcon(window_, surface);
    SDL_FreeSurface(surface);
  }
}

SDL_Cursor* SdlBackend::StandardCursor(int shape) {
  if (shape < 0 || shape >= static_cast<int>(standard_cursors_.size())) shape = 0;
  SDL_Cursor*& c = standard_cursors_[shape];
  if (!c) c = CursorOfPicture(*StandardPointer(shape));
  return c;
}

// The runtime draws every shape itself so that the pointer looks the same on any cursor theme;
// the host's own arrow is the last resort.
void SdlBackend::SetPointer(int shape, const PicturePtr& custom) {
  SDL_Cursor* next = shape == kCustomPointer && custom ? CursorOfPicture(*custom) : nullptr;
  SDL_Cursor* shown = next ? next : StandardCursor(shape == kCustomPointer ? 0 : shape);
  SDL_SetCursor(shown ? shown : SDL_GetDefaultCursor());
  if (custom_cursor_) SDL_FreeCursor(custom_cursor_);
  custom_cursor_ = next;
}

void SdlBackend::MinimizeHost() {
  input_.IconifyAsked();
  SDL_MinimizeWindow(window_);
}

void SdlBackend::RestoreHost() {
  // SDL's restore also takes back a maximised size; the learner's maximised window stays so.
  const bool maximized = (SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED) != 0;
  input_.RestoreAsked();
  SDL_RestoreWindow(window_);
  if (maximized) SDL_MaximizeWindow(window_);
}

std::pair<int, int> SdlBackend::WindowPosition() const {
  int x = 0, y = 0;
  SDL_GetWindowPosition(window_, &x, &y);
  return {x, y};
}

int RunWithSdl(const std::function<void()>& start, const SdlOptions& options) {
  std::unique_ptr<SdlBackend> backend;
  try {
    backend = std::make_unique<SdlBackend>(options);
  } catch (const std::exception& e) {
    std::cerr << "xpexam: cannot open a window: " << e.what() << "\n";
    return 1;
  }
  InstallBackend(std::move(backend));
  detail::Invoke(start);
  Run();
  // End() leaves the windows loaded: destroy them now, while the runtime's state still exists.
  ResetRuntime();
  InstallBackend(nullptr);
  return 0;
}

}  // namespace xpexam::forms
