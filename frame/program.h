#pragma once
// The program's entry: what app/main.cpp and the scenario runner call once the program folder
// (gAppPath) is set and a backend is installed.
namespace xpexam::frame {

// Loads the start-up window, which shows itself unless it ended the program. The caller then
// runs the event loop.
void StartProgram();

// Lets the windows' events and timers run while an HTTP request waits (the real program; a
// script with a virtual clock keeps the wait out of its timeline).
void UseFormsEventPump();

}  // namespace xpexam::frame
