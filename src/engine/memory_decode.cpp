#include "engine/memory_decode.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

struct ByteStream {
  const uint8_t* data;
  size_t size;
  size_t position;
};

unsigned DLL_CALLCONV ReadBytes(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  auto* stream = static_cast<ByteStream*>(handle);
  if (size == 0) return 0;
  const size_t left = stream->size - stream->position;
  const size_t whole = std::min<size_t>(count, left / size);  // only complete elements, as fread
  std::memcpy(buffer, stream->data + stream->position, whole * size);
  stream->position += whole * size;
  return static_cast<unsigned>(whole);
}

int DLL_CALLCONV SeekBytes(fi_handle handle, long offset, int origin) {
  auto* stream = static_cast<ByteStream*>(handle);
  long base = 0;
  if (origin == SEEK_CUR) base = static_cast<long>(stream->position);
  else if (origin == SEEK_END) base = static_cast<long>(stream->size);
  else if (origin != SEEK_SET) return -1;
  const long target = base + offset;
  if (target < 0 || static_cast<size_t>(target) > stream->size) return -1;
  stream->position = static_cast<size_t>(target);
  return 0;
}

long DLL_CALLCONV TellBytes(fi_handle handle) {
  return static_cast<long>(static_cast<ByteStream*>(handle)->position);
}

unsigned DLL_CALLCONV ReadFile(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  return static_cast<unsigned>(std::fread(buffer, size, count, static_cast<FILE*>(handle)));
}

int DLL_CALLCONV SeekFile(fi_handle handle, long offset, int origin) {
  return std::fseek(static_cast<FILE*>(handle), offset, origin);
}

long DLL_CALLCONV TellFile(fi_handle handle) { return std::ftell(static_cast<FILE*>(handle)); }

// Decoding never writes.
unsigned DLL_CALLCONV NoWrite(void*, unsigned, unsigned, fi_handle) { return 0; }

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

}  // namespace

Bitmap DecodeFromMemory(FREE_IMAGE_FORMAT format, const uint8_t* data, size_t size) {
  if (!data) return nullptr;
  FreeImageIO io{ReadBytes, NoWrite, SeekBytes, TellBytes};
  ByteStream stream{data, size, 0};
  return Bitmap(FreeImage_LoadFromHandle(format, &io, &stream, 0));
}

Bitmap DecodeFromFile(FREE_IMAGE_FORMAT format, int fd) {
  const int own = dup(fd);
  if (own < 0) return nullptr;
  std::unique_ptr<FILE, FileCloser> file(fdopen(own, "rb"));
  if (!file) {
    close(own);
    return nullptr;
  }
  if (std::fseek(file.get(), 0, SEEK_SET) != 0) return nullptr;
  FreeImageIO io{ReadFile, NoWrite, SeekFile, TellFile};
  return Bitmap(FreeImage_LoadFromHandle(format, &io, file.get(), 0));
}
