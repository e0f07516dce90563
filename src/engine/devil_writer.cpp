#include "engine/devil_writer.h"

#include "platform/bitmap.h"

#include <IL/il.h>
#include <IL/ilu.h>

#include <mutex>
#include <new>
#include <vector>

namespace {

std::mutex devilLock;

// One bound DevIL image, deleted on every path out.
class DevilImage {
public:
  DevilImage() {
    ilGenImages(1, &id_);
    ilBindImage(id_);
  }
  ~DevilImage() { ilDeleteImages(1, &id_); }
  DevilImage(const DevilImage&) = delete;
  DevilImage& operator=(const DevilImage&) = delete;

private:
  ILuint id_ = 0;
};

}  // namespace

bool WriteWithDevil(FIBITMAP* dib, int ilType, bool mipmaps, const std::string& path) {
  if (!dib) return false;
  // Only 24- and 32-bit pixels can be handed over as BGR or BGRA; anything else is widened first so
  // that the raw export never packs fewer bytes than DevIL reads.
  Bitmap widened;
  const unsigned depth = FreeImage_GetBPP(dib);
  if (FreeImage_GetImageType(dib) != FIT_BITMAP || (depth != 24 && depth != 32)) {
    widened.reset(FreeImage_ConvertTo24Bits(dib));
    if (!widened) return false;
    dib = widened.get();
  }
  const unsigned bpp = FreeImage_GetBPP(dib);
  const unsigned bytesPerPixel = bpp == 32 ? 4 : 3;
  const ILenum pixelFormat = bpp == 32 ? IL_BGRA : IL_BGR;
  const unsigned width = FreeImage_GetWidth(dib);
  const unsigned height = FreeImage_GetHeight(dib);
  const size_t pitch = static_cast<size_t>(width) * bytesPerPixel;

  std::vector<BYTE> pixels;
  try {
    pixels.assign(pitch * height, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  // Rows bottom-up, blue first: DevIL's own lower-left origin.
  FreeImage_ConvertToRawBits(pixels.data(), dib, static_cast<int>(pitch), bpp, FI_RGBA_RED_MASK,
                             FI_RGBA_GREEN_MASK, FI_RGBA_BLUE_MASK, FALSE);

  std::lock_guard<std::mutex> guard(devilLock);
  ilEnable(IL_FILE_OVERWRITE);
  DevilImage image;
  if (!ilTexImage(width, height, static_cast<ILuint>(ilGetInteger(IL_IMAGE_DEPTH)),
                  static_cast<ILubyte>(bytesPerPixel), pixelFormat, IL_UNSIGNED_BYTE, pixels.data()))
    return false;
  if (mipmaps && !iluBuildMipmaps()) return false;
  return ilSave(static_cast<ILenum>(ilType), path.c_str()) == IL_TRUE;
}
