// Measures the conversion pipeline against a bare FreeImage load-and-save loop over the same files.
//   bench_pipeline generate DIR COUNT    writes COUNT 1600 × 1200 24-bit bitmaps into DIR
//   bench_pipeline bare DIR EXT          FreeImage_Load + FreeImage_Save of every bitmap
//   bench_pipeline pipeline DIR EXT      the program's pipeline on every bitmap
//   bench_pipeline stages DIR EXT        the same, resizing to 50 % (Lanczos), framing and
//                                        stamping a text watermark on every bitmap
// The two timing modes print one line: mode, extension, milliseconds per file, peak memory in MB.
#include "engine/output_job.h"
#include "engine/watermark_font.h"
#include "engine/pipeline.h"
#include "engine/save_flags.h"
#include "settings/format_tables.h"
#include "settings/settings.h"

#include <FreeImage.h>
#include <IL/il.h>
#include <IL/ilu.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <random>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

std::vector<std::string> Bitmaps(const std::string& dir) {
  std::vector<std::string> files;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) {
      const std::string name = e->d_name;
      if (name.size() > 4 && name.substr(name.size() - 4) == ".bmp") files.push_back(dir + "/" + name);
    }
    closedir(d);
  }
  return files;
}

// A photo-like picture: smooth gradients with a little noise, so encoders have realistic work.
void Generate(const std::string& dir, int count) {
  std::mt19937 random(42);
  for (int i = 0; i < count; ++i) {
    FIBITMAP* dib = FreeImage_Allocate(1600, 1200, 24);
    for (int y = 0; y < 1200; ++y) {
      BYTE* row = FreeImage_GetScanLine(dib, y);
      for (int x = 0; x < 1600; ++x) {
        const int noise = static_cast<int>(random() % 9) - 4;
        row[3 * x + FI_RGBA_RED] = static_cast<BYTE>(std::clamp(x * 255 / 1600 + noise, 0, 255));
        row[3 * x + FI_RGBA_GREEN] = static_cast<BYTE>(std::clamp(y * 255 / 1200 + noise, 0, 255));
        row[3 * x + FI_RGBA_BLUE] = static_cast<BYTE>(std::clamp((x + y + i * 40) % 256 + noise, 0, 255));
      }
    }
    const std::string path = dir + "/photo" + std::to_string(i) + ".bmp";
    FreeImage_Save(FIF_BMP, dib, path.c_str(), 0);
    FreeImage_Unload(dib);
  }
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: bench_pipeline generate|bare|pipeline DIR COUNT|EXT\n");
    return 2;
  }
  const std::string mode = argv[1], dir = argv[2], arg = argv[3];
  FreeImage_Initialise(FALSE);
  ilInit();
  iluInit();
  if (mode == "generate") {
    Generate(dir, std::atoi(arg.c_str()));
    return 0;
  }
  ResetSettings(DefaultSet::Console);
  ResetJob();
  if (mode == "stages") {
    settings.doImageResize = 1;
    settings.imageWidth = settings.imageHeight = 50;
    settings.imageWidthUnit = settings.imageHeightUnit = 1;
    settings.imageResizeAlgorithm = 5;
    settings.doFrame = 1;
    settings.solidLeft = settings.solidRight = settings.solidTop = settings.solidBottom = 10;
    settings.doWatermark = 1;
    settings.text = "%filename% %width%x%height%";
    if (!LoadWatermarkFont()) return 2;
  }
  if (!PrepareOutputFormat(arg)) return 2;
  const auto files = Bitmaps(dir);
  const std::string outDir = dir + "/out";
  job.outputFolder = outDir + "/";
  const auto start = std::chrono::steady_clock::now();
  int failures = 0;
  for (const std::string& file : files) {
    if (mode == "bare") {
      const std::string name = file.substr(file.find_last_of('/') + 1);
      const std::string target = outDir + "/" + name.substr(0, name.size() - 3) + arg;
      FIBITMAP* dib = FreeImage_Load(FIF_BMP, file.c_str(), 0);
      failures += !dib || !FreeImage_Save(static_cast<FREE_IMAGE_FORMAT>(job.saveFormatId), dib, target.c_str(), job.saveFlags);
      FreeImage_Unload(dib);
    } else {
      job.sourcePath = file;  // named by the default mask into the output folder
      failures += !ConvertCurrentFile();
    }
  }
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf("%s %s %.2f %.1f %d\n", mode.c_str(), arg.c_str(), files.empty() ? 0.0 : ms / files.size(),
              PeakMegabytes(), failures);
  return failures ? 1 : 0;
}
