#pragma once
// A watermark font: a family name, a size in points and a style, resolved through fontconfig.
#include <memory>
#include <optional>
#include <string>
#include <utility>

typedef struct _PangoFontDescription PangoFontDescription;

struct FontStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
};

class Font {
public:
  // fontconfig answers every name with some font, so a name loads only when it resolves to an
  // installed family of that name (case ignored) or to a family fontconfig's alias rules bind to it
  // as a substitute (Arial → Liberation Sans). A misspelt name, an empty name or a size that is not
  // above 0 loads nothing.
  static std::optional<Font> Load(const std::string& name, double points, FontStyle style = {});

  const std::string& Family() const { return family_; }  // the installed family it resolved to
  double PixelSize() const { return pixels_; }            // points at 96 dots per inch
  const FontStyle& Style() const { return style_; }
  const PangoFontDescription* Description() const { return description_.get(); }

private:
  struct DescriptionRelease {
    void operator()(PangoFontDescription* description) const;
  };
  Font(std::string family, double pixels, FontStyle style, PangoFontDescription* description)
      : family_(std::move(family)), pixels_(pixels), style_(style), description_(description) {}

  std::string family_;
  double pixels_ = 0;
  FontStyle style_;
  std::unique_ptr<PangoFontDescription, DescriptionRelease> description_;
};
