#pragma once
// The question index file's line read last. The question bar takes a question's text from the
// line of its position; when the file gives no line (it is missing or empty, or the position is
// below 1) the text comes from the line read before, even in an earlier session, so that line
// is kept here.
#include "desktop/index_line.h"

namespace xpexam::session {

// Reads the session's question index file up to the line of position (its last line when the
// file is shorter), keeps that line and returns the kept line.
const desktop::IndexLine& ReadIndexLine(long position);
// Keeps line as the line read last.
void KeepIndexLine(desktop::IndexLine line);
// As at program start: no line read yet.
void ForgetIndexLine();

}  // namespace xpexam::session
