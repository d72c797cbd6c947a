#include "platform/failure.h"

#include <gtest/gtest.h>

#include "platform/bounded.h"

namespace xpexam::platform {
namespace {

struct Report {
  std::string tag;
  long number;
  std::string description;
  friend bool operator==(const Report&, const Report&) = default;
};

class FailureConvention : public ::testing::Test {
 protected:
  void SetUp() override {
    SetFailureReporter([this](std::string_view tag, long number, std::string_view description) {
      reports_.push_back({std::string(tag), number, std::string(description)});
    });
  }
  void TearDown() override { SetFailureReporter(nullptr); }
  std::vector<Report> reports_;
};

TEST_F(FailureConvention, TrySkipsTheFailingStatementSilently) {
  std::vector<int> done;
  EXPECT_TRUE(Try([&] { done.push_back(1); }));
  EXPECT_FALSE(Try([&] {
    Fail(kErrFileNotFound, "File not found");
    done.push_back(2);
  }));
  EXPECT_FALSE(Try([&] { throw std::out_of_range("x"); }));
  EXPECT_TRUE(Try([&] { done.push_back(3); }));
  EXPECT_EQ(done, (std::vector<int>{1, 3}));
  EXPECT_TRUE(reports_.empty());
}

TEST_F(FailureConvention, TryEachRunsEveryStatementInOrderPastAFailingOne) {
  std::vector<int> done;
  EXPECT_FALSE(TryEach([&] { done.push_back(1); }, [&] { Fail(kErrSubscript, "Subscript out of range"); },
                       [&] { done.push_back(3); }, [&] { throw std::out_of_range("x"); }, [&] { done.push_back(5); }));
  EXPECT_EQ(done, (std::vector<int>{1, 3, 5}));
  EXPECT_TRUE(TryEach([&] { done.push_back(6); }, [&] { done.push_back(7); }));
  EXPECT_EQ(done, (std::vector<int>{1, 3, 5, 6, 7}));
  EXPECT_TRUE(reports_.empty());
}

TEST_F(FailureConvention, TryReportReportsOnceUnderTheTag) {
  EXPECT_FALSE(TryReport("readInfo", [] { Fail(kErrFileNotFound, "File not found"); }));
  EXPECT_TRUE(TryReport("readInfo", [] {}));
  EXPECT_FALSE(TryReport("tkup", [] { throw std::runtime_error("broken"); }));
  EXPECT_EQ(reports_, (std::vector<Report>{{"readInfo", 53, "File not found"}, {"tkup", 5, "broken"}}));
}

TEST_F(FailureConvention, AReportThatFailsIsNeverReportedAgain) {
  int calls = 0;
  SetFailureReporter([&](std::string_view, long, std::string_view) {
    ++calls;
    // The reporter's own statements follow the convention too.
    TryReport("getHtmlStr", [] { Fail(kErrFileIo, "Path/File access error"); });
    Fail(kErrFileIo, "Path/File access error");
  });
  EXPECT_FALSE(TryReport("upload", [] { Fail(kErrOverflow, "Overflow"); }));
  EXPECT_EQ(calls, 1);
  // The next failure is reported again.
  EXPECT_FALSE(TryReport("upload", [] { Fail(kErrOverflow, "Overflow"); }));
  EXPECT_EQ(calls, 2);
}

TEST_F(FailureConvention, NoReporterInstalledIsQuiet) {
  SetFailureReporter(nullptr);
  EXPECT_FALSE(TryReport("startload", [] { Fail(kErrOverflow, "Overflow"); }));
}

// The program's end is no failure: it leaves every statement wrapper up to the event loop.
TEST_F(FailureConvention, ProgramEndPassesThroughBothWrappers) {
  struct Ended {};
  int after = 0;
  EXPECT_THROW(Try([&] {
                 throw Ended{};
                 ++after;
               }),
               Ended);
  EXPECT_THROW(TryReport("startload", [] { throw Ended{}; }), Ended);
  EXPECT_EQ(after, 0);
  EXPECT_TRUE(reports_.empty());
}

TEST(BoundedArray, IndexOutsideTheBoundsIsFailureNine) {
  BoundedArray<int, 1, 500> a;
  BoundedArray2<std::string, 1, 500, 0, 6> ids;
  a[1] = 7;
  a[500] = 8;
  ids(500, 6) = "888888";
  EXPECT_EQ(a[1] + a[500], 15);
  EXPECT_EQ(ids(500, 6), "888888");
  EXPECT_EQ(ids(1, 0), "");
  for (long i : {0L, 501L, -1L}) {
    try {
      a[i] = 1;
      ADD_FAILURE() << i;
    } catch (const Failure& f) {
      EXPECT_EQ(f.number(), kErrSubscript);
    }
  }
  EXPECT_THROW(ids(0, 0), Failure);
  EXPECT_THROW(ids(1, 7), Failure);
  EXPECT_THROW(ids(1, -1), Failure);
  const auto& ca = a;
  EXPECT_THROW((void)ca[501], Failure);
  EXPECT_FALSE(Try([&] { a[501] = 9; }));
}

}  // namespace
}  // namespace xpexam::platform
