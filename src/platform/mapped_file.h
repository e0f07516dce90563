#pragma once
// A whole file, read-only, as bytes in memory: mapped where the system allows (pages are read when
// touched), else read. The file stays open for readers that want it as a file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class MappedFile {
public:
  explicit MappedFile(const std::string& path);
  ~MappedFile();
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  // False for a missing, unreadable or empty file, or one that is not a regular file.
  bool Ok() const { return data_ != nullptr; }
  const uint8_t* Data() const { return data_; }
  size_t Size() const { return size_; }
  int Descriptor() const { return fd_; }

private:
  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  int fd_ = -1;
  bool mapped_ = false;
  std::vector<uint8_t> copy_;  // when mapping is not possible
};
