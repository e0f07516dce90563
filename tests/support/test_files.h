#pragma once
// Helpers shared by the test suites: scratch folders, files, and independent tools run on outputs.
#include <cstdint>
#include <string>
#include <vector>

// A fresh folder under the system temp folder, removed with everything in it at the end of scope.
class ScratchFolder {
public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& Path() const { return path_; }  // no trailing "/"
  std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
  std::string path_;
};

std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
bool FileExists(const std::string& path);
// Names in a folder, "." and ".." left out, sorted.
std::vector<std::string> ListFolder(const std::string& path);

// Runs a shell command; returns its exit status and fills `output` with stdout and stderr.
int RunCommand(const std::string& command, std::string* output = nullptr);
std::string Quote(const std::string& text);  // single-quoted for the shell

// What ImageMagick's identify sees in a file: "WIDTHxHEIGHT" of the first image, empty when it
// cannot read it. `format` is an ImageMagick coder prefix such as "DDS" or "" to let it guess.
std::string IdentifySize(const std::string& path, const std::string& format = "");
