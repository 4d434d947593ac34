#pragma once
// A person's records in the side tables: the extension record (full name,
// e-mail, other information) and the special-needs entry.

#include <string>

#include "store/congregation_database.h"

namespace ledra::store {

// Null when the person has none, or the position belongs to someone else.
const ExtensionRecord* ExtensionOf(const CongregationDatabase& db, const PublisherRecord& p);
// Empty when the person has none.
std::string NeedOf(const CongregationDatabase& db, const PublisherRecord& p);

}  // namespace ledra::store
