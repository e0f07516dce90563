#include "app/program.h"

#include "platform/instance_lock.h"
#include "settings/format_tables.h"

#include <FreeImage.h>
#include <IL/il.h>
#include <IL/ilu.h>
#include <tiffio.h>

#include <cstdio>
#include <cstdlib>

std::string VersionText(int version) {
  std::string digits = std::to_string(version);
  if (digits.size() > 1) digits.insert(1, ".");
  if (digits.size() > 3) digits.insert(3, ".");
  if (!digits.empty() && digits.back() == '0') digits = digits.substr(0, 3);
  return digits;
}

std::string ProgramTitle() { return "Tarnwick " + VersionText(VersionNumber); }

bool StartProgram() {
  FreeImage_Initialise(FALSE);
  // FreeImage's TIFF codec would print libtiff's warnings on the console; a conversion reports
  // through its result alone.
  TIFFSetWarningHandler(nullptr);
  TIFFSetErrorHandler(nullptr);
  RebuildAcceptedInputExtensions();
  ilInit();
  iluInit();
  return AcquireInstanceLock(ProgramTitle());
}

void EndProgram(int exitCode) {
  ilShutDown();
  FreeImage_DeInitialise();
  std::fflush(nullptr);
  std::exit(exitCode);
}
