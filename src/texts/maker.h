#pragma once
// Who makes the program, as the banner and the About window show it.
#include <string_view>

inline constexpr std::string_view MakerNotice = "Copyright © 2025 Tarnwick Software. All rights reserved.";
inline constexpr std::string_view MakerWebAddress = "https://tarnwick.example/";
