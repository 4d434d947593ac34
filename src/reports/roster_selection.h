#pragma once
// Who a roster list names: the active publishers (or the inactive ones),
// narrowed to a group, to the elders and ministerial servants or to the
// ReportMonth's regular pioneers; and the subtitle that says which.

#include <string>
#include <vector>

#include "store/congregation_database.h"

namespace ledra::reports {

enum class RosterVariant { kAll, kGroup, kServants, kPioneers, kInactive };

// Rows in list order; `group` narrows kGroup, and kInactive when not 0.
std::vector<int> RosterRows(const store::CongregationDatabase& db, RosterVariant variant,
                            int group);
// The group's name, "Anciãos & Servos ministeriais", "Pioneiros Regulares",
// "Publicadores Inativos", or none for the whole congregation.
std::string RosterSubtitle(const store::CongregationDatabase& db, RosterVariant variant, int group);

}  // namespace ledra::reports
