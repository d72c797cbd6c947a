#include "platform/http.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "platform/curl_api.h"
#include "platform/textfile.h"

#ifndef XPEXAM_SERVER_URL
#define XPEXAM_SERVER_URL "http://updates.invalid"
#endif

namespace xpexam::platform {
namespace {

// How long one wait of the GET loop may last: the delay before a reply is seen.
constexpr int kSliceMs = 10;
constexpr const char* kWebProtocols = "http,https";
// A proxy from the environment must not catch requests to this machine.
constexpr const char* kNoProxy = "localhost,127.0.0.0/8,::1";

std::string& ServerUrlSlot() {
  static std::string url = XPEXAM_SERVER_URL;
  return url;
}

EventPump& Pump() {
  static EventPump pump;
  return pump;
}

constexpr const char* kNoLibrary = "the HTTP library cannot be loaded";

struct EasyDeleter {
  const CurlApi* curl;
  void operator()(CURL* h) const { curl->easy_cleanup(h); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;

struct MultiDeleter {
  const CurlApi* curl;
  void operator()(CURLM* m) const { curl->multi_cleanup(m); }
};
using Multi = std::unique_ptr<CURLM, MultiDeleter>;

// Detaches the transfer even when the pump throws.
struct Attached {
  const CurlApi& curl;
  CURLM* multi;
  CURL* easy;
  ~Attached() { curl.multi_remove_handle(multi, easy); }
};

void AppendPercent(std::string& out, unsigned char c) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += '%';
  out += kHex[c >> 4];
  out += kHex[c & 15];
}

// Escapes what a URL may not carry as written (spaces, control and non-ASCII bytes),
// leaving "%" alone so that values already encoded stay as they are.
std::string EscapeUnsafe(std::string_view url) {
  constexpr std::string_view kUnsafe = "\"<>\\^`{|}";
  std::string out;
  out.reserve(url.size());
  for (unsigned char c : url) {
    if (c <= 0x20 || c >= 0x7F || kUnsafe.find(static_cast<char>(c)) != std::string_view::npos)
      AppendPercent(out, c);
    else
      out += static_cast<char>(c);
  }
  return out;
}

size_t AppendToString(char* data, size_t size, size_t count, void* user) {
  static_cast<std::string*>(user)->append(data, size * count);
  return size * count;
}

struct FileSink {
  int fd = -1;
  long long written = 0;
  long long max_bytes = 0;
  bool too_big = false;
};

size_t WriteToSink(char* data, size_t size, size_t count, void* user) {
  FileSink& sink = *static_cast<FileSink*>(user);
  const int fd = sink.fd;
  size_t total = size * count;
  // A reply without a length is stopped here, as soon as it passes the limit.
  if (sink.written + static_cast<long long>(total) > sink.max_bytes) {
    sink.too_big = true;
    return 0;
  }
  sink.written += static_cast<long long>(total);
  size_t done = 0;
  while (done < total) {
    ssize_t w = ::write(fd, data + done, total - done);
    if (w < 0) {
      if (errno == EINTR) continue;
      return 0;  // makes curl abandon the transfer
    }
    done += static_cast<size_t>(w);
  }
  return total;
}

// Options shared by every request; false when the handle cannot take them.
bool SetCommonOptions(const CurlApi& curl, CURL* h, const std::string& url, char* error_buffer) {
  std::string escaped = EscapeUnsafe(url);
  return curl.easy_setopt(h, CURLOPT_ERRORBUFFER, error_buffer) == CURLE_OK &&
         curl.easy_setopt(h, CURLOPT_URL, escaped.c_str()) == CURLE_OK &&
         curl.easy_setopt(h, CURLOPT_NOSIGNAL, 1L) == CURLE_OK &&
         curl.easy_setopt(h, CURLOPT_NOPROXY, kNoProxy) == CURLE_OK &&
         curl.easy_setopt(h, CURLOPT_PROTOCOLS_STR, kWebProtocols) == CURLE_OK &&
         curl.easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, kWebProtocols) == CURLE_OK &&
         curl.easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L) == CURLE_OK &&
         curl.easy_setopt(h, CURLOPT_MAXREDIRS, 5L) == CURLE_OK;
}

std::string ErrorText(const CurlApi& curl, CURLcode code, const char* buffer) {
  return buffer[0] ? std::string(buffer) : std::string(curl.easy_strerror(code));
}

size_t Discard(char*, size_t size, size_t count, void*) { return size * count; }

// Requests sent without waiting for them. They wait for the event loop (PollFiredRequests),
// which starts them once the frame of the moment is on screen, so that a report at start never
// delays the home screen; they then share one multi handle advanced between events, on the
// program's one thread. The multi handle, made with the first of them, lasts for the run.
struct Fired {
  std::vector<std::pair<std::string, int>> queued;  // url, time-out in seconds
  CURLM* multi = nullptr;
  int in_flight = 0;
};
Fired& FiredRequests() {
  // Never destroyed: cleaning up the library is no work for the program's exit.
  static Fired* fired = new Fired;
  return *fired;
}

struct Transfer {
  bool timed_out = false;
  CURLcode code = CURLE_OK;
};

// Drives the one transfer attached to multi until it ends or the deadline passes, running the
// event pump between slices so that windows are drawn and timers fire meanwhile.
Transfer RunTransfer(const CurlApi& curl, CURLM* multi, CURL* easy, std::chrono::steady_clock::time_point deadline,
                     bool pump_events = true) {
  using Clock = std::chrono::steady_clock;
  // A copy, so that a pump that replaces itself does not pull the ground from under us.
  const EventPump pump = pump_events ? Pump() : EventPump();
  for (;;) {
    int running = 0;
    curl.multi_perform(multi, &running);
    int queued = 0;
    if (CURLMsg* msg = curl.multi_info_read(multi, &queued); msg && msg->msg == CURLMSG_DONE && msg->easy_handle == easy)
      return {false, msg->data.result};
    auto remaining = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (remaining <= 0) return {true, CURLE_OPERATION_TIMEDOUT};
    long curl_wants = -1;
    curl.multi_timeout(multi, &curl_wants);
    long wait = std::min<long>(kSliceMs, remaining);
    if (curl_wants >= 0) wait = std::min(wait, curl_wants);
    if (pump)
      pump(static_cast<int>(wait));
    else
      curl.multi_poll(multi, nullptr, 0, static_cast<int>(wait), nullptr);
  }
}

}  // namespace

