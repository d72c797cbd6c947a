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
  Background BackStyle() const { return back_style_; }
  void SetBackStyle(Background style);
  BoxBorder BorderStyle() const { return border_style_; }
  void SetBorderStyle(BoxBorder style);
  TextAlign Alignment() const { return alignment_; }
  void SetAlignment(TextAlign alignment);
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
  int Border() const { return border_style_ == BoxBorder::kNone ? 0 : 1; }

  std::string caption_;
  bool auto_size_ = false;
  bool word_wrap_ = false;
  Background back_style_ = Background::kOpaque;
  BoxBorder border_style_ = BoxBorder::kNone;
  TextAlign alignment_ = TextAlign::kLeft;
  bool use_mnemonic_ = true;
  bool fitting_ = false;
};

}  // namespace xpexam::forms
