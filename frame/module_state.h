#pragma once
// The module state every window shares: one struct, one instance. Windows read and write it
// through the familiar g names below, which are references into the instance. At program
// start every number is 0, every flag false, every text empty; Reset() puts it all back.
#include <cstdint>
#include <string>

#include "frame/installation.h"
#include "platform/bounded.h"

namespace xpexam::frame {

using platform::BoundedArray;
using platform::BoundedArray2;

struct ModuleState {
  std::string logFile;  // this run's session log; empty until named

  // Session state.
  int16_t sessionKind = 0;    // 0, 2, 5, 6, 8, 9-14, 20
  int16_t slotOffset = 0;     // slot NN = gSessionKind + gSlotOffset
  int16_t listIndex = 0;      // paper 0-29, or the unit of kinds 5 and 6
  int16_t runMode = 0;        // 3 timed exam, 2 practice, 1 practice with hints
  int16_t curQuestion = 0;    // 1-based position in the session's list
  int16_t curStep = 0;        // 1-based step of the current question
  int16_t questionCount = 0;  // 40 for papers, the list length otherwise
  int16_t minutesLeft = 0;    // exam minutes left
  std::string examStartTime;  // "yyyy-mm-dd hh:mm:ss"; "-1": this run is not recorded
  std::string stepFile;       // dataPath + "2888" + NN + ".mxy"
  std::string indexFile;      // dataPath + "2888" + (NN + 50) + ".mxy"
  std::string textFile;       // dataPath + "288890.mxy"
  std::string stepLine;       // the current step record
  std::string lineBuf;        // one line of the question index file
  std::string candidateName;  // settings entry 8
  std::string seatNo;
  std::string sittingNo;
  std::string archiveNo;
  std::string idCardNo;

  // Per-question arrays: position i is question i of the session.
  BoundedArray<int16_t, 1, 500> questionCode;    // unit * 100 + question
  BoundedArray<int16_t, 1, 500> questionStatus;  // bits 1 opened, 2 bookmarked, 4 completed
  BoundedArray<std::string, 1, 500> doneMark;    // "T" or "F"
  BoundedArray<int32_t, 1, 500> firstLine;       // first step-file line of each question
  BoundedArray<int16_t, 1, 500> questionStep;    // step at which each question resumes
  BoundedArray2<std::string, 1, 500, 0, 6> pictureIds;  // 0 background, 1-5 overlays


  // The last trapped error.
  std::string errProc;
  int32_t errNumber = 0;
  std::string errDesc;

  // Hand-over flags.
  int16_t msgResult = 0;       // 1: the message box's first button
  int16_t returnButton = 0;    // home-screen button to press after a session; 0 none
  int16_t updateVisible = 0;   // 1: the learner opened the update window
  bool demoRunning = false;    // the demonstration plays
  bool allowBarUnload = false; // the question bar may close
  bool useIme = false;         // answer boxes switch to gImeHkl
  int32_t imeHkl = 0;          // chosen keyboard layout

  // Everything back to its start value.
  void Reset();
};

inline ModuleState gState;

inline auto& gLogFile = gState.logFile;
inline auto& gSessionKind = gState.sessionKind;
inline auto& gSlotOffset = gState.slotOffset;
inline auto& gListIndex = gState.listIndex;
inline auto& gRunMode = gState.runMode;
inline auto& gCurQuestion = gState.curQuestion;
inline auto& gCurStep = gState.curStep;
inline auto& gQuestionCount = gState.questionCount;
inline auto& gMinutesLeft = gState.minutesLeft;
inline auto& gExamStartTime = gState.examStartTime;
inline auto& gStepFile = gState.stepFile;
inline auto& gIndexFile = gState.indexFile;
inline auto& gTextFile = gState.textFile;
inline auto& gStepLine = gState.stepLine;
inline auto& gLineBuf = gState.lineBuf;
inline auto& gCandidateName = gState.candidateName;
inline auto& gSeatNo = gState.seatNo;
inline auto& gSittingNo = gState.sittingNo;
inline auto& gArchiveNo = gState.archiveNo;
inline auto& gIdCardNo = gState.idCardNo;
inline auto& gQuestionCode = gState.questionCode;
inline auto& gQuestionStatus = gState.questionStatus;
inline auto& gDoneMark = gState.doneMark;
inline auto& gFirstLine = gState.firstLine;
inline auto& gQuestionStep = gState.questionStep;
inline auto& gPictureIds = gState.pictureIds;
inline auto& gErrProc = gState.errProc;
inline auto& gErrNumber = gState.errNumber;
inline auto& gErrDesc = gState.errDesc;
inline auto& gMsgResult = gState.msgResult;
inline auto& gReturnButton = gState.returnButton;
inline auto& gUpdateVisible = gState.updateVisible;
inline auto& gDemoRunning = gState.demoRunning;
inline auto& gAllowBarUnload = gState.allowBarUnload;
inline auto& gUseIme = gState.useIme;
inline auto& gImeHkl = gState.imeHkl;

// Status bits of gQuestionStatus.
inline constexpr int16_t kStatusOpened = 1;
inline constexpr int16_t kStatusBookmarked = 2;
inline constexpr int16_t kStatusCompleted = 4;

// The session slot NN: gSessionKind + gSlotOffset as two digits ("05"). A sum outside
// 16 bits is an overflow failure.
std::string SessionSlot();
// The slot of the question index file: NN + 50, as two digits.
std::string IndexSlot();
// dataPath + "2888" + NN + ".mxy".
std::string SessionStepFile();
// dataPath + "2888" + (NN + 50) + ".mxy".
std::string SessionIndexFile();

}  // namespace xpexam::frame
