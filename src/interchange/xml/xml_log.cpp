#include "interchange/xml/xml_log.h"

#include "interchange/xml/xml_escape.h"

namespace ledra::xml {
namespace {

constexpr std::size_t kValueLimit = 40;

}  // namespace

void XmlLog::Add(std::string_view name, std::initializer_list<Attribute> attributes) {
  if (full_) return;
  std::string entry = "<";
  entry += name;
  for (const auto& [key, value] : attributes) {
    entry += ' ';
    entry += key;
    entry += "=\"";
    entry += EscapeAttribute(value.substr(0, kValueLimit));
    entry += '"';
  }
  entry += "/>";
  if (text_.size() + entry.size() > kLimit) {
    full_ = true;
    return;
  }
  text_ += entry;
}

bool XmlLog::Has(std::string_view name) const {
  std::string needle = "<";
  needle.append(name);
  for (std::size_t at = text_.find(needle); at != std::string::npos;
       at = text_.find(needle, at + 1)) {
    const std::size_t after = at + needle.size();
    if (after < text_.size() && (text_[after] == ' ' || text_[after] == '/')) return true;
  }
  return false;
}

}  // namespace ledra::xml