const std::string& ServerUrl() { return ServerUrlSlot(); }

void SetServerUrl(std::string url) {
  ServerUrlSlot() = url.empty() ? std::string(XPEXAM_SERVER_URL) : std::move(url);
}

void SetEventPump(EventPump pump) { Pump() = std::move(pump); }

void PumpEvents(int max_wait_ms) {
  max_wait_ms = std::max(max_wait_ms, 0);
  // A copy, for the same reason as in HttpGet.
  const EventPump pump = Pump();
  if (pump)
    pump(max_wait_ms);
  else if (max_wait_ms > 0)
    std::this_thread::sleep_for(std::chrono::milliseconds(max_wait_ms));
}

HttpReply HttpGet(const std::string& url, int timeout_seconds) {
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::seconds(std::max(timeout_seconds, 0));
  HttpReply reply;
  const CurlApi* api = Curl();
  if (!api) {
    reply.error = kNoLibrary;
    return reply;
  }
  const CurlApi& curl = *api;
  char error_buffer[CURL_ERROR_SIZE] = {};

  Easy easy(curl.easy_init(), EasyDeleter{&curl});
  Multi owner(curl.multi_init(), MultiDeleter{&curl});
  CURLM* multi = owner.get();
  if (!easy || !multi || !SetCommonOptions(curl, easy.get(), url, error_buffer) ||
      curl.easy_setopt(easy.get(), CURLOPT_WRITEFUNCTION, AppendToString) != CURLE_OK ||
      curl.easy_setopt(easy.get(), CURLOPT_WRITEDATA, &reply.body) != CURLE_OK ||
      curl.multi_add_handle(multi, easy.get()) != CURLM_OK) {
    reply.error = "cannot create the request";
    return reply;
  }
  Attached attached{curl, multi, easy.get()};

  const Transfer t = RunTransfer(curl, multi, easy.get(), deadline);
  if (t.timed_out) {
    reply.outcome = HttpOutcome::kTimedOut;
    reply.body.clear();
  } else if (t.code == CURLE_OK) {
    reply.outcome = HttpOutcome::kComplete;
    curl.easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &reply.status);
  } else {
    reply.error = ErrorText(curl, t.code, error_buffer);
    reply.body.clear();
  }
  return reply;
}

void HttpFireAndForget(const std::string& url, int timeout_seconds) {
  FiredRequests().queued.emplace_back(url, timeout_seconds);
}

namespace {

// Hands the queued requests to the library, opening it; those it cannot take are dropped, as
// an unreachable server would drop them.
void StartQueued(Fired& f) {
  const CurlApi* api = Curl();
  if (api && !f.multi) f.multi = api->multi_init();
  for (const auto& [url, timeout_seconds] : f.queued) {
    if (!api || !f.multi) break;
    const CurlApi& curl = *api;
    Easy easy(curl.easy_init(), EasyDeleter{&curl});
    if (!easy || !SetCommonOptions(curl, easy.get(), url, nullptr) ||
        curl.easy_setopt(easy.get(), CURLOPT_WRITEFUNCTION, Discard) != CURLE_OK ||
        curl.easy_setopt(easy.get(), CURLOPT_TIMEOUT_MS, std::max(timeout_seconds, 1) * 1000L) != CURLE_OK ||
        curl.multi_add_handle(f.multi, easy.get()) != CURLM_OK)
      continue;
    easy.release();
    ++f.in_flight;
  }
  f.queued.clear();
}

}  // namespace

