#include "platform/osversion.h"

#include <gtest/gtest.h>

#include <regex>

namespace xpexam::platform {
namespace {

TEST(OsVersion, MajorAndMinorOfTheKernelRelease) {
  struct Case {
    const char* release;
    const char* version;
  } cases[] = {
      {"6.1.0-18-amd64", "6.1"}, {"5.15.0", "5.15"}, {"4.09-rc1", "4.9"}, {"10.0", "10.0"},
      {"6", "Unknown"},          {"6.", "Unknown"},  {".1", "Unknown"},   {"", "Unknown"},
      {"v6.1", "Unknown"},
  };
  for (const auto& c : cases) EXPECT_EQ(OsVersionFromRelease(c.release), c.version) << c.release;
  EXPECT_TRUE(std::regex_match(OsVersion(), std::regex("[0-9]+\\.[0-9]+"))) << OsVersion();
}

}  // namespace
}  // namespace xpexam::platform
