#include "desktop/demonstration_state.h"

namespace xpexam::desktop {
namespace {
DemonstrationState& Instance() {
  static DemonstrationState the;
  return the;
}
}  // namespace

const DemonstrationState& demonstration() { return Instance(); }
DemonstrationState& editDemonstration() { return Instance(); }

}  // namespace xpexam::desktop
