#pragma once
// Emergency contacts ("emerg.dat") and special needs ("spneed.dat"): records
// shared by every person whose key points at them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/congregation_database.h"

namespace ledra::store {

// Keys that some person uses, as emergency contact or special need.
std::vector<bool> UsedKeys(const CongregationDatabase& db, bool contacts);

// The contacts that survive loading: a repeated key becomes 0, and records
// whose key nobody uses are dropped.
std::vector<EmergencyContact> CompactContacts(std::vector<EmergencyContact> records,
                                              const CongregationDatabase& db);

// Index keys of the needs: a repeated key, or one that nobody uses, becomes 0.
std::vector<std::uint16_t> ValidNeedKeys(const std::vector<SpecialNeed>& needs,
                                         const CongregationDatabase& db);

// The first key from 10 upwards that is neither in `index_keys` nor used by a person.
std::uint16_t NewRecordKey(const std::vector<std::uint16_t>& index_keys,
                           const CongregationDatabase& db, bool contacts);

// Position for a record with `key`: its own, else the first position whose
// key is 0, else a new position at the end.
std::size_t KeyedWritePosition(const std::vector<std::uint16_t>& index_keys, std::uint16_t key);

// The key of a need whose text equals `text`, if any (a need holds more than 3 characters).
std::optional<std::uint16_t> FindNeedWithText(const std::vector<SpecialNeed>& needs,
                                              const std::vector<std::uint16_t>& keys,
                                              std::string_view text);

}  // namespace ledra::store
