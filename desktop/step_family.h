#pragma once
// Which of the learner's actions completes a step of each family: one row per family, read
// by every check of the desktop window.
#include <cstdint>

#include "desktop/step_record.h"

namespace xpexam::desktop {

enum class CompletingEvent : uint32_t {
  kNone = 0,
  kLeftClick = 1u << 0,          // release of the left button, no shift, on the target box
  kAnyRelease = 1u << 1,         // release of any button on the target box
  kDoubleClick = 1u << 2,        // on the target box
  kRightPress = 1u << 3,         // press of the right button on the target box
  kCodedPress = 1u << 4,         // press with the button and shift state the code names
  kHover = 1u << 5,              // the pointer over the target box
  kTypedRelaxed = 1u << 6,       // Text1's text matches as typed answers do
  kTypedExactCase = 1u << 7,     // Text1's text matches letter case and all
  kTypedOnEnter = 1u << 8,       // Enter released in Text1 with a matching text
  kSelection = 1u << 9,          // the hint's text selected in Text1
  kTypedThenRelease = 1u << 10,  // a release on the target box with a matching Text1
  kAutomatic = 1u << 11,         // a second after the load
};

constexpr CompletingEvent operator|(CompletingEvent a, CompletingEvent b) {
  return static_cast<CompletingEvent>(static_cast<uint32_t>(a) | static_cast<uint32_t>(b));
}

// The events that complete a step of the family. Families completed by their own models (menu
// bar, popup menu, tabs, lists, drags, keys) or by a substitute answer box are kNone here.
constexpr CompletingEvent CompletingEventsOf(StepCodeFamily family) {
  using F = StepCodeFamily;
  using E = CompletingEvent;
  switch (family) {
    case F::kClick: return E::kLeftClick;
    // No check of its own: the desktop takes it as the click the demonstration shows.
    case F::kDemonstrationOnly: return E::kLeftClick;
    case F::kDoubleClick: return E::kDoubleClick;
    case F::kRightPress: return E::kRightPress;
    case F::kPress: return E::kCodedPress;
    case F::kHover: return E::kHover;
    case F::kTypeAnswer: return E::kTypedRelaxed;
    case F::kTypeExactCase: return E::kTypedExactCase;
    case F::kTypeAndEnter: return E::kTypedOnEnter;
    case F::kTypeAndEnterPrompted: return E::kTypedOnEnter;
    case F::kSelectHintText: return E::kSelection;
    case F::kTypeThenClick: return E::kTypedThenRelease;
    case F::kTypeInCell: return E::kTypedOnEnter | E::kTypedThenRelease;
    case F::kLocationList: return E::kAnyRelease;
    case F::kAutomatic: return E::kAutomatic;
    default: return E::kNone;
  }
}

constexpr bool CompletesOn(StepCodeFamily family, CompletingEvent event) {
  return (static_cast<uint32_t>(CompletingEventsOf(family)) & static_cast<uint32_t>(event)) != 0;
}

}  // namespace xpexam::desktop
