#pragma once
// The home screen's image buttons 0 to 99 (ClickBotn) by what they do. The panel a button lies
// on follows from its range; the numbers never shown are 0, 1, 9, 10, 26, 27 and 44 to 46.
#include <string>
#include <string_view>

#include "desktop/session_kind.h"
#include "platform/strings.h"

namespace xpexam::home {

// Error-report tags of the home screen's build and of its buttons' clicks.
inline constexpr std::string_view kBuildTag = "fengmaincsh";
inline constexpr std::string_view kClickTag = "clickbotn";

// The picture of image button index in the data folder.
inline std::string ButtonFace(int index) { return "l200" + platform::ZeroPad(index, 2); }

}  // namespace xpexam::home

namespace xpexam::home::button {

// A run of button numbers, both ends included.
struct Range {
  int first, last;
  constexpr bool Holds(int index) const { return index >= first && index <= last; }
};

inline constexpr Range kAll{0, 99};

// The home view, under the panels.
inline constexpr int kMinimize = 2;
inline constexpr int kExit = 3;
inline constexpr Range kHomeTiles{4, 7};  // open the panel of tab 16 to 19
inline constexpr int kUpdate = 8;
inline constexpr int kHelp = 11;
inline constexpr int kWebsite = 12;

// The tab bar over the panels; 13 and 14 are the window buttons' twins.
inline constexpr int kTabBarMinimize = 13;
inline constexpr int kTabBarExit = 14;
inline constexpr int kHomeTab = 15;
inline constexpr Range kPanelTabs{16, 19};
inline constexpr int kUnitsTab = 16;
inline constexpr int kPapersTab = 17;
inline constexpr int kBookmarksTab = 18;
inline constexpr int kWrongAnswersTab = 19;
inline constexpr Range kTabBar{13, 19};

// The tab that opens a panel a session returns to; 0, a button that does nothing, for none.
constexpr int TabOf(desktop::HomePanel panel) {
  switch (panel) {
    case desktop::HomePanel::kNone: return 0;
    case desktop::HomePanel::kUnits: return kUnitsTab;
    case desktop::HomePanel::kPapers: return kPapersTab;
    case desktop::HomePanel::kBookmarks: return kBookmarksTab;
    case desktop::HomePanel::kWrongAnswers: return kWrongAnswersTab;
  }
  return 0;
}

// The unit panel.
inline constexpr int kStartUnitPractice = 20;
inline constexpr Range kUnitFilters{37, 39};  // all, learned, not learned
inline constexpr Range kUnitPages{47, 48};    // units 1-10, 11-20
inline constexpr int kAllUnits = 49;
inline constexpr Range kUnits{50, 69};  // unit index - 50

// The paper panel.
inline constexpr int kNewRandomPaper = 21;
inline constexpr Range kPaperViews{28, 31};
inline constexpr Range kPapers{70, 99};  // paper row index - 70

// The bookmark and wrong-answer panels.
inline constexpr int kBookmarkPractice = 22;
inline constexpr int kBookmarkClear = 23;
inline constexpr int kWrongPractice = 24;
inline constexpr int kWrongClear = 25;
inline constexpr Range kBookmarkFilters{40, 41};  // not reviewed, reviewed
inline constexpr Range kWrongFilters{42, 43};

// The help panel.
inline constexpr Range kHelpTopics{32, 36};

}  // namespace xpexam::home::button
