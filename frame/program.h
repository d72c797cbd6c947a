#pragma once
// The program's entry: what app/main.cpp and the scenario runner call once the program folder
// (gAppPath) is set and a backend is installed.
namespace xpexam::frame {

// Loads the start-up window, which shows itself unless it ended the program. The caller then
// runs the event loop. The scenario runner reaches it as the runtime's program entry, started
// in the program folder.
void StartProgram();

// Connects the windows of different subsystems that reach each other through hooks (the bar's
// demonstration start, its return to the home screen). StartProgram does it first.
void ConnectWindows();

}  // namespace xpexam::frame
