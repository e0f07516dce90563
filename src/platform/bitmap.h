#pragma once
// One owner for each FreeImage bitmap: stages hand a Bitmap on, and whatever is dropped on a failure
// path is unloaded.
#include <FreeImage.h>
#include <memory>

struct BitmapUnloader {
  void operator()(FIBITMAP* dib) const { FreeImage_Unload(dib); }
};
using Bitmap = std::unique_ptr<FIBITMAP, BitmapUnloader>;

// Width and height of a bitmap, 0 × 0 for none.
inline unsigned BitmapWidth(const Bitmap& b) { return b ? FreeImage_GetWidth(b.get()) : 0; }
inline unsigned BitmapHeight(const Bitmap& b) { return b ? FreeImage_GetHeight(b.get()) : 0; }
inline unsigned BitmapDepth(const Bitmap& b) { return b ? FreeImage_GetBPP(b.get()) : 0; }
