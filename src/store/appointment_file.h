#pragma once
// "tappt.dat": appointment entries (privilege dates), 32 bytes each.

#include <optional>
#include <string>
#include <vector>

#include "store/side_tables.h"

namespace ledra::store {

// The file as saved: entries with an id and a kind, a start date of more than
// seven characters (or kind 20), the first of each (id, kind) only. Nothing
// when the table is empty or beyond capacity (the file is then left alone).
std::optional<std::string> WriteAppointmentFile(const std::vector<AppointmentEntry>& entries);

}  // namespace ledra::store
