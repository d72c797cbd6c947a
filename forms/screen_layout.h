#pragma once
// How windows follow a change of the screen's size (a real window resized or maximised), as XP
// lays them out again after a change of the display resolution:
// - a maximised window fills the new screen and gets its Resize;
// - a window centred on the old screen is centred on the new one;
// - no window's title bar is left off the screen: a window is moved the least that brings its
//   title bar wholly onto the screen, or, for a window wider than the screen, across its width;
// - then the program hears of the change (SetScreenChangeHook), for what only it knows, such as
//   windows docked to one another.
// The rule for one window's place is FollowScreen; the runtime applies it to every loaded window,
// hidden and minimised ones included (to the place a maximised one is restored to as well).
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace xpexam::forms {

class Form;

// A window's outer bounds, or a screen's size (left and top 0), in one unit.
struct Bounds {
  double left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

// Where a window in the normal state with bounds `window` lies once the screen changed from
// `from` to `to`. Its title bar is its top `title_height`; a window counts as centred when both
// its left and its top are within `slack` of the centred place, either as centring gives it or
// as this rule keeps it (its title bar on the screen).
Bounds FollowScreen(const Bounds& window, double title_height, const Bounds& from, const Bounds& to, double slack);

// What the program hears after the runtime has laid the windows out for a new screen size.
struct ScreenChange {
  // The screen before and after, in pixels.
  int old_width = 0, old_height = 0, width = 0, height = 0;
  // Each window loaded at the change with its bounds just before it (twips, as Left, Top,
  // Width and Height reported them).
  std::vector<std::pair<const Form*, Bounds>> before;
  std::optional<Bounds> Before(const Form& form) const {
    for (const auto& [f, b] : before)
      if (f == &form) return b;
    return std::nullopt;
  }
};

// Called once the windows follow a new screen size, after their Resize events. ResetRuntime
// clears it.
void SetScreenChangeHook(std::function<void(const ScreenChange&)> hook);

}  // namespace xpexam::forms
