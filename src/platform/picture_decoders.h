#pragma once
// The picture loader's decoders, one per file kind; each answers nothing for bytes it cannot read.
#include "platform/picture.h"

// The sizes every decoded picture must keep to, so that it can become a canvas.
bool PictureSizeAllowed(uint64_t width, uint64_t height);

std::optional<Picture> DecodePng(const uint8_t* data, size_t size);
std::optional<Picture> DecodeJpeg(const uint8_t* data, size_t size);
// Takes any FreeImage bitmap; 32-bit bitmaps keep their alpha.
std::optional<Picture> PictureFromBitmap(FIBITMAP* dib);
