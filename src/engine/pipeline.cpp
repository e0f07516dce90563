#include "engine/pipeline.h"

#include "engine/bmp_source.h"
#include "engine/flip_stage.h"
#include "engine/frame_stage.h"
#include "engine/icon_limit.h"
#include "engine/output_depth.h"
#include "engine/output_naming.h"
#include "engine/output_writer.h"
#include "engine/resize_stage.h"
#include "engine/rotation_stage.h"
#include "engine/tone_stages.h"
#include "engine/watermark_stage.h"
#include "settings/settings.h"

bool ConvertCurrentFile() {
  // Every source is a Windows bitmap, whatever its extension.
  Bitmap bitmap = LoadBmpSource(job.sourcePath);
  job.sourceBitDepth = static_cast<int32_t>(BitmapDepth(bitmap));
  unsigned width = BitmapWidth(bitmap);
  unsigned height = BitmapHeight(bitmap);
  if (width == 0 || height == 0) return false;

  bitmap = RotationStage(std::move(bitmap));
  width = BitmapWidth(bitmap);
  height = BitmapHeight(bitmap);
  bitmap = ResizeStage(std::move(bitmap), width, height);
  width = BitmapWidth(bitmap);
  height = BitmapHeight(bitmap);
  bitmap = IconLimitStage(std::move(bitmap), width, height);
  // The image keeps this size from here on, and its output depth follows from the source alone:
  // both are known before the watermark, whose "%width%", "%height%" and "%bpp%" show this file's
  // values, as the output name does.
  job.width = static_cast<int32_t>(width);
  job.height = static_cast<int32_t>(height);
  ResolveOutputDepth();
  FlipStage(bitmap);
  bitmap = ColourAdjustmentStage(std::move(bitmap));
  bitmap = GreyscaleStage(std::move(bitmap));
  bitmap = ThresholdStage(std::move(bitmap));
  bitmap = FrameStage(std::move(bitmap), width, height);
  bitmap = WatermarkStage(std::move(bitmap), width, height);
  bitmap = BitDepthStage(std::move(bitmap));
  // Named after the depth stage, so that "%bpp%", "%width%" and "%height%" see the final values.
  job.targetPath = TargetPath();
  job.temporaryPath = TemporaryPath(job.targetPath);
  return WriteOutput(bitmap.get());
}
