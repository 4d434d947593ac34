#pragma once
// Reading the parts of one tag: names and attributes.

#include <cstddef>
#include <optional>
#include <string_view>

namespace ledra::xml {

// A name begins with an ASCII letter, '_', ':' or any byte of 128 and above.
inline bool IsNameStart(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || b == '_' || b == ':' || b >= 0x80;
}

inline bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A name goes on up to whitespace, '/', '>', '=' or a quote.
inline bool EndsName(char c) {
  return IsSpace(c) || c == '/' || c == '>' || c == '=' || c == '"' || c == '\'' || c == '<';
}

// Length of the name at the start of `text`.
std::size_t NameLength(std::string_view text);

// Whether `name` can be written as an element or attribute name.
bool IsValidName(std::string_view name);

// Where one attribute of a start tag sits, as offsets into the tag.
struct AttributeSpan {
  std::size_t begin = 0;        // first character of the name
  std::size_t value_begin = 0;  // after the opening quote
  std::size_t value_end = 0;    // at the closing quote
  std::size_t end = 0;          // after the closing quote
};

// Finds attribute `name` in the start tag `tag` ("<a b='1'>"). Unquoted
// values run to whitespace or '>'. With `ignore_case`, ASCII letters of the
// name compare without case (for HTML).
std::optional<AttributeSpan> FindAttribute(std::string_view tag, std::string_view name,
                                           bool ignore_case = false);

// Offset in `tag` where a new attribute goes: after the last character that
// is not blank, '/' or '>'.
std::size_t AttributeInsertPoint(std::string_view tag);

}  // namespace ledra::xml
