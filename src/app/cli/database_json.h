#pragma once
// The database as JSON for `ledra-cli dump`; texts converted to UTF-8.

#include <nlohmann/json.hpp>

#include "store/document.h"

namespace ledra::cli {

nlohmann::ordered_json DatabaseToJson(const store::Document& document);

}  // namespace ledra::cli
