#pragma once
// The database as JSON for `ledra-cli dump`; texts converted to UTF-8.

#include <iosfwd>
#include <nlohmann/json.hpp>

#include "store/document.h"

namespace ledra::cli {

// One record of the table as the dump shows it: what the commands that
// change people print.
nlohmann::ordered_json PersonJson(const store::CongregationDatabase& db, int row);

// The whole database as one tree (small folders, tests).
nlohmann::ordered_json DatabaseToJson(const store::Document& document);

// The same text as DatabaseToJson(document).dump(1), written as it is made so
// that a full folder never sits in memory as a tree.
void WriteDatabaseJson(const store::Document& document, std::ostream& out);

}  // namespace ledra::cli
