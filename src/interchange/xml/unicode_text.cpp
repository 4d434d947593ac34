#include "interchange/xml/unicode_text.h"

#include <cstdint>

#include "platform/codepage.h"
#include "platform/windows1252.h"

namespace ledra::xml {
namespace {

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
  return platform::CodePointToWindows1252(code_point);
}

char32_t AnsiToCodePoint(unsigned char byte) {
  return platform::Windows1252ToCodePoint(byte);
}

std::string Utf8ToAnsiText(std::string_view utf8, bool& loss) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    if (static_cast<unsigned char>(utf8[i]) < 0x80) {
      out.push_back(utf8[i++]);
      continue;
    }
    const auto c = platform::DecodeUtf8(utf8, i);
    if (!c) {
      // One byte is consumed, so every invalid byte becomes one '?'.
      out.push_back('?');
      loss = true;
      ++i;
      continue;
    }
    PutAnsi(c->code_point, out, loss);
    i += static_cast<std::size_t>(c->length);
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
  return platform::AnsiToUtf8(ansi);
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
