#pragma once
// What the program reads and writes: the 23 output formats with their writers and bit depths, and
// the known input extensions.
#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class Writer { FreeImage, DevIL };

struct OutputFormat {
  const char* extension;    // lower case, no dot
  Writer writer;
  int formatNumber;         // FREE_IMAGE_FORMAT, or the DevIL image type
  const char* description;
  const char* depthList;    // ascending, "," without spaces
};

struct InputFormat {
  const char* extension;
  const char* format;
  const char* description;
};

// The output formats in their fixed order; every list of formats follows it.
std::span<const OutputFormat> OutputFormats();
// The row of an extension, compared case-sensitively: "tiff" is a format, "TIFF" and "tif" are not.
const OutputFormat* FindOutputFormat(std::string_view extension);
// The numbers of a format's depth list, in order.
std::vector<int> DepthValues(const OutputFormat& format);
// 0 (automatic) or one of the format's depths.
bool DepthIsValid(const OutputFormat& format, int depth);
// "TIFF" or "TIFF (Tagged Image File Format)".
std::string DisplayText(const OutputFormat& format, bool withDescription);
// The key of the format's bit-depth setting in section Output: "PNG BPP".
std::string DepthSettingKey(const OutputFormat& format);

// The input-format list: "bmp".
std::span<const char* const> InputFormats();
std::span<const InputFormat> KnownExtensions();
const InputFormat* FindKnownExtension(std::string_view extension);

// Rebuilds the accepted input extensions from the input-format list and the known extensions.
void RebuildAcceptedInputExtensions();
const std::vector<std::string>& AcceptedInputExtensions();
// True when the extension, lower-cased, is accepted: "DIB" is, "bmp2" is not.
bool ExtensionIsAccepted(std::string_view extension);
