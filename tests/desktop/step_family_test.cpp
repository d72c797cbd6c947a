#include "desktop/step_family.h"

#include <gtest/gtest.h>

#include <string>

namespace xpexam::desktop {
namespace {

// A code of the form: its lead, then "0" to four characters.
std::string SampleCode(const StepCodeForm& form) {
  std::string code(form.lead);
  code.resize(4, '0');
  return code;
}

// Every code form of a row reads back as its family, as text and as a number, and the
// demonstration plays it as the row says: no lead of one family is hidden by another's.
TEST(StepFamilyRows, EveryCodeFormReadsBackAsItsRow) {
  for (StepCodeFamily family : kStepCodeFamilies) {
    int forms = 0;
    for (const StepCodeForm& form : StepFamily(family).codes) {
      if (form.lead.empty()) continue;
      ++forms;
      const std::string code = SampleCode(form);
      SCOPED_TRACE("family " + std::to_string(static_cast<int>(family)) + ", code " + code);
      EXPECT_EQ(ClassifyStepCode(code), family);
      if (code.find_first_not_of("0123456789") == std::string::npos) {
        EXPECT_EQ(ClassifyStepCode(std::stoi(code)), family);
      }
      EXPECT_EQ(ClassifyDemoStep(code), form.demonstration);
    }
    EXPECT_GT(forms, 0) << "family " << static_cast<int>(family) << " has no code";
  }
}

// The desktop's set-up runs these in one order; a family that needed two of them would depend
// on it.
TEST(StepFamilyRows, NoFamilyNeedsTwoSetUps) {
  for (StepCodeFamily family : kStepCodeFamilies) {
    const StepFamilyRow& row = StepFamily(family);
    const int set_ups = CompletesOn(family, CompletingEvent::kOnLoad) + (row.box == AnswerBox::kCell) +
                        row.handle_takes_drag + (row.box == AnswerBox::kList) +
                        (row.box == AnswerBox::kLocationList);
    EXPECT_LE(set_ups, 1) << "family " << static_cast<int>(family);
  }
}

}  // namespace
}  // namespace xpexam::desktop
