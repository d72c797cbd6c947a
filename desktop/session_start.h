#pragma once
// The one way a session begins. A start says what it wants in a SessionRequest; BeginSession
// works out the slot and its files, the question count and codes, the first step-file line of
// every question, the done marks and statuses, the run mode, the clock's minutes and the
// cursor. Showing the windows is left to the caller.
//
// What a kind of session is, its slot and whether it keeps a paper or unit, is its row
// (desktop/session_kind.h).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "desktop/index_line.h"
#include "desktop/session_plan.h"

namespace xpexam::desktop {

// Where a session's questions come from.
enum class QuestionSource : int8_t {
  kAssembled,  // codes: copied from the units' files into the session's slot
  kWholeUnit,  // the unit's own files (slot kUnitSlots + unit): question i is unit * 100 + i
  kPrepared,   // codes: the caller has written the slot's files itself
};

struct SessionRequest {
  SessionKind kind = SessionKind::kUnitAll;
  // The paper (0-29) of the paper kinds, the unit of the unit kinds; the bookmark and
  // wrong-answer kinds have none.
  int16_t list = 0;
  QuestionSource source = QuestionSource::kAssembled;
  std::string codes;  // 4-character codes UUQQ, in order
  // The question count when it is not the number of codes: a paper always has kPaperQuestions,
  // a list read from the records counts its whole codes, a whole unit its progress marks.
  std::optional<long> questionCount;
  // Each question's done mark, one character of marks per position in order and marksPastEnd
  // past them; a question marked "T" starts completed. The positions marked are the question
  // count's unless markedPositions says otherwise.
  std::string marks;
  std::string marksPastEnd = "F";
  std::optional<long> markedPositions;
  // Where a failing statement of the start is reported; the start goes on. A prepared session
  // has written its own files: a failure while they are read back stops it.
  std::string_view tag;
  // Runs once the questions and their done marks are in place, before their statuses and the
  // files: a new random paper records itself there, and a redo readies the question bar, whose
  // first load opens question 1 while a redo starts with every question unopened.
  std::function<void()> beforeOpening;
  // Given every line of a prepared session's index file as its first lines are worked out.
  std::function<void(const IndexLine&)> onIndexLine;
};


// Sets up the plan and the cursor for the session the SessionRequest describes, at question 1, step 1.
// Failures of the opening (files, first lines, bookmarks) are reported under "startlianxi".
void BeginSession(const SessionRequest& request);

}  // namespace xpexam::desktop
