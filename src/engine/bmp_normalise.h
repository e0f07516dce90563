#pragma once
// Rewriting a checked bitmap that FreeImage would refuse or misread as a plain 40-byte bitmap it
// reads: RLE decoded to indices, masks other than the standard ones widened to 8 bits a channel,
// any other header replaced by a 40-byte one.
#include "engine/bmp_header.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace bmp {

// Rewrites a file FreeImage cannot read as one it can; nullopt for a damaged RLE stream.
std::optional<std::vector<uint8_t>> Normalise(const BmpInfo& info, const uint8_t* file, size_t n);

}  // namespace bmp
