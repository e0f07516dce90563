#pragma once
#include <FreeImage.h>

// Writes the finished bitmap to the job's target path with the writer its format needs: DevIL for
// dds (with mipmaps), psd and pcx; the exact-colour-table writer for 8-bit bmp when asked; our own
// writers where FreeImage fails (JPEG XR, some icons, small JPEG 2000 images) or needs a repair
// (run-length-encoded bmp); FreeImage for everything else.
// The file is written beside the target under a temporary name (kept in the job) and renamed onto
// the target only when complete, so a failure leaves nothing behind and the old target intact.
bool WriteOutput(FIBITMAP* dib);
