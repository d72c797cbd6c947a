#include "tools/bankgen/form.h"

#include <stdexcept>

namespace xpexam::bankgen {

Form::Form(std::string title, Icon icon, int width, int height, xp::Buttons buttons)
    : title_(std::move(title)), icon_(icon), width_(width), height_(height), buttons_(buttons) {}

Form& Form::Put(Control c) {
  for (auto& o : controls_)
    if (!c.name.empty() && o.name == c.name) throw std::runtime_error("duplicate control " + c.name);
  controls_.push_back(std::move(c));
  return *this;
}

Form::Control& Form::Find(const std::string& name) {
  for (auto& c : controls_)
    if (c.name == name) return c;
  throw std::runtime_error("no control " + name + " in " + title_);
}

const Form::Control& Form::Find(const std::string& name) const {
  for (auto& c : controls_)
    if (c.name == name) return c;
  throw std::runtime_error("no control " + name + " in " + title_);
}

Form& Form::Label(const std::string& name, int x, int y, const std::string& text, Rgb color) {
  Control c{name, Kind::kLabel, {x, y, TextWidth(text, UiFont(12)), 14}, text};
  c.color = color;
  return Put(c);
}

Form& Form::Wrap(const std::string& name, const Box& b, const std::string& text) {
  return Put({name, Kind::kWrap, b, text});
}

Form& Form::Button(const std::string& name, const Box& b, const std::string& text, xp::ButtonState state) {
  Control c{name, Kind::kButton, b, text};
  c.state = state;
  return Put(c);
}

Form& Form::Check(const std::string& name, int x, int y, const std::string& text, bool on, bool enabled) {
  Control c{name, Kind::kCheck, xp::CheckBoxLayout(x, y, text), text};
  c.on = on;
  c.enabled = enabled;
  return Put(c);
}

Form& Form::Radio(const std::string& name, int x, int y, const std::string& text, bool on) {
  Control c{name, Kind::kRadio, xp::CheckBoxLayout(x, y, text), text};
  c.on = on;
  return Put(c);
}

Form& Form::Field(const std::string& name, const Box& b, const std::string& text, bool selected) {
  Control c{name, Kind::kField, b, text};
  c.on = selected;
  return Put(c);
}

Form& Form::Password(const std::string& name, const Box& b, int dots) {
  Control c{name, Kind::kPassword, b, ""};
  c.index = dots;
  return Put(c);
}

Form& Form::Combo(const std::string& name, const Box& b, const std::string& text) {
  return Put({name, Kind::kCombo, b, text});
}

Form& Form::List(const std::string& name, const Box& b, const std::vector<std::string>& items, int selected) {
  Control c{name, Kind::kList, b, ""};
  c.items = items;
  c.index = selected;
  return Put(c);
}

Form& Form::Group(const std::string& name, const Box& b, const std::string& title) {
  return Put({name, Kind::kGroup, b, title});
}

Form& Form::IconAt(const std::string& name, int x, int y, Icon icon, int size) {
  Control c{name, Kind::kIcon, {x, y, size, size}, ""};
  c.icon = icon;
  return Put(c);
}

Form& Form::HSlider(const std::string& name, const Box& track, int ticks, int thumb_x, bool thumb) {
  Control c{name, Kind::kHSlider, track, ""};
  c.index = ticks;
  c.pos = thumb_x;
  c.on = thumb;
  return Put(c);
}

Form& Form::VSlider(const std::string& name, const Box& track, int ticks, int thumb_y, bool thumb) {
  Control c{name, Kind::kVSlider, track, ""};
  c.index = ticks;
  c.pos = thumb_y;
  c.on = thumb;
  return Put(c);
}

Form& Form::Custom(const std::string& name, const Box& b, std::function<void(cairo_t*, const Box&)> paint) {
  Control c{name, Kind::kCustom, b, ""};
  c.paint = std::move(paint);
  return Put(c);
}

Form& Form::Tabs(int row_top, const std::vector<std::string>& labels, const std::vector<int>& lefts, int selected,
                 int page_bottom) {
  has_tabs_ = true;
  tab_row_ = row_top;
  tab_labels_ = labels;
  tab_lefts_ = lefts;
  tab_selected_ = selected;
  page_bottom_ = page_bottom;
  return *this;
}

Form& Form::Set(const std::string& name, bool on) {
  Find(name).on = on;
  return *this;
}

Form& Form::SetText(const std::string& name, const std::string& text) {
  Find(name).text = text;
  return *this;
}

Form& Form::SetSelected(const std::string& name, int index) {
  Find(name).index = index;
  return *this;
}

Form& Form::SetState(const std::string& name, xp::ButtonState state) {
  Find(name).state = state;
  return *this;
}

Form& Form::SetTab(int tab) {
  tab_selected_ = tab;
  return *this;
}

Form& Form::SetThumb(const std::string& name, int pos, bool shown) {
  Control& c = Find(name);
  c.pos = pos;
  c.on = shown;
  return *this;
}

Form& Form::Remove(const std::string& name) {
  for (auto it = controls_.begin(); it != controls_.end(); ++it)
    if (it->name == name) {
      controls_.erase(it);
      return *this;
    }
  throw std::runtime_error("no control " + name);
}

Box Form::At(const std::string& name) const { return Find(name).box; }

Box Form::TabBox(int tab) const {
  return {tab_lefts_.at(tab), tab_row_, tab_lefts_.at(tab + 1) - tab_lefts_.at(tab), 20};
}

Box Form::Thumb(const std::string& name) const {
  const Control& c = Find(name);
  if (c.kind == Kind::kHSlider) return {c.pos - 5, c.box.y, 11, 21};
  return {c.box.x, c.pos - 5, 21, 11};
}

void Form::Paint(cairo_t* cr, int x, int y) const {
  xp::WindowParts w = xp::Window(cr, {x, y, width_, height_}, title_, icon_, true, false, buttons_);
  (void)w;
  if (has_tabs_) {
    Box area{x + 6, y, width_ - 12, page_bottom_};
    std::vector<int> rel;
    for (int l : tab_lefts_) rel.push_back(l - 6);
    xp::Tabs(cr, area, tab_row_, tab_labels_, rel, tab_selected_);
  }
  for (const auto& c : controls_) {
    Box b = c.box.Offset(x, y);
    switch (c.kind) {
      case Kind::kLabel:
        TextAt(cr, c.text, b.x, b.y, UiFont(12), c.color);
        break;
      case Kind::kWrap:
        TextWrapped(cr, c.text, b.x, b.y, b.w, UiFont(12), xp::kBlack, 4);
        break;
      case Kind::kButton:
        xp::PushButton(cr, b, c.text, c.state);
        break;
      case Kind::kCheck:
        xp::CheckBox(cr, b.x, b.y, c.text, c.on, c.enabled);
        break;
      case Kind::kRadio:
        xp::Radio(cr, b.x, b.y, c.text, c.on);
        break;
      case Kind::kField:
        xp::TextField(cr, b, c.text, c.on);
        break;
      case Kind::kPassword: {
        xp::TextField(cr, b, "");
        for (int i = 0; i < c.index; ++i) {
          cairo_new_sub_path(cr);
          cairo_arc(cr, b.x + 8 + i * 9, b.CenterY(), 3, 0, 6.2832);
          SetColor(cr, xp::kBlack);
          cairo_fill(cr);
        }
        break;
      }
      case Kind::kCombo:
        xp::ComboBox(cr, b, c.text);
        break;
      case Kind::kList:
        xp::ListBox(cr, b, c.items, c.index);
        break;
      case Kind::kGroup:
        xp::GroupBox(cr, b, c.text);
        break;
      case Kind::kIcon:
        DrawIcon(cr, c.icon, b.x, b.y, b.w);
        break;
      case Kind::kHSlider:
        if (c.on)
          xp::HSlider(cr, b, c.index, c.pos + x);
        else
          xp::HSlider(cr, b, c.index, -1);
        break;
      case Kind::kVSlider:
        if (c.on)
          xp::VSlider(cr, b, c.index, c.pos + y);
        else
          xp::VSlider(cr, b, c.index, -1);
        break;
      case Kind::kCustom:
        c.paint(cr, b);
        break;
    }
  }
}

}  // namespace xpexam::bankgen
