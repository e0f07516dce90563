#include "settings/value_keywords.h"

#include "platform/text_case.h"

#include <algorithm>
#include <utility>

namespace {

// clang-format off
constexpr ValueKeyword kDdsLoad[] = {{"AUTO", 0}, {"BGRA", 1}, {"RGBA", 2}};
constexpr ValueKeyword kRawLoad[] = {{"AUTO", 0}, {"8", 1}, {"16", 2}, {"24", 3}, {"48HS", 4}, {"48", 5}};
constexpr ValueKeyword kFrameLoading[] = {{"ALL", 0}, {"FIRST", 1}, {"MIDDLE", 2}, {"LAST", 3}, {"RANDOM", 4}};
constexpr ValueKeyword kToneMapping[] = {{"NONE", 0}, {"LINEAR", 1}, {"AL", 2}, {"DRR", 3}, {"GD", 4}};
// One list for five formats: the same number means run-length encoding for bmp and tga, ZIP for exr,
// zlib level 1 for png and CCITT Group 3 for tiff.
constexpr ValueKeyword kCompression[] = {
    {"NONE", 0}, {"RLE", 1}, {"ZIP", 1}, {"PIZ", 2}, {"PXR24", 3}, {"B44", 4}, {"ZLIB1", 1}, {"ZLIB6", 2},
    {"ZLIB9", 3}, {"CCITTFAX3", 1}, {"CCITTFAX4", 2}, {"PACKBITS", 3}, {"DEFLATE", 4}, {"ADOBEDEFLATE", 5},
    {"LZW", 6}, {"JPEG", 7}, {"LOGLUV", 8}};
constexpr ValueKeyword kColorTable[] = {{"AUTO", 0}, {"EXACT", 1}};
constexpr ValueKeyword kColorModel[] = {{"RGB", 0}, {"CMYK", 1}, {"LAB", 2}};
constexpr ValueKeyword kChroma[] = {{"NONE", 0}, {"LOW", 1}, {"MEDIUM", 2}, {"HIGH", 3}};
constexpr ValueKeyword kJpegKind[] = {{"STANDARD", 0}, {"SIMPLE", 1}, {"OPTIMIZED", 2}, {"PROGRESSIVE", 3}};
constexpr ValueKeyword kRotationType[] = {{"SIMPLE", 0}, {"ADVANCED", 1}};
constexpr ValueKeyword kUnit[] = {{"PIXELS", 0}, {"PERCENT", 1}};
constexpr ValueKeyword kResizeType[] = {{"ALLIMAGES", 0}, {"LARGEIMAGES", 1}};
constexpr ValueKeyword kResizeAlgorithm[] = {{"BOX", 0}, {"BILINEAR", 1}, {"BSPLINE", 2}, {"BICUBIC", 3}, {"CATMULLROM", 4}, {"LANCZOS", 5}};
constexpr ValueKeyword kFrame[] = {{"NONE", 0}, {"SOLID", 1}};
constexpr ValueKeyword kWatermark[] = {{"NONE", 0}, {"TEXT", 1}, {"IMAGE", 2}};
constexpr ValueKeyword kFontStyle[] = {{"REGULAR", 0}, {"BOLD", 1}, {"ITALIC", 2}, {"BOLDITALIC", 3}};
// The misspelling is the word users have always typed; keep it.
constexpr ValueKeyword kFontEffect[] = {{"NONE", 0}, {"UNDERLINE", 1}, {"STRIKETHROUGHT", 2}};
constexpr ValueKeyword kAlignment[] = {{"LEFT", 0}, {"CENTER", 1}, {"RIGHT", 2}};
constexpr ValueKeyword kBoundary[] = {{"IMAGE", 0}, {"FRAME", 1}};
constexpr ValueKeyword kPosition[] = {
    {"TOPLEFT", 0}, {"TOPCENTER", 1}, {"TOPRIGHT", 2}, {"MIDDLELEFT", 3}, {"MIDDLECENTER", 4},
    {"MIDDLERIGHT", 5}, {"BOTTOMLEFT", 6}, {"BOTTOMCENTER", 7}, {"BOTTOMRIGHT", 8}};
constexpr ValueKeyword kSize[] = {{"FIXED", 0}};
constexpr ValueKeyword kTimestamp[] = {{"CURRENT", 0}, {"ORIGINAL", 1}, {"CUSTOM", 2}};

// Indexed by ValueList.
constexpr std::span<const ValueKeyword> kLists[] = {
    kDdsLoad, kRawLoad, kFrameLoading, kToneMapping, kCompression, kColorTable, kColorModel, kChroma,
    kJpegKind, kRotationType, kUnit, kResizeType, kResizeAlgorithm, kFrame, kWatermark, kFontStyle,
    kFontEffect, kAlignment, kBoundary, kPosition, kSize, kTimestamp};
static_assert(std::size(kLists) == static_cast<size_t>(ValueList::Timestamp) + 1);

// Which list names the values of which setting.
const std::pair<SettingField, ValueList> kSettingLists[] = {
    {&Settings::ddsLoadAs, ValueList::DdsLoad},
    {&Settings::rawLoadAs, ValueList::RawLoad},
    {&Settings::gifFrameLoading, ValueList::FrameLoading},
    {&Settings::icoFrameLoading, ValueList::FrameLoading},
    {&Settings::tiffFrameLoading, ValueList::FrameLoading},
    {&Settings::rawToneMapping, ValueList::ToneMapping},
    {&Settings::bmpCompression, ValueList::Compression},
    {&Settings::exrCompression, ValueList::Compression},
    {&Settings::pngCompression, ValueList::Compression},
    {&Settings::tgaCompression, ValueList::Compression},
    {&Settings::tiffCompression, ValueList::Compression},
    {&Settings::bmpColorTable, ValueList::ColorTable},
    {&Settings::tiffColorModel, ValueList::ColorModel},
    {&Settings::jpgChroma, ValueList::Chroma},
    {&Settings::jpgSaveAs, ValueList::JpegKind},
    {&Settings::imageRotationType, ValueList::RotationType},
    {&Settings::imageWidthUnit, ValueList::Unit},
    {&Settings::imageHeightUnit, ValueList::Unit},
    {&Settings::imageResizeType, ValueList::ResizeType},
    {&Settings::imageResizeAlgorithm, ValueList::ResizeAlgorithm},
    {&Settings::doFrame, ValueList::Frame},
    {&Settings::doWatermark, ValueList::Watermark},
    {&Settings::fontStyle, ValueList::FontStyle},
    {&Settings::fontEffect, ValueList::FontEffect},
    {&Settings::textAlignment, ValueList::Alignment},
    {&Settings::textBoundary, ValueList::Boundary},
    {&Settings::imageBoundary, ValueList::Boundary},
    {&Settings::textPosition, ValueList::Position},
    {&Settings::imagePosition, ValueList::Position},
    {&Settings::textSize, ValueList::Size},
    {&Settings::imageSize, ValueList::Size},
    {&Settings::fileTimestamp, ValueList::Timestamp},
};
// clang-format on

}  // namespace

std::span<const ValueKeyword> ValueKeywords(ValueList list) { return kLists[static_cast<size_t>(list)]; }

int32_t ValueOfWord(ValueList list, std::string_view word) {
  const std::string upper = AsciiUpper(word);
  for (const ValueKeyword& row : ValueKeywords(list))
    if (row.word == upper) return row.value;
  return 0;
}

std::string WordOfValue(ValueList list, int32_t value) {
  for (const ValueKeyword& row : ValueKeywords(list)) {
    if (row.value != value) continue;
    return AsciiLower(row.word);
  }
  return {};
}

std::optional<ValueList> ValueListOf(const SettingField& field) {
  for (const auto& [setting, list] : kSettingLists)
    if (setting == field) return list;
  return std::nullopt;
}
