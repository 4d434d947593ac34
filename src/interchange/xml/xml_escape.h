#pragma once
// Writing text into markup and reading it back: escaping, CDATA sections and
// decoding of character references. Texts are ANSI.

#include <string>
#include <string_view>

namespace ledra::xml {

// "&" "<" ">" become references. With `keep_references`, an ampersand that
// already starts a well-formed reference ("&name;" or "&#...;") is kept.
std::string EscapeText(std::string_view text, bool keep_references = false);
// As EscapeText, and the double quote and apostrophe too.
std::string EscapeAttribute(std::string_view text, bool keep_references = false);

// "<![CDATA[text]]>", every "]]>" inside split across two sections so the
// text reads back unchanged.
std::string CDataSection(std::string_view text);

// Appends `text` with each reference of up to 9 characters between "&" and
// ";" replaced: decimal "&#233;", hexadecimal "&#xE9;" and the HTML 4 names.
// A reference that is unknown, too long or whose character the ANSI code
// page cannot hold stays as written.
void AppendDecoded(std::string_view text, std::string& out);
std::string DecodeReferences(std::string_view text);

}  // namespace ledra::xml
