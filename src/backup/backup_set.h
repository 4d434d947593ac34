#pragma once
// Making a dated backup set of the data folder.

#include <span>
#include <vector>

#include "backup/backup_names.h"
#include "backup/set_copy.h"
#include "platform/files.h"
#include "platform/result.h"

namespace ledra::store {
class Document;
struct ReportMonthState;
}  // namespace ledra::store

namespace ledra::backup {

// The folder a backup goes to when `chosen` is offered as the target: a set
// folder itself is refused in favour of its parent, with the message to show.
struct TargetChoice {
  platform::Path folder;
  std::optional<std::string> message;  // ANSI, shown when set
};
TargetChoice ChooseTarget(const platform::Path& chosen);

// The past-month folders a backup carries: n = 1..12 of each of the six
// months before the ReportMonth whose copy exists.
std::vector<int> PastMonthNumbers(const store::ReportMonthState& month);

// The space a backup asks for: seven times the data files of the data folder.
std::uint64_t RequiredSpace(const platform::Path& data_folder);

// Copies the data files and the past-month folders `months` into a new set
// folder under `target`. A set of the same minute is refused ("Retry your
// backup in 1 minute."); on a copy failure the incomplete set is removed and
// the message names the file. Returns the set folder.
Result<platform::Path> MakeBackupSet(const platform::Path& data_folder, std::span<const int> months,
                                     const platform::Path& target, const BackupTime& when,
                                     const CopyProgress& progress);

// The Backup command: saves the document first, makes the set, records it in
// the history and the settings ("Path" and "Last"). Returns the set folder.
Result<platform::Path> RunBackup(store::Document& document, const platform::Path& target,
                                 const BackupTime& when, const CopyProgress& progress);

}  // namespace ledra::backup
