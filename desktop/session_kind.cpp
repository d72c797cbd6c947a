#include "desktop/session_kind.h"

namespace xpexam::desktop {

std::optional<KindRow> FindKindRow(SessionKind kind) {
  using K = SessionKind;
  using S = KindSlot;
  using L = KeptList;
  using E = ExamPaper;
  using T = TitleStyle;
  using P = HomePanel;
  using R = EndRecords;
  // The bookmark kinds review the bookmark list itself, so their end never adds to it.
  switch (kind) {
    //                                            slot           keeps      exam        title             returns to        end writes                   appends
    case K::kFixedPaper:           return KindRow{S::kOwn,       L::kPaper, E::kFixed,  T::kFixedPaper,   P::kNone,         R::kNothing,                 true};
    case K::kPaperWrong:           return KindRow{S::kAssembled, L::kPaper, E::kNone,   T::kPaperWrong,   P::kNone,         R::kPaperWrongQuestion,      true};
    case K::kUnitDone:             return KindRow{S::kAssembled, L::kUnit,  E::kNone,   T::kUnitDone,     P::kUnits,        R::kNothing,                 true};
    case K::kUnitNotDone:          return KindRow{S::kAssembled, L::kUnit,  E::kNone,   T::kUnitNotDone,  P::kUnits,        R::kUnitProgressUndone,      true};
    case K::kRandomPaper:          return KindRow{S::kAssembled, L::kPaper, E::kRandom, T::kRandomPaper,  P::kNone,         R::kNothing,                 true};
    case K::kBookmarksAll:         return KindRow{S::kAssembled, L::kNone,  E::kNone,   T::kBookmarks,    P::kBookmarks,    R::kBookmarkFlagsWhole,      false};
    case K::kBookmarksNotReviewed: return KindRow{S::kAssembled, L::kNone,  E::kNone,   T::kBookmarks,    P::kBookmarks,    R::kBookmarkFlagsUnreviewed, false};
    case K::kBookmarksReviewed:    return KindRow{S::kAssembled, L::kNone,  E::kNone,   T::kBookmarks,    P::kBookmarks,    R::kNothing,                 false};
    case K::kWrongAll:             return KindRow{S::kAssembled, L::kNone,  E::kNone,   T::kWrongAnswers, P::kWrongAnswers, R::kWrongFlagsWhole,         true};
    case K::kWrongNotReviewed:     return KindRow{S::kAssembled, L::kNone,  E::kNone,   T::kWrongAnswers, P::kWrongAnswers, R::kWrongFlagsUnreviewed,    true};
    case K::kWrongReviewed:        return KindRow{S::kAssembled, L::kNone,  E::kNone,   T::kWrongAnswers, P::kWrongAnswers, R::kNothing,                 true};
    case K::kUnitAll:              return KindRow{S::kOwn,       L::kNone,  E::kNone,   T::kWholeUnit,    P::kUnits,        R::kUnitProgressWhole,       true};
  }
  return std::nullopt;
}

KindRow KindRowOf(SessionKind kind) {
  constexpr KindRow kOutside{KindSlot::kAssembled, KeptList::kNone, ExamPaper::kNone, TitleStyle::kKept,
                             HomePanel::kNone,     EndRecords::kNothing, true};
  return FindKindRow(kind).value_or(kOutside);
}

}  // namespace xpexam::desktop
