#include "desktop/answer_input_method.h"

namespace xpexam::desktop {
namespace {
AnswerInputMethod& Instance() {
  static AnswerInputMethod the;
  return the;
}
}  // namespace

const AnswerInputMethod& answerInputMethod() { return Instance(); }
AnswerInputMethod& editAnswerInputMethod() { return Instance(); }

}  // namespace xpexam::desktop
