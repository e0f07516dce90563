#include "cli/option_cases.h"

#include "settings/config_numbers.h"

#include <gtest/gtest.h>

namespace {

// clang-format off
const OptionCase kCases[] = {
    {"--DDS-LOAD-AS=rgba", "Input", "DDS Load As", "2"},
    {"--GIF-FRAME-LOADING=Last", "Input", "GIF Frame Loading", "3"},
    {"--ICO-FRAME-LOADING=RANDOM", "Input", "ICO Frame Loading", "4"},
    {"--RAW-LOAD-AS=48hs", "Input", "RAW Load As", "4"},
    {"--RAW-HEADER-SIZE=$1F", "Input", "RAW Header Size", "31"},
    {"--RAW-WIDTH=%101", "Input", "RAW Image Width", "5"},
    {"--RAW-HEIGHT=50%", "Input", "RAW Image Height", "50"},
    {"--RAW-TONE-MAPPING=nonsense", "Input", "RAW Tone Mapping", "0"},
    {"--TIFF-FRAME-LOADING=middle", "Input", "TIFF Frame Loading", "2"},
    {"--BMP-BPP=  8", "Output", "BMP BPP", "8"},
    {"--BMP-COMPRESSION=rle", "Output", "BMP Compression", "1"},
    {"--BMP-COLOR-TABLE=exact", "Output", "BMP Color Table", "1"},
    {"--DDS-BPP=32", "Output", "DDS BPP", "32"},
    {"--EXR-BPP=+96", "Output", "EXR BPP", "96"},
    {"--EXR-COMPRESSION=B44", "Output", "EXR Compression", "4"},
    {"--GIF-BPP=8bit", "Output", "GIF BPP", "8"},
    {"--HDR-BPP=96", "Output", "HDR BPP", "96"},
    {"--ICO-BPP=-$10", "Output", "ICO BPP", "-16"},
    {"--J2K-BPP=48", "Output", "J2K BPP", "48"},
    {"--JNG-BPP=24", "Output", "JNG BPP", "24"},
    {"--JP2-BPP=%11000", "Output", "JP2 BPP", "24"},
    {"--JPG-BPP=8", "Output", "JPG BPP", "8"},
    {"--JPG-QUALITY=abc", "Output", "JPG Quality", "0"},
    {"--JPG-CHROMA=Medium", "Output", "JPG Chroma", "2"},
    {"--JPG-SAVE-AS=progressive", "Output", "JPG Save As", "3"},
    {"--JXR-BPP=96", "Output", "JXR BPP", "96"},
    {"--PBM-BPP=1", "Output", "PBM BPP", "1"},
    {"--PCX-BPP=24", "Output", "PCX BPP", "24"},
    {"--PFM-BPP=96", "Output", "PFM BPP", "96"},
    {"--PGM-BPP=8", "Output", "PGM BPP", "8"},
    {"--PNG-BPP=48", "Output", "PNG BPP", "48"},
    {"--PNG-COMPRESSION=zlib9", "Output", "PNG Compression", "3"},
    {"--PNG-INTERLACED=0", "Output", "PNG Interlaced", "1"},
    {"--PPM-BPP=48", "Output", "PPM BPP", "48"},
    {"--PSD-BPP=32", "Output", "PSD BPP", "32"},
    {"--TGA-BPP=16", "Output", "TGA BPP", "16"},
    {"--TGA-COMPRESSION=RLE", "Output", "TGA Compression", "1"},
    {"--TIFF-BPP=96", "Output", "TIFF BPP", "96"},
    {"--TIFF-COMPRESSION=adobedeflate", "Output", "TIFF Compression", "5"},
    {"--TIFF-COLOR-MODEL=lab", "Output", "TIFF Color Model", "2"},
    {"--WBMP-BPP=1", "Output", "WBMP BPP", "1"},
    {"--WEBP-BPP=32", "Output", "WEBP BPP", "32"},
    {"--XPM-BPP=24", "Output", "XPM BPP", "24"},
    {"--ROTATION-TYPE=advanced", "Transform", "Image Rotation Type", "1"},
    {"--ROTATION=90", "Transform", "Image Rotation", "90", "Do Image Rotation"},
    {"--ROTATION-BACK-COLOR=ff8000", "Transform", "Image Rotation Back Color", "ff8000"},
    {"--WIDTH=800", "Transform", "Image Width", "800", "Do Image Resize"},
    {"--WIDTH-UNIT=percent", "Transform", "Image Width Unit", "1"},
    {"--HEIGHT=$258", "Transform", "Image Height", "600", "Do Image Resize"},
    {"--HEIGHT-UNIT=PERCENT", "Transform", "Image Height Unit", "1"},
    {"--KEEP-ASPECT-RATIO", "Transform", "Keep Aspect Ratio", "1"},
    {"--RESIZE-TYPE=largeimages", "Transform", "Image Resize Type", "1"},
    {"--RESIZE-ALGORITHM=sharpest", "Transform", "Image Resize Algorithm", "0"},
    {"--FLIP-HORIZONTAL", "Transform", "Do Image Flip Horizontal", "1"},
    {"--FLIP-VERTICAL", "Transform", "Do Image Flip Vertical", "1"},
    {"--BRIGHTNESS=-20", "Adjustment", "Image Brightness", "-20", "Do Image Color Correction"},
    {"--CONTRAST=+35", "Adjustment", "Image Contrast", "35", "Do Image Color Correction"},
    {"--GAMMA=2.25", "Adjustment", "Image Gamma", "2.250000", "Do Image Color Correction"},
    {"--GAMMA=+Infinity", "Adjustment", "Image Gamma", "+Infinity", "Do Image Color Correction"},
    {"--GAMMA=-infinity", "Adjustment", "Image Gamma", "-Infinity", "Do Image Color Correction"},
    {"--GAMMA=nan", "Adjustment", "Image Gamma", "NaN", "Do Image Color Correction"},
    {"--GAMMA=bright", "Adjustment", "Image Gamma", "0.000000", "Do Image Color Correction"},
    {"--INVERT", "Adjustment", "Image Invert", "1", "Do Image Color Correction"},
    {"--GREYSCALE", "Adjustment", "Do Image Greyscale", "1"},
    {"--THRESHOLD=128", "Adjustment", "Image Threshold", "128", "Do Image Threshold"},
    {"--FR-SOLID-LEFT=5", "Frame", "Solid Left", "5", "Do Frame"},
    {"--FR-SOLID-RIGHT=6", "Frame", "Solid Right", "6", "Do Frame"},
    {"--FR-SOLID-TOP=7", "Frame", "Solid Top", "7", "Do Frame"},
    {"--FR-SOLID-BOTTOM=8", "Frame", "Solid Bottom", "8", "Do Frame"},
    {"--FR-SOLID-LEFT-COLOR=FF0000", "Frame", "Solid Left Color", "FF0000"},
    {"--FR-SOLID-RIGHT-COLOR=00FF00", "Frame", "Solid Right Color", "00FF00"},
    {"--FR-SOLID-TOP-COLOR=0000FF", "Frame", "Solid Top Color", "0000FF"},
    {"--FR-SOLID-BOTTOM-COLOR=abcdef", "Frame", "Solid Bottom Color", "abcdef"},
    {"--FR-SOLID-OPACITY=128", "Frame", "Solid Opacity", "128"},
    {"--WM-TEXT=Hello \"world\"", "Watermark", "Text", "Hello \"world\"", "Do Watermark", 1},
    {"--WM-FONT=DejaVu Sans", "Watermark", "Font", "DejaVu Sans"},
    {"--WM-FONT-SIZE=20", "Watermark", "Font Size", "20"},
    {"--WM-FONT-LEADING=3", "Watermark", "Font Leading", "3"},
    {"--WM-FONT-COLOR=00ff00", "Watermark", "Font Color", "00ff00"},
    {"--WM-FONT-STYLE=bolditalic", "Watermark", "Font Style", "3"},
    {"--WM-FONT-EFFECT=STRIKETHROUGHT", "Watermark", "Font Effect", "2"},
    {"--WM-TEXT-ANTIALIASING", "Watermark", "Text Antialiasing", "1"},
    {"--WM-TEXT-ALIGNMENT=center", "Watermark", "Text Alignment", "1"},
    {"--WM-TEXT-PADDING=4", "Watermark", "Text Padding", "4"},
    {"--WM-TEXT-OPACITY=100", "Watermark", "Text Opacity", "100"},
    {"--WM-BACK-COLOR=123456", "Watermark", "Back Color", "123456"},
    {"--WM-BACK-OPACITY=200", "Watermark", "Back Opacity", "200"},
    {"--WM-TEXT-BOUNDARY=frame", "Watermark", "Text Boundary", "1"},
    {"--WM-TEXT-POSITION=topleft", "Watermark", "Text Position", "0"},
    {"--WM-TEXT-X-OFFSET=-5", "Watermark", "Text X Offset", "-5"},
    {"--WM-TEXT-Y-OFFSET=25", "Watermark", "Text Y Offset", "25"},
    {"--WM-TEXT-ROTATION=45", "Watermark", "Text Rotation", "45"},
    {"--WM-TEXT-SIZE=stretched", "Watermark", "Text Size", "0"},
    {"--WM-IMAGE=/tmp/Logo.png", "Watermark", "Image", "/tmp/Logo.png", "Do Watermark", 2},
    {"--WM-IMAGE-GREYSCALE", "Watermark", "Image Greyscale", "1"},
    {"--WM-IMAGE-OPACITY=%1111111", "Watermark", "Image Opacity", "127"},
    {"--WM-IMAGE-BOUNDARY=FRAME", "Watermark", "Image Boundary", "1"},
    {"--WM-IMAGE-POSITION=middlecenter", "Watermark", "Image Position", "4"},
    {"--WM-IMAGE-X-OFFSET=0", "Watermark", "Image X Offset", "0"},
    {"--WM-IMAGE-Y-OFFSET=$ff", "Watermark", "Image Y Offset", "255"},
    {"--WM-IMAGE-ROTATION=180", "Watermark", "Image Rotation", "180"},
    {"--WM-IMAGE-SIZE=fixed", "Watermark", "Image Size", "0"},
    {"--FILENAME-MASK=%filename%_small.%ext%", "Advanced", "Filename Mask", "%filename%_small.%ext%"},
    {"--FILE-TIMESTAMP=custom", "Advanced", "File Timestamp", "2"},
    {"--FILE-TIMESTAMP-CUSTOM=1700000000", "Advanced", "Custom Timestamp", "1700000000"},
    {"--NO-SUBFOLDERS", "Advanced", "Keep Subfolders", "0"},
};
// clang-format on

}  // namespace

std::span<const OptionCase> OptionCases() { return kCases; }

std::string Shown(const SettingRow& row) {
  switch (row.kind) {
    case SettingKind::Byte:
    case SettingKind::Int: return std::to_string(SettingInt(row));
    case SettingKind::Float: return WriteConfigFloat(SettingFloat(row));
    case SettingKind::Text:
    case SettingKind::Colour: return SettingText(row);
  }
  return {};
}

const SettingRow& Row(const char* section, const char* key) {
  const SettingRow* row = FindSetting(section, key);
  if (!row) ADD_FAILURE() << "no setting " << section << "/" << key;
  return row ? *row : SettingRows().front();
}
