#pragma once
// Field by field access to the running session's plan, for the session start
// (desktop/session_start.cpp, with the assembly of its files and its first lines) and for test
// fixtures that set up a session. Everything else changes the plan through the events of
// desktop/session_plan.h, which say what happened.
#include <cstdint>
#include <string>
#include <utility>

#include "desktop/session_plan.h"

namespace xpexam::desktop {

class PlanWriter {
 public:
  explicit PlanWriter(SessionPlan& plan) : plan_(plan) {}

  void SetKind(SessionKind kind) const { plan_.kind_ = kind; }
  void SetSlotOffset(int16_t offset) const { plan_.slotOffset_ = offset; }
  void SetListIndex(int16_t index) const { plan_.listIndex_ = index; }
  void SetRunMode(RunMode mode) const { plan_.runMode_ = mode; }
  void SetQuestionCount(int16_t count) const { plan_.questionCount_ = count; }
  void SetMinutesLeft(int16_t minutes) const { plan_.minutesLeft_ = minutes; }
  void SetExamStartTime(std::string time) const { plan_.examStartTime_ = std::move(time); }
  void SetStepFile(std::string path) const { plan_.stepFile_ = std::move(path); }
  void SetIndexFile(std::string path) const { plan_.indexFile_ = std::move(path); }
  void SetTextFile(std::string path) const { plan_.textFile_ = std::move(path); }

  void SetCode(long position, int16_t code) const { plan_.At(position).code = code; }
  void SetStatus(long position, int16_t status) const { plan_.At(position).status = status; }
  void SetDoneMark(long position, std::string mark) const { plan_.At(position).doneMark = std::move(mark); }
  void SetFirstLine(long position, int32_t line) const { plan_.At(position).firstLine = line; }
  void SetResumeStep(long position, int16_t step) const { plan_.At(position).resumeStep = step; }
  void SetPictureId(long position, long layer, std::string id) const {
    plan_.At(position).pictureIds[layer] = std::move(id);
  }
  // The status events, on this plan.
  void MarkOpened(long position) const;
  void MarkBookmarked(long position) const;
  void MarkCompleted(long position) const;
  void ClearBookmark(long position) const;

 private:
  SessionPlan& plan_;
};

// The running plan, field by field.
PlanWriter editPlan();

}  // namespace xpexam::desktop
