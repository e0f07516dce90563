#include "settings/settings_table.h"

#include "platform/text_case.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {

// clang-format off
const SettingRow kRows[] = {
    {"General", "CFG", SettingKind::Int, &Settings::cfg, "17", DefaultRule::Fixed, "0"},
    {"General", "Language", SettingKind::Text, &Settings::language, "en"},
    {"General", "Update Range", SettingKind::Int, &Settings::updateRange, "2"},
    {"General", "Update Date", SettingKind::Int, &Settings::updateDate, "0", DefaultRule::Now},
    {"General", "Save Window Position", SettingKind::Byte, &Settings::saveWindowPosition, "1"},
    {"Window", "IsMaximized", SettingKind::Byte, &Settings::isMaximized, "0"},
    {"Window", "Width", SettingKind::Int, &Settings::width, "510"},
    {"Window", "Height", SettingKind::Int, &Settings::height, "330"},
    {"Window", "X", SettingKind::Int, &Settings::x, "100", DefaultRule::CentredX, "100"},
    {"Window", "Y", SettingKind::Int, &Settings::y, "100", DefaultRule::CentredY, "100"},
    {"Interface", "UI Theme", SettingKind::Text, &Settings::uiTheme, "handdrawn"},
    {"Interface", "UI Size", SettingKind::Int, &Settings::uiSize, "2"},
    {"Input", "Format", SettingKind::Text, &Settings::inputFormat, "bmp"},
    {"Input", "DDS Load As", SettingKind::Int, &Settings::ddsLoadAs, "0"},
    {"Input", "GIF Frame Loading", SettingKind::Int, &Settings::gifFrameLoading, "0"},
    {"Input", "ICO Frame Loading", SettingKind::Int, &Settings::icoFrameLoading, "0"},
    {"Input", "TIFF Frame Loading", SettingKind::Int, &Settings::tiffFrameLoading, "0"},
    {"Input", "RAW Load As", SettingKind::Int, &Settings::rawLoadAs, "0"},
    {"Input", "RAW Header Size", SettingKind::Int, &Settings::rawHeaderSize, "0"},
    {"Input", "RAW Image Width", SettingKind::Int, &Settings::rawImageWidth, "0"},
    {"Input", "RAW Image Height", SettingKind::Int, &Settings::rawImageHeight, "0"},
    {"Input", "RAW Tone Mapping", SettingKind::Int, &Settings::rawToneMapping, "2"},
    {"Output", "Format", SettingKind::Text, &Settings::outputFormat, "bmp"},
    {"Output", "BMP BPP", SettingKind::Int, &Settings::bmpBpp, "0"},
    {"Output", "BMP Compression", SettingKind::Int, &Settings::bmpCompression, "0"},
    {"Output", "BMP Color Table", SettingKind::Int, &Settings::bmpColorTable, "0"},
    {"Output", "DDS BPP", SettingKind::Int, &Settings::ddsBpp, "0"},
    {"Output", "EXR BPP", SettingKind::Int, &Settings::exrBpp, "0"},
    {"Output", "EXR Compression", SettingKind::Int, &Settings::exrCompression, "0"},
    {"Output", "GIF BPP", SettingKind::Int, &Settings::gifBpp, "0"},
    {"Output", "HDR BPP", SettingKind::Int, &Settings::hdrBpp, "0"},
    {"Output", "ICO BPP", SettingKind::Int, &Settings::icoBpp, "0"},
    {"Output", "J2K BPP", SettingKind::Int, &Settings::j2kBpp, "0"},
    {"Output", "JNG BPP", SettingKind::Int, &Settings::jngBpp, "0"},
    {"Output", "JP2 BPP", SettingKind::Int, &Settings::jp2Bpp, "0"},
    {"Output", "JPG BPP", SettingKind::Int, &Settings::jpgBpp, "0"},
    {"Output", "JPG Quality", SettingKind::Int, &Settings::jpgQuality, "95"},
    {"Output", "JPG Chroma", SettingKind::Int, &Settings::jpgChroma, "0"},
    {"Output", "JPG Save As", SettingKind::Int, &Settings::jpgSaveAs, "0"},
    {"Output", "JXR BPP", SettingKind::Int, &Settings::jxrBpp, "0"},
    {"Output", "PBM BPP", SettingKind::Int, &Settings::pbmBpp, "0"},
    {"Output", "PCX BPP", SettingKind::Int, &Settings::pcxBpp, "0"},
    {"Output", "PFM BPP", SettingKind::Int, &Settings::pfmBpp, "0"},
    {"Output", "PGM BPP", SettingKind::Int, &Settings::pgmBpp, "0"},
    {"Output", "PNG BPP", SettingKind::Int, &Settings::pngBpp, "0"},
    {"Output", "PNG Compression", SettingKind::Int, &Settings::pngCompression, "0"},
    {"Output", "PNG Interlaced", SettingKind::Byte, &Settings::pngInterlaced, "0"},
    {"Output", "PPM BPP", SettingKind::Int, &Settings::ppmBpp, "0"},
    {"Output", "PSD BPP", SettingKind::Int, &Settings::psdBpp, "0"},
    {"Output", "TGA BPP", SettingKind::Int, &Settings::tgaBpp, "0"},
    {"Output", "TGA Compression", SettingKind::Int, &Settings::tgaCompression, "0"},
    {"Output", "TIFF BPP", SettingKind::Int, &Settings::tiffBpp, "0"},
    {"Output", "TIFF Compression", SettingKind::Int, &Settings::tiffCompression, "0"},
    {"Output", "TIFF Color Model", SettingKind::Int, &Settings::tiffColorModel, "0"},
    {"Output", "WBMP BPP", SettingKind::Int, &Settings::wbmpBpp, "0"},
    {"Output", "WEBP BPP", SettingKind::Int, &Settings::webpBpp, "0"},
    {"Output", "XPM BPP", SettingKind::Int, &Settings::xpmBpp, "0"},
    {"Transform", "Do Image Rotation", SettingKind::Byte, &Settings::doImageRotation, "0"},
    {"Transform", "Image Rotation Type", SettingKind::Byte, &Settings::imageRotationType, "0"},
    {"Transform", "Image Rotation", SettingKind::Int, &Settings::imageRotation, "0"},
    {"Transform", "Image Rotation Back Color", SettingKind::Colour, &Settings::imageRotationBackColor, "000000"},
    {"Transform", "Do Image Resize", SettingKind::Byte, &Settings::doImageResize, "0"},
    {"Transform", "Image Width", SettingKind::Int, &Settings::imageWidth, "0"},
    {"Transform", "Image Width Unit", SettingKind::Byte, &Settings::imageWidthUnit, "0"},
    {"Transform", "Image Height", SettingKind::Int, &Settings::imageHeight, "0"},
    {"Transform", "Image Height Unit", SettingKind::Byte, &Settings::imageHeightUnit, "0"},
    {"Transform", "Keep Aspect Ratio", SettingKind::Byte, &Settings::keepAspectRatio, "1", DefaultRule::WindowOnly},
    {"Transform", "Image Resize Type", SettingKind::Byte, &Settings::imageResizeType, "0"},
    {"Transform", "Image Resize Algorithm", SettingKind::Byte, &Settings::imageResizeAlgorithm, "3"},
    {"Transform", "Do Image Flip Horizontal", SettingKind::Byte, &Settings::doImageFlipHorizontal, "0"},
    {"Transform", "Do Image Flip Vertical", SettingKind::Byte, &Settings::doImageFlipVertical, "0"},
    {"Adjustment", "Do Image Color Correction", SettingKind::Byte, &Settings::doImageColorCorrection, "0"},
    {"Adjustment", "Image Brightness", SettingKind::Int, &Settings::imageBrightness, "0"},
    {"Adjustment", "Image Contrast", SettingKind::Int, &Settings::imageContrast, "0"},
    {"Adjustment", "Image Gamma", SettingKind::Float, &Settings::imageGamma, "1.0"},
    {"Adjustment", "Image Invert", SettingKind::Byte, &Settings::imageInvert, "0"},
    {"Adjustment", "Do Image Greyscale", SettingKind::Byte, &Settings::doImageGreyscale, "0"},
    {"Adjustment", "Do Image Threshold", SettingKind::Byte, &Settings::doImageThreshold, "0"},
    {"Adjustment", "Image Threshold", SettingKind::Int, &Settings::imageThreshold, "0"},
    {"Frame", "Do Frame", SettingKind::Byte, &Settings::doFrame, "0"},
    {"Frame", "Solid Left", SettingKind::Int, &Settings::solidLeft, "0"},
    {"Frame", "Solid Right", SettingKind::Int, &Settings::solidRight, "0"},
    {"Frame", "Solid Top", SettingKind::Int, &Settings::solidTop, "0"},
    {"Frame", "Solid Bottom", SettingKind::Int, &Settings::solidBottom, "0"},
    {"Frame", "Solid Left Color", SettingKind::Colour, &Settings::solidLeftColor, "000000"},
    {"Frame", "Solid Right Color", SettingKind::Colour, &Settings::solidRightColor, "000000"},
    {"Frame", "Solid Top Color", SettingKind::Colour, &Settings::solidTopColor, "000000"},
    {"Frame", "Solid Bottom Color", SettingKind::Colour, &Settings::solidBottomColor, "000000"},
    {"Frame", "Solid Opacity", SettingKind::Int, &Settings::solidOpacity, "255"},
    {"Watermark", "Do Watermark", SettingKind::Byte, &Settings::doWatermark, "0"},
    {"Watermark", "Text", SettingKind::Text, &Settings::text, "Converted with Tarnwick"},
    {"Watermark", "Fonts", SettingKind::Text, &Settings::fonts, "Arial,Tahoma,Verdana"},
    {"Watermark", "Font", SettingKind::Text, &Settings::font, "Arial"},
    {"Watermark", "Font Size", SettingKind::Int, &Settings::fontSize, "14"},
    {"Watermark", "Font Leading", SettingKind::Int, &Settings::fontLeading, "0"},
    {"Watermark", "Font Colors", SettingKind::Text, &Settings::fontColors, "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF"},
    {"Watermark", "Font Color", SettingKind::Colour, &Settings::fontColor, "FFFFFF"},
    {"Watermark", "Font Style", SettingKind::Byte, &Settings::fontStyle, "0"},
    {"Watermark", "Font Effect", SettingKind::Byte, &Settings::fontEffect, "0"},
    {"Watermark", "Text Antialiasing", SettingKind::Byte, &Settings::textAntialiasing, "0"},
    {"Watermark", "Text Alignment", SettingKind::Byte, &Settings::textAlignment, "0"},
    {"Watermark", "Text Padding", SettingKind::Int, &Settings::textPadding, "0"},
    {"Watermark", "Text Opacity", SettingKind::Int, &Settings::textOpacity, "255"},
    {"Watermark", "Back Colors", SettingKind::Text, &Settings::backColors, "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF"},
    {"Watermark", "Back Color", SettingKind::Colour, &Settings::backColor, "000000"},
    {"Watermark", "Back Opacity", SettingKind::Int, &Settings::backOpacity, "1"},
    {"Watermark", "Text Boundary", SettingKind::Byte, &Settings::textBoundary, "0"},
    {"Watermark", "Text Position", SettingKind::Byte, &Settings::textPosition, "8"},
    {"Watermark", "Text X Offset", SettingKind::Int, &Settings::textXOffset, "10"},
    {"Watermark", "Text Y Offset", SettingKind::Int, &Settings::textYOffset, "10"},
    {"Watermark", "Text Rotation", SettingKind::Int, &Settings::textRotation, "0"},
    {"Watermark", "Text Size", SettingKind::Byte, &Settings::textSize, "0"},
    {"Watermark", "Text Scale", SettingKind::Int, &Settings::textScale, "10"},
    {"Watermark", "Image", SettingKind::Text, &Settings::image, ""},
    {"Watermark", "Image Greyscale", SettingKind::Byte, &Settings::imageGreyscale, "0"},
    {"Watermark", "Image Opacity", SettingKind::Int, &Settings::imageOpacity, "255"},
    {"Watermark", "Image Boundary", SettingKind::Byte, &Settings::imageBoundary, "0"},
    {"Watermark", "Image Position", SettingKind::Byte, &Settings::imagePosition, "8"},
    {"Watermark", "Image X Offset", SettingKind::Int, &Settings::imageXOffset, "10"},
    {"Watermark", "Image Y Offset", SettingKind::Int, &Settings::imageYOffset, "10"},
    {"Watermark", "Image Rotation", SettingKind::Int, &Settings::imageWatermarkRotation, "0"},
    {"Watermark", "Image Size", SettingKind::Byte, &Settings::imageSize, "0"},
    {"Watermark", "Image Scale", SettingKind::Int, &Settings::imageScale, "10"},
    {"Advanced", "Filename Mask", SettingKind::Text, &Settings::filenameMask, "%filename%.%ext%"},
    {"Advanced", "File Timestamp", SettingKind::Byte, &Settings::fileTimestamp, "0"},
    {"Advanced", "Custom Timestamp", SettingKind::Int, &Settings::customTimestamp, "0", DefaultRule::Now},
    {"Advanced", "Out Folders History", SettingKind::Byte, &Settings::outFoldersHistory, "1"},
    {"Advanced", "Out Folders Number", SettingKind::Byte, &Settings::outFoldersNumber, "5"},
    {"Advanced", "Keep Subfolders", SettingKind::Byte, &Settings::keepSubfolders, "1"},
    {"File", "Recent Out Folders", SettingKind::Text, &Settings::recentOutFolders, ""},
    {"File", "Recent Files", SettingKind::Text, &Settings::recentFiles, ""},
    {"Privacy", "Clean Recent Files", SettingKind::Byte, &Settings::cleanRecentFiles, "0"},
};
// clang-format on

