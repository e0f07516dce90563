#include "batch/conversion_worker.h"

#include "batch/file_timestamp.h"
#include "batch/input_list.h"
#include "batch/output_subfolder.h"
#include "engine/pipeline.h"
#include "platform/console.h"
#include "settings/settings.h"

namespace {

void StampOutput() {
  switch (settings.fileTimestamp) {
    case 1:
      CopyModificationTime(job.sourcePath, job.targetPath);
      break;
    case 2:
      SetModificationTime(job.targetPath, LocalSecondsToUtc(settings.customTimestamp));
      break;
    default:  // the time of writing
      break;
  }
}

bool ConvertEntry(const InputEntry& entry, bool debug) {
  job.sourcePath = entry.path;
  job.relativeSubfolder = entry.relativeSubfolder;
  // A file that fails before it is named must not report the previous file's target.
  job.targetPath.clear();
  job.temporaryPath.clear();
  if (settings.keepSubfolders == 1) MakeOutputSubfolder(job.outputFolder, job.relativeSubfolder);
  if (debug) WriteConsoleLine("Processing: " + job.sourcePath);
  const bool converted = ConvertCurrentFile();
  if (debug) {
    WriteConsoleLine("Saving As: " + job.targetPath);
    WriteConsoleLine(converted ? "OK" : "Not OK");
  }
  return converted;
}

}  // namespace

void ConversionWorker(BatchProgress& progress) {
  const bool debug = job.consoleMode == 1 && job.runKeyword == "DEBUG";
  int32_t visited = 0;
  int32_t converted = 0;
  for (const InputEntry& entry : inputList) {
    // Read between files only: a file in progress is always finished.
    if (!progress.running) break;
    ++visited;
    {
      std::lock_guard guard(progress.lock);
      progress.currentIndex = visited;
      progress.currentFile = entry.path;
    }
    if (!ConvertEntry(entry, debug)) continue;
    // Only a written file moves the numbers on, so a failed file leaves "%rnd%" and "%n%" to the next.
    job.randomNumber = NewRandomNumber();
    ++job.sequenceNumber;
    ++converted;
    StampOutput();
  }
  std::lock_guard guard(progress.lock);
  progress.total = converted;
}
