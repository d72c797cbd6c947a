#pragma once
// The scenario runner's dump: every loaded window and, indented under it, its controls. A
// window that is minimised ends its line with state=1; a first line
// "Host minimized=1" says the host window is iconified.
#include <ostream>
#include <string>

namespace xpexam::forms {

class Control;

// A text in double quotes with \, ", CR, LF and tab escaped.
std::string DumpQuote(const std::string& text);
// "Label LHelp visible=1 enabled=1 x=.. y=.. w=.. h=.. caption=..." (screen pixels).
std::string DumpControlLine(const Control& c);
void DumpScreen(std::ostream& out);

}  // namespace xpexam::forms
