#include "engine/watermark_font.h"

#include "settings/settings.h"

#include <optional>

namespace {

std::optional<Font> loaded;

}  // namespace

bool LoadWatermarkFont() {
  FontStyle style;
  style.bold = settings.fontStyle == 1 || settings.fontStyle == 3;
  style.italic = settings.fontStyle == 2 || settings.fontStyle == 3;
  style.underline = settings.fontEffect == 1;
  style.strikeout = settings.fontEffect == 2;
  loaded = Font::Load(settings.font, settings.fontSize, style);
  return loaded.has_value();
}

void ReleaseWatermarkFont() { loaded.reset(); }

const Font* WatermarkFont() { return loaded ? &*loaded : nullptr; }
