// The question-bank update against a loopback server: the checks that stop, the learner's No,
// the downloads into the four folders, a missing file, names that would leave their folder,
// the self-update hand-off, the installed list and the final message.
#include "home/update_window.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

#include "frame/error_report.h"
#include "forms/label.h"
#include "frame/settings.h"
#include "platform/codepage.h"
#include "platform/http.h"
#include "platform/textfile.h"
#include "tests/frame/common_windows_fixture.h"
#include "tests/home/update_window_access.h"
#include "tests/support/loopback_server.h"

namespace xpexam::home {
namespace {

using namespace frame;
namespace testing = frame::testing;

namespace fs = std::filesystem;
using xpexam::testing::LoopbackServer;
using xpexam::testing::ScriptedReply;

constexpr const char* kModule = "/up/tolqa/WindowsXP/";
constexpr const char* kListPath = "/up/tolqa/WindowsXP/tkdata/288895.txt";
constexpr int kYes = 'Y', kNo = 'N', kOk = forms::kKeyReturn;
constexpr const char* kAppTitle = "BrivantTavrelo——WindowsXP模块";
constexpr const char* kOldList = "201501010000\r\nD201501010000l30001\r\n";

struct Box {
  std::string prompt;
  int buttons;
  std::string title;
  friend bool operator==(const Box&, const Box&) = default;
};
void PrintTo(const Box& b, std::ostream* os) { *os << b.prompt << " / " << b.buttons << " / " << b.title; }

class Update : public testing::CommonWindowsTest {
 protected:
  Update() : CommonWindowsTest(15, "prog") {
    platform::SetServerUrl(server_.url());
    // Replies are awaited without pumping window events (the queue of a test runs out), except
    // where a test installs a pump of its own.
    platform::SetEventPump(nullptr);
    editInstallation().SetBankVersion("201501010000");
    FrmUpdata::MarkOpenedByLearner();
    SetAppTitle("BrivantTavrelo——WindowsXP模块");
    Put("/up/ad/vemo/170100.rar", platform::Utf8ToGbk("新题库上线◎欢迎使用\r\n255\r\nhttp://www.example.invalid/\r\n"));
    // The installed bank.
    dir_.Write("prog/tkdata/288895.mxy", kOldList);
    dir_.Write("prog/ksdata/288895.mxy", kOldList);
    dir_.Write("prog/tkdata/l30001.mxy", "old D picture");
    dir_.Write("prog/ksdata/readme.txt", "old K text");
    dir_.Write("prog/examdata/menu01.gif", "old E picture");
    dir_.Write("prog/xpexam.exe", "running program");
    dir_.Write("evil.txt", "outside the program folder");
    const std::string updater = dir_.Write("prog/qoitpk.rar", "#!/bin/sh\ntouch \"$(dirname \"$0\")/updater-started\"\n");
    ::chmod(updater.c_str(), 0755);
  }
  ~Update() override {
    platform::SetServerUrl("");
    platform::SetEventPump(nullptr);
    SetAppTitle("");
  }

  // What the server holds; other paths answer 404.
  void Put(const std::string& path, std::string body) {
    std::lock_guard lock(mutex_);
    files_[path] = std::move(body);
  }
  void PutList(const std::string& text) { Put(kListPath, platform::Utf8ToGbk(text)); }
  std::vector<std::string> Requests() { return server_.targets(); }

  // The home screen's update button, then the run one tick later; the learner answers the
  // system message boxes in turn with keys.
  void OpenAndRun(std::initializer_list<int> keys = {}) {
    FrmUpdata::Get().Show();
    in_.Wait(100);
    Answer(keys);
    forms::Pump();
  }
  void Answer(std::initializer_list<int> keys) {
    for (int key : keys) {
      in_.Call([this] { RecordBox(); });
      in_.Key(key);
    }
  }
  // The system message box on the screen: its prompt, number of buttons and title.
  void RecordBox() {
    for (forms::Form* f : forms::LoadedForms()) {
      if (f->Name() != "MsgBox" || !f->Visible()) continue;
      Box b{"", 0, f->Caption()};
      for (forms::Control* c : f->AllControls()) {
        if (c->Name() == "Prompt") b.prompt = static_cast<forms::Label*>(c)->Caption();
        if (c->Name().starts_with("Button")) ++b.buttons;
      }
      boxes_.push_back(b);
    }
  }

