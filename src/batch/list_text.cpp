#include "batch/list_text.h"

#include <cstring>

namespace {

using Line = std::optional<std::string>;

enum class Encoding { Bytes, Utf16Le, Utf16Be, Utf32Le, Utf32Be };

struct Mark {
  const char* bytes;
  size_t length;
  Encoding encoding;
};

// UTF-32 LE before UTF-16 LE: its mark begins with the same two bytes.
constexpr Mark kMarks[] = {
    {"\xEF\xBB\xBF", 3, Encoding::Bytes},        {"\xFF\xFE\x00\x00", 4, Encoding::Utf32Le},
    {"\x00\x00\xFE\xFF", 4, Encoding::Utf32Be},  {"\xFF\xFE", 2, Encoding::Utf16Le},
    {"\xFE\xFF", 2, Encoding::Utf16Be},
};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Code points from the wide encodings; a broken sequence becomes 0, which spoils only its line.
class WideReader {
public:
  WideReader(const uint8_t* data, size_t size, Encoding encoding)
      : data_(data), size_(size), unit_(encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be ? 2 : 4),
        little_(encoding == Encoding::Utf16Le || encoding == Encoding::Utf32Le) {}

  bool AtEnd() const { return at_ + unit_ > size_; }  // a trailing odd byte is dropped

  char32_t Next() {
    const uint32_t first = Unit();
    if (unit_ == 4) return first <= 0x10FFFF && (first < 0xD800 || first > 0xDFFF) ? first : 0;
    if (first < 0xD800 || first > 0xDFFF) return first;
    if (first > 0xDBFF || AtEnd()) return 0;
    // A high surrogate without its low half spoils only itself: the next unit, perhaps a line end,
    // is read on its own.
    const uint32_t second = Unit();
    if (second >= 0xDC00 && second <= 0xDFFF) return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
    at_ -= unit_;
    return 0;
  }

private:
  uint32_t Unit() {
    uint32_t value = 0;
    for (size_t i = 0; i < unit_; ++i) {
      const uint32_t byte = data_[at_ + i];
      value |= little_ ? byte << (8 * i) : byte << (8 * (unit_ - 1 - i));
    }
    at_ += unit_;
    return value;
  }

  const uint8_t* data_;
  size_t size_;
  size_t unit_;
  bool little_;
  size_t at_ = 0;
};

// Splits decoded characters into lines; a NUL anywhere in a line spoils it.
class LineSplitter {
public:
  void Put(char32_t c, bool wide) {
    if (c == '\n' && lastWasCr_) {
      lastWasCr_ = false;
      return;
    }
    lastWasCr_ = c == '\r';
    if (c == '\r' || c == '\n') return End();
    if (c == 0) spoiled_ = true;
    else if (wide) AppendUtf8(line_, c);
    else line_ += static_cast<char>(c);
  }
  std::vector<Line> Finish() {
    if (!line_.empty() || spoiled_) End();
    return std::move(lines_);
  }

private:
  void End() {
    lines_.push_back(spoiled_ ? Line() : Line(std::move(line_)));
    line_.clear();
    spoiled_ = false;
  }

  std::vector<Line> lines_;
  std::string line_;
  bool spoiled_ = false;
  bool lastWasCr_ = false;
};

}  // namespace

std::vector<Line> ListTextLines(const uint8_t* data, size_t size) {
  Encoding encoding = Encoding::Bytes;
  for (const Mark& mark : kMarks) {
    if (size >= mark.length && std::memcmp(data, mark.bytes, mark.length) == 0) {
      encoding = mark.encoding;
      data += mark.length;
      size -= mark.length;
      break;
    }
  }
  LineSplitter lines;
  if (encoding == Encoding::Bytes) {
    for (size_t i = 0; i < size; ++i) lines.Put(data[i], false);
  } else {
    for (WideReader reader(data, size, encoding); !reader.AtEnd();) lines.Put(reader.Next(), true);
  }
  return lines.Finish();
}
