#pragma once
// The mouse pointer over the target box, from the pointer code at 101-105 of a step record:
// "S" and a number shows a standard pointer shape, "M" and two characters the cursor file
// "ico" + those characters + ".CUR" of the program folder, anything else the default.
#include <string>
#include <string_view>

#include "desktop/step_record.h"

namespace xpexam::desktop {

enum class StandardPointer {
  kDefault = 0,
  kArrow = 1,
  kCross = 2,
  kIBeam = 3,
  kIcon = 4,
  kSize = 5,
  kSizeNeSw = 6,
  kSizeNS = 7,
  kSizeNwSe = 8,
  kSizeWE = 9,
  kUpArrow = 10,
  kHourglass = 11,
  kNoDrop = 12,
  kArrowHourglass = 13,
  kArrowQuestion = 14,
  kSizeAll = 15,
};

struct TargetPointer {
  StandardPointer shape = StandardPointer::kDefault;
  // Set for an "M" code: the cursor to load. When it cannot be loaded the window shows the
  // default pointer; the file is read again at every pointer move.
  std::string cursor_file;
  friend bool operator==(const TargetPointer&, const TargetPointer&) = default;
};

// program_folder ends with a separator. A standard number outside 0 to 15 gives the default
// pointer.
TargetPointer PointerOverTarget(const StepRecord& record, std::string_view program_folder);

}  // namespace xpexam::desktop
