#include "engine/freeimage_save.h"

#include "platform/replacing_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

namespace {

// Buffers beyond this size are given back after the file, so one huge image does not pin its
// memory for the rest of the batch.
constexpr size_t kKeptBytes = size_t{64} << 20;

// A file in memory over a reused buffer: writes past the end grow it, seeks may go anywhere (a gap
// reads as zeros).
struct MemoryFile {
  std::vector<unsigned char>& storage;
  size_t length = 0;
  size_t position = 0;
  bool failed = false;
};

MemoryFile& FileOf(fi_handle handle) { return *static_cast<MemoryFile*>(handle); }

unsigned DLL_CALLCONV Read(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  MemoryFile& file = FileOf(handle);
  if (size == 0 || file.position >= file.length) return 0;
  const size_t whole = std::min<size_t>(count, (file.length - file.position) / size);
  std::memcpy(buffer, file.storage.data() + file.position, whole * size);
  file.position += whole * size;
  return static_cast<unsigned>(whole);
}

unsigned DLL_CALLCONV Write(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  MemoryFile& file = FileOf(handle);
  const size_t length = static_cast<size_t>(size) * count;
  if (length == 0) return count;
  const size_t end = file.position + length;
  if (end > file.storage.size()) {
    try {
      if (end > file.storage.capacity()) file.storage.reserve(std::max(end, 2 * file.storage.capacity()));
      file.storage.resize(end);
    } catch (const std::bad_alloc&) {
      file.failed = true;
      return 0;
    }
  }
  // A seek past the end leaves a gap that must read back as zeros, as in a real file.
  if (file.position > file.length) std::memset(file.storage.data() + file.length, 0, file.position - file.length);
  std::memcpy(file.storage.data() + file.position, buffer, length);
  file.position = end;
  file.length = std::max(file.length, end);
  return count;
}

int DLL_CALLCONV Seek(fi_handle handle, long offset, int origin) {
  MemoryFile& file = FileOf(handle);
  const long base = origin == SEEK_SET   ? 0
                    : origin == SEEK_CUR ? static_cast<long>(file.position)
                    : origin == SEEK_END ? static_cast<long>(file.length)
                                         : -1;
  if (base < 0 || base + offset < 0) return -1;
  file.position = static_cast<size_t>(base + offset);
  return 0;
}

long DLL_CALLCONV Tell(fi_handle handle) { return static_cast<long>(FileOf(handle).position); }

}  // namespace

bool SaveWithFreeImage(FREE_IMAGE_FORMAT format, FIBITMAP* dib, int flags, const std::string& path) {
  thread_local std::vector<unsigned char> storage;
  // Room for the pixels as they are plus headers, so that an uncompressed file never makes the
  // buffer move while it is written; the pages are touched only as the file fills them.
  const size_t uncompressed = size_t{FreeImage_GetPitch(dib)} * FreeImage_GetHeight(dib) + 65536;
  try {
    storage.reserve(uncompressed);
  } catch (const std::bad_alloc&) {
    return false;
  }
  FreeImageIO io{Read, Write, Seek, Tell};
  MemoryFile file{storage};
  const bool saved = FreeImage_SaveToHandle(format, dib, &io, &file, flags) && !file.failed && file.length > 0 &&
                     WriteWholeFile(path, storage.data(), file.length);
  if (storage.capacity() > kKeptBytes) std::vector<unsigned char>().swap(storage);
  return saved;
}
