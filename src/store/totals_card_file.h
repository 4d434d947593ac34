#pragma once
// "tcard.dat": the 24-month congregation totals, 864 little-endian words.

#include <string>
#include <string_view>

#include "store/side_tables.h"

namespace ledra::store {

inline constexpr std::size_t kTotalsCardFileSize = 1728;

// Reads as many words as the file holds; the rest stay 0.
TotalsCard ReadTotalsCard(std::string_view bytes);
std::string WriteTotalsCard(const TotalsCard& card);

}  // namespace ledra::store
