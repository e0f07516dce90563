#include "settings/colour.h"

namespace {

uint8_t HexPair(std::string_view pair) {
  unsigned value = 0;
  for (char c : pair) {
    unsigned digit;
    if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
    else if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
    else break;
    value = value * 16 + digit;
  }
  return static_cast<uint8_t>(value);
}

}  // namespace

Colour HexToColour(std::string_view text) {
  if (text.size() != 6) return {};
  return {HexPair(text.substr(0, 2)), HexPair(text.substr(2, 2)), HexPair(text.substr(4, 2))};
}

uint32_t PackColour(Colour colour, uint8_t alpha) {
  return colour.red | (colour.green << 8) | (colour.blue << 16) | (static_cast<uint32_t>(alpha) << 24);
}
