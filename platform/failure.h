#pragma once
// The failure convention: a failing statement never stops the procedure that runs it.
// A statement that fails throws Failure; the procedure runs each statement through Try
// (skip it silently) or TryReport (report it under the procedure's tag, then go on).
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace xpexam::platform {

// Error numbers as they appear in reports and the session log.
enum ErrorNumber : long {
  kErrInvalidCall = 5,
  kErrOverflow = 6,
  kErrSubscript = 9,
  kErrTypeMismatch = 13,
  kErrFileNotFound = 53,
  kErrFileIo = 75,
  kErrPathNotFound = 76,
  kErrInvalidPicture = 481,
};

class Failure : public std::runtime_error {
 public:
  Failure(long number, const std::string& description)
      : std::runtime_error(description), number_(number) {}
  long number() const { return number_; }

 private:
  long number_;
};

[[noreturn]] void Fail(long number, const std::string& description);

// Who hears about reported failures: the error report of the frame installs itself here.
using FailureReporter = std::function<void(std::string_view tag, long number, std::string_view description)>;
void SetFailureReporter(FailureReporter reporter);

// Reports a failure caught by TryReport; does nothing when no reporter is installed.
void ReportFailure(std::string_view tag, long number, std::string_view description);

// Where a failure of the statement running now goes: Try drops it, TryReport reports it under
// its tag, the forms runtime reports a failure that leaves a handler as unhandled. Taken while a
// statement runs, it lets a failure found later on the statement's behalf (a picture whose body
// turns out damaged only when it is first drawn) go where the statement's own would have gone.
struct FailureRoute {
  enum Kind : uint8_t { kUnguarded, kSilent, kReported, kUnhandled };
  Kind kind = kUnguarded;
  std::string tag;  // for kReported
};
FailureRoute CurrentFailureRoute();

namespace detail {
// One guard on the dynamic chain of guards of the running statements, innermost last.
struct RouteScope {
  RouteScope(FailureRoute::Kind kind, std::string_view tag) : kind(kind), tag(tag), outer(innermost) {
    innermost = this;
  }
  ~RouteScope() { innermost = outer; }
  RouteScope(const RouteScope&) = delete;
  RouteScope& operator=(const RouteScope&) = delete;
  FailureRoute::Kind kind;
  std::string_view tag;
  RouteScope* outer;
  static inline thread_local RouteScope* innermost = nullptr;
};
}  // namespace detail

// Runs one statement; a Failure (or any standard exception) skips it. True when it completed.
// Anything else (the forms runtime's program end) passes through to the caller.
//
// Wrap only a statement that can fail. What can: loading or decoding a picture (file missing,
// not a picture, out of memory); a bounded array index or a 16/32-bit conversion out of range;
// file and network I/O; a form's Move or size while minimised or maximised; a negative width or
// height; a font size of 0 or less (a zero scale); a property value outside its range (mouse
// pointer, window state, alignment, shape and line styles, check box value, text selection);
// SetFocus on a hidden or disabled control; the first reference to a window, by what its
// constructor does (that runs in the referring statement; its Form_Load does not). What cannot:
// captions and texts, colours, back styles, visibility, enabling (timers too), top-most and
// z-order, a control's Move of non-negative sizes, and a call that raises handlers (Show,
// ShowModal, Unload, MsgBox, a window's load, a check box value in range): it fails only by what
// it does itself, as the runtime reports its handlers' failures and they never reach the caller.
template <class F>
bool Try(F&& statement) {
  try {
    const detail::RouteScope route(FailureRoute::kSilent, {});
    std::forward<F>(statement)();
    return true;
  } catch (const Failure&) {
  } catch (const std::exception&) {
  }
  return false;
}

// A run of statements that must each survive: each runs under Try, in order, whatever the
// ones before it did. True when all completed.
template <class... F>
bool TryEach(F&&... statements) {
  bool all = true;
  ((all = Try(std::forward<F>(statements)) && all), ...);
  return all;
}

// Runs one statement; a failure is reported under the procedure's tag, then the caller goes on.
template <class F>
bool TryReport(std::string_view tag, F&& statement) {
  try {
    const detail::RouteScope route(FailureRoute::kReported, tag);
    std::forward<F>(statement)();
    return true;
  } catch (const Failure& f) {
    ReportFailure(tag, f.number(), f.what());
  } catch (const std::bad_alloc&) {
    ReportFailure(tag, 7, "Out of memory");
  } catch (const std::exception& e) {
    ReportFailure(tag, kErrInvalidCall, e.what());
  }
  return false;
}

}  // namespace xpexam::platform
