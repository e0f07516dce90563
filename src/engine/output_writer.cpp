#include "engine/output_writer.h"

#include "engine/bmp_writer.h"
#include "engine/devil_writer.h"
#include "engine/exact_bmp_writer.h"
#include "engine/freeimage_io.h"
#include "engine/ico_writer.h"
#include "engine/j2k_writer.h"
#include "engine/jxr_writer.h"
#include "platform/replacing_file.h"
#include "settings/format_tables.h"
#include "settings/settings.h"

namespace {

bool WriteFile(FIBITMAP* dib, const std::string& path) {
  const std::string& extension = job.outputExtension;
  const OutputFormat* format = FindOutputFormat(extension);
  if (format && format->writer == Writer::DevIL)
    return WriteWithDevil(dib, format->formatNumber, extension == "dds", path);
  if (extension == "bmp")
    return job.outputBitDepth == 8 && settings.bmpColorTable == 1 ? WriteExactBmp(dib, job.saveFlags, path)
                                                                   : WriteBmp(dib, job.saveFlags, path);
  if (extension == "jxr") return WriteJxr(dib, path);
  if (extension == "ico" &&
      !FreeImageWritesIco(FreeImage_GetWidth(dib), FreeImage_GetHeight(dib), FreeImage_GetBPP(dib)))
    return WriteIco(dib, path);
  if (extension == "j2k" || extension == "jp2")
    return WriteJpeg2000(dib, static_cast<FREE_IMAGE_FORMAT>(job.saveFormatId), job.saveFlags, path);
  return SaveWithFreeImage(static_cast<FREE_IMAGE_FORMAT>(job.saveFormatId), dib, job.saveFlags, path);
}

}  // namespace

bool WriteOutput(FIBITMAP* dib) {
  if (!dib || job.targetPath.empty()) return false;
  ReplacingFile file(job.targetPath, job.temporaryPath);
  if (!file.Ok()) return false;
  job.temporaryPath = file.TemporaryPath();
  return WriteFile(dib, file.TemporaryPath()) && file.Commit();
}
