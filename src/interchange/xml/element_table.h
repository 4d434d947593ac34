#pragma once
// The element records of a document, kept in pages of 65,536 so a large
// document never needs one huge block. An index holds the page number in its
// high 16 bits and the place in the page in the low 16 bits; 0 means none.

#include <cstdint>
#include <vector>

namespace ledra::xml {

using ElementIndex = std::uint32_t;
inline constexpr ElementIndex kNoElement = 0;

struct ElementRecord {
  std::uint32_t start = 0;             // offset of the '<' of the start tag
  std::uint32_t start_tag_length = 0;  // up to and including its '>'
  std::uint32_t length = 0;            // the whole element, end tag included
  std::uint32_t name_length = 0;
  std::uint32_t end_tag_length = 0;  // 0 for "<a/>" and for elements closed without an end tag
  ElementIndex parent = kNoElement;
  ElementIndex first_child = kNoElement;
  ElementIndex last_child = kNoElement;
  ElementIndex next = kNoElement;
  ElementIndex previous = kNoElement;
  std::uint16_t level = 0;  // 0 for top-level elements
  bool empty_tag = false;   // written as "<a/>"

  std::uint32_t end() const { return start + length; }
  std::uint32_t content_start() const { return start + start_tag_length; }
  std::uint32_t content_end() const { return end() - end_tag_length; }
};

class ElementTable {
 public:
  static constexpr std::uint32_t kPageSize = 65536;

  ElementTable() { Clear(); }

  // Drops every record; record 0 stays as the "none" record.
  void Clear() {
    pages_.clear();
    pages_.emplace_back();
    pages_.back().reserve(64);
    pages_.back().emplace_back();
  }

  // Adds a blank record and returns its index.
  ElementIndex Add() {
    if (pages_.back().size() == kPageSize) pages_.emplace_back().reserve(1024);
    const auto page = static_cast<ElementIndex>(pages_.size() - 1);
    auto& records = pages_.back();
    const auto slot = static_cast<ElementIndex>(records.size());
    records.emplace_back();
    return (page << 16) | slot;
  }

  ElementRecord& operator[](ElementIndex index) { return pages_[index >> 16][index & 0xFFFF]; }
  const ElementRecord& operator[](ElementIndex index) const {
    return pages_[index >> 16][index & 0xFFFF];
  }

  // Number of records, the "none" record excluded.
  std::size_t size() const { return (pages_.size() - 1) * kPageSize + pages_.back().size() - 1; }

 private:
  std::vector<std::vector<ElementRecord>> pages_;
};

}  // namespace ledra::xml
