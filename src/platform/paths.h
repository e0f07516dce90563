#pragma once
#include <string>

// Folder of the running executable, ending in "/"; empty if the system cannot tell.
std::string ProgramFolder();
// The executable's file name without its extension; "vantorel" if the system cannot tell.
std::string ProgramFileName();
// The current folder, ending in "/"; empty if the system cannot tell.
std::string CurrentFolder();
