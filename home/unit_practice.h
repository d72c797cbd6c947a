#pragma once
// Whole-unit practice: every question of one unit from the unit's own session files, in the
// unit's order, each marked done or not done by the learner's unit progress.
#include <string>

namespace xpexam::home {

// The unit's progress line as the home screen normalises it: one "T" (learned) or "F" per
// question of the unit, from the learner's unit progress file, lengthened with "F" by at
// most 42 and cut to the unit's question count from the bank layout file. Nothing is written.
std::string UnitProgressLine(int unit);

// Starts unit practice of the whole unit: session kind 20, slot 20 + unit, practice mode.
void StartUnitPractice(int unit);

}  // namespace xpexam::home
