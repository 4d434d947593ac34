#pragma once
// The edition's texts, looked up by number. The table is kept as UTF-8 in
// src/resources/strings/<edition>.txt and handed to the core as ANSI.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include "platform/result.h"

namespace ledra {

class StringTable {
 public:
  // Parses the UTF-8 table file: "number<TAB>text" per line, '#' comments,
  // "\n", "\t" and "\\" escapes. A malformed line fails with its line number.
  static Result<StringTable> FromUtf8(std::string_view file_text);

  // The ANSI text of `id`; an empty text when the table lacks it.
  const std::string& Get(int id) const;
  bool Has(int id) const { return texts_.contains(id); }
  size_t size() const { return texts_.size(); }
  // Every number of the table, in ascending order.
  std::vector<int> Ids() const;

  // Text `id` with "%1", "%2", ... replaced by `args` (ANSI).
  std::string Format(int id, std::initializer_list<std::string_view> args) const;
  // The `index`-th part of text `id` split at '\n' (the title of string 2 is part 0).
  std::string Part(int id, int index) const;

 private:
  std::unordered_map<int, std::string> texts_;
};

// The table of this edition, parsed once from the copy built into the program.
const StringTable& Strings();
// The language code of this edition (string 1198, "ptg").
const std::string& LanguageCode();

// "%1".."%9" insertion as the message formatter does it; "%%" stays as is.
std::string FormatInsert(std::string_view pattern, std::initializer_list<std::string_view> args);

// printf-style formatting of one pattern ("%s", "%d", "%02d", "%c", "%%", ...)
// with type-checked arguments: a mismatched or missing argument prints nothing.
using PrintfArg = std::variant<long long, std::string_view>;
std::string FormatPrintf(std::string_view pattern, std::initializer_list<PrintfArg> args);

}  // namespace ledra
