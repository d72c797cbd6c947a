#pragma once
// How a runner starts "the program": the program's start-up registers itself here, and test or
// demo windows register under a name so that the scenario runner can start them until then.
#include <functional>
#include <string>
#include <vector>

namespace xpexam::forms {

// The program's start-up (shows its first window); the main loop runs after it.
void SetProgramEntry(std::function<void()> entry);
const std::function<void()>& ProgramEntry();

// A named start for tests and demonstrations.
void RegisterStartForm(const std::string& name, std::function<void()> start);
// False when no start of that name is registered.
bool StartForm(const std::string& name);
std::vector<std::string> StartFormNames();

// Registers at static initialisation: `static forms::ProgramRegistration entry{[] { ... }};`
struct ProgramRegistration {
  explicit ProgramRegistration(std::function<void()> entry) { SetProgramEntry(std::move(entry)); }
};
struct StartFormRegistration {
  StartFormRegistration(const std::string& name, std::function<void()> start) { RegisterStartForm(name, std::move(start)); }
};

}  // namespace xpexam::forms
