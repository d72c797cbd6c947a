#include "forms/sdl_input.h"

#include <algorithm>
#include <utility>

namespace xpexam::forms {

namespace {

// Keys named by SDL's key code, so that a remapped key reports what it has become.
int VirtualKeyOfName(SDL_Keycode sym, bool num_lock) {
  if (sym >= 'a' && sym <= 'z') return static_cast<int>(sym - 'a' + 'A');
  if (sym >= '0' && sym <= '9') return static_cast<int>(sym);
  switch (sym) {
    case SDLK_BACKSPACE: return kKeyBack;
    case SDLK_TAB: return kKeyTab;
    case SDLK_CLEAR: return 12;
    case SDLK_RETURN: return kKeyReturn;
    case SDLK_KP_ENTER: return kKeyReturn;
    case SDLK_RETURN2: return kKeyReturn;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return kKeyShift;
    case SDLK_LCTRL: case SDLK_RCTRL: return kKeyControl;
    case SDLK_LALT: case SDLK_RALT: case SDLK_MODE: return kKeyMenu;
    case SDLK_PAUSE: return 19;
    case SDLK_CAPSLOCK: return 20;
    case SDLK_ESCAPE: return kKeyEscape;
    case SDLK_SPACE: return kKeySpace;
    case SDLK_PAGEUP: return kKeyPageUp;
    case SDLK_PAGEDOWN: return kKeyPageDown;
    case SDLK_END: return kKeyEnd;
    case SDLK_HOME: return kKeyHome;
    case SDLK_LEFT: return kKeyLeft;
    case SDLK_UP: return kKeyUp;
    case SDLK_RIGHT: return kKeyRight;
    case SDLK_DOWN: return kKeyDown;
    case SDLK_PRINTSCREEN: return 44;
    case SDLK_INSERT: return 45;
    case SDLK_DELETE: return kKeyDelete;
    case SDLK_LGUI: return 91;
    case SDLK_RGUI: return 92;
    case SDLK_APPLICATION: case SDLK_MENU: return 93;
    case SDLK_KP_MULTIPLY: return 106;
    case SDLK_KP_PLUS: return 107;
    case SDLK_KP_MINUS: return 109;
    case SDLK_KP_DIVIDE: return 111;
    case SDLK_NUMLOCKCLEAR: return 144;
    case SDLK_SCROLLLOCK: return 145;
    case ';': return 186;
    case '=': return 187;
    case ',': return 188;
    case '-': return 189;
    case '.': return 190;
    case '/': return 191;
    case '`': return 192;
    case '[': return 219;
    case '\\': return 220;
    case ']': return 221;
    case '\'': return 222;
    default: break;
  }
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return kKeyF1 + static_cast<int>(sym - SDLK_F1);
  if (sym >= SDLK_F13 && sym <= SDLK_F24) return kKeyF1 + 12 + static_cast<int>(sym - SDLK_F13);
  // The keypad: digits with Num Lock, the navigation keys printed under them without.
  struct Pad {
    SDL_Keycode sym;
    int digit, navigation;
  };
  static constexpr Pad kPad[] = {
      {SDLK_KP_0, 96, 45},  {SDLK_KP_1, 97, kKeyEnd},  {SDLK_KP_2, 98, kKeyDown},   {SDLK_KP_3, 99, kKeyPageDown},
      {SDLK_KP_4, 100, kKeyLeft}, {SDLK_KP_5, 101, 12}, {SDLK_KP_6, 102, kKeyRight}, {SDLK_KP_7, 103, kKeyHome},
      {SDLK_KP_8, 104, kKeyUp}, {SDLK_KP_9, 105, kKeyPageUp}, {SDLK_KP_PERIOD, 110, kKeyDelete},
  };
  for (const Pad& p : kPad)
    if (p.sym == sym) return num_lock ? p.digit : p.navigation;
  return 0;
}

// Keys whose layout gives no Latin character (another script, dead keys): by position.
int VirtualKeyOfPosition(SDL_Scancode code) {
  if (code >= SDL_SCANCODE_A && code <= SDL_SCANCODE_Z) return 'A' + (code - SDL_SCANCODE_A);
  if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_9) return '1' + (code - SDL_SCANCODE_1);
  switch (code) {
    case SDL_SCANCODE_0: return '0';
    case SDL_SCANCODE_SEMICOLON: return 186;
    case SDL_SCANCODE_EQUALS: return 187;
    case SDL_SCANCODE_COMMA: return 188;
    case SDL_SCANCODE_MINUS: return 189;
    case SDL_SCANCODE_PERIOD: return 190;
    case SDL_SCANCODE_SLASH: return 191;
    case SDL_SCANCODE_GRAVE: return 192;
    case SDL_SCANCODE_LEFTBRACKET: return 219;
    case SDL_SCANCODE_BACKSLASH: return 220;
    case SDL_SCANCODE_RIGHTBRACKET: return 221;
    case SDL_SCANCODE_APOSTROPHE: return 222;
    case SDL_SCANCODE_NONUSBACKSLASH: return 226;
    default: return 0;
  }
}

int ButtonOf(Uint8 sdl_button) {
  switch (sdl_button) {
    case SDL_BUTTON_LEFT: return kLeftButton;
    case SDL_BUTTON_RIGHT: return kRightButton;
    case SDL_BUTTON_MIDDLE: return kMiddleButton;
    default: return 0;
  }
}

}  // namespace

