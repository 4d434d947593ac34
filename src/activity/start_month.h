#pragma once
// Starting a month for entry: every record's slot for the month is made ready
// (pioneer codes carried over, counters and remarks cleared, old statuses
// expired), the lists are kept within bounds and the month becomes the one
// open month. The copy of the data files made before it is month_start.h's.

#include "platform/prompter.h"
#include "store/congregation_database.h"

namespace ledra::activity {

struct StartSummary {
  int remarks_emptied = 0;
  int inactive_trimmed = 0;
  int deleted_trimmed = 0;
  int moved_removed = 0;
  int quarters_carried = 0;  // the congregation's quarter hours taken off the month before
};

// Every step on the records, in order, for MonthIndex `month_index` of slot
// parity `parity`. The ReportMonth is already the month being started.
StartSummary StartMonthRecords(store::CongregationDatabase& db, int month_index, int parity,
                               Prompter& prompter);

}  // namespace ledra::activity
