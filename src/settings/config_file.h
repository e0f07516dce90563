#pragma once
// config.ini: the window mode's settings between runs.
#include <string>

// Fills `settings` from the file, a missing key taking its file default; when the file cannot be
// read at all, the window default. Then brings settings of older layouts up to date. Never fails:
// whatever the file holds, every setting ends up with a value.
void LoadConfiguration(const std::string& path);

// Older layouts, told apart by "CFG": masks before version 11 had no extension token, and the raw
// loading choices before version 14 had two fewer entries in front.
void MigrateConfiguration();

// Writes every setting, replacing the file as a whole only once the new one is complete. False
// when nothing was written; the old file, if any, is then untouched.
bool SaveConfiguration(const std::string& path);
