#pragma once
// HTTP for the error report and the update: a GET that keeps the program's windows alive while
// it waits, and a download to a file that never leaves a half-written file behind.
#include <functional>
#include <string>
#include <string_view>

namespace xpexam::platform {

// The maker's server (scheme and host, no trailing "/"). Built in from XPEXAM_SERVER_URL;
// tests point it at a loopback server. An empty text restores the built-in address.
const std::string& ServerUrl();
void SetServerUrl(std::string url);

// Called repeatedly while a GET waits. It handles pending window events and timers and may
// sleep, but at most max_wait_ms. An empty pump restores the default, which only waits for
// network activity (at most max_wait_ms).
using EventPump = std::function<void(int max_wait_ms)>;
void SetEventPump(EventPump pump);
// Runs the installed pump once (the system's DoEvents, with a wait of at most max_wait_ms);
// without a pump it only sleeps max_wait_ms.
void PumpEvents(int max_wait_ms);

enum class HttpOutcome {
  kComplete,  // a reply arrived, whatever its status
  kTimedOut,  // the wait ran out; the request was abandoned
  kFailed,    // no reply: bad address, refused connection, forbidden redirect, ...
};

struct HttpReply {
  HttpOutcome outcome = HttpOutcome::kFailed;
  long status = 0;    // HTTP status of a complete reply
  std::string body;   // raw bytes of a complete reply (error pages included)
  std::string error;  // what went wrong, for kFailed
};

// GET of url, waiting at most timeout_seconds from the send (0 or less: one test only).
// The reply is first looked for before the pump runs. The pump may itself start a GET;
// the nested one ends before this one goes on waiting.
HttpReply HttpGet(const std::string& url, int timeout_seconds);

// Sends a GET of url and returns at once; the reply is ignored. The request is sent and goes on
// while the event loop runs (PollFiredRequests) and is abandoned timeout_seconds after it was
// sent, so nobody waits.
void HttpFireAndForget(const std::string& url, int timeout_seconds);
// Sends the requests queued by HttpFireAndForget and advances those sent, without blocking;
// true while any is left. The event loop calls it between events, after presenting a frame.
bool PollFiredRequests();
// Waits until every request sent by HttpFireAndForget has ended, at most timeout_ms; true
// when none is left. For tests and orderly exits.
bool WaitForFiredRequests(int timeout_ms);

struct DownloadLimits {
  int connect_timeout_seconds = 15;
  // The download is abandoned when fewer than 100 bytes a second arrive for this long.
  int low_speed_seconds = 30;
  // ... when the whole transfer lasts longer than this,
  int total_seconds = 300;
  // ... and when the reply grows past this many bytes.
  long long max_bytes = 64LL << 20;
  // Whether the event pump runs while it waits; off where a window is still being loaded.
  bool pump_events = true;
};

struct DownloadResult {
  bool ok = false;  // a complete 2xx reply is now the file
  long status = 0;
  std::string error;
};

// Downloads url to path (resolved as by ResolvePath). The reply goes to a temporary file in
// the same folder which replaces the target only after a complete 2xx reply within the
// limits; otherwise the old file stays whole. The event pump runs while it waits, as in HttpGet.
DownloadResult DownloadToFile(const std::string& url, const std::string& path, DownloadLimits limits = {});

// Percent-encodes a query value: UTF-8 bytes, every byte but A-Z a-z 0-9 - _ . ~ as %XX.
std::string UrlEncode(std::string_view value);

}  // namespace xpexam::platform
