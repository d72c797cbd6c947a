#include "frame/error_report.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "frame/installation.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/failure.h"
#include "platform/http.h"
#include "platform/textfile.h"
#include "tests/support/loopback_server.h"
#include "tests/support/temp_dir.h"

namespace xpexam::frame {
namespace {

using testing::LoopbackServer;
using testing::ScriptedReply;
using testing::TempDir;

int64_t MsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

ScriptedReply Route(const std::string& target) {
  std::string path = target.substr(0, target.find('?'));
  ScriptedReply r;
  if (path.starts_with("/stall")) r.delay_ms = -1;
  if (path == "/ok") r.body = "  20240101 list \r\n";
  if (path == "/gbk") r.body = platform::Utf8ToGbk("题库版本");
  if (path == "/error") {
    r.status = 500;
    r.body = "server error page";
  }
  return r;
}

constexpr const char* kTime = "2015-03-04 05:06:07";

class ErrorReport : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetServerUrl(server_.url());
    platform::SetClockSource({nullptr, [] { return platform::DateTime{2015, 3, 4, 5, 6, 7}; }});
    InitErrorReport();
    editInstallation().SetModuleName("Windows XP");
    editInstallation().SetBankVersion("201503011200");
    editInstallation().SetOsVersion("6.1");
    editErrorLog().NameLogFile(dir_.path() + "\\ksdata\\20150304050607.txt");
    std::filesystem::create_directory(dir_ / "ksdata");
  }
  void TearDown() override {
    platform::WaitForFiredRequests(5000);
    platform::SetFailureReporter(nullptr);
    platform::SetServerUrl("");
    platform::SetClockSource({});
  }

  // What the server received once every report sent has arrived.
  std::vector<std::string> Received() {
    EXPECT_TRUE(platform::WaitForFiredRequests(5000));
    return server_.targets();
  }
  std::string Log() { return platform::ReadFileBytes(dir_ / "ksdata/20150304050607.txt").value_or("<none>"); }

  // One report entry as it lands in the log, in GBK.
  static std::string Entry(const std::string& tag_and_description, const std::string& number) {
    return platform::Utf8ToGbk(std::string("\r\n") + kTime + "\r\n软件运行提示:" + tag_and_description +
                               "\r\n系统版本:6.1,软件版本:201503011200," + number + "\r\n\r\n");
  }

  LoopbackServer server_{Route};
  TempDir dir_;
};

TEST_F(ErrorReport, RequestCarriesTheKeysInOrderWithEncodedValues) {
  struct Case {
    const char* name;
    std::string module;
    const char* tag;
    int32_t number;
    const char* description;
    const char* extra;
    const char* target;
  } cases[] = {
      {"plain", "Windows XP", "readInfo", 53, "File not found", "",
       "/up/error/submit.asp?pronm=Windows%20XP&pver=201503011200&osver=6.1&errsub=readInfo&errno=53"
       "&errdescript=File%20not%20found"},
      {"characters that would cut the request", "Windows XP", "tkup", -2147012889, "a&b=c #1 100%", "",
       "/up/error/submit.asp?pronm=Windows%20XP&pver=201503011200&osver=6.1&errsub=tkup&errno=-2147012889"
       "&errdescript=a%26b%3Dc%20%231%20100%25"},
      {"Chinese, and the extra text after the description", "", "startload", 0, "找不到", "+x",
       "/up/error/submit.asp?pronm=&pver=201503011200&osver=6.1&errsub=startload&errno=0"
       "&errdescript=%E6%89%BE%E4%B8%8D%E5%88%B0%2Bx"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    editInstallation().SetModuleName(c.module);
    size_t before = Received().size();
    ReportError(c.tag, c.number, c.description, c.extra);
    ASSERT_EQ(Received().size(), before + 1);
    EXPECT_EQ(Received().back(), c.target);
  }
}

TEST_F(ErrorReport, LogEntriesAreFiveGbkLinesAppended) {
  // The first entry creates the file; the next follows after two empty lines.
  ReportError("readInfo", 53, "文件未找到", "extra text is not logged");
  ReportError("tkup", -5, "  bad call  ", "");
  EXPECT_EQ(Log(), Entry("readInfo文件未找到", "53") + Entry("tkup  bad call  ", "-5"));

  // The text is trimmed of spaces only; a bare line feed still ends the line with CRLF.
  std::filesystem::remove(dir_ / "ksdata/20150304050607.txt");
  AppendLog(errorLog().logFile(), "  a\nb \r\n");
  EXPECT_EQ(Log(), std::string("\r\n") + kTime + "\r\na\r\nb \r\n\r\n");
}

TEST_F(ErrorReport, TrappedFailureIsSentAndLoggedOnlyOnceTheLogIsNamed) {
  editErrorLog().Reset();
  platform::TryReport("startload", [] { platform::Fail(platform::kErrFileNotFound, "File not found"); });
  EXPECT_EQ(errorLog().lastError().proc, "startload");
  EXPECT_EQ(errorLog().lastError().number, 53);
  EXPECT_EQ(errorLog().lastError().description, "File not found");
  ASSERT_EQ(Received().size(), 1u);
  EXPECT_TRUE(std::filesystem::is_empty(dir_ / "ksdata"));

  // A missing folder loses the entry silently.
  editErrorLog().NameLogFile(dir_.path() + "\\nowhere\\log.txt");
  platform::TryReport("startload", [] { platform::Fail(platform::kErrPathNotFound, "Path not found"); });
  EXPECT_EQ(Received().size(), 2u);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "nowhere"));

  editErrorLog().NameLogFile(dir_.path() + "\\ksdata\\20150304050607.txt");
  platform::TryReport("readInfo", [] { platform::Fail(platform::kErrSubscript, "Subscript out of range"); });
  EXPECT_EQ(Received().size(), 3u);
  EXPECT_EQ(Log(), Entry("readInfoSubscript out of range", "9"));
}

