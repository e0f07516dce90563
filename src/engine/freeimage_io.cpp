#include "engine/freeimage_io.h"

#include "platform/replacing_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <unistd.h>
#include <vector>

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

// An encoding buffer beyond this size is given back before the next file.
constexpr size_t kKeptBytes = size_t{64} << 20;

// A file being written into a reused buffer: writes past the end grow it, seeks may go anywhere (a
// gap reads as zeros).
struct GrowingFile {
  std::vector<uint8_t>& storage;
  size_t length = 0;
  size_t position = 0;
  bool failed = false;
};

GrowingFile& FileOf(fi_handle handle) { return *static_cast<GrowingFile*>(handle); }

unsigned DLL_CALLCONV ReadGrowing(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  GrowingFile& file = FileOf(handle);
  if (size == 0 || file.position >= file.length) return 0;
  const size_t whole = std::min<size_t>(count, (file.length - file.position) / size);
  std::memcpy(buffer, file.storage.data() + file.position, whole * size);
  file.position += whole * size;
  return static_cast<unsigned>(whole);
}

unsigned DLL_CALLCONV WriteGrowing(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  GrowingFile& file = FileOf(handle);
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

int DLL_CALLCONV SeekGrowing(fi_handle handle, long offset, int origin) {
  GrowingFile& file = FileOf(handle);
  const long base = origin == SEEK_SET   ? 0
                    : origin == SEEK_CUR ? static_cast<long>(file.position)
                    : origin == SEEK_END ? static_cast<long>(file.length)
                                         : -1;
  if (base < 0 || base + offset < 0) return -1;
  file.position = static_cast<size_t>(base + offset);
  return 0;
}

long DLL_CALLCONV TellGrowing(fi_handle handle) { return static_cast<long>(FileOf(handle).position); }

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

std::span<const uint8_t> EncodeWithFreeImage(FREE_IMAGE_FORMAT format, FIBITMAP* dib, int flags) {
  thread_local std::vector<uint8_t> storage;
  if (!dib) return {};
  // One huge image must not pin its memory for the rest of the batch.
  if (storage.capacity() > kKeptBytes) std::vector<uint8_t>().swap(storage);
  // Room for the pixels as they are plus headers, so that an uncompressed file never makes the
  // buffer move while it is written; the pages are touched only as the file fills them.
  const size_t uncompressed = size_t{FreeImage_GetPitch(dib)} * FreeImage_GetHeight(dib) + 65536;
  try {
    storage.reserve(uncompressed);
  } catch (const std::bad_alloc&) {
    return {};
  }
  FreeImageIO io{ReadGrowing, WriteGrowing, SeekGrowing, TellGrowing};
  GrowingFile file{storage};
  if (!FreeImage_SaveToHandle(format, dib, &io, &file, flags) || file.failed) return {};
  return {storage.data(), file.length};
}

bool SaveWithFreeImage(FREE_IMAGE_FORMAT format, FIBITMAP* dib, int flags, const std::string& path) {
  const std::span<const uint8_t> bytes = EncodeWithFreeImage(format, dib, flags);
  return !bytes.empty() && WriteWholeFile(path, bytes.data(), bytes.size());
}
