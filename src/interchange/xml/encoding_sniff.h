#pragma once
// Finding a file's encoding from its first bytes: the byte-order mark, the
// XML declaration or an HTML "meta" element.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ledra::xml {

inline constexpr std::size_t kSniffBlock = 1024;

struct ByteOrderMark {
  std::string_view encoding;  // "UTF-8", "UTF-16LE", "UTF-16BE" or "UTF-32BE"
  std::size_t length = 0;
};

// Tested in this order: EF BB BF, FF FE, FE FF, 00 00 FE FF.
std::optional<ByteOrderMark> DetectByteOrderMark(std::string_view bytes);

// The encoding named in the first block: the `encoding` of an XML
// declaration at the very start, or in an HTML document the charset of a
// `meta` element with http-equiv "Content-Type" before the end of `head`.
std::optional<std::string> DeclaredEncoding(std::string_view bytes);

}  // namespace ledra::xml
