#include "platform/keyboard.h"

#include <algorithm>

namespace xpexam::platform {
namespace {

struct State {
  std::vector<KeyboardLayout> layouts = {
      {0x08040804u, "中文(简体) - 美式键盘", ""},
      {0xE0010804u, "中文(简体) - 全拼", "中文(简体) - 全拼"},
      {0xE0020804u, "中文(简体) - 双拼", "中文(简体) - 双拼"},
  };
  uint32_t active = 0x08040804u;
  int activations = 0;
};

State& Keyboard() {
  static State state;
  return state;
}

const KeyboardLayout* Find(uint32_t handle) {
  const auto& list = Keyboard().layouts;
  auto it = std::find_if(list.begin(), list.end(), [&](const KeyboardLayout& l) { return l.handle == handle; });
  return it == list.end() ? nullptr : &*it;
}

}  // namespace

const std::vector<KeyboardLayout>& KeyboardLayouts() { return Keyboard().layouts; }

void SetKeyboardLayouts(std::vector<KeyboardLayout> layouts) {
  State& s = Keyboard();
  s.layouts = std::move(layouts);
  s.active = s.layouts.empty() ? 0 : s.layouts.front().handle;
  s.activations = 0;
}

std::vector<uint32_t> GetKeyboardLayoutList(int max_count) {
  std::vector<uint32_t> handles;
  for (const auto& l : Keyboard().layouts) {
    if (static_cast<int>(handles.size()) >= max_count) break;
    handles.push_back(l.handle);
  }
  return handles;
}

std::string ImmGetDescription(uint32_t handle) {
  const KeyboardLayout* l = Find(handle);
  return l ? l->description : std::string();
}

uint32_t ActivateKeyboardLayout(uint32_t handle) {
  if (handle == 0 || !Find(handle)) return 0;
  State& s = Keyboard();
  uint32_t previous = s.active;
  s.active = handle;
  ++s.activations;
  return previous;
}

uint32_t ActiveKeyboardLayout() { return Keyboard().active; }

int KeyboardActivationCount() { return Keyboard().activations; }

}  // namespace xpexam::platform
