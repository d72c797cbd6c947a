#include "forms/clipboard.h"

namespace xpexam::forms::Clipboard {
namespace {
std::string& Store() {
  static std::string text;
  return text;
}
}  // namespace

std::string GetText() { return Store(); }
void SetText(std::string text) { Store() = std::move(text); }
void Clear() { Store().clear(); }

}  // namespace xpexam::forms::Clipboard
