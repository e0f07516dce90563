#pragma once
#include <FreeImage.h>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A BMP file as FreeImage writes it with `saveFlags`, with one repair: for run-length-encoded
// pixels FreeImage leaves the file size of the uncompressed image in the header and the image size
// at 0, which other programs reject as a damaged file; both are set to the real sizes.
std::optional<std::vector<uint8_t>> EncodeBmp(FIBITMAP* dib, int32_t saveFlags);

bool WriteBmp(FIBITMAP* dib, int32_t saveFlags, const std::string& path);
