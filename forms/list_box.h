#pragma once
// The list box: a column of text items, one of them selected. Click is raised whenever the
// selection changes, by the user (mouse or arrow keys) or by code.
#include <string>
#include <vector>

#include "forms/text_control.h"

namespace xpexam::forms {

class ListBox : public TextControl {
 public:
  ListBox(Container& container, std::string name, int index = -1);
  std::string TypeName() const override { return "ListBox"; }

  // Appends, or inserts before position index.
  void AddItem(std::string item, int index = -1);
  void RemoveItem(int index);
  void Clear();
  // "" past the end; Failure 381 for a negative index.
  std::string List(int index) const;
  void SetList(int index, std::string item);
  int ListCount() const { return static_cast<int>(items_.size()); }
  // -1 when nothing is selected.
  int ListIndex() const { return list_index_; }
  void SetListIndex(int index);
  int TopIndex() const { return top_index_; }
  void SetTopIndex(int index);
  const std::vector<std::string>& Items() const { return items_; }

  bool Windowed() const override { return true; }
  bool CanFocus() const override { return true; }
  void CopyFrom(const Control& other) override;

 protected:
  bool ClickOnRelease() const override { return false; }
  void Paint(Painter& p, const Rect& r) override;
  void OnMouseDown(int button, int shift, int x, int y) override;
  void OnMouseMove(int button, int shift, int x, int y) override;
  void OnKeyDown(int key_code, int shift) override;
  void OnFocus(bool got) override;
  std::string DumpFields() const override;

 private:
  int ItemHeight() const;
  int VisibleRows() const;
  Rect Inner() const;
  bool HasScrollBar() const { return ListCount() > VisibleRows(); }
  int ItemAt(int y) const;
  void ShowSelection();

  std::vector<std::string> items_;
  int list_index_ = -1;
  int top_index_ = 0;
  bool focused_ = false;
};

}  // namespace xpexam::forms
