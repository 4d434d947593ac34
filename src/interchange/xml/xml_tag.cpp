#include "interchange/xml/xml_tag.h"

namespace ledra::xml {
namespace {

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b, bool ignore_case) {
  if (a.size() != b.size()) return false;
  if (!ignore_case) return a == b;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

}  // namespace

std::size_t NameLength(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && !EndsName(text[i])) ++i;
  return i;
}

bool IsValidName(std::string_view name) {
  if (name.empty() || !IsNameStart(name[0])) return false;
  for (const char c : name) {
    if (EndsName(c) || c == '&' || c == '\0') return false;
  }
  return true;
}

std::optional<AttributeSpan> FindAttribute(std::string_view tag, std::string_view name,
                                           bool ignore_case) {
  std::size_t i = 1;
  i += NameLength(tag.substr(i));
  const std::size_t n = tag.size();
  while (i < n) {
    while (i < n && (IsSpace(tag[i]) || tag[i] == '/')) ++i;
    if (i >= n || tag[i] == '>') break;
    AttributeSpan span;
    span.begin = i;
    std::size_t name_length = NameLength(tag.substr(i));
    if (name_length == 0) {
      // A stray quote or '=': skip one character so the scan always advances.
      ++i;
      continue;
    }
    const std::string_view found = tag.substr(i, name_length);
    i += name_length;
    while (i < n && IsSpace(tag[i])) ++i;
    if (i < n && tag[i] == '=') {
      ++i;
      while (i < n && IsSpace(tag[i])) ++i;
      if (i < n && (tag[i] == '"' || tag[i] == '\'')) {
        const char quote = tag[i];
        span.value_begin = i + 1;
        const std::size_t close = tag.find(quote, span.value_begin);
        span.value_end = close == std::string_view::npos ? n : close;
        span.end = close == std::string_view::npos ? n : close + 1;
      } else {
        span.value_begin = i;
        // An unquoted value stops before the "/>" that ends an empty-element tag.
        while (i < n && !IsSpace(tag[i]) && tag[i] != '>' &&
               !(tag[i] == '/' && i + 1 < n && tag[i + 1] == '>')) {
          ++i;
        }
        span.value_end = span.end = i;
      }
      i = span.end;
    } else {
      span.value_begin = span.value_end = span.end = i;
    }
    if (SameName(found, name, ignore_case)) return span;
  }
  return std::nullopt;
}

std::size_t AttributeInsertPoint(std::string_view tag) {
  std::size_t i = tag.size();
  while (i > 1 && (IsSpace(tag[i - 1]) || tag[i - 1] == '/' || tag[i - 1] == '>')) --i;
  return i;
}

}  // namespace ledra::xml
