// SDL's input events as the runtime receives them: virtual-key codes, buttons, the modifier
// state that mouse events inherit from the keys, typed text and the close request.
#include "forms/sdl_input.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace xpexam::forms {
namespace {

SDL_Event Key(Uint32 type, SDL_Keycode sym, SDL_Scancode code, Uint16 mod = 0) {
  SDL_Event e{};
  e.type = type;
  e.key.keysym.sym = sym;
  e.key.keysym.scancode = code;
  e.key.keysym.mod = mod;
  return e;
}
SDL_Event Down(SDL_Keycode sym, SDL_Scancode code, Uint16 mod = 0) { return Key(SDL_KEYDOWN, sym, code, mod); }
SDL_Event Up(SDL_Keycode sym, SDL_Scancode code, Uint16 mod = 0) { return Key(SDL_KEYUP, sym, code, mod); }
SDL_Event Button(Uint32 type, Uint8 button, int x, int y) {
  SDL_Event e{};
  e.type = type;
  e.button.button = button;
  e.button.x = x;
  e.button.y = y;
  return e;
}
SDL_Event Motion(int x, int y) {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.x = x;
  e.motion.y = y;
  return e;
}
SDL_Event Wheel(int notches, int x, int y, bool flipped = false) {
  SDL_Event e{};
  e.type = SDL_MOUSEWHEEL;
  e.wheel.y = notches;
  e.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
  e.wheel.mouseX = x;
  e.wheel.mouseY = y;
  return e;
}
SDL_Event Text(const char* utf8) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  std::strncpy(e.text.text, utf8, sizeof e.text.text - 1);
  return e;
}
SDL_Event Window(Uint8 event) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = event;
  return e;
}

std::string Describe(const std::optional<InputEvent>& e) {
  if (!e) return "-";
  auto n = [](int v) { return std::to_string(v); };
  switch (e->type) {
    case EventType::kMouseMove: return "Move " + n(e->x) + "," + n(e->y) + " " + n(e->shift);
    case EventType::kMouseDown: return "Press " + n(e->button) + " " + n(e->x) + "," + n(e->y) + " " + n(e->shift);
    case EventType::kMouseUp: return "Release " + n(e->button) + " " + n(e->x) + "," + n(e->y) + " " + n(e->shift);
    case EventType::kMouseWheel: return "Wheel " + n(e->wheel) + " " + n(e->x) + "," + n(e->y) + " " + n(e->shift);
    case EventType::kKeyDown: return "KeyDown " + n(e->key) + " " + n(e->shift);
    case EventType::kKeyUp: return "KeyUp " + n(e->key) + " " + n(e->shift);
    case EventType::kText: return "Text " + e->text;
    case EventType::kQuit: return "Quit";
    case EventType::kHostMinimized: return "HostMinimized";
    case EventType::kHostRestored: return "HostRestored";
    case EventType::kScreenSize: return "Screen " + n(e->x) + "x" + n(e->y);
    case EventType::kCall: return "Call";
  }
  return "?";
}

struct Step {
  const char* what;
  SDL_Event event;
  const char* expected;
};

// Each table runs through one translator: the modifier state carries from row to row.
void Check(std::initializer_list<Step> steps) {
  SdlInput input;
  input.SetScreen(640, 480);
  for (const Step& s : steps) EXPECT_EQ(Describe(input.Translate(s.event)), s.expected) << s.what;
}

