#pragma once
#include <string>

// The user's folder for program settings: $XDG_CONFIG_HOME when it is an absolute path, else
// $HOME/.config (the home folder from the user database when $HOME is unset), with spaces trimmed
// from both ends and no trailing "/"; empty when none of these can be found.
std::string UserConfigHome();

// The per-user folder of a program: the config home, then `maker`, then `program`, ending in "/".
// Missing folders on the way are created; one that cannot be created is left missing, silently:
// the caller then finds nothing to read and cannot write there.
std::string AppDataFolder(const std::string& maker, const std::string& program);
