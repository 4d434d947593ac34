#pragma once
// The copy of the data files that starts a month, made by the backup
// subsystem for the month lifecycle (both windows and commands use it).

#include "activity/month_lifecycle.h"
#include "backup/backup_names.h"
#include "backup/month_copy.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::app {

inline activity::MonthCopier MonthStartCopier(store::Document& doc) {
  return [&doc](const activity::CalendarMonth& month) {
    const auto& m = doc.db().month();
    const Date today{m.today_year, m.today_month, m.today_day};
    Result<backup::MonthCopyOutcome> copied =
        backup::WriteMonthStartCopy(doc.data_folder(), month.month_index, m.report_year, today);
    activity::MonthCopyStep step;
    if (!copied) {
      const platform::Path folder =
          backup::MonthFolder(doc.data_folder(), backup::MonthCopyNumber(month.month_index));
      step.result = activity::MonthCopyResult::kFailed;
      step.failure =
          Message{str::kMonthCopyFailed,
                  Strings().Format(str::kMonthCopyFailed,
                                   {platform::PathForMessage(folder), copied.error().text})};
      return step;
    }
    step.result = *copied == backup::MonthCopyOutcome::kCopied ? activity::MonthCopyResult::kCopied
                                                               : activity::MonthCopyResult::kKept;
    return step;
  };
}

}  // namespace ledra::app
