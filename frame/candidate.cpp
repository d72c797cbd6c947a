#include "frame/candidate.h"

namespace xpexam::frame {
namespace {
Candidate& Instance() {
  static Candidate the;
  return the;
}
}  // namespace

const Candidate& candidate() { return Instance(); }
Candidate& editCandidate() { return Instance(); }

}  // namespace xpexam::frame
