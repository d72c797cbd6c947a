#pragma once
// What the end of a practice session writes: unit progress, review flags, the bookmark list and,
// after a review of one paper's wrong answers, that paper's wrong-answer file (the learner is
// asked first). Reads the session's plan; runs inside FrmTm::SaveAndExit.
namespace xpexam::session {

void SaveSessionRecords();

}  // namespace xpexam::session
