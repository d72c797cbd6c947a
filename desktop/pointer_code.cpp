#include "desktop/pointer_code.h"

namespace xpexam::desktop {

TargetPointer PointerOverTarget(const StepRecord& record, std::string_view program_folder) {
  switch (record.PointerCodeKind()) {
    case PointerKind::kStandard: {
      int n = record.PointerNumber();
      if (n < 0 || n > 15) return {};
      return {static_cast<StandardPointer>(n), {}};
    }
    case PointerKind::kCustom:
      return {StandardPointer::kDefault, std::string(program_folder) + record.PointerFile()};
    case PointerKind::kDefault:
      break;
  }
  return {};
}

}  // namespace xpexam::desktop
