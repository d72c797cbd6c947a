#include "forms/script.h"

#include <cctype>
#include <charconv>
#include <sstream>

#include "forms/dump.h"
#include "forms/frame_check.h"

namespace xpexam::forms {

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::vector<std::string> Words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

bool Integer(const std::string& s, long long& out) {
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return ec == std::errc() && end == s.data() + s.size();
}

int ButtonOf(const std::string& s) {
  const std::string w = Lower(s);
  return w == "left" ? kLeftButton : w == "right" ? kRightButton : w == "middle" ? kMiddleButton : 0;
}

// -1 when not a modifier list.
int ModsOf(const std::string& s) {
  int mods = 0;
  std::string rest = Lower(s);
  while (!rest.empty()) {
    const auto plus = rest.find('+');
    const std::string part = rest.substr(0, plus);
    if (part == "shift")
      mods |= kShiftMask;
    else if (part == "ctrl")
      mods |= kCtrlMask;
    else if (part == "alt")
      mods |= kAltMask;
    else
      return -1;
    if (plus == std::string::npos) break;
    rest = rest.substr(plus + 1);
    if (rest.empty()) return -1;
  }
  return s.empty() ? -1 : mods;
}

// The mask bit a modifier key holds down; 0 for any other key.
int ModifierBitOf(int key) {
  return key == kKeyShift ? kShiftMask : key == kKeyControl ? kCtrlMask : key == kKeyMenu ? kAltMask : 0;
}

std::string Absolute(const std::string& base, const std::string& path) {
  if (path.empty() || path[0] == '/' || base.empty()) return path;
  return base + (base.back() == '/' ? "" : "/") + path;
}

}  // namespace

int KeyCodeOf(const std::string& name) {
  // A single digit is that digit's key; longer numbers are virtual-key codes.
  if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return name[0];
  long long number = 0;
  if (Integer(name, number)) return number > 0 && number < 256 ? static_cast<int>(number) : 0;
  const std::string w = Lower(name);
  static const std::pair<const char*, int> kNamed[] = {
      {"enter", kKeyReturn}, {"esc", kKeyEscape},  {"space", kKeySpace}, {"tab", kKeyTab},
      {"backspace", kKeyBack}, {"delete", kKeyDelete}, {"left", kKeyLeft}, {"right", kKeyRight},
      {"up", kKeyUp},        {"down", kKeyDown},   {"shift", kKeyShift}, {"ctrl", kKeyControl},
      {"alt", kKeyMenu},
  };
  for (auto [n, code] : kNamed)
    if (w == n) return code;
  if (w.size() >= 2 && w[0] == 'f' && Integer(w.substr(1), number) && number >= 1 && number <= 12)
    return kKeyF1 + static_cast<int>(number) - 1;
  if (w.size() == 1 && w[0] >= 'a' && w[0] <= 'z') return w[0] - 'a' + 'A';
  if (w.size() == 1 && w[0] >= '0' && w[0] <= '9') return w[0];
  return 0;
}

