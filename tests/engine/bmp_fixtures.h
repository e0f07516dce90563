#pragma once
// Writes Windows and OS/2 bitmaps of every header layout from a known pixel grid, so that a test
// knows exactly which colour each decoded pixel must have.
#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

struct Rgba {
  uint8_t r = 0, g = 0, b = 0, a = 255;
  bool operator==(const Rgba&) const = default;
};
std::string ToString(const Rgba& c);

enum class BmpHeader {
  Os2v1,       // 12 bytes, 3-byte palette entries, 16-bit dimensions
  Os2v2,       // 64 bytes
  Os2v2Short,  // 16 bytes: only size, dimensions, planes and depth
  Info40,      // BITMAPINFOHEADER; BI_BITFIELDS masks follow it
  Info52,      // RGB masks inside the header
  Info56,      // RGBA masks inside the header
  V4,          // 108 bytes
  V5,          // 124 bytes
};

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3;

struct BmpLayout {
  std::string name{};  // for test names: letters, digits and '_'
  BmpHeader header = BmpHeader::Info40;
  int bpp = 24;
  uint32_t compression = kBiRgb;
  std::array<uint32_t, 4> masks{};  // red, green, blue, alpha; used with BI_BITFIELDS
  int width = 5;
  int height = 3;
  bool topDown = false;
  uint32_t colorsUsed = 0;   // palette length written and declared; 0 = 2^bpp (declared as 0)
  bool zeroAlpha = false;    // 32-bit: leave every alpha byte 0
  uint32_t extraGap = 0;     // bytes left unused between palette and pixels
};

// Test names already carry the layout's name; this keeps ctest's listing free of raw bytes.
inline void PrintTo(const BmpLayout& layout, std::ostream* os) { *os << layout.name; }

struct BmpFixture {
  std::vector<uint8_t> bytes;
  int width = 0, height = 0;
  std::vector<Rgba> expected;  // what a correct decoder shows, top row first
  std::vector<Rgba> palette;   // empty for direct colour
};

BmpFixture MakeBmp(const BmpLayout& layout);

// Every layout the decoder must read: each header, depth, compression, mask set and row order.
const std::vector<BmpLayout>& FixtureLayouts();

// A 40-byte RLE bitmap around a hand-made compressed stream, with a full palette of 2^bpp colours.
std::vector<uint8_t> MakeRleBmp(int bpp, int width, int height, const std::vector<uint8_t>& stream,
                                std::vector<Rgba>* palette);

// Little-endian stores for tests that damage headers on purpose.
void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value);
void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value);
