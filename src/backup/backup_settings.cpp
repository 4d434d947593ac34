#include "backup/backup_settings.h"

#include "platform/codepage.h"
#include "platform/string_ids.h"
#include "platform/string_table.h"
#include "store/settings.h"

namespace ledra::backup {
namespace {

const std::string& T(int id) {
  return Strings().Get(id);
}

}  // namespace

platform::Path ReadBackupFolder(const platform::IniFile& ini, const platform::Path& data_folder) {
  const std::string text = ini.GetString(T(str::kSectionBackup), T(str::kKeyBackupPath), "");
  if (text.empty()) return data_folder;
  const platform::Path folder(platform::AnsiToUtf8(text));
  return platform::FolderExists(folder) ? folder : data_folder;
}

std::optional<Date> ReadLastBackup(const platform::IniFile& ini) {
  return ParseIsoDate(ini.GetString(T(str::kSectionBackup), T(str::kKeyBackupLast), ""));
}

void WriteBackupDone(platform::IniFile& ini, const platform::Path& target, const Date& today) {
  ini.SetString(T(str::kSectionBackup), T(str::kKeyBackupPath), platform::PathForMessage(target));
  ini.SetString(T(str::kSectionBackup), T(str::kKeyBackupLast),
                FormatPrintf("%04d-%02d-%02d", {static_cast<long long>(today.year),
                                                static_cast<long long>(today.month),
                                                static_cast<long long>(today.day)}));
}

platform::Path ReadBackupFolder(const platform::Path& data_folder) {
  return ReadBackupFolder(platform::IniFile::Load(store::SettingsPath(data_folder)), data_folder);
}

std::optional<Date> ReadLastBackup(const platform::Path& data_folder) {
  return ReadLastBackup(platform::IniFile::Load(store::SettingsPath(data_folder)));
}

Status WriteBackupDone(const platform::Path& data_folder, const platform::Path& target,
                       const Date& today) {
  const platform::Path file = store::SettingsPath(data_folder);
  platform::IniFile ini = platform::IniFile::Load(file);
  WriteBackupDone(ini, target, today);
  return ini.Save(file);
}

}  // namespace ledra::backup
