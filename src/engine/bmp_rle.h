#pragma once
// The RLE4 and RLE8 decoder. Every bitmap in RLE goes through it, never through FreeImage, because
// a stream can claim anything: this one clips every write to the bitmap.
#include <cstddef>
#include <cstdint>

namespace bmp {

// Decodes RLE4 or RLE8 into bottom-up rows of `stride` bytes. Pixels never written stay index 0;
// runs and deltas past the right or top edge are clipped. False when the stream ends before its
// end-of-bitmap mark and before the last row.
bool DecodeRle(const uint8_t* src, size_t n, unsigned bpp, uint32_t width, uint32_t height,
               uint8_t* out, size_t stride);

}  // namespace bmp
