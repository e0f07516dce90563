#include "cli/option_table.h"

#include "platform/text_trim.h"
#include "settings/config_numbers.h"
#include "settings/value_keywords.h"

#include <algorithm>
#include <limits>
#include <string>

namespace {

using Switch = int8_t Settings::*;

OptionRow Setting(std::string_view name, ValueForm form, SettingField target, Switch turnsOn = nullptr,
                  int8_t turnsOnValue = 1) {
  OptionRow row;
  row.longName = name;
  row.form = form;
  row.target = target;
  row.turnsOn = turnsOn;
  row.turnsOnValue = turnsOnValue;
  return row;
}
OptionRow Num(std::string_view name, SettingField target, Switch turnsOn = nullptr) {
  return Setting(name, ValueForm::Num, target, turnsOn);
}
OptionRow Word(std::string_view name, SettingField target) { return Setting(name, ValueForm::Word, target); }
OptionRow Text(std::string_view name, SettingField target, Switch turnsOn = nullptr, int8_t turnsOnValue = 1) {
  return Setting(name, ValueForm::Text, target, turnsOn, turnsOnValue);
}
OptionRow Flag(std::string_view name, SettingField target, int32_t fixedValue = 1, Switch turnsOn = nullptr) {
  OptionRow row = Setting(name, ValueForm::None, target, turnsOn);
  row.fixedValue = fixedValue;
  return row;
}
OptionRow Job(std::string_view name, std::string_view shortName, ValueForm form, OptionEffect effect) {
  OptionRow row;
  row.longName = name;
  row.shortName = shortName;
  row.form = form;
  row.effect = effect;
  row.scope = OptionScope::CommandLineOnly;
  return row;
}
OptionRow Only(OptionRow row, OptionScope scope) {
  row.scope = scope;
  return row;
}

using S = Settings;

// clang-format off
const OptionRow kRows[] = {
    Job("--INPUT", "-I", ValueForm::Text, OptionEffect::Input),
    Job("--OUTPUT", "-O", ValueForm::Text, OptionEffect::Output),
    Job("--CONVERSION", "-C", ValueForm::Text, OptionEffect::Conversion),
    Word("--DDS-LOAD-AS", &S::ddsLoadAs),
    Word("--GIF-FRAME-LOADING", &S::gifFrameLoading),
    Word("--ICO-FRAME-LOADING", &S::icoFrameLoading),
    Word("--RAW-LOAD-AS", &S::rawLoadAs),
    Num("--RAW-HEADER-SIZE", &S::rawHeaderSize),
    Num("--RAW-WIDTH", &S::rawImageWidth),
    Num("--RAW-HEIGHT", &S::rawImageHeight),
    Word("--RAW-TONE-MAPPING", &S::rawToneMapping),
    Word("--TIFF-FRAME-LOADING", &S::tiffFrameLoading),
    Num("--BMP-BPP", &S::bmpBpp),
    Word("--BMP-COMPRESSION", &S::bmpCompression),
    Word("--BMP-COLOR-TABLE", &S::bmpColorTable),
    Num("--DDS-BPP", &S::ddsBpp),
    Num("--EXR-BPP", &S::exrBpp),
    Word("--EXR-COMPRESSION", &S::exrCompression),
    Num("--GIF-BPP", &S::gifBpp),
    Num("--HDR-BPP", &S::hdrBpp),
    Num("--ICO-BPP", &S::icoBpp),
    Num("--J2K-BPP", &S::j2kBpp),
    Num("--JNG-BPP", &S::jngBpp),
    Num("--JP2-BPP", &S::jp2Bpp),
    Num("--JPG-BPP", &S::jpgBpp),
    Num("--JPG-QUALITY", &S::jpgQuality),
    Word("--JPG-CHROMA", &S::jpgChroma),
    Word("--JPG-SAVE-AS", &S::jpgSaveAs),
    Num("--JXR-BPP", &S::jxrBpp),
    Num("--PBM-BPP", &S::pbmBpp),
    Num("--PCX-BPP", &S::pcxBpp),
    Num("--PFM-BPP", &S::pfmBpp),
    Num("--PGM-BPP", &S::pgmBpp),
    Num("--PNG-BPP", &S::pngBpp),
    Word("--PNG-COMPRESSION", &S::pngCompression),
    Flag("--PNG-INTERLACED", &S::pngInterlaced),
    Num("--PPM-BPP", &S::ppmBpp),
    Num("--PSD-BPP", &S::psdBpp),
    Num("--TGA-BPP", &S::tgaBpp),
    Word("--TGA-COMPRESSION", &S::tgaCompression),
    Num("--TIFF-BPP", &S::tiffBpp),
    Word("--TIFF-COMPRESSION", &S::tiffCompression),
    Word("--TIFF-COLOR-MODEL", &S::tiffColorModel),
    Num("--WBMP-BPP", &S::wbmpBpp),
    Num("--WEBP-BPP", &S::webpBpp),
    Num("--XPM-BPP", &S::xpmBpp),
    Word("--ROTATION-TYPE", &S::imageRotationType),
    Num("--ROTATION", &S::imageRotation, &S::doImageRotation),
    Text("--ROTATION-BACK-COLOR", &S::imageRotationBackColor),
    Num("--WIDTH", &S::imageWidth, &S::doImageResize),
    Word("--WIDTH-UNIT", &S::imageWidthUnit),
    Num("--HEIGHT", &S::imageHeight, &S::doImageResize),
    Word("--HEIGHT-UNIT", &S::imageHeightUnit),
    Flag("--KEEP-ASPECT-RATIO", &S::keepAspectRatio),
    Word("--RESIZE-TYPE", &S::imageResizeType),
    Word("--RESIZE-ALGORITHM", &S::imageResizeAlgorithm),
    Flag("--FLIP-HORIZONTAL", &S::doImageFlipHorizontal),
    Flag("--FLIP-VERTICAL", &S::doImageFlipVertical),
    Num("--BRIGHTNESS", &S::imageBrightness, &S::doImageColorCorrection),
    Num("--CONTRAST", &S::imageContrast, &S::doImageColorCorrection),
    Setting("--GAMMA", ValueForm::Real, &S::imageGamma, &S::doImageColorCorrection),
    Flag("--INVERT", &S::imageInvert, 1, &S::doImageColorCorrection),
    Flag("--GREYSCALE", &S::doImageGreyscale),
    Num("--THRESHOLD", &S::imageThreshold, &S::doImageThreshold),
    Num("--FR-SOLID-LEFT", &S::solidLeft, &S::doFrame),
    Num("--FR-SOLID-RIGHT", &S::solidRight, &S::doFrame),
    Num("--FR-SOLID-TOP", &S::solidTop, &S::doFrame),
    Num("--FR-SOLID-BOTTOM", &S::solidBottom, &S::doFrame),
    Text("--FR-SOLID-LEFT-COLOR", &S::solidLeftColor),
    Text("--FR-SOLID-RIGHT-COLOR", &S::solidRightColor),
    Text("--FR-SOLID-TOP-COLOR", &S::solidTopColor),
    Text("--FR-SOLID-BOTTOM-COLOR", &S::solidBottomColor),
    Only(Num("--FR-SOLID-OPACITY", &S::solidOpacity), OptionScope::CommandLineOnly),
    // Profiles have always spelt the frame's opacity this way; the command line never has.
    Only(Num("--WM-SOLID-OPACITY", &S::solidOpacity), OptionScope::ProfileOnly),
    Text("--WM-TEXT", &S::text, &S::doWatermark, 1),
    Text("--WM-FONT", &S::font),
    Num("--WM-FONT-SIZE", &S::fontSize),
    Num("--WM-FONT-LEADING", &S::fontLeading),
    Text("--WM-FONT-COLOR", &S::fontColor),
    Word("--WM-FONT-STYLE", &S::fontStyle),
    Word("--WM-FONT-EFFECT", &S::fontEffect),
    Flag("--WM-TEXT-ANTIALIASING", &S::textAntialiasing),
    Word("--WM-TEXT-ALIGNMENT", &S::textAlignment),
    Num("--WM-TEXT-PADDING", &S::textPadding),
    Num("--WM-TEXT-OPACITY", &S::textOpacity),
    Text("--WM-BACK-COLOR", &S::backColor),
    Num("--WM-BACK-OPACITY", &S::backOpacity),
    Word("--WM-TEXT-BOUNDARY", &S::textBoundary),
    Word("--WM-TEXT-POSITION", &S::textPosition),
    Num("--WM-TEXT-X-OFFSET", &S::textXOffset),
    Num("--WM-TEXT-Y-OFFSET", &S::textYOffset),
    Num("--WM-TEXT-ROTATION", &S::textRotation),
    Word("--WM-TEXT-SIZE", &S::textSize),
    Text("--WM-IMAGE", &S::image, &S::doWatermark, 2),
    Flag("--WM-IMAGE-GREYSCALE", &S::imageGreyscale),
    Num("--WM-IMAGE-OPACITY", &S::imageOpacity),
    Word("--WM-IMAGE-BOUNDARY", &S::imageBoundary),
    Word("--WM-IMAGE-POSITION", &S::imagePosition),
    Num("--WM-IMAGE-X-OFFSET", &S::imageXOffset),
    Num("--WM-IMAGE-Y-OFFSET", &S::imageYOffset),
    Num("--WM-IMAGE-ROTATION", &S::imageWatermarkRotation),
    Word("--WM-IMAGE-SIZE", &S::imageSize),
    Text("--FILENAME-MASK", &S::filenameMask),
    Word("--FILE-TIMESTAMP", &S::fileTimestamp),
    Num("--FILE-TIMESTAMP-CUSTOM", &S::customTimestamp),
    Flag("--NO-SUBFOLDERS", &S::keepSubfolders, 0),
    Job("--PROFILE", "", ValueForm::Text, OptionEffect::Profile),
    Job("--DEBUG", "-D", ValueForm::None, OptionEffect::Debug),
    Job("--QUIET", "-Q", ValueForm::None, OptionEffect::Quiet),
    Job("--PAUSE", "-P", ValueForm::None, OptionEffect::Pause),
};
// clang-format on

const SettingRow& RowOf(const SettingField& field) {
  const auto rows = SettingRows();
  // Every target in the table above is a field of Settings, and every field has a row.
  return *std::find_if(rows.begin(), rows.end(), [&](const SettingRow& row) { return row.field == field; });
}

int DigitValue(char c, int base) {
  int digit = base;
  if (c >= '0' && c <= '9') digit = c - '0';
  else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
  return digit < base ? digit : -1;
}

}  // namespace

