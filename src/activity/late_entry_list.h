#pragma once
// Queuing a late report for the report to the branch: a pair (publisher,
// month) is listed once, at the end; a full list (250) keeps no new pair.

#include <cstdint>

#include "store/congregation_database.h"

namespace ledra::activity {

// Returns whether the pair is listed afterwards.
bool QueueLateReport(store::CongregationDatabase& db, std::uint16_t id, int month_index);
bool LateReportQueued(const store::CongregationDatabase& db, std::uint16_t id, int month_index);

}  // namespace ledra::activity
