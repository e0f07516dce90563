#pragma once
// Writes a file in place of another without ever leaving a half-written target: the writer fills a
// temporary file in the target's own folder, and only a complete write is renamed onto the target.
// A write that fails or is abandoned leaves the old target (or a source with the same path) untouched.
#include <cstddef>
#include <string>

class ReplacingFile {
public:
  // Creates the temporary file beside `target` under a hidden name of its own.
  explicit ReplacingFile(std::string target);
  // Creates the temporary file at `temporary`, a path in the target's folder whose last
  // `kRandomLetters` letters before the extension are random. The file is created exclusively; when
  // the name is taken, those letters are drawn afresh, so two writers never share a temporary file.
  ReplacingFile(std::string target, std::string temporary);
  ~ReplacingFile();  // removes the temporary file unless it was committed
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  bool Ok() const { return !temporary_.empty(); }
  const std::string& TemporaryPath() const { return temporary_; }
  const std::string& TargetPath() const { return target_; }

  // Renames the temporary file onto the target. Succeeds only once, and only when the temporary
  // file is not empty (no writer produces an empty image file).
  bool Commit();

  static constexpr size_t kRandomLetters = 5;

private:
  std::string target_;
  std::string temporary_;
  bool committed_ = false;
};

// `count` letters from "a" to "z", each drawn at random: the part of a temporary name that keeps it
// apart from the names of other writers.
std::string RandomLetters(size_t count);

// Writes `size` bytes to `path` (creating or truncating it). True only when every byte was written
// and the file was closed without error.
bool WriteWholeFile(const std::string& path, const void* data, size_t size);
