#include "interchange/xml/xml_escape.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "interchange/xml/html_entities.h"
#include "interchange/xml/unicode_text.h"

namespace ledra::xml {
namespace {

constexpr std::size_t kMaxReference = 9;

bool IsAsciiAlnum(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool IsReferenceChar(char c) {
  return IsAsciiAlnum(c) || c == '#' || c == '_' || c == ':' || c == '.' || c == '-';
}

// Whether the ampersand at `at` begins "&name;" or "&#...;".
bool StartsReference(std::string_view text, std::size_t at) {
  std::size_t i = at + 1;
  if (i >= text.size() || !IsReferenceChar(text[i])) return false;
  while (i < text.size() && IsReferenceChar(text[i])) ++i;
  return i < text.size() && text[i] == ';';
}

std::string Escape(std::string_view text, bool attribute, bool keep_references) {
  std::string out;
  out.reserve(text.size() + 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '&':
        out += (keep_references && StartsReference(text, i)) ? "&" : "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += attribute ? "&quot;" : "\"";
        break;
      case '\'':
        out += attribute ? "&apos;" : "'";
        break;
      default:
        out.push_back(c);
    }
  }
  return out;
}

std::optional<char32_t> NumericValue(std::string_view digits, int base) {
  if (digits.empty()) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : digits) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return std::nullopt;
    value = value * base + digit;
    if (value > 0x10FFFF) return std::nullopt;
  }
  return static_cast<char32_t>(value);
}

std::optional<char32_t> ReferenceValue(std::string_view name) {
  if (name.size() >= 2 && name[0] == '#') {
    if (name[1] == 'x' || name[1] == 'X') return NumericValue(name.substr(2), 16);
    return NumericValue(name.substr(1), 10);
  }
  return LookupHtmlEntity(name);
}

}  // namespace

std::string EscapeText(std::string_view text, bool keep_references) {
  return Escape(text, false, keep_references);
}

std::string EscapeAttribute(std::string_view text, bool keep_references) {
  return Escape(text, true, keep_references);
}

std::string CDataSection(std::string_view text) {
  std::string out = "<![CDATA[";
  std::size_t from = 0;
  for (std::size_t at = text.find("]]>"); at != std::string_view::npos;
       at = text.find("]]>", from)) {
    out.append(text.substr(from, at - from));
    out += "]]]]><![CDATA[>";
    from = at + 3;
  }
  out.append(text.substr(from));
  out += "]]>";
  return out;
}

void AppendDecoded(std::string_view text, std::string& out) {
  std::size_t from = 0;
  for (std::size_t amp = text.find('&'); amp != std::string_view::npos;
       amp = text.find('&', from)) {
    out.append(text.substr(from, amp - from));
    from = amp + 1;
    const std::size_t window = std::min(text.size(), amp + 2 + kMaxReference);
    const std::size_t semi = text.substr(0, window).find(';', amp + 1);
    if (semi == std::string_view::npos || semi == amp + 1) {
      out.push_back('&');
      continue;
    }
    const auto value = ReferenceValue(text.substr(amp + 1, semi - amp - 1));
    const auto byte = value && *value != 0 ? CodePointToAnsi(*value) : std::nullopt;
    if (!byte) {
      out.push_back('&');
      continue;
    }
    out.push_back(*byte);
    from = semi + 1;
  }
  out.append(text.substr(from));
}

std::string DecodeReferences(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendDecoded(text, out);
  return out;
}

}  // namespace ledra::xml
