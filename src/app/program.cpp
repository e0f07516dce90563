#include "app/program.h"

#include <cstdlib>

std::string VersionText(int version) {
  std::string digits = std::to_string(version);
  if (digits.size() > 1) digits.insert(1, ".");
  if (digits.size() > 3) digits.insert(3, ".");
  if (!digits.empty() && digits.back() == '0') digits = digits.substr(0, 3);
  return digits;
}

std::string ProgramTitle() { return "Tarnwick " + VersionText(VersionNumber); }

bool StartProgram() { return true; }

void EndProgram(int exitCode) { std::exit(exitCode); }
