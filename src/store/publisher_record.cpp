#include "store/publisher_record.h"

#include <algorithm>
#include <cstring>

namespace ledra::store {

std::string PublisherRecord::Text(TextField f) const {
  const auto* begin = reinterpret_cast<const char*>(&bytes[f.offset]);
  const auto* end = static_cast<const char*>(std::memchr(begin, 0, f.size));
  return std::string(begin, end ? end : begin + f.size);
}

void PublisherRecord::SetText(TextField f, std::string_view text) {
  const std::size_t n = std::min<std::size_t>(text.size(), f.size - 1u);
  std::fill_n(&bytes[f.offset], f.size, 0);
  std::memcpy(&bytes[f.offset], text.data(), n);
}

namespace header {

std::string Password(const PublisherRecord& h) {
  return h.Text(field::kFname);
}

bool PasswordFieldValid(const PublisherRecord& h) {
  // A text the password dialog could have written: printable and terminated.
  for (std::size_t i = 0; i < field::kFname.size; ++i) {
    const std::uint8_t c = h.bytes[field::kFname.offset + i];
    if (c == 0) return true;
    if (c < 0x20 || c == 0x7F) return false;
  }
  return false;
}

bool HasPassword(const PublisherRecord& h) {
  // A damaged header is reported as damaged, never taken for a password.
  if (!PasswordFieldValid(h)) return false;
  const std::string p = Password(h);
  return !(p.empty() || p == " ");
}

PublisherRecord Fresh() {
  PublisherRecord h;
  h.bytes[2] = ' ';
  h.bytes[kScrambleMarker] = kPlainMarker;
  return h;
}

}  // namespace header
}  // namespace ledra::store
