#pragma once
// Pixels at 16 bits per channel, as ImageMagick hands them out, for writer tests that compare
// every pixel of a decoded file with what was written.
#include "platform/bitmap.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct Rgba16 {
  uint16_t r, g, b, a;
  bool operator==(const Rgba16&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Rgba16& c);

// A bitmap and the colours a decoder should see, top row first.
struct Sample {
  Bitmap dib;
  std::vector<Rgba16> expected;
};

inline uint16_t From8(unsigned v) { return static_cast<uint16_t>(v * 257); }
inline Rgba16 Expected(const RGBQUAD& c) { return {From8(c.rgbRed), From8(c.rgbGreen), From8(c.rgbBlue), 65535}; }

// Every pixel of `image` (an ImageMagick source such as "ICO:x.ico"), top row first; empty when
// ImageMagick cannot read it.
std::vector<Rgba16> ReadRgba16(const std::string& image);
