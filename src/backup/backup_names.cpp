#include "backup/backup_names.h"

#include <array>
#include <chrono>
#include <ctime>

#include "platform/string_ids.h"
#include "platform/string_table.h"

namespace ledra::backup {
namespace {

// English on purpose: set names must not depend on the locale or the edition.
constexpr std::array<std::string_view, 12> kEnglishMonths = {
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string TwoDigits(int v) {
  return FormatPrintf("%02d", {static_cast<long long>(v)});
}

// The few strftime fields the set name uses, independent of the C locale.
std::string FormatSetTime(std::string_view pattern, const BackupTime& when) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%' || i + 1 == pattern.size()) {
      out += pattern[i];
      continue;
    }
    switch (pattern[++i]) {
      case 'H':
        out += TwoDigits(when.hour);
        break;
      case 'M':
        out += TwoDigits(when.minute);
        break;
      case 'y':
        out += TwoDigits(when.date.year % 100);
        break;
      case 'Y':
        out += std::to_string(when.date.year);
        break;
      case 'b':
        out += kEnglishMonths[static_cast<std::size_t>((when.date.month + 11) % 12)];
        break;
      case 'd':
        out += TwoDigits(when.date.day);
        break;
      case '%':
        out += '%';
        break;
      default:
        out += '%';
        out += pattern[i];
    }
  }
  return out;
}

// 0 = Monday .. 6 = Sunday, as the day-name texts are numbered.
int WeekdayFromMonday(const Date& d) {
  const std::chrono::year_month_day ymd{std::chrono::year{d.year},
                                        std::chrono::month{static_cast<unsigned>(d.month)},
                                        std::chrono::day{static_cast<unsigned>(d.day)}};
  const std::chrono::weekday wd{std::chrono::sys_days{ymd}};
  return static_cast<int>(wd.iso_encoding()) - 1;
}

const std::string& Text(int id) {
  return Strings().Get(id);
}

}  // namespace

BackupTime NowFrom(const Clock& clock) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {clock.Today(), local.tm_hour, local.tm_min};
}

std::string SetName(const BackupTime& when) {
  return Text(str::kBackupSetPrefix) + FormatSetTime(Text(str::kBackupSetTimeFormat), when);
}

bool IsSetFolderName(const platform::Path& folder) {
  platform::Path p = folder;
  if (!p.empty() && !p.has_filename()) p = p.parent_path();
  const std::string prefix = Text(str::kBackupSetPrefix) + "_";
  const std::string name = p.filename().string();
  // Matched without regard to case, as the folder listing matches.
  if (name.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(name[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

std::string SetListPattern() {
  return Text(str::kBackupSetPrefix) + "*";
}

const std::vector<std::string>& DataFileNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> v;
    for (int id : {str::kFileMain, str::kFileExtensions, str::kFileRemarks, str::kFileAppointments,
                   str::kFileEmergency, str::kFileAttendance, str::kFileTotalsCard,
                   str::kFileSpecialNeeds, str::kSettingsFileName, str::kFileSharedSettings,
                   str::kFileGroups, str::kFileParticipated})
      v.push_back(Text(id));
    return v;
  }();
  return names;
}

const std::vector<std::string>& OldFileNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> v;
    for (int id :
         {str::kFileMainOld, str::kFileRemarksOld, str::kFileLateOld, str::kFileInactiveOld,
          str::kFileMovedOld, str::kFileNonPublisherOld, str::kFileDeletedOld})
      v.push_back(Text(id));
    return v;
  }();
  return names;
}

platform::Path RollFolder(const platform::Path& folder) {
  return folder / Text(str::kFolderRoll);
}

platform::Path MonthFolder(const platform::Path& folder, int n) {
  return RollFolder(folder) /
         FormatPrintf(Text(str::kFolderPastMonth), {static_cast<long long>(n)});
}

platform::Path HistoryPath(const platform::Path& data_folder) {
  return data_folder / Text(str::kFileBackupHistory);
}

platform::Path UndoFolder(const platform::Path& data_folder) {
  return data_folder / Text(str::kFolderUnrestore);
}

platform::Path UndoWorkFolder(const platform::Path& data_folder) {
  return data_folder / (Text(str::kFolderUnrestore) + Text(str::kUnrestoreWorkSuffix));
}

std::string HistoryDateText(const BackupTime& when) {
  const Date& d = when.date;
  const std::string date = FormatPrintf(
      Text(str::kHistoryLongDate),
      {std::string_view(Text(str::kDayMonday + WeekdayFromMonday(d))),
       static_cast<long long>(d.day), std::string_view(Text(str::kMonthJanuary + d.month - 1)),
       static_cast<long long>(d.year)});
  // The 24-hour clock of Portuguese texts: "14:32", "0:05".
  return date + " " + std::to_string(when.hour) + ":" + TwoDigits(when.minute);
}

std::string HistoryRollText(const Date& today) {
  return FormatPrintf(Text(str::kHistoryRollDate),
                      {std::string_view(Text(str::kMonthJanuary + today.month - 1)),
                       static_cast<long long>(today.day), static_cast<long long>(today.year)});
}

bool SameFolder(const platform::Path& a, const platform::Path& b) {
  auto norm = [](const platform::Path& p) {
    std::error_code ec;
    platform::Path n = std::filesystem::weakly_canonical(p, ec);
    if (ec) n = p.lexically_normal();
    std::string s = n.string();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
  };
  return norm(a) == norm(b);
}

}  // namespace ledra::backup
