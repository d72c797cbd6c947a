#include "forms/sdl_backend.h"

#include <cairo.h>

#include <algorithm>
#include <climits>
#include <iostream>
#include <stdexcept>

#include "forms/runtime.h"

namespace xpexam::forms {

namespace {

// The program's pointer numbers as SDL draws them; shapes SDL lacks (4 icon, 10 up arrow,
// 14 arrow with question mark) show the arrow.
SDL_SystemCursor SystemCursorOf(int shape) {
  switch (shape) {
    case 2: return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case 3: return SDL_SYSTEM_CURSOR_IBEAM;
    case 5: case 15: return SDL_SYSTEM_CURSOR_SIZEALL;
    case 6: return SDL_SYSTEM_CURSOR_SIZENESW;
    case 7: return SDL_SYSTEM_CURSOR_SIZENS;
    case 8: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case 9: return SDL_SYSTEM_CURSOR_SIZEWE;
    case 11: return SDL_SYSTEM_CURSOR_WAIT;
    case 12: return SDL_SYSTEM_CURSOR_NO;
    case 13: return SDL_SYSTEM_CURSOR_WAITARROW;
    case kHandPointer: return SDL_SYSTEM_CURSOR_HAND;
    default: return SDL_SYSTEM_CURSOR_ARROW;
  }
}

// A cursor from a decoded picture: cairo keeps premultiplied alpha, SDL wants it straight.
SDL_Cursor* CursorOfPicture(const Picture& pic) {
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
      if (a == 0 || a == 255) {
        out[x] = a ? p : 0;
        continue;
      }
      auto straight = [&](int shift) { return std::min<uint32_t>(255, ((p >> shift & 255) * 255 + a / 2) / a) << shift; };
      out[x] = a << 24 | straight(16) | straight(8) | straight(0);
    }
  }
  auto [hx, hy] = pic.HotSpot().value_or(std::pair{0, 0});
  SDL_Cursor* cursor = SDL_CreateColorCursor(surface, std::clamp(hx, 0, w - 1), std::clamp(hy, 0, h - 1));
  SDL_FreeSurface(surface);
  return cursor;
}

}  // namespace

SdlBackend::SdlBackend(const SdlOptions& options) {
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
  window_ = SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h, SDL_WINDOW_SHOWN);
  if (window_) {
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  }
  if (!renderer_) {
    std::string why = SDL_GetError();
    if (window_) SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    throw std::runtime_error(why);
  }
  SDL_GetWindowSize(window_, &width_, &height_);
  input_ = SdlInput(static_cast<Uint16>(SDL_GetModState()));
  input_.SetScreen(width_, height_);
  SDL_StartTextInput();
  Redraw();
}

SdlBackend::~SdlBackend() {
  SDL_StopTextInput();
  SDL_SetCursor(SDL_GetDefaultCursor());
  if (custom_cursor_) SDL_FreeCursor(custom_cursor_);
  for (SDL_Cursor* c : system_cursors_)
    if (c) SDL_FreeCursor(c);
  if (texture_) SDL_DestroyTexture(texture_);
  SDL_DestroyRenderer(renderer_);
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
    // A new window size needs a new frame: the loop composes one before it waits again.
    if (HandleHostEvent(e) == Host::kResized) return Wait::kTimeout;
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
  switch (e.window.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      if (e.window.data1 == width_ && e.window.data2 == height_) return Host::kNone;
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

void SdlBackend::Present(const Canvas& frame) {
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
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  if (texture_) {
    const SDL_Rect to{0, 0, texture_w_, texture_h_};
    SDL_RenderCopy(renderer_, texture_, nullptr, &to);
  }
  SDL_RenderPresent(renderer_);
}

SDL_Cursor* SdlBackend::SystemCursor(int shape) {
  const SDL_SystemCursor id = SystemCursorOf(shape);
  SDL_Cursor*& c = system_cursors_[id];
  if (!c) c = SDL_CreateSystemCursor(id);
  return c;
}

void SdlBackend::SetPointer(int shape, const PicturePtr& custom) {
  SDL_Cursor* next = shape == kCustomPointer && custom ? CursorOfPicture(*custom) : nullptr;
  SDL_SetCursor(next ? next : SystemCursor(shape));
  if (custom_cursor_) SDL_FreeCursor(custom_cursor_);
  custom_cursor_ = next;
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
