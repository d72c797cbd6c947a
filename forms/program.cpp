#include "forms/program.h"

#include <map>

namespace xpexam::forms {
namespace {
std::function<void()>& Entry() {
  static std::function<void()> entry;
  return entry;
}
std::map<std::string, std::function<void()>>& Starts() {
  static std::map<std::string, std::function<void()>> starts;
  return starts;
}
}  // namespace

void SetProgramEntry(std::function<void()> entry) { Entry() = std::move(entry); }
const std::function<void()>& ProgramEntry() { return Entry(); }

void RegisterStartForm(const std::string& name, std::function<void()> start) { Starts()[name] = std::move(start); }

bool StartForm(const std::string& name) {
  auto it = Starts().find(name);
  if (it == Starts().end()) return false;
  it->second();
  return true;
}

std::vector<std::string> StartFormNames() {
  std::vector<std::string> names;
  for (const auto& [name, start] : Starts()) names.push_back(name);
  return names;
}

}  // namespace xpexam::forms
