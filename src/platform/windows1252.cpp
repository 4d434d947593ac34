#include "platform/windows1252.h"

#include <array>

namespace ledra::platform {
namespace {

// Unicode values of the Windows-1252 bytes 80-9F.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

}  // namespace

char32_t Windows1252ToCodePoint(unsigned char byte) {
  return (byte >= 0x80 && byte < 0xA0) ? kHigh[byte - 0x80] : byte;
}

std::optional<char> CodePointToWindows1252(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF))
    return static_cast<char>(code_point);
  for (std::size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] == code_point) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

std::optional<Utf8Char> DecodeUtf8(std::string_view bytes, std::size_t at) {
  const auto b = static_cast<unsigned char>(bytes[at]);
  if (b < 0x80) return Utf8Char{b, 1};
  int length = 0;
  char32_t cp = 0;
  if ((b & 0xE0) == 0xC0) {
    length = 2;
    cp = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    length = 3;
    cp = b & 0x0F;
  } else if ((b & 0xF8) == 0xF0) {
    length = 4;
    cp = b & 0x07;
  } else {
    return std::nullopt;
  }
  if (at + static_cast<std::size_t>(length) > bytes.size()) return std::nullopt;
  for (int k = 1; k < length; ++k) {
    const auto c = static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(k)]);
    if ((c & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (c & 0x3F);
  }
  const bool overlong =
      (length == 2 && cp < 0x80) || (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
  if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  return Utf8Char{cp, length};
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

}  // namespace ledra::platform
