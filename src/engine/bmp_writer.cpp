#include "engine/bmp_writer.h"

#include "platform/little_endian.h"
#include "platform/replacing_file.h"

#include <memory>
#include <new>

namespace {

struct MemoryCloser {
  void operator()(FIMEMORY* stream) const { FreeImage_CloseMemory(stream); }
};

constexpr size_t kHeadersSize = 14 + 40;
constexpr uint32_t kRle8 = 1, kRle4 = 2;

}  // namespace

std::optional<std::vector<uint8_t>> EncodeBmp(FIBITMAP* dib, int32_t saveFlags) {
  if (!dib) return std::nullopt;
  std::unique_ptr<FIMEMORY, MemoryCloser> stream(FreeImage_OpenMemory());
  if (!stream || !FreeImage_SaveToMemory(FIF_BMP, dib, stream.get(), saveFlags)) return std::nullopt;
  BYTE* data = nullptr;
  DWORD size = 0;
  if (!FreeImage_AcquireMemory(stream.get(), &data, &size) || size < kHeadersSize) return std::nullopt;
  std::vector<uint8_t> file;
  try {
    file.assign(data, data + size);
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
