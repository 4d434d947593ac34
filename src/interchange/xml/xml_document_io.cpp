// Loading and saving a document's file.

#include "interchange/xml/document_codec.h"
#include "interchange/xml/xml_document.h"

namespace ledra::xml {
namespace {

// Element offsets are 32-bit; larger files are refused.
constexpr std::size_t kMaxFile = std::size_t{1} << 30;

}  // namespace

Status XmlDocument::LoadFile(const platform::Path& path) {
  const auto expected = platform::FileSize(path);
  auto bytes = platform::ReadFile(path);
  if (!bytes) {
    SetText({});
    log_.Clear();
    log_.Add("file_error", {{"path", platform::PathForMessage(path)}});
    return bytes.error();
  }
  LoadBytes(*bytes);
  if (expected && *expected > bytes->size()) log_.Add("truncation_error");
  return Status::Ok();
}

void XmlDocument::LoadBytes(std::string_view bytes) {
  log_.Clear();
  if (bytes.size() > kMaxFile) {
    log_.Add("file_too_large", {{"length", std::to_string(bytes.size())}});
    bytes = {};
  }
  DecodedDocument decoded = DecodeDocument(bytes, log_);
  text_ = std::move(decoded.text);
  encoding_ = std::move(decoded.encoding);
  flags_ = decoded.flags;
  Parse();
}

std::string XmlDocument::SaveBytes() {
  log_.Clear();
  return EncodeDocument(text_, encoding_, flags_, log_);
}

Status XmlDocument::SaveFile(const platform::Path& path) {
  const std::string bytes = SaveBytes();
  Status status = platform::WriteFileAtomic(path, bytes);
  if (!status) log_.Add("file_error", {{"path", platform::PathForMessage(path)}});
  return status;
}

}  // namespace ledra::xml
