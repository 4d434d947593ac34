#include "store/keyed_records.h"

#include <algorithm>

namespace ledra::store {

std::vector<bool> UsedKeys(const CongregationDatabase& db, bool contacts) {
  std::vector<bool> used(65536, false);
  for (int r = 1; r < db.count(); ++r)
    used[contacts ? db.row(r).emergency_key() : db.row(r).specneed_key()] = true;
  used[0] = false;
  return used;
}

std::vector<EmergencyContact> CompactContacts(std::vector<EmergencyContact> records,
                                              const CongregationDatabase& db) {
  const std::vector<bool> used = UsedKeys(db, /*contacts=*/true);
  std::vector<bool> seen(65536, false);
  std::vector<EmergencyContact> survivors;
  for (EmergencyContact& c : records) {
    const std::uint16_t key = c.key();
    if (seen[key]) c.set_u16(0, 0);
    seen[key] = true;
    if (used[c.key()]) survivors.push_back(c);
  }
  return survivors;
}

std::vector<std::uint16_t> ValidNeedKeys(const std::vector<SpecialNeed>& needs,
                                         const CongregationDatabase& db) {
  const std::vector<bool> used = UsedKeys(db, /*contacts=*/false);
  std::vector<bool> seen(65536, false);
  std::vector<std::uint16_t> keys;
  keys.reserve(needs.size());
  for (const SpecialNeed& n : needs) {
    const std::uint16_t key = n.key();
    keys.push_back(seen[key] || !used[key] ? 0 : key);
    seen[key] = true;
  }
  return keys;
}

std::uint16_t NewRecordKey(const std::vector<std::uint16_t>& index_keys,
                           const CongregationDatabase& db, bool contacts) {
  std::vector<bool> taken = UsedKeys(db, contacts);
  for (std::uint16_t k : index_keys) taken[k] = true;
  for (std::uint32_t key = 10; key < 65536; ++key) {
    if (!taken[key]) return static_cast<std::uint16_t>(key);
  }
  return 0;
}

std::size_t KeyedWritePosition(const std::vector<std::uint16_t>& index_keys, std::uint16_t key) {
  const auto own = std::find(index_keys.begin(), index_keys.end(), key);
  if (key != 0 && own != index_keys.end())
    return static_cast<std::size_t>(own - index_keys.begin());
  const auto free = std::find(index_keys.begin(), index_keys.end(), 0);
  return static_cast<std::size_t>(free - index_keys.begin());
}

std::optional<std::uint16_t> FindNeedWithText(const std::vector<SpecialNeed>& needs,
                                              const std::vector<std::uint16_t>& keys,
                                              std::string_view text) {
  for (std::size_t k = 0; k < needs.size() && k < keys.size(); ++k) {
    const std::string need = needs[k].need();
    if (keys[k] != 0 && need.size() > 3 && need == text) return keys[k];
  }
  return std::nullopt;
}

}  // namespace ledra::store