TEST(SdlInput, KeysBecomeWindowsVirtualKeys) {
  Check({
      {"letter", Down('a', SDL_SCANCODE_A), "KeyDown 65 0"},
      {"letter of another layout", Down('q', SDL_SCANCODE_A), "KeyDown 81 0"},
      {"letter of another script", Down(0x439, SDL_SCANCODE_Q), "KeyDown 81 0"},
      {"digit", Down('7', SDL_SCANCODE_7), "KeyDown 55 0"},
      {"digit key that types a symbol", Down('&', SDL_SCANCODE_1), "KeyDown 49 0"},
      {"slash", Down('/', SDL_SCANCODE_SLASH), "KeyDown 191 0"},
      {"full stop", Down('.', SDL_SCANCODE_PERIOD), "KeyDown 190 0"},
      {"F1", Down(SDLK_F1, SDL_SCANCODE_F1), "KeyDown 112 0"},
      {"F10", Down(SDLK_F10, SDL_SCANCODE_F10), "KeyDown 121 0"},
      {"F12", Down(SDLK_F12, SDL_SCANCODE_F12), "KeyDown 123 0"},
      {"Enter", Down(SDLK_RETURN, SDL_SCANCODE_RETURN), "KeyDown 13 0"},
      {"keypad Enter", Down(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER), "KeyDown 13 0"},
      {"Esc", Down(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE), "KeyDown 27 0"},
      {"Space", Down(SDLK_SPACE, SDL_SCANCODE_SPACE), "KeyDown 32 0"},
      {"Tab", Down(SDLK_TAB, SDL_SCANCODE_TAB), "KeyDown 9 0"},
      {"Backspace", Down(SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE), "KeyDown 8 0"},
      {"Delete", Down(SDLK_DELETE, SDL_SCANCODE_DELETE), "KeyDown 46 0"},
      {"arrow", Down(SDLK_UP, SDL_SCANCODE_UP), "KeyDown 38 0"},
      {"keypad 7 with Num Lock", Down(SDLK_KP_7, SDL_SCANCODE_KP_7, KMOD_NUM), "KeyDown 103 0"},
      {"keypad 7 without", Down(SDLK_KP_7, SDL_SCANCODE_KP_7), "KeyDown 36 0"},
      {"keypad point without", Down(SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD), "KeyDown 46 0"},
      {"keypad slash", Down(SDLK_KP_DIVIDE, SDL_SCANCODE_KP_DIVIDE), "KeyDown 111 0"},
      {"Windows key", Down(SDLK_LGUI, SDL_SCANCODE_LGUI), "KeyDown 91 0"},
      {"unknown key", Down(SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN), "-"},
      {"release", Up('a', SDL_SCANCODE_A), "KeyUp 65 0"},
  });
}

TEST(SdlInput, ModifiersCarryTheStateAfterTheKeyAndReachMouseEvents) {
  Check({
      {"Shift down", Down(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, KMOD_LSHIFT), "KeyDown 16 1"},
      {"press with Shift", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20), "Press 1 10,20 1"},
      {"right Ctrl down", Down(SDLK_RCTRL, SDL_SCANCODE_RCTRL, KMOD_LSHIFT | KMOD_RCTRL), "KeyDown 17 3"},
      {"Shift up", Up(SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, KMOD_RCTRL), "KeyUp 16 2"},
      {"release with Ctrl", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 10, 20), "Release 1 10,20 2"},
      {"Ctrl up", Up(SDLK_RCTRL, SDL_SCANCODE_RCTRL), "KeyUp 17 0"},
      {"Alt down", Down(SDLK_LALT, SDL_SCANCODE_LALT, KMOD_LALT), "KeyDown 18 4"},
      {"F4 with Alt", Down(SDLK_F4, SDL_SCANCODE_F4, KMOD_LALT), "KeyDown 115 4"},
      {"Alt up", Up(SDLK_LALT, SDL_SCANCODE_LALT), "KeyUp 18 0"},
      {"AltGr", Down(SDLK_RALT, SDL_SCANCODE_RALT, KMOD_RALT), "KeyDown 18 4"},
  });
}

