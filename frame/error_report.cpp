#include "frame/error_report.h"

#include <cstdio>
#include <set>

#include "frame/installation.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/failure.h"
#include "platform/http.h"
#include "platform/strings.h"
#include "platform/textfile.h"

namespace xpexam::frame {
namespace {

// What the request component answers for a request that reached no server.
constexpr long kErrRequestFailed = -2146697211;

// Set while ReportError runs: a report never causes another report.
int g_report_depth = 0;

struct InReport {
  InReport() { ++g_report_depth; }
  ~InReport() { --g_report_depth; }
  InReport(const InReport&) = delete;
  InReport& operator=(const InReport&) = delete;
};

// One damaged line can fail thousands of times: a report goes out once per run, and only
// so many go out in all (the log keeps a few more).
constexpr size_t kMaxSentReports = 20;
constexpr size_t kMaxLoggedReports = 200;
constexpr int kReportTimeoutSeconds = 10;

ErrorLog& Log() {
  static ErrorLog the;
  return the;
}

std::set<std::string>& SeenReports() {
  static std::set<std::string> seen;
  return seen;
}

// Line breaks of the log are CRLF whatever the text carries.
std::string CrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

}  // namespace

const ErrorLog& errorLog() { return Log(); }
ErrorLog& editErrorLog() { return Log(); }

void InitErrorReport() {
  ForgetErrorReports();
  platform::SetFailureReporter([](std::string_view tag, long number, std::string_view description) {
    editErrorLog().RecordTrapped({std::string(tag), static_cast<int32_t>(number), std::string(description)});
    const TrappedError& trapped = errorLog().lastError();
    ReportError(trapped.proc, trapped.number, trapped.description, "");
  });
}

std::string ErrorReportUrl(std::string_view tag, int32_t number, std::string_view description,
                           std::string_view extra) {
  const Installation& inst = installation();
  using platform::UrlEncode;
  // Values are encoded: a "&", "#" or "%" in a description must not cut the request short.
  return platform::ServerUrl() + "/up/error/submit.asp?pronm=" + UrlEncode(inst.moduleName()) +
         "&pver=" + UrlEncode(inst.bankVersion()) + "&osver=" + UrlEncode(inst.osVersion()) + "&errsub=" + UrlEncode(tag) +
         "&errno=" + platform::Str(number) + "&errdescript=" + UrlEncode(std::string(description) + std::string(extra));
}

void ForgetErrorReports() { SeenReports().clear(); }

void ReportError(std::string_view tag, int32_t number, std::string_view description, std::string_view extra) {
  InReport guard;
  std::set<std::string>& seen = SeenReports();
  if (seen.size() >= kMaxLoggedReports) return;
  if (!seen.insert(std::string(tag) + '\0' + std::string(description) + '\0' + std::string(extra)).second) return;
  // Sent without waiting: the learner never waits for the maker's server. Queuing cannot fail.
  if (seen.size() <= kMaxSentReports)
    platform::HttpFireAndForget(ErrorReportUrl(tag, number, description, extra), kReportTimeoutSeconds);
  AppendLog(errorLog().logFile(), "软件运行提示:" + std::string(tag) + std::string(description) + "\r\n" + "系统版本:" +
                                       installation().osVersion() + ",软件版本:" + installation().bankVersion() + "," +
                                       platform::Str(number) + "\r\n");
}

void AppendLog(const std::string& path, std::string_view text) {
  if (path.empty()) return;
  const std::string entry = "\r\n" + platform::FormatDateTime(platform::Now()) + "\r\n" + CrLf(platform::Trim(text)) + "\r\n";
  const std::string bytes = platform::Utf8ToGbk(entry);
  // One write in append mode: earlier entries are never rewritten, so never lost. A log that
  // cannot be opened is left out.
  std::FILE* f = std::fopen(platform::ResolvePath(path).c_str(), "ab");
  if (!f) return;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

std::string HttpGetWithTimeout(const std::string& url, int16_t timeout_seconds) {
  auto report = [](long number, const std::string& description) {
    if (g_report_depth == 0) platform::ReportFailure(kHttpGetFailureTag, number, description);
  };
  platform::HttpReply reply;
  try {
    reply = platform::HttpGet(url, timeout_seconds);
  } catch (const std::exception& e) {
    // The pump's handlers report their own failures; anything left is the request's.
    report(platform::kErrInvalidCall, e.what());
    return std::string(kTimeoutText);
  }
  switch (reply.outcome) {
    case platform::HttpOutcome::kComplete:
      return platform::Trim(platform::GbkToUtf8(reply.body));
    case platform::HttpOutcome::kTimedOut:
      return std::string(kTimeoutText);
    case platform::HttpOutcome::kFailed:
      break;
  }
  // No reply will ever come: the caller hears what a wait that ran out tells it.
  report(kErrRequestFailed, reply.error);
  return std::string(kTimeoutText);
}

}  // namespace xpexam::frame
