#pragma once
// Shared pieces of the forms runtime's tests: a headless screen and an event log.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/headless.h"

namespace xpexam::forms::testing {

// Every test gets a fresh runtime on an 800 x 600 screen at 15 twips per pixel.
class FormsTest : public ::testing::Test {
 protected:
  HeadlessSession session_{800, 600};
  HeadlessBackend& in_ = session_.Input();
};

// Handlers append what happened; tests compare it with a table.
struct EventLog {
  std::vector<std::string> lines;
  void operator()(std::string line) { lines.push_back(std::move(line)); }
  void Clear() { lines.clear(); }
};

}  // namespace xpexam::forms::testing
