#pragma once
// What kind of session runs, and every fact the program asks of a kind: one row a kind.
//
// A question about a kind (is it an exam, how is it titled, where does the learner return,
// what does its end write) reads a column of its row and never compares the kind itself. A new
// kind needs its enumerator and its row in FindKindRow (session_kind.cpp), whose switch has no
// default so that the build names the place; a start that chooses it fills in a SessionRequest.
#include <cstdint>
#include <optional>

namespace xpexam::desktop {

// The numbers are the ones the session slot adds up and the record files are named by.
enum class SessionKind : int16_t {
  kFixedPaper = 0,              // timed exam over a fixed paper
  kPaperWrong = 2,              // the wrong answers of one paper
  kUnitDone = 5,                // questions of a unit already done
  kUnitNotDone = 6,             // questions of a unit not yet done
  kRandomPaper = 8,             // timed exam over a random paper
  kBookmarksAll = 9,            // bookmarked questions: all, not yet reviewed, reviewed
  kBookmarksNotReviewed = 10,
  kBookmarksReviewed = 11,
  kWrongAll = 12,               // wrong answers: all, not yet reviewed, reviewed
  kWrongNotReviewed = 13,
  kWrongReviewed = 14,
  kUnitAll = 20,                // every question of a unit
};

// Where a kind's files are.
enum class KindSlot : int8_t {
  kOwn,        // a slot of its own: the kind's number + its paper or unit
  kAssembled,  // the assembled slot, into which its questions are copied
};

// The paper or unit the plan keeps in listIndex. A whole unit's unit is its slot instead.
enum class KeptList : int8_t { kNone, kPaper, kUnit };

// The exams go through the sign-in and run against the clock; the rest are practice.
enum class ExamPaper : int8_t { kNone, kFixed, kRandom };

// How the question bar titles a question of the kind.
enum class TitleStyle : int8_t {
  kKept,          // the title stays as it was
  kFixedPaper,    // the paper's number and the question's
  kRandomPaper,   // the random paper's number as home lists it, and the question's
  kWholeUnit,     // the unit's number, the question of the count, done or not
  kPaperWrong,    // the paper's number, the question of the count with its code, done or not
  kUnitDone,      // the question of the count with its code, done or not, under a mark of the list
  kUnitNotDone,
  kBookmarks,
  kWrongAnswers,
};

// A panel of the home screen, which maps it to a button of its own.
enum class HomePanel : int8_t { kNone, kUnits, kPapers, kBookmarks, kWrongAnswers };

// What the end of a practice writes besides the bookmark list, once a question was completed.
enum class EndRecords : int8_t {
  kNothing,
  kUnitProgressWhole,        // the unit's progress line, rebuilt from the session
  kUnitProgressUndone,       // the unit's progress line: "T" for every question completed
  kBookmarkFlagsWhole,       // the list's review flags, one a session question
  kBookmarkFlagsUnreviewed,  // the flags of the list's unreviewed codes, in order
  kWrongFlagsWhole,
  kWrongFlagsUnreviewed,
  kPaperWrongQuestion,       // asks whether the completed questions leave the paper's wrong answers
};

struct KindRow {
  KindSlot slot;
  KeptList keeps;
  ExamPaper exam;
  TitleStyle title;
  HomePanel returnsTo;  // where the end of a practice brings the learner back
  EndRecords endWrites;
  bool appendsBookmarks;  // the end adds the session's bookmarked questions to the bookmark list
};

// The row of a kind; nothing for a value outside the enumeration.
std::optional<KindRow> FindKindRow(SessionKind kind);

// The row of a kind. A value outside the enumeration is assembled practice that keeps no list,
// keeps the bar's title, returns to no panel and writes only the bookmark list.
KindRow KindRowOf(SessionKind kind);

inline bool IsExam(SessionKind kind) { return KindRowOf(kind).exam != ExamPaper::kNone; }

}  // namespace xpexam::desktop
