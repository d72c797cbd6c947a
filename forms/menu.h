#pragma once
// Menus shown as popups. A window declares a hidden top menu with its items, cascades and item
// arrays as members, in menu order:
//
//   forms::MenuItem wm100{*this, "wm100"};
//   forms::MenuItem sVemoMain1{wm100, "sVemoMain1"};                  // a cascade header...
//   forms::ControlArray<forms::MenuItem> sVemoSub1{sVemoMain1, "sVemoSub1"};  // ...and its items
//   forms::ControlArray<forms::MenuItem> sVemoInde1{wm100, "sVemoInde1"};
//   ...
//   PopupMenu(wm100);   // at the pointer; Click(Index) of the chosen item runs inside this call
//
// An item captioned "-" is a separator. Items of one array stay together at the array's place,
// in index order, whenever they were loaded.
#include <functional>
#include <string>
#include <vector>

namespace xpexam::forms {

class Form;

class MenuItem {
 public:
  // A top menu of a window (never shown but as a popup).
  MenuItem(Form& form, std::string name, int index = -1);
  // An item, or a cascade header once it has items of its own.
  MenuItem(MenuItem& parent, std::string name, int index = -1);
  ~MenuItem();
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  Form& Parent() const { return *form_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { visible_ = v; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { enabled_ = v; }
  bool Checked() const { return checked_; }
  void SetChecked(bool v) { checked_ = v; }
  bool IsSeparator() const { return caption_ == "-"; }

  std::function<void()> Click;

  // The items under this one, in menu order.
  std::vector<MenuItem*> Items() const;
  void CopyFrom(const MenuItem& other);

 private:
  template <class T>
  friend class ControlArray;
  void Detach();
  int SlotOf(const std::string& name);

  MenuItem* parent_ = nullptr;
  Form* form_;
  std::string name_;
  int index_;
  int slot_ = 0;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  bool checked_ = false;
  std::vector<std::string> slot_names_;
  std::vector<MenuItem*> children_;
};

}  // namespace xpexam::forms
