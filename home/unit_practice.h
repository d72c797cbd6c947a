#pragma once
// Whole-unit practice: every question of one unit from the unit's own session files, in the
// unit's order, each marked done or not done by the learner's unit progress.
#include <string>

namespace xpexam::home {

// The unit's progress line as the home screen normalises it: one "T" (learned) or "F" per
// question of the unit, from the learner's unit progress file, cut or padded with "F" to the
// unit's question count from the bank layout file. Nothing is written.
std::string UnitProgressLine(int unit);

// Starts practice of a unit from its progress string: filter 0 the whole unit (its own slot),
// 1 its learned questions, 2 those not learned, both assembled into the assembled slot. Returns false, starting nothing, when the filter leaves no question.
bool StartUnitSession(int unit, int filter, const std::string& progress);

// Starts unit practice of the whole unit at question 1, as the unit panel's start does.
void StartUnitPractice(int unit);

}  // namespace xpexam::home
