#include "platform/font.h"

#include <fontconfig/fontconfig.h>
#include <pango/pango.h>

#include <cmath>
#include <vector>

namespace {

struct PatternRelease {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternRelease>;

bool SameName(const FcChar8* a, const FcChar8* b) { return FcStrCmpIgnoreCase(a, b) == 0; }

// The family fontconfig picks for `name`, when that is the name itself or one of the substitutes
// its rules bind strongly to it. The weakly bound tail is the generic fallback every name gets.
std::optional<std::string> ResolveFamily(const std::string& name, const FontStyle& style) {
  const Pattern pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, style.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, style.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  if (!FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern)) return std::nullopt;
  FcDefaultSubstitute(pattern.get());

  std::vector<const FcChar8*> accepted;
  FcValue value;
  FcValueBinding binding;
  for (int i = 0; FcPatternGetWithBinding(pattern.get(), FC_FAMILY, i, &value, &binding) == FcResultMatch; ++i) {
    if (binding == FcValueBindingWeak) break;
    if (value.type == FcTypeString) accepted.push_back(value.u.s);
  }

  FcResult result;
  const Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
  if (!match) return std::nullopt;
  FcChar8* family = nullptr;
  for (int i = 0; FcPatternGetString(match.get(), FC_FAMILY, i, &family) == FcResultMatch; ++i)
    for (const FcChar8* wanted : accepted)
      if (SameName(family, wanted)) return std::string(reinterpret_cast<const char*>(family));
  return std::nullopt;
}

}  // namespace

void Font::DescriptionRelease::operator()(PangoFontDescription* description) const {
  pango_font_description_free(description);
}

std::optional<Font> Font::Load(const std::string& name, double points, FontStyle style) {
  if (name.empty() || !std::isfinite(points) || points <= 0) return std::nullopt;
  std::optional<std::string> family = ResolveFamily(name, style);
  if (!family) return std::nullopt;
  // The program's fonts were always measured at 96 dots per inch: 14 points are 18.67 pixels.
  const double pixels = points * 96.0 / 72.0;
  PangoFontDescription* description = pango_font_description_new();
  // The resolved family, so that Pango, which asks fontconfig again, lands on the same font.
  pango_font_description_set_family(description, family->c_str());
  pango_font_description_set_weight(description, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(description, style.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_font_description_set_absolute_size(description, pixels * PANGO_SCALE);
  return Font(std::move(*family), pixels, style, description);
}
