#include "engine/bmp_fixtures.h"

#include <bit>
#include <cstdio>

std::string ToString(const Rgba& c) {
  char text[40];
  std::snprintf(text, sizeof text, "(%d,%d,%d,%d)", c.r, c.g, c.b, c.a);
  return text;
}

void Put16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes.at(at) = value & 0xFF;
  bytes.at(at + 1) = value >> 8;
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes.at(at + i) = (value >> (8 * i)) & 0xFF;
}

namespace {

void Append16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(v & 0xFF);
  out.push_back(v >> 8);
}

void Append32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}

size_t HeaderSize(BmpHeader h) {
  switch (h) {
    case BmpHeader::Os2v1: return 12;
    case BmpHeader::Os2v2: return 64;
    case BmpHeader::Os2v2Short: return 16;
    case BmpHeader::Info40: return 40;
    case BmpHeader::Info52: return 52;
    case BmpHeader::Info56: return 56;
    case BmpHeader::V4: return 108;
    case BmpHeader::V5: return 124;
  }
  return 0;
}

// Distinct, asymmetric colours so that flipped rows, mirrored columns and swapped channels show.
Rgba DirectColor(int x, int y, bool withAlpha, bool zeroAlpha) {
  Rgba c{static_cast<uint8_t>(x * 41 + y * 7 + 3), static_cast<uint8_t>(y * 67 + x * 5 + 20),
         static_cast<uint8_t>(x * y * 29 + 100), 255};
  if (withAlpha) c.a = zeroAlpha ? 0 : static_cast<uint8_t>((x + 2 * y) * 23 + 9);
  return c;
}

Rgba PaletteColor(int i) {
  return {static_cast<uint8_t>(i * 37 + 11), static_cast<uint8_t>(i * 91 + 5),
          static_cast<uint8_t>(255 - i * 13), 255};
}

int PaletteIndex(int x, int y, int count) { return (x * 3 + y * 5 + x * y) % count; }

uint32_t Quantize(uint8_t value, uint32_t mask) {
  if (!mask) return 0;
  const uint32_t max = mask >> std::countr_zero(mask);
  return ((value * max + 127) / 255) << std::countr_zero(mask);
}

uint8_t Expand(uint32_t stored, uint32_t mask) {
  const uint32_t max = mask >> std::countr_zero(mask);
  const uint32_t q = (stored & mask) >> std::countr_zero(mask);
  return static_cast<uint8_t>((q * 255 + max / 2) / max);
}

// Runs of equal indices become encoded runs, everything else absolute runs of at least three.
void EncodeRleRow(const std::vector<int>& row, int bpp, bool last, std::vector<uint8_t>& out) {
  const size_t n = row.size();
  size_t i = 0;
  while (i < n) {
    size_t run = 1;
    // RLE4 runs alternate two nibbles; keep it to equal pixels for clarity.
    while (i + run < n && run < 255 && row[i + run] == row[i]) ++run;
    if (run >= 2 || n - i < 3) {
      out.push_back(static_cast<uint8_t>(run));
      out.push_back(static_cast<uint8_t>(bpp == 8 ? row[i] : (row[i] << 4) | row[i]));
      i += run;
      continue;
    }
    size_t lit = 1;
    while (i + lit < n && lit < 255 && !(i + lit + 1 < n && row[i + lit] == row[i + lit + 1])) ++lit;
    if (lit < 3) {
      out.push_back(1);
      out.push_back(static_cast<uint8_t>(bpp == 8 ? row[i] : row[i] << 4));
      i += 1;
      continue;
    }
    out.push_back(0);
    out.push_back(static_cast<uint8_t>(lit));
    size_t bytes = 0;
    if (bpp == 8) {
      for (size_t k = 0; k < lit; ++k) out.push_back(static_cast<uint8_t>(row[i + k]));
      bytes = lit;
    } else {
      for (size_t k = 0; k < lit; k += 2) {
        const int hi = row[i + k], lo = k + 1 < lit ? row[i + k + 1] : 0;
        out.push_back(static_cast<uint8_t>((hi << 4) | lo));
      }
      bytes = (lit + 1) / 2;
    }
    if (bytes % 2) out.push_back(0);
    i += lit;
  }
  out.push_back(0);
  out.push_back(0);  // end of line, also after the last row, as Windows writes it
  if (last) {
    out.push_back(0);
    out.push_back(1);
  }
}

