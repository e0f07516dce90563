#include "platform/replacing_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

std::string ExtensionOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  return path.substr(dot);
}

}  // namespace

ReplacingFile::ReplacingFile(std::string target) : target_(std::move(target)) {
  // Hidden, unique and in the same folder, so that the final rename is atomic and never crosses
  // file systems. The target's extension is kept for libraries that look at names.
  std::string pattern = FolderOf(target_) + ".vantorel-XXXXXX" + ExtensionOf(target_);
  const int suffix = static_cast<int>(ExtensionOf(target_).size());
  const int fd = mkstemps(pattern.data(), suffix);
  if (fd < 0) return;
  close(fd);
  temporary_ = pattern;
}

ReplacingFile::~ReplacingFile() {
  if (!committed_ && !temporary_.empty()) unlink(temporary_.c_str());
}

bool ReplacingFile::Commit() {
  if (committed_ || temporary_.empty()) return false;
  struct stat st {};
  if (stat(temporary_.c_str(), &st) != 0 || st.st_size == 0) return false;
  // mkstemp creates 0600; an output file gets the permissions an ordinary new file would get.
  const mode_t mask = umask(0);
  umask(mask);
  chmod(temporary_.c_str(), 0666 & ~mask);
  if (rename(temporary_.c_str(), target_.c_str()) != 0) return false;
  committed_ = true;
  return true;
}

bool WriteWholeFile(const std::string& path, const void* data, size_t size) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(data, 1, size, f) == size;
  const bool closed = std::fclose(f) == 0;
  return written && closed;
}
