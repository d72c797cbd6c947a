#pragma once
// The headless backend: input comes from a queue that tests and scripts fill, time is a virtual
// clock that only Wait advances, and the screen is composed in memory. Because every loop pulls
// from this queue, modal windows, popup menus and drags are driven exactly like the main loop:
//
//   forms::HeadlessSession screen(800, 600);
//   screen.Input().Click(120, 40);      // may open a modal window...
//   screen.Input().Wait(300);           // ...whose timers fire meanwhile
//   screen.Input().Click(200, 150);     // ...and which this click closes
//   forms::Pump();                      // runs the queue to its end
//
// When the queue is empty, a nested loop ends the program (as the end of a script does); Pump at
// the top level just returns.
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/app.h"
#include "forms/backend.h"
#include "platform/strings.h"

namespace xpexam::forms {

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend(int width, int height, platform::DateTime start = {2026, 1, 1, 9, 0, 0});

  int ScreenWidth() const override { return width_; }
  int ScreenHeight() const override { return height_; }
  int64_t NowMs() override { return now_; }
  Wait WaitEvent(int64_t deadline_ms, InputEvent& out) override;
  void Present(const Canvas&) override { ++frames_; }
  void PresentChanged(const Canvas&, const std::vector<Rect>& changed) override {
    ++frames_;
    changed_ = changed;
  }
  void SetPointer(int shape, const PicturePtr& custom) override;
  void MinimizeHost() override { host_minimized_ = true; }
  void RestoreHost() override { host_minimized_ = false; }
  std::function<platform::DateTime()> WallClock() override;

  // Queued input; coordinates are screen pixels. Mouse actions at a new place move there first,
  // with their own modifier state.
  void Move(int x, int y, int shift = 0);
  void Press(int x, int y, int button = kLeftButton, int shift = 0);
  void Release(int x, int y, int button = kLeftButton, int shift = 0);
  void Click(int x, int y, int button = kLeftButton, int shift = 0);
  void DblClick(int x, int y, int button = kLeftButton, int shift = 0);
  // Turns the wheel at (x, y) by notches (positive away from the user).
  void Wheel(int x, int y, int notches, int shift = 0);
  void KeyDown(int key, int shift = 0);
  void KeyUp(int key, int shift = 0);
  // Down, the character it types (letters, digits, space; none with Ctrl or Alt), up.
  void Key(int key, int shift = 0);
  // Types UTF-8 text character by character (ASCII letters, digits and spaces with their keys).
  void Type(const std::string& text);
  // The window manager's close of the host window: the request to leave the program.
  void Close();
  // The window manager iconifying the host window, and bringing it back.
  void Minimize();
  void Restore();
  // The host window resized to width x height pixels: the screen takes that size when the
  // event is reached.
  void ResizeScreen(int width, int height);
  // Advances the virtual clock, firing the timers that fall due on the way.
  void Wait(int64_t ms);
  // Runs fn inside whichever loop reaches this point of the queue.
  void Call(std::function<void()> fn);
  bool Pending() const { return !queue_.empty(); }

  // The host window is iconified: the runtime asked for it, or a queued Minimize came after
  // the last queued Restore.
  bool HostMinimized() const { return host_minimized_; }
  int PointerShapeShown() const { return shape_; }
  const PicturePtr& PointerIconShown() const { return icon_; }
  int FramesPresented() const { return frames_; }
  // What the last frame presented said had changed.
  const std::vector<Rect>& ChangedInLastFrame() const { return changed_; }

 private:
  struct Item {
    bool wait = false;
    int64_t ms = 0;
    InputEvent event;
  };
  void Push(InputEvent e);
  void PushMouse(EventType type, int x, int y, int button, int shift);
  void MoveIfNeeded(int x, int y, int shift);

  int width_, height_;
  platform::DateTime start_;
  int64_t now_ = 0;
  std::deque<Item> queue_;
  int queued_x_ = -1, queued_y_ = -1;
  int shape_ = 0;
  PicturePtr icon_;
  int frames_ = 0;
  std::vector<Rect> changed_;
  bool host_minimized_ = false;
};

// Processes the queue until it is empty (top level only: a nested loop meeting the end of the
// queue ends the program).
void Pump();

// A headless screen for a test or a script: resets the runtime, sets the resolution, installs a
// headless backend; the destructor resets everything again.
class HeadlessSession {
 public:
  HeadlessSession(int width, int height, double twips_per_pixel = 15, platform::DateTime start = {2026, 1, 1, 9, 0, 0});
  ~HeadlessSession();
  HeadlessSession(const HeadlessSession&) = delete;
  HeadlessSession& operator=(const HeadlessSession&) = delete;
  HeadlessBackend& Input() { return *backend_; }

 private:
  HeadlessBackend* backend_;
};

// The date and time a number of seconds after t.
platform::DateTime AddSeconds(const platform::DateTime& t, int64_t seconds);

}  // namespace xpexam::forms
