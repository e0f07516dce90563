#include "cli/command_line.h"

#include "cli/option_table.h"
#include "cli/profile.h"
#include "platform/text_case.h"
#include "platform/text_trim.h"
#include "settings/settings.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace {

constexpr std::string_view kMissingValue = "Incorrect number of parameters";
constexpr std::string_view kBadProfile = "Invalid profile file";

bool IsFirstParameterCommand(const std::string& name, std::initializer_list<std::string_view> spellings) {
  return std::find(spellings.begin(), spellings.end(), name) != spellings.end();
}

}  // namespace

CommandLine::CommandLine(std::vector<std::string> parameters) : parameters_(std::move(parameters)) {}

std::string CommandLine::Parameter(size_t n) const {
  return n < parameters_.size() ? std::string(TrimSpaces(parameters_[n])) : std::string();
}

std::string CommandLine::OptionName(size_t n) const {
  std::string name = Parameter(n);
  if (!name.starts_with('-')) return {};
  if (name.starts_with("--")) name = name.substr(0, name.find('='));
  return AsciiUpper(name);
}

std::string CommandLine::OptionValue(size_t n) const {
  const std::string parameter = Parameter(n);
  if (!parameter.starts_with("--")) return parameter;
  const size_t equals = parameter.find('=', 2);
  return equals == std::string::npos ? parameter : parameter.substr(equals + 1);
}

CommandLineOutcome CommandLine::Apply() const {
  CommandLineOutcome outcome;
  if (parameters_.empty()) return outcome;

  ResetJob();
  ResetSettings(DefaultSet::Console);

  const std::string first = OptionName(0);
  if (IsFirstParameterCommand(first, {"-V", "--VERSION"})) {
    outcome.action = CommandLineAction::ShowVersion;
    return outcome;
  }
  if (IsFirstParameterCommand(first, {"-H", "-?", "--HELP"})) {
    outcome.action = CommandLineAction::ShowHelp;
    return outcome;
  }

  std::string_view error;
  for (size_t i = 0; i < parameters_.size() && error.empty(); ++i) {
    const std::string name = OptionName(i);
    const OptionRow* row = FindCommandLineOption(name);
    if (!row) continue;

    std::string value;
    if (row->effect == OptionEffect::Input || row->effect == OptionEffect::Output ||
        row->effect == OptionEffect::Conversion) {
      // The short spelling takes the next word as its value; the long one needs "=".
      value = name.starts_with("--") ? OptionValue(i) : OptionValue(++i);
      if (value.empty() || value.starts_with('-')) error = kMissingValue;
    } else if (row->form != ValueForm::None) {
      // Only a single "-" may begin a value, so that negative numbers pass and a missing "=" does not.
      value = OptionValue(i);
      if (value.empty() || value.starts_with("--")) error = kMissingValue;
    }
    if (!error.empty()) break;

    switch (row->effect) {
      case OptionEffect::Setting: ApplySettingOption(*row, value); break;
      case OptionEffect::Input:
        job.inputRoot = value;
        job.consoleMode = 1;
        break;
      case OptionEffect::Output: job.outputFolder = value; break;
      case OptionEffect::Conversion: job.outputExtension = value; break;
      case OptionEffect::Profile:
        if (!ReadProfile(value)) error = kBadProfile;
        break;
      case OptionEffect::Debug: job.runKeyword = "DEBUG"; break;
      case OptionEffect::Quiet: outcome.quiet = true; break;
      case OptionEffect::Pause: outcome.pause = true; break;
    }
  }

  if (!error.empty()) {
    outcome.action = CommandLineAction::ReportError;
    outcome.errorLine = "Error: " + std::string(error);
  } else if (job.consoleMode == 1) {
    outcome.action = CommandLineAction::RunConsole;
  }
  return outcome;
}
