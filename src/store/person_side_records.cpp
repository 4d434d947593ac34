#include "store/person_side_records.h"

namespace ledra::store {

const ExtensionRecord* ExtensionOf(const CongregationDatabase& db, const PublisherRecord& p) {
  const std::size_t at = p.extension_index();
  const auto& extensions = db.side.extensions;
  if (at == 0 || at >= extensions.size() || extensions[at].id() != p.id()) return nullptr;
  return &extensions[at];
}

std::string NeedOf(const CongregationDatabase& db, const PublisherRecord& p) {
  const std::uint16_t key = p.specneed_key();
  if (key == 0) return {};
  for (std::size_t i = 0; i < db.side.needs.size(); ++i)
    if (i < db.side.need_keys.size() && db.side.need_keys[i] == key) return db.side.needs[i].need();
  return {};
}

}  // namespace ledra::store
