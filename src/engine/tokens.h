#pragma once
// The percent tokens of output names and watermark texts, with their values for the file being
// converted: source name, output extension, the local date and time, depth, size, and the random
// and sequence numbers.
#include <string>
#include <string_view>

// Every occurrence of `token`, found without regard to case, replaced by `value`.
std::string ExpandToken(std::string_view text, std::string_view token, std::string_view value);

// Expands each token, in its fixed order, wherever it occurs in `text` (any case). A value that
// itself holds a later token is expanded again.
std::string ExpandTokens(std::string_view text);

// The source's file name without its last extension: "a.b" for ".../a.b.bmp".
std::string SourceBaseName(std::string_view sourcePath);
