#include "interchange/csv_column_map.h"

#include <algorithm>
#include <cstdint>

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::interchange {
namespace {

constexpr std::size_t kReserved = 32;
constexpr std::size_t kOption = 36;
constexpr std::size_t kHeaders = 40;
constexpr std::size_t kVersion = 760;

void PutI32(std::string& b, std::size_t at, std::int32_t v) {
  const auto u = static_cast<std::uint32_t>(v);
  for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

std::int32_t GetI32(std::string_view b, std::size_t at) {
  std::uint32_t u = 0;
  for (std::size_t i = 0; i < 4; ++i)
    u |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + i])) << (8 * i);
  return static_cast<std::int32_t>(u);
}

void PutText(std::string& b, std::size_t at, std::string_view text) {
  text = text.substr(0, kColumnMapHeaderText - 1);
  std::copy(text.begin(), text.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
}

std::string GetText(std::string_view b, std::size_t at) {
  const std::string_view field = b.substr(at, kColumnMapHeaderText - 1);
  return std::string(field.substr(0, field.find('\0')));
}

}  // namespace

std::string ColumnMapBytes(const ColumnMap& map) {
  std::string b(kColumnMapSize, '\0');
  for (int t = 0; t < kCsvTargetCount; ++t) {
    const auto i = static_cast<std::size_t>(t);
    PutI32(b, 4 * i, map.column[i] < 0 ? -1 : map.column[i]);
    PutText(b, kHeaders + kColumnMapHeaderText * i, map.column[i] < 0 ? "" : map.header[i]);
  }
  PutI32(b, kReserved, 0);
  PutI32(b, kOption, map.participation_from_hours ? 1 : 0);
  if (map.complete) PutText(b, kVersion, Strings().Get(str::kCsvMapVersion));
  return b;
}

std::optional<ColumnMap> ParseColumnMap(std::string_view bytes) {
  if (bytes.size() != kColumnMapSize) return std::nullopt;
  if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == '\0'; }))
    return std::nullopt;
  ColumnMap map;
  for (int t = 0; t < kCsvTargetCount; ++t) {
    const auto i = static_cast<std::size_t>(t);
    const std::int32_t column = GetI32(bytes, 4 * i);
    map.column[i] = column < 0 ? -1 : column;
    map.header[i] = GetText(bytes, kHeaders + kColumnMapHeaderText * i);
  }
  map.participation_from_hours = GetI32(bytes, kOption) != 0;
  map.complete = GetText(bytes, kVersion) == Strings().Get(str::kCsvMapVersion);
  return map;
}

platform::Path ColumnMapPath(const platform::Path& data_folder) {
  return data_folder / Strings().Get(str::kFileColumnMap);
}

std::optional<ColumnMap> ReadColumnMap(const platform::Path& data_folder) {
  const auto bytes = platform::ReadFileIfPresent(ColumnMapPath(data_folder));
  if (!bytes) return std::nullopt;
  return ParseColumnMap(*bytes);
}

Status WriteColumnMap(const platform::Path& data_folder, const ColumnMap& map) {
  return platform::WriteFileAtomic(ColumnMapPath(data_folder), ColumnMapBytes(map));
}

}  // namespace ledra::interchange
