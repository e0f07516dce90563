#pragma once
#include <FreeImage.h>
#include <string>

// Writes `dib` through DevIL as image type `ilType` (IL_DDS, IL_PSD, IL_PCX) at `path`, from raw
// BGR or BGRA pixels; with `mipmaps` the file carries the full mipmap chain. DevIL must have been
// initialised. Safe to call from any thread: DevIL itself is not, so calls are serialised.
bool WriteWithDevil(FIBITMAP* dib, int ilType, bool mipmaps, const std::string& path);
