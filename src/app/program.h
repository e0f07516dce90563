#pragma once
// Program-wide values and the orderly start and end of the process.
#include <string>

constexpr int VersionNumber = 250;

// 250 → "2.5", 251 → "2.5.1": a point after the first and after the second digit, and a trailing
// ".0" dropped.
std::string VersionText(int version);

// "Tarnwick 2.5".
std::string ProgramTitle();

// Start-up shared by both modes, in its fixed order: tables, image libraries, the single-instance
// guard. Returns false when another copy holds the guard.
bool StartProgram();

// Releases the image libraries and ends the process with `exitCode`. The instance lock is released
// by the system when the process ends.
[[noreturn]] void EndProgram(int exitCode);
