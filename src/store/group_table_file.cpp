#include "store/group_table_file.h"

#include <algorithm>
#include <cstring>

namespace ledra::store {
namespace {

constexpr char kKey[] = "Lamp Cedar";
constexpr std::size_t kKeyLength = 10;

void XorAllTexts(GroupTable& table) {
  using T = GroupTable::Text;
  for (int g = 1; g <= table.count(); ++g) {
    for (T t : {T::kOverseer, T::kAssistant, T::kPlace, T::kName, T::kTime})
      XorScrambleText(&table.bytes[GroupTable::TextOffset(g, t)], GroupTable::TextSize(t));
  }
}

}  // namespace

void XorScrambleText(std::uint8_t* text, std::size_t size) {
  for (std::size_t i = 0; i < size && text[i] != 0; ++i) {
    const auto k = static_cast<std::uint8_t>(kKey[i % kKeyLength]);
    // A byte equal to the key byte stays, so no byte ever becomes 0.
    if (text[i] != k) text[i] ^= k;
  }
}

GroupFileRead ReadGroupFile(std::string_view bytes) {
  GroupFileRead result;
  if (bytes.size() == kOldGroupFileSize) {
    // Previous layout: count, overseers, assistants, places, a 12-byte text,
    // times at 1681, days at 1861. Its texts are scrambled the same way.
    std::array<std::uint8_t, kOldGroupFileSize> old{};
    std::memcpy(old.data(), bytes.data(), old.size());
    const int count = std::clamp<int>(static_cast<std::int8_t>(old[0]), 0, GroupTable::kMaxGroups);
    for (int g = 0; g < count; ++g) {
      const auto ug = static_cast<std::size_t>(g);
      for (std::size_t base : {std::size_t{1}, std::size_t{481}, std::size_t{961}})
        XorScrambleText(&old[base + 24 * ug], 24);
      XorScrambleText(&old[1441 + 12 * ug], 12);
      XorScrambleText(&old[1681 + 9 * ug], 9);
    }
    GroupTable& t = result.table;
    t.bytes[0] = old[0];
    std::memcpy(&t.bytes[1], &old[1], 3 * 480);    // overseers, assistants, places
    std::memcpy(&t.bytes[1921], &old[1681], 180);  // times
    std::memcpy(&t.bytes[2101], &old[1861], 20);   // days
    result.converted = true;
    return result;
  }
  std::memcpy(result.table.bytes.data(), bytes.data(), std::min(bytes.size(), GroupTable::kSize));
  XorAllTexts(result.table);
  return result;
}

std::string WriteGroupFile(const GroupTable& table) {
  GroupTable scrambled = table;
  XorAllTexts(scrambled);
  return std::string(reinterpret_cast<const char*>(scrambled.bytes.data()), GroupTable::kSize);
}

}  // namespace ledra::store
