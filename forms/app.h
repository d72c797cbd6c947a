#pragma once
// The runtime as a whole: the backend, the event loops, the screen and program end.
#include <functional>
#include <memory>

#include "forms/backend.h"
#include "forms/control.h"

namespace xpexam::forms {

class Form;

// Installs the backend that every loop pulls from and makes platform::TickCount (and, for a
// virtual clock, platform::Now) follow its clock. Without one, a backend with the real clock and
// no input is used.
void InstallBackend(std::unique_ptr<Backend> backend);
Backend& CurrentBackend();

// The main loop: returns when the program ends (End, the last window unloaded, or no more input).
void Run();
// Processes the pending input and the due timers, without waiting.
void DoEvents();
// Keeps the windows alive while something else waits (a network request): processes events and
// timers, calling done() between them, until done() is true (returns true), timeout_ms passes on
// the runtime's clock or the program ends (returns false). Waits at most slice_ms at a time.
bool PumpUntil(const std::function<bool()>& done, int64_t timeout_ms, int slice_ms = 10);
// One turn of the loop for code that waits in a loop of its own (the network helper's and the
// tick service's pump, installed into platform::SetEventPump with the backend): fires due
// timers and handles pending input; when there was none, waits up to max_wait_ms for some.
void PumpEvents(int max_wait_ms);

// Thrown by End() to leave the handler that called it; the outermost loop catches it. Not a
// std::exception, so the failure convention's Try and TryReport let it through.
struct ProgramEnded {};
// Ends the program at once: no unload handlers run; every loop returns. Called from a handler it
// does not return.
void End();
bool Ended();

// The screen in twips, and its resolution.
double ScreenWidth();
double ScreenHeight();
struct Point {
  int x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};
// Pointer position in screen pixels.
Point GetCursorPos();
// The window under a screen point: the deepest visible, enabled windowed control or the window.
WindowHandle WindowFromPoint(Point p);
// The window that gets the keyboard input.
Form* ActiveForm();
// The window the learner deals with now: the innermost modal window, else the active window,
// else the topmost shown one (a minimised one last). Null when no window is shown.
Form* TopWindow();

// Closing the host window (the window manager's close, or Alt+F4 where the window manager takes
// it) is a request to leave the program. The program's wiring routes it; without a hook the
// window on top gets it (Form::CloseRequested). Dropped while a popup menu or a drag holds the
// input. ResetRuntime clears the hook.
void SetCloseRequestHook(std::function<void()> hook);

// The host window is iconified. The runtime iconifies it when every shown window is minimised
// (and one is); when the window manager brings it back with nothing else to show, the minimised
// windows are restored as from XP's taskbar, the top one active. The window manager's own
// minimise and restore change nothing inside the program.
bool HostMinimized();

// Composes the screen if anything changed since the last frame and returns it.
const Canvas& ComposeScreen();
// The composed screen with the pointer drawn on it at its place and in its shape, as a display
// shows it (the screen itself never holds the pointer).
std::unique_ptr<Canvas> ComposeScreenWithPointer();

// Titles the real window the program runs in and gives it an icon (nothing when headless).
void SetHostWindow(const std::string& title, const PicturePtr& icon);

// Destroys every window without running handlers, stops every timer and clears all state;
// tests and the scenario runner start from here.
void ResetRuntime();

}  // namespace xpexam::forms
