#include "cli/debug_report.h"

#include "engine/watermark_font.h"
#include "platform/file_status.h"
#include "platform/text_case.h"
#include "settings/settings.h"
#include "settings/settings_table.h"
#include "settings/value_keywords.h"

#include <cstdio>

namespace {

std::string Word(ValueList list, int value) { return WordOfValue(list, value); }
std::string Flag(int value) { return std::to_string(value); }
std::string Number(int value) { return std::to_string(value); }

std::string Gamma(float gamma) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(gamma));
  return text;
}

// The format's own label for an option key where it differs from the key.
std::string FormatLabel(const std::string& key) { return key == "JPG Chroma" ? "JPG Chroma Subsampling" : key; }

}  // namespace

std::vector<std::string> FormatReport(const std::string& extension) {
  std::vector<std::string> lines;
  const std::string prefix = AsciiUpper(extension) + " ";
  for (const SettingRow& row : SettingRows()) {
    const std::string key = row.key;
    if (std::string(row.section) != "Output" || key.rfind(prefix, 0) != 0) continue;
    const auto list = ValueListOf(row.field);
    lines.push_back(FormatLabel(key) + ": " + (list ? WordOfValue(*list, SettingInt(row)) : Number(SettingInt(row))));
  }
  return lines;
}

std::vector<ReportLine> SettingsReport() {
  const Settings& s = settings;
  std::vector<ReportLine> r;
  auto line = [&](const std::string& text) { r.push_back({text, {}, {}}); };
  auto checked = [&](const std::string& text, bool passes, std::string error) {
    r.push_back({text, [passes] { return passes; }, std::move(error)});
  };
  // Text and picture watermarks share their placement lines.
  auto placement = [&](int boundary, int position, int x, int y, int rotation, int size) {
    line("Watermark boundary: " + Word(ValueList::Boundary, boundary));
    line("Watermark position: " + Word(ValueList::Position, position));
    line("Watermark offset (x/y): " + Number(x) + "/" + Number(y));
    line("Watermark rotation: " + Number(rotation));
    line("Watermark size/mode: " + Word(ValueList::Size, size));
  };

  if (s.doImageRotation) {
    line("Image Rotation Type: " + Word(ValueList::RotationType, s.imageRotationType));
    line("Image Rotation: " + Number(s.imageRotation));
    line("Image Rotation Back Color: " + s.imageRotationBackColor);
  }
  if (s.doImageResize) {
    checked("Width: " + Number(s.imageWidth) + " " + Word(ValueList::Unit, s.imageWidthUnit), s.imageWidth != 0,
            "Error: Invalid width value");
    checked("Height: " + Number(s.imageHeight) + " " + Word(ValueList::Unit, s.imageHeightUnit),
            s.imageHeight != 0, "Error: Invalid height value");
    line("Keep Aspect Ratio: " + Flag(s.keepAspectRatio));
    line("Image Resize Type: " + Word(ValueList::ResizeType, s.imageResizeType));
    line("Image Resize Algorithm: " + Word(ValueList::ResizeAlgorithm, s.imageResizeAlgorithm));
  }
  line("Flip Horizontal: " + Flag(s.doImageFlipHorizontal));
  line("Flip Vertical: " + Flag(s.doImageFlipVertical));
  if (s.doImageColorCorrection) {
    checked("Brightness: " + Number(s.imageBrightness), s.imageBrightness >= -100 && s.imageBrightness <= 100,
            "Error: Invalid brightness value");
    checked("Contrast: " + Number(s.imageContrast), s.imageContrast >= -100 && s.imageContrast <= 100,
            "Error: Invalid contrast value");
    checked("Gamma: " + Gamma(s.imageGamma), s.imageGamma >= 0.01f && s.imageGamma <= 9.99f,
            "Error: Invalid gamma value");
    line("Invert: " + Flag(s.imageInvert));
  }
  line("Greyscale: " + Flag(s.doImageGreyscale));
  if (s.doImageThreshold) line("Image Threshold: " + Number(s.imageThreshold));
  line("Frame: " + Word(ValueList::Frame, s.doFrame));
  if (s.doFrame == 1) {
    line("Frame left: " + Number(s.solidLeft));
    line("Frame right: " + Number(s.solidRight));
    line("Frame top: " + Number(s.solidTop));
    line("Frame bottom: " + Number(s.solidBottom));
    line("Frame left color: " + s.solidLeftColor);
    line("Frame right color: " + s.solidRightColor);
    line("Frame top color: " + s.solidTopColor);
    line("Frame bottom color: " + s.solidBottomColor);
    line("Frame opacity: " + Number(s.solidOpacity));
  }
  line("Watermark: " + Word(ValueList::Watermark, s.doWatermark));
  if (s.doWatermark == 1) {
    line("Watermark text: " + s.text);
    line("Watermark font: " + s.font);
    line("Watermark font size: " + Number(s.fontSize));
    line("Watermark font leading: " + Number(s.fontLeading));
    line("Watermark font color: " + s.fontColor);
    line("Watermark font style: " + Word(ValueList::FontStyle, s.fontStyle));
    line("Watermark font effect: " + Word(ValueList::FontEffect, s.fontEffect));
    line("Watermark text antialiasing: " + Flag(s.textAntialiasing));
    line("Watermark text alignment: " + Word(ValueList::Alignment, s.textAlignment));
    line("Watermark text padding: " + Number(s.textPadding));
    line("Watermark text opacity: " + Number(s.textOpacity));
    line("Watermark background color: " + s.backColor);
    line("Watermark background opacity: " + Number(s.backOpacity));
    placement(s.textBoundary, s.textPosition, s.textXOffset, s.textYOffset, s.textRotation, s.textSize);
    // The font is loaded here, once, for the whole run: the stage draws every file with it.
    r.back().passes = [] { return LoadWatermarkFont(); };
    r.back().error = "Error: Invalid watermark font";
  } else if (s.doWatermark == 2) {
    line("Watermark image: " + s.image);
    line("Watermark greyscale: " + Flag(s.imageGreyscale));
    line("Watermark opacity: " + Number(s.imageOpacity));
    placement(s.imageBoundary, s.imagePosition, s.imageXOffset, s.imageYOffset, s.imageWatermarkRotation,
              s.imageSize);
    const std::string picture = s.image;
    r.back().passes = [picture] { return IsNonEmptyFile(picture); };
    r.back().error = "Error: Invalid watermark image";
  }
  line("Filename Mask: " + s.filenameMask);
  line("File Timestamp: " + Word(ValueList::Timestamp, s.fileTimestamp));
  if (s.fileTimestamp == 2) line("Custom Timestamp: " + Number(s.customTimestamp));
  line("Keep Subfolders: " + Flag(s.keepSubfolders));
  return r;
}