TEST(SdlInput, ButtonsAndPointerPositions) {
  Check({
      {"right press", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 5, 6), "Press 2 5,6 0"},
      {"middle release", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 5, 6), "Release 4 5,6 0"},
      {"side button", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 5, 6), "-"},
      {"move", Motion(639, 479), "Move 639,479 0"},
      {"drag beyond the window", Motion(700, -3), "Move 639,0 0"},
      {"release beyond it", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, -40, 900), "Release 1 0,479 0"},
      {"wheel away from the user", Wheel(2, 7, 8), "Wheel 2 7,8 0"},
      {"wheel of a flipped device", Wheel(1, 7, 8, true), "Wheel -1 7,8 0"},
      {"sideways only", Wheel(0, 7, 8), "-"},
  });
}

TEST(SdlInput, TextAndCloseRequests) {
  Check({
      {"Chinese from an input method", Text("中文"), "Text 中文"},
      {"AltGr types", Text("@"), "Text @"},
      {"Alt down", Down(SDLK_LALT, SDL_SCANCODE_LALT, KMOD_LALT), "KeyDown 18 4"},
      {"Alt with a letter is no typing", Text("f"), "-"},
      {"Ctrl+Alt down", Down(SDLK_LCTRL, SDL_SCANCODE_LCTRL, KMOD_LALT | KMOD_LCTRL), "KeyDown 17 6"},
      {"Ctrl+Alt is AltGr and types", Text("€"), "Text €"},
      {"close the host window", Window(SDL_WINDOWEVENT_CLOSE), "Quit"},
      {"other window events", Window(SDL_WINDOWEVENT_FOCUS_LOST), "-"},
  });
}

// SDL reports "restored" also when a maximised window goes back to its size, and a maximised
// window comes back from its icon as "maximized": only a change of the icon state counts.
TEST(SdlInput, TheHostWindowGoesToItsIconAndComesBackOncePerChange) {
  Check({
      {"maximised, then back to its size", Window(SDL_WINDOWEVENT_MAXIMIZED), "-"},
      {"un-maximised is no return", Window(SDL_WINDOWEVENT_RESTORED), "-"},
      {"iconified", Window(SDL_WINDOWEVENT_MINIMIZED), "HostMinimized"},
      {"hidden with it", Window(SDL_WINDOWEVENT_HIDDEN), "-"},
      {"iconified again", Window(SDL_WINDOWEVENT_MINIMIZED), "-"},
      {"back from the icon", Window(SDL_WINDOWEVENT_RESTORED), "HostRestored"},
      {"told twice", Window(SDL_WINDOWEVENT_RESTORED), "-"},
      {"iconified once more", Window(SDL_WINDOWEVENT_MINIMIZED), "HostMinimized"},
      {"back maximised", Window(SDL_WINDOWEVENT_MAXIMIZED), "HostRestored"},
  });
}

// With no window manager the asked-for icon never comes: the next press on the window that
// stayed up stands for the taskbar's click and brings the windows back; it reaches no window.
TEST(SdlInput, APressOnAHostNoOneIconifiedBringsTheWindowsBack) {
  SdlInput input;
  input.SetScreen(640, 480);
  input.IconifyAsked();
  EXPECT_EQ(Describe(input.Translate(Motion(5, 6))), "Move 5,6 0");
  EXPECT_EQ(Describe(input.Translate(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 5, 6))), "HostRestored");
  EXPECT_EQ(Describe(input.Translate(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 5, 6))), "-");
  EXPECT_EQ(Describe(input.Translate(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 5, 6))), "Press 1 5,6 0");
  EXPECT_EQ(Describe(input.Translate(Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 5, 6))), "Release 1 5,6 0");

  // A window manager that iconifies it: presses after its return are presses.
  input.IconifyAsked();
  EXPECT_EQ(Describe(input.Translate(Window(SDL_WINDOWEVENT_MINIMIZED))), "HostMinimized");
  EXPECT_EQ(Describe(input.Translate(Window(SDL_WINDOWEVENT_RESTORED))), "HostRestored");
  EXPECT_EQ(Describe(input.Translate(Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 5, 6))), "Press 1 5,6 0");
}

}  // namespace
}  // namespace xpexam::forms
