#include "platform/failure.h"

namespace xpexam::platform {
namespace {
FailureReporter& Reporter() {
  static FailureReporter reporter;
  return reporter;
}
// A report that fails must never cause another report.
bool g_reporting = false;
}  // namespace

void Fail(long number, const std::string& description) { throw Failure(number, description); }

FailureRoute CurrentFailureRoute() {
  const detail::RouteScope* scope = detail::RouteScope::innermost;
  if (!scope) return {};
  return {scope->kind, scope->kind == FailureRoute::kReported ? std::string(scope->tag) : std::string()};
}

void SetFailureReporter(FailureReporter reporter) { Reporter() = std::move(reporter); }

void ReportFailure(std::string_view tag, long number, std::string_view description) {
  if (g_reporting || !Reporter()) return;
  g_reporting = true;
  try {
    Reporter()(tag, number, description);
  } catch (...) {
  }
  g_reporting = false;
}

}  // namespace xpexam::platform
