#include "store/totals_card_file.h"

#include "store/byte_order.h"

namespace ledra::store {

TotalsCard ReadTotalsCard(std::string_view bytes) {
  TotalsCard card{};
  const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
  for (std::size_t i = 0; i < card.size() && 2 * i + 1 < bytes.size(); ++i)
    card[i] = GetU16(p + 2 * i);
  return card;
}

std::string WriteTotalsCard(const TotalsCard& card) {
  std::string out(kTotalsCardFileSize, '\0');
  auto* p = reinterpret_cast<std::uint8_t*>(out.data());
  for (std::size_t i = 0; i < card.size(); ++i) PutU16(p + 2 * i, card[i]);
  return out;
}

}  // namespace ledra::store
