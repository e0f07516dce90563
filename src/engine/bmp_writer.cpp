#include "engine/bmp_writer.h"

#include "engine/freeimage_io.h"
#include "platform/little_endian.h"
#include "platform/replacing_file.h"

#include <new>

namespace {

constexpr size_t kHeadersSize = 14 + 40;
constexpr uint32_t kRle8 = 1, kRle4 = 2;

}  // namespace

std::optional<std::vector<uint8_t>> EncodeBmp(FIBITMAP* dib, int32_t saveFlags) {
  const std::span<const uint8_t> encoded = EncodeWithFreeImage(FIF_BMP, dib, saveFlags);
  if (encoded.size() < kHeadersSize) return std::nullopt;
  const auto size = static_cast<uint32_t>(encoded.size());
  std::vector<uint8_t> file;
  try {
    file.assign(encoded.begin(), encoded.end());
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  const uint32_t pixelOffset = Le32(&file[10]);
  const uint32_t compression = Le32(&file[14 + 16]);
  if (pixelOffset > size) return std::nullopt;
  if (compression == kRle8 || compression == kRle4) {
    StoreLe32(&file[2], size);
    StoreLe32(&file[14 + 20], size - pixelOffset);
  }
  return file;
}

bool WriteBmp(FIBITMAP* dib, int32_t saveFlags, const std::string& path) {
  const auto file = EncodeBmp(dib, saveFlags);
  return file && WriteWholeFile(path, file->data(), file->size());
}
