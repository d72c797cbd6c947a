#pragma once
// The running session's plan: what kind of session it is, how it runs, its list of questions
// with what the learner has done to each, and the files it reads.
//
// A session start fills it in through BeginSession (desktop/session_start.h); the question bar
// keeps it up to date. It lives with the desktop, the lowest layer that writes it: the desktop
// records the step each question resumes at and the pictures it last showed, and marks a
// question completed when its final step loads; it reads the step and text files and the run
// mode, as the demonstration does. Everyone reads it through plan(); after the start it changes
// only through the events at the end of this file, each named for what happened.
#include <cstdint>
#include <string>
#include <vector>

#include "desktop/session_kind.h"
#include "platform/bounded.h"

namespace xpexam::desktop {

enum class RunMode : int16_t {
  kNone = 0,               // no session has started
  kPracticeWithHints = 1,  // practice with the operation hint and the target frames shown
  kPractice = 2,
  kTimedExam = 3,
};

// A paper, fixed or random, has this many questions.
inline constexpr int16_t kPaperQuestions = 40;
// Every session's clock starts at this many minutes; only an exam counts them down.
inline constexpr int16_t kExamMinutes = 50;

// The session slot NN names the files a session reads, data folder 2888NN.mxy and
// 2888(NN + 50).mxy. A fixed paper's slot is its number (0-19) and a whole unit's practice has
// the unit's own files at kUnitSlots + unit; every other session is assembled into one slot.
inline constexpr int16_t kAssembledSlot = 19;
inline constexpr int16_t kUnitSlots = 20;
// Added to a slot it gives the slot of the question index file.
inline constexpr int16_t kIndexSlotDistance = 50;

// Status bits of a question.
inline constexpr int16_t kStatusOpened = 1;
inline constexpr int16_t kStatusBookmarked = 2;
inline constexpr int16_t kStatusCompleted = 4;

struct Question {
  int16_t code = 0;        // unit * 100 + question number (1 to 99)
  int16_t status = 0;      // the status bits above
  std::string doneMark;    // "T" or "F" from the learner's records; "F" titles it unfinished
  int32_t firstLine = 0;   // its first line in the step file
  int16_t resumeStep = 0;  // the step at which it resumes
  platform::BoundedArray<std::string, 0, 6> pictureIds;  // 0 background, 1-5 overlays, 6 unused

  bool Opened() const { return (status & kStatusOpened) != 0; }
  bool Bookmarked() const { return (status & kStatusBookmarked) != 0; }
  bool Completed() const { return (status & kStatusCompleted) != 0; }
};

class SessionPlan {
 public:
  // Positions 1 to 500; a position outside is a failure of the statement that uses it. Entries
  // past questionCount keep what an earlier session left there.
  static constexpr long kMaxQuestions = 500;

  SessionPlan() : questions_(kMaxQuestions) {}

  SessionKind kind() const { return kind_; }
  // Added to the kind it gives the session slot: the paper number for a fixed paper, the unit
  // for kUnitAll, kAssembledSlot - kind otherwise.
  int16_t slotOffset() const { return slotOffset_; }
  // The session slot: kind + slotOffset.
  int slot() const { return static_cast<int>(kind_) + slotOffset_; }
  int16_t listIndex() const { return listIndex_; }  // the paper (0-29) or unit the kind's row keeps
  RunMode runMode() const { return runMode_; }
  int16_t questionCount() const { return questionCount_; }  // kPaperQuestions for papers, the list length otherwise
  int16_t minutesLeft() const { return minutesLeft_; }
  // "yyyy-mm-dd hh:mm:ss"; "-1": this run is not recorded.
  const std::string& examStartTime() const { return examStartTime_; }
  const std::string& stepFile() const { return stepFile_; }    // dataPath + "2888" + NN + ".mxy"
  const std::string& indexFile() const { return indexFile_; }  // dataPath + "2888" + (NN + 50) + ".mxy"
  const std::string& textFile() const { return textFile_; }    // dataPath + "288890.mxy"
  const Question& question(long position) const { return questions_[Slot(position)]; }

 private:
  // The session start and the test fixtures set fields one by one (desktop/session_plan_writer.h);
  // everything else changes the plan through the events below.
  friend class PlanWriter;
  static size_t Slot(long position);
  Question& At(long position) { return questions_[Slot(position)]; }

  SessionKind kind_ = SessionKind::kFixedPaper;
  int16_t slotOffset_ = 0;
  int16_t listIndex_ = 0;
  RunMode runMode_ = RunMode::kNone;
  int16_t questionCount_ = 0;
  int16_t minutesLeft_ = 0;
  std::string examStartTime_;
  std::string stepFile_;
  std::string indexFile_;
  std::string textFile_;
  std::vector<Question> questions_;
};

const SessionPlan& plan();
// A fresh plan, as at program start.
void ResetPlan();

// What happens to the running session after its start (desktop/session_start.h). A position
// outside 1 to kMaxQuestions is a failure.
//
// The learner opens, bookmarks, completes a question or takes its bookmark away. Each bit is
// added when it is clear, so a question is counted once.
void MarkOpened(long position);
void MarkBookmarked(long position);
void MarkCompleted(long position);
void ClearBookmark(long position);
// The step a question resumes at; every question up to `through` back at step 1.
void SetResumeStep(long position, int16_t step);
void ResetResumeSteps(long through);
// A question's step showed picture id on a layer (0 background, 1-5 overlays).
void NotePictureShown(long position, long layer, std::string id);
// The operation hints and target frames are asked for; a question loads without them, which
// leaves an exam timed.
void ShowOperationHints();
void HideOperationHints();
// An exam becomes practice: the answer prompt's way to the answers, the score report's review
// and redo.
void TurnToPractice();
// The clock: back to its full kExamMinutes, one minute gone (an overflow failure below the range).
void RestartClock();
void CountDownMinute();
// The exam's run starts at time ("yyyy-mm-dd hh:mm:ss"), or is no longer recorded.
void NoteExamStarted(std::string time);
void StopRecordingRun();
// Every question up to `through` unfinished again ("F"), as a review of a paper starts.
void ClearDoneMarks(long through);
// The session's files named again: the text file, and the step and index files from the
// slot (a failure when the slot is out of range, leaving what is not yet named).
void ReopenTextFile();
void ReopenSlotFiles();

// The session slot NN: kind + slotOffset as two digits ("05"). A sum outside 16 bits is an
// overflow failure.
std::string SessionSlot();
// The slot of the question index file: NN + 50, as two digits.
std::string IndexSlot();
// dataPath + "2888" + NN + ".mxy".
std::string SessionStepFile();
// dataPath + "2888" + (NN + 50) + ".mxy".
std::string SessionIndexFile();

// Where the learner is: the current question (1-based position in the plan) and its current
// step. The desktop advances the step; the session moves between questions and sets the step a
// question resumes at.
class StepCursor {
 public:
  int16_t question() const { return question_; }
  int16_t step() const { return step_; }

  void GoToQuestion(int16_t position) { question_ = position; }
  void GoToStep(int16_t step) { step_ = step; }

 private:
  int16_t question_ = 0;
  int16_t step_ = 0;
};

const StepCursor& cursor();
StepCursor& editCursor();
void ResetCursor();

}  // namespace xpexam::desktop
