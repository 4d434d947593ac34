#include "interchange/xml/encoding_sniff.h"

#include <algorithm>

#include "interchange/xml/xml_tag.h"

namespace ledra::xml {
namespace {

constexpr std::size_t npos = std::string_view::npos;

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerCopy(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Lower(c);
  return out;
}

std::string_view AttributeValue(std::string_view tag, std::string_view name, bool ignore_case) {
  const auto span = FindAttribute(tag, name, ignore_case);
  if (!span) return {};
  return tag.substr(span->value_begin, span->value_end - span->value_begin);
}

std::optional<std::string> FromXmlDeclaration(std::string_view block) {
  if (!block.starts_with("<?xml") || block.size() < 6 || !IsSpace(block[5])) return std::nullopt;
  const std::size_t end = block.find("?>");
  if (end == npos) return std::nullopt;
  // Read the declaration's pseudo-attributes as if it were a start tag.
  const std::string tag = "<x" + std::string(block.substr(5, end - 5)) + ">";
  const auto span = FindAttribute(tag, "encoding");
  if (!span) return std::nullopt;
  return tag.substr(span->value_begin, span->value_end - span->value_begin);
}

std::optional<std::string> FromHtmlMeta(std::string_view block) {
  const std::string lower = LowerCopy(block);
  if (lower.find("<html") == npos) return std::nullopt;
  const std::size_t head_end = std::min(lower.find("</head"), lower.size());
  for (std::size_t at = lower.find("<meta"); at < head_end; at = lower.find("<meta", at + 5)) {
    const std::size_t gt = lower.find('>', at);
    if (gt == npos) break;
    const std::string_view tag = std::string_view(block).substr(at, gt + 1 - at);
    if (LowerCopy(AttributeValue(tag, "http-equiv", true)) != "content-type") continue;
    const std::string content = LowerCopy(AttributeValue(tag, "content", true));
    const std::size_t charset = content.find("charset");
    if (charset == npos) continue;
    std::size_t i = content.find('=', charset);
    if (i == npos) continue;
    ++i;
    while (i < content.size() && IsSpace(content[i])) ++i;
    std::size_t end = i;
    while (end < content.size() && content[end] != ';' && !IsSpace(content[end])) ++end;
    if (end > i) return content.substr(i, end - i);
  }
  return std::nullopt;
}

}  // namespace

std::optional<ByteOrderMark> DetectByteOrderMark(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return ByteOrderMark{"UTF-8", 3};
  if (bytes.starts_with("\xFF\xFE")) return ByteOrderMark{"UTF-16LE", 2};
  if (bytes.starts_with("\xFE\xFF")) return ByteOrderMark{"UTF-16BE", 2};
  // Read as UTF-16, a big-endian UTF-32 text would start with a NUL unit.
  if (bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4))) return ByteOrderMark{"UTF-32BE", 4};
  return std::nullopt;
}

std::optional<std::string> DeclaredEncoding(std::string_view bytes) {
  const std::string_view block = bytes.substr(0, kSniffBlock);
  if (auto name = FromXmlDeclaration(block)) return name;
  return FromHtmlMeta(block);
}

}  // namespace ledra::xml
