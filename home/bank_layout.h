#pragma once
// The bank layout file (the data folder's 288891.mxy: paper and unit counts, the question count
// of every unit, the fixed papers) and the learner's unit progress file kept in line with it.
#include <string>

namespace xpexam::home {

// The data folder's bank layout file.
std::string BankLayoutFile();
// The records folder's unit progress file.
std::string UnitProgressFile();

// paperCount and unitCount from line 1 (AABB: papers, units). Failures are reported under
// "fengmaincsh" and skipped; a missing file gives 0 and 0.
void ReadBankLayout();

// One "T" or "F" per question: a progress line cut to the unit's question count, or padded to
// it with "F" (not learned).
std::string FitProgressLine(const std::string& line, long count);

// Cuts or pads every unit's progress line to the unit's question count (FitProgressLine),
// rewrites the progress file as 25 unit lines and an empty line, and fills
// unitTable columns 2 to 4 of the units below unitCount. When the bank layout gives no
// counts at all the progress file is left alone, so the learner's records survive a damaged
// bank. Failures are reported under "fengmaincsh" and skipped.
void NormaliseUnitProgress();

}  // namespace xpexam::home
