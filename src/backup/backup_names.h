#pragma once
// Names of what a backup touches: the set folder, the data files in their
// copy order, the past-month folders, the undo area and the history file.

#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"

namespace ledra::backup {

// A moment on the local clock: the date and the minute.
struct BackupTime {
  Date date;
  int hour = 0;    // 0-23
  int minute = 0;  // 0-59
};

// The date from `clock` (so --today fixes it) with the current local hour and minute.
BackupTime NowFrom(const Clock& clock);

// "Ld9" + "_%H%M_20%y%b%d", the month abbreviated in English whatever the
// locale, for example "Ld9_1432_2025Mar07".
std::string SetName(const BackupTime& when);
// Whether the last component of `folder` names a backup set ("Ld9_...").
bool IsSetFolderName(const platform::Path& folder);
// The listing pattern of the set folders, "Ld9*".
std::string SetListPattern();

// The twelve data files, in the order they are copied.
const std::vector<std::string>& DataFileNames();
// The previous version's names, deleted with the data files outside the data folder.
const std::vector<std::string>& OldFileNames();

// "<folder>/Roll" and "<folder>/Roll/Ld9_<n>" (n = 1..12).
platform::Path RollFolder(const platform::Path& folder);
platform::Path MonthFolder(const platform::Path& folder, int n);

// The history file and the undo area of a data folder.
platform::Path HistoryPath(const platform::Path& data_folder);
platform::Path UndoFolder(const platform::Path& data_folder);
// The undo area's name followed by "_tmp": exists only while an undo runs.
platform::Path UndoWorkFolder(const platform::Path& data_folder);

// The history's date text of a backup: long date, then the 24-hour time with
// the hour without leading zero and two-digit minutes (ANSI).
std::string HistoryDateText(const BackupTime& when);
// The history's date text of a past-month copy: "%s %d %d (Roll)".
std::string HistoryRollText(const Date& today);

// Folder paths compared after normalising (trailing separators, "." and "..").
bool SameFolder(const platform::Path& a, const platform::Path& b);

}  // namespace ledra::backup
