#pragma once
// The figures of the glance ("Relance"): who the active publishers are in
// the ReportMonth, their average hours, and how many became auxiliary
// pioneers, new, inactive, reactivated or moved in the service year and in
// the last six months.

#include <optional>

#include "store/congregation_database.h"

namespace ledra::activity {

struct GlancePeriod {
  int auxiliary = 0;
  int new_publishers = 0;
  int inactive = 0;
  int reactivated = 0;
  int moved = 0;
};

struct Glance {
  int active = 0;
  int regular = 0;  // no month missing in the irregular rule's window
  int baptised = 0;
  int regular_pioneers = 0;
  int elders = 0;
  int ministerial_servants = 0;
  int auxiliary_pioneers = 0;
  std::optional<double> avg_hours_publishers;  // none from the simplified report on
  double avg_hours_regular = 0;
  double avg_hours_auxiliary = 0;
  GlancePeriod service_year;
  GlancePeriod six_months;
  int deaf = 0, blind = 0, prison = 0;
  int special_category = 0;  // active publishers marked with the special category
};

Glance ComputeGlance(const store::CongregationDatabase& db);

}  // namespace ledra::activity