DesktopSize NoDesktop() { return {}; }
DesktopSize (*desktopSizeProvider)() = NoDesktop;

// Numbers of a row's default; the table's texts are decimal.
int32_t DefaultNumber(const SettingRow& row, DefaultSet set) {
  switch (row.rule) {
    case DefaultRule::Now: return static_cast<int32_t>(std::time(nullptr));
    case DefaultRule::CentredX: {
      const int w = desktopSizeProvider().width;
      return w > 510 ? (w - 510) / 2 : 100;
    }
    case DefaultRule::CentredY: {
      const int h = desktopSizeProvider().height;
      return h > 330 ? (h - 330) / 2 : 100;
    }
    case DefaultRule::WindowOnly:
      if (set == DefaultSet::Console) return 0;
      break;
    case DefaultRule::Fixed: break;
  }
  return static_cast<int32_t>(std::strtol(row.defaultValue, nullptr, 10));
}

}  // namespace

std::span<const SettingRow> SettingRows() { return kRows; }

const SettingRow* FindSetting(std::string_view section, std::string_view key) {
  for (const SettingRow& row : kRows)
    if (EqualIgnoringCase(row.section, section) && EqualIgnoringCase(row.key, key)) return &row;
  return nullptr;
}

int32_t SettingInt(const SettingRow& row) {
  if (auto f = std::get_if<int8_t Settings::*>(&row.field)) return settings.**f;
  if (auto f = std::get_if<int32_t Settings::*>(&row.field)) return settings.**f;
  return 0;
}