int VirtualKeyOf(const SDL_Keysym& key) {
  if (int vk = VirtualKeyOfName(key.sym, (key.mod & KMOD_NUM) != 0)) return vk;
  return VirtualKeyOfPosition(key.scancode);
}

int ShiftStateOf(Uint16 mod) {
  return ((mod & KMOD_SHIFT) ? kShiftMask : 0) | ((mod & KMOD_CTRL) ? kCtrlMask : 0) |
         ((mod & KMOD_ALT) ? kAltMask : 0);
}

InputEvent SdlInput::Mouse(EventType type, int x, int y, int button) const {
  InputEvent out;
  out.type = type;
  out.x = std::clamp(x, 0, std::max(width_ - 1, 0));
  out.y = std::clamp(y, 0, std::max(height_ - 1, 0));
  out.button = button;
  out.shift = Shift();
  return out;
}

std::optional<InputEvent> SdlInput::Translate(const SDL_Event& e) {
  switch (e.type) {
    case SDL_MOUSEMOTION:
      return Mouse(EventType::kMouseMove, e.motion.x, e.motion.y, 0);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const int button = ButtonOf(e.button.button);
      if (!button) return std::nullopt;
      if (e.type == SDL_MOUSEBUTTONUP && button == swallowed_release_) {
        swallowed_release_ = 0;
        return std::nullopt;
      }
      if (e.type == SDL_MOUSEBUTTONDOWN && std::exchange(iconify_asked_, false) && !minimized_) {
        swallowed_release_ = button;
        InputEvent out;
        out.type = EventType::kHostRestored;
        return out;
      }
      return Mouse(e.type == SDL_MOUSEBUTTONDOWN ? EventType::kMouseDown : EventType::kMouseUp, e.button.x, e.button.y,
                   button);
    }
    case SDL_MOUSEWHEEL: {
      const int notches = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
      if (!notches) return std::nullopt;
      InputEvent out = Mouse(EventType::kMouseWheel, e.wheel.mouseX, e.wheel.mouseY, 0);
      out.wheel = notches;
      return out;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      // SDL gives the state after the key: a Shift press already carries Shift, its release not.
      mod_ = e.key.keysym.mod;
      const int vk = VirtualKeyOf(e.key.keysym);
      if (!vk) return std::nullopt;
      InputEvent out;
      out.type = e.type == SDL_KEYDOWN ? EventType::kKeyDown : EventType::kKeyUp;
      out.key = vk;
      out.shift = Shift();
      return out;
    }
    case SDL_TEXTINPUT: {
      // Alt with a letter is a menu key, not typing; AltGr (right Alt, or Ctrl+Alt) types.
      if ((mod_ & KMOD_LALT) && !(mod_ & KMOD_CTRL)) return std::nullopt;
      InputEvent out;
      out.type = EventType::kText;
      out.text = e.text.text;
      if (out.text.empty()) return std::nullopt;
      return out;
    }
    case SDL_WINDOWEVENT: {
      InputEvent out;
      switch (e.window.event) {
        case SDL_WINDOWEVENT_MINIMIZED:
          iconify_asked_ = false;
          if (minimized_) return std::nullopt;
          minimized_ = true;
          out.type = EventType::kHostMinimized;
          return out;
        // SDL says restored both when the window leaves its icon and when it leaves the
        // maximised state; a window maximised before may come back from its icon maximised.
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
          if (!minimized_) return std::nullopt;
          minimized_ = false;
          out.type = EventType::kHostRestored;
          return out;
        case SDL_WINDOWEVENT_CLOSE:
          out.type = EventType::kQuit;
          return out;
        default:
          return std::nullopt;
      }
    }
    case SDL_QUIT: {
      InputEvent out;
      out.type = EventType::kQuit;
      return out;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace xpexam::forms
