// A record file that cannot be written (a read-only records folder, a full disk) is never lost
// without a word: each action that writes records tells the learner once, in the program's
// message box, with the reason in the learner's language; the files stay as they were and the
// program goes on to the same windows as when the writes go through.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "forms/app.h"
#include "frame/installation.h"
#include "frame/message_box.h"
#include "home/home_screen.h"
#include "platform/textfile.h"
#include "session/question_bar.h"
#include "session/score_report.h"
#include "session/sign_in.h"
#include "tests/frame/message_box_access.h"
#include "tests/home/home_access.h"
#include "tests/home/record_files_fixture.h"

namespace xpexam::home {
namespace {

using testing::Files;

// What the box gives as the reason for a write error, as the system's Chinese messages say it.
struct Reason {
  const char* name;
  int error;
  std::string_view text;
};

const Reason kReasons[] = {
    {"AccessDenied", EACCES, "拒绝访问。"},
    {"NotPermitted", EPERM, "拒绝访问。"},
    {"ReadOnlyMedium", EROFS, "介质受写入保护。"},
    {"DiskFull", ENOSPC, "磁盘空间不足。"},
    {"QuotaExceeded", EDQUOT, "配额不足，无法处理此命令。"},
    {"InputOutput", EIO, "由于 I/O 设备错误，无法运行此项请求。"},
    {"NoSuchFolder", ENOENT, "系统找不到指定的路径。"},
    {"NotAFolder", ENOTDIR, "系统找不到指定的路径。"},
    // One the system has no message for: its number.
    {"TooManyOpenFiles", EMFILE, "系统错误，错误号 24。"},
};

std::string ReasonText(int error) {
  for (const Reason& r : kReasons)
    if (r.error == error) return std::string(r.text);
  return "<no reason for " + std::to_string(error) + ">";
}

std::string NotSavedPrompt(std::string_view sentence, int error) {
  return "\r\n\r\n" + std::string(sentence) + "\r\n原因：" + ReasonText(error);
}

struct Box {
  std::string title, prompt;
  friend bool operator==(const Box&, const Box&) = default;
  friend void PrintTo(const Box& b, std::ostream* os) { *os << b.title << " | " << b.prompt; }
};

struct Action {
  const char* name;
  int error;                       // the system's error number of the failing writes
  std::function<void()> prepare;   // before the files are taken as "before"
  std::function<void()> act;
  std::vector<Box> asked;          // boxes the action brings up whatever the writes do
  std::string_view not_saved;      // the box's sentence when the writes fail
  std::function<bool()> went_on;   // the windows the program goes on to
};

// A whole-unit practice of unit 1 that completes one question and bookmarks another.
void UnitPractice() {
  desktop::editPlan().SetKind(desktop::SessionKind::kUnitAll);
  desktop::editPlan().SetSlotOffset(1);
  frame::editInstallation().SetUnitCount(4);
  desktop::editPlan().SetQuestionCount(2);
  desktop::editPlan().SetCode(1, 101);
  desktop::editPlan().SetStatus(1, 4);
  desktop::editPlan().SetCode(2, 102);
  desktop::editPlan().SetStatus(2, 1);
}

// Random paper 20 handed in with question 1 completed and question 2 bookmarked.
void HandedInPaper() {
  desktop::editPlan().SetKind(desktop::SessionKind::kRandomPaper);
  desktop::editPlan().SetRunMode(desktop::RunMode::kTimedExam);
  desktop::editPlan().SetListIndex(20);
  desktop::editPlan().SetSlotOffset(11);
  desktop::editPlan().SetExamStartTime("2026-01-01 08:00:00");
  desktop::editPlan().SetQuestionCount(40);
  for (long i = 1; i <= 40; ++i) desktop::editPlan().SetStatus(i, i == 1 ? 5 : i == 2 ? 3 : 1);
}

// The home screen on the screen, as the start-up leaves it.
FrmFengmian& Home() {
  FrmFengmian::Get().Show();
  return FrmFengmian::Get();
}

template <class Window>
bool Shown() {
  return Window::IsLoaded() && Window::Get().Visible();
}

const Action kActions[] = {
    {"PracticeEnd", ENOSPC, [] { UnitPractice(); desktop::FrmMain::Get().Show(); session::FrmTm::Get().Show(); },
     [] { Act(session::FrmTm::Get()).CmdGN_Click(session::bar_button::kSaveAndExit); }, {}, "本次练习的进度未能保存。",
     [] { return Shown<FrmFengmian>() && !session::FrmTm::IsLoaded() && !desktop::FrmMain::IsLoaded(); }},
    {"HandIn", EACCES, HandedInPaper, [] { session::FrmChengji::Get().Show(); }, {}, "本次考试的成绩记录未能保存。",
     Shown<session::FrmChengji>},
    {"NewRandomPaper", ENOSPC, [] { Act(Home()).ClickBotn_Click(30); }, [] { Act(FrmFengmian::Get()).ClickBotn_Click(21); },
     {}, "本次更改未能保存。",
     [] { return !FrmFengmian::IsLoaded() && Shown<session::FrmLogon>(); }},
    {"DeletingARandomPaper", EACCES, [] { Act(Home()).ClickBotn_Click(31); }, [] { Ui(FrmFengmian::Get()).LblShiJuanDel[20].Click(); },
     {{"删除试卷", "\r\n\r\n\r\n您确实要删除本套随机试题吗？"}}, "本次更改未能保存。", Shown<FrmFengmian>},
    {"ClearingBookmarks", EACCES, [] { Act(Home()).ClickBotn_Click(18); }, [] { Act(FrmFengmian::Get()).ClickBotn_Click(23); },
     {{"清除收藏的题目", "\r\n\r\n\r\n您确实要清除未复习的收藏题目吗？"}}, "本次更改未能保存。", Shown<FrmFengmian>},
};

class RecordsNotSaved : public testing::RecordFilesTest,
                        public ::testing::WithParamInterface<std::tuple<size_t, bool>> {
 protected:
  ~RecordsNotSaved() override { platform::SetWriteFaultHook(nullptr); }

  // Runs the action, confirming every box it brings up; the boxes in the order they came.
  std::vector<Box> Run(const std::function<void()>& act) {
    std::vector<Box> boxes;
    // Time for the score report's one-shot timer, then an answer for each box that may come.
    in_.Wait(200);
    for (int i = 0; i < 3; ++i)
      in_.Call([&] {
        if (!frame::FrmQOMSGBOX::IsLoaded() || !frame::FrmQOMSGBOX::Get().Visible()) return;
        frame::FrmQOMSGBOX& box = frame::FrmQOMSGBOX::Get();
        boxes.push_back({Ui(box).LblTitle.Caption(), Ui(box).LblPrompt.Caption()});
        Ui(box).LblClick.Click(1);
      });
    act();
    forms::Pump();
    return boxes;
  }
};

TEST_P(RecordsNotSaved, TellsOnceWhyAndGoesOnAsBefore) {
  const auto [index, failing] = GetParam();
  const Action& a = kActions[index];
  a.prepare();
  forms::Pump();
  const Files before = Snapshot();
  // As a records folder the program cannot write to: the question bank is written as ever.
  if (failing)
    platform::SetWriteFaultHook([&](const std::string& target) { return target.find("/ksdata/") != std::string::npos ? a.error : 0; });

  const std::vector<Box> boxes = Run(a.act);

  std::vector<Box> expected = a.asked;
  if (failing) expected.push_back({"记录未能保存", NotSavedPrompt(a.not_saved, a.error)});
  EXPECT_EQ(boxes, expected);
  EXPECT_FALSE(forms::Ended());
  EXPECT_TRUE(a.went_on());
  if (failing) {
    EXPECT_EQ(Snapshot(), before);
    for (const auto& e : std::filesystem::directory_iterator(dir_ / "ksdata"))
      EXPECT_FALSE(platform::IsOwnTempName(e.path().filename().string())) << e.path();
  } else {
    EXPECT_NE(Snapshot(), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Actions, RecordsNotSaved,
                         ::testing::Combine(::testing::Range<size_t>(0, std::size(kActions)), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(kActions[std::get<0>(info.param)].name) +
                                  (std::get<1>(info.param) ? "WritesFailing" : "WritesWorking");
                         });

// The reason the box gives for each error a write can meet, on deleting a random paper.
class NotSavedReason : public RecordsNotSaved {};

TEST_P(NotSavedReason, IsWordedAsTheSystemWordsIt) {
  const Reason& r = kReasons[std::get<0>(GetParam())];
  const Action& a = kActions[3];
  a.prepare();
  forms::Pump();
  platform::SetWriteFaultHook([&](const std::string&) { return r.error; });
  const std::vector<Box> boxes = Run(a.act);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[1], (Box{"记录未能保存", NotSavedPrompt(a.not_saved, r.error)}));
}

INSTANTIATE_TEST_SUITE_P(Errors, NotSavedReason,
                         ::testing::Combine(::testing::Range<size_t>(0, std::size(kReasons)), ::testing::Values(true)),
                         [](const auto& info) { return std::string(kReasons[std::get<0>(info.param)].name); });

// A records folder that really cannot be written, made so once the action's windows are up.
class RecordsFolder : public RecordsNotSaved {
 protected:
  void Expect(const std::function<void()>& spoil, int error) {
    const Action& a = kActions[std::get<0>(GetParam())];
    a.prepare();
    forms::Pump();
    spoil();
    std::vector<Box> expected = a.asked;
    expected.push_back({"记录未能保存", NotSavedPrompt(a.not_saved, error)});
    EXPECT_EQ(Run(a.act), expected);
    EXPECT_FALSE(forms::Ended());
    EXPECT_TRUE(a.went_on());
  }
};

// Where the folder should be there is a file: the path is not found.
TEST_P(RecordsFolder, ThatIsAFile) {
  Expect(
      [&] {
        std::filesystem::rename(dir_ / "ksdata", dir_ / "ksdata.moved");
        dir_.Write("ksdata", "not a folder");
      },
      ENOTDIR);
}

// A folder the learner may read but not write to. The administrator writes anywhere, so there is
// nothing to see when the tests run as that user.
TEST_P(RecordsFolder, WithoutWriteAccess) {
  if (::geteuid() == 0) GTEST_SKIP() << "the administrator writes to a read-only folder";
  // The test's folder gives the access back when it goes.
  Expect(
      [&] {
        using std::filesystem::perms;
        std::filesystem::permissions(dir_ / "ksdata", perms::owner_write | perms::group_write | perms::others_write,
                                     std::filesystem::perm_options::remove);
      },
      EACCES);
}

// Clearing the bookmarks (the last action) reads its lists before it writes: with no folder to
// read it has nothing to clear.
INSTANTIATE_TEST_SUITE_P(Actions, RecordsFolder,
                         ::testing::Combine(::testing::Range<size_t>(0, std::size(kActions) - 1), ::testing::Values(true)),
                         [](const auto& info) { return std::string(kActions[std::get<0>(info.param)].name); });

}  // namespace
}  // namespace xpexam::home
