#include <algorithm>
#include <cstring>

#include "store/side_tables.h"

namespace ledra::store {

int GroupTable::count() const {
  const int n = static_cast<std::int8_t>(bytes[0]);
  return std::clamp(n, 0, kMaxGroups);
}

std::size_t GroupTable::TextOffset(int group, Text which) {
  const auto g = static_cast<std::size_t>(group - 1);
  switch (which) {
    case Text::kOverseer:
      return 1 + 24 * g;
    case Text::kAssistant:
      return 481 + 24 * g;
    case Text::kPlace:
      return 961 + 24 * g;
    case Text::kName:
      return 1441 + 24 * g;
    case Text::kTime:
      return 1921 + 9 * g;
  }
  return 1;
}

std::string GroupTable::text(int group, Text which) const {
  if (group < 1 || group > kMaxGroups) return {};
  const auto* begin = reinterpret_cast<const char*>(&bytes[TextOffset(group, which)]);
  const std::size_t size = TextSize(which);
  const auto* end = static_cast<const char*>(std::memchr(begin, 0, size));
  return std::string(begin, end ? end : begin + size);
}

void GroupTable::set_text(int group, Text which, std::string_view value) {
  if (group < 1 || group > kMaxGroups) return;
  const std::size_t size = TextSize(which);
  std::uint8_t* dst = &bytes[TextOffset(group, which)];
  std::fill_n(dst, size, 0);
  std::memcpy(dst, value.data(), std::min(value.size(), size - 1));
}

}  // namespace ledra::store
