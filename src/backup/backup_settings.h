#pragma once
// The "Backup" section of the settings file: "Path", the last backup folder
// chosen, and "Last", the date of the last successful backup ("%Y-%m-%d").

#include <optional>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/ini_file.h"
#include "platform/result.h"

namespace ledra::backup {

// The backup folder to offer: "Path" when it names an existing folder, else the data folder.
platform::Path ReadBackupFolder(const platform::IniFile& ini, const platform::Path& data_folder);
// The date of the last successful backup, when one is recorded.
std::optional<Date> ReadLastBackup(const platform::IniFile& ini);
void WriteBackupDone(platform::IniFile& ini, const platform::Path& target, const Date& today);

// The same on the data folder's settings file.
platform::Path ReadBackupFolder(const platform::Path& data_folder);
std::optional<Date> ReadLastBackup(const platform::Path& data_folder);
Status WriteBackupDone(const platform::Path& data_folder, const platform::Path& target,
                       const Date& today);

}  // namespace ledra::backup
