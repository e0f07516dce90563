#include "support/rgba16.h"

#include "support/test_files.h"

#include <cstring>

std::ostream& operator<<(std::ostream& os, const Rgba16& c) {
  return os << "(" << c.r << "," << c.g << "," << c.b << "," << c.a << ")";
}

std::vector<Rgba16> ReadRgba16(const std::string& image) {
  ScratchFolder dir;
  const std::string raw = dir.File("pixels.rgba");
  std::vector<Rgba16> pixels;
  if (RunCommand("/usr/bin/convert " + Quote(image) + " -depth 16 -endian LSB " + Quote("rgba:" + raw)) != 0)
    return pixels;
  const std::vector<uint8_t> bytes = ReadBytes(raw);
  pixels.resize(bytes.size() / sizeof(Rgba16));
  std::memcpy(pixels.data(), bytes.data(), pixels.size() * sizeof(Rgba16));
  return pixels;
}
