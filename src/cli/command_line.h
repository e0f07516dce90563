#pragma once
// The console front end's reading of its parameters: first-parameter commands, every option applied
// to the global Settings and JobState in the order written, and what the caller should do next.
// Nothing is printed or run here; the dispatcher does that with the outcome.
#include <string>
#include <vector>

enum class CommandLineAction {
  OpenWindow,   // no parameters, or no input option and no error: window mode starts
  ShowHelp,     // "-H", "-?" or "--HELP" first
  ShowVersion,  // "-V" or "--VERSION" first
  ReportError,  // print errorLine, wait for a key when pause is on (no prompt), end
  RunConsole,   // banner unless quiet, the console run, then the prompt and key wait when pause is on
};

struct CommandLineOutcome {
  CommandLineAction action = CommandLineAction::OpenWindow;
  std::string errorLine;  // "Error: Incorrect number of parameters" or "Error: Invalid profile file"
  bool quiet = false;
  bool pause = false;  // as read up to the end, or up to the error
};

class CommandLine {
public:
  // argv[1..]: the shell has already split and unquoted them.
  explicit CommandLine(std::vector<std::string> parameters);

  size_t Count() const { return parameters_.size(); }
  // Parameter n trimmed of spaces at both ends; empty beyond the last.
  std::string Parameter(size_t n) const;
  // Upper case. Empty unless the parameter begins with "-"; for "--" only the text before the first
  // "=".
  std::string OptionName(size_t n) const;
  // After the first "=" of a "--" parameter that has one; otherwise the whole parameter, case kept.
  std::string OptionValue(size_t n) const;

  // With parameters: resets the job and fills Settings with the console default, then applies the
  // options (and profiles where "--profile" stands) until the first error. Without parameters
  // nothing is touched.
  CommandLineOutcome Apply() const;

private:
  std::vector<std::string> parameters_;
};
