#pragma once
// A publisher's 3- and 6-month averages: months with a report, Bible
// studies, months as auxiliary pioneer and hours, over the months walked back
// from the ReportMonth; a new publisher or one who moved in is averaged over
// the months since.

#include <optional>

#include "store/congregation_database.h"

namespace ledra::activity {

struct PublisherAverages {
  int window = 6;                      // months the averages may reach back
  int reported_3 = 0, reported_6 = 0;  // months with a report
  double studies_3 = 0, studies_6 = 0;
  int auxiliary_3 = 0, auxiliary_6 = 0;  // months with PioneerCode 1
  // Over pioneer months that have hours; none when the 6-month value is nil.
  std::optional<double> hours_3, hours_6;
};

// The window is the irregular rule's, except that only a new publisher or one
// who moved in (not a reactivated one) is averaged over fewer months.
PublisherAverages ComputePublisherAverages(const store::CongregationDatabase& db,
                                           const store::PublisherRecord& p);

}  // namespace ledra::activity
