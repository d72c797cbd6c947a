#pragma once
// The error report, the session log and the HTTP helper: window-less services any window
// may call. A failure trapped by TryReport(tag, ...) lands in ReportError once
// InitErrorReport has run.
#include <cstdint>
#include <string>
#include <string_view>

namespace xpexam::frame {

// A failure as TryReport trapped it.
struct TrappedError {
  std::string proc;  // the tag of the report
  int32_t number = 0;
  std::string description;
};

// This run's session log and the last trapped failure. The start-up names the log; the
// reporter that InitErrorReport installs records each trapped failure. Everyone reads it
// through errorLog().
class ErrorLog {
 public:
  // Empty until the start-up names it: reports before that are sent, not logged.
  const std::string& logFile() const { return logFile_; }
  const TrappedError& lastError() const { return lastError_; }

  void NameLogFile(std::string path) { logFile_ = std::move(path); }
  void RecordTrapped(TrappedError error) { lastError_ = std::move(error); }
  // Everything back to its start value.
  void Reset() { *this = ErrorLog(); }

 private:
  std::string logFile_;
  TrappedError lastError_;
};

const ErrorLog& errorLog();
ErrorLog& editErrorLog();

// What HttpGetWithTimeout returns when its wait runs out.
inline constexpr std::string_view kTimeoutText = "error-timeout，网络状况不好，请重试！";

// Makes ReportError the receiver of every reported failure: the failure's tag, number and
// description become the error log's last trapped failure, then go to ReportError.
void InitErrorReport();

// Sends the error to the maker's error page without waiting for it and appends it to the
// session log when that is named. A report already made in this run (same tag and
// texts) is dropped; after 20 different ones nothing more is sent, after 200 nothing more is
// logged. Never fails to its caller.
void ReportError(std::string_view tag, int32_t number, std::string_view description, std::string_view extra);
// Starts the once-per-run bookkeeping afresh (for tests).
void ForgetErrorReports();

// Appends an empty line, the local time and the trimmed text to the file at path, in GBK
// with CRLF line ends. Never fails to its caller; with an empty path or a missing folder
// nothing is written.
void AppendLog(const std::string& path, std::string_view text);

// The procedure name HttpGetWithTimeout's failures are logged and reported under, as the error
// log and the report server know it.
inline constexpr std::string_view kHttpGetFailureTag = "getHtmlStr";

// GET of url: the reply body decoded from GBK and trimmed (whatever the status), or
// kTimeoutText when no reply came within timeout_seconds. Window events are pumped while it
// waits. Failures are reported under kHttpGetFailureTag, except inside a report.
std::string HttpGetWithTimeout(const std::string& url, int16_t timeout_seconds);

// The error page's URL for one report, query values percent-encoded.
std::string ErrorReportUrl(std::string_view tag, int32_t number, std::string_view description,
                           std::string_view extra);

}  // namespace xpexam::frame
