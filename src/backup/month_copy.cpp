#include "backup/month_copy.h"

#include <ctime>

#include "backup/backup_history.h"
#include "backup/backup_names.h"
#include "backup/set_copy.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::backup {

int MonthCopyNumber(int month_index) {
  return month_index == 0 ? 12 : month_index;
}

bool KeepMonthCopy(const platform::Path& month_folder, int report_year_byte) {
  const platform::Path main = month_folder / Strings().Get(str::kFileMain);
  auto bytes = platform::ReadFile(main);
  if (!bytes || bytes->size() <= 500) return false;
  const auto mtime = platform::ModificationTime(main);
  if (!mtime) return false;
  std::tm local{};
  localtime_r(&*mtime, &local);
  return local.tm_year + 1900 - 2000 >= report_year_byte;
}

Result<MonthCopyOutcome> WriteMonthStartCopy(const platform::Path& data_folder, int month_index,
                                             int report_year_byte, const Date& today) {
  const int n = MonthCopyNumber(month_index);
  const platform::Path folder = MonthFolder(data_folder, n);
  if (KeepMonthCopy(folder, report_year_byte)) return MonthCopyOutcome::kKept;
  if (Status s = platform::CreateFolders(folder); !s) return s.error();
  CopyPlan plan;
  plan.AddDataFiles(data_folder, folder);
  if (Status s = plan.Run(CopyDirection::kToSet, {}); !s) {
    // Half this month and half a year ago: not a copy anyone may view.
    (void)platform::DeleteFile(folder / Strings().Get(str::kFileMain));
    return s.error();
  }
  if (Status s = AddToHistory(data_folder, {HistoryRollText(today), HistoryPathText(folder)}); !s)
    return s.error();
  return MonthCopyOutcome::kCopied;
}

}  // namespace ledra::backup
