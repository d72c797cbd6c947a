// The kinds' rows agree with themselves: a column that reads the plan's paper or unit belongs to
// a kind that keeps one, and an end writes to the list its learner returns to.
#include "desktop/session_kind.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace xpexam::desktop {
namespace {

// Every kind with a row, found by asking for every value a kind can hold: a kind added with its
// row is checked without being listed here.
std::vector<std::pair<SessionKind, KindRow>> Rows() {
  std::vector<std::pair<SessionKind, KindRow>> rows;
  for (int v = std::numeric_limits<int16_t>::min(); v <= std::numeric_limits<int16_t>::max(); ++v) {
    const auto kind = static_cast<SessionKind>(v);
    if (const auto row = FindKindRow(kind)) rows.emplace_back(kind, *row);
  }
  return rows;
}

TEST(SessionKindRow, AnExamKeepsItsPaperAndTitlesItAsItsPaper) {
  for (const auto& [kind, row] : Rows()) {
    SCOPED_TRACE(static_cast<int>(kind));
    switch (row.exam) {
      case ExamPaper::kNone:
        EXPECT_NE(row.title, TitleStyle::kFixedPaper);
        EXPECT_NE(row.title, TitleStyle::kRandomPaper);
        break;
      case ExamPaper::kFixed:
      case ExamPaper::kRandom:
        EXPECT_EQ(row.keeps, KeptList::kPaper);
        EXPECT_EQ(row.title, row.exam == ExamPaper::kFixed ? TitleStyle::kFixedPaper : TitleStyle::kRandomPaper);
        // The score report leads back, to the papers; the practice's end has nowhere of its own.
        EXPECT_EQ(row.returnsTo, HomePanel::kNone);
        EXPECT_EQ(row.endWrites, EndRecords::kNothing);
        break;
    }
  }
}

// The title and the end read the paper or unit from listIndex, or from the slot's offset when the
// kind has a slot of its own; the plan must hold what they read.
TEST(SessionKindRow, WhatTheTitleAndTheEndReadIsKept) {
  for (const auto& [kind, row] : Rows()) {
    SCOPED_TRACE(static_cast<int>(kind));
    EXPECT_NE(row.title, TitleStyle::kKept);
    if (row.title == TitleStyle::kPaperWrong || row.title == TitleStyle::kRandomPaper ||
        row.endWrites == EndRecords::kPaperWrongQuestion) {
      EXPECT_EQ(row.keeps, KeptList::kPaper);
    }
    if (row.endWrites == EndRecords::kUnitProgressUndone) {
      EXPECT_EQ(row.keeps, KeptList::kUnit);
    }
    if (row.title == TitleStyle::kFixedPaper || row.title == TitleStyle::kWholeUnit ||
        row.endWrites == EndRecords::kUnitProgressWhole) {
      EXPECT_EQ(row.slot, KindSlot::kOwn);
    }
  }
}

// An end that writes a list's progress or flags returns the learner to that list's panel; a
// review of the bookmark list never adds to it.
TEST(SessionKindRow, TheEndWritesTheListItReturnsTo) {
  for (const auto& [kind, row] : Rows()) {
    SCOPED_TRACE(static_cast<int>(kind));
    switch (row.endWrites) {
      case EndRecords::kUnitProgressWhole:
      case EndRecords::kUnitProgressUndone: EXPECT_EQ(row.returnsTo, HomePanel::kUnits); break;
      case EndRecords::kBookmarkFlagsWhole:
      case EndRecords::kBookmarkFlagsUnreviewed: EXPECT_EQ(row.returnsTo, HomePanel::kBookmarks); break;
      case EndRecords::kWrongFlagsWhole:
      case EndRecords::kWrongFlagsUnreviewed: EXPECT_EQ(row.returnsTo, HomePanel::kWrongAnswers); break;
      case EndRecords::kPaperWrongQuestion:
      case EndRecords::kNothing: break;
    }
    EXPECT_EQ(row.appendsBookmarks, row.returnsTo != HomePanel::kBookmarks);
    EXPECT_EQ(row.returnsTo == HomePanel::kBookmarks, row.title == TitleStyle::kBookmarks);
    EXPECT_EQ(row.returnsTo == HomePanel::kWrongAnswers, row.title == TitleStyle::kWrongAnswers);
  }
}

}  // namespace
}  // namespace xpexam::desktop