void SetSettingInt(const SettingRow& row, int32_t value) {
  if (auto f = std::get_if<int8_t Settings::*>(&row.field)) settings.**f = static_cast<int8_t>(value);
  if (auto f = std::get_if<int32_t Settings::*>(&row.field)) settings.**f = value;
}

float SettingFloat(const SettingRow& row) {
  auto f = std::get_if<float Settings::*>(&row.field);
  return f ? settings.**f : 0.0f;
}

void SetSettingFloat(const SettingRow& row, float value) {
  if (auto f = std::get_if<float Settings::*>(&row.field)) settings.**f = value;
}

const std::string& SettingText(const SettingRow& row) {
  static const std::string none;
  auto f = std::get_if<std::string Settings::*>(&row.field);
  return f ? settings.**f : none;
}

void SetSettingText(const SettingRow& row, std::string value) {
  if (auto f = std::get_if<std::string Settings::*>(&row.field)) settings.**f = std::move(value);
}

void ApplyDefault(const SettingRow& row, DefaultSet set) {
  switch (row.kind) {
    case SettingKind::Byte:
    case SettingKind::Int: SetSettingInt(row, DefaultNumber(row, set)); break;
    case SettingKind::Float: SetSettingFloat(row, std::strtof(row.defaultValue, nullptr)); break;
    case SettingKind::Text:
    case SettingKind::Colour: SetSettingText(row, row.defaultValue); break;
  }
}

void ApplyFileDefault(const SettingRow& row) {
  if (!row.fileDefault) return ApplyDefault(row, DefaultSet::Window);
  SettingRow fixed = row;
  fixed.defaultValue = row.fileDefault;
  fixed.rule = DefaultRule::Fixed;
  ApplyDefault(fixed, DefaultSet::Window);
}

void SetDesktopSizeProvider(DesktopSize (*provider)()) {
  desktopSizeProvider = provider ? provider : NoDesktop;
}
