#pragma once
// A mock exam on the desktop's scratch installation: a fixed paper of 40 questions, with the
// system message boxes answered from the input queue.
#include <string>

#include "desktop/session_plan.h"
#include "desktop/session_plan_writer.h"
#include "forms/form.h"
#include "forms/label.h"
#include "tests/desktop/desktop_fixture.h"

namespace xpexam::session::testing {

class ExamTest : public desktop::testing::DesktopTest {
 protected:
  explicit ExamTest(int width = 1024, int height = 768) : DesktopTest(width, height) {
    desktop::editPlan().SetKind(desktop::SessionKind::kFixedPaper);
    desktop::editPlan().SetSlotOffset(0);
    desktop::editPlan().SetRunMode(desktop::RunMode::kTimedExam);
    desktop::editPlan().SetQuestionCount(40);
    desktop::editPlan().SetMinutesLeft(50);
    desktop::editPlan().SetExamStartTime("-1");
    dir_.Write("ksdata/.keep", "");
  }

  // Queues the choice of a message box's button ("Button1" the first) inside the loop that
  // shows it, and keeps the box's title and prompt.
  void AnswerBox(const std::string& button) {
    in_.Call([this, button] {
      for (forms::Form* f : forms::LoadedForms()) {
        if (f->Name() != "MsgBox" || !f->Visible()) continue;
        box_title_ = f->Caption();
        for (forms::Control* c : f->AllControls())
          if (c->Name() == "Prompt") box_prompt_ = static_cast<forms::Label*>(c)->Caption();
        for (forms::Control* c : f->AllControls())
          if (c->Name() == button) c->Click();
        return;
      }
      ADD_FAILURE() << "no message box";
    });
  }

  std::string box_title_, box_prompt_;
};

}  // namespace xpexam::session::testing
