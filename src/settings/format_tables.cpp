#include "settings/format_tables.h"

#include "platform/text_case.h"

#include <FreeImage.h>
#include <IL/il.h>

#include <algorithm>
#include <sstream>

namespace {

// clang-format off
const OutputFormat kOutputFormats[] = {
    {"bmp",  Writer::FreeImage, FIF_BMP,   "Windows or OS/2 Bitmap",      "1,4,8,16,24,32"},
    {"dds",  Writer::DevIL,     IL_DDS,    "DirectDraw Surface",          "32"},
    {"exr",  Writer::FreeImage, FIF_EXR,   "ILM OpenEXR",                 "96"},
    {"gif",  Writer::FreeImage, FIF_GIF,   "Graphics Interchange Format", "8"},
    {"hdr",  Writer::FreeImage, FIF_HDR,   "High Dynamic Range Image",    "96"},
    {"ico",  Writer::FreeImage, FIF_ICO,   "Windows Icon",                "1,4,8,16,24,32"},
    {"j2k",  Writer::FreeImage, FIF_J2K,   "JPEG-2000 Codestream",        "8,24,32,48"},
    {"jng",  Writer::FreeImage, FIF_JNG,   "JPEG Network Graphics",       "24,32"},
    {"jp2",  Writer::FreeImage, FIF_JP2,   "JPEG-2000 File Format",       "8,24,32,48"},
    {"jpg",  Writer::FreeImage, FIF_JPEG,  "JPEG File Format",            "8,24"},
    {"jxr",  Writer::FreeImage, FIF_JXR,   "JPEG XR Image Format",        "1,8,16,24,32,48,96"},
    {"pbm",  Writer::FreeImage, FIF_PBM,   "Portable Bitmap",             "1"},
    {"pcx",  Writer::DevIL,     IL_PCX,    "ZSoft Paintbrush",            "24"},
    {"pfm",  Writer::FreeImage, FIF_PFM,   "Portable Floatmap",           "96"},
    {"pgm",  Writer::FreeImage, FIF_PGM,   "Portable Greymap",            "8"},
    {"png",  Writer::FreeImage, FIF_PNG,   "Portable Network Graphics",   "1,4,8,24,32,48"},
    {"ppm",  Writer::FreeImage, FIF_PPM,   "Portable Pixelmap",           "24,48"},
    {"psd",  Writer::DevIL,     IL_PSD,    "Adobe Photoshop",             "32"},
    {"tga",  Writer::FreeImage, FIF_TARGA, "Truevision Targa",            "8,16,24,32"},
    {"tiff", Writer::FreeImage, FIF_TIFF,  "Tagged Image File Format",    "1,4,8,24,32,48,96"},
    {"wbmp", Writer::FreeImage, FIF_WBMP,  "Wireless Bitmap",             "1"},
    {"webp", Writer::FreeImage, FIF_WEBP,  "Google WebP Image Format",    "24,32"},
    {"xpm",  Writer::FreeImage, FIF_XPM,   "X11 Pixmap Format",           "24"},
};

const char* const kInputFormats[] = {"bmp"};

const InputFormat kKnownExtensions[] = {
    {"bmp", "bmp", "Windows or OS/2 Bitmap"},
    {"rle", "bmp", "Windows or OS/2 Bitmap"},
    {"dib", "bmp", "Windows or OS/2 Bitmap"},
};
// clang-format on

std::vector<std::string> acceptedExtensions;

}  // namespace

std::span<const OutputFormat> OutputFormats() { return kOutputFormats; }

const OutputFormat* FindOutputFormat(std::string_view extension) {
  for (const OutputFormat& f : kOutputFormats)
    if (extension == f.extension) return &f;
  return nullptr;
}

std::vector<int> DepthValues(const OutputFormat& format) {
  std::vector<int> depths;
  std::istringstream list(format.depthList);
  for (std::string item; std::getline(list, item, ',');) depths.push_back(std::stoi(item));
  return depths;
}

bool DepthIsValid(const OutputFormat& format, int depth) {
  const auto depths = DepthValues(format);
  return depth == 0 || std::find(depths.begin(), depths.end(), depth) != depths.end();
}

std::string DisplayText(const OutputFormat& format, bool withDescription) {
  std::string text = AsciiUpper(format.extension);
  if (withDescription) text += std::string(" (") + format.description + ")";
  return text;
}

std::string DepthSettingKey(const OutputFormat& format) { return AsciiUpper(format.extension) + " BPP"; }

std::span<const char* const> InputFormats() { return kInputFormats; }

std::span<const InputFormat> KnownExtensions() { return kKnownExtensions; }

const InputFormat* FindKnownExtension(std::string_view extension) {
  for (const InputFormat& row : kKnownExtensions)
    if (extension == row.extension) return &row;
  return nullptr;
}

void RebuildAcceptedInputExtensions() {
  acceptedExtensions.clear();
  for (std::string_view format : kInputFormats)
    for (const InputFormat& row : kKnownExtensions)
      if (format == row.format) acceptedExtensions.emplace_back(row.extension);
}

const std::vector<std::string>& AcceptedInputExtensions() { return acceptedExtensions; }

bool ExtensionIsAccepted(std::string_view extension) {
  const std::string lower = AsciiLower(extension);
  return std::find(acceptedExtensions.begin(), acceptedExtensions.end(), lower) != acceptedExtensions.end();
}
