#pragma once
// Where the forms runtime gets its input, its time and its screen. Every event loop of the
// runtime (the main loop, modal windows, popup menus, window drags, message boxes, DoEvents and
// the pump used while a network request waits) pulls from the one installed backend.
//
// Writing a backend (the headless one is in headless.h; a real window uses the same contract):
// - ScreenWidth/ScreenHeight: the virtual screen in pixels; for a real window, the size of the
//   host window's drawing area. They change only together with a kScreenSize event that
//   WaitEvent returns: from that event on they report the new size, and the runtime lays the
//   windows out for it as XP does after a change of the display resolution (screen_layout.h).
// - NowMs: a monotonic millisecond clock. Timers, double-click detection and tooltips use it,
//   and platform::TickCount follows it once the backend is installed.
// - WaitEvent(deadline, out): return the next input event at once if one is pending; otherwise
//   sleep (no busy loop) until an event arrives (kEvent) or NowMs reaches deadline (kTimeout).
//   deadline == kNoDeadline waits for input only. kExhausted means no input will ever come
//   again (a finished script); the runtime then ends the program.
// - Present(frame): show the composed screen (ARGB32 rows, Canvas::Data/Stride). Called only
//   after the frame changed. PresentChanged also says where: only the pixels inside `changed`
//   differ from the frame presented before (a backend may upload just those); by default it
//   presents the whole frame.
// - SetPointer(shape, custom): pointer shape 0-15 as the program numbers them (0 default,
//   1 arrow, 2 cross, 3 I-beam, 4 icon, 5 size, 6 size NE-SW, 7 size N-S, 8 size NW-SE,
//   9 size W-E, 10 up arrow, 11 hourglass, 12 no drop, 13 arrow and hourglass, 14 arrow and
//   question mark, 15 size all) or kCustomPointer with a cursor picture (its HotSpot()).
// - MinimizeHost(): iconify the host window through the window system (as a window goes to
//   XP's taskbar). The runtime calls it when every shown window of the program is minimised,
//   once until the host is restored. A backend without a host window records it.
// - RestoreHost(): bring the iconified host window back. The runtime calls it when a window of
//   the program appears while the host is iconified (a message box, the exit question), as such
//   a window would show on XP.
// - kHostMinimized / kHostRestored: report the host window being iconified (by the window
//   manager or after MinimizeHost) and coming back, each once per change. The runtime restores
//   its minimised windows when the host comes back with nothing else of the program to show.
// Events carry the modifier state at that moment, so a backend reports it with every event.
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "forms/graphics.h"
#include "platform/strings.h"

namespace xpexam::forms {

// Mouse buttons and modifier bits as the program's handlers receive them.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// The pointer shape over a link (a hand); not one of the numbered MousePointer shapes.
constexpr int kHandPointer = 32649;

// Windows virtual-key codes used by the runtime itself.
constexpr int kKeyBack = 8;
constexpr int kKeyTab = 9;
constexpr int kKeyReturn = 13;
constexpr int kKeyShift = 16;
constexpr int kKeyControl = 17;
constexpr int kKeyMenu = 18;  // Alt
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyPageUp = 33;
constexpr int kKeyPageDown = 34;
constexpr int kKeyEnd = 35;
constexpr int kKeyHome = 36;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;
constexpr int kKeyDelete = 46;
constexpr int kKeyF1 = 112;

// Pointer shape number of a custom cursor (MousePointer 99 with a MouseIcon).
constexpr int kCustomPointer = 99;

enum class EventType {
  kMouseMove,
  kMouseDown,
  kMouseUp,
  kMouseWheel,  // wheel turned with the pointer at (x, y)
  kKeyDown,
  kKeyUp,
  kText,  // characters typed (UTF-8), after the key's KeyDown
  kQuit,  // the host window is closed: a request to leave the program (SetCloseRequestHook)
  kHostMinimized,  // the host window was iconified
  kHostRestored,   // the host window came back from its icon
  kScreenSize,  // the screen took the size (x, y) pixels, which ScreenWidth/ScreenHeight now report
  kCall,  // runs `call` inside the loop (tests and scripts probing state at that point)
};

struct InputEvent {
  EventType type = EventType::kMouseMove;
  int x = 0, y = 0;  // screen pixels (mouse events); the new size (kScreenSize)
  int button = 0;    // kLeftButton, kRightButton or kMiddleButton
  int shift = 0;     // kShiftMask | kCtrlMask | kAltMask at the moment of the event
  int key = 0;       // virtual-key code (key events)
  int wheel = 0;     // kMouseWheel: notches, positive away from the user
  std::string text;  // kText
  std::function<void()> call;
};

class Backend {
 public:
  static constexpr int64_t kNoDeadline = std::numeric_limits<int64_t>::max();
  enum class Wait { kEvent, kTimeout, kExhausted };

  virtual ~Backend() = default;
  virtual int ScreenWidth() const = 0;
  virtual int ScreenHeight() const = 0;
  virtual int64_t NowMs() = 0;
  virtual Wait WaitEvent(int64_t deadline_ms, InputEvent& out) = 0;
  virtual void Present(const Canvas& frame) = 0;
  virtual void PresentChanged(const Canvas& frame, const std::vector<Rect>& /*changed*/) { Present(frame); }
  // The host window's title and icon, where there is one.
  virtual void SetHostWindow(const std::string& /*title*/, const PicturePtr& /*icon*/) {}
  virtual void SetPointer(int shape, const PicturePtr& custom) = 0;
  virtual void MinimizeHost() {}
  virtual void RestoreHost() {}
  // A backend with a virtual clock gives the date and time that goes with it.
  virtual std::function<platform::DateTime()> WallClock() { return {}; }
};

}  // namespace xpexam::forms
