#include "platform/string_table.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <vector>

#include "platform/codepage.h"
#include "platform/string_ids.h"

namespace ledra {
namespace resources {
std::string_view StringsPtg();
}

namespace {

std::string Unescape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      const char n = s[++i];
      out.push_back(n == 'n' ? '\n' : n == 't' ? '\t' : n == 'r' ? '\r' : n);
    } else {
      out.push_back(s[i]);
    }
  }
  return out;
}

}  // namespace

Result<StringTable> StringTable::FromUtf8(std::string_view file_text) {
  StringTable table;
  int line_number = 0;
  while (!file_text.empty()) {
    ++line_number;
    const size_t eol = file_text.find('\n');
    std::string_view line = file_text.substr(0, eol);
    file_text = eol == std::string_view::npos ? std::string_view{} : file_text.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const size_t tab = line.find('\t');
    int id = 0;
    const auto [end, ec] = std::from_chars(line.data(), line.data() + line.size(), id);
    if (tab == std::string_view::npos || ec != std::errc{} || end != line.data() + tab ||
        table.texts_.contains(id)) {
      const std::string where = std::to_string(line_number);
      return Message{0, "String table: bad line " + where};
    }
    table.texts_[id] = platform::Utf8ToAnsi(Unescape(line.substr(tab + 1))).text;
  }
  return table;
}

const std::string& StringTable::Get(int id) const {
  static const std::string kEmpty;
  const auto it = texts_.find(id);
  return it == texts_.end() ? kEmpty : it->second;
}

std::vector<int> StringTable::Ids() const {
  std::vector<int> ids;
  ids.reserve(texts_.size());
  for (const auto& entry : texts_) ids.push_back(entry.first);
  std::sort(ids.begin(), ids.end());
  return ids;
}

std::string StringTable::Format(int id, std::initializer_list<std::string_view> args) const {
  return FormatInsert(Get(id), args);
}

std::string StringTable::Part(int id, int index) const {
  std::string_view text = Get(id);
  for (int i = 0; i < index; ++i) {
    const size_t nl = text.find('\n');
    if (nl == std::string_view::npos) return {};
    text.remove_prefix(nl + 1);
  }
  return std::string(text.substr(0, text.find('\n')));
}

const StringTable& Strings() {
  static const StringTable table = [] {
    auto parsed = StringTable::FromUtf8(resources::StringsPtg());
    // The table is built into the program and checked by the tests.
    return parsed ? std::move(parsed).value() : StringTable{};
  }();
  return table;
}

const std::string& LanguageCode() {
  static const std::string code = Strings().Get(str::kLanguageCode);
  return code;
}

std::string FormatInsert(std::string_view pattern, std::initializer_list<std::string_view> args) {
  const std::vector<std::string_view> list(args);
  std::string out;
  out.reserve(pattern.size() + 32);
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9') {
      const size_t k = static_cast<size_t>(pattern[i + 1] - '1');
      if (k < list.size()) out.append(list[k]);
      ++i;
    } else {
      out.push_back(pattern[i]);
    }
  }
  return out;
}

std::string FormatPrintf(std::string_view pattern, std::initializer_list<PrintfArg> args) {
  std::string out;
  auto next = args.begin();
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%') {
      out.push_back(pattern[i]);
      continue;
    }
    // One conversion: flags, width, precision, length modifiers, conversion.
    size_t j = i + 1;
    while (j < pattern.size() &&
           std::string_view("-+ #0").find(pattern[j]) != std::string_view::npos)
      ++j;
    while (j < pattern.size() &&
           (std::isdigit(static_cast<unsigned char>(pattern[j])) || pattern[j] == '.'))
      ++j;
    while (j < pattern.size() &&
           std::string_view("hlLqjzt").find(pattern[j]) != std::string_view::npos)
      ++j;
    if (j >= pattern.size()) break;
    const char conv = pattern[j];
    if (conv == '%') {
      out.push_back('%');
      i = j;
      continue;
    }
    std::string conversion(pattern.substr(i, j - i));
    while (!conversion.empty() &&
           std::string_view("hlLqjzt").find(conversion.back()) != std::string_view::npos)
      conversion.pop_back();
    char buffer[512];
    int n = 0;
    const PrintfArg* arg = next != args.end() ? &*next++ : nullptr;
    if (conv == 's') {
      if (arg && std::holds_alternative<std::string_view>(*arg)) {
        const std::string text(std::get<std::string_view>(*arg));
        if (conversion == "%") {
          out += text;
        } else {
          n = std::snprintf(buffer, sizeof buffer, (conversion + 's').c_str(), text.c_str());
        }
      }
    } else if (std::string_view("diuxXoc").find(conv) != std::string_view::npos) {
      if (arg && std::holds_alternative<long long>(*arg)) {
        const long long v = std::get<long long>(*arg);
        n = conv == 'c'
                ? std::snprintf(buffer, sizeof buffer, "%c", static_cast<char>(v))
                : std::snprintf(buffer, sizeof buffer, (conversion + "ll" + conv).c_str(), v);
      }
    }
    if (n > 0) out.append(buffer, std::min<size_t>(static_cast<size_t>(n), sizeof buffer - 1));
    i = j;
  }
  return out;
}

}  // namespace ledra