void AppendInfoHeader(std::vector<uint8_t>& out, const BmpLayout& l, uint32_t imageSize,
                      uint32_t declaredColors) {
  const size_t size = HeaderSize(l.header);
  const size_t start = out.size();
  Append32(out, static_cast<uint32_t>(size));
  if (l.header == BmpHeader::Os2v1) {
    Append16(out, static_cast<uint16_t>(l.width));
    Append16(out, static_cast<uint16_t>(l.height));
    Append16(out, 1);
    Append16(out, static_cast<uint16_t>(l.bpp));
    return;
  }
  Append32(out, static_cast<uint32_t>(l.width));
  Append32(out, static_cast<uint32_t>(l.topDown ? -l.height : l.height));
  Append16(out, 1);
  Append16(out, static_cast<uint16_t>(l.bpp));
  if (l.header == BmpHeader::Os2v2Short) return;
  Append32(out, l.compression);
  Append32(out, imageSize);
  Append32(out, 2835);
  Append32(out, 2835);
  Append32(out, declaredColors);
  Append32(out, 0);
  const bool masksInside = l.header == BmpHeader::Info52 || l.header == BmpHeader::Info56 ||
                           l.header == BmpHeader::V4 || l.header == BmpHeader::V5;
  if (masksInside) {
    for (int i = 0; i < 3; ++i) Append32(out, l.masks[i]);
    if (l.header != BmpHeader::Info52) Append32(out, l.masks[3]);
  }
  if (l.header == BmpHeader::V4 || l.header == BmpHeader::V5) Append32(out, 0x73524742);  // 'sRGB'
  out.resize(start + size, 0);  // endpoints, gamma, intent, profile: all zero
}

}  // namespace

BmpFixture MakeBmp(const BmpLayout& l) {
  BmpFixture f;
  f.width = l.width;
  f.height = l.height;
  const bool indexed = l.bpp <= 8;
  const int colors = indexed ? static_cast<int>(l.colorsUsed ? l.colorsUsed : 1u << l.bpp) : 0;
  for (int i = 0; i < colors; ++i) f.palette.push_back(PaletteColor(i));

  // Pixels, top row first, as indices or colours; the expected view alongside.
  std::vector<std::vector<int>> indexRows(l.height);
  std::vector<std::vector<uint32_t>> wordRows(l.height);
  bool anyAlpha = false;
  for (int y = 0; y < l.height; ++y) {
    for (int x = 0; x < l.width; ++x) {
      if (indexed) {
        const int i = PaletteIndex(x, y, colors);
        indexRows[y].push_back(i);
        f.expected.push_back(f.palette[i]);
        continue;
      }
      const bool withAlpha = l.bpp == 32 || (l.compression == kBiBitfields && l.masks[3]);
      const Rgba c = DirectColor(x, y, withAlpha, l.zeroAlpha);
      if (l.compression == kBiBitfields) {
        const uint32_t w = Quantize(c.r, l.masks[0]) | Quantize(c.g, l.masks[1]) |
                           Quantize(c.b, l.masks[2]) | Quantize(c.a, l.masks[3]);
        wordRows[y].push_back(w);
        Rgba e{Expand(w, l.masks[0]), Expand(w, l.masks[1]), Expand(w, l.masks[2]), 255};
        if (l.masks[3]) e.a = Expand(w, l.masks[3]);
        anyAlpha |= l.masks[3] && e.a != 0;
        f.expected.push_back(e);
      } else if (l.bpp == 16) {  // 5-5-5
        const uint32_t w = Quantize(c.r, 0x7C00) | Quantize(c.g, 0x03E0) | Quantize(c.b, 0x001F);
        wordRows[y].push_back(w);
        f.expected.push_back({Expand(w, 0x7C00), Expand(w, 0x03E0), Expand(w, 0x001F), 255});
      } else {
        wordRows[y].push_back(uint32_t{c.b} | uint32_t{c.g} << 8 | uint32_t{c.r} << 16 |
                              uint32_t{c.a} << 24);
        anyAlpha |= c.a != 0;
        f.expected.push_back(c);
      }
    }
  }
  // Shown opaque when every alpha value is zero.
  if (!anyAlpha)
    for (Rgba& e : f.expected) e.a = 255;

  std::vector<uint8_t> pixels;
  if (l.compression == kBiRle8 || l.compression == kBiRle4) {
    for (int y = l.height - 1; y >= 0; --y) EncodeRleRow(indexRows[y], l.bpp, y == 0, pixels);
  } else {
    const size_t stride = ((static_cast<size_t>(l.width) * l.bpp + 31) / 32) * 4;
    for (int r = 0; r < l.height; ++r) {
      const int y = l.topDown ? r : l.height - 1 - r;
      std::vector<uint8_t> row(stride, 0);
      for (int x = 0; x < l.width; ++x) {
        if (indexed) {
          const int bit = x * l.bpp;
          row[bit / 8] |= static_cast<uint8_t>(indexRows[y][x] << (8 - l.bpp - bit % 8));
        } else {
          const uint32_t w = wordRows[y][x];
          for (int k = 0; k < l.bpp / 8; ++k) row[x * (l.bpp / 8) + k] = (w >> (8 * k)) & 0xFF;
        }
      }
      pixels.insert(pixels.end(), row.begin(), row.end());
    }
  }

  const bool masksAfter = l.header == BmpHeader::Info40 && l.compression == kBiBitfields;
  const size_t entry = l.header == BmpHeader::Os2v1 ? 3 : 4;
  const size_t offset =
      14 + HeaderSize(l.header) + (masksAfter ? 12 : 0) + colors * entry + l.extraGap;
  auto& out = f.bytes;
  out.push_back('B');
  out.push_back('M');
  Append32(out, static_cast<uint32_t>(offset + pixels.size()));
  Append32(out, 0);
  Append32(out, static_cast<uint32_t>(offset));
  AppendInfoHeader(out, l, static_cast<uint32_t>(pixels.size()), l.colorsUsed);
  if (masksAfter)
    for (int i = 0; i < 3; ++i) Append32(out, l.masks[i]);
  for (const Rgba& c : f.palette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    if (entry == 4) out.push_back(0);
  }
  out.resize(offset, 0);
  out.insert(out.end(), pixels.begin(), pixels.end());
  return f;
}