std::optional<ScriptError> ParseScript(const std::string& text, const ScriptOptions& options,
                                       std::vector<ScriptCommand>& commands) {
  std::istringstream in(text);
  std::string raw;
  int number = 0;
  // Modifier keys put down by keydown stay held until their keyup: every input in between
  // carries them, so that a chord can be played in either order.
  int held = 0;
  while (std::getline(in, raw)) {
    ++number;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const auto first = raw.find_first_not_of(" \t");
    if (first == std::string::npos || raw[first] == '#') continue;
    const std::string line = raw.substr(first);
    auto fail = [number](std::string message) { return ScriptError{number, std::move(message)}; };
    // type keeps the rest of its line as it is.
    if (Lower(line.substr(0, 5)) == "type " || Lower(line) == "type") {
      std::string typed = line.size() > 5 ? line.substr(5) : "";
      commands.push_back({number, [typed](HeadlessBackend& b) { b.Type(typed); }});
      continue;
    }
    std::string code = line;
    if (auto hash = code.find(" #"); hash != std::string::npos) code.resize(hash);
    std::vector<std::string> w = Words(code);
    const std::string cmd = Lower(w[0]);
    auto coords = [&](int& x, int& y) -> bool {
      long long lx = 0, ly = 0;
      if (w.size() < 3 || !Integer(w[1], lx) || !Integer(w[2], ly)) return false;
      x = static_cast<int>(lx);
      y = static_cast<int>(ly);
      return true;
    };
    if (cmd == "wait") {
      long long ms = 0;
      if (w.size() != 2 || !Integer(w[1], ms) || ms < 0) return fail("wait needs a number of milliseconds");
      commands.push_back({number, [ms](HeadlessBackend& b) { b.Wait(ms); }});
    } else if (cmd == "move") {
      int x, y;
      if (w.size() != 3 || !coords(x, y)) return fail("move needs X Y");
      commands.push_back({number, [x, y, held](HeadlessBackend& b) { b.Move(x, y, held); }});
    } else if (cmd == "press" || cmd == "release" || cmd == "click" || cmd == "dblclick") {
      int x, y;
      if (!coords(x, y)) return fail(cmd + " needs X Y");
      int button = kLeftButton, mods = 0;
      size_t i = 3;
      if (i < w.size() && ButtonOf(w[i])) button = ButtonOf(w[i++]);
      if (i < w.size() && cmd != "dblclick") {
        mods = ModsOf(w[i++]);
        if (mods < 0) return fail("unknown button or modifiers: " + w[i - 1]);
      }
      if (i < w.size()) return fail("too many arguments");
      mods |= held;
      commands.push_back({number, [cmd, x, y, button, mods](HeadlessBackend& b) {
                            if (cmd == "press") b.Press(x, y, button, mods);
                            if (cmd == "release") b.Release(x, y, button, mods);
                            if (cmd == "click") b.Click(x, y, button, mods);
                            if (cmd == "dblclick") b.DblClick(x, y, button, mods);
                          }});
    } else if (cmd == "wheel") {
      int x, y;
      long long notches = 0;
      if (w.size() != 4 || !coords(x, y) || !Integer(w[3], notches) || notches < -100 || notches > 100)
        return fail("wheel needs X Y NOTCHES");
      commands.push_back({number, [x, y, notches, held](HeadlessBackend& b) {
                            b.Wheel(x, y, static_cast<int>(notches), held);
                          }});
    } else if (cmd == "key" || cmd == "keydown" || cmd == "keyup") {
      if (w.size() < 2 || w.size() > 3) return fail(cmd + " needs a key name");
      const int key = KeyCodeOf(w[1]);
      if (!key) return fail("unknown key: " + w[1]);
      int mods = w.size() == 3 ? ModsOf(w[2]) : 0;
      if (mods < 0) return fail("unknown modifiers: " + w[2]);
      // A modifier's own event carries the state after it, as a keyboard reports it.
      const int bit = ModifierBitOf(key);
      if (cmd == "keydown" && bit) held |= bit;
      if (cmd == "keyup" && bit) held &= ~bit;
      mods |= held;
      if (cmd == "keydown" || cmd == "keyup") {
        commands.push_back({number, [cmd, key, mods](HeadlessBackend& b) {
                              if (cmd == "keydown") b.KeyDown(key, mods);
                              if (cmd == "keyup") b.KeyUp(key, mods);
                            }});
        continue;
      }
      if (bit) {
        commands.push_back({number, [key, bit, mods](HeadlessBackend& b) {
                              b.KeyDown(key, mods | bit);
                              b.KeyUp(key, mods & ~bit);
                            }});
        continue;
      }
      // The modifier keys not held already go down before the key and up after it.
      const int pressed = mods & ~held;
      commands.push_back({number, [key, mods, pressed](HeadlessBackend& b) {
                            const int keys[] = {kKeyShift, kKeyControl, kKeyMenu};
                            int state = mods & ~pressed;
                            for (int i = 0; i < 3; ++i)
                              if (pressed & (1 << i)) b.KeyDown(keys[i], state |= 1 << i);
                            b.Key(key, mods);
                            for (int i = 2; i >= 0; --i)
                              if (pressed & (1 << i)) b.KeyUp(keys[i], state &= ~(1 << i));
                          }});
    } else if (cmd == "shot") {
      const bool with_pointer = w.size() == 3 && w[2] == "pointer";
      if (w.size() != 2 && !with_pointer) return fail("shot needs a file name (and may end in pointer)");
      const std::string path = Absolute(options.base_dir, w[1]);
      commands.push_back({number, [path, options, number, with_pointer](HeadlessBackend& b) {
                            b.Call([path, options, number, with_pointer] {
                              CheckFrameNow();
                              if (with_pointer ? ComposeScreenWithPointer()->SavePng(path) : ComposeScreen().SavePng(path))
                                return;
                              if (options.err) *options.err << "script line " << number << ": cannot write " << path << "\n";
                              if (options.failed) *options.failed = true;
                            });
                          }});
    } else if (cmd == "screen") {
      // The real window resized (or maximised) to W x H pixels.
      long long sw = 0, sh = 0;
      const auto x = w.size() == 2 ? Lower(w[1]).find('x') : std::string::npos;
      if (x == std::string::npos || !Integer(w[1].substr(0, x), sw) || !Integer(w[1].substr(x + 1), sh) || sw <= 0 ||
          sh <= 0 || sw > 16384 || sh > 16384)
        return fail("screen needs WxH pixels");
      commands.push_back({number, [sw, sh](HeadlessBackend& b) {
                            b.ResizeScreen(static_cast<int>(sw), static_cast<int>(sh));
                          }});
    } else if (cmd == "close") {
      if (w.size() != 1) return fail("close takes no arguments");
      commands.push_back({number, [](HeadlessBackend& b) { b.Close(); }});
    } else if (cmd == "minimize") {
      if (w.size() != 1) return fail("minimize takes no arguments");
      commands.push_back({number, [](HeadlessBackend& b) { b.Minimize(); }});
    } else if (cmd == "restore") {
      if (w.size() != 1) return fail("restore takes no arguments");
      commands.push_back({number, [](HeadlessBackend& b) { b.Restore(); }});
    } else if (cmd == "dump") {
      if (w.size() != 1) return fail("dump takes no arguments");
      commands.push_back({number, [options](HeadlessBackend& b) {
                            b.Call([options] {
                              CheckFrameNow();
                              if (options.out) DumpScreen(*options.out);
                            });
                          }});
    } else {
      return fail("unknown command: " + w[0]);
    }
  }
  return std::nullopt;
}

}  // namespace xpexam::forms