  std::string File(const std::string& path) { return platform::ReadFileBytes(dir_ / path).value_or("<missing>"); }
  // Every file under the scratch folder but the pictures, relative to it.
  std::vector<std::string> Tree() {
    std::vector<std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(dir_.path())) {
      if (!e.is_regular_file()) continue;
      std::string rel = fs::relative(e.path(), dir_.path()).string();
      if (rel.starts_with("prog/tkdata/l2") || rel.starts_with("prog/tkdata/l6")) continue;
      out.push_back(rel);
    }
    std::sort(out.begin(), out.end());
    return out;
  }
  bool UpdaterStarted() {
    for (int i = 0; i < 200; ++i) {
      if (fs::exists(dir_ / "prog/updater-started")) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  std::mutex mutex_;
  std::map<std::string, std::string> files_;
  std::map<std::string, int> fail_after_;  // path: requests served before it answers 500
  LoopbackServer server_{[this](const std::string& target) {
    std::lock_guard lock(mutex_);
    ScriptedReply r;
    auto it = files_.find(target);
    if (it == files_.end()) {
      r.status = 404;
      r.body = "<html>404 Not Found</html>";
      return r;
    }
    if (auto f = fail_after_.find(target); f != fail_after_.end() && f->second-- <= 0) {
      r.status = 500;
      r.body = "server error";
      return r;
    }
    r.body = it->second;
    return r;
  }};
  std::vector<Box> boxes_;
};

const std::vector<std::string> kUntouched = {
    "evil.txt",           "prog/examdata/menu01.gif", "prog/ksdata/170100.mxy", "prog/ksdata/288895.mxy",
    "prog/ksdata/readme.txt", "prog/qoitpk.rar",     "prog/tkdata/288895.mxy", "prog/tkdata/l30001.mxy",
    "prog/xpexam.exe",
};

TEST_F(Update, TheLoadShowsTheInstalledVersionAndFetchesTheBanner) {
  PutList("201501010000\r\n");
  OpenAndRun();
  FrmUpdata& w = FrmUpdata::Get();
  EXPECT_TRUE(w.Visible());
  EXPECT_TRUE(w.TopMost());
  EXPECT_EQ(w.Caption(), "Tavrelo");
  EXPECT_EQ(Ui(w).Label4.Caption(), "新版本检测——Windows XP操作系统");
  EXPECT_EQ(Ui(w).Label3.Caption(), "当前题库版本是：");
  EXPECT_EQ(Ui(w).LblVer.Caption(), "201501010000");
  EXPECT_EQ(Ui(w).Label1.Caption(), "最新题库版本是：201501010000");
  EXPECT_EQ(Ui(w).Label2.Caption(), "已是最新版本，无需升级。");
  EXPECT_EQ(File("prog/ksdata/170100.mxy"), platform::Utf8ToGbk("新题库上线◎欢迎使用\r\n255\r\nhttp://www.example.invalid/\r\n"));
  EXPECT_EQ(Requests(), (std::vector<std::string>{"/up/ad/vemo/170100.rar", kListPath}));
}

TEST_F(Update, ChecksThatStopWithoutAQuestion) {
  struct Case {
    const char* name;
    std::optional<std::string> list;  // nullopt: the server does not know the list
    bool reachable;
    std::string label2;
  };
  const Case cases[] = {
      {"same version", "201501010000\r\nD209901010000l30001\r\n", true, "已是最新版本，无需升级。"},
      {"older version", "201412312359\r\nD209901010000l30001\r\n", true, "已是最新版本，无需升级。"},
      {"not a list", std::nullopt, true, "已是最新版本，无需升级。"},
      {"a reply beginning with error", "error: no such module", true, std::string(FrmUpdata::kRetryText)},
      {"no server", "209901010000\r\n", false, std::string(FrmUpdata::kRetryText)},
  };
  for (const Case& c : cases) {
    forms::ResetRuntime();
    files_.erase(kListPath);
    if (c.list) PutList(*c.list);
    platform::SetServerUrl(c.reachable ? server_.url() : "http://127.0.0.1:" + std::to_string(xpexam::testing::ClosedPort()));
    OpenAndRun();
    EXPECT_TRUE(FrmUpdata::Get().Visible()) << c.name;
    EXPECT_EQ(Ui(FrmUpdata::Get()).Label2.Caption(), c.label2) << c.name;
    const bool failed = c.label2 == FrmUpdata::kRetryText;
    EXPECT_EQ(Ui(FrmUpdata::Get()).Label1.Caption(), failed ? "最新题库版本是：" : "最新题库版本是：201501010000") << c.name;
    EXPECT_TRUE(boxes_.empty()) << c.name;
    EXPECT_FALSE(forms::Ended()) << c.name;
    EXPECT_EQ(Tree(), kUntouched) << c.name;
    EXPECT_EQ(File("prog/ksdata/288895.mxy"), kOldList) << c.name;
  }
}

TEST_F(Update, TheLearnersNoKeepsTheBankAndTheProgram) {
  const std::string list = "201601010000\r\nD209901010000l30001\r\nM209901010000xpexam.exe\r\n";
  PutList(list);
  Put(std::string(kModule) + "tkdata/l30001.rar", "new D picture");
  OpenAndRun({kNo});
  EXPECT_EQ(boxes_, (std::vector<Box>{{"题库有新文件，是否要进行升级？", 2, "升级软件"}}));
  EXPECT_FALSE(forms::Ended());
  EXPECT_TRUE(FrmUpdata::IsLoaded());
  EXPECT_FALSE(FrmUpdata::Get().Visible());
  // Only the downloaded copy of the list is new.
  EXPECT_EQ(File("prog/ksdata/288895.mxy"), list);
  EXPECT_EQ(File("prog/tkdata/288895.mxy"), kOldList);
  EXPECT_EQ(File("prog/tkdata/l30001.mxy"), "old D picture");
  EXPECT_EQ(Tree(), kUntouched);
  // The update button shows the window again without a new check.
  const size_t requests = Requests().size();
  FrmUpdata::Get().Show();
  in_.Wait(1000);
  forms::Pump();
  EXPECT_TRUE(FrmUpdata::Get().Visible());
  EXPECT_EQ(Requests().size(), requests);
  EXPECT_EQ(boxes_.size(), 1u);
}

TEST_F(Update, ANewerListFetchesWhatIsOlderHereAndHandsOverToTheUpdater) {
  const std::string list =
      "201601010000\r\n"
      "D209901010000l30001\r\n"        // newer: fetched into the data folder
      "K200001010000readme.txt\r\n"    // older than the copy here: left alone
      "E209901010000menu01.gif\r\n"    // the server has no such file
      "M209901010000xpexam.exe\r\n";   // the program itself: beside the running one
  PutList(list);
  Put(std::string(kModule) + "tkdata/l30001.rar", "new D picture");
  Put(std::string(kModule) + "ksdata/readme.rar", "new K text");
  Put(std::string(kModule) + "xpexam.rar", "new program");
  OpenAndRun({kYes, kOk});

  EXPECT_EQ(boxes_, (std::vector<Box>{{"题库有新文件，是否要进行升级？", 2, "升级软件"},
                                      {"已更新2/3文件。请重新打开软件！", 1, kAppTitle}}));
  EXPECT_TRUE(forms::Ended());
  EXPECT_EQ(Requests(), (std::vector<std::string>{"/up/ad/vemo/170100.rar", kListPath, kListPath,
                                                  std::string(kModule) + "tkdata/l30001.rar",
                                                  std::string(kModule) + "examdata/menu01.rar",
                                                  std::string(kModule) + "xpexam.rar"}));
  std::vector<std::string> tree = kUntouched;
  tree.push_back("prog/updater-started");
  tree.push_back("prog/uprun.dll");
  tree.push_back("prog/xpexam.exe_bak");
  std::sort(tree.begin(), tree.end());
  EXPECT_TRUE(UpdaterStarted());
  EXPECT_EQ(Tree(), tree);
  EXPECT_EQ(File("prog/tkdata/l30001.mxy"), "new D picture");
  EXPECT_EQ(File("prog/ksdata/readme.txt"), "old K text");
  EXPECT_EQ(File("prog/examdata/menu01.gif"), "old E picture");
  EXPECT_EQ(File("prog/xpexam.exe"), "running program");
  EXPECT_EQ(File("prog/xpexam.exe_bak"), "new program");
  EXPECT_EQ(File("prog/uprun.dll"), (dir_ / "prog/xpexam.exe_bak") + "\r\n");
  // One file is missing: the installed list stays, so that the next check fetches it.
  EXPECT_EQ(File("prog/ksdata/288895.mxy"), list);
  EXPECT_EQ(File("prog/tkdata/288895.mxy"), kOldList);
}

TEST_F(Update, WhenEveryFileCameTheNewListIsInstalled) {
  const std::string list =
      "201601010000\r\n"
      "D209901010000l30002\r\n"
      "X209901010000l30003\r\n"       // no location letter: the data folder again
      "K209901010000readme.txt\r\n"
      "M200001010000xpexam.exe\r\n";  // the program file is as new: nothing to hand over
  PutList(list);
  Put(std::string(kModule) + "tkdata/l30002.rar", "D2");
  Put(std::string(kModule) + "tkdata/l30003.rar", "D3");
  Put(std::string(kModule) + "ksdata/readme.rar", "new K text");
  OpenAndRun({kYes, kOk});
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[1].prompt, "已更新3/3文件。请重新打开软件！");
  EXPECT_TRUE(forms::Ended());
  EXPECT_EQ(File("prog/tkdata/288895.mxy"), list);
  EXPECT_EQ(File("prog/tkdata/l30002.mxy"), "D2");
  EXPECT_EQ(File("prog/tkdata/l30003.mxy"), "D3");
  EXPECT_EQ(File("prog/ksdata/readme.txt"), "new K text");
  EXPECT_FALSE(fs::exists(dir_ / "prog/uprun.dll"));
  EXPECT_FALSE(fs::exists(dir_ / "prog/xpexam.exe_bak"));
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(fs::exists(dir_ / "prog/updater-started"));
}

TEST_F(Update, NamesThatLeaveTheirFolderNeverTouchTheDiskOrTheServer) {
  const std::string list =
      "201601010000\r\n"
      "D209901010000..\\..\\evil.txt\r\n"
      "K209901010000../../evil.txt\r\n"
      "M209901010000/etc/evil.txt\r\n"
      "D209901010000C:evil.txt\r\n"
      "D209901010000l30001\r\n";
  PutList(list);
  Put(std::string(kModule) + "tkdata/l30001.rar", "new D picture");
  // Whatever the server would send for those names.
  for (const char* p : {"tkdata/../../evil.rar", "../evil.rar", "evil.rar"}) Put(std::string(kModule) + p, "EVIL");
  OpenAndRun({kYes, kOk});
  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[1].prompt, "已更新1/5文件。请重新打开软件！");
  for (const std::string& target : Requests()) EXPECT_EQ(target.find("evil"), std::string::npos) << target;
  EXPECT_EQ(File("evil.txt"), "outside the program folder");
  EXPECT_EQ(File("prog/tkdata/l30001.mxy"), "new D picture");
  EXPECT_EQ(Tree(), kUntouched);
  EXPECT_EQ(File("prog/tkdata/288895.mxy"), kOldList);
}

TEST_F(Update, AListThatCannotBeFetchedStopsTheRun) {
  PutList("201601010000\r\nD209901010000l30001\r\n");
  fail_after_[kListPath] = 1;  // the check gets the list, its download a server error
  OpenAndRun({kYes});
  EXPECT_TRUE(boxes_.empty());
  EXPECT_FALSE(forms::Ended());
  EXPECT_EQ(Ui(FrmUpdata::Get()).Label2.Caption(), std::string(FrmUpdata::kRetryText));
  EXPECT_EQ(File("prog/ksdata/288895.mxy"), kOldList);
  EXPECT_EQ(Tree(), kUntouched);
}

TEST_F(Update, ClosingDuringTheWaitEndsTheRunAndRunsNeverOverlap) {
  // The window's events keep coming while the list reply is awaited; the virtual clock follows
  // the real one.
  platform::SetEventPump([](int max_wait_ms) {
    forms::PumpUntil([] { return false; }, max_wait_ms);
    std::this_thread::sleep_for(std::chrono::milliseconds(max_wait_ms));
  });
  PutList("201601010000\r\nD209901010000l30001\r\n");
  files_["/slow"] = "";
  LoopbackServer slow([&](const std::string& target) {
    ScriptedReply r;
    r.delay_ms = 300;
    std::lock_guard lock(mutex_);
    r.body = files_[target];
    return r;
  });
  platform::SetServerUrl(slow.url());
  std::vector<bool> loaded;
  FrmUpdata::Get().Show();
  in_.Wait(150);  // the run starts and waits for the reply
  in_.Call([&] {
    // The learner closes the window and opens it again at once.
    forms::Point p = Centre(Ui(FrmUpdata::Get()).Command1);
    in_.Click(p.x, p.y);
    in_.Call([&] {
      loaded.push_back(FrmUpdata::IsLoaded());
      FrmUpdata::Get().Show();
    });
    // The clock runs only while a reply is awaited: the second question comes well before this.
    in_.Wait(1500);
    Answer({kNo});
    in_.Wait(600000);
  });
  forms::Pump();
  EXPECT_EQ(loaded, std::vector<bool>{false});
  // The first run ended unseen; the second asked once, after the first was over.
  EXPECT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(slow.targets(), (std::vector<std::string>{"/up/ad/vemo/170100.rar", kListPath,
                                                      "/up/ad/vemo/170100.rar", kListPath, kListPath}));
  EXPECT_FALSE(forms::Ended());
}

}  // namespace
}  // namespace xpexam::home