TEST_F(ErrorReport, ResetForgetsTheLastFailureAndTheLogName) {
  platform::TryReport("readInfo", [] { platform::Fail(platform::kErrFileNotFound, "File not found"); });
  ASSERT_EQ(errorLog().lastError().number, 53);
  editErrorLog().Reset();
  EXPECT_EQ(errorLog().lastError().proc, "");
  EXPECT_EQ(errorLog().lastError().number, 0);
  EXPECT_EQ(errorLog().lastError().description, "");
  EXPECT_EQ(errorLog().logFile(), "");
}

TEST_F(ErrorReport, AReportNeverCausesAnotherReport) {
  platform::SetServerUrl("http://127.0.0.1:" + std::to_string(testing::ClosedPort()));
  // HttpGetWithTimeout's own failure is reported once; the report's request fails as well, silently.
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(HttpGetWithTimeout(platform::ServerUrl() + "/list", 5), kTimeoutText);
  EXPECT_LT(MsSince(start), 1000);
  EXPECT_EQ(errorLog().lastError().proc, "getHtmlStr");
  std::string log = Log();
  const std::string head = platform::Utf8ToGbk("软件运行提示:getHtmlStr");
  size_t first = log.find(head);
  EXPECT_NE(first, std::string::npos);
  EXPECT_EQ(log.find(platform::Utf8ToGbk("软件运行提示"), first + 1), std::string::npos) << "one entry only";

  // Called directly, a report whose request fails reports nothing either.
  std::filesystem::remove(dir_ / "ksdata/20150304050607.txt");
  ReportError("fmload", 75, "Path/File access error", "");
  EXPECT_EQ(errorLog().lastError().proc, "getHtmlStr");
  EXPECT_EQ(Log(), Entry("fmloadPath/File access error", "75"));
}

TEST_F(ErrorReport, AServerThatNeverAnswersHoldsNobody) {
  platform::SetServerUrl(server_.url() + "/stall");
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 3; ++i) ReportError("tkup", i, "x" + std::to_string(i), "");
  EXPECT_LT(MsSince(start), 500);
  EXPECT_EQ(Log(), Entry("tkupx0", "0") + Entry("tkupx1", "1") + Entry("tkupx2", "2"));
}

TEST_F(ErrorReport, AFloodOfReportsIsSentOnceEachAndCapped) {
  // One damaged line failing at every group: the same report thousands of times.
  for (int i = 0; i < 5000; ++i) platform::TryReport("readInfo", [] { platform::Fail(platform::kErrTypeMismatch, "Type mismatch"); });
  EXPECT_EQ(Received().size(), 1u);
  EXPECT_EQ(Log(), Entry("readInfoType mismatch", "13"));
  // The same tag with another text is another report; so is another tag.
  ReportError("readInfo", 13, "Overflow", "");
  ReportError("tkup", 13, "Type mismatch", "");
  EXPECT_EQ(Received().size(), 3u);
  // Different reports without end: only a bounded number go out, and the log stops too.
  for (int i = 0; i < 1000; ++i) ReportError("readInfo", i, "bad group " + std::to_string(i), "");
  const size_t sent = Received().size();
  EXPECT_GE(sent, 10u);
  EXPECT_LE(sent, 50u);
  const size_t logged = Log().size() / Entry("readInfobad group 100", "100").size();
  EXPECT_LE(logged, 300u);
  // A new run starts afresh.
  InitErrorReport();
  ReportError("readInfo", 13, "Overflow", "");
  EXPECT_EQ(Received().size(), sent + 1);
}

TEST_F(ErrorReport, GetHtmlStrRepliesTrimmedDecodedOrTimedOut) {
  struct Case {
    const char* path;
    int16_t timeout;
    std::string text;
  } cases[] = {
      {"/ok", 1, "20240101 list \r\n"},  // spaces go, the line break stays
      {"/gbk", 1, "题库版本"},
      {"/error", 1, "server error page"},  // the status is not looked at
      {"/empty", 1, ""},
      {"/stall", 1, std::string(kTimeoutText)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(HttpGetWithTimeout(server_.url() + c.path, c.timeout), c.text);
    if (c.text == kTimeoutText) {
      EXPECT_GE(MsSince(start), 1000);
      EXPECT_LE(MsSince(start), 2000);
    }
  }
  EXPECT_EQ(kTimeoutText, "error-timeout，网络状况不好，请重试！");
  EXPECT_EQ(errorLog().lastError().proc, "");  // a time-out is no failure
}

}  // namespace
}  // namespace xpexam::frame
