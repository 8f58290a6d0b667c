// Conversion between the group file's Windows-1250 bytes and the program's UTF-8 text.
#pragma once

#include <string>
#include <string_view>

namespace vak {

// Each byte to its character; the five bytes Windows-1250 leaves undefined become the C1
// control characters of the same number, so every byte survives a round trip.
std::string Cp1250ToUtf8(std::string_view bytes);

// Each character to its byte, after composing a letter with a following combining accent
// where Windows-1250 has the composed letter. A character outside Windows-1250 (and any
// malformed UTF-8 sequence) becomes "?".
std::string Utf8ToCp1250(std::string_view utf8);

// Number of characters of a UTF-8 text as it would be stored: its length in file bytes.
std::size_t Cp1250Length(std::string_view utf8);

} // namespace vak
