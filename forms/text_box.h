#pragma once
// The text box: one line or several, with selection by mouse and keyboard, the clipboard,
// a password character, a length limit, read-only mode and a vertical scroll bar. Change is
// raised synchronously for every change of the text, typed or assigned, and never when the
// same text is assigned again.
#include <functional>
#include <string>
#include <vector>

#include "forms/text_control.h"

namespace xpexam::forms {

class TextBox : public TextControl {
 public:
  TextBox(Container& container, std::string name, int index = -1);
  std::string TypeName() const override { return "TextBox"; }

  const std::string& Text() const { return text_; }
  // Assigning a different text puts the caret at the start and raises Change.
  void SetText(std::string text);
  // Selection in characters (a line break counts two).
  int SelStart() const { return std::min(anchor_, caret_); }
  void SetSelStart(int start);
  int SelLength() const { return std::abs(caret_ - anchor_); }
  void SetSelLength(int length);
  std::string SelText() const;
  void SetSelText(const std::string& text);

  bool MultiLine() const { return multi_line_; }
  void SetMultiLine(bool v);
  // The vertical bar is shown on multi-line boxes only.
  Scrolling ScrollBars() const { return scroll_bars_; }
  void SetScrollBars(Scrolling v);
  // "" shows the text; one character shows every character as it.
  const std::string& PasswordChar() const { return password_char_; }
  void SetPasswordChar(std::string c);
  // Characters the user may type; 0 for no limit. Assignments by code are not limited.
  int MaxLength() const { return max_length_; }
  void SetMaxLength(int n);
  TextAlign Alignment() const { return alignment_; }
  void SetAlignment(TextAlign alignment);
  // Read-only for the user.
  bool Locked() const { return locked_; }
  void SetLocked(bool v) { locked_ = v; }
  // Fixed single: a sunken edge.
  BoxBorder BorderStyle() const { return border_style_; }
  void SetBorderStyle(BoxBorder style);
  // The selection is drawn only while the box has the focus.
  bool HideSelection() const { return hide_selection_; }
  void SetHideSelection(bool v);

  std::function<void()> Change;

  bool Windowed() const override { return true; }
  bool CanFocus() const override { return true; }
  void CopyFrom(const Control& other) override;

  // The text as its lines are shown after wrapping at the box's width (line breaks excluded).
  std::vector<std::string> ShownLines() const;

 protected:
  int DefaultPointerShape() const override { return 3; }
  void Paint(Painter& p, const Rect& r) override;
  void OnMouseDown(int button, int shift, int x, int y) override;
  void OnMouseMove(int button, int shift, int x, int y) override;
  void OnMouseUp(int button, int shift, int x, int y) override;
  void OnDblClick(int x, int y) override;
  void OnKeyDown(int key_code, int shift) override;
  void OnChar(int code_point) override;
  void OnFocus(bool got) override;
  void OnTabbedTo() override;
  void OnResized() override { lines_valid_ = false; }
  void OnFontChanged() override;
  std::string DumpFields() const override;

 private:
  struct VisualLine {
    int start = 0, end = 0;  // characters shown, line break excluded
  };
  const std::vector<VisualLine>& Lines() const;
  Rect TextArea() const;
  Rect ScrollBarRect() const;
  bool HasScrollBar() const {
    return multi_line_ && (scroll_bars_ == Scrolling::kVertical || scroll_bars_ == Scrolling::kBoth);
  }
  int LineHeight() const;
  int Advance(int index) const;
  int XOf(const VisualLine& line, int index) const;
  int LineLeft(const VisualLine& line) const;
  int LineOf(int index) const;
  int HitIndex(int x, int y) const;
  void EnsureCaretVisible();
  // Replaces the selection with text; typed = the user's edit (length limit, Locked).
  void ReplaceSelection(const std::string& text, bool typed);
  void SetChars(std::vector<std::string> chars);
  void MoveCaret(int index, bool extend);
  int StepLeft(int index) const;
  int StepRight(int index) const;
  void ScrollBy(int lines);

  std::vector<std::string> chars_;
  std::string text_;
  int anchor_ = 0, caret_ = 0;
  bool multi_line_ = false;
  Scrolling scroll_bars_ = Scrolling::kNone;
  std::string password_char_;
  int max_length_ = 0;
  TextAlign alignment_ = TextAlign::kLeft;
  bool locked_ = false;
  BoxBorder border_style_ = BoxBorder::kFixedSingle;
  bool hide_selection_ = true;
  bool focused_ = false;
  bool selecting_ = false;
  int scroll_x_ = 0;
  int top_line_ = 0;
  mutable std::vector<VisualLine> lines_;
  mutable bool lines_valid_ = false;
};

}  // namespace xpexam::forms
