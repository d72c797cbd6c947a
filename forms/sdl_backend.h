#pragma once
// The backend on a real display: the virtual screen is one SDL2 host window, input is the
// person's mouse and keyboard (text through SDL's text input, so a desktop input method types
// Chinese), time is the real clock and waits sleep until the next event or timer.
//
//   int main() { return forms::RunWithSdl([] { FrmFirst::Get().Show(); }); }
//
// Frames go to the window's own surface (shared memory on X11), only the changed rectangles;
// where a window has no surface, through an SDL renderer. The host window can be resized and
// maximised: the virtual screen follows it, each new size a kScreenSize event for the runtime,
// which lays the windows out again as XP does for a new display resolution. It never opens
// larger than the display's usable area.
//
// Keys: Alt+F4, F10 and Alt alone reach the program as keys wherever the host lets them through.
// On X11 a window manager usually keeps Alt+F4 for itself and sends a close request instead.
// Iconifying the host window and bringing it back reach the runtime as kHostMinimized and
// kHostRestored; MinimizeHost iconifies it through the window manager.
// Closing the host window reaches the runtime as EventType::kQuit, the request to leave the
// program that the program's close-request hook routes. Ctrl+C or SIGTERM in the terminal still kill the process (SDL's signal handlers are
// off). Without a display (no X11, Wayland or KMS) the window cannot open.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/backend.h"
#include "forms/sdl_input.h"
#include "forms/window_check.h"

namespace xpexam::forms {

struct SdlOptions {
  std::string title;  // the host window's title bar
  // The host window's size; the display's usable area caps it.
  int width = 1024;
  int height = 768;
};

class SdlBackend : public Backend {
 public:
  // Opens the host window; throws std::runtime_error with SDL's reason when it cannot.
  explicit SdlBackend(const SdlOptions& options = {});
  ~SdlBackend() override;
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;

  int ScreenWidth() const override { return width_; }
  int ScreenHeight() const override { return height_; }
  int64_t NowMs() override;
  Wait WaitEvent(int64_t deadline_ms, InputEvent& out) override;
  void Present(const Canvas& frame) override;
  void PresentChanged(const Canvas& frame, const std::vector<Rect>& changed) override;
  void SetHostWindow(const std::string& title, const PicturePtr& icon) override;
  void SetPointer(int shape, const PicturePtr& custom) override;
  void MinimizeHost() override;
  void RestoreHost() override;

  // The host window's position on the display (its drawing area's top left corner).
  std::pair<int, int> WindowPosition() const;

 private:
  enum class Host { kNone, kResized };
  Host HandleHostEvent(const SDL_Event& e);
  void Redraw();
  void FitDisplay();
  void FollowFocus();
  SDL_Cursor* StandardCursor(int shape);

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int texture_w_ = 0, texture_h_ = 0;
  int width_ = 0, height_ = 0;
  int smallest_w_ = 1, smallest_h_ = 1;  // the drawing area's least size where the display has room
  bool borders_known_ = false;
  SDL_Surface* shown_surface_ = nullptr;  // the window surface the last frame went to
  SdlInput input_;
  Rect text_rect_;
  std::array<SDL_Cursor*, 16> standard_cursors_{};
  SDL_Cursor* custom_cursor_ = nullptr;
  std::unique_ptr<WindowCheck> check_;
};

// Opens the host window, installs its backend, runs start() (which loads and shows the first
// window) and then the main loop until the program ends; closes the window afterwards.
// Returns 0, or 1 after saying why on stderr when no window can be opened.
int RunWithSdl(const std::function<void()>& start, const SdlOptions& options = {});

}  // namespace xpexam::forms
