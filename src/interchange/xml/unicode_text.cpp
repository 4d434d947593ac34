#include "interchange/xml/unicode_text.h"

#include <array>
#include <cstdint>

namespace ledra::xml {
namespace {

// Unicode values of the Windows-1252 bytes 80-9F.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

void PutAnsi(char32_t code_point, std::string& out, bool& loss) {
  if (code_point < 0x80) {
    out.push_back(static_cast<char>(code_point));
  } else if (auto byte = CodePointToAnsi(code_point)) {
    out.push_back(*byte);
  } else {
    out.push_back('?');
    loss = true;
  }
}

void PutUnits(std::string& out, std::uint32_t value, int bytes, bool big_endian) {
  for (int i = 0; i < bytes; ++i) {
    const int shift = big_endian ? 8 * (bytes - 1 - i) : 8 * i;
    out.push_back(static_cast<char>((value >> shift) & 0xFF));
  }
}

}  // namespace

std::optional<char> CodePointToAnsi(char32_t code_point) {
  if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
    return static_cast<char>(code_point);
  }
  for (std::size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] == code_point) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

char32_t AnsiToCodePoint(unsigned char byte) {
  return (byte >= 0x80 && byte < 0xA0) ? kHigh[byte - 0x80] : byte;
}

std::string Utf8ToAnsiText(std::string_view utf8, bool& loss) {
  std::string out;
  out.reserve(utf8.size());
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const std::size_t n = utf8.size();
  std::size_t i = 0;
  while (i < n) {
    const unsigned char b = p[i];
    if (b < 0x80) {
      out.push_back(static_cast<char>(b));
      ++i;
      continue;
    }
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
    }
    bool valid = length > 0 && i + length <= n;
    for (int k = 1; valid && k < length; ++k) {
      if ((p[i + k] & 0xC0) != 0x80) valid = false;
      cp = (cp << 6) | (p[i + k] & 0x3F);
    }
    if (valid) {
      const bool overlong = (length == 2 && cp < 0x80) || (length == 3 && cp < 0x800) ||
                            (length == 4 && cp < 0x10000);
      valid = !overlong && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
    }
    if (!valid) {
      // One byte is consumed, so every invalid byte becomes one '?'.
      out.push_back('?');
      loss = true;
      ++i;
      continue;
    }
    PutAnsi(cp, out, loss);
    i += length;
  }
  return out;
}

std::string Utf16LeToAnsiText(std::string_view bytes, bool& loss) {
  std::string out;
  out.reserve(bytes.size() / 2 + 1);
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t units = bytes.size() / 2;
  auto unit = [p](std::size_t i) -> char32_t { return p[2 * i] | (p[2 * i + 1] << 8); };
  for (std::size_t i = 0; i < units; ++i) {
    char32_t cp = unit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 &&
        unit(i + 1) <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      out.push_back('?');
      loss = true;
      continue;
    }
    PutAnsi(cp, out, loss);
  }
  if (bytes.size() % 2 != 0) {
    out.push_back('?');
    loss = true;
  }
  return out;
}

std::string Utf32ToAnsiText(std::string_view bytes, bool big_endian, bool& loss) {
  std::string out;
  out.reserve(bytes.size() / 4 + 1);
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  for (std::size_t i = 0; i + 4 <= bytes.size(); i += 4) {
    char32_t cp = 0;
    for (int k = 0; k < 4; ++k) {
      const char32_t b = p[i + (big_endian ? k : 3 - k)];
      cp = (cp << 8) | b;
    }
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out.push_back('?');
      loss = true;
      continue;
    }
    PutAnsi(cp, out, loss);
  }
  if (bytes.size() % 4 != 0) {
    out.push_back('?');
    loss = true;
  }
  return out;
}

std::string AnsiToUtf8Text(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size() + ansi.size() / 8);
  for (const char ch : ansi) {
    const char32_t c = AnsiToCodePoint(static_cast<unsigned char>(ch));
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

std::string AnsiToUtf16Text(std::string_view ansi, bool big_endian) {
  std::string out;
  out.reserve(ansi.size() * 2);
  // Every ANSI character lies in the Basic Multilingual Plane: one unit each.
  for (const char ch : ansi) {
    PutUnits(out, AnsiToCodePoint(static_cast<unsigned char>(ch)), 2, big_endian);
  }
  return out;
}

std::string AnsiToUtf32Text(std::string_view ansi, bool big_endian) {
  std::string out;
  out.reserve(ansi.size() * 4);
  for (const char ch : ansi) {
    PutUnits(out, AnsiToCodePoint(static_cast<unsigned char>(ch)), 4, big_endian);
  }
  return out;
}

}  // namespace ledra::xml
