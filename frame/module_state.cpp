#include "frame/module_state.h"

#include <memory>

#include "platform/strings.h"

namespace xpexam::frame {
namespace {
// Sums of 16-bit variables stay 16-bit: a sum outside the range is an overflow.
int16_t SlotNumber() { return platform::CInt(static_cast<double>(gSessionKind) + gSlotOffset); }
}  // namespace

void ModuleState::Reset() {
  // The fresh copy is large (the per-question tables); keep it off the stack.
  *this = std::move(*std::make_unique<ModuleState>());
}

std::string SessionSlot() { return platform::ZeroPad(SlotNumber(), 2); }

std::string IndexSlot() { return platform::ZeroPad(platform::CInt(SlotNumber() + 50.0), 2); }

std::string SessionStepFile() { return installation().dataPath() + "2888" + SessionSlot() + ".mxy"; }

std::string SessionIndexFile() { return installation().dataPath() + "2888" + IndexSlot() + ".mxy"; }

}  // namespace xpexam::frame
