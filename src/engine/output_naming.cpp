#include "engine/output_naming.h"

#include "engine/tokens.h"
#include "platform/replacing_file.h"
#include "platform/text_case.h"
#include "settings/settings.h"

std::string OutputFileName() {
  // Lower-cased before expansion: tokens match in any case, and values keep the case they have.
  std::string mask = AsciiLower(settings.filenameMask);
  if (mask.empty()) mask = "%filename%.%ext%";
  return ExpandTokens(mask);
}

std::string TargetPath() {
  return job.outputFolder + (settings.keepSubfolders == 1 ? job.relativeSubfolder : std::string()) +
         OutputFileName();
}

std::string TemporaryName(std::time_t seconds, std::string_view extension) {
  std::string name = "vantorel";
  for (char digit : std::to_string(seconds))
    if (std::isdigit(static_cast<unsigned char>(digit))) name += static_cast<char>('a' + (digit - '0'));
  name += RandomLetters(ReplacingFile::kRandomLetters);
  name += '.';
  name += extension;
  return name;
}

std::string TemporaryPath(const std::string& target) {
  const size_t slash = target.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  return folder + TemporaryName(std::time(nullptr), job.outputExtension);
}
