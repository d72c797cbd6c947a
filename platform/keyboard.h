#pragma once
// Keyboard layouts and input methods as the question bar and the answer box use them.
// Linux gives a program no layout of its own to switch, so the list is fixed and an
// activation is recorded; the window backend may act on the active layout.
#include <cstdint>
#include <string>
#include <vector>

namespace xpexam::platform {

struct KeyboardLayout {
  uint32_t handle = 0;
  std::string name;         // as the system lists the layout
  std::string description;  // the input method's description; empty for a plain layout
};

// The installed layouts: "中文(简体) - 美式键盘" (plain), then two Chinese input methods.
const std::vector<KeyboardLayout>& KeyboardLayouts();
// Tests install other lists; the first layout becomes the active one (0 when empty).
void SetKeyboardLayouts(std::vector<KeyboardLayout> layouts);

// The handles of at most max_count installed layouts, in list order.
std::vector<uint32_t> GetKeyboardLayoutList(int max_count);

// The input-method description of a layout: empty for a plain layout or an unknown handle.
std::string ImmGetDescription(uint32_t handle);

// Makes an installed layout the active one and returns the one active before; an unknown
// handle (0 included) changes nothing and returns 0.
uint32_t ActivateKeyboardLayout(uint32_t handle);

uint32_t ActiveKeyboardLayout();
// How many activations succeeded since the list was installed.
int KeyboardActivationCount();

}  // namespace xpexam::platform
