#pragma once
// The module state every window shares. Windows read and write these variables directly;
// nothing else holds shared state. At program start every number is 0, every flag false,
// every text empty; nothing is reset as a group afterwards.
#include <cstdint>
#include <string>

#include "platform/bounded.h"

namespace xpexam::frame {

using platform::BoundedArray;
using platform::BoundedArray2;

// Layout: screen twips per pixel divided by 15 (1.0 at 96 dpi).
inline double gScaleX = 0;  // Left, Width, font sizes
inline double gScaleY = 0;  // Top, Height

// Settings and paths.
inline BoundedArray<std::string, 0, 40> gSettings;  // the settings table, trimmed entries
inline std::string gModuleName;                     // settings entry 1 of ver.txt
inline std::string gModuleTitle;                    // settings entry 2 of ver.txt
inline int16_t gProductNo = 0;                      // settings entry 4 of ver.txt
inline std::string gDataPath;                       // data folder, ends in "\"
inline std::string gBankVersion;                    // "YYYYMMDDHHMM"
inline std::string gLogFile;                        // this run's session log; empty until named
inline std::string gOsVersion;                      // "major.minor" or "Unknown"

// Session state.
inline int16_t gSessionKind = 0;    // 0, 2, 5, 6, 8, 9-14, 20
inline int16_t gSlotOffset = 0;     // slot NN = gSessionKind + gSlotOffset
inline int16_t gListIndex = 0;      // paper 0-29, or the unit of kinds 5 and 6
inline int16_t gRunMode = 0;        // 3 timed exam, 2 practice, 1 practice with hints
inline int16_t gCurQuestion = 0;    // 1-based position in the session's list
inline int16_t gCurStep = 0;        // 1-based step of the current question
inline int16_t gQuestionCount = 0;  // 40 for papers, the list length otherwise
inline int16_t gMinutesLeft = 0;    // exam minutes left
inline std::string gExamStartTime;  // "yyyy-mm-dd hh:mm:ss"; "-1": this run is not recorded
inline std::string gStepFile;       // gDataPath + "2888" + NN + ".mxy"
inline std::string gIndexFile;      // gDataPath + "2888" + (NN + 50) + ".mxy"
inline std::string gTextFile;       // gDataPath + "288890.mxy"
inline std::string gStepLine;       // the current step record
inline std::string gLineBuf;        // one line of the question index file
inline std::string gCandidateName;  // settings entry 8
inline std::string gSeatNo;
inline std::string gSittingNo;
inline std::string gArchiveNo;
inline std::string gIdCardNo;

// Per-question arrays: position i is question i of the session.
inline BoundedArray<int16_t, 1, 500> gQuestionCode;    // unit * 100 + question
inline BoundedArray<int16_t, 1, 500> gQuestionStatus;  // bits 1 opened, 2 bookmarked, 4 completed
inline BoundedArray<std::string, 1, 500> gDoneMark;    // "T" or "F"
inline BoundedArray<int32_t, 1, 500> gFirstLine;       // first step-file line of each question
inline BoundedArray<int16_t, 1, 500> gQuestionStep;    // step at which each question resumes
inline BoundedArray2<std::string, 1, 500, 0, 6> gPictureIds;  // 0 background, 1-5 overlays

// Home-screen tables.
inline BoundedArray2<std::string, 0, 40, 1, 4> gUnitTable;  // title, count, not done, "T"/"F" progress
inline int16_t gUnitCount = 0;
inline int16_t gPaperCount = 0;

// The last trapped error.
inline std::string gErrProc;
inline int32_t gErrNumber = 0;
inline std::string gErrDesc;

// Hand-over flags.
inline int16_t gMsgResult = 0;       // 1: the message box's first button
inline int16_t gReturnButton = 0;    // home-screen button to press after a session; 0 none
inline int16_t gUpdateVisible = 0;   // 1: the learner opened the update window
inline bool gDemoRunning = false;    // the demonstration plays
inline bool gAllowBarUnload = false; // the question bar may close
inline bool gUseIme = false;         // answer boxes switch to gImeHkl
inline int32_t gImeHkl = 0;          // chosen keyboard layout

// Status bits of gQuestionStatus.
inline constexpr int16_t kStatusOpened = 1;
inline constexpr int16_t kStatusBookmarked = 2;
inline constexpr int16_t kStatusCompleted = 4;

// The session slot NN: gSessionKind + gSlotOffset as two digits ("05"). A sum outside
// 16 bits is an overflow failure.
std::string SessionSlot();
// The slot of the question index file: NN + 50, as two digits.
std::string IndexSlot();
// gDataPath + "2888" + NN + ".mxy".
std::string SessionStepFile();
// gDataPath + "2888" + (NN + 50) + ".mxy".
std::string SessionIndexFile();

// Caption of the dialog windows and the application title:
// gSettings(0) + gSettings(9) + "——" + gModuleName + "模块".
std::string DialogCaption();

// Design twips to window twips.
inline double ScaleX(double design) { return design * gScaleX; }
inline double ScaleY(double design) { return design * gScaleY; }

}  // namespace xpexam::frame