std::span<const OptionRow> OptionRows() { return kRows; }

const OptionRow* FindCommandLineOption(std::string_view name) {
  if (name.empty()) return nullptr;
  for (const OptionRow& row : kRows)
    if (row.scope != OptionScope::ProfileOnly && (row.longName == name || row.shortName == name)) return &row;
  return nullptr;
}

const OptionRow* FindProfileOption(std::string_view key) {
  for (const OptionRow& row : kRows)
    if (row.effect == OptionEffect::Setting && row.scope != OptionScope::CommandLineOnly && row.longName == key)
      return &row;
  return nullptr;
}

int32_t ReadLenientInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == '%')) base = text[i++] == '$' ? 16 : 2;
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i], base);
    if (digit < 0) break;
    // Past the 32-bit range the clamp below gives the same answer; stop growing before 64 bits do.
    if (value <= kMax + 1) value = value * base + digit;
  }
  return static_cast<int32_t>(std::clamp(negative ? -value : value, kMin, kMax));
}

void ApplySettingOption(const OptionRow& row, std::string_view value) {
  const SettingRow& target = RowOf(*row.target);
  switch (row.form) {
    case ValueForm::Num: SetSettingInt(target, ReadLenientInteger(value)); break;
    case ValueForm::Real: SetSettingFloat(target, ReadWholeFloat(value)); break;
    case ValueForm::Word: {
      const std::optional<ValueList> list = ValueListOf(target.field);
      SetSettingInt(target, list ? ValueOfWord(*list, TrimBlanks(value)) : 0);
      break;
    }
    case ValueForm::Text: SetSettingText(target, std::string(value)); break;
    case ValueForm::None: SetSettingInt(target, row.fixedValue); break;
  }
  if (row.turnsOn) settings.*row.turnsOn = row.turnsOnValue;
}
