#include "engine/exact_bmp_writer.h"

#include "engine/bmp_writer.h"
#include "platform/little_endian.h"
#include "platform/replacing_file.h"

#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;

// Highest palette index in any pixel, plus one; row padding does not count.
unsigned ColoursUsed(FIBITMAP* dib) {
  const unsigned width = FreeImage_GetWidth(dib);
  const unsigned height = FreeImage_GetHeight(dib);
  BYTE highest = 0;
  for (unsigned y = 0; y < height; ++y) {
    const BYTE* row = FreeImage_GetScanLine(dib, static_cast<int>(y));
    for (unsigned x = 0; x < width; ++x)
      if (row[x] > highest) highest = row[x];
  }
  return highest + 1u;
}

}  // namespace

bool WriteExactBmp(FIBITMAP* dib, int32_t saveFlags, const std::string& path) {
  if (!dib || FreeImage_GetBPP(dib) != 8 || !FreeImage_GetPalette(dib)) return false;
  // FreeImage's file supplies the pixel data and the compression it really used; the headers and
  // the colour table are built here.
  const auto saved = EncodeBmp(dib, saveFlags);
  if (!saved) return false;
  const uint32_t pixelOffset = Le32(&(*saved)[10]);
  const uint32_t compression = Le32(&(*saved)[kFileHeaderSize + 16]);
  const size_t pixelSize = saved->size() - pixelOffset;

  const unsigned colours = ColoursUsed(dib);
  const size_t dataOffset = kFileHeaderSize + kInfoHeaderSize + 4u * colours;
  std::vector<uint8_t> file;
  try {
    file.assign(dataOffset + pixelSize, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }

  file[0] = 'B';
  file[1] = 'M';
  StoreLe32(&file[2], static_cast<uint32_t>(file.size()));
  StoreLe32(&file[10], static_cast<uint32_t>(dataOffset));
  std::memcpy(&file[kFileHeaderSize], FreeImage_GetInfoHeader(dib), kInfoHeaderSize);
  StoreLe32(&file[kFileHeaderSize + 16], compression);
  StoreLe32(&file[kFileHeaderSize + 20], static_cast<uint32_t>(pixelSize));
  StoreLe32(&file[kFileHeaderSize + 32], colours);
  StoreLe32(&file[kFileHeaderSize + 36], colours);
  const RGBQUAD* palette = FreeImage_GetPalette(dib);
  for (unsigned i = 0; i < colours; ++i) {
    uint8_t* entry = &file[kFileHeaderSize + kInfoHeaderSize + 4 * i];
    entry[0] = palette[i].rgbBlue;
    entry[1] = palette[i].rgbGreen;
    entry[2] = palette[i].rgbRed;
    entry[3] = 0;
  }
  std::memcpy(&file[dataOffset], saved->data() + pixelOffset, pixelSize);
  return WriteWholeFile(path, file.data(), file.size());
}
