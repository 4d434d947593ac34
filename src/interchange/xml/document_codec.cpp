#include "interchange/xml/document_codec.h"

#include <optional>

#include "interchange/xml/encoding_names.h"
#include "interchange/xml/encoding_sniff.h"
#include "interchange/xml/unicode_text.h"
#include "platform/codepage.h"

namespace ledra::xml {
namespace {

bool IsBigEndianName(std::string_view name) {
  return name.size() >= 2 && (name.ends_with("be") || name.ends_with("BE") ||
                              name.ends_with("Be") || name.ends_with("bE"));
}

// UTF-16 code units: big-endian ones swapped to little-endian, NUL units
// dropped (a UTF-32 text read as UTF-16 loses its zero halves this way).
std::string PrepareUtf16(std::string_view bytes, bool big_endian, XmlLog& log) {
  std::string units;
  units.reserve(bytes.size());
  std::size_t nulls = 0;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    char low = bytes[i];
    char high = bytes[i + 1];
    if (big_endian) std::swap(low, high);
    if (low == 0 && high == 0) {
      ++nulls;
      continue;
    }
    units.push_back(low);
    units.push_back(high);
  }
  if (bytes.size() % 2 != 0) units.push_back(bytes.back());
  if (big_endian) log.Add("endian_swap");
  if (nulls > 0) log.Add("nulls_removed", {{"count", std::to_string(nulls)}});
  return units;
}

std::string ToAnsi(std::string_view body, int code_page, std::string_view name, bool& loss,
                   XmlLog& log) {
  switch (code_page) {
    case kCodePageAnsi:
      return std::string(body);
    case kCodePageUtf8:
      return Utf8ToAnsiText(body, loss);
    case kCodePageUtf16Le:
    case kCodePageUtf16Be:
      return Utf16LeToAnsiText(PrepareUtf16(body, code_page == kCodePageUtf16Be, log), loss);
    case kCodePageUtf32:
      return Utf32ToAnsiText(body, IsBigEndianName(name), loss);
    default:
      break;
  }
  const std::string platform_name = PlatformNameForCodePage(code_page);
  auto converted = platform_name.empty()
                       ? Result<platform::Converted>(Message{})
                       : platform::ConvertText(body, platform_name, platform::kAnsiCodePage);
  if (!converted) {
    log.Add("unknown_encoding", {{"encoding", name}});
    return std::string(body);
  }
  loss = converted->replaced;
  return std::move(converted->text);
}

}  // namespace

DecodedDocument DecodeDocument(std::string_view bytes, XmlLog& log) {
  DecodedDocument doc;
  std::string_view body = bytes;
  int code_page = kCodePageAnsi;
  if (const auto mark = DetectByteOrderMark(bytes)) {
    doc.encoding = mark->encoding;
    doc.flags |= kFlagByteOrderMark;
    code_page = *CodePageForName(mark->encoding);
    body.remove_prefix(mark->length);
  } else if (auto declared = DeclaredEncoding(bytes)) {
    const std::optional<int> found = CodePageForName(*declared);
    if (!found) {
      log.Add("unknown_encoding", {{"encoding", *declared}});
      doc.encoding = *declared;
    } else if (*found == kCodePageUtf16Le || *found == kCodePageUtf16Be ||
               *found == kCodePageUtf32) {
      // A declaration readable byte by byte cannot be in a wide encoding:
      // the file is really UTF-8 or ANSI, and is saved back as UTF-8.
      log.Add("encoding_mismatch", {{"encoding", *declared}});
      if (platform::IsValidUtf8(bytes)) code_page = kCodePageUtf8;
    } else if (*found == kCodePageUtf8 && !platform::IsValidUtf8(bytes)) {
      // Hand-edited files often say UTF-8 and hold ANSI: keep their letters
      // rather than turn each into '?'. Saving writes real UTF-8.
      log.Add("encoding_mismatch", {{"encoding", *declared}});
      doc.encoding = *declared;
    } else {
      code_page = *found;
      doc.encoding = *declared;
    }
  } else if (platform::IsValidUtf8(bytes)) {
    log.Add("utf8_detection");
    code_page = kCodePageUtf8;
  }
  if (code_page == kCodePageUtf8) doc.flags |= kFlagUtf8;
  if (code_page == kCodePageUtf16Le) doc.flags |= kFlagUtf16Le;
  if (code_page == kCodePageUtf16Be) doc.flags |= kFlagUtf16Be;

  bool loss = false;
  doc.text = ToAnsi(body, code_page, doc.encoding, loss, log);
  if (loss) log.Add("conversion_loss");
  if (code_page != kCodePageAnsi) log.Add("converted_to", {{"encoding", "ANSI"}});
  return doc;
}

std::string EncodeDocument(std::string_view text, std::string_view encoding, std::uint32_t flags,
                           XmlLog& log) {
  const std::string_view name = encoding.empty() ? std::string_view("UTF-8") : encoding;
  int code_page = CodePageForName(name).value_or(0);
  if (code_page == 0) {
    // Read as ANSI when loaded, so written back as ANSI.
    log.Add("unknown_encoding", {{"encoding", name}});
    code_page = kCodePageAnsi;
  }
  const bool mark = (flags & kFlagByteOrderMark) != 0;
  const bool big_endian = IsBigEndianName(name);
  std::string out;
  bool loss = false;
  switch (code_page) {
    case kCodePageAnsi:
      return std::string(text);
    case kCodePageUtf8:
      if (mark) out.append("\xEF\xBB\xBF", 3);
      out += AnsiToUtf8Text(text);
      break;
    case kCodePageUtf16Le:
    case kCodePageUtf16Be:
      if (mark) out.append(code_page == kCodePageUtf16Be ? "\xFE\xFF" : "\xFF\xFE", 2);
      out += AnsiToUtf16Text(text, code_page == kCodePageUtf16Be);
      break;
    case kCodePageUtf32:
      if (mark) out.append(big_endian ? "\0\0\xFE\xFF" : "\xFF\xFE\0\0", 4);
      out += AnsiToUtf32Text(text, big_endian);
      break;
    default: {
      const std::string platform_name = PlatformNameForCodePage(code_page);
      auto converted = platform_name.empty()
                           ? Result<platform::Converted>(Message{})
                           : platform::ConvertText(text, platform::kAnsiCodePage, platform_name);
      if (!converted) {
        log.Add("unknown_encoding", {{"encoding", name}});
        return std::string(text);
      }
      out = std::move(converted->text);
      loss = converted->replaced;
    }
  }
  log.Add("converted_from", {{"encoding", "ANSI"}});
  if (loss) log.Add("conversion_loss");
  return out;
}

}  // namespace ledra::xml
