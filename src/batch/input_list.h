#pragma once
// The files of the next run: each full source path once, with its subfolder below the folder it was
// collected from, visited in the order the paths were added (so "%n%" numbers them in that order).
#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

struct InputEntry {
  std::string path;               // full source path, compared exactly
  std::string relativeSubfolder;  // ending in "/", or empty
};

class InputList {
public:
  // False when the path is already listed; the first entry stays as it was.
  bool Add(std::string path, std::string relativeSubfolder);
  void Clear();

  size_t Size() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  auto begin() const { return entries_.begin(); }
  auto end() const { return entries_.end(); }

private:
  std::vector<InputEntry> entries_;      // in the order of adding
  std::unordered_set<std::string> paths_;  // the paths of entries_, for the check on adding
};

// The list the collection tasks fill and the conversion worker reads.
extern InputList inputList;
