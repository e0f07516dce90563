#pragma once
// The lines of a list file as UTF-8 texts, whatever encoding its byte-order mark announces.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Without a mark, or after a UTF-8 one, the bytes are taken as they are (file names on this system
// are bytes). After a UTF-16 or UTF-32 mark, either byte order, the text is decoded and re-encoded as
// UTF-8. Lines end at CR LF, LF or CR. A line that cannot stand for a path (a NUL byte, a broken
// UTF-16 or UTF-32 sequence) is empty (std::nullopt) so that the reader skips it and goes on.
std::vector<std::optional<std::string>> ListTextLines(const uint8_t* data, size_t size);
