#include "backup/backup_set.h"

#include <system_error>

#include "backup/backup_history.h"
#include "backup/backup_settings.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/document.h"
#include "store/month_slot.h"

namespace ledra::backup {
namespace {

Message Text(int id, std::initializer_list<std::string_view> args = {}) {
  return Message{id, Strings().Format(id, args)};
}

// Takes a set that must not be taken for a backup off the disk.
void RemoveSet(const platform::Path& set) {
  std::error_code ec;
  std::filesystem::remove_all(set, ec);
  // What cannot go must at least not look usable.
  if (ec) (void)platform::DeleteFile(set / Strings().Get(str::kFileMain));
}

}  // namespace

TargetChoice ChooseTarget(const platform::Path& chosen) {
  platform::Path folder = chosen;
  if (!folder.empty() && !folder.has_filename()) folder = folder.parent_path();
  if (!IsSetFolderName(folder)) return {chosen, std::nullopt};
  return {folder.parent_path(),
          Strings().Format(str::kNotABackupTarget, {platform::PathForMessage(folder)})};
}

std::vector<int> PastMonthNumbers(const store::ReportMonthState& month) {
  std::vector<int> numbers;
  const int base = month.viewing_past ? month.open_month_index : month.report_month_index;
  for (int d = 1; d <= 6; ++d)
    if (month.past_month_mask & (1u << d)) numbers.push_back(store::MonthsBack(base, d) + 1);
  return numbers;
}

std::uint64_t RequiredSpace(const platform::Path& data_folder) {
  return 7 * DataFilesSize(data_folder);
}

Result<platform::Path> MakeBackupSet(const platform::Path& data_folder, std::span<const int> months,
                                     const platform::Path& target, const BackupTime& when,
                                     const CopyProgress& progress) {
  const platform::Path set = target / SetName(when);
  if (platform::FolderExists(set) || platform::FileExists(set))
    return Text(str::kRetryBackupInAMinute);
  if (!FitsHistory(set)) return Text(str::kSetPathTooLong, {platform::PathForMessage(set)});
  if (Status s = platform::CreateFolders(set); !s) return s.error();

  CopyPlan plan;
  plan.AddDataFiles(data_folder, set);
  for (int n : months) plan.AddMonthFolder(data_folder, set, n);
  if (Status s = plan.Run(CopyDirection::kToSet, progress); !s) {
    // An incomplete set must never be taken for a backup.
    RemoveSet(set);
    return Text(str::kBackupFailed, {s.error().text});
  }
  return set;
}

Result<platform::Path> RunBackup(store::Document& document, const platform::Path& target,
                                 const BackupTime& when, const CopyProgress& progress) {
  // What is on disk must be what the secretary sees. A file that cannot be
  // saved has been named already; the files on disk are still worth keeping.
  if (!document.read_only()) (void)document.SaveCommand(/*from_menu=*/true);
  const platform::Path& data = document.data_folder();
  const std::vector<int> months = PastMonthNumbers(document.db().month());
  auto set = MakeBackupSet(data, months, target, when, progress);
  if (!set) return set;
  // A set the history does not list is found by no restore: it goes, and the
  // user hears that there is no backup.
  if (Status s = AddToHistory(data, {HistoryDateText(when), HistoryPathText(*set)}); !s) {
    RemoveSet(*set);
    return Text(str::kBackupNotListed, {s.error().text});
  }
  // From here the set is complete and listed: only the settings' note of it
  // can fail, and the message says so.
  if (Status s = WriteBackupDone(data, target, when.date); !s)
    return Text(str::kBackupSettingsNotSaved, {platform::PathForMessage(*set), s.error().text});
  return set;
}

}  // namespace ledra::backup
