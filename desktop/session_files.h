#pragma once
// Assembly of a session's step file and question index file from the units' own files.
#include <string>

namespace xpexam::desktop {

// Rewrites the slot's files (data folder 2888NN.mxy and 2888(NN+50).mxy) with the question
// index line and the step records of every one of codes (4-character codes UUQQ, in order)
// and sets questionCount and code. Lines are copied byte for byte. A failing file
// operation is reported under "initshiti"; a code whose unit files cannot be read is left out
// of both files, so their counts stay consistent.
void AssembleSessionFiles(const std::string& codes, int slot);

}  // namespace xpexam::desktop
