#include "platform/mapped_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool ReadAll(int fd, uint8_t* into, size_t size) {
  while (size > 0) {
    const ssize_t n = read(fd, into, size);
    if (n <= 0) return false;
    into += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

}  // namespace

MappedFile::MappedFile(const std::string& path) : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
  struct stat st {};
  if (fd_ < 0 || fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0) return;
  size_ = static_cast<size_t>(st.st_size);
  void* map = mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd_, 0);
  if (map != MAP_FAILED) {
    data_ = static_cast<const uint8_t*>(map);
    mapped_ = true;
    return;
  }
  copy_.resize(size_);
  if (ReadAll(fd_, copy_.data(), size_)) data_ = copy_.data();
}

MappedFile::~MappedFile() {
  if (mapped_) munmap(const_cast<uint8_t*>(data_), size_);
  if (fd_ >= 0) close(fd_);
}
