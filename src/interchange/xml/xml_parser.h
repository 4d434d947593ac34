#pragma once
// The single forward scan that indexes the elements of a document's text.

#include <string_view>

#include "interchange/xml/element_table.h"
#include "interchange/xml/xml_log.h"

namespace ledra::xml {

// Deeper start tags are left as text, so the work per end tag stays bounded.
inline constexpr std::size_t kMaxDepth = 256;

struct ParsedTree {
  ElementIndex first_top = kNoElement;  // the root, and its siblings after it
  ElementIndex last_top = kNoElement;
};

// Rebuilds `table` from `text`. Problems never stop the scan; they go to
// `log` with the tag name or text involved and the offset.
ParsedTree ParseElements(std::string_view text, ElementTable& table, XmlLog& log);

}  // namespace ledra::xml
