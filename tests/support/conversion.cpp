#include "support/conversion.h"

#include "engine/output_job.h"
#include "engine/pipeline.h"
#include "settings/format_tables.h"
#include "settings/settings.h"
#include "settings/settings_table.h"

#include <IL/il.h>
#include <IL/ilu.h>

void ConversionTest::SetUpTestSuite() {
  ilInit();
  iluInit();
}

void ConversionTest::SetUp() {
  ResetSettings(DefaultSet::Console);
  ResetJob();
}

bool ConversionTest::Convert(const std::string& source, const std::string& extension, int depth,
                             const std::string& target) {
  const OutputFormat* format = FindOutputFormat(extension);
  if (!format) return false;
  SetSettingInt(*FindSetting("Output", DepthSettingKey(*format)), depth);
  PrepareOutputFormat(extension);
  // The target is named through the mask: its folder and its name, taken literally.
  const size_t slash = target.find_last_of('/');
  job.outputFolder = target.substr(0, slash + 1);
  settings.filenameMask = target.substr(slash + 1);
  job.sourcePath = source;
  return ConvertCurrentFile();
}
