#pragma once
// Windows-1252 and UTF-8 at the level of single characters, shared by the
// code-page conversions and the XML engine's own decoders.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ledra::platform {

// The character of one Windows-1252 byte; the five unassigned bytes
// (81 8D 8F 90 9D) are the C1 controls of the same value, as Windows has them.
char32_t Windows1252ToCodePoint(unsigned char byte);
// The Windows-1252 byte of a character, if the code page has one.
std::optional<char> CodePointToWindows1252(char32_t code_point);

struct Utf8Char {
  char32_t code_point;
  int length;  // bytes taken
};
// The UTF-8 sequence starting at bytes[at], or nothing when it is not a valid
// one (cut short, overlong, a surrogate, beyond U+10FFFF, a stray byte).
std::optional<Utf8Char> DecodeUtf8(std::string_view bytes, std::size_t at);
void AppendUtf8(std::string& out, char32_t code_point);

}  // namespace ledra::platform
