#pragma once
// The label: text drawn on its container, transparent or opaque, optionally sized to its text.
#include <string>

#include "forms/text_control.h"

namespace xpexam::forms {

class Label : public TextControl {
 public:
  Label(Container& container, std::string name, int index = -1);
  std::string TypeName() const override { return "Label"; }

  // Lines break at CRLF (or LF); the text also wraps at the label's width.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  // Sizes the label to its text: both ways, or with WordWrap only its height.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool v);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool v);
  // 0 transparent, 1 opaque.
  int BackStyle() const { return back_style_; }
  void SetBackStyle(int style);
  // 0 none, 1 fixed single.
  int BorderStyle() const { return border_style_; }
  void SetBorderStyle(int style);
  // 0 left, 1 right, 2 centred.
  int Alignment() const { return alignment_; }
  void SetAlignment(int alignment);
  // "&x" shows x underlined and "&&" shows "&".
  bool UseMnemonic() const { return use_mnemonic_; }
  void SetUseMnemonic(bool v);

  void CopyFrom(const Control& other) override;

 protected:
  void Paint(Painter& p, const Rect& r) override;
  void OnFontChanged() override { Fit(); }
  void OnResized() override;
  std::string DumpFields() const override;

 private:
  void Fit();
  TextStyle LabelStyle() const;
  int Border() const { return border_style_ ? 1 : 0; }

  std::string caption_;
  bool auto_size_ = false;
  bool word_wrap_ = false;
  int back_style_ = 1;
  int border_style_ = 0;
  int alignment_ = 0;
  bool use_mnemonic_ = true;
  bool fitting_ = false;
};

}  // namespace xpexam::forms
