#pragma once
// JPEG XR output through jxrlib, because Debian's FreeImage JPEG XR plug-in cannot save.
#include <FreeImage.h>
#include <string>

// Writes `dib` as a lossless JPEG XR file at `path`. False when the file could not be written.
bool WriteJxr(FIBITMAP* dib, const std::string& path);
