#pragma once
// Reading and writing files that are plain sequences of fixed-size records.

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace ledra::store {

// Whole records only, at most `limit`.
template <class Record>
std::vector<Record> ReadRecords(std::string_view file, std::size_t limit) {
  const std::size_t count = std::min(file.size() / Record::kSize, limit);
  std::vector<Record> records(count);
  for (std::size_t k = 0; k < count; ++k)
    std::memcpy(records[k].bytes.data(), file.data() + k * Record::kSize, Record::kSize);
  return records;
}

template <class Record>
std::string WriteRecords(const std::vector<Record>& records) {
  std::string out;
  out.reserve(records.size() * Record::kSize);
  for (const Record& r : records)
    out.append(reinterpret_cast<const char*>(r.bytes.data()), Record::kSize);
  return out;
}

}  // namespace ledra::store
