#pragma once
// The engine's own conversions between the ANSI code page (Windows-1252) and
// the Unicode encodings, so loading and saving UTF-8, UTF-16 and UTF-32 needs
// no round trip through the platform. Characters ANSI cannot hold and
// invalid sequences become '?' and set `loss`.

#include <optional>
#include <string>
#include <string_view>

namespace ledra::xml {

// The ANSI byte of a code point, when the code page holds it. The five bytes
// Windows-1252 leaves unassigned map to the C1 controls of the same value.
std::optional<char> CodePointToAnsi(char32_t code_point);
char32_t AnsiToCodePoint(unsigned char byte);

std::string Utf8ToAnsiText(std::string_view utf8, bool& loss);
// `bytes` are UTF-16 little-endian code units; a lone surrogate is invalid.
std::string Utf16LeToAnsiText(std::string_view bytes, bool& loss);
std::string Utf32ToAnsiText(std::string_view bytes, bool big_endian, bool& loss);

std::string AnsiToUtf8Text(std::string_view ansi);
std::string AnsiToUtf16Text(std::string_view ansi, bool big_endian);
std::string AnsiToUtf32Text(std::string_view ansi, bool big_endian);

}  // namespace ledra::xml
