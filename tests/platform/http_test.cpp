#include "platform/http.h"
#include "platform/shell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/curl_api.h"
#include "platform/textfile.h"
#include "tests/support/loopback_server.h"

namespace xpexam::platform {
namespace {

using testing::LoopbackServer;
using testing::ScriptedReply;
namespace fs = std::filesystem;

int64_t MsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

ScriptedReply Reply(int status, std::string body) {
  ScriptedReply r;
  r.status = status;
  r.body = std::move(body);
  return r;
}

ScriptedReply Redirect(const std::string& location) {
  ScriptedReply r = Reply(302, "");
  r.headers = {"Location: " + location};
  return r;
}

// Replies by path: the table every test below talks to.
ScriptedReply Route(const std::string& target) {
  std::string path = target.substr(0, target.find('?'));
  if (path == "/ok") return Reply(200, "  20240101 list \r\n");
  if (path == "/error") return Reply(500, "server error page");
  if (path == "/missing") return Reply(404, "not here");
  if (path == "/redirect") return Redirect("/ok");
  if (path == "/to-file") return Redirect("file:///etc/hostname");
  if (path == "/to-ftp") return Redirect("ftp://127.0.0.1/x");
  ScriptedReply r = Reply(200, "late");
  if (path == "/stall") r.delay_ms = -1;
  if (path == "/cut") r.cut = true;
  return r;
}

class HttpLibrary : public ::testing::Test {
 protected:
  void TearDown() override { SetEventPump(nullptr); }
  LoopbackServer server_{Route};
};

// Waits measured from the send: opening the library, once a run, is no part of them (and takes
// long on a busy machine).
class Http : public HttpLibrary {
 protected:
  void SetUp() override { ASSERT_NE(Curl(), nullptr); }
};

TEST_F(Http, GetReturnsStatusAndRawBodyOfAnyReply) {
  struct Case {
    const char* path;
    HttpOutcome outcome;
    long status;
    const char* body;
  } cases[] = {
      {"/ok", HttpOutcome::kComplete, 200, "  20240101 list \r\n"},
      {"/error", HttpOutcome::kComplete, 500, "server error page"},
      {"/redirect", HttpOutcome::kComplete, 200, "  20240101 list \r\n"},
      {"/to-file", HttpOutcome::kFailed, 0, ""},
      {"/to-ftp", HttpOutcome::kFailed, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    HttpReply r = HttpGet(server_.url() + c.path, 1);
    EXPECT_EQ(r.outcome, c.outcome);
    EXPECT_EQ(r.body, c.body);
    if (c.outcome == HttpOutcome::kComplete) {
      EXPECT_EQ(r.status, c.status);
    } else {
      EXPECT_FALSE(r.error.empty());
    }
  }
}

TEST_F(Http, UnsafeCharactersOfTheUrlAreEscapedAndEncodedValuesArriveWhole) {
  const std::string description = "a b&c=d#e%f+中文";
  HttpGet(server_.url() + "/up/x 中.asp?errdescript=" + UrlEncode(description) + "&errno=-5", 1);
  ASSERT_EQ(server_.targets().size(), 1u);
  EXPECT_EQ(server_.targets()[0],
            "/up/x%20%E4%B8%AD.asp?errdescript=a%20b%26c%3Dd%23e%25f%2B%E4%B8%AD%E6%96%87&errno=-5");
}

TEST(UrlEncode, KeepsOnlyUnreservedCharacters) {
  EXPECT_EQ(UrlEncode(""), "");
  EXPECT_EQ(UrlEncode("Az09-_.~"), "Az09-_.~");
  EXPECT_EQ(UrlEncode("/?&=#% +"), "%2F%3F%26%3D%23%25%20%2B");
  EXPECT_EQ(UrlEncode("软件\r\n"), "%E8%BD%AF%E4%BB%B6%0D%0A");
}

TEST_F(Http, StalledReplyTimesOutOnTimeWhileThePumpRuns) {
  int pumps = 0;
  int longest = 0;
  SetEventPump([&](int max_wait_ms) {
    ++pumps;
    longest = std::max(longest, max_wait_ms);
    std::this_thread::sleep_for(std::chrono::milliseconds(max_wait_ms));
  });
  auto start = std::chrono::steady_clock::now();
  HttpReply r = HttpGet(server_.url() + "/stall", 1);
  int64_t ms = MsSince(start);
  EXPECT_EQ(r.outcome, HttpOutcome::kTimedOut);
  EXPECT_EQ(r.body, "");
  EXPECT_GE(ms, 1000);
  EXPECT_LT(ms, 1500);
  // The pump ran throughout, in short slices.
  EXPECT_GE(pumps, 50);
  EXPECT_LE(longest, 10);
}

TEST_F(Http, DefaultWaitTimesOutWithoutAPump) {
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(HttpGet(server_.url() + "/stall", 1).outcome, HttpOutcome::kTimedOut);
  EXPECT_GE(MsSince(start), 1000);
  EXPECT_LT(MsSince(start), 1500);
}

TEST_F(Http, ZeroTimeOutGivesUpAfterTheFirstLook) {
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(HttpGet(server_.url() + "/stall", 0).outcome, HttpOutcome::kTimedOut);
  EXPECT_LT(MsSince(start), 200);
}

TEST_F(Http, AGetStartedFromThePumpRunsToItsEndInsideTheOuterWait) {
  HttpReply inner;
  bool nested = false;
  SetEventPump([&](int max_wait_ms) {
    if (!nested) {
      nested = true;
      inner = HttpGet(server_.url() + "/ok", 1);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(max_wait_ms));
  });
  auto start = std::chrono::steady_clock::now();
  HttpReply outer = HttpGet(server_.url() + "/stall", 1);
  EXPECT_EQ(outer.outcome, HttpOutcome::kTimedOut);
  EXPECT_LT(MsSince(start), 1500);
  EXPECT_EQ(inner.outcome, HttpOutcome::kComplete);
  EXPECT_EQ(inner.status, 200);
}

// Reports fired wait for the event loop to send them. The library opens with the first request
// that goes out and stays open for the run, through later rounds of reports and waits.
TEST_F(HttpLibrary, OpensWithTheFirstRequestSentAndStaysOpen) {
  const bool open_before = CurlIsOpen();
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    HttpFireAndForget(server_.url() + "/ok?a", 2);
    HttpFireAndForget(server_.url() + "/ok?b", 2);
    // Queued only: nothing is sent, nothing opened, before the event loop's turn.
    EXPECT_EQ(CurlIsOpen(), open_before || round > 0);
    // A wait whose pump sends the reports: they end inside it while the wait's own handles
    // are still in use.
    SetEventPump([&](int max_wait_ms) {
      PollFiredRequests();
      std::this_thread::sleep_for(std::chrono::milliseconds(max_wait_ms));
    });
    EXPECT_EQ(HttpGet(server_.url() + "/ok", 2).status, 200);
    SetEventPump(nullptr);
    EXPECT_TRUE(WaitForFiredRequests(5000));
    EXPECT_TRUE(CurlIsOpen());
  }
  EXPECT_EQ(server_.targets().size(), 6u);
}

TEST(HttpFailure, ClosedPortAndBadAddressesFailAtOnce) {
  const std::string urls[] = {
      "http://127.0.0.1:" + std::to_string(testing::ClosedPort()) + "/x",
      "file:///etc/hostname",
      "not a url",
  };
  for (const auto& url : urls) {
    SCOPED_TRACE(url);
    auto start = std::chrono::steady_clock::now();
    HttpReply r = HttpGet(url, 1);
    EXPECT_EQ(r.outcome, HttpOutcome::kFailed);
    EXPECT_FALSE(r.error.empty());
    EXPECT_LT(MsSince(start), 500);
  }
}

TEST_F(Http, LoopbackBypassesAProxyFromTheEnvironment) {
  const std::string proxy = "http://127.0.0.1:" + std::to_string(testing::ClosedPort());
  setenv("http_proxy", proxy.c_str(), 1);
  HttpReply r = HttpGet(server_.url() + "/ok", 1);
  unsetenv("http_proxy");
  EXPECT_EQ(r.outcome, HttpOutcome::kComplete);
}

TEST(ServerUrl, BuiltInUnlessOverridden) {
  EXPECT_EQ(ServerUrl(), XPEXAM_SERVER_URL);
  SetServerUrl("http://127.0.0.1:9");
  EXPECT_EQ(ServerUrl(), "http://127.0.0.1:9");
  SetServerUrl("");
  EXPECT_EQ(ServerUrl(), XPEXAM_SERVER_URL);
}

class Download : public Http {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("xpexam_dl_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    target_ = (dir_ / "170100.mxy").string();
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename().string());
    return names;
  }
  fs::path dir_;
  std::string target_;
};

TEST_F(Download, OnlyACompleteSuccessfulReplyReplacesTheFile) {
  struct Case {
    const char* path;
    bool ok;
  } cases[] = {
      {"/ok", true}, {"/redirect", true}, {"/missing", false}, {"/error", false},
      {"/cut", false}, {"/to-file", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    ASSERT_TRUE(WriteFileAtomic(target_, "old banner"));
    DownloadResult r = DownloadToFile(server_.url() + c.path, target_);
    EXPECT_EQ(r.ok, c.ok);
    EXPECT_EQ(*ReadFileBytes(target_), c.ok ? "  20240101 list \r\n" : "old banner");
    EXPECT_EQ(r.error.empty(), c.ok);
    // No temporary file is left behind either way.
    EXPECT_EQ(Entries(), std::vector<std::string>{"170100.mxy"});
  }
}

TEST_F(Download, CreatesAMissingFileAndFailsForAMissingFolder) {
  EXPECT_TRUE(DownloadToFile(server_.url() + "/ok", target_).ok);
  EXPECT_EQ(fs::status(target_).permissions() & fs::perms::others_read, fs::perms::others_read);
  EXPECT_FALSE(DownloadToFile(server_.url() + "/ok", (dir_ / "no" / "such.mxy").string()).ok);
}

TEST_F(Download, ClosedPortAndStalledServerGiveUp) {
  ASSERT_TRUE(WriteFileAtomic(target_, "old"));
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(
      DownloadToFile("http://127.0.0.1:" + std::to_string(testing::ClosedPort()) + "/x", target_).ok);
  EXPECT_LT(MsSince(start), 500);

  start = std::chrono::steady_clock::now();
  EXPECT_FALSE(DownloadToFile(server_.url() + "/stall", target_, {1, 1}).ok);
  EXPECT_LT(MsSince(start), 3000);
  EXPECT_EQ(*ReadFileBytes(target_), "old");
}

TEST_F(Download, TotalTimeAndSizeLimitsKeepTheOldFileAndTheWindowsAlive) {
  ASSERT_TRUE(WriteFileAtomic(target_, "old"));
  int pumps = 0;
  SetEventPump([&](int max_wait_ms) {
    ++pumps;
    std::this_thread::sleep_for(std::chrono::milliseconds(max_wait_ms));
  });
  // A server that never stops sending slowly would pass the low-speed test: the total time ends it.
  auto start = std::chrono::steady_clock::now();
  DownloadLimits slow;
  slow.total_seconds = 1;
  DownloadResult r = DownloadToFile(server_.url() + "/stall", target_, slow);
  EXPECT_FALSE(r.ok);
  EXPECT_GE(MsSince(start), 900);
  EXPECT_LT(MsSince(start), 3000);
  EXPECT_GT(pumps, 10);  // windows drawn and timers run while it waits

  DownloadLimits small;
  small.max_bytes = 10;
  r = DownloadToFile(server_.url() + "/ok", target_, small);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("larger"), std::string::npos) << r.error;
  EXPECT_EQ(*ReadFileBytes(target_), "old");
  EXPECT_EQ(Entries(), std::vector<std::string>{"170100.mxy"});
}

TEST(IsWebLink, OnlyHttpAndHttpsAddresses) {
  const std::pair<const char*, bool> cases[] = {
      {"http://www.example.invalid/", true}, {"HTTPS://x", true},  {"file:///etc/passwd", false},
      {"/etc/passwd", false},                {"javascript:x", false}, {"http:/x", false},
      {"http://", false},                    {" http://x", false},    {"", false},
  };
  for (const auto& [link, web] : cases) EXPECT_EQ(IsWebLink(link), web) << link;
}

}  // namespace
}  // namespace xpexam::platform
