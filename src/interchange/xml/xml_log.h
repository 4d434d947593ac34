#pragma once
// What happened while loading, parsing or saving, as a short XML fragment:
// one empty element per entry. The fragment stays under about 1,000
// characters; later entries are dropped.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace ledra::xml {

class XmlLog {
 public:
  static constexpr std::size_t kLimit = 1000;
  using Attribute = std::pair<std::string_view, std::string_view>;

  // Adds "<name a="v" .../>"; attribute values are cut to a few dozen
  // characters and escaped.
  void Add(std::string_view name, std::initializer_list<Attribute> attributes = {});
  void Clear() {
    text_.clear();
    full_ = false;
  }

  const std::string& text() const { return text_; }
  // Whether an entry of that name was recorded.
  bool Has(std::string_view name) const;

 private:
  std::string text_;
  bool full_ = false;
};

}  // namespace ledra::xml
