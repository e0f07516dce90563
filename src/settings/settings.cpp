#include "settings/settings.h"

#include "platform/paths.h"
#include "settings/format_tables.h"
#include "settings/settings_table.h"

#include <random>

Settings settings;
JobState job;

void ResetSettings(DefaultSet set) {
  for (const SettingRow& row : SettingRows()) ApplyDefault(row, set);
}

void ResetJob() {
  job = JobState{};
  job.programFolder = ProgramFolder();
  job.randomNumber = NewRandomNumber();
  job.sequenceNumber = 1;
  RebuildAcceptedInputExtensions();
}

int32_t NewRandomNumber() {
  thread_local std::mt19937 generator{std::random_device{}()};
  return std::uniform_int_distribution<int32_t>(1, 99999)(generator);
}
