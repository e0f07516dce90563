#include "platform/replacing_file.h"

#include <cerrno>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Enough for any folder that is not being flooded with names on purpose; after that the write fails.
constexpr int kAttempts = 100;

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

// Where the extension starts ("." included), or the end of the path when there is none.
size_t ExtensionStart(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const auto dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path.size();
  return dot;
}

std::string HiddenTemporaryFor(const std::string& target) {
  return FolderOf(target) + ".vantorel-" + RandomLetters(ReplacingFile::kRandomLetters) +
         target.substr(ExtensionStart(target));
}

std::string WithFreshLetters(std::string path) {
  const size_t end = ExtensionStart(path);
  const size_t nameStart = path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1;
  const size_t count = std::min(ReplacingFile::kRandomLetters, end - nameStart);
  path.replace(end - count, count, RandomLetters(count));
  return path;
}

}  // namespace

std::string RandomLetters(size_t count) {
  // One generator per thread: the worker and the window may both name files.
  thread_local std::mt19937 generator{std::random_device{}()};
  std::uniform_int_distribution<int> letter('a', 'z');
  std::string letters(count, 'a');
  for (char& c : letters) c = static_cast<char>(letter(generator));
  return letters;
}

ReplacingFile::ReplacingFile(std::string target) : ReplacingFile(target, HiddenTemporaryFor(target)) {}

ReplacingFile::ReplacingFile(std::string target, std::string temporary) : target_(std::move(target)) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    // Exclusive creation: an existing file of that name belongs to someone else and is never reused.
    // The permissions are those of any new file, so the renamed output looks like an ordinary one.
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      close(fd);
      temporary_ = std::move(temporary);
      return;
    }
    if (errno != EEXIST) return;
    temporary = WithFreshLetters(std::move(temporary));
  }
}

ReplacingFile::~ReplacingFile() {
  if (!committed_ && !temporary_.empty()) unlink(temporary_.c_str());
}

bool ReplacingFile::Commit() {
  if (committed_ || temporary_.empty()) return false;
  struct stat st {};
  if (stat(temporary_.c_str(), &st) != 0 || st.st_size == 0) return false;
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
