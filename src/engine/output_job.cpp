#include "engine/output_job.h"

#include "engine/save_flags.h"
#include "settings/format_tables.h"
#include "settings/settings.h"
#include "settings/settings_table.h"

bool PrepareOutputFormat(std::string_view extension) {
  const OutputFormat* format = FindOutputFormat(extension);
  if (!format) return false;
  const SettingRow* depthSetting = FindSetting("Output", DepthSettingKey(*format));
  job.outputExtension = format->extension;
  job.saveFormatId = format->formatNumber;
  job.outputBitDepth = depthSetting ? SettingInt(*depthSetting) : 0;
  job.automaticDepth = job.outputBitDepth == 0 ? 1 : 0;
  job.saveFlags = SaveFlags(extension);
  return true;
}
