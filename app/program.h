#pragma once
// The program's entry: what app/main.cpp and the scenario runner call once the program folder
// (appPath) is set and a backend is installed, and the wiring of the layers' hooks.
#include "forms/sdl_backend.h"

namespace xpexam::app {

// The real window the program opens in (appPath set). When another copy runs, this copy shows
// only the notice that says so: the window takes the notice's size, and the notice wraps as it
// would on the window the program otherwise opens. Takes this copy's single-instance lock.
forms::SdlOptions HostWindowOptions();

// Loads the start-up window, which shows itself unless it ended the program. The caller then
// runs the event loop. The scenario runner reaches it as the runtime's program entry, started
// in the program folder.
void StartProgram();

// Sets every hook through which a lower layer reaches a higher one (frame, desktop, session
// and demonstration hooks). StartProgram does it first.
void ConnectWindows();

}  // namespace xpexam::app
