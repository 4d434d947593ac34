#pragma once
// "tlt15.dat": the participated bits of the slots that the main file does not
// carry, one 32-byte record per person: id, then a byte per (month, parity).

#include <optional>
#include <string>
#include <string_view>

#include "store/congregation_database.h"

namespace ledra::store {

inline constexpr std::size_t kParticipatedRecordSize = 32;

// Sets the participated bit of every flagged slot that has no hours and no
// hours fraction.
void ApplyParticipatedFlags(CongregationDatabase& db, std::string_view file_bytes);

// Whether slot (month, parity) has its bit moved into the file at save.
bool ParticipatedSlotMovedAside(int month_index, int parity, int report_month_index,
                                int report_year);

// Builds the file from the selected slots and clears those bits in the table.
// Returns nothing when no person has the bit in any slot (the file is then not written).
std::optional<std::string> ExtractParticipatedFlags(CongregationDatabase& db);

}  // namespace ledra::store
