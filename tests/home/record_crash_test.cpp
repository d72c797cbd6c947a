// A crash at any moment leaves every record file whole: each is its old or its new content,
// never a truncated or half-copied one, and no record is ever rewritten in place.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <map>

#include "frame/message_box.h"
#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "frame/installation.h"
#include "home/home_screen.h"
#include "platform/textfile.h"
#include "session/save_and_exit.h"
#include "tests/frame/message_box_access.h"
#include "tests/home/home_access.h"
#include "tests/home/record_files_fixture.h"

namespace xpexam::home {
namespace {

using testing::Files;

class RecordCrash : public testing::RecordFilesTest {
 protected:
  ~RecordCrash() override {
    platform::SetAtomicWriteHook(nullptr);
  }

  // Runs the operation once, taking the state a kill would leave just before each rename, and
  // checks every record of every such state is its old content or one the program wrote whole
  // (a file written twice passes through its first new content). Hard links made beforehand
  // must keep the old content: a record is replaced, never written in place.
  void CheckEveryStep(const std::function<void()>& operation) {
    const Files before = Snapshot();
    for (const auto& [name, bytes] : before) std::filesystem::create_hard_link(dir_ / ("ksdata/" + name), dir_ / ("witness-" + name));
    std::vector<Files> states;
    std::multimap<std::string, std::string> written;
    platform::SetAtomicWriteHook([&](const std::string& target, std::string_view bytes) {
      states.push_back(Snapshot());
      written.emplace(std::filesystem::path(target).filename().string(), bytes);
    });
    in_.Call([] {
      if (!frame::FrmQOMSGBOX::IsLoaded()) return;
      Ui(frame::FrmQOMSGBOX::Get()).LblClick.Click(1);
    });
    operation();
    platform::SetAtomicWriteHook(nullptr);
    const Files after = Snapshot();
    EXPECT_NE(after, before);
    for (const auto& [name, bytes] : after) {
      bool whole = before.contains(name) && before.at(name) == bytes;
      for (auto [it, end] = written.equal_range(name); it != end; ++it) whole = whole || it->second == bytes;
      EXPECT_TRUE(whole) << "at the end: " << name;
    }
    EXPECT_GE(states.size(), 2u);
    for (size_t k = 0; k < states.size(); ++k)
      for (const auto& [name, bytes] : states[k]) {
        bool whole = before.contains(name) && before.at(name) == bytes;
        for (auto [it, end] = written.equal_range(name); it != end; ++it) whole = whole || it->second == bytes;
        EXPECT_TRUE(whole) << "step " << k << ": " << name;
      }
    for (const auto& [name, bytes] : before)
      EXPECT_EQ(platform::ReadFileBytes(dir_ / ("witness-" + name)), bytes) << name << " was written in place";
  }
};

TEST_F(RecordCrash, NewRandomPaper) {
  FrmFengmian& home = FrmFengmian::Get();
  Act(home).ClickBotn_Click(30);
  CheckEveryStep([&] { Act(home).ClickBotn_Click(21); });
}

TEST_F(RecordCrash, DeletingARandomPaper) {
  FrmFengmian& home = FrmFengmian::Get();
  Act(home).ClickBotn_Click(31);
  CheckEveryStep([&] { Ui(home).LblShiJuanDel[20].Click(); });
}

TEST_F(RecordCrash, SessionEnd) {
  // A whole-unit practice of unit 1 that completes one question and bookmarks another.
  desktop::editPlan().SetKind(desktop::SessionKind::kUnitAll);
  desktop::editPlan().SetSlotOffset(1);
  frame::editInstallation().SetUnitCount(4);
  desktop::editPlan().SetQuestionCount(2);
  desktop::editPlan().SetCode(1, 101);
  desktop::editPlan().SetStatus(1, 4);
  desktop::editPlan().SetCode(2, 102);
  desktop::editPlan().SetStatus(2, 1);
  CheckEveryStep([] { session::SaveSessionRecords(); });
}

}  // namespace
}  // namespace xpexam::home
