#pragma once
// The 253 named character references of HTML 4 ("quot" .. "diams").

#include <optional>
#include <string_view>

namespace ledra::xml {

// Names are matched exactly: "eacute" and "Eacute" are different letters.
std::optional<char32_t> LookupHtmlEntity(std::string_view name);

// Number of names in the table.
std::size_t HtmlEntityCount();

}  // namespace ledra::xml
