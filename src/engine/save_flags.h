#pragma once
#include <cstdint>
#include <string_view>

// The FreeImage save flags for an output extension, from that format's options in the settings.
// Computed once per run; 0 for formats without options and for unknown extensions.
int32_t SaveFlags(std::string_view extension);
