#pragma once
// The clipboard of the program's text boxes (the system's Clipboard object, text only).
#include <string>

namespace xpexam::forms::Clipboard {

std::string GetText();
void SetText(std::string text);
void Clear();

}  // namespace xpexam::forms::Clipboard
