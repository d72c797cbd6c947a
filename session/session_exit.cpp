#include "session/session_exit.h"

namespace xpexam::session {
namespace {
SessionExit& Instance() {
  static SessionExit the;
  return the;
}
}  // namespace

const SessionExit& sessionExit() { return Instance(); }
SessionExit& editSessionExit() { return Instance(); }

}  // namespace xpexam::session
