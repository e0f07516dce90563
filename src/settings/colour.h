#pragma once
#include <cstdint>
#include <string_view>

struct Colour {
  uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Colour&) const = default;
};

// "RRGGBB" in either case. Any text that is not exactly six characters is black; each pair gives
// the value of its leading hexadecimal digits (0 when there are none), so "1G" reads as 1.
Colour HexToColour(std::string_view text);

// The packed form the drawing code takes: red + green × 256 + blue × 65536 + alpha × 16777216.
uint32_t PackColour(Colour colour, uint8_t alpha = 0);
