#pragma once
// The answer boxes' input method: whether an answer box switches the keyboard layout when it
// takes the focus, and to which layout. The saved switch (read when the home screen builds) and
// the input-method window turn the switching on or off; the question bar's input-method menu
// picks the layout. It lives with the desktop, whose answer box acts on it; everyone reads it
// through answerInputMethod().
#include <cstdint>

namespace xpexam::desktop {

class AnswerInputMethod {
 public:
  bool switches() const { return switches_; }
  // The chosen keyboard layout's handle; 0 until one is chosen.
  uint32_t layout() const { return layout_; }

  void SetSwitching(bool on) { switches_ = on; }
  void ChooseLayout(uint32_t layout) { layout_ = layout; }
  // Everything back to its start value.
  void Reset() { *this = AnswerInputMethod(); }

 private:
  bool switches_ = false;
  uint32_t layout_ = 0;
};

const AnswerInputMethod& answerInputMethod();
AnswerInputMethod& editAnswerInputMethod();

}  // namespace xpexam::desktop
