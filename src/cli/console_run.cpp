#include "cli/console_run.h"

#include "batch/add_file.h"
#include "batch/batch_progress.h"
#include "batch/conversion_worker.h"
#include "batch/folder_collection.h"
#include "batch/input_list.h"
#include "batch/list_collection.h"
#include "cli/console_output.h"
#include "cli/debug_report.h"
#include "engine/output_job.h"
#include "engine/watermark_font.h"
#include "platform/console.h"
#include "platform/file_status.h"
#include "platform/paths.h"
#include "platform/text_case.h"
#include "settings/format_tables.h"
#include "settings/settings.h"
#include "settings/settings_table.h"
#include "texts/language_table.h"


namespace {

constexpr int kSuccess = 0, kFailure = 1, kPartial = 2;

// The extension of a path: the text after its last point, when no space or "/" follows that point
// and the point neither starts the path nor follows a "/". Empty when there is none.
std::string PathExtension(const std::string& path) {
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || dot == 0 || path[dot - 1] == '/') return "";
  const std::string after = path.substr(dot + 1);
  return after.find_first_of(" /") == std::string::npos ? after : "";
}

std::string FolderPart(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// A relative folder is taken against the current folder, like a relative file; the result ends in
// "/". "." and a leading "./" name the current folder itself, so they are dropped from the paths
// the report and the worker print.
std::string NormaliseFolder(std::string folder) {
  if (folder.empty() || folder[0] != '/') {
    while (folder.starts_with("./")) folder.erase(0, 2);
    if (folder == ".") folder.clear();
    folder = CurrentFolder() + folder;
  }
  if (folder.back() != '/') folder += '/';
  return folder;
}

int Fail(const std::string& line) {
  WriteConsoleLine(line);
  return kFailure;
}

// Runs a collection or the conversion on its own thread and waits for its total.
int32_t RunTask(BackgroundTask::Body body) {
  BackgroundTask task;
  if (!task.Start(std::move(body))) return 0;
  return task.Wait();
}

// Frees the watermark font however the run ends.
struct FontRelease {
  ~FontRelease() { ReleaseWatermarkFont(); }
};

}  // namespace

int ConsoleRun(bool quiet) {
  const bool debug = job.runKeyword == "DEBUG";
  auto status = [quiet](const std::string& line) {
    if (!quiet) WriteConsoleLine(line);
  };
  auto report = [debug](const std::string& line) {
    if (debug) WriteConsoleLine(line);
  };

  status(LangText("General", "Preparing"));
  const std::string input = job.inputRoot;
  report("Input: " + input);
  const std::string inputExtension = PathExtension(input);
  const bool inputIsFile = !inputExtension.empty();
  if (inputIsFile) {
    job.sourcePath = input;
    job.inputRoot.clear();
    if (!IsNonEmptyFile(job.sourcePath)) return Fail("Error: Invalid input file");
  } else {
    if (input.rfind("..", 0) == 0) return Fail("Error: Incorrect input folder");
    job.inputRoot = NormaliseFolder(input);
    if (!IsFolder(job.inputRoot)) return Fail("Error: Invalid input folder");
  }

  if (job.outputFolder.empty()) job.outputFolder = FolderPart(inputIsFile ? job.sourcePath : job.inputRoot);
  report("Output: " + job.outputFolder);
  if (job.outputFolder.rfind("..", 0) == 0) return Fail("Error: Incorrect output folder");
  job.outputFolder = NormaliseFolder(job.outputFolder);
  if (!IsFolder(job.outputFolder)) return Fail("Error: Invalid output folder");

  if (job.inputFormat.empty()) job.inputFormat = InputFormats()[0];
  if (job.outputExtension.empty()) job.outputExtension = OutputFormats()[0].extension;
  const std::string conversion = job.outputExtension;
  report("Conversion: " + conversion);
  const OutputFormat* format = FindOutputFormat(conversion);
  if (!format) return Fail("Error: Invalid conversion type");
  for (const std::string& line : FormatReport(conversion)) report(line);
  if (!DepthIsValid(*format, SettingInt(*FindSetting("Output", DepthSettingKey(*format)))))
    return Fail("Error: Invalid " + conversion + "-bpp value");
  if (conversion == "jpg" && (settings.jpgQuality < 1 || settings.jpgQuality > 100))
    return Fail("Error: Invalid jpg-quality value");
  const FontRelease releaseFont;
  for (const ReportLine& line : SettingsReport()) {
    report(line.text);
    if (line.passes && !line.passes()) return Fail(line.error);
  }
  PrepareOutputFormat(conversion);

  status(LangText("General", "Importing"));
  int32_t imported = 0;
  const std::string lowerExtension = AsciiLower(inputExtension);
  if (!inputIsFile) imported = RunTask(FolderCollectionTask);
  else if (lowerExtension == "txt" || lowerExtension == "lst") imported = RunTask(ListCollectionTask);
  else imported = AddFile(job.sourcePath) ? 1 : 0;
  status(FormatTemplate(LangText("Msg", "Import complete"), std::to_string(imported)));
  if (imported == 0) {
    WriteConsoleLine(LangText("Msg", "Conversion is not complete"));
    WriteConsoleLine(LangText("Msg", "Empty input files"));
    return kFailure;
  }

  status(LangText("General", "Converting"));
  const int32_t converted = RunTask(ConversionWorker);
  if (converted == 0) {
    WriteConsoleLine(LangText("Msg", "Conversion is not complete"));
    return kFailure;
  }
  status(LangText("Msg", "Conversion complete"));
  status(FormatTemplate(LangText("Msg", "Files converted"), std::to_string(converted), std::to_string(imported)));
  return converted == imported ? kSuccess : kPartial;
}
