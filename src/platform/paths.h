#pragma once
#include <string>

// Folder of the running executable, ending in "/"; empty if the system cannot tell.
std::string ProgramFolder();
// The current folder, ending in "/"; empty if the system cannot tell.
std::string CurrentFolder();
