#pragma once
// The lines a console run with the debug keyword prints about the settings it will use.
#include <functional>
#include <string>
#include <vector>

// The lines for the chosen output format, each label followed directly by its value.
std::vector<std::string> FormatReport(const std::string& extension);

// One line of the report on the image settings, with the check that follows it. The check runs
// whether or not the line is printed; when it fails, the run ends with `error`.
struct ReportLine {
  std::string text;
  std::function<bool()> passes;  // none: nothing to check after this line
  std::string error;
};
// The image, frame, watermark and naming settings, in report order. The text watermark's check
// loads the watermark font; the caller releases it.
std::vector<ReportLine> SettingsReport();