bool PollFiredRequests() {
  Fired& f = FiredRequests();
  if (!f.queued.empty()) StartQueued(f);
  if (f.in_flight == 0) return false;
  const CurlApi& curl = *Curl();
  int running = 0;
  curl.multi_perform(f.multi, &running);
  int queued = 0;
  while (CURLMsg* msg = curl.multi_info_read(f.multi, &queued)) {
    if (msg->msg != CURLMSG_DONE) continue;
    CURL* done = msg->easy_handle;
    curl.multi_remove_handle(f.multi, done);
    curl.easy_cleanup(done);
    --f.in_flight;
  }
  return f.in_flight > 0;
}

bool WaitForFiredRequests(int timeout_ms) {
  using Clock = std::chrono::steady_clock;
  const auto end = Clock::now() + std::chrono::milliseconds(std::max(timeout_ms, 0));
  while (PollFiredRequests()) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now()).count();
    if (left <= 0) return false;
    Fired& f = FiredRequests();
    Curl()->multi_poll(f.multi, nullptr, 0, static_cast<int>(std::min<long>(left, kSliceMs)), nullptr);
  }
  return true;
}

DownloadResult DownloadToFile(const std::string& url, const std::string& path, DownloadLimits limits) {
  DownloadResult result;
  const CurlApi* api = Curl();
  if (!api) {
    result.error = kNoLibrary;
    return result;
  }
  const CurlApi& curl = *api;
  const std::string target = ResolvePath(path);
  std::string temp = target + ".partXXXXXX";
  FileSink sink;
  sink.fd = mkstemp(temp.data());
  if (sink.fd < 0) {
    result.error = "cannot create a file beside " + target;
    return result;
  }
  ::fcntl(sink.fd, F_SETFD, FD_CLOEXEC);
  sink.max_bytes = std::max(limits.max_bytes, 0LL);

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(std::max(limits.total_seconds, 0));
  char error_buffer[CURL_ERROR_SIZE] = {};
  Easy easy(curl.easy_init(), EasyDeleter{&curl});
  Multi owner(curl.multi_init(), MultiDeleter{&curl});
  Transfer t{false, CURLE_FAILED_INIT};
  if (easy && owner && SetCommonOptions(curl, easy.get(), url, error_buffer) &&
      curl.easy_setopt(easy.get(), CURLOPT_WRITEFUNCTION, WriteToSink) == CURLE_OK &&
      curl.easy_setopt(easy.get(), CURLOPT_WRITEDATA, &sink) == CURLE_OK &&
      curl.easy_setopt(easy.get(), CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(sink.max_bytes)) == CURLE_OK &&
      curl.easy_setopt(easy.get(), CURLOPT_CONNECTTIMEOUT, static_cast<long>(limits.connect_timeout_seconds)) ==
          CURLE_OK &&
      curl.easy_setopt(easy.get(), CURLOPT_LOW_SPEED_LIMIT, 100L) == CURLE_OK &&
      curl.easy_setopt(easy.get(), CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.low_speed_seconds)) ==
          CURLE_OK &&
      curl.multi_add_handle(owner.get(), easy.get()) == CURLM_OK) {
    Attached attached{curl, owner.get(), easy.get()};
    t = RunTransfer(curl, owner.get(), easy.get(), deadline, limits.pump_events);
    curl.easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &result.status);
  }

  bool ok = !t.timed_out && t.code == CURLE_OK && result.status >= 200 && result.status < 300;
  if (t.timed_out)
    result.error = "took longer than " + std::to_string(limits.total_seconds) + " s";
  else if (sink.too_big || t.code == CURLE_FILESIZE_EXCEEDED)
    result.error = "larger than " + std::to_string(sink.max_bytes) + " bytes";
  else if (t.code != CURLE_OK)
    result.error = ErrorText(curl, t.code, error_buffer);
  else if (!ok)
    result.error = "HTTP status " + std::to_string(result.status);
  if (ok && ::fsync(sink.fd) != 0) {
    ok = false;
    result.error = "cannot write " + temp;
  }
  // mkstemp makes the file private; downloads are ordinary user files.
  if (ok) ::fchmod(sink.fd, 0644);
  if (::close(sink.fd) != 0 && ok) {
    ok = false;
    result.error = "cannot write " + temp;
  }
  if (ok && std::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    result.error = "cannot replace " + target;
  }
  if (!ok) ::unlink(temp.c_str());
  result.ok = ok;
  return result;
}

std::string UrlEncode(std::string_view value) {
  std::string out;
  out.reserve(value.size() * 3);
  for (unsigned char c : value) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
        c == '.' || c == '~') {
      out += static_cast<char>(c);
    } else {
      AppendPercent(out, c);
    }
  }
  return out;
}

}  // namespace xpexam::platform
