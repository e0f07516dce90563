#include "batch/input_list.h"

InputList inputList;

bool InputList::Add(std::string path, std::string relativeSubfolder) {
  if (!paths_.insert(path).second) return false;
  entries_.push_back({std::move(path), std::move(relativeSubfolder)});
  return true;
}

void InputList::Clear() {
  entries_.clear();
  paths_.clear();
}
