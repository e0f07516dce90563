#include "batch/input_list.h"

InputList inputList;

bool InputList::Add(std::string path, std::string relativeSubfolder) {
  if (index_.contains(path)) return false;
  index_.emplace(path, entries_.size());
  entries_.push_back({std::move(path), std::move(relativeSubfolder)});
  return true;
}

bool InputList::Remove(const std::string& path) {
  const auto found = index_.find(path);
  if (found == index_.end()) return false;
  const size_t position = found->second;
  index_.erase(found);
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(position));
  // Everything after the removed entry moved up by one.
  for (size_t i = position; i < entries_.size(); ++i) index_[entries_[i].path] = i;
  return true;
}

void InputList::Clear() {
  entries_.clear();
  index_.clear();
}
