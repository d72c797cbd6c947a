#include "desktop/step_family.h"

#include "desktop/step_record.h"
#include "platform/strings.h"

namespace xpexam::desktop {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The code is `lead` followed by digits only, four characters in all.
bool LeadThenDigits(std::string_view code, std::string_view lead) {
  if (code.size() != 4 || code.substr(0, lead.size()) != lead) return false;
  for (size_t i = lead.size(); i < code.size(); ++i)
    if (!IsDigit(code[i])) return false;
  return true;
}

// A lead as long as a code is the whole code.
bool BeginsWith(std::string_view code, std::string_view lead) {
  return lead.size() >= 4 ? code == lead : code.starts_with(lead);
}

}  // namespace

std::string TypingPrompt::Around(std::string_view hint) const {
  return std::string(before) + (whole_hint ? std::string(hint) : PromptPart(hint)) + std::string(after);
}

StepCodeFamily ClassifyStepCode(std::string_view code) {
  StepCodeFamily found = StepCodeFamily::kNone;
  size_t longest = 0;
  for (StepCodeFamily family : kStepCodeFamilies) {
    for (const StepCodeForm& form : StepFamily(family).codes) {
      if (form.lead.size() > longest && LeadThenDigits(code, form.lead)) {
        found = family;
        longest = form.lead.size();
      }
    }
  }
  return found;
}

StepCodeFamily ClassifyStepCode(int value) {
  if (value < 0 || value > 9999) return StepCodeFamily::kNone;
  return ClassifyStepCode(platform::ZeroPad(value, 4));
}

DemoAction ClassifyDemoStep(std::string_view code) {
  DemoAction found = DemoAction::kNone;
  size_t longest = 0;
  for (StepCodeFamily family : kStepCodeFamilies) {
    for (const StepCodeForm& form : StepFamily(family).codes) {
      const std::string_view lead = form.DemonstrationLead();
      if (form.demonstration == DemoAction::kNone || lead.size() <= longest || !BeginsWith(code, lead)) continue;
      found = form.demonstration;
      longest = lead.size();
    }
  }
  return found;
}

}  // namespace xpexam::desktop
