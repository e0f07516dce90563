#pragma once
// The lines a console run with the debug keyword prints about the settings it will use.
#include <string>
#include <vector>

// The lines for the chosen output format, each label followed directly by its value.
std::vector<std::string> FormatReport(const std::string& extension);

// One line of the report on the image settings, with the check that follows it: a non-empty
// `error` ends the run after the line is printed.
struct ReportLine {
  std::string text;
  std::string error;
};
// The image, frame, watermark and naming settings, in report order.
std::vector<ReportLine> SettingsReport();
