#include "app/program.h"
#include "cli/command_line.h"
#include "cli/console_output.h"
#include "cli/console_run.h"
#include "gui/window_mode.h"
#include "platform/console.h"
#include "texts/language_table.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
  // A second copy ends at once, without a word; it fails, since it did nothing it was asked.
  if (!StartProgram()) EndProgram(1);
  LoadLanguageTable();
  const CommandLineOutcome outcome = CommandLine(std::vector<std::string>(argv + 1, argv + argc)).Apply();
  switch (outcome.action) {
    case CommandLineAction::OpenWindow: EndProgram(RunWindowMode(argc, argv));
    case CommandLineAction::ShowHelp: PrintHelp(); EndProgram(0);
    case CommandLineAction::ShowVersion: PrintVersion(); EndProgram(0);
    case CommandLineAction::ReportError:
      SetConsoleTitle(ProgramTitle());
      WriteConsoleLine(outcome.errorLine);
      if (outcome.pause) PauseAtExit(false);
      EndProgram(1);
    case CommandLineAction::RunConsole: {
      SetConsoleTitle(ProgramTitle());
      if (!outcome.quiet) PrintBanner();
      const int status = ConsoleRun(outcome.quiet);
      if (outcome.pause) PauseAtExit(true);
      EndProgram(status);
    }
  }
  EndProgram(1);
}
