#pragma once
// Converting a whole file to the document's ANSI text on loading, and the
// text back to the document's encoding on saving.

#include <cstdint>
#include <string>
#include <string_view>

#include "interchange/xml/xml_log.h"

namespace ledra::xml {

// The document flags word.
enum DocumentFlag : std::uint32_t {
  kFlagUtf8 = 1,
  kFlagUtf16Le = 2,
  kFlagUtf16Be = 4,
  kFlagByteOrderMark = 8,  // write the encoding's mark when saving
};

struct DecodedDocument {
  std::string text;      // ANSI
  std::string encoding;  // the mark's or declaration's name; empty means UTF-8 on saving
  std::uint32_t flags = 0;
};

// Encoding found from the mark, else the declaration, else UTF-8 when the
// bytes are valid UTF-8, else ANSI. An unknown encoding is read as ANSI.
DecodedDocument DecodeDocument(std::string_view bytes, XmlLog& log);

// The bytes of `text` in `encoding` (UTF-8 when empty), with the mark first
// when the flags ask for it.
std::string EncodeDocument(std::string_view text, std::string_view encoding, std::uint32_t flags,
                           XmlLog& log);

}  // namespace ledra::xml
