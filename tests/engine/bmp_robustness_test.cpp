// Damaged copies of every fixture: truncated at every length and with bytes overwritten at random.
// No crash, no read out of bounds (run under the sanitizer build), and null where the damage shows.
#include "engine/bmp_fixtures.h"
#include "engine/bmp_source.h"

#include <gtest/gtest.h>

#include <random>

namespace {

class DamagedCopies : public testing::TestWithParam<BmpLayout> {};

TEST_P(DamagedCopies, TruncatedFilesGiveNull) {
  const BmpLayout& l = GetParam();
  const std::vector<uint8_t> bytes = MakeBmp(l).bytes;
  // An RLE stream that lost only its end-of-bitmap mark after the last row is still complete.
  const bool rle = l.compression == kBiRle8 || l.compression == kBiRle4;
  const size_t complete = rle ? bytes.size() - 2 : bytes.size();
  for (size_t length = 0; length < complete; ++length) {
    // A copy of exactly `length` bytes, so that the sanitizer sees any read past it.
    const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_FALSE(DecodeBmp(cut.data(), cut.size())) << "length " << length;
  }
}

TEST_P(DamagedCopies, MutatedFilesNeverCrash) {
  const std::vector<uint8_t> bytes = MakeBmp(GetParam()).bytes;
  std::mt19937 random(static_cast<unsigned>(bytes.size()) * 7919u);
  int decoded = 0;
  for (int round = 0; round < 300; ++round) {
    std::vector<uint8_t> copy = bytes;
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes; ++i) {
      // Mostly the headers and palette, where a byte changes the meaning of everything after it.
      const size_t span = random() % 2 ? std::min<size_t>(copy.size(), 160) : copy.size();
      const size_t at = random() % span;
      switch (random() % 3) {
        case 0: copy[at] = static_cast<uint8_t>(random()); break;
        case 1: copy[at] ^= static_cast<uint8_t>(1u << (random() % 8)); break;
        default: copy[at] = random() % 2 ? 0xFF : 0x00; break;
      }
    }
    if (random() % 4 == 0) copy.resize(random() % copy.size());
    const Bitmap dib = DecodeBmp(copy.data(), copy.size());
    if (!dib) continue;
    ++decoded;
    // Whatever decodes is a whole image no larger than a file of this size can describe.
    EXPECT_GT(BitmapWidth(dib) * uint64_t{BitmapHeight(dib)}, 0u);
    EXPECT_LE(BitmapWidth(dib) * uint64_t{BitmapHeight(dib)}, uint64_t{1} << 28);
  }
  // Some damage (pixel bytes, unused fields) leaves a readable image; a decoder that refuses
  // everything would pass the rest of this test.
  EXPECT_GT(decoded, 0);
}

INSTANTIATE_TEST_SUITE_P(Bmp, DamagedCopies, testing::ValuesIn(FixtureLayouts()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
