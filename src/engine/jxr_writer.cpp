#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

// jxrlib before FreeImage: FreeImage.h defines _WINDOWS_, which would widen jxrlib's GUID to 24 bytes
// and garble every pixel format handed to the library by value.
extern "C" {
#include <JXRGlue.h>
}
#undef min  // jxrlib's macros would break any later standard header
#undef max

#include "engine/jxr_writer.h"
#include "platform/bitmap.h"

static_assert(sizeof(GUID) == 16, "jxrlib expects a 16-byte GUID");

namespace {

struct StreamCloser {
  void operator()(WMPStream* stream) const { stream->Close(&stream); }
};
using Stream = std::unique_ptr<WMPStream, StreamCloser>;

struct CodecFactoryReleaser {
  void operator()(PKCodecFactory* factory) const { factory->Release(&factory); }
};
using CodecFactory = std::unique_ptr<PKCodecFactory, CodecFactoryReleaser>;

// jxrlib's Release closes the encoder's stream without looking, so an encoder that never took one
// is only freed.
struct EncoderReleaser {
  void operator()(PKImageEncode* encoder) const {
    if (encoder->pStream) {
      encoder->Release(&encoder);
    } else {
      PKFree(reinterpret_cast<void**>(&encoder));
    }
  }
};
using Encoder = std::unique_ptr<PKImageEncode, EncoderReleaser>;

// Top-down rows in one of jxrlib's input layouts.
struct Pixels {
  PKPixelFormatGUID format{};
  COLORFORMAT internal = YUV_444;  // how the codec stores it: Y_ONLY for grey, YUV_444 keeps colour lossless
  bool alpha = false;
  bool floating = false;
  unsigned width = 0;
  unsigned height = 0;
  size_t stride = 0;
  std::vector<uint8_t> rows;
};

// Fills each top-down row from FreeImage's bottom-up scanlines through `map(source, target)`.
template <typename MapRow>
Pixels TopDown(FIBITMAP* dib, const PKPixelFormatGUID& format, COLORFORMAT internal, size_t row_bytes,
               MapRow map) {
  Pixels p;
  p.format = format;
  p.internal = internal;
  p.width = FreeImage_GetWidth(dib);
  p.height = FreeImage_GetHeight(dib);
  p.stride = (row_bytes + 3) & ~size_t{3};
  p.rows.assign(p.stride * p.height, 0);
  for (unsigned y = 0; y < p.height; ++y) {
    map(FreeImage_GetScanLine(dib, p.height - 1 - y), p.rows.data() + y * p.stride);
  }
  return p;
}

Pixels Copied(FIBITMAP* dib, const PKPixelFormatGUID& format, COLORFORMAT internal, size_t row_bytes) {
  return TopDown(dib, format, internal, row_bytes,
                 [row_bytes](const BYTE* in, uint8_t* out) { std::memcpy(out, in, row_bytes); });
}

bool IsGrey(const RGBQUAD& c) { return c.rgbRed == c.rgbGreen && c.rgbGreen == c.rgbBlue; }

bool IsBlackOrWhite(const RGBQUAD& c) { return IsGrey(c) && (c.rgbRed == 0 || c.rgbRed == 255); }

bool PaletteAll(FIBITMAP* dib, bool (*test)(const RGBQUAD&)) {
  const RGBQUAD* palette = FreeImage_GetPalette(dib);
  if (!palette) return false;
  for (unsigned i = 0; i < FreeImage_GetColorsUsed(dib); ++i) {
    if (!test(palette[i])) return false;
  }
  return true;
}

// Dithered bitmaps may put white at either index, so each bit follows its palette entry.
Pixels BlackWhite(FIBITMAP* dib) {
  const RGBQUAD* palette = FreeImage_GetPalette(dib);
  const unsigned width = FreeImage_GetWidth(dib);
  return TopDown(dib, GUID_PKPixelFormatBlackWhite, Y_ONLY, (width + 7) / 8,
                 [palette, width](const BYTE* in, uint8_t* out) {
                   for (unsigned x = 0; x < width; ++x) {
                     const unsigned index = (in[x / 8] >> (7 - x % 8)) & 1;
                     if (palette[index].rgbRed == 255) out[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
                   }
                 });
}

Pixels GreyByPalette(FIBITMAP* dib) {
  const RGBQUAD* palette = FreeImage_GetPalette(dib);
  const unsigned width = FreeImage_GetWidth(dib);
  return TopDown(dib, GUID_PKPixelFormat8bppGray, Y_ONLY, width, [palette, width](const BYTE* in, uint8_t* out) {
    for (unsigned x = 0; x < width; ++x) out[x] = palette[in[x]].rgbRed;
  });
}

bool Is565(FIBITMAP* dib) {
  return FreeImage_GetRedMask(dib) == FI16_565_RED_MASK && FreeImage_GetGreenMask(dib) == FI16_565_GREEN_MASK &&
         FreeImage_GetBlueMask(dib) == FI16_565_BLUE_MASK;
}

// jxrlib has no 96-bit float input, so each pixel gains a fourth, unused float.
Pixels PaddedFloat(FIBITMAP* dib) {
  const unsigned width = FreeImage_GetWidth(dib);
  Pixels p = TopDown(dib, GUID_PKPixelFormat128bppRGBFloat, YUV_444, size_t{width} * 16,
                 [width](const BYTE* in, uint8_t* out) {
                   for (unsigned x = 0; x < width; ++x) std::memcpy(out + x * 16, in + x * 12, 12);
                 });
  p.floating = true;
  return p;
}

std::optional<Pixels> BitmapPixels(FIBITMAP* dib) {
  const unsigned width = FreeImage_GetWidth(dib);
  const FREE_IMAGE_TYPE type = FreeImage_GetImageType(dib);
  if (type == FIT_RGB16) return Copied(dib, GUID_PKPixelFormat48bppRGB, YUV_444, size_t{width} * 6);
  if (type == FIT_RGBF) return PaddedFloat(dib);
  if (type == FIT_BITMAP) {
    switch (FreeImage_GetBPP(dib)) {
      case 1:
        if (PaletteAll(dib, IsBlackOrWhite)) return BlackWhite(dib);
        break;
      case 8:
        if (PaletteAll(dib, IsGrey)) return GreyByPalette(dib);
        break;
      case 16:
        return Copied(dib, Is565(dib) ? GUID_PKPixelFormat16bppRGB565 : GUID_PKPixelFormat16bppRGB555, YUV_444,
                      size_t{width} * 2);
      case 24:
        return Copied(dib, GUID_PKPixelFormat24bppBGR, YUV_444, size_t{width} * 3);
      case 32: {
        Pixels p = Copied(dib, GUID_PKPixelFormat32bppBGRA, YUV_444, size_t{width} * 4);
        p.alpha = true;
        return p;
      }
    }
  }
  // Colour palettes, 4 bits and whatever else FreeImage can turn into BGR.
  const Bitmap bgr(FreeImage_ConvertTo24Bits(dib));
  if (!bgr) return std::nullopt;
  return Copied(bgr.get(), GUID_PKPixelFormat24bppBGR, YUV_444, size_t{width} * 3);
}

CWMIStrCodecParam LosslessParameters(const Pixels& pixels) {
  CWMIStrCodecParam p{};
  p.cfColorFormat = pixels.internal;
  p.bdBitDepth = BD_LONG;
  p.bfBitstreamFormat = FREQUENCY;
  p.bProgressiveMode = TRUE;
  p.sbSubband = SB_ALL;
  // Quantiser 1 keeps every bit; the overlap filter is off as jxrlib's own encoder does for lossless.
  p.uiDefaultQPIndex = 1;
  p.uiDefaultQPIndexAlpha = 1;
  p.olOverlap = OL_NONE;
  p.uAlphaMode = pixels.alpha ? 2 : 0;  // alpha as a separate plane, also at quantiser 1
  if (pixels.floating) {
    // Floats cannot be kept bit for bit: jxrlib trips an assertion with 23 mantissa bits and with 22 on
    // large values. 21 bits with the exponent bias at 64 keep about seven digits from 1e-18 to FLT_MAX.
    p.nLenMantissaOrShift = 21;
    p.nExpBias = -64;  // jxrlib adds 128 with wrap-around, making the bias 64
  }
  return p;
}

Float Dpi(unsigned dots_per_meter) { return dots_per_meter ? static_cast<Float>(dots_per_meter * 0.0254) : 96.0F; }

}  // namespace

bool WriteJxr(FIBITMAP* dib, const std::string& path) {
  if (!dib || !FreeImage_HasPixels(dib) || FreeImage_GetWidth(dib) == 0 || FreeImage_GetHeight(dib) == 0) return false;
  std::optional<Pixels> pixels = BitmapPixels(dib);
  if (!pixels) return false;

  // jxrlib leaks its stream when it cannot open the file, so a path that cannot be written is
  // turned away before jxrlib sees it.
  if (std::FILE* probe = std::fopen(path.c_str(), "wb")) std::fclose(probe);
  else return false;
  WMPStream* raw_stream = nullptr;
  if (CreateWS_File(&raw_stream, path.c_str(), "wb") != WMP_errSuccess) return false;
  Stream stream(raw_stream);

  PKCodecFactory* raw_factory = nullptr;
  if (PKCreateCodecFactory(&raw_factory, WMP_SDK_VERSION) != WMP_errSuccess) return false;
  const CodecFactory factory(raw_factory);

  PKImageEncode* raw_encoder = nullptr;
  if (factory->CreateCodec(&IID_PKImageWmpEncode, reinterpret_cast<void**>(&raw_encoder)) != WMP_errSuccess) {
    return false;
  }
  const Encoder encoder(raw_encoder);

  CWMIStrCodecParam parameters = LosslessParameters(*pixels);
  if (encoder->Initialize(encoder.get(), stream.get(), &parameters, sizeof parameters) != WMP_errSuccess) return false;
  stream.release();  // the encoder closes it from here on

  return encoder->SetPixelFormat(encoder.get(), pixels->format) == WMP_errSuccess &&
         encoder->SetSize(encoder.get(), static_cast<I32>(pixels->width), static_cast<I32>(pixels->height)) ==
             WMP_errSuccess &&
         encoder->SetResolution(encoder.get(), Dpi(FreeImage_GetDotsPerMeterX(dib)),
                                Dpi(FreeImage_GetDotsPerMeterY(dib))) == WMP_errSuccess &&
         encoder->WritePixels(encoder.get(), pixels->height, pixels->rows.data(),
                              static_cast<U32>(pixels->stride)) == WMP_errSuccess;
}
