#pragma once

// Window mode from the loading of the configuration to its saving: the main window and its event
// loop in between. The caller has run the start-up and ends the process with the returned code.
int RunWindowMode(int& argc, char** argv);
