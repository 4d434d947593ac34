#include "interchange/csv_name_map.h"

#include <algorithm>

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::interchange {
namespace {

constexpr std::size_t kDisplayAt = 0;
constexpr std::size_t kCsvAt = 60;
constexpr std::size_t kIdAt = 120;

std::string GetText(std::string_view record, std::size_t at) {
  const std::string_view field = record.substr(at, kNameMapText - 1);
  return std::string(field.substr(0, field.find('\0')));
}

void PutText(std::string& b, std::size_t at, std::string_view text) {
  text = text.substr(0, kNameMapText - 1);
  std::copy(text.begin(), text.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

}  // namespace

std::vector<NamePair> ParseNameMap(std::string_view bytes) {
  std::vector<NamePair> pairs;
  for (std::size_t at = 0; at + kNameMapRecordSize <= bytes.size() &&
                           pairs.size() < static_cast<std::size_t>(kMaxNamePairs);
       at += kNameMapRecordSize) {
    const std::string_view r = bytes.substr(at, kNameMapRecordSize);
    NamePair p;
    p.display_name = GetText(r, kDisplayAt);
    p.csv_name = GetText(r, kCsvAt);
    p.id = static_cast<std::uint16_t>(static_cast<std::uint8_t>(r[kIdAt]) |
                                      (static_cast<std::uint8_t>(r[kIdAt + 1]) << 8));
    if (!p.csv_name.empty()) pairs.push_back(std::move(p));
  }
  return pairs;
}

std::string NameMapBytes(const std::vector<NamePair>& pairs) {
  const std::size_t n = std::min(pairs.size(), static_cast<std::size_t>(kMaxNamePairs));
  std::string b(n * kNameMapRecordSize, '\0');
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t at = i * kNameMapRecordSize;
    PutText(b, at + kDisplayAt, pairs[i].display_name);
    PutText(b, at + kCsvAt, pairs[i].csv_name);
    b[at + kIdAt] = static_cast<char>(pairs[i].id & 0xFF);
    b[at + kIdAt + 1] = static_cast<char>(pairs[i].id >> 8);
  }
  return b;
}

platform::Path NameMapPath(const platform::Path& data_folder) {
  return data_folder / Strings().Get(str::kFileNameMap);
}

std::vector<NamePair> ReadNameMap(const platform::Path& data_folder) {
  const auto bytes = platform::ReadFileIfPresent(NameMapPath(data_folder));
  return bytes ? ParseNameMap(*bytes) : std::vector<NamePair>{};
}

Status WriteNameMap(const platform::Path& data_folder, const std::vector<NamePair>& pairs) {
  return platform::WriteFileAtomic(NameMapPath(data_folder), NameMapBytes(pairs));
}

}  // namespace ledra::interchange
