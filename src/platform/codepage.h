#pragma once
// Code-page conversion through iconv. Texts of the data files are
// Windows-1252 ("ANSI"); everything else is converted at the edges.

#include <string>
#include <string_view>

#include "platform/result.h"

namespace ledra::platform {

inline constexpr std::string_view kAnsiCodePage = "WINDOWS-1252";

struct Converted {
  std::string text;
  bool replaced = false;  // some characters could not be read or written and became '?'
};

// Converts between two encodings named as iconv names them ("UTF-8",
// "UTF-16LE", "WINDOWS-1252", "ISO-8859-2", ...; "ANSI" means Windows-1252).
// Bytes that are not valid in `from` and characters `to` cannot hold become
// '?' and set `replaced`. Fails only for an encoding name iconv does not know.
// The five bytes Windows-1252 leaves unassigned (81 8D 8F 90 9D) map to the
// C1 controls of the same value, as Windows does, so every byte round-trips.
Result<Converted> ConvertText(std::string_view input, std::string_view from, std::string_view to);

std::string AnsiToUtf8(std::string_view ansi);
Converted Utf8ToAnsi(std::string_view utf8);

bool IsValidUtf8(std::string_view bytes);

// Whether iconv knows the encoding name.
bool IsKnownEncoding(std::string_view name);

}  // namespace ledra::platform
