#pragma once
// The mouse pointer over the target box, from the pointer code at 101-105 of a step record:
// "S" and a number shows a standard pointer shape, "M" and two characters the cursor file
// "ico" + those characters + ".CUR" of the program folder, anything else the default.
#include <string>
#include <string_view>

#include "desktop/step_record.h"
#include "forms/property_values.h"

namespace xpexam::desktop {

// The record numbers its standard shapes as the runtime does.
using StandardPointer = forms::PointerStyle;

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
