#pragma once
// The module state every window shares: one struct, one instance. Windows read and write it
// through the familiar g names below, which are references into the instance. At program
// start every number is 0, every flag false, every text empty; Reset() puts it all back.
#include <cstdint>
#include <string>

#include "frame/installation.h"

namespace xpexam::frame {

struct ModuleState {
  // Session state.

  // Hand-over flags.

  // Everything back to its start value.
  void Reset();
};

inline ModuleState gState;


}  // namespace xpexam::frame
