#pragma once
// Profiles: group "CLI" of an INI-style file whose keys are long option names ("--jpg-quality=90"),
// applied to Settings in file order exactly as the same options on the command line would be.
#include <string>

// False when the path is empty or the file cannot be read; a readable file without a "CLI" group is
// a valid profile that changes nothing. Relative paths are taken from the current folder.
bool ReadProfile(const std::string& path);
