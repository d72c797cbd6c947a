// The end of a session: what each session kind leaves in the record files, byte for byte, and
// the hand-back to the home screen.
#include "session/save_and_exit.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "forms/app.h"
#include "forms/form.h"
#include "home/home_screen.h"
#include "session/hooks.h"
#include "session/session_exit.h"
#include "tests/desktop/desktop_fixture.h"
#include "tests/home/home_access.h"

namespace xpexam::session {
namespace {

using desktop::testing::DesktopTest;
using Files = std::map<std::string, std::string>;  // ksdata file -> bytes; "" absent

struct SaveCase {
  const char* name;
  int16_t kind, slot_offset, list_index, unit_count;
  std::vector<int16_t> codes, statuses;
  Files before, after;
  friend void PrintTo(const SaveCase& c, std::ostream* os) { *os << c.name; }
};

class SaveRecords : public DesktopTest, public ::testing::WithParamInterface<SaveCase> {
 protected:
  std::string Bytes(const std::string& name) {
    return platform::ReadFileBytes(dir_ / ("ksdata/" + name)).value_or("");
  }
  void Session(const SaveCase& c) {
    std::filesystem::create_directories(dir_ / "ksdata");
    for (const auto& [name, bytes] : c.before)
      if (!bytes.empty()) dir_.Write("ksdata/" + name, bytes);
    desktop::editPlan().SetKind(static_cast<desktop::SessionKind>(c.kind));
    desktop::editPlan().SetSlotOffset(c.slot_offset);
    desktop::editPlan().SetListIndex(c.list_index);
    frame::editInstallation().SetUnitCount(c.unit_count);
    desktop::editPlan().SetQuestionCount(static_cast<int16_t>(c.codes.size()));
    for (size_t i = 0; i < c.codes.size(); ++i) {
      desktop::editPlan().SetCode(static_cast<long>(i) + 1, c.codes[i]);
      desktop::editPlan().SetStatus(static_cast<long>(i) + 1, c.statuses[i]);
    }
  }
};

TEST_P(SaveRecords, WritesTheRecordFilesOfItsKind) {
  const SaveCase c = GetParam();
  Session(c);
  SaveSessionRecords();
  for (const auto& [name, bytes] : c.after) EXPECT_EQ(Bytes(name), bytes) << name;
}

const Files kNoBookmarks = {{"288862.mxy", "\r\n"}, {"288872.mxy", "\r\n"}};

INSTANTIATE_TEST_SUITE_P(
    Kinds, SaveRecords,
    ::testing::Values(
        SaveCase{"WholeUnitRebuildsItsLineAndAppendsANewBookmark", 20, 1, 0, 3, {101, 102, 103}, {4, 1, 6},
                 {{"288893.mxy", "FF\r\nTFFFF\r\nF\r\nFFF\r\n"}, {"288862.mxy", "0501\r\n"}, {"288872.mxy", "T\r\n"}},
                 {{"288893.mxy", "FF\r\nTFT\r\nF\r\n\r\n"}, {"288862.mxy", "05010103\r\n"}, {"288872.mxy", "TF\r\n"}}},
        SaveCase{"WholeUnitWithoutAFileWritesEveryUnitLine", 20, 0, 0, 2, {1, 2}, {5, 0}, {},
                 {{"288893.mxy", "TF\r\n\r\n\r\n"}}},
        SaveCase{"NothingCompletedWritesOnlyTheBookmarks", 20, 0, 0, 2, {1, 2}, {3, 1},
                 {{"288893.mxy", "FF\r\n"}},
                 {{"288893.mxy", "FF\r\n"}, {"288862.mxy", "0001\r\n"}, {"288872.mxy", "F\r\n"}}},
        SaveCase{"NotDoneQuestionsSetTheirCharacters", 6, 13, 1, 2, {102, 105}, {4, 1},
                 {{"288893.mxy", "TT\r\nFFFFF\r\n"}},
                 {{"288893.mxy", "TT\r\nFTFFF\r\n\r\n"}, {"288862.mxy", "\r\n"}, {"288872.mxy", "\r\n"}}},
        SaveCase{"UnreviewedBookmarksTurnTheirOwnFlags", 10, 9, 0, 0, {202, 404}, {3, 6},
                 {{"288862.mxy", "0101020203030404\r\n"}, {"288872.mxy", "TFTF\r\n"}},
                 {{"288862.mxy", "0101020203030404\r\n"}, {"288872.mxy", "TFTT\r\n"}}},
        SaveCase{"AnUnbookmarkedQuestionLeavesTheListWithItsFlag", 10, 9, 0, 0, {202, 404}, {1, 6},
                 {{"288862.mxy", "0101020203030404\r\n"}, {"288872.mxy", "TFTF\r\n"}},
                 {{"288862.mxy", "010103030404\r\n"}, {"288872.mxy", "TTT\r\n"}}},
        SaveCase{"ABookmarkSessionNeverAddsCodes", 9, 10, 0, 0, {101, 909}, {6, 7},
                 {{"288862.mxy", "0101\r\n"}, {"288872.mxy", "F\r\n"}},
                 {{"288862.mxy", "0101\r\n"}, {"288872.mxy", "T\r\n"}}},
        SaveCase{"AllWrongAnswersMarkTheWholeList", 12, 7, 0, 0, {101, 202, 303}, {4, 0, 5},
                 {{"288863.mxy", "010102020303\r\n"}, {"288873.mxy", "FFF\r\n"}},
                 {{"288863.mxy", "010102020303\r\n"}, {"288873.mxy", "TFT\r\n"}, {"288862.mxy", "\r\n"}}},
        SaveCase{"UnreviewedWrongAnswersIgnoreFlagsPastTheSession", 13, 6, 0, 0, {202}, {4},
                 {{"288873.mxy", "TFF\r\n"}}, {{"288873.mxy", "TTF\r\n"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// The review of one paper's wrong answers asks before it shortens the paper's file.
class PaperReview : public SaveRecords {
 protected:
  void Answer(const char* button) {
    in_.Call([this, button] {
      for (forms::Form* f : forms::LoadedForms())
        if (f->Name() == "MsgBox")
          for (forms::Control* c : f->AllControls())
            if (c->DisplayName() == button) {
              const forms::Rect r = c->ScreenRect();
              in_.Click(r.x + 5, r.y + 5);
            }
    });
  }
  const SaveCase review_{"", 2, 17, 3, 0, {101, 202, 303}, {4, 1, 4}, {{"182403.mxy", "010102020303\r\n"}}, {}};
};

TEST_F(PaperReview, YesKeepsOnlyTheQuestionsNotCompleted) {
  Session(review_);
  Answer("Button1");
  SaveSessionRecords();
  EXPECT_EQ(Bytes("182403.mxy"), "0202\r\n");
}

TEST_F(PaperReview, NoLeavesTheFileAndNothingCompletedAsksNothing) {
  Session(review_);
  Answer("Button2");
  SaveSessionRecords();
  EXPECT_EQ(Bytes("182403.mxy"), "010102020303\r\n");

  desktop::editPlan().SetStatus(1, 1);
  desktop::editPlan().SetStatus(3, 1);
  Answer("Button1");  // would say Yes if a box came up
  SaveSessionRecords();
  forms::Pump();
  EXPECT_EQ(Bytes("182403.mxy"), "010102020303\r\n");
}

TEST_F(SaveRecords, TheEndButtonClosesTheSessionAndReturnsToTheListItCameFrom) {
  using desktop::HomePanel;
  struct Case { int16_t kind; HomePanel return_panel; };
  const Case cases[] = {{5, HomePanel::kUnits}, {11, HomePanel::kBookmarks}, {14, HomePanel::kWrongAnswers}, {8, HomePanel::kNone}};
  const auto wired = gSessionHooks.onSessionEnded;
  for (const Case& c : cases) {
    Session({"", c.kind, 0, 0, 0, {101}, {1}, {}, {}});
    session::editSessionExit().KeepBarOpen();
    std::vector<HomePanel> ended;
    gSessionHooks.onSessionEnded = [&](HomePanel panel) {
      ended.push_back(panel);
      wired(panel);
    };
    Desk().Show();
    Bar().Show();
    Act(Bar()).CmdGN_Click(bar_button::kSaveAndExit);
    EXPECT_EQ(session::sessionExit().returnPanel(), c.return_panel);
    EXPECT_EQ(ended, std::vector<HomePanel>{c.return_panel});
    EXPECT_EQ(Ui(home::FrmFengmian::Get()).TimFH.Enabled(), c.return_panel != HomePanel::kNone);
    EXPECT_TRUE(session::sessionExit().barMayClose());
    EXPECT_FALSE(FrmTm::IsLoaded());
    EXPECT_FALSE(desktop::FrmMain::IsLoaded());
    ASSERT_TRUE(home::FrmFengmian::IsLoaded());
    EXPECT_TRUE(home::FrmFengmian::Get().Visible());
    home::FrmFengmian::Get().Unload();
  }
  gSessionHooks.onSessionEnded = wired;

  // The next session's bar is guarded again: only its own end closes it.
  auto& bar = Bar();
  EXPECT_FALSE(bar.Unload());
  EXPECT_TRUE(FrmTm::IsLoaded());
}

}  // namespace
}  // namespace xpexam::session
