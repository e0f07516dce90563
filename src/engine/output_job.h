#pragma once
#include <string_view>

// Puts the chosen output format into the job before a run: extension, writer's format number, the
// format's depth setting (0 meaning automatic) and the save flags. False for an unknown extension.
bool PrepareOutputFormat(std::string_view extension);
