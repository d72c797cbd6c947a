#include "frame/module_state.h"

#include <memory>

namespace xpexam::frame {

void ModuleState::Reset() {
  // The fresh copy is large (the per-question tables); keep it off the stack.
  *this = std::move(*std::make_unique<ModuleState>());
}

}  // namespace xpexam::frame
