#pragma once
// A control array: elements of one kind under one name, reached by index (Label1[3]); indexes
// may leave gaps. The array's handlers receive the element's index first:
//
//   forms::ControlArray<forms::Label> LblADD{PicList, "LblADD", 0, 13};   // design elements 0..13
//   LblADD.MouseMove = [this](int index, int button, int shift, double x, double y) { ... };
//   LblADD.Load(14);                    // a new element copying the lowest one, hidden
//   LblADD[14].SetVisible(true);
//
// An index that names no element is Failure 340. Works for controls, menu items and timers.
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "forms/runtime.h"
#include "platform/failure.h"

namespace xpexam::forms {

template <class T>
class ControlArray {
 public:
  // Elements with the given design indexes.
  template <class Parent>
  ControlArray(Parent& parent, std::string name, std::initializer_list<int> indexes = {0})
      : name_(std::move(name)), make_(Maker(parent)) {
    for (int i : indexes) Create(i, true);
  }
  // Elements first to last, all at design.
  template <class Parent>
  ControlArray(Parent& parent, std::string name, int first, int last)
      : name_(std::move(name)), make_(Maker(parent)) {
    for (int i = first; i <= last; ++i) Create(i, true);
  }
  ControlArray(const ControlArray&) = delete;
  ControlArray& operator=(const ControlArray&) = delete;

  const std::string& Name() const { return name_; }

  T& operator[](int index) const {
    auto it = elements_.find(index);
    if (it == elements_.end())
      platform::Fail(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
    return *it->second.object;
  }
  bool Exists(int index) const { return elements_.count(index) != 0; }
  int Count() const { return static_cast<int>(elements_.size()); }
  int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
  int UBound() const { return elements_.empty() ? 0 : elements_.rbegin()->first; }
  std::vector<int> Indexes() const {
    std::vector<int> out;
    for (const auto& [i, e] : elements_) out.push_back(i);
    return out;
  }

  // Creates element index with the properties of the lowest element; a control starts hidden.
  // Failure 360 when it exists already.
  T& Load(int index) {
    if (index < 0 || index > 32767) platform::Fail(9, "Subscript out of range");
    if (Exists(index)) platform::Fail(360, "Object already loaded");
    const T* model = elements_.empty() ? nullptr : elements_.begin()->second.object.get();
    T& e = Create(index, false);
    if (model) e.CopyFrom(*model);
    if constexpr (requires { e.SetVisible(false); }) e.SetVisible(false);
    return e;
  }
  // Removes an element created by Load (Failure 362 for a design element, 340 for a missing one).
  // It disappears at once; the object lives on until no handler runs.
  void Unload(int index) {
    auto it = elements_.find(index);
    if (it == elements_.end())
      platform::Fail(340, "Control array element '" + std::to_string(index) + "' doesn't exist");
    if (it->second.design) platform::Fail(362, "Can't unload controls created at design time");
    std::unique_ptr<T> owned = std::move(it->second.object);
    elements_.erase(it);
    if constexpr (requires { owned->Detach(); }) {
      if constexpr (requires { owned->SetVisible(false); }) owned->SetVisible(false);
      owned->Detach();
    }
    if constexpr (requires { owned->SetEnabled(false); }) owned->SetEnabled(false);
    detail::BuryObject(std::shared_ptr<T>(std::move(owned)));
  }

  std::function<void(int)> Click;
  std::function<void(int)> DblClick;
  std::function<void(int, int button, int shift, double x, double y)> MouseDown;
  std::function<void(int, int button, int shift, double x, double y)> MouseMove;
  std::function<void(int, int button, int shift, double x, double y)> MouseUp;
  std::function<void(int, int& key_code, int shift)> KeyDown;
  std::function<void(int, int& key_ascii)> KeyPress;
  std::function<void(int, int& key_code, int shift)> KeyUp;
  std::function<void(int)> GotFocus;
  std::function<void(int)> LostFocus;
  std::function<void(int)> Change;
  std::function<void(int)> Tick;

 private:
  struct Element {
    std::unique_ptr<T> object;
    bool design = false;
  };

  template <class Parent>
  std::function<std::unique_ptr<T>(int)> Maker(Parent& parent) {
    return [&parent, this](int i) {
      // Timers take (interval, enabled) before the index.
      if constexpr (std::is_constructible_v<T, Parent&, std::string, int, bool, int>)
        return std::make_unique<T>(parent, name_, 0, false, i);
      else
        return std::make_unique<T>(parent, name_, i);
    };
  }

  T& Create(int index, bool design) {
    std::unique_ptr<T> e = make_(index);
    T& ref = *e;
    Wire(ref, index);
    elements_[index] = Element{std::move(e), design};
    return ref;
  }

  // Forwards each event the element has to the array's handler with the index.
  void Wire(T& e, int i) {
    if constexpr (requires { e.Click = std::function<void()>(); })
      e.Click = [this, i] { Forward(Click, i); };
    if constexpr (requires { e.DblClick = std::function<void()>(); })
      e.DblClick = [this, i] { Forward(DblClick, i); };
    if constexpr (requires { e.MouseDown; }) {
      e.MouseDown = [this, i](int b, int s, double x, double y) { Forward(MouseDown, i, b, s, x, y); };
      e.MouseMove = [this, i](int b, int s, double x, double y) { Forward(MouseMove, i, b, s, x, y); };
      e.MouseUp = [this, i](int b, int s, double x, double y) { Forward(MouseUp, i, b, s, x, y); };
    }
    if constexpr (requires { e.KeyDown; }) {
      e.KeyDown = [this, i](int& k, int s) { Forward(KeyDown, i, k, s); };
      e.KeyPress = [this, i](int& k) { Forward(KeyPress, i, k); };
      e.KeyUp = [this, i](int& k, int s) { Forward(KeyUp, i, k, s); };
    }
    if constexpr (requires { e.GotFocus; }) {
      e.GotFocus = [this, i] { Forward(GotFocus, i); };
      e.LostFocus = [this, i] { Forward(LostFocus, i); };
    }
    if constexpr (requires { e.Change; })
      e.Change = [this, i] { Forward(Change, i); };
    if constexpr (requires { e.Tick; })
      e.Tick = [this, i] { Forward(Tick, i); };
  }

  template <class Fn, class... A>
  static void Forward(const Fn& handler, A&&... args) {
    if (!handler) return;
    Fn copy = handler;
    copy(std::forward<A>(args)...);
  }

  std::string name_;
  std::function<std::unique_ptr<T>(int)> make_;
  std::map<int, Element> elements_;
};

}  // namespace xpexam::forms
