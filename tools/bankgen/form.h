#pragma once
// Dialogs described as lists of named controls, so that a question can draw a dialog in any
// state and aim at any of its controls by name.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tools/bankgen/xp.h"

namespace xpexam::bankgen {

class Form {
 public:
  Form(std::string title, Icon icon, int width, int height, xp::Buttons buttons = xp::Buttons::kHelpClose);

  int width() const { return width_; }
  int height() const { return height_; }

  // Controls; positions relative to the window's top-left corner.
  Form& Label(const std::string& name, int x, int y, const std::string& text, Rgb color = xp::kBlack);
  Form& Wrap(const std::string& name, const Box& b, const std::string& text);
  Form& Button(const std::string& name, const Box& b, const std::string& text,
               xp::ButtonState state = xp::ButtonState::kNormal);
  Form& Check(const std::string& name, int x, int y, const std::string& text, bool on, bool enabled = true);
  Form& Radio(const std::string& name, int x, int y, const std::string& text, bool on);
  Form& Field(const std::string& name, const Box& b, const std::string& text, bool selected = false);
  Form& Password(const std::string& name, const Box& b, int dots);
  Form& Combo(const std::string& name, const Box& b, const std::string& text);
  Form& List(const std::string& name, const Box& b, const std::vector<std::string>& items, int selected);
  Form& Group(const std::string& name, const Box& b, const std::string& title);
  Form& IconAt(const std::string& name, int x, int y, Icon icon, int size = 32);
  Form& HSlider(const std::string& name, const Box& track, int ticks, int thumb_x, bool thumb = true);
  Form& VSlider(const std::string& name, const Box& track, int ticks, int thumb_y, bool thumb = true);
  Form& Custom(const std::string& name, const Box& b, std::function<void(cairo_t*, const Box&)> paint);
  // A tab strip: labels, left edges and the right edge of the last tab (relative to the
  // window), the top of the tab row and the bottom of the page.
  Form& Tabs(int row_top, const std::vector<std::string>& labels, const std::vector<int>& lefts, int selected,
             int page_bottom);

  // State changes.
  Form& Set(const std::string& name, bool on);
  Form& SetText(const std::string& name, const std::string& text);
  Form& SetSelected(const std::string& name, int index);
  Form& SetState(const std::string& name, xp::ButtonState state);
  Form& SetTab(int tab);  // 0-based
  Form& SetThumb(const std::string& name, int pos, bool shown = true);
  Form& Remove(const std::string& name);

  // Box of a control relative to the window, and on the screen for a window at (x, y).
  Box At(const std::string& name) const;
  Box At(const std::string& name, int x, int y) const { return At(name).Offset(x, y); }
  // Box of a tab (0-based) relative to the window.
  Box TabBox(int tab) const;
  // Thumb of a slider relative to the window.
  Box Thumb(const std::string& name) const;

  // The window with all its controls at (x, y).
  void Paint(cairo_t* cr, int x, int y) const;

 private:
  enum class Kind { kLabel, kWrap, kButton, kCheck, kRadio, kField, kPassword, kCombo, kList, kGroup, kIcon,
                    kHSlider, kVSlider, kCustom };
  struct Control {
    std::string name = "";
    Kind kind = Kind::kLabel;
    Box box = {};
    std::string text = "";
    bool on = false;
    bool enabled = true;
    int index = 0;  // selection, dots, ticks
    int pos = 0;    // slider thumb
    Icon icon = Icon::kFolder;
    Rgb color = {};
    xp::ButtonState state = xp::ButtonState::kNormal;
    std::vector<std::string> items = {};
    std::function<void(cairo_t*, const Box&)> paint = nullptr;
  };
  Form& Put(Control c);
  Control& Find(const std::string& name);
  const Control& Find(const std::string& name) const;

  std::string title_;
  Icon icon_;
  int width_, height_;
  xp::Buttons buttons_;
  std::vector<Control> controls_;
  bool has_tabs_ = false;
  int tab_row_ = 0, tab_selected_ = 0, page_bottom_ = 0;
  std::vector<std::string> tab_labels_;
  std::vector<int> tab_lefts_;
};

}  // namespace xpexam::bankgen