std::vector<uint8_t> MakeRleBmp(int bpp, int width, int height, const std::vector<uint8_t>& stream,
                                std::vector<Rgba>* palette) {
  BmpLayout l;
  l.bpp = bpp;
  l.width = width;
  l.height = height;
  l.compression = bpp == 8 ? kBiRle8 : kBiRle4;
  BmpFixture f = MakeBmp(l);
  if (palette) *palette = f.palette;
  const size_t offset = f.bytes[10] | f.bytes[11] << 8 | f.bytes[12] << 16 | f.bytes[13] << 24;
  f.bytes.resize(offset);
  f.bytes.insert(f.bytes.end(), stream.begin(), stream.end());
  Put32(f.bytes, 2, static_cast<uint32_t>(f.bytes.size()));
  Put32(f.bytes, 34, static_cast<uint32_t>(stream.size()));
  return f.bytes;
}

const std::vector<BmpLayout>& FixtureLayouts() {
  using H = BmpHeader;
  static const std::vector<BmpLayout> layouts = [] {
    std::vector<BmpLayout> v;
    for (int bpp : {1, 4, 8, 16, 24, 32}) {
      v.push_back({.name = "Info40_" + std::to_string(bpp), .bpp = bpp});
      v.push_back({.name = "Info40_" + std::to_string(bpp) + "_TopDown", .bpp = bpp, .topDown = true});
      v.push_back({.name = "V4_" + std::to_string(bpp), .header = H::V4, .bpp = bpp});
      v.push_back({.name = "V5_" + std::to_string(bpp), .header = H::V5, .bpp = bpp});
      v.push_back({.name = "Info52_" + std::to_string(bpp), .header = H::Info52, .bpp = bpp});
      v.push_back({.name = "Info56_" + std::to_string(bpp), .header = H::Info56, .bpp = bpp});
      v.push_back({.name = "Os2v2_" + std::to_string(bpp), .header = H::Os2v2, .bpp = bpp});
      v.push_back({.name = "Os2v2Short_" + std::to_string(bpp), .header = H::Os2v2Short, .bpp = bpp});
      if (bpp != 16 && bpp != 32)
        v.push_back({.name = "Os2v1_" + std::to_string(bpp), .header = H::Os2v1, .bpp = bpp});
    }
    v.push_back({.name = "V5_24_TopDown", .header = H::V5, .bpp = 24, .topDown = true});
    v.push_back({.name = "Info40_8_Wide", .bpp = 8, .width = 37, .height = 4});
    v.push_back({.name = "Info40_1_Wide", .bpp = 1, .width = 45, .height = 2});
    v.push_back({.name = "Info40_32_ZeroAlpha", .bpp = 32, .zeroAlpha = true});
    v.push_back({.name = "V5_32_ZeroAlpha", .header = H::V5, .bpp = 32, .zeroAlpha = true});
    v.push_back({.name = "Info40_8_Used5", .bpp = 8, .colorsUsed = 5});
    v.push_back({.name = "Info40_4_Used3", .bpp = 4, .colorsUsed = 3});
    v.push_back({.name = "Info40_1_Used1", .bpp = 1, .colorsUsed = 1});
    v.push_back({.name = "Os2v1_8_Used7", .header = H::Os2v1, .bpp = 8, .colorsUsed = 7});
    v.push_back({.name = "Info40_24_Gap", .bpp = 24, .extraGap = 10});
    v.push_back({.name = "Info40_8_Gap", .bpp = 8, .extraGap = 6});
    v.push_back({.name = "Info40_Rle8", .bpp = 8, .compression = kBiRle8, .width = 9, .height = 5});
    v.push_back({.name = "Info40_Rle4", .bpp = 4, .compression = kBiRle4, .width = 9, .height = 5});
    v.push_back({.name = "Info40_Rle8_Used6", .bpp = 8, .compression = kBiRle8, .width = 7,
                 .colorsUsed = 6});
    v.push_back({.name = "V5_Rle8", .header = H::V5, .bpp = 8, .compression = kBiRle8, .width = 6});
    v.push_back({.name = "V4_Rle4", .header = H::V4, .bpp = 4, .compression = kBiRle4, .width = 7});
    v.push_back({.name = "Os2v2_Rle8", .header = H::Os2v2, .bpp = 8, .compression = kBiRle8});
    struct M { const char* name; int bpp; std::array<uint32_t, 4> masks; };
    const M masks[] = {
        {"555", 16, {0x7C00, 0x03E0, 0x001F, 0}},
        {"565", 16, {0xF800, 0x07E0, 0x001F, 0}},
        {"4444", 16, {0x0F00, 0x00F0, 0x000F, 0xF000}},
        {"1555", 16, {0x7C00, 0x03E0, 0x001F, 0x8000}},
        {"444", 16, {0x0F00, 0x00F0, 0x000F, 0}},
        {"RGB565Swapped", 16, {0x001F, 0x07E0, 0xF800, 0}},
        {"8888", 32, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}},
        {"888", 32, {0x00FF0000, 0x0000FF00, 0x000000FF, 0}},
        {"ABGR", 32, {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000}},
        {"RGBA", 32, {0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF}},
        {"101010", 32, {0x3FF00000, 0x000FFC00, 0x000003FF, 0}},
        {"1010102", 32, {0x3FF00000, 0x000FFC00, 0x000003FF, 0xC0000000}},
    };
    for (const M& m : masks) {
      const bool alpha = m.masks[3] != 0;
      if (!alpha)
        v.push_back({.name = std::string("Info40_Fields") + m.name, .bpp = m.bpp,
                     .compression = kBiBitfields, .masks = m.masks});
      v.push_back({.name = std::string("Info56_Fields") + m.name, .header = H::Info56,
                   .bpp = m.bpp, .compression = kBiBitfields, .masks = m.masks});
      v.push_back({.name = std::string("V5_Fields") + m.name, .header = H::V5, .bpp = m.bpp,
                   .compression = kBiBitfields, .masks = m.masks});
      v.push_back({.name = std::string("V4_Fields") + m.name + "_TopDown", .header = H::V4,
                   .bpp = m.bpp, .compression = kBiBitfields, .masks = m.masks, .topDown = true});
    }
    v.push_back({.name = "Info40_Fields565_TopDown", .bpp = 16, .compression = kBiBitfields,
                 .masks = {0xF800, 0x07E0, 0x001F, 0}, .topDown = true});
    v.push_back({.name = "Info40_Fields888_TopDown", .bpp = 32, .compression = kBiBitfields,
                 .masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0}, .topDown = true});
    v.push_back({.name = "Info52_Fields565", .header = H::Info52, .bpp = 16,
                 .compression = kBiBitfields, .masks = {0xF800, 0x07E0, 0x001F, 0}});
    v.push_back({.name = "V5_Fields8888_ZeroAlpha", .header = H::V5, .bpp = 32,
                 .compression = kBiBitfields,
                 .masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}, .zeroAlpha = true});
    return v;
  }();
  return layouts;
}
