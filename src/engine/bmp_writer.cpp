#include "engine/bmp_writer.h"

#include "platform/replacing_file.h"

#include <memory>
#include <new>

namespace {

struct MemoryCloser {
  void operator()(FIMEMORY* stream) const { FreeImage_CloseMemory(stream); }
};

constexpr size_t kHeadersSize = 14 + 40;
constexpr uint32_t kRle8 = 1, kRle4 = 2;

uint32_t ReadLE32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

void PutLE32(uint8_t* p, uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

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
  const uint32_t pixelOffset = ReadLE32(&file[10]);
  const uint32_t compression = ReadLE32(&file[14 + 16]);
  if (pixelOffset > size) return std::nullopt;
  if (compression == kRle8 || compression == kRle4) {
    PutLE32(&file[2], size);
    PutLE32(&file[14 + 20], size - pixelOffset);
  }
  return file;
}

bool WriteBmp(FIBITMAP* dib, int32_t saveFlags, const std::string& path) {
  const auto file = EncodeBmp(dib, saveFlags);
  return file && WriteWholeFile(path, file->data(), file->size());
}
